// The three shipped skins load from the program's skin folder with the geometry the painters
// need: button frames, icons, and capture bar pictures of exactly 9 x 3 cells of the skin's
// button size at every edge.
#include <cwchar>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "tests/config/FakeSystemInfo.h"
#include "ui/skin/Skin.h"
#include "ui/skin/SkinColor.h"

namespace zentrova {
namespace {

using SkinCase = std::pair<const wchar_t*, uint32_t>;  // name, cxPlayerButton = cyPlayerButton

class ShippedSkin : public ::testing::TestWithParam<SkinCase> {};

TEST_P(ShippedSkin, LoadsWithButtonFramesIconsAndCaptureBars) {
    const wchar_t* name = GetParam().first;
    const uint32_t n = GetParam().second;
    test::FakeSystemInfo system;
    system.programFolder = L"" CLARIVUE_TEST_PROGRAM_DIR;
    Skin skin(system);
    ASSERT_TRUE(skin.Load(name));

    const ZImage& button = skin.GetButtonImage();
    ASSERT_TRUE(button.IsValid()) << "no " << name << "Button.png in " << skin.GetFolder();
    EXPECT_EQ(button.GetWidth(), 24u);
    EXPECT_EQ(button.GetHeight(), 5u * 24u);

    const ZImage& icons = skin.GetButtonIcons();
    ASSERT_TRUE(icons.IsValid()) << "no " << name << "ButtonIcons.png";
    EXPECT_EQ(icons.GetBitsPerPixel(), 32u);
    EXPECT_EQ(icons.GetWidth() % kButtonIconCount, 0u);
    EXPECT_GE(skin.GetIconWidth(), 8u);
    EXPECT_EQ(skin.GetIconWidth(), icons.GetWidth() / kButtonIconCount);
    EXPECT_EQ(skin.GetIconHeight(), icons.GetHeight());
    // An icon fits a 24-pixel button frame row with room for the pressed offset.
    EXPECT_LE(skin.GetIconHeight(), 22u);

    ZColor colour = 0;
    EXPECT_TRUE(ParseSkinColor(skin.GetText(L"WindowBackColor"), colour));
    EXPECT_EQ(skin.GetBackgroundColor(), colour);
    EXPECT_TRUE(ParseSkinColor(skin.GetText(L"MainEditTextColor"), colour));
    EXPECT_TRUE(ParseSkinColor(skin.GetText(L"MainStaticTextColor"), colour));

    EXPECT_EQ(skin.GetPlayerButtonWidth(), n);
    EXPECT_EQ(skin.GetPlayerButtonHeight(), n);
    for (const wchar_t* edge : {L"Left", L"Top", L"Right", L"Bottom"}) {
        ZImage picture;
        SCOPED_TRACE(std::string(edge, edge + std::wcslen(edge)));
        ASSERT_TRUE(skin.LoadPng(picture, (std::wstring(L"ButtonBarCapture") + edge).c_str()));
        EXPECT_EQ(picture.GetWidth(), 9u * n);
        EXPECT_EQ(picture.GetHeight(), 3u * n);
    }
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkin,
                         ::testing::Values(SkinCase{L"Default", 42}, SkinCase{L"Small", 34},
                                           SkinCase{L"Tiny", 26}),
                         [](const ::testing::TestParamInfo<SkinCase>& info) {
                             const wchar_t* name = info.param.first;
                             return std::string(name, name + std::wcslen(name));
                         });

}  // namespace
}  // namespace zentrova
