// Colour texts of a skin INI and the colour references they give.
#include <gtest/gtest.h>

#include "ui/skin/SkinColor.h"

namespace zentrova {
namespace {

TEST(SkinColor, PairsAreRedGreenBlue) {
    EXPECT_EQ(SkinColorFromText(L"FF8000"), 0x000080FFu);
    EXPECT_EQ(SkinColorFromText(L"0A0B0C"), 0x000C0B0Au);
    EXPECT_EQ(SkinColorFromText(L"000000"), 0x00000000u);
    EXPECT_EQ(SkinColorFromText(L"FFFFFF"), 0x00FFFFFFu);
    EXPECT_EQ(SkinColorFromText(L"123456"), 0x00563412u);
    EXPECT_EQ(SkinColorFromText(L"9AF0E1"), 0x00E1F09Au);
}

TEST(SkinColor, LowerCaseDigitsReadAsUpperCase) {
    EXPECT_EQ(SkinColorFromText(L"ff8000"), 0x000080FFu);
    EXPECT_EQ(SkinColorFromText(L"aBcDeF"), 0x00EFCDABu);
    EXPECT_EQ(SkinColorFromText(L"abcdef"), SkinColorFromText(L"ABCDEF"));
}

TEST(SkinColor, AnythingButSixHexDigitsIsBlack) {
    ASSERT_EQ(kSkinFallbackColor, 0x000000u);
    for (const wchar_t* text : {L"", L"F", L"FF800", L"FF80000", L"FF8000FF", L"GG0000", L"#FF800",
                                L"FF 800", L"FF-800", L"0x8000", L"FF800g",
                                L"FF8\x0660"
                                L"00"}) {
        EXPECT_EQ(SkinColorFromText(text), kSkinFallbackColor) << "'" << text << "'";
        ZColor out = 0x123456;
        EXPECT_FALSE(ParseSkinColor(text, out));
        EXPECT_EQ(out, 0x123456u) << "refused text must not change the output";
    }
    // Characters next to the digit ranges.
    for (const wchar_t c : {L'/', L':', L'@', L'G', L'`', L'g'}) {
        const std::wstring text = std::wstring(L"00000") + c;
        EXPECT_EQ(SkinColorFromText(text), kSkinFallbackColor) << "'" << text << "'";
    }
}

}  // namespace
}  // namespace zentrova
