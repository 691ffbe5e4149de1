// The pixels of menu items other than their text: icon column, border line, gradient, separator,
// selection fill and frame, icons blended from the premultiplied strips, title items.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <utility>

#include "image/ZImage.h"
#include "tests/ui/skin/SkinTestFolder.h"
#include "ui/menus/MenuPaint.h"

namespace zentrova {
namespace {

const uint8_t kGreyPalette[ZImage::kPaletteBytes] = {};

constexpr ZColor Rgb(uint32_t r, uint32_t g, uint32_t b) {
    return r | (g << 8) | (b << 16);
}

// Picture pixel (x, y from the top) of a 24- or 32-bit image as 0x00BBGGRR.
ZColor PixelAt(const ZImage& image, uint32_t x, uint32_t y) {
    const uint32_t bytes = image.GetBitsPerPixel() / 8u;
    const uint8_t* p = image.GetRow(image.GetHeight() - 1 - y) + x * bytes;
    return Rgb(p[2], p[1], p[0]);
}

// Compares each listed pixel (x, y) of a picture with one colour.
void ExpectColor(const ZImage& image, ZColor color,
                 std::initializer_list<std::pair<uint32_t, uint32_t>> points) {
    for (const auto& p : points) {
        EXPECT_EQ(color, PixelAt(image, p.first, p.second)) << p.first << "," << p.second;
    }
}

// A strip of three premultiplied 16 x 16 icons, all transparent.
ZImage& MakeStrip(ZImage& strip) {
    EXPECT_TRUE(strip.Create(48, 16, 32, 0, nullptr));
    std::memset(strip.GetBits(), 0, strip.GetPixelMemorySize());
    return strip;
}

class MenuPaintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The gradient's channels differ by 34, so over 34 columns (a 60-pixel item) each
        // column adds exactly 1.
        colors.border = Rgb(10, 20, 30);
        colors.gradientLeft = Rgb(200, 100, 40);
        colors.gradientRight = Rgb(234, 134, 74);
        colors.selected = Rgb(90, 180, 250);
        colors.text = Rgb(1, 1, 1);
        colors.textGrayed = Rgb(2, 2, 2);
        colors.textSelected = Rgb(3, 3, 3);

        MakeStrip(cold);
        test::SetPixel(cold, 16, 0, 50, 100, 200, 255);  // icon 1, (0, 0): opaque
        test::SetPixel(cold, 18, 0, 20, 40, 60, 128);    // icon 1, (2, 0): half covered
        MakeStrip(hot);
        test::SetPixel(hot, 16, 0, 1, 2, 3, 255);  // icon 1, (0, 0)
    }

    ZColor Gradient(uint32_t x) const {
        const uint32_t i = x - 26;
        return Rgb(200 + i, 100 + i, 40 + i);
    }
    void ExpectGradient(std::initializer_list<std::pair<uint32_t, uint32_t>> points) const {
        for (const auto& p : points) {
            ExpectColor(canvas, Gradient(p.first), {p});
        }
    }

    MenuColors colors;
    ZImage hot;
    ZImage cold;
    ZImage canvas;
};

TEST_F(MenuPaintTest, NormalItemBackground) {
    ASSERT_TRUE(canvas.Create(60, 21, 24, Rgb(255, 255, 255), nullptr));
    ASSERT_TRUE(PaintMenuItem(canvas, colors, false, {}, kMenuNoIcon, hot, cold));
    for (uint32_t y : {0u, 10u, 20u}) {
        ExpectColor(canvas, colors.gradientLeft, {{0, y}, {24, y}});
        ExpectColor(canvas, colors.border, {{25, y}});
        ExpectGradient({{26, y}, {27, y}, {43, y}, {59, y}});
    }
}

TEST_F(MenuPaintTest, SeparatorIsOneLineAndNoIcon) {
    ASSERT_TRUE(canvas.Create(60, 9, 24, 0, nullptr));
    ASSERT_TRUE(PaintMenuItem(canvas, colors, true, {true, false, false}, 1, hot, cold));
    ExpectColor(canvas, colors.border, {{28, 4}, {58, 4}});
    // Selected separators get no selection, and no icon is drawn.
    ExpectGradient({{27, 4}, {59, 4}, {40, 3}, {40, 5}, {30, 1}});
    ExpectColor(canvas, colors.gradientLeft, {{3, 2}, {4, 3}});
}

