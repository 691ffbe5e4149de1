#include "core/win/WebLinks.h"

#include <windows.h>

#include <shellapi.h>

#include "config/LanguageTag.h"
#include "config/SystemInfo.h"
#include "lang/WebLink.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kSettingsKey = L"Software\\Zentrova\\Zentrova Clarivue 2";
constexpr DWORD kEditionChars = 256;

// The "Edition" text; empty when the value is missing or not a text.
std::wstring ReadEdition() {
    wchar_t text[kEditionChars] = L"";
    DWORD bytes = sizeof(text);
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Edition", RRF_RT_REG_SZ, nullptr, text,
                     &bytes) != ERROR_SUCCESS) {
        return std::wstring();
    }
    return text;
}

}  // namespace

bool OpenWebLink(const SettingsRecord& settings, const wchar_t* target) {
    WebLinkQuery query;
    query.edition = ReadEdition();
    wchar_t tag[kLanguageTagChars] = L"";
    if (MakeLanguageTag(HostSystemInfo(), GetUserDefaultLCID(), tag, kLanguageTagChars)) {
        query.syslang = tag;
    }
    query.lang = settings.LanguageFile;
    query.target = target;
    const std::wstring link = BuildWebLink(query);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace zentrova
