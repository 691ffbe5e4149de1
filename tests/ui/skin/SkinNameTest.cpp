// The shipped skins' names as the skin list shows them, and back.
#include <gtest/gtest.h>

#include "core/FileSystem.h"
#include "core/WideText.h"
#include "tests/support/TempFolder.h"
#include "ui/skin/SkinName.h"

namespace zentrova {
namespace {

// English (default) and German texts; English has no text for "Tiny".
class SkinNames : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::wstring sep(1, kNativeSeparator);
        ASSERT_TRUE(test::WriteWholeFile(m_folder.Path() + sep + L"CVX-en-us.ztvlang",
                                         "[Language]\nID=en-us\nNativeName=English\n"
                                         "[Dlg_Skin]\nDefault=Default\nSmall=Small\n"));
        ASSERT_TRUE(test::WriteWholeFile(m_folder.Path() + sep + L"CVX-de-de.ztvlang",
                                         "[Language]\nID=de-de\nNativeName=Deutsch\n"
                                         "[Dlg_Skin]\nDefault=Standard\nSmall=Klein\n"
                                         "Tiny=Winzig\n"));
        m_lang = ztvLangMan_create(m_folder.Path().c_str(), L"CVX", 0);
        ASSERT_NE(m_lang, nullptr);
    }
    void TearDown() override { ztvLangMan_destroy(m_lang); }
    void UseLanguage(const wchar_t* tag) {
        const int index = ztvLangMan_findLangWithMatchingID(m_lang, tag);
        ASSERT_GE(index, 0);
        ztvLangMan_setCurrentLang(m_lang, index);
    }
    std::wstring Shown(const wchar_t* name) {
        return TranslateSkinName(m_lang, name, SkinNameDirection::ToShown);
    }
    std::wstring Internal(const wchar_t* name) {
        return TranslateSkinName(m_lang, name, SkinNameDirection::ToInternal);
    }

    test::TempFolder m_folder;
    ZtvLangManHandle m_lang = nullptr;
};

TEST_F(SkinNames, GermanShowsTranslatedNamesAndStoresTheSkinsOwn) {
    UseLanguage(L"de-de");
    EXPECT_EQ(Shown(L"Default"), L"Standard");
    EXPECT_EQ(Shown(L"Small"), L"Klein");
    EXPECT_EQ(Shown(L"Tiny"), L"Winzig");
    EXPECT_EQ(Internal(L"Standard"), L"Default");
    EXPECT_EQ(Internal(L"Klein"), L"Small");
    EXPECT_EQ(Internal(L"Winzig"), L"Tiny");
}

TEST_F(SkinNames, OtherSkinsKeepTheirNames) {
    UseLanguage(L"de-de");
    EXPECT_EQ(Shown(L"Blue"), L"Blue");
    EXPECT_EQ(Internal(L"Blue"), L"Blue");
    // Names compare with case: "small" is a skin of its own.
    EXPECT_EQ(Shown(L"small"), L"small");
    EXPECT_EQ(Internal(L"klein"), L"klein");
    // An English name shown in German is no shown name any more.
    EXPECT_EQ(Internal(L"Small"), L"Small");
    EXPECT_EQ(Shown(L""), L"");
    EXPECT_EQ(Shown(nullptr), L"");
}

TEST_F(SkinNames, DefaultLanguageAndBuiltInTexts) {
    UseLanguage(L"en-us");
    EXPECT_EQ(Shown(L"Small"), L"Small");
    EXPECT_EQ(Shown(L"Tiny"), L"Tiny");  // no text anywhere but German: the name itself
    EXPECT_EQ(Internal(L"Tiny"), L"Tiny");
    EXPECT_EQ(Internal(L"Klein"), L"Klein");
    // No language manager at all: the built-in texts, the names themselves.
    EXPECT_EQ(TranslateSkinName(nullptr, L"Default", SkinNameDirection::ToShown), L"Default");
    EXPECT_EQ(TranslateSkinName(nullptr, L"Default", SkinNameDirection::ToInternal), L"Default");
}

TEST(SkinFiles, NameOfEveryIniFile) {
    struct Case {
        const wchar_t* file;
        const wchar_t* skin;
    };
    const Case cases[] = {
        {L"Default.ini", L"Default"},
        {L"My.Skin.ini", L"My.Skin"},
        {L"Blue.INI", L"Blue"},
        {L"Blue.Ini", L"Blue"},
        {L".ini", L""},
        {L"Blue.inix", L""},
        {L"Blue.in", L""},
        {L"BlueButton.png", L""},
        {L"ini", L""},
        {L"", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SkinNameFromFile(c.file), c.skin) << ToUtf8(c.file);
    }
}

TEST(SkinFiles, ListedFromTheFolder) {
    test::TempFolder folder;
    ASSERT_TRUE(test::WriteWholeFile(folder.File(L"My.Skin.ini"), "[Skin]\n"));
    ASSERT_TRUE(test::WriteWholeFile(folder.File(L"My.SkinButton.png"), "x"));
    ASSERT_TRUE(test::WriteWholeFile(folder.File(L"notes.txt"), "x"));
    const std::vector<std::wstring> names = ListSkinNames(folder.Path());
    EXPECT_EQ(names, std::vector<std::wstring>{L"My.Skin"});
    EXPECT_TRUE(ListSkinNames(folder.File(L"missing")).empty());
}

}  // namespace
}  // namespace zentrova
