#include "lang/LanguageStartup.h"

#include "core/FileSystem.h"

namespace zentrova {

void LanguageSession::Start(const std::wstring& programFolder, const wchar_t* tag) {
    Stop();
    std::wstring folder = programFolder;
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') {
        folder += kNativeSeparator;
    }
    folder += kLanguageFolderName;
    m_handle = ztvLangMan_create(folder.c_str(), kLanguageProductCode, 0);
    int index = ztvLangMan_findLangWithMatchingID(m_handle, tag);
    if (index < 0) {
        index = ztvLangMan_findLangWithMatchingID(m_handle, kFallbackLanguageTag);
    }
    ztvLangMan_setCurrentLang(m_handle, index);
}

void LanguageSession::Stop() {
    if (m_handle != nullptr) {
        ztvLangMan_destroy(m_handle);
        m_handle = nullptr;
    }
}

}  // namespace zentrova
