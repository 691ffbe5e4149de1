// The skin object: paths, INI values, the images it loads and what Load and Release leave.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "codecs/ZImageCodecJpg.h"
#include "core/FileSystem.h"
#include "core/WideText.h"
#include "tests/ui/skin/SkinTestFolder.h"
#include "ui/skin/Skin.h"
#include "ui/skin/SkinColor.h"

namespace zentrova {
namespace {

using test::PixelAt;
using test::SkinTestFolder;

constexpr char kBlueIni[] =
    "[Skin]\r\n"
    "Name=\"Blue Sky\"\r\n"
    "Author=A. Painter\r\n"
    "WindowBackColor=FF8000\r\n"
    "MainEditTextColor=102030\r\n"
    "MainStaticTextColor=a0b0c0\r\n"
    "ButtonTextColorDefault=FFF\r\n"
    "ButtonTextColorHilight=#FF8000\r\n"
    "cxPlayerButton=40\r\n"
    "cyPlayerButton=0x20\r\n"
    "cxPlayerImage=70000\r\n"
    "IntroWindowTextPosX=-12\r\n";

// "Blue": INI, a 24 x 120 Button picture with one marked pixel per frame row, and a 32-bit icon
// strip of 19 icons of 6 x 4.
void WriteBlueSkin(const SkinTestFolder& folder) {
    ASSERT_TRUE(folder.WriteIni(L"Blue", kBlueIni));
    ZImage button;
    ASSERT_TRUE(button.Create(24, 120, 24, 0x808080, nullptr));
    for (uint32_t row = 0; row < 5; ++row) {
        test::SetPixel(button, 3, row * 24 + 5, static_cast<uint8_t>(row * 50), 1, 2);
    }
    ASSERT_TRUE(folder.WritePng(L"Blue", L"Button", button));
    ZImage icons;
    ASSERT_TRUE(test::MakeAlphaStrip(icons, 6, 4));
    ASSERT_TRUE(folder.WritePng(L"Blue", L"ButtonIcons", icons));
}

class SkinTest : public ::testing::Test {
  protected:
    void LoadBlue() {
        WriteBlueSkin(folder);
        ASSERT_TRUE(skin.Load(L"Blue"));
    }
    // Player button and image sizes, then the icon size.
    std::vector<uint32_t> Sizes() const {
        return {skin.GetPlayerButtonWidth(), skin.GetPlayerButtonHeight(),
                skin.GetPlayerImageWidth(),  skin.GetPlayerImageHeight(),
                skin.GetIconWidth(),         skin.GetIconHeight()};
    }
    std::wstring SkinsPath() const { return folder.ProgramFolder() + kNativeSeparator + L"Skins"; }

