// The running Windows system's answers for the settings.
#include "config/SystemInfo.h"

#include <windows.h>
#include <shlobj.h>
#include <winspool.h>

#include <vector>

#include "core/WideText.h"

namespace zentrova {

namespace {

LCTYPE LocaleType(LocaleItem item) {
    switch (item) {
        case LocaleItem::IsoLanguageName:
            return LOCALE_SISO639LANGNAME;
        case LocaleItem::AbbreviatedLanguageName:
            return LOCALE_SABBREVLANGNAME;
        case LocaleItem::IsoCountryName:
            return LOCALE_SISO3166CTRYNAME;
        case LocaleItem::AbbreviatedCountryName:
            return LOCALE_SABBREVCTRYNAME;
    }
    return LOCALE_SISO639LANGNAME;
}

// The running module's full path; empty when it cannot be had in full.
std::wstring ModulePath() {
    // Long paths ("\\?\" prefixed) may reach 32767 characters.
    for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
        std::vector<wchar_t> buffer(size);
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0) {
            return std::wstring();
        }
        if (length < size) {
            return std::wstring(buffer.data(), length);
        }
        // length == size: cut; try a larger buffer.
    }
    return std::wstring();
}

}  // namespace

bool HostSystemInfo::GetDefaultPrinterName(std::wstring& name) const {
    wchar_t buffer[kMaxPathChars] = {};
    DWORD size = kMaxPathChars;
    if (!GetDefaultPrinterW(buffer, &size)) {
        return false;
    }
    buffer[kMaxPathChars - 1] = L'\0';
    name = buffer;
    return true;
}

bool HostSystemInfo::GetPictureFolder(std::wstring& folder) const {
    wchar_t buffer[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_MYPICTURES, nullptr, SHGFP_TYPE_CURRENT, buffer) != S_OK) {
        return false;
    }
    folder = buffer;
    return true;
}

int32_t HostSystemInfo::GetPrimaryScreenWidth() const {
    return GetSystemMetrics(SM_CXSCREEN);
}

uint32_t HostSystemInfo::GetSystemDefaultLocale() const {
    return GetSystemDefaultLCID();
}

bool HostSystemInfo::GetLocaleText(uint32_t locale, LocaleItem item, std::wstring& text) const {
    const int length = GetLocaleInfoW(locale, LocaleType(item), nullptr, 0);
    if (length <= 0 || length > 256) {
        return false;
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(length));
    if (GetLocaleInfoW(locale, LocaleType(item), buffer.data(), length) <= 0) {
        return false;
    }
    buffer.back() = L'\0';
    text = buffer.data();
    return true;
}

bool HostSystemInfo::GetProgramFolder(std::wstring& folder) const {
    wchar_t buffer[kMaxPathChars];
    if (!zentrova::GetProgramFolder(buffer, kMaxPathChars)) {
        return false;
    }
    folder = buffer;
    return true;
}

bool GetProgramFolder(wchar_t* out, size_t capacity) {
    if (out == nullptr || capacity == 0) {
        return false;
    }
    std::wstring path = ModulePath();
    const size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos) {
        return false;
    }
    path.resize(separator);
    if (path.size() >= capacity) {
        return false;
    }
    return CopyText(out, capacity, path.c_str());
}

}  // namespace zentrova