TEST_F(MenuPaintTest, SelectedItemFillAndFrame) {
    ASSERT_TRUE(canvas.Create(60, 21, 24, 0, nullptr));
    ASSERT_TRUE(PaintMenuItem(canvas, colors, false, {true, false, false}, kMenuNoIcon, hot, cold));
    // Selection (28, 1, 58, 19): fill x 28..57, y 1..18; frame on columns 28 and 58, rows 1 and 19.
    ExpectColor(canvas, colors.selected, {{29, 2}, {57, 18}});
    ExpectColor(canvas, colors.border,
                {{28, 1}, {40, 1}, {58, 1}, {28, 19}, {40, 19}, {58, 19}, {28, 10}, {58, 10}});
    // Outside: the gradient on the last column and row and above the selection, the icon column.
    ExpectGradient({{59, 10}, {40, 0}, {40, 20}, {27, 10}});
    ExpectColor(canvas, colors.border, {{25, 10}});
}

TEST_F(MenuPaintTest, GrayedItemUnderTheMouseIsFramedNotFilled) {
    ASSERT_TRUE(canvas.Create(60, 21, 24, 0, nullptr));
    ASSERT_TRUE(PaintMenuItem(canvas, colors, false, {true, true, false}, 1, hot, cold));
    ExpectColor(canvas, colors.border, {{28, 1}, {58, 19}});
    ExpectGradient({{29, 2}, {57, 18}});
    // The cold icon at (4, 3) with constant alpha 127: a' = 127, c' = c * 127 / 255 rounded,
    // d = c' + d * 128 / 255 rounded: blue 25 + 20, green 50 + 50, red 100 + 100.
    EXPECT_EQ(Rgb(200, 100, 45), PixelAt(canvas, 4, 3));
    // Alpha 128: a' = 64 rounded, so d * 191 / 255: red 30 + 150, green 20 + 75, blue 10 + 30.
    EXPECT_EQ(Rgb(180, 95, 40), PixelAt(canvas, 6, 3));
    // Not the hot strip's pixel at (3, 2).
    EXPECT_EQ(colors.gradientLeft, PixelAt(canvas, 3, 2));
}

TEST_F(MenuPaintTest, ColdIconOfAnItemAtRest) {
    ASSERT_TRUE(canvas.Create(60, 21, 24, 0, nullptr));
    ASSERT_TRUE(PaintMenuItem(canvas, colors, false, {}, 1, hot, cold));
    EXPECT_EQ(Rgb(200, 100, 50), PixelAt(canvas, 4, 3));    // opaque: the icon's colour
    EXPECT_EQ(colors.gradientLeft, PixelAt(canvas, 5, 3));  // transparent: unchanged
    // Half covered (alpha 128): d = c + d * 127 / 255 rounded.
    EXPECT_EQ(Rgb(160, 90, 40), PixelAt(canvas, 6, 3));
    EXPECT_EQ(colors.gradientLeft, PixelAt(canvas, 3, 2));
}

TEST_F(MenuPaintTest, HotIconOfTheSelectedItem) {
    ASSERT_TRUE(canvas.Create(60, 21, 24, 0, nullptr));
    ASSERT_TRUE(PaintMenuItem(canvas, colors, false, {true, false, false}, 1, hot, cold));
    EXPECT_EQ(Rgb(3, 2, 1), PixelAt(canvas, 3, 2));
    // Where the cold icon would have been opaque, the hot one is transparent.
    EXPECT_EQ(colors.gradientLeft, PixelAt(canvas, 4, 3));
}

