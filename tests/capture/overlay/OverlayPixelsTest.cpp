#include "capture/overlay/OverlayPixels.h"

#include <initializer_list>
#include <tuple>

#include <gtest/gtest.h>

#include "capture/overlay/OverlayPlacement.h"
#include "tests/support/TestPixels.h"

namespace zentrova {
namespace {

// Colour 0x00BBGGRR at (x, y) from the top.
ZColor At(const ZImage& image, int32_t x, int32_t y) {
    const uint8_t* p = test::PixelAt(image, x, y);
    return ZColor{p[2]} | (ZColor{p[1]} << 8) | (ZColor{p[0]} << 16);
}

// Red x, green y, blue 200.
ZColor PatternAt(int32_t x, int32_t y) {
    return (static_cast<uint32_t>(x) & 0xFF) | ((static_cast<uint32_t>(y) & 0xFF) << 8) |
           (200u << 16);
}

void FillPattern(ZImage& image) {
    for (uint32_t y = 0; y < image.GetHeight(); ++y) {
        for (uint32_t x = 0; x < image.GetWidth(); ++x) {
            uint8_t* p = test::PixelAt(image, x, y);
            p[0] = 200, p[1] = static_cast<uint8_t>(y), p[2] = static_cast<uint8_t>(x);
        }
    }
}

using test::Solid;

struct Px {
    int32_t x, y;
    ZColor colour;
};

// Each listed pixel (x, y from the corner (dx, dy)) of image has its colour.
void ExpectPixels(const ZImage& image, std::initializer_list<Px> pixels, int32_t dx = 0,
                  int32_t dy = 0) {
    for (const Px& p : pixels) {
        EXPECT_EQ(At(image, dx + p.x, dy + p.y), p.colour) << p.x << "," << p.y;
    }
}

TEST(OverlayPixels, CopyAreaFrom32BitsClipsAndKeepsTheFill) {
    Solid frozen(40, 30, 0, 32);
    FillPattern(frozen);
    Solid part(10, 8, 0x123456);
    ASSERT_TRUE(CopyArea(frozen, 35, 25, part));  // only 5 x 5 of it lies on the frozen picture
    ExpectPixels(part, {{0, 0, PatternAt(35, 25)}, {4, 4, PatternAt(39, 29)}, {5, 0, 0x123456}});
    Solid left(4, 4, 0xABCDEF);
    ASSERT_TRUE(CopyArea(frozen, -2, -1, left));
    ExpectPixels(left, {{1, 3, 0xABCDEF}, {2, 1, PatternAt(0, 0)}, {3, 3, PatternAt(1, 2)}});
    // A 32-bit target gets an opaque alpha.
    Solid wide(2, 2, 0, 32);
    ASSERT_TRUE(CopyArea(frozen, 3, 4, wide));
    EXPECT_EQ(255, wide.GetRow(1)[3]);
    EXPECT_EQ(PatternAt(3, 4), At(wide, 0, 0));
    ZImage eight;
    uint8_t palette[768] = {};
    ASSERT_TRUE(eight.Create(2, 2, 8, 0, palette));
    EXPECT_FALSE(CopyArea(frozen, 0, 0, eight));
}

TEST(OverlayPixels, TintClearsBlueRoundTheSelectionWithBlackEdges) {
    Solid image(20, 16, 0xFFFFFF);
    const SelectionRect sel{5, 4, 12, 9};
    ASSERT_TRUE(TintOutsideSelection(image, sel));
    // The selection itself stays white, corners included.
    for (int32_t y = 4; y <= 9; ++y) {
        for (int32_t x = 5; x <= 12; ++x) {
            ASSERT_EQ(0xFFFFFFu, At(image, x, y)) << x << "," << y;
        }
    }
    // The lines just outside the selection are the areas' edges (left, right, upper, lower) and
    // so is the image border: black. Inside the areas: white without blue = yellow.
    ExpectPixels(image, {{4, 6, 0}, {13, 6, 0}, {8, 3, 0}, {8, 10, 0}, {0, 0, 0}});
    ExpectPixels(image, {{2, 6, 0x00FFFF}, {8, 12, 0x00FFFF}});
    // A pattern keeps red and green.
    Solid pattern(20, 16, 0, 32);
    FillPattern(pattern);
    ASSERT_TRUE(TintOutsideSelection(pattern, sel));
    ExpectPixels(pattern, {{2, 6, PatternAt(2, 6) & 0xFFFFu}, {7, 7, PatternAt(7, 7)}});
    // A selection at the image's corner leaves no area there.
    Solid corner(10, 10, 0xFFFFFF);
    ASSERT_TRUE(TintOutsideSelection(corner, SelectionRect{0, 0, 5, 5}));
    ExpectPixels(corner,
                 {{0, 0, 0xFFFFFF}, {5, 5, 0xFFFFFF}, {6, 0, 0}, {0, 6, 0}, {8, 3, 0x00FFFF}});
}

TEST(OverlayPixels, HandlesAreSixPixelSquaresOnTheCornersAndMidpoints) {
    Solid image(60, 60, 0xFFFFFF);
    ASSERT_TRUE(DrawSelectionHandles(image, SelectionRect{10, 10, 50, 40}, 0x0000FF));
    // Top-left handle: columns and rows 7 ... 12. Top middle (30, 10), right middle (50, 25),
    // bottom-right (50, 40); nothing between the handles.
    ExpectPixels(image,
                 {{7, 7, 0x0000FF}, {12, 12, 0x0000FF}, {30, 10, 0x0000FF}, {47, 37, 0x0000FF}});
    ExpectPixels(image,
                 {{6, 7, 0xFFFFFF}, {13, 10, 0xFFFFFF}, {33, 10, 0xFFFFFF}, {20, 10, 0xFFFFFF}});
    // Handles at the image edge are cut, not wrapped.
    Solid edge(20, 20, 0xFFFFFF);
    ASSERT_TRUE(DrawSelectionHandles(edge, SelectionRect{0, 0, 19, 19}, 0x00FF00));
    ExpectPixels(edge, {{0, 0, 0x00FF00}, {19, 19, 0x00FF00}, {10, 10, 0xFFFFFF}});
}

TEST(OverlayPixels, MagnifierEnlargesEightTimesWithAGappedCrossHair) {
    Solid frozen(100, 80, 0);
    FillPattern(frozen);
    Solid target(260, 260, 0x777777);
    ASSERT_TRUE(DrawMagnifierPicture(frozen, 50, 40, target, 30, 20));
    // In the magnifier's coordinates (the target from (30, 20) on): source pixel (38, 28) (the
    // first of the 25 x 25) fills 0 ... 7, nothing beyond 200 x 200; the centre pixel's square
    // (96 ... 103) is free, also where the line would run; round it a gap of 3 pixels in the
    // neighbouring source pixels' colour; then black lines (column and row 100) out to the edges.
    const auto expect = [&](std::initializer_list<Px> pixels) {
        ExpectPixels(target, pixels, 30, 20);
    };
    expect({{0, 0, PatternAt(38, 28)}, {8, 0, PatternAt(39, 28)}, {199, 199, PatternAt(62, 52)}});
    expect({{200, 100, 0x777777}, {-1, 0, 0x777777}, {100, 100, PatternAt(50, 40)}});
    expect({{96, 100, PatternAt(50, 40)}, {93, 100, PatternAt(49, 40)}});
    expect({{106, 100, PatternAt(51, 40)}, {100, 93, PatternAt(50, 39)}});
    expect({{92, 100, 0}, {107, 100, 0}, {100, 92, 0}, {100, 107, 0}});
    expect({{99, 0, PatternAt(50, 28)}, {0, 99, PatternAt(38, 40)}});
    // At the frozen picture's corner the missing source pixels are black.
    Solid corner(200, 200, 0x777777);
    ASSERT_TRUE(DrawMagnifierPicture(frozen, 0, 0, corner, 0, 0));
    ExpectPixels(corner, {{5, 5, 0}, {96, 96, PatternAt(0, 0)}, {199, 199, PatternAt(12, 12)}});
}

TEST(OverlayPixels, PixelReadAndMagnifierText) {
    Solid frozen(10, 10, 0, 32);
    FillPattern(frozen);
    uint8_t r = 1, g = 1, b = 1;
    ASSERT_TRUE(ReadPixelRgb(frozen, 7, 3, r, g, b));
    EXPECT_EQ(std::tuple(r, g, b), std::tuple(7, 3, 200));
    EXPECT_FALSE(ReadPixelRgb(frozen, 10, 3, r, g, b));
    EXPECT_EQ(0, r);
    EXPECT_FALSE(ReadPixelRgb(frozen, -1, 0, r, g, b));
    EXPECT_EQ(L"X: 1300 | Y: 7\r\nW: 101 | H: -4\r\n(255, 0, 12)",
              FormatMagnifierText(1300, 7, 101, -4, 255, 0, 12));
}

}  // namespace
}  // namespace zentrova
