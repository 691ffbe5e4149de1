// The language manager: the file format, loading a folder of languages, lookups and local files.
#include <string>

#include <gtest/gtest.h>

#include "core/FileSystem.h"
#include "lang/ztv_lang/LanguageFile.h"
#include "lang/ztv_lang/ztv_lang.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {
namespace {

using lang::LanguageFile;
using lang::ParseLanguageFile;

std::wstring Text(const LanguageFile& file, const std::wstring& key) {
    const auto found = file.texts.find(key);
    return found == file.texts.end() ? L"<none>" : found->second;
}

TEST(LanguageFileTest, ReadsHeaderSectionsAndTexts) {
    LanguageFile file;
    ASSERT_TRUE(
        ParseLanguageFile("\xEF\xBB\xBF[Language]\r\n"
                          "# a translator's = comment\r\n"
                          "ID = de-de\r\n"
                          "NativeName = Deutsch\r\n"
                          "EnglishName=German\r\n"
                          "Comment = \xC3\x9C"
                          "bersetzt\r\n"
                          "\r\n"
                          "[Dlg_General]\r\n"
                          "Title = Allgemein\r\n"
                          "  CaptureBarAlignmentCBX =Links|Oben||Unten  \r\n"
                          "; another = comment\n"
                          "[Messages]\n"
                          "Two = first\\nsecond\\tand a \\\\ backslash\n"
                          "Spaced = \"  kept  \"\n"
                          "Equals = a = b\n"
                          "Odd = C:\\path\\x\n",
                          file));
    EXPECT_EQ(file.id, L"de-de");
    EXPECT_EQ(file.nativeName, L"Deutsch");
    EXPECT_EQ(file.englishName, L"German");
    EXPECT_EQ(file.comment, L"\u00DCbersetzt");
    EXPECT_EQ(Text(file, L"Dlg_General.Title"), L"Allgemein");
    EXPECT_EQ(Text(file, L"Dlg_General.CaptureBarAlignmentCBX"), L"Links|Oben||Unten");
    EXPECT_EQ(Text(file, L"Messages.Two"), L"first\nsecond\tand a \\ backslash");
    EXPECT_EQ(Text(file, L"Messages.Spaced"), L"  kept  ");
    EXPECT_EQ(Text(file, L"Messages.Equals"), L"a = b");
    EXPECT_EQ(Text(file, L"Messages.Odd"), L"C:\\path\\x");  // not escapes: kept as written
    EXPECT_EQ(Text(file, L"Language.ID"), L"<none>");        // the header is no text
    EXPECT_EQ(file.texts.size(), 6u);
}

TEST(LanguageFileTest, DamagedAndCutFilesLoadWhatTheyCan) {
    LanguageFile file;
    // Lines before any section, lines without "=", an unclosed section header, a name-less
    // text, and a file cut in the middle of a two-byte character.
    ASSERT_TRUE(
        ParseLanguageFile("Stray = before any section\n"
                          "[Language]\nID=en-us\n"
                          "[Menu\n"
                          "no equals sign here\n"
                          " = nameless\n"
                          "[Menu]\nTray_Exit = Exit\n"
                          "Cut = Gr\xC3",
                          file));
    EXPECT_EQ(Text(file, L"Menu.Tray_Exit"), L"Exit");
    EXPECT_EQ(Text(file, L"Menu.Cut"), L"Gr\uFFFD");
    EXPECT_EQ(file.texts.size(), 2u);
    // Without an identifier a file names no language.
    EXPECT_FALSE(ParseLanguageFile("[Messages]\nA = b\n", file));
    EXPECT_FALSE(ParseLanguageFile("", file));
    EXPECT_FALSE(ParseLanguageFile(std::string("\0\0\0[Language]\0ID", 14), file));
}

// A folder with two languages of the product, and files that must be left out.
class LanguageManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Write(L"CVX-en-us.ztvlang",
              "[Language]\nID=en-us\nNativeName=English\nEnglishName=English\nComment=Zentrova\n"
              "[Menu]\nTray_Exit=Exit\nTray_Help=Help\n[Messages]\nOnlyEnglish=Only here\n");
        Write(L"CVX-de-de.ztvlang",
              "[Language]\nID=De-DE\nNativeName=Deutsch\nEnglishName=German\nComment=Team\n"
              "[Menu]\nTray_Exit=Beenden\nTray_Help=Hilfe\n");
        Write(L"XYZ-fr-fr.ztvlang", "[Language]\nID=fr-fr\n[Menu]\nTray_Exit=Quitter\n");
        Write(L"CVX-broken.ztvlang", "[Menu]\nTray_Exit=no identifier\n");
        Write(L"CVX-en-us.txt", "[Language]\nID=xx-xx\n");
        Write(L"CVX-en-gb.ztvlang", "[Language]\nID=en-us\n[Menu]\nTray_Exit=Second copy\n");
        handle = ztvLangMan_create(folder.Path().c_str(), L"CVX", 0);
    }
    void TearDown() override { ztvLangMan_destroy(handle); }
    void Write(const std::wstring& name, const std::string& text) {
        ASSERT_TRUE(WriteWholeFile(folder.File(name), text));
    }

    TempFolder folder;
    ZtvLangManHandle handle = nullptr;
};

