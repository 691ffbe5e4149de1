// Language tags of locales and the first-start language step.
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "config/LanguageTag.h"
#include "tests/config/FakeSystemInfo.h"

namespace zentrova {
namespace {

using test::FakeSystemInfo;

std::wstring Tag(const SystemInfo& system, uint32_t locale, size_t capacity = kLanguageTagChars) {
    std::wstring out(capacity, L'#');
    EXPECT_TRUE(MakeLanguageTag(system, locale, &out[0], capacity));
    return std::wstring(out.c_str());
}

constexpr uint32_t kLocale = 0x0807;

// The locale's ISO language, abbreviated language, ISO country and abbreviated country names
// (an empty one: missing).
FakeSystemInfo WithTexts(const std::wstring& isoLanguage, const std::wstring& language,
                         const std::wstring& isoCountry, const std::wstring& country) {
    FakeSystemInfo system;
    system.localeTexts.clear();
    const std::pair<LocaleItem, const std::wstring&> texts[] = {
        {LocaleItem::IsoLanguageName, isoLanguage},
        {LocaleItem::AbbreviatedLanguageName, language},
        {LocaleItem::IsoCountryName, isoCountry},
        {LocaleItem::AbbreviatedCountryName, country}};
    for (const auto& [item, text] : texts) {
        if (!text.empty()) {
            system.localeTexts[{kLocale, item}] = text;
        }
    }
    return system;
}

TEST(MakeLanguageTag, JoinsIsoLanguageAndCountryInLowerCase) {
    const std::wstring x30(30, L'x');
    const struct {
        const wchar_t *isoLanguage, *language, *isoCountry, *country;
        std::wstring tag;
    } cases[] = {
        {L"de", L"", L"CH", L"", L"de-ch"},
        {L"A@", L"", L"Z[", L"", L"a@-z["},   // both ends of the letters, those beside them kept
        {L"", L"DES", L"CH", L"", L"de-ch"},  // the abbreviated names as fallbacks
        {L"de", L"", L"", L"CHE", L"de"},     // an abbreviated country only of two characters
        {L"fr", L"DEU", L"BE", L"CH", L"fr-be"},  // the ISO names win
        {L"", L"", L"", L"", L""},                // missing parts leave no dash
        {L"", L"", L"US", L"", L"-us"},
        {L"LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL", L"", L"DE", L"", std::wstring(31, L'l')},
        {x30.c_str(), L"", L"DE", L"", x30},  // no room for a country: no dash either
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Tag(WithTexts(c.isoLanguage, c.language, c.isoCountry, c.country), kLocale),
                  c.tag)
            << &c - cases;
    }
    // Another locale of the same system has no texts; a smaller buffer is respected.
    EXPECT_EQ(Tag(WithTexts(L"de", L"", L"", L""), 0x0409), L"");
    EXPECT_EQ(Tag(WithTexts(L"de", L"", L"DE", L""), kLocale, 4), L"de");
    FakeSystemInfo system;
    EXPECT_FALSE(MakeLanguageTag(system, 0x0407, nullptr, 32));
}

TEST(FirstStartLanguage, TakesTheSystemLocaleOnce) {
    FakeSystemInfo system;  // German (Germany)
    SettingsRecord record;
    std::wcscpy(record.LanguageFile, L"en-us");
    EXPECT_TRUE(ApplyFirstStartLanguage(record, system));
    EXPECT_STREQ(record.LanguageFile, L"de-de");
    EXPECT_EQ(record.LanguageDetected, 1u);
    system.localeTexts[{0x0407, LocaleItem::IsoLanguageName}] = L"fr";
    EXPECT_FALSE(ApplyFirstStartLanguage(record, system));
    EXPECT_STREQ(record.LanguageFile, L"de-de");
    // Any value other than 0 counts as detected.
    record.LanguageDetected = 2;
    EXPECT_FALSE(ApplyFirstStartLanguage(record, system));
    EXPECT_EQ(record.LanguageDetected, 2u);
}

#ifndef _WIN32
// (The Windows build's system locale is checked by SettingsStoreTest.)
TEST(FirstStartLanguage, TakesTheTagOfTheEnvironmentsLocale) {
    // The test program's own environment; no other test reads it.
    unsetenv("LC_MESSAGES");
    setenv("LANG", "en_US.UTF-8", 1);
    // LC_ALL first, without its encoding and modifier; then LANG; "C" names no language.
    HostSystemInfo system;
    for (const auto& [all, tag] :
         {std::pair<const char*, const wchar_t*>{"de_AT.UTF-8@euro", L"de-at"},
          {nullptr, L"en-us"},
          {"C", L""}}) {
        all != nullptr ? setenv("LC_ALL", all, 1) : unsetenv("LC_ALL");
        EXPECT_EQ(Tag(system, system.GetSystemDefaultLocale()), tag) << (all ? all : "unset");
    }
    unsetenv("LC_ALL");
}
#endif

}  // namespace
}  // namespace zentrova
