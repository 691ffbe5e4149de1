// The three shipped skins load from the program's skin folder with the geometry the painters
// need.
#include <cwchar>
#include <string>

#include <gtest/gtest.h>

#include "tests/config/FakeSystemInfo.h"
#include "ui/skin/Skin.h"
#include "ui/skin/SkinColor.h"

namespace zentrova {
namespace {

class ShippedSkin : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(ShippedSkin, LoadsWithButtonFramesAndIcons) {
    test::FakeSystemInfo system;
    system.programFolder = L"" CLARIVUE_TEST_PROGRAM_DIR;
    Skin skin(system);
    ASSERT_TRUE(skin.Load(GetParam()));

    const ZImage& button = skin.GetButtonImage();
    ASSERT_TRUE(button.IsValid()) << "no " << GetParam() << "Button.png in " << skin.GetFolder();
    EXPECT_EQ(button.GetWidth(), 24u);
    EXPECT_EQ(button.GetHeight(), 5u * 24u);

    const ZImage& icons = skin.GetButtonIcons();
    ASSERT_TRUE(icons.IsValid()) << "no " << GetParam() << "ButtonIcons.png";
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
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkin, ::testing::Values(L"Default", L"Small", L"Tiny"),
                         [](const ::testing::TestParamInfo<const wchar_t*>& info) {
                             return std::string(info.param, info.param + std::wcslen(info.param));
                         });

}  // namespace
}  // namespace zentrova
