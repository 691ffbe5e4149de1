#include "lang/LanguageStartup.h"

#include "config/JoinPath.h"
#include "config/LanguageTag.h"
#include "config/SettingsRecord.h"

namespace zentrova {

void LanguageSession::Start(const std::wstring& programFolder, const wchar_t* tag) {
    Stop();
    const std::wstring folder = JoinPath(programFolder, kLanguageFolderName);
    m_handle = ztvLangMan_create(folder.c_str(), kLanguageProductCode, 0);
    int index = ztvLangMan_findLangWithMatchingID(m_handle, tag);
    if (index < 0) {
        index = ztvLangMan_findLangWithMatchingID(m_handle, kFallbackLanguageTag);
    }
    ztvLangMan_setCurrentLang(m_handle, index);
}

void LanguageSession::StartFromSettings(SettingsRecord& record, const SystemInfo& system,
                                        const std::wstring& programFolder) {
    ApplyFirstStartLanguage(record, system);
    Start(programFolder, record.LanguageFile);
}

void LanguageSession::Stop() {
    if (m_handle != nullptr) {
        ztvLangMan_destroy(m_handle);
        m_handle = nullptr;
    }
}

}  // namespace zentrova
