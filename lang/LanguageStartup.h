// The program's language manager: created on the "Lang" folder beside the program with the
// language the settings name, falling back to "en-us"; started again when the user picks
// another language.
#pragma once

#include <string>

#include "lang/ztv_lang/ztv_lang.h"

namespace zentrova {
struct SettingsRecord;
class SystemInfo;
}  // namespace zentrova

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

    // The program's start-up: on a first start the language of the system's locale becomes the
    // record's LanguageFile; then Start on that language.
    void StartFromSettings(SettingsRecord& record, const SystemInfo& system,
                           const std::wstring& programFolder);

    // Never null after Start (without language files every lookup answers null).
    ZtvLangManHandle Handle() const { return m_handle; }

  private:
    ZtvLangManHandle m_handle = nullptr;
};

}  // namespace zentrova
