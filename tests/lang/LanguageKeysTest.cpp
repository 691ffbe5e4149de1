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

// The printf conversions of a text, in order ("%s", "%d", "%ls", ...). "%%" is a literal and a
// "%" that starts no conversion (as in "100%") is plain text.
std::vector<std::wstring> Conversions(const std::wstring& text) {
    std::vector<std::wstring> found;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'%') {
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == L'%') {
            ++i;
            continue;
        }
        size_t j = i + 1;
        while (j < text.size() && std::wcschr(L"-+ #0", text[j]) != nullptr) {
            ++j;
        }
        while (j < text.size() && (std::iswdigit(text[j]) || text[j] == L'*' || text[j] == L'.')) {
            ++j;
        }
        while (j < text.size() && std::wcschr(L"hlLqjzt", text[j]) != nullptr) {
            ++j;
        }
        if (j < text.size() && std::wcschr(L"diouxXeEfFgGaAcCsSpn", text[j]) != nullptr) {
            found.push_back(text.substr(i, j - i + 1));
            i = j;
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

    // The language file itself, for what the manager does not enumerate.
    lang::LanguageFile FileOf(int index) const {
        lang::LanguageFile file;
        const std::wstring path = LangFolder() + L"/CVX-" + Tag(index) + L".ztvlang";
        EXPECT_TRUE(lang::LoadLanguageFile(path, file)) << ToUtf8(path);
        return file;
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
        ASSERT_NE(key.section, nullptr);
        ASSERT_NE(key.name, nullptr);
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
        // English is the default language: the fallback of every other language.
        const wchar_t* fallback = ztvLangMan_getDefaultString(m_lang, path.c_str());
        ASSERT_NE(fallback, nullptr) << ToUtf8(path) << " is missing in CVX-en-us.ztvlang";
        const wchar_t* expected = key.fileEnglish != nullptr ? key.fileEnglish : key.english;
        EXPECT_EQ(std::wstring(fallback), expected) << ToUtf8(path);
        const wchar_t* local = TextIn(m_english, path);
        ASSERT_NE(local, nullptr) << ToUtf8(path);
        EXPECT_EQ(std::wstring(local), expected) << ToUtf8(path);
    }
}

TEST_F(LanguageFilesTest, CoverageOfEveryLanguageAndGermanIsComplete) {
    bool sawGerman = false;
    for (int index = 0; index < LanguageCount(); ++index) {
        std::vector<std::wstring> missing;
        for (const LanguageKey& key : AllLanguageKeys()) {
            if (TextIn(index, lang::LanguageKeyPath(key)) == nullptr) {
                missing.push_back(lang::LanguageKeyPath(key));
            }
        }
        if (EqualsNoCase(Tag(index), L"de-de")) {
            sawGerman = true;
            EXPECT_STREQ(ztvLangMan_getNativeLangName(m_lang, index), L"Deutsch");
            EXPECT_STREQ(ztvLangMan_getEnglishLangName(m_lang, index), L"German");
            EXPECT_TRUE(missing.empty()) << missing.size() << " German texts are missing";
        }
    }
    EXPECT_TRUE(sawGerman) << "no CVX-de-de.ztvlang in " << CLARIVUE_LANG_DIR;
}

TEST_F(LanguageFilesTest, TranslationsKeepFormatsListsAndFitTheBuffers) {
    for (int index = 0; index < LanguageCount(); ++index) {
        const std::string tag = ToUtf8(Tag(index));
        for (const LanguageKey& key : AllLanguageKeys()) {
            const std::wstring path = lang::LanguageKeyPath(key);
            const wchar_t* found = TextIn(index, path);
            if (found == nullptr) {
                continue;  // reported by the coverage test
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
    }
}

TEST_F(LanguageFilesTest, IntroWindowsHaveTheirLinesInEveryLanguage) {
    for (int index = 0; index < LanguageCount(); ++index) {
        const std::string tag = ToUtf8(Tag(index));
        for (const std::wstring& intro : lang::IntroWindowNames()) {
            int shown = 0;
            for (int line = 1; line <= lang::kIntroLineCount; ++line) {
                const std::wstring key =
                    std::wstring(lang::kIntroSection) + L"." + lang::IntroLineName(intro, line);
                const wchar_t* found = TextIn(index, key);
                SCOPED_TRACE(tag + " " + ToUtf8(key));
                // A line the file leaves out would show "... Missing Language Translation...".
                ASSERT_NE(found, nullptr);
                const std::wstring text = found;
                shown += text.empty() ? 0 : 1;
                const std::vector<std::wstring> conversions = Conversions(text);
                EXPECT_TRUE(conversions.empty() || conversions == std::vector<std::wstring>{L"%s"});
                EXPECT_LT(text.size() + std::wcslen(kProduct), kIntroLineChars);
            }
            EXPECT_GE(shown, 1) << tag << " intro " << ToUtf8(intro) << " is empty";
        }
    }
}

TEST_F(LanguageFilesTest, FilesHoldNoUnknownKeys) {
    // A misspelt section or name would never be looked up; the file's texts are all known keys
    // or lines 01-19 of a known intro window.
    std::set<std::wstring> known;
    for (const LanguageKey& key : AllLanguageKeys()) {
        known.insert(lang::LanguageKeyPath(key));
    }
    for (const std::wstring& intro : lang::IntroWindowNames()) {
        for (int line = 1; line <= lang::kIntroLineCount; ++line) {
            known.insert(std::wstring(lang::kIntroSection) + L"." +
                         lang::IntroLineName(intro, line));
        }
    }
    for (int index = 0; index < LanguageCount(); ++index) {
        const lang::LanguageFile file = FileOf(index);
        EXPECT_TRUE(EqualsNoCase(file.id, Tag(index)));
        for (const auto& entry : file.texts) {
            EXPECT_EQ(known.count(entry.first), 1u)
                << ToUtf8(Tag(index)) << ": unknown key " << ToUtf8(entry.first);
        }
    }
}

}  // namespace
}  // namespace zentrova::test
