// The program's language manager: created on the "Lang" folder beside the program with the
// language the settings name, falling back to "en-us"; started again when the user picks
// another language.
#pragma once

#include <string>

#include "lang/ztv_lang/ztv_lang.h"

namespace zentrova {

constexpr const wchar_t* kLanguageProductCode = L"CVX";
constexpr const wchar_t* kLanguageFolderName = L"Lang";
constexpr const wchar_t* kFallbackLanguageTag = L"en-us";

class LanguageSession {
  public:
    LanguageSession() = default;
    ~LanguageSession() { Stop(); }
    LanguageSession(const LanguageSession&) = delete;
    LanguageSession& operator=(const LanguageSession&) = delete;

    // Creates the manager on programFolder's "Lang" folder and makes the language of tag (or,
    // when there is none, "en-us") current. A running manager is destroyed first.
    void Start(const std::wstring& programFolder, const wchar_t* tag);
    void Stop();

    // Never null after Start (without language files every lookup answers null).
    ZtvLangManHandle Handle() const { return m_handle; }

  private:
    ZtvLangManHandle m_handle = nullptr;
};

}  // namespace zentrova
