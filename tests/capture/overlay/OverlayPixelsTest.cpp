#include "capture/overlay/OverlayPixels.h"

#include <gtest/gtest.h>

#include "capture/overlay/OverlayPlacement.h"

namespace zentrova {
namespace {

// Colour 0x00BBGGRR at (x, y) from the top.
ZColor At(const ZImage& image, int32_t x, int32_t y) {
    const uint8_t* p = image.GetRow(image.GetHeight() - 1u - static_cast<uint32_t>(y)) +
                       static_cast<size_t>(x) * (image.GetBitsPerPixel() / 8u);
    return ZColor{p[2]} | (ZColor{p[1]} << 8) | (ZColor{p[0]} << 16);
}

void Put(ZImage& image, int32_t x, int32_t y, ZColor c) {
    uint8_t* p = image.GetRow(image.GetHeight() - 1u - static_cast<uint32_t>(y)) +
                 static_cast<size_t>(x) * (image.GetBitsPerPixel() / 8u);
    p[0] = static_cast<uint8_t>(c >> 16);
    p[1] = static_cast<uint8_t>(c >> 8);
    p[2] = static_cast<uint8_t>(c);
}

// Every pixel gets a colour from its position: red x, green y, blue 200.
void FillPattern(ZImage& image) {
    for (uint32_t y = 0; y < image.GetHeight(); ++y) {
        for (uint32_t x = 0; x < image.GetWidth(); ++x) {
            Put(image, static_cast<int32_t>(x), static_cast<int32_t>(y),
                (x & 0xFF) | ((y & 0xFF) << 8) | (200u << 16));
        }
    }
}

ZColor PatternAt(int32_t x, int32_t y) {
    return (static_cast<uint32_t>(x) & 0xFF) | ((static_cast<uint32_t>(y) & 0xFF) << 8) |
           (200u << 16);
}

TEST(OverlayPixels, CopyAreaFrom32BitsClipsAndKeepsTheFill) {
    ZImage frozen;
    ASSERT_TRUE(frozen.Create(40, 30, 32, 0, nullptr));
    FillPattern(frozen);
    ZImage part;
    ASSERT_TRUE(part.Create(10, 8, 24, 0x123456, nullptr));
    ASSERT_TRUE(CopyArea(frozen, 35, 25, part));  // only 5 x 5 of it lies on the frozen picture
    EXPECT_EQ(PatternAt(35, 25), At(part, 0, 0));
    EXPECT_EQ(PatternAt(39, 29), At(part, 4, 4));
    EXPECT_EQ(0x123456u, At(part, 5, 0));
    ZImage left;
    ASSERT_TRUE(left.Create(4, 4, 24, 0xABCDEF, nullptr));
    ASSERT_TRUE(CopyArea(frozen, -2, -1, left));
    EXPECT_EQ(0xABCDEFu, At(left, 1, 3));
    EXPECT_EQ(PatternAt(0, 0), At(left, 2, 1));
    EXPECT_EQ(PatternAt(1, 2), At(left, 3, 3));
    // A 32-bit target gets an opaque alpha.
    ZImage wide;
    ASSERT_TRUE(wide.Create(2, 2, 32, 0, nullptr));
    ASSERT_TRUE(CopyArea(frozen, 3, 4, wide));
    EXPECT_EQ(255, wide.GetRow(1)[3]);
    EXPECT_EQ(PatternAt(3, 4), At(wide, 0, 0));
    ZImage eight;
    uint8_t palette[768] = {};
    ASSERT_TRUE(eight.Create(2, 2, 8, 0, palette));
    EXPECT_FALSE(CopyArea(frozen, 0, 0, eight));
}

TEST(OverlayPixels, TintClearsBlueRoundTheSelectionWithBlackEdges) {
    ZImage image;
    ASSERT_TRUE(image.Create(20, 16, 24, 0xFFFFFF, nullptr));
    const SelectionRect sel{5, 4, 12, 9};
    ASSERT_TRUE(TintOutsideSelection(image, sel));
    // The selection itself stays white, corners included.
    for (int32_t y = 4; y <= 9; ++y) {
        for (int32_t x = 5; x <= 12; ++x) {
            ASSERT_EQ(0xFFFFFFu, At(image, x, y)) << x << "," << y;
        }
    }
    // The lines just outside the selection are area edges: black.
    EXPECT_EQ(0u, At(image, 4, 6));   // left area's right edge
    EXPECT_EQ(0u, At(image, 13, 6));  // right area's left edge
    EXPECT_EQ(0u, At(image, 8, 3));   // upper area's bottom edge
    EXPECT_EQ(0u, At(image, 8, 10));  // lower area's top edge
    EXPECT_EQ(0u, At(image, 0, 0));   // image border = area edge
    // Inside the areas: white without blue = yellow.
    EXPECT_EQ(0x00FFFFu, At(image, 2, 6));
    EXPECT_EQ(0x00FFFFu, At(image, 8, 12));
    // A pattern keeps red and green.
    ZImage pattern;
    ASSERT_TRUE(pattern.Create(20, 16, 32, 0, nullptr));
    FillPattern(pattern);
    ASSERT_TRUE(TintOutsideSelection(pattern, sel));
    EXPECT_EQ(PatternAt(2, 6) & 0xFFFFu, At(pattern, 2, 6));
    EXPECT_EQ(PatternAt(7, 7), At(pattern, 7, 7));
}

TEST(OverlayPixels, SelectionAtTheImageCornerLeavesNoAreaThere) {
    ZImage image;
    ASSERT_TRUE(image.Create(10, 10, 24, 0xFFFFFF, nullptr));
    ASSERT_TRUE(TintOutsideSelection(image, SelectionRect{0, 0, 5, 5}));
    EXPECT_EQ(0xFFFFFFu, At(image, 0, 0));
    EXPECT_EQ(0xFFFFFFu, At(image, 5, 5));
    EXPECT_EQ(0u, At(image, 6, 0));
    EXPECT_EQ(0u, At(image, 0, 6));
    EXPECT_EQ(0x00FFFFu, At(image, 8, 3));
}

TEST(OverlayPixels, HandlesAreSixPixelSquaresOnTheCornersAndMidpoints) {
    ZImage image;
    ASSERT_TRUE(image.Create(60, 60, 24, 0xFFFFFF, nullptr));
    ASSERT_TRUE(DrawSelectionHandles(image, SelectionRect{10, 10, 50, 40}, 0x0000FF));
    // Top-left handle: columns and rows 7 ... 12.
    EXPECT_EQ(0x0000FFu, At(image, 7, 7));
    EXPECT_EQ(0x0000FFu, At(image, 12, 12));
    EXPECT_EQ(0xFFFFFFu, At(image, 6, 7));
    EXPECT_EQ(0xFFFFFFu, At(image, 13, 10));
    // Top middle (30, 10), right middle (50, 25), bottom-right (50, 40).
    EXPECT_EQ(0x0000FFu, At(image, 30, 10));
    EXPECT_EQ(0xFFFFFFu, At(image, 33, 10));
    EXPECT_EQ(0x0000FFu, At(image, 47, 37));
    // Nothing between the handles.
    EXPECT_EQ(0xFFFFFFu, At(image, 20, 10));
    // Handles at the image edge are cut, not wrapped.
    ZImage edge;
    ASSERT_TRUE(edge.Create(20, 20, 24, 0xFFFFFF, nullptr));
    ASSERT_TRUE(DrawSelectionHandles(edge, SelectionRect{0, 0, 19, 19}, 0x00FF00));
    EXPECT_EQ(0x00FF00u, At(edge, 0, 0));
    EXPECT_EQ(0x00FF00u, At(edge, 19, 19));
    EXPECT_EQ(0xFFFFFFu, At(edge, 10, 10));
}

TEST(OverlayPixels, MagnifierEnlargesEightTimesWithAGappedCrossHair) {
    ZImage frozen;
    ASSERT_TRUE(frozen.Create(100, 80, 24, 0, nullptr));
    FillPattern(frozen);
    ZImage target;
    ASSERT_TRUE(target.Create(260, 260, 24, 0x777777, nullptr));
    ASSERT_TRUE(DrawMagnifierPicture(frozen, 50, 40, target, 30, 20));
    // Source pixel (38, 28) (the first of the 25 x 25) fills target 30 ... 37, 20 ... 27.
    EXPECT_EQ(PatternAt(38, 28), At(target, 30, 20));
    EXPECT_EQ(PatternAt(39, 28), At(target, 38, 20));
    EXPECT_EQ(PatternAt(62, 52), At(target, 30 + 199, 20 + 199));
    EXPECT_EQ(0x777777u, At(target, 30 + 200, 20 + 100));  // nothing beyond 200 x 200
    EXPECT_EQ(0x777777u, At(target, 29, 20));
    // The centre pixel's square (96 ... 103) is free, also where the line would run.
    EXPECT_EQ(PatternAt(50, 40), At(target, 30 + 100, 20 + 100));
    EXPECT_EQ(PatternAt(50, 40), At(target, 30 + 96, 20 + 100));
    // The gap: 3 pixels round the square, in the neighbouring source pixels' colour.
    EXPECT_EQ(PatternAt(49, 40), At(target, 30 + 93, 20 + 100));
    EXPECT_EQ(PatternAt(51, 40), At(target, 30 + 106, 20 + 100));
    EXPECT_EQ(PatternAt(50, 39), At(target, 30 + 100, 20 + 93));
    // Then black lines out to the edges, 1 pixel wide (column 100 and row 100).
    EXPECT_EQ(0u, At(target, 30 + 92, 20 + 100));
    EXPECT_EQ(0u, At(target, 30 + 107, 20 + 100));
    EXPECT_EQ(0u, At(target, 30 + 100, 20 + 92));
    EXPECT_EQ(0u, At(target, 30 + 100, 20 + 107));
    EXPECT_EQ(PatternAt(50, 28), At(target, 30 + 99, 20 + 0));
    EXPECT_EQ(PatternAt(38, 40), At(target, 30 + 0, 20 + 99));

    // At the frozen picture's corner the missing source pixels are black.
    ZImage corner;
    ASSERT_TRUE(corner.Create(200, 200, 24, 0x777777, nullptr));
    ASSERT_TRUE(DrawMagnifierPicture(frozen, 0, 0, corner, 0, 0));
    EXPECT_EQ(0u, At(corner, 5, 5));
    EXPECT_EQ(PatternAt(0, 0), At(corner, 96, 96));
    EXPECT_EQ(PatternAt(12, 12), At(corner, 199, 199));
}

TEST(OverlayPixels, PixelReadAndMagnifierText) {
    ZImage frozen;
    ASSERT_TRUE(frozen.Create(10, 10, 32, 0, nullptr));
    FillPattern(frozen);
    uint8_t r = 1, g = 1, b = 1;
    ASSERT_TRUE(ReadPixelRgb(frozen, 7, 3, r, g, b));
    EXPECT_EQ(7, r);
    EXPECT_EQ(3, g);
    EXPECT_EQ(200, b);
    EXPECT_FALSE(ReadPixelRgb(frozen, 10, 3, r, g, b));
    EXPECT_EQ(0, r);
    EXPECT_FALSE(ReadPixelRgb(frozen, -1, 0, r, g, b));
    EXPECT_EQ(L"X: 1300 | Y: 7\r\nW: 101 | H: -4\r\n(255, 0, 12)",
              FormatMagnifierText(1300, 7, 101, -4, 255, 0, 12));
}

}  // namespace
}  // namespace zentrova
