// The intro windows' lines from a language file, and their heading markup.
#include "ui/intro/IntroText.h"

#include <string>

#include <gtest/gtest.h>

#include "core/FileSystem.h"
#include "lang/LanguageStartup.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {
namespace {

constexpr const wchar_t* kProduct = L"Zentrova Clarivue 2";

TEST(IntroText, LinesFromTheLanguageWithTheProductName) {
    TempFolder program;
    const std::wstring lang = program.File(L"Lang");
    CreateOneDirectory(lang.c_str());
    std::string file =
        "[Language]\nID=en-us\nNativeName=English\n[IntroWindow]\n"
        "Tour01 = :H1:Welcome to %s\n"
        "Tour02 =\n"
        "Tour03 = %d%% of %n %x %s and %s\n"
        "Tour05 = %\n"
        "Tour12 = twelve\n"
        "Other06 = not this intro\n";
    file += "Tour04 = " + std::string(600, 'a') + "\n";
    WriteWholeFile(lang + kNativeSeparator + L"CVX-en-us.ztvlang", file);
    LanguageSession session;
    session.Start(program.Path(), L"en-us");

    const IntroLines lines = BuildIntroLines(session.Handle(), L"Tour", kProduct);
    const std::wstring missing = L"Zentrova Clarivue 2 Missing Language Translation...";
    EXPECT_EQ(lines[0], L":H1:Welcome to Zentrova Clarivue 2");
    EXPECT_EQ(lines[1], L"");  // an empty translation stays empty
    // Data, not a format: one "%s" filled, "%%" one percent sign, the rest as written.
    EXPECT_EQ(lines[2], L"%d% of %n %x Zentrova Clarivue 2 and %s");
    EXPECT_EQ(lines[3], std::wstring(kIntroLineChars, L'a'));
    EXPECT_EQ(lines[4], L"%");
    EXPECT_EQ(lines[11], L"twelve");  // two-digit names
    for (size_t i : {5u, 6u, 10u, 12u, 18u}) {
        EXPECT_EQ(lines[i], missing) << i;
    }
    // Without any language: every line is the built-in one.
    EXPECT_EQ(BuildIntroLines(nullptr, L"Tour", kProduct)[0], missing);
}

TEST(IntroText, HeadingMarkup) {
    struct Case {
        const wchar_t* line;
        int level;
        const wchar_t* text;
    };
    const Case cases[] = {
        {L":H1:Welcome", 1, L"Welcome"},
        {L":H2:Tip", 2, L"Tip"},
        {L":H3:", 3, L""},
        {L":H4:Four", 0, L":H4:Four"},
        {L":h1:low", 0, L":h1:low"},
        {L" :H1:x", 0, L" :H1:x"},
        {L":H1", 0, L":H1"},
        {L"", 0, L""},
        {L"H1:x", 0, L"H1:x"},
    };
    for (const Case& c : cases) {
        const IntroLineStyle style = ParseIntroLine(c.line);
        EXPECT_EQ(style.level, c.level) << c.line;
        EXPECT_EQ(style.text, c.text) << c.line;
    }
}

TEST(IntroText, RoomOfALineBesideOrBelowTheLogo) {
    // A 620 pixel wide background, a 96 x 96 logo, lines from (28, 28) every 18 pixels.
    const IntroTextArea area{620, 96, 96, 28, 28, 18};
    const int32_t besideLogo = 620 - 96 - kIntroLogoGap - 28;
    EXPECT_EQ(IntroLineRoom(area, 0), besideLogo);
    EXPECT_EQ(IntroLineRoom(area, 3), besideLogo);     // 82..100 reaches beside the logo
    EXPECT_EQ(IntroLineRoom(area, 4), 620 - 28 - 28);  // from 100: below it
    EXPECT_EQ(IntroLineRoom(area, 18), 620 - 28 - 28);
    EXPECT_EQ(IntroLineRoom(IntroTextArea{40, 0, 0, 30, 0, 16}, 0), 0);  // no room at all
}

}  // namespace
}  // namespace zentrova::test
