// The key table and the shipped language files in data/Lang: every key exists in English with
// the built-in text, every other language is measured against the table (German must be
// complete), and no translation breaks a format, a list or an intro window.
#include <cwchar>
#include <cwctype>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/WideText.h"
#include "lang/LanguageKeys.h"
#include "lang/TextLookup.h"
#include "lang/ztv_lang/LanguageFile.h"
#include "lang/ztv_lang/ztv_lang.h"

namespace zentrova::test {
namespace {

using lang::AllLanguageKeys;
using lang::LanguageKey;

constexpr const wchar_t* kProduct = L"Zentrova Clarivue 2";
// Characters of one intro window line (terminator included).
constexpr size_t kIntroLineChars = 512;

std::wstring LangFolder() {
    return FromUtf8(CLARIVUE_LANG_DIR);
}

// The conversions of a text in order: "%" and the letter after it ("100%|" and "100 %" are text).
std::vector<std::wstring> Conversions(const std::wstring& text) {
    std::vector<std::wstring> found;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == L'%' && std::iswalpha(text[i + 1])) {
            found.push_back(text.substr(i, 2));
        }
    }
    return found;
}

// The items between the bars ("a||" has three); none in an empty text.
std::vector<std::wstring> SplitList(const std::wstring& text) {
    std::vector<std::wstring> items(text.empty() ? 0 : 1);
    for (const wchar_t c : text) {
        if (c == L'|') {
            items.emplace_back();
        } else {
            items.back() += c;
        }
    }
    return items;
}

// The shipped folder, read by the real language manager.
class LanguageFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_lang = ztvLangMan_create(LangFolder().c_str(), L"CVX", 0);
        ASSERT_NE(m_lang, nullptr);
        m_english = ztvLangMan_findLangWithMatchingID(m_lang, L"en-us");
        ASSERT_GE(m_english, 0) << "no CVX-en-us.ztvlang in " << CLARIVUE_LANG_DIR;
    }
    void TearDown() override { ztvLangMan_destroy(m_lang); }

    int LanguageCount() const { return ztvLangMan_getLangCount(m_lang); }
    std::wstring Tag(int index) const { return ztvLangMan_getLangID(m_lang, index); }

    // The text of key in language index alone (no fallback to the default language), or null.
    const wchar_t* TextIn(int index, const std::wstring& key) {
        ztvLangMan_setCurrentLang(m_lang, index);
        return ztvLangMan_getLocalString(m_lang, key.c_str(), 0);
    }

    ZtvLangManHandle m_lang = nullptr;
    int m_english = -1;
};

TEST(LanguageKeyTableTest, KeysAreUniqueWellFormedAndFindable) {
    const std::vector<LanguageKey>& keys = AllLanguageKeys();
    ASSERT_FALSE(keys.empty());
    std::set<std::wstring> seen;
    for (const LanguageKey& key : keys) {
        const std::wstring path = lang::LanguageKeyPath(key);
        EXPECT_TRUE(seen.insert(path).second) << "duplicate key " << ToUtf8(path);
        ASSERT_NE(key.english, nullptr) << ToUtf8(path);
        EXPECT_NE(key.english[0], L'\0') << ToUtf8(path) << " has no English text";
        EXPECT_LE(path.size(), 259u) << ToUtf8(path);
        for (const wchar_t c : std::wstring(key.section) + key.name) {
            EXPECT_TRUE(std::iswalnum(c) || c == L'_') << "odd character in " << ToUtf8(path);
        }
        EXPECT_EQ(lang::FindLanguageKey(key.section, key.name), &key) << ToUtf8(path);
        EXPECT_EQ(std::wstring(lang::BuiltInText(key.section, key.name)), key.english);
        if (key.fileEnglish != nullptr) {
            // A deliberate difference keeps the formats and list items of the built-in text.
            EXPECT_EQ(Conversions(key.fileEnglish), Conversions(key.english)) << ToUtf8(path);
            EXPECT_EQ(SplitList(key.fileEnglish).size(), SplitList(key.english).size());
        }
    }
    EXPECT_EQ(lang::FindLanguageKey(L"Messages", L"NoSuchKey"), nullptr);
    EXPECT_EQ(lang::FindLanguageKey(L"messages", L"Yes"), nullptr);  // names compare exactly
    EXPECT_EQ(lang::FindLanguageKey(nullptr, L"Yes"), nullptr);
    EXPECT_EQ(lang::FindLanguageKey(L"Messages", nullptr), nullptr);
}