TEST_F(LanguageManagerTest, ListsTheProductsLanguagesSortedByTag) {
    ASSERT_EQ(ztvLangMan_getLangCount(handle), 2);
    EXPECT_EQ(std::wstring(ztvLangMan_getLangID(handle, 0)), L"De-DE");
    EXPECT_EQ(std::wstring(ztvLangMan_getLangComment(handle, 0)), L"Team");
    EXPECT_EQ(std::wstring(ztvLangMan_getLangID(handle, 1)), L"en-us");
    EXPECT_EQ(ztvLangMan_getLangID(handle, 2), nullptr);
    EXPECT_EQ(ztvLangMan_getNativeLangName(handle, -1), nullptr);
    EXPECT_EQ(ztvLangMan_findLangWithMatchingID(handle, L"EN-US"), 1);
    EXPECT_EQ(ztvLangMan_findLangWithMatchingID(handle, L"fr-fr"), -1);
    EXPECT_EQ(ztvLangMan_findLangWithMatchingID(handle, nullptr), -1);
}

TEST_F(LanguageManagerTest, LocalTextsComeFromTheCurrentLanguageOnly) {
    EXPECT_EQ(ztvLangMan_getLocalString(handle, L"Menu.Tray_Exit", 0), nullptr);  // none current
    ztvLangMan_setCurrentLang(handle, ztvLangMan_findLangWithMatchingID(handle, L"de-de"));
    EXPECT_EQ(ztvLangMan_getCurrentLang(handle), 0);
    EXPECT_EQ(std::wstring(ztvLangMan_getLocalString(handle, L"Menu.Tray_Exit", 0)), L"Beenden");
    EXPECT_EQ(ztvLangMan_getLocalString(handle, L"Messages.OnlyEnglish", 0), nullptr);
    EXPECT_EQ(ztvLangMan_getLocalString(handle, L"menu.tray_exit", 0), nullptr);  // keys exact
    // The default language answers even while another one is current.
    EXPECT_EQ(std::wstring(ztvLangMan_getDefaultString(handle, L"Messages.OnlyEnglish")),
              L"Only here");
    ztvLangMan_setCurrentLang(handle, 7);
    EXPECT_EQ(ztvLangMan_getCurrentLang(handle), -1);
    EXPECT_EQ(ztvLangMan_getLocalString(handle, L"Menu.Tray_Exit", 0), nullptr);
}

TEST_F(LanguageManagerTest, ReturnedTextsStayValidUntilDestroyed) {
    ztvLangMan_setCurrentLang(handle, 1);
    const wchar_t* first = ztvLangMan_getLocalString(handle, L"Menu.Tray_Help", 0);
    for (int i = 0; i < 1000; ++i) {
        ztvLangMan_getLocalString(handle, L"Menu.Tray_Exit", 0);
        ztvLangMan_getDefaultString(handle, L"Messages.OnlyEnglish");
        ztvLangMan_findLocalFile(handle, folder.Path().c_str(), L"CVX-", L".ztvlang", L"en-us");
    }
    EXPECT_EQ(ztvLangMan_getLocalString(handle, L"Menu.Tray_Help", 0), first);
    EXPECT_EQ(std::wstring(first), L"Help");
}

TEST_F(LanguageManagerTest, FindsLocalFilesForTheCurrentLanguageOrTheFallback) {
    Write(L"CVX-De-DE.chm", "help");
    Write(L"CVX-en-us.chm", "help");
    ztvLangMan_setCurrentLang(handle, 0);  // De-DE
    const auto find = [&](const wchar_t* prefix, const wchar_t* extension) {
        const wchar_t* found =
            ztvLangMan_findLocalFile(handle, folder.Path().c_str(), prefix, extension, L"en-us");
        return found != nullptr ? found : L"<none>";
    };
    const wchar_t* help = find(L"CVX-", L".chm");
    EXPECT_EQ(std::wstring(help), folder.File(L"CVX-De-DE.chm"));
    // Names match without regard to case: the file the tag "De-DE" names is "CVX-de-de".
    EXPECT_EQ(std::wstring(find(L"cvx-", L".ZTVLANG")), folder.File(L"CVX-de-de.ztvlang"));
    EXPECT_EQ(std::wstring(find(L"ztv_inet-", L".ztvlang")), L"<none>");
    ASSERT_TRUE(DeleteFileAt(folder.File(L"CVX-De-DE.chm").c_str()));
    EXPECT_EQ(std::wstring(find(L"CVX-", L".chm")), folder.File(L"CVX-en-us.chm"));
    EXPECT_EQ(std::wstring(help), folder.File(L"CVX-De-DE.chm"));  // earlier answers stay valid
}

TEST(LanguageManagerEmptyTest, MissingFolderGivesNoLanguagesAndNoTexts) {
    TempFolder folder;
    ZtvLangManHandle handle = ztvLangMan_create(folder.File(L"absent").c_str(), L"CVX", 0);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(ztvLangMan_getLangCount(handle), 0);
    EXPECT_EQ(ztvLangMan_findLangWithMatchingID(handle, L"en-us"), -1);
    EXPECT_EQ(ztvLangMan_getDefaultString(handle, L"Menu.Tray_Exit"), nullptr);
    EXPECT_EQ(ztvLangMan_findLocalFile(handle, folder.Path().c_str(), L"CVX-", L".chm", L"en-us"),
              nullptr);
    ztvLangMan_destroy(handle);
    // A null handle is harmless everywhere.
    EXPECT_EQ(ztvLangMan_getLangCount(nullptr), 0);
    EXPECT_EQ(ztvLangMan_getLocalString(nullptr, L"x", 0), nullptr);
    ztvLangMan_setCurrentLang(nullptr, 0);
    ztvLangMan_destroy(nullptr);
}

}  // namespace
}  // namespace zentrova::test
