// The native build's answers for the settings.
//
// There is no default printer; the picture folder is "Pictures" in the home folder; the screen
// width is unknown (0). There are no locale identifiers either: the one locale (identifier 0) is
// the one the environment names (LC_ALL, LC_MESSAGES, LANG, such as "de_DE.UTF-8"), which has an
// ISO language and country name but no abbreviated names.
#include "config/SystemInfo.h"

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/WideText.h"

namespace zentrova {

namespace {

std::string EnvironmentLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return std::string();
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// "ll_CC.codeset@modifier": language "ll", country "CC" (letters only).
void SplitLocale(const std::string& locale, std::string& language, std::string& country) {
    size_t i = 0;
    while (i < locale.size() && IsAsciiLetter(locale[i])) {
        language.push_back(locale[i++]);
    }
    if (i < locale.size() && locale[i] == '_') {
        ++i;
        while (i < locale.size() && IsAsciiLetter(locale[i])) {
            country.push_back(locale[i++]);
        }
    }
}

}  // namespace

bool HostSystemInfo::GetDefaultPrinterName(std::wstring&) const {
    return false;
}

bool HostSystemInfo::GetPictureFolder(std::wstring& folder) const {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        return false;
    }
    folder = FromUtf8(home) + L"/Pictures";
    return true;
}

int32_t HostSystemInfo::GetPrimaryScreenWidth() const {
    return 0;
}

uint32_t HostSystemInfo::GetSystemDefaultLocale() const {
    return 0;
}

bool HostSystemInfo::GetLocaleText(uint32_t locale, LocaleItem item, std::wstring& text) const {
    if (locale != 0) {
        return false;
    }
    std::string language;
    std::string country;
    SplitLocale(EnvironmentLocale(), language, country);
    if (language == "C" || language == "POSIX") {
        return false;
    }
    const std::string& part = item == LocaleItem::IsoLanguageName  ? language
                              : item == LocaleItem::IsoCountryName ? country
                                                                   : std::string();
    if (part.empty()) {
        return false;
    }
    text = FromUtf8(part);
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
    std::vector<char> buffer(4096);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<size_t>(length) >= buffer.size()) {
        return false;
    }
    std::wstring path = FromUtf8(std::string(buffer.data(), static_cast<size_t>(length)));
    const size_t separator = path.find_last_of(L'/');
    if (separator == std::wstring::npos) {
        return false;
    }
    path.resize(separator == 0 ? 1 : separator);  // a program in "/" keeps "/"
    if (path.size() >= capacity) {
        return false;
    }
    return CopyText(out, capacity, path.c_str());
}

}  // namespace zentrova