    SkinTestFolder folder;
    Skin skin{folder.System()};
};

TEST_F(SkinTest, BlueSkinUsesItsOwnFiles) {
    LoadBlue();
    EXPECT_EQ(skin.GetIniPath(), SkinsPath() + kNativeSeparator + L"Blue.ini");
    EXPECT_EQ(skin.GetImagePath(L"Button", L".png"),
              SkinsPath() + kNativeSeparator + L"BlueButton.png");

    const ZImage& button = skin.GetButtonImage();
    ASSERT_TRUE(button.IsValid());
    EXPECT_EQ(button.GetWidth(), 24u);
    EXPECT_EQ(button.GetHeight(), 120u);
    for (uint32_t row = 0; row < 5; ++row) {
        EXPECT_EQ(PixelAt(button, 3, row * 24 + 5)[0], row * 50) << "frame row " << row;
    }
    ASSERT_TRUE(skin.GetButtonIcons().IsValid());
    EXPECT_EQ(skin.GetButtonIcons().GetWidth(), 114u);
}

TEST_F(SkinTest, ColoursNumbersAndTexts) {
    LoadBlue();
    // Short, malformed and missing colours are black.
    const std::pair<const wchar_t*, ZColor> colours[] = {
        {L"WindowBackColor", 0x000080FFu},     {L"MainEditTextColor", 0x00302010u},
        {L"MainStaticTextColor", 0x00C0B0A0u}, {L"ButtonTextColorDefault", 0u},
        {L"ButtonTextColorHilight", 0u},       {L"MenuTextColor", 0u}};
    for (const auto& c : colours) {
        EXPECT_EQ(skin.GetColor(c.first), c.second) << ToUtf8(c.first);
    }

    // The image width is a 16-bit field, its height missing; icons of 114 / 19 x 4.
    EXPECT_EQ(Sizes(), (std::vector<uint32_t>{40, 32, 70000u - 65536u, 16, 6, 4}));
    EXPECT_EQ(skin.GetNumber(L"IntroWindowTextPosX"), -12);
    EXPECT_EQ(skin.GetNumber(L"IntroWindowTextLineHeight"), 16);

    EXPECT_EQ(skin.GetText(L"Name"), L"Blue Sky");
    EXPECT_EQ(skin.GetText(L"Author", kSkinPreviewTextChars), L"A. Painter");
    EXPECT_EQ(skin.GetText(L"Author", 3), L"A.");
    EXPECT_EQ(skin.GetText(L"Nothing"), L"");
}

TEST_F(SkinTest, ThirtyTwoBitIconsArePremultiplied) {
    LoadBlue();
    const ZImage& icons = skin.GetButtonIcons();
    ASSERT_EQ(icons.GetBitsPerPixel(), 32u);
    // Icon i, pixel (x, y): blue 10 i + x, green 200 - 10 y, red 13 i, alpha 255 - 40 x - 30 y,
    // each colour times alpha / 255 cut: at (2, 2) of icon 18 red 234 * 115 / 255 = 105.5 -> 105.
    const struct {
        uint32_t icon, x, y;
        std::vector<uint8_t> bgra;
    } cases[] = {{0, 0, 0, {0, 200, 0, 255}},
                 {1, 1, 1, {7, 137, 9, 185}},
                 {18, 2, 2, {82, 81, 105, 115}},
                 {18, 5, 3, {0, 0, 0, 0}}};
    for (const auto& c : cases) {
        const uint8_t* p = PixelAt(icons, c.icon * 6 + c.x, c.y);
        EXPECT_EQ(std::vector<uint8_t>(p, p + 4), c.bgra) << c.icon << " " << c.x << "," << c.y;
    }
}

TEST_F(SkinTest, KeyedIconsStayAsReadAndTheIconWidthIsRoundedDown) {
    ASSERT_TRUE(folder.WriteIni(L"Keyed", "[Skin]\n"));
    ZImage strip;
    ASSERT_TRUE(strip.Create(19 * 3 + 18, 5, 24, 0xFF00FF, nullptr));
    test::SetPixel(strip, 4, 2, 11, 22, 33);
    ASSERT_TRUE(folder.WritePng(L"Keyed", L"ButtonIcons", strip));
    ASSERT_TRUE(skin.Load(L"Keyed"));
    ASSERT_EQ(skin.GetButtonIcons().GetBitsPerPixel(), 24u);
    EXPECT_EQ(skin.GetIconWidth(), 3u);  // 75 / 19
    EXPECT_EQ(skin.GetIconHeight(), 5u);
    const uint8_t* p = PixelAt(skin.GetButtonIcons(), 4, 2);
    EXPECT_EQ(std::vector<uint8_t>(p, p + 3), (std::vector<uint8_t>{11, 22, 33}));
    const uint8_t* key = PixelAt(skin.GetButtonIcons(), 0, 0);
    EXPECT_EQ(std::vector<uint8_t>(key, key + 3), (std::vector<uint8_t>{0xFF, 0x00, 0xFF}));
    // A strip narrower than 19 pixels has icons of width 0: nothing can be drawn from it.
    ZImage narrow;
    ASSERT_TRUE(narrow.Create(18, 5, 24, 0, nullptr));
    ASSERT_TRUE(folder.WritePng(L"Narrow", L"ButtonIcons", narrow));
    ASSERT_TRUE(skin.Load(L"Narrow"));
    EXPECT_TRUE(skin.GetButtonIcons().IsValid());
    EXPECT_EQ(skin.GetIconWidth(), 0u);
}

TEST_F(SkinTest, PngAndJpegImagesByName) {
    ZImage background;
    ASSERT_TRUE(background.Create(32, 16, 24, 0x3366CC, nullptr));
    wchar_t error[260] = {};
    ASSERT_TRUE(WriteJpg(folder.SkinFile(L"BlueBackground.jpg").c_str(), background, error, 260));
    LoadBlue();

    ZImage image;
    ASSERT_TRUE(skin.LoadJpg(image, L"Background"));
    EXPECT_EQ(image.GetWidth(), 32u);
    EXPECT_EQ(image.GetHeight(), 16u);
    EXPECT_NEAR(PixelAt(image, 10, 10)[2], 0xCC, 3);  // the red byte: not swapped with blue

    // The PNG of the same name does not exist: the image ends up empty.
    EXPECT_FALSE(skin.LoadPng(image, L"Background"));
    EXPECT_FALSE(image.IsValid());
    ASSERT_TRUE(skin.LoadPng(image, L"Button"));
    EXPECT_EQ(image.GetHeight(), 120u);
    // A file that is not a picture.
    ASSERT_TRUE(test::WriteWholeFile(folder.SkinFile(L"BlueMenuHot.png"), "not a picture"));
    EXPECT_FALSE(skin.LoadPng(image, L"MenuHot"));
    EXPECT_FALSE(image.IsValid());
}

TEST_F(SkinTest, MissingNameIsRefusedAndKeepsTheSkin) {
    EXPECT_FALSE(skin.Load(nullptr));
    EXPECT_FALSE(skin.Load(L""));
    EXPECT_FALSE(skin.IsLoaded());
    LoadBlue();
    EXPECT_FALSE(skin.Load(L""));
    EXPECT_FALSE(skin.Load(std::wstring(300, L'x').c_str()));
    EXPECT_TRUE(skin.IsLoaded());
    EXPECT_EQ(skin.GetName(), L"Blue");
    EXPECT_TRUE(skin.GetButtonIcons().IsValid());
    EXPECT_EQ(skin.GetColor(L"WindowBackColor"), 0x000080FFu);
}

TEST_F(SkinTest, SkinWithoutFilesLoadsTheDefaults) {
    EXPECT_FALSE(skin.IsLoaded());
    ASSERT_TRUE(skin.Load(L"Nowhere"));
    EXPECT_TRUE(skin.IsLoaded());
    EXPECT_EQ(Sizes(), (std::vector<uint32_t>{16, 16, 16, 16, 0, 0}));
    EXPECT_EQ(skin.GetColor(L"WindowBackColor"), kSkinFallbackColor);
    EXPECT_FALSE(skin.GetButtonImage().IsValid());
    EXPECT_FALSE(skin.GetButtonIcons().IsValid());
}

TEST_F(SkinTest, ReloadReleasesTheOldImages) {
    ASSERT_TRUE(folder.WriteIni(L"Plain", "[Skin]\nWindowBackColor=00FF00\n"));
    ZImage strip;
    ASSERT_TRUE(strip.Create(19 * 2, 3, 24, 0x0000FF, nullptr));
    ASSERT_TRUE(folder.WritePng(L"Plain", L"ButtonIcons", strip));
    LoadBlue();
    ASSERT_TRUE(skin.GetButtonImage().IsValid());
    ASSERT_TRUE(skin.Load(L"Plain"));
    EXPECT_EQ(skin.GetName(), L"Plain");
    EXPECT_FALSE(skin.GetButtonImage().IsValid()) << "Blue's Button picture must be gone";
    ASSERT_TRUE(skin.GetButtonIcons().IsValid());
    EXPECT_EQ(skin.GetButtonIcons().GetBitsPerPixel(), 24u);
    EXPECT_EQ(Sizes(), (std::vector<uint32_t>{16, 16, 16, 16, 2, 3}));
    EXPECT_EQ(skin.GetBackgroundColor(), 0x0000FF00u);
}

}  // namespace
}  // namespace zentrova
