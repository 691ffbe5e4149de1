// Language tags of locales and the first-start language step.
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "config/LanguageTag.h"
#include "tests/config/FakeSystemInfo.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zentrova {
namespace {

using test::FakeSystemInfo;

std::wstring Tag(const SystemInfo& system, uint32_t locale, size_t capacity = kLanguageTagChars) {
    std::wstring out(capacity, L'#');
    EXPECT_TRUE(MakeLanguageTag(system, locale, &out[0], capacity));
    return std::wstring(out.c_str());
}

constexpr uint32_t kLocale = 0x0807;

FakeSystemInfo WithTexts(std::initializer_list<std::pair<LocaleItem, std::wstring>> texts) {
    FakeSystemInfo system;
    system.localeTexts.clear();
    for (const auto& text : texts) {
        system.localeTexts[{kLocale, text.first}] = text.second;
    }
    return system;
}

TEST(MakeLanguageTag, JoinsIsoLanguageAndCountryInLowerCase) {
    EXPECT_EQ(
        Tag(WithTexts({{LocaleItem::IsoLanguageName, L"de"}, {LocaleItem::IsoCountryName, L"CH"}}),
            kLocale),
        L"de-ch");
    EXPECT_EQ(  // both ends of the letters, and the characters beside them kept
        Tag(WithTexts({{LocaleItem::IsoLanguageName, L"A@"}, {LocaleItem::IsoCountryName, L"Z["}}),
            kLocale),
        L"a@-z[");
    // Another locale of the same system has no texts.
    EXPECT_EQ(Tag(WithTexts({{LocaleItem::IsoLanguageName, L"de"}}), 0x0409), L"");
}

TEST(MakeLanguageTag, FallsBackToTheAbbreviatedNames) {
    EXPECT_EQ(Tag(WithTexts({{LocaleItem::AbbreviatedLanguageName, L"DES"},
                             {LocaleItem::IsoCountryName, L"CH"}}),
                  kLocale),
              L"de-ch");
    // An abbreviated country name is used only when it has exactly two characters.
    EXPECT_EQ(Tag(WithTexts({{LocaleItem::IsoLanguageName, L"de"},
                             {LocaleItem::AbbreviatedCountryName, L"CHE"}}),
                  kLocale),
              L"de");
    // The ISO names win over the abbreviated ones.
    EXPECT_EQ(Tag(WithTexts({{LocaleItem::IsoLanguageName, L"fr"},
                             {LocaleItem::AbbreviatedLanguageName, L"DEU"},
                             {LocaleItem::IsoCountryName, L"BE"},
                             {LocaleItem::AbbreviatedCountryName, L"CH"}}),
                  kLocale),
              L"fr-be");
}

TEST(MakeLanguageTag, MissingPartsLeaveNoDash) {
    EXPECT_EQ(Tag(WithTexts({}), kLocale), L"");
    EXPECT_EQ(Tag(WithTexts({{LocaleItem::IsoLanguageName, L"eo"}}), kLocale), L"eo");
    EXPECT_EQ(Tag(WithTexts({{LocaleItem::IsoCountryName, L"US"}}), kLocale), L"-us");
}

TEST(MakeLanguageTag, StaysWithinThirtyTwoCharacters) {
    const std::wstring language(40, L'L');
    EXPECT_EQ(Tag(WithTexts({{LocaleItem::IsoLanguageName, language},
                             {LocaleItem::IsoCountryName, L"DE"}}),
                  kLocale),
              std::wstring(31, L'l'));
    // No room for a country after the dash: no dash either.
    EXPECT_EQ(Tag(WithTexts({{LocaleItem::IsoLanguageName, std::wstring(30, L'x')},
                             {LocaleItem::IsoCountryName, L"DE"}}),
                  kLocale),
              std::wstring(30, L'x'));
    // A smaller buffer is respected.
    EXPECT_EQ(
        Tag(WithTexts({{LocaleItem::IsoLanguageName, L"de"}, {LocaleItem::IsoCountryName, L"DE"}}),
            kLocale, 4),
        L"de");
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

#ifdef _WIN32

std::wstring LowerLocaleName(LCID locale) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (LCIDToLocaleName(locale, name, LOCALE_NAME_MAX_LENGTH, 0) == 0) {
        return L"?";
    }
    std::wstring lower = name;
    for (wchar_t& c : lower) {
        c = static_cast<wchar_t>(towlower(c));
    }
    return lower;
}

TEST(FirstStartLanguage, TakesTheTagOfTheSystemsDefaultLocale) {
    HostSystemInfo system;
    SettingsRecord record;
    ASSERT_TRUE(ApplyFirstStartLanguage(record, system));
    EXPECT_EQ(std::wstring(record.LanguageFile), LowerLocaleName(GetSystemDefaultLCID()));
    EXPECT_EQ(record.LanguageDetected, 1u);
}

#else

// Sets one environment variable for a test's lifetime.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name) {
        const char* old = std::getenv(name);
        m_had = old != nullptr;
        if (m_had) {
            m_old = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (m_had) {
            setenv(m_name, m_old.c_str(), 1);
        } else {
            unsetenv(m_name);
        }
    }

  private:
    const char* m_name;
    bool m_had = false;
    std::string m_old;
};

TEST(FirstStartLanguage, TakesTheTagOfTheEnvironmentsLocale) {
    HostSystemInfo system;
    ScopedEnvironment messages("LC_MESSAGES", nullptr);
    ScopedEnvironment lang("LANG", "en_US.UTF-8");
    {
        ScopedEnvironment all("LC_ALL", "de_AT.UTF-8@euro");
        SettingsRecord record;
        ASSERT_TRUE(ApplyFirstStartLanguage(record, system));
        EXPECT_STREQ(record.LanguageFile, L"de-at");
    }
    {
        ScopedEnvironment all("LC_ALL", nullptr);
        EXPECT_EQ(Tag(system, system.GetSystemDefaultLocale()), L"en-us");
    }
    {
        ScopedEnvironment all("LC_ALL", "C");
        EXPECT_EQ(Tag(system, system.GetSystemDefaultLocale()), L"");
    }
}

#endif

}  // namespace
}  // namespace zentrova
