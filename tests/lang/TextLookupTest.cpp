// The text lookup: current language, then default language, then the built-in text; lists;
// cutting at the buffer sizes; switching the language at run time.
#include "lang/TextLookup.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/WideText.h"
#include "lang/LanguageStartup.h"
#include "tests/lang/LanguageTestFolder.h"

namespace zentrova::test {
namespace {

class TextLookupTest : public ::testing::Test {
  protected:
    void Start(const wchar_t* tag) { session.Start(folder.ProgramFolder(), tag); }
    std::wstring Text(const wchar_t* section, const wchar_t* name, const wchar_t* builtIn) {
        wchar_t buffer[kLanguageTextChars];
        return GetLanguageText(session.Handle(), buffer, kLanguageTextChars, section, name,
                               builtIn);
    }

    LanguageTestFolder folder;
    LanguageSession session;
};

TEST_F(TextLookupTest, CurrentThenDefaultThenBuiltIn) {
    Start(L"de-de");
    EXPECT_EQ(Text(L"Dlg_General", L"Title", L"built-in"), L"Allgemein");
    // Only the default language (en-us) has this key.
    EXPECT_EQ(Text(L"Messages", L"OnlyEnglish", L"built-in"), L"Only in English");
    EXPECT_EQ(Text(L"Messages", L"Nowhere", L"built-in"), L"built-in");
    wchar_t buffer[64];
    EXPECT_EQ(std::wstring(GetLanguageMessage(session.Handle(), buffer, 64, L"OnlyGerman", L"x")),
              L"Nur auf Deutsch");
}

TEST_F(TextLookupTest, UnknownTagFallsBackToEnglish) {
    Start(L"xx-yy");
    EXPECT_EQ(std::wstring(ztvLangMan_getLangID(session.Handle(),
                                                ztvLangMan_getCurrentLang(session.Handle()))),
              L"en-us");
    EXPECT_EQ(Text(L"Dlg_General", L"Title", L"built-in"), L"General");
    EXPECT_EQ(Text(L"Messages", L"OnlyGerman", L"built-in"), L"built-in");
    Start(L"DE-de");  // tags compare without regard to case
    EXPECT_EQ(Text(L"Dlg_General", L"Title", L"built-in"), L"Allgemein");
}

TEST_F(TextLookupTest, NoLanguageFilesGiveBuiltInTexts) {
    TempFolder empty;
    session.Start(empty.Path(), L"en-us");
    ASSERT_NE(session.Handle(), nullptr);
    EXPECT_EQ(Text(L"Dlg_General", L"Title", L"General (built in)"), L"General (built in)");
    EXPECT_EQ(GetLanguageList(session.Handle(), L"Dlg_General", L"CaptureBarAlignmentCBX",
                              L"Left|Top|Right|Bottom")
                  .size(),
              4u);
}

TEST_F(TextLookupTest, ListsSplitAtEveryBar) {
    Start(L"de-de");
    // "Links||Rechts|": an empty item between two bars and after the last one.
    const auto german = GetLanguageList(session.Handle(), L"Dlg_General", L"CaptureBarAlignmentCBX",
                                        L"Left|Top|Right|Bottom");
    EXPECT_EQ(german, (std::vector<std::wstring>{L"Links", L"", L"Rechts", L""}));
    EXPECT_EQ(GetLanguageList(session.Handle(), L"Dlg_X", L"None", L"a||b"),
              (std::vector<std::wstring>{L"a", L"", L"b"}));
    EXPECT_TRUE(GetLanguageList(session.Handle(), L"Dlg_X", L"None", nullptr).empty());
}

TEST_F(TextLookupTest, LongTextsAreCutAtTheBufferSizes) {
    Start(L"en-us");
    const std::wstring huge(5000, L'w');
    wchar_t big[kLanguageControlChars];
    GetLanguageText(session.Handle(), big, kLanguageControlChars, L"S", L"N", huge.c_str());
    EXPECT_EQ(std::wstring(big).size(), kLanguageTextChars - 1);  // returned texts: 2047
    wchar_t small[8];
    GetLanguageText(session.Handle(), small, 8, L"S", L"N", huge.c_str());
    EXPECT_EQ(std::wstring(small), std::wstring(7, L'w'));

    // List texts are cut to 1023 characters before splitting, items to 259.
    const std::wstring list = std::wstring(300, L'a') + L"|" + std::wstring(1000, L'b') + L"|c";
    // "|c" lies beyond the 1023rd character.
    EXPECT_EQ(GetLanguageList(session.Handle(), L"S", L"N", list.c_str()),
              (std::vector<std::wstring>{std::wstring(259, L'a'), std::wstring(259, L'b')}));

    // A key of more than 259 characters has no text.
    const std::wstring longName(260, L'n');
    EXPECT_EQ(LookUpLanguageText(session.Handle(), L"Dlg_General", longName.c_str()), nullptr);
    EXPECT_EQ(LookUpLanguageText(session.Handle(), L"Dlg_General", L"Title"),
              std::wstring(L"General"));
}

TEST(FillLanguageText, FillsTheFirstPlaceholderOnly) {
    EXPECT_EQ(FillLanguageText(L"No help in \"%s\".", L"C:\\Help"), L"No help in \"C:\\Help\".");
    EXPECT_EQ(FillLanguageText(L"%s and %s", L"a"), L"a and %s");
    EXPECT_EQ(FillLanguageText(L"100%% of %s", L"x"), L"100% of x");
    // A stray conversion stays text: the file's text is never a format.
    EXPECT_EQ(FillLanguageText(L"%d %n %ls", L"x"), L"%d %n %ls");
    EXPECT_EQ(FillLanguageText(L"%s", nullptr), L"");
    EXPECT_EQ(FillLanguageText(nullptr, L"x"), L"");
}

}  // namespace
}  // namespace zentrova::test
