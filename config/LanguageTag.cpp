// Language tags of locales and the first-start language.
#include "config/LanguageTag.h"

#include <string>

#include "core/WideText.h"

namespace zentrova {

namespace {

wchar_t LowerAscii(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
}

std::wstring LanguagePart(const SystemInfo& system, uint32_t locale) {
    std::wstring text;
    if (system.GetLocaleText(locale, LocaleItem::IsoLanguageName, text)) {
        return text;
    }
    text.clear();
    if (system.GetLocaleText(locale, LocaleItem::AbbreviatedLanguageName, text)) {
        return text.substr(0, 2);
    }
    return std::wstring();
}

std::wstring CountryPart(const SystemInfo& system, uint32_t locale) {
    std::wstring text;
    if (system.GetLocaleText(locale, LocaleItem::IsoCountryName, text)) {
        return text;
    }
    text.clear();
    if (system.GetLocaleText(locale, LocaleItem::AbbreviatedCountryName, text) &&
        text.size() == 2) {
        return text;
    }
    return std::wstring();
}

}  // namespace

bool MakeLanguageTag(const SystemInfo& system, uint32_t locale, wchar_t* out, size_t capacity) {
    if (out == nullptr || capacity == 0) {
        return false;
    }
    const size_t maxChars = (capacity < kLanguageTagChars ? capacity : kLanguageTagChars) - 1;
    std::wstring tag = LanguagePart(system, locale).substr(0, maxChars);
    if (tag.size() < maxChars) {
        const std::wstring country =
            CountryPart(system, locale).substr(0, maxChars - tag.size() - 1);
        if (!country.empty()) {
            tag += L'-';
            tag += country;
        }
    }
    for (wchar_t& c : tag) {
        c = LowerAscii(c);
    }
    CopyText(out, capacity, tag.c_str());  // tag is never longer than maxChars
    return true;
}

bool ApplyFirstStartLanguage(SettingsRecord& record, const SystemInfo& system) {
    if (record.LanguageDetected != 0) {
        return false;
    }
    MakeLanguageTag(system, system.GetSystemDefaultLocale(), record.LanguageFile,
                    sizeof(record.LanguageFile) / sizeof(record.LanguageFile[0]));
    record.LanguageDetected = 1;
    return true;
}

}  // namespace zentrova
