// The shipped skins' names as the skin list shows them, and back.
#include <gtest/gtest.h>

#include "core/FileSystem.h"
#include "core/WideText.h"
#include "tests/support/TempFolder.h"
#include "ui/skin/SkinName.h"

#include <string>
#include <vector>

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
    test::TempFolder m_folder;
    ZtvLangManHandle m_lang = nullptr;
};

// Shown in German: the translated names; stored: the skin's own. Other names, names of another
// case ("small" is a skin of its own) and English names in German stay as they are; English has
// no text for "Tiny": the name itself.
TEST_F(SkinNames, TranslatedBothWaysInTheCurrentLanguage) {
    const auto shown = SkinNameDirection::ToShown, stored = SkinNameDirection::ToInternal;
    using Names = std::vector<std::wstring>;
    const struct {
        const wchar_t* language;
        SkinNameDirection direction;
        Names names, expected;
    } cases[] = {{L"de-de",
                  shown,
                  {L"Default", L"Small", L"Tiny", L"Blue", L"small", L""},
                  {L"Standard", L"Klein", L"Winzig", L"Blue", L"small", L""}},
                 {L"de-de",
                  stored,
                  {L"Standard", L"Klein", L"Winzig", L"Blue", L"klein", L"Small"},
                  {L"Default", L"Small", L"Tiny", L"Blue", L"klein", L"Small"}},
                 {L"en-us", shown, {L"Small", L"Tiny"}, {L"Small", L"Tiny"}},
                 {L"en-us", stored, {L"Tiny", L"Klein"}, {L"Tiny", L"Klein"}}};
    for (const auto& c : cases) {
        ztvLangMan_setCurrentLang(m_lang, ztvLangMan_findLangWithMatchingID(m_lang, c.language));
        Names got;
        for (const std::wstring& name : c.names) {
            got.push_back(TranslateSkinName(m_lang, name.c_str(), c.direction));
        }
        EXPECT_EQ(got, c.expected) << ToUtf8(c.language);
    }
    EXPECT_EQ(TranslateSkinName(m_lang, nullptr, shown), L"");
    // No language manager at all: the built-in texts, the names themselves.
    EXPECT_EQ(TranslateSkinName(nullptr, L"Default", shown), L"Default");
    EXPECT_EQ(TranslateSkinName(nullptr, L"Default", stored), L"Default");
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