TEST_F(LanguageFilesTest, EnglishHasEveryKeyWithTheBuiltInText) {
    EXPECT_STREQ(ztvLangMan_getNativeLangName(m_lang, m_english), L"English");
    EXPECT_STREQ(ztvLangMan_getEnglishLangName(m_lang, m_english), L"English");
    EXPECT_STREQ(ztvLangMan_getLangComment(m_lang, m_english), L"Zentrova");
    for (const LanguageKey& key : AllLanguageKeys()) {
        const std::wstring path = lang::LanguageKeyPath(key);
        const wchar_t* expected = key.fileEnglish != nullptr ? key.fileEnglish : key.english;
        // English is the default language (every other one's fallback) and a language itself.
        for (const wchar_t* found :
             {ztvLangMan_getDefaultString(m_lang, path.c_str()), TextIn(m_english, path)}) {
            ASSERT_NE(found, nullptr) << ToUtf8(path) << " is missing in CVX-en-us.ztvlang";
            EXPECT_EQ(std::wstring(found), expected) << ToUtf8(path);
        }
    }
}

// Every language keeps the formats and lists and fits the buffers, has every intro line, holds
// no unknown (misspelt, never looked up) key; German is complete.
TEST_F(LanguageFilesTest, EveryLanguageFitsTheProgramAndGermanIsComplete) {
    std::set<std::wstring> known;
    for (const LanguageKey& key : AllLanguageKeys()) {
        known.insert(lang::LanguageKeyPath(key));
    }
    const auto introKey = [](const std::wstring& intro, int line) {
        return std::wstring(lang::kIntroSection) + L"." + lang::IntroLineName(intro, line);
    };
    for (const std::wstring& intro : lang::IntroWindowNames()) {
        for (int line = 1; line <= lang::kIntroLineCount; ++line) {
            known.insert(introKey(intro, line));
        }
    }
    bool sawGerman = false;
    for (int index = 0; index < LanguageCount(); ++index) {
        const std::string tag = ToUtf8(Tag(index));
        size_t missing = 0;
        for (const LanguageKey& key : AllLanguageKeys()) {
            const std::wstring path = lang::LanguageKeyPath(key);
            const wchar_t* found = TextIn(index, path);
            missing += found == nullptr ? 1 : 0;
            if (found == nullptr) {
                continue;
            }
            const std::wstring text = found;
            SCOPED_TRACE(tag + " " + ToUtf8(path) + ": \"" + ToUtf8(text) + "\"");
            EXPECT_EQ(Conversions(text), Conversions(key.english));
            if (key.isList) {
                const std::vector<std::wstring> items = SplitList(text);
                EXPECT_EQ(items.size(), SplitList(key.english).size());
                EXPECT_LT(text.size(), kLanguageListChars);
                for (const std::wstring& item : items) {
                    EXPECT_FALSE(item.empty());
                    EXPECT_LT(item.size(), kLanguageListItemChars);
                }
            } else {
                const bool menu = std::wcscmp(key.section, L"Menu") == 0;
                EXPECT_LT(text.size(), menu ? kLanguageControlChars : kLanguageTextChars);
                EXPECT_FALSE(text.empty());
            }
        }
        for (const std::wstring& intro : lang::IntroWindowNames()) {
            int shown = 0;
            for (int line = 1; line <= lang::kIntroLineCount; ++line) {
                SCOPED_TRACE(tag + " " + ToUtf8(introKey(intro, line)));
                // A line the file leaves out would show "... Missing Language Translation...".
                const wchar_t* found = TextIn(index, introKey(intro, line));
                ASSERT_NE(found, nullptr);
                const std::wstring text = found;
                shown += text.empty() ? 0 : 1;
                const std::vector<std::wstring> conversions = Conversions(text);
                EXPECT_TRUE(conversions.empty() || conversions == std::vector<std::wstring>{L"%s"});
                EXPECT_LT(text.size() + std::wcslen(kProduct), kIntroLineChars);
            }
            EXPECT_GE(shown, 1) << tag << " intro " << ToUtf8(intro) << " is empty";
        }
        lang::LanguageFile file;  // the file itself, for what the manager does not enumerate
        EXPECT_TRUE(
            lang::LoadLanguageFile(LangFolder() + L"/CVX-" + Tag(index) + L".ztvlang", file));
        EXPECT_TRUE(EqualsNoCase(file.id, Tag(index)));
        for (const auto& entry : file.texts) {
            EXPECT_EQ(known.count(entry.first), 1u)
                << tag << ": unknown key " << ToUtf8(entry.first);
        }
        if (EqualsNoCase(Tag(index), L"de-de")) {
            sawGerman = true;
            EXPECT_STREQ(ztvLangMan_getNativeLangName(m_lang, index), L"Deutsch");
            EXPECT_STREQ(ztvLangMan_getEnglishLangName(m_lang, index), L"German");
            EXPECT_EQ(missing, 0u) << "German texts are missing";
        }
    }
    EXPECT_TRUE(sawGerman) << "no CVX-de-de.ztvlang in " << CLARIVUE_LANG_DIR;
}

}  // namespace
}  // namespace zentrova::test