TEST_F(MenuPaintTest, MissingStripOrIconDrawsNoIcon) {
    ZImage none;
    ASSERT_TRUE(canvas.Create(60, 21, 24, 0, nullptr));
    ASSERT_TRUE(PaintMenuItem(canvas, colors, false, {}, 1, none, none));
    EXPECT_EQ(colors.gradientLeft, PixelAt(canvas, 4, 3));
    // Icon 3 lies past the 48-pixel strip.
    ASSERT_TRUE(PaintMenuItem(canvas, colors, false, {}, 3, hot, cold));
    EXPECT_EQ(colors.gradientLeft, PixelAt(canvas, 4, 3));
    EXPECT_FALSE(BlendMenuIcon(canvas, cold, 3, 4, 3, 255));
    EXPECT_FALSE(BlendMenuIcon(canvas, cold, -1, 4, 3, 255));
    EXPECT_TRUE(BlendMenuIcon(canvas, cold, 2, 4, 3, 255));
    ZImage flat;
    ASSERT_TRUE(flat.Create(48, 16, 24, Rgb(1, 2, 3), nullptr));
    EXPECT_FALSE(BlendMenuIcon(canvas, flat, 1, 4, 3, 255));
    EXPECT_EQ(colors.gradientLeft, PixelAt(canvas, 4, 3));
}

TEST_F(MenuPaintTest, IconsAreCutAtTheCanvasEdges) {
    ASSERT_TRUE(canvas.Create(2, 2, 24, Rgb(9, 9, 9), nullptr));
    ZImage strip;
    MakeStrip(strip);
    test::SetPixel(strip, 17, 1, 7, 8, 9, 255);   // icon 1, (1, 1)
    test::SetPixel(strip, 31, 15, 4, 5, 6, 255);  // icon 1, (15, 15)
    ASSERT_TRUE(BlendMenuIcon(canvas, strip, 1, -1, -1, 255));
    EXPECT_EQ(Rgb(9, 8, 7), PixelAt(canvas, 0, 0));
    EXPECT_EQ(Rgb(9, 9, 9), PixelAt(canvas, 1, 1));
    ASSERT_TRUE(BlendMenuIcon(canvas, strip, 1, -14, -14, 255));
    EXPECT_EQ(Rgb(6, 5, 4), PixelAt(canvas, 1, 1));
}

TEST_F(MenuPaintTest, TitleItems) {
    ASSERT_TRUE(canvas.Create(40, 17, 24, 0, nullptr));
    ASSERT_TRUE(PaintTitleItem(canvas, colors, {}));
    // Vertical gradient over 17 rows: row j adds 34 * j / 17 = 2 j.
    for (uint32_t y : {0u, 5u, 16u}) {
        ExpectColor(canvas, Rgb(200 + 2 * y, 100 + 2 * y, 40 + 2 * y), {{0, y}, {39, y}});
    }
    ASSERT_TRUE(PaintTitleItem(canvas, colors, {true, false, false}));
    // Selection (0, 0, 39, 16): its frame is the canvas's outline.
    ExpectColor(canvas, colors.selected, {{5, 5}, {38, 15}});
    ExpectColor(canvas, colors.border,
                {{0, 0}, {20, 0}, {39, 0}, {0, 16}, {20, 16}, {39, 16}, {0, 8}, {39, 8}});
    // Grayed: no selection at all.
    ASSERT_TRUE(PaintTitleItem(canvas, colors, {true, true, false}));
    EXPECT_EQ(Rgb(210, 110, 50), PixelAt(canvas, 5, 5));
    EXPECT_EQ(Rgb(200, 100, 40), PixelAt(canvas, 0, 0));
}

TEST_F(MenuPaintTest, FrameOfOnePixelAndRefusedCanvases) {
    ASSERT_TRUE(canvas.Create(5, 5, 24, 0, nullptr));
    ASSERT_TRUE(DrawMenuFrame(canvas, {2, 2, 2, 2}, Rgb(1, 2, 3)));
    EXPECT_EQ(Rgb(1, 2, 3), PixelAt(canvas, 2, 2));
    ExpectColor(canvas, 0, {{1, 2}, {3, 2}, {2, 3}});

    ZImage grey;
    ASSERT_TRUE(grey.Create(60, 21, 8, 0, kGreyPalette));
    EXPECT_FALSE(PaintMenuItem(grey, colors, false, {}, 1, hot, cold));
    EXPECT_FALSE(PaintTitleItem(grey, colors, {}));
    EXPECT_FALSE(DrawMenuFrame(grey, {0, 0, 5, 5}, 0));
    EXPECT_FALSE(BlendMenuIcon(grey, cold, 1, 0, 0, 255));
    ZImage empty;
    EXPECT_FALSE(PaintMenuItem(empty, colors, false, {}, 1, hot, cold));
}

}  // namespace
}  // namespace zentrova
