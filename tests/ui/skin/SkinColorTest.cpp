// Colour texts of a skin INI and the colour references they give.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/WideText.h"
#include "ui/skin/SkinColor.h"

namespace zentrova {
namespace {

// Pairs are red, green, blue; lower-case digits read as upper-case ones.
TEST(SkinColor, PairsAreRedGreenBlue) {
    const std::pair<const wchar_t*, ZColor> cases[] = {
        {L"FF8000", 0x000080FFu}, {L"0A0B0C", 0x000C0B0Au}, {L"000000", 0x00000000u},
        {L"FFFFFF", 0x00FFFFFFu}, {L"123456", 0x00563412u}, {L"9AF0E1", 0x00E1F09Au},
        {L"ff8000", 0x000080FFu}, {L"aBcDeF", 0x00EFCDABu}, {L"abcdef", 0x00EFCDABu}};
    for (const auto& c : cases) {
        EXPECT_EQ(SkinColorFromText(c.first), c.second) << ToUtf8(c.first);
    }
}

TEST(SkinColor, AnythingButSixHexDigitsIsBlack) {
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
