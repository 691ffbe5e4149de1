// Gradient fills drawn into pixels: the stated columns, truncation towards zero, every pixel of
// the diagonal mode, the radial centre and corners, clipping, 32-bit alpha and failures.
#include <vector>

#include <gtest/gtest.h>

#include "image/ZCompositing.h"
#include "tests/image/CompositingTestSupport.h"

namespace zentrova {
namespace {

using Colours = std::vector<uint32_t>;
using testing::AllColours;
using testing::ColourAt;
using testing::SameBytes;

// A grey value in all three channels.
constexpr uint32_t Grey(uint32_t v) {
    return v * 0x010101u;
}

TEST(Gradient, HorizontalStatedColumns) {
    ZImage image;
    ASSERT_TRUE(image.Create(4, 3, 24, 0x123456, nullptr));
    ASSERT_TRUE(FillGradient(image, 0, 0, 4, 3, 0x000000, 0xFFFFFF, kGradientHorizontal));
    const Colours row = {0, Grey(63), Grey(127), Grey(191)};
    EXPECT_EQ(AllColours(image), (Colours{row[0], row[1], row[2], row[3], row[0], row[1], row[2],
                                          row[3], row[0], row[1], row[2], row[3]}));
}

TEST(Gradient, VerticalStepsPerChannelTruncatingTowardsZero) {
    // Red rises 16 -> 255, green falls 200 -> 0, blue stays 7, over three rows.
    ZImage image;
    ASSERT_TRUE(image.Create(2, 3, 24, 0, nullptr));
    ASSERT_TRUE(FillGradient(image, 0, 0, 2, 3, 0x07C810, 0x0700FF, kGradientVertical));
    // Red 16 + 239 * j / 3, green 200 + trunc(-200 * j / 3).
    EXPECT_EQ(AllColours(image),
              (Colours{0x07C810, 0x07C810, 0x07865F, 0x07865F, 0x0743AF, 0x0743AF}));
}

TEST(Gradient, DiagonalFillsEveryPixelByItsStep) {
    // 3 x 2: step k = column + row over w + h = 5 steps, from 0 to 250 -> 50 k. The top row and
    // the right column are filled as well.
    ZImage image;
    ASSERT_TRUE(image.Create(3, 2, 24, 0x0000FF, nullptr));
    ASSERT_TRUE(FillGradient(image, 0, 0, 3, 2, 0x000000, Grey(250), kGradientDiagonal));
    EXPECT_EQ(AllColours(image), (Colours{0, Grey(50), Grey(100), Grey(50), Grey(100), Grey(150)}));
    // Falling, with an offset inside a larger picture: only the rectangle changes.
    ASSERT_TRUE(image.Create(6, 5, 24, 0x0000FF, nullptr));
    ASSERT_TRUE(FillGradient(image, 1, 2, 4, 3, Grey(70), 0x000000, kGradientDiagonal));
    // Step (x - 1) + (y - 2) of 7: 70 - 10 k.
    const uint32_t o = 0x0000FF;
    EXPECT_EQ(AllColours(image), (Colours{o, o,        o,        o,        o,        o,  //
                                          o, o,        o,        o,        o,        o,  //
                                          o, Grey(70), Grey(60), Grey(50), Grey(40), o,  //
                                          o, Grey(60), Grey(50), Grey(40), Grey(30), o,  //
                                          o, Grey(50), Grey(40), Grey(30), Grey(20), o}));
}

TEST(Gradient, RadialCentreCornersAndAHandComputedPixel) {
    for (uint32_t size : {4u, 5u, 9u}) {
        ZImage image;
        ASSERT_TRUE(image.Create(size, size - 1, 24, 0, nullptr));
        ASSERT_TRUE(
            FillGradient(image, 0, 0, size, size - 1, Grey(100), Grey(200), kGradientRadial));
        const uint32_t h = size - 1;
        // Column w/2 of memory row h/2 is the centre; column 0 of memory row 0 a corner.
        EXPECT_EQ(ColourAt(image, size / 2, h - 1 - h / 2), Grey(100)) << size;
        EXPECT_EQ(ColourAt(image, 0, h - 1), Grey(200)) << size;
    }
    // 4 x 4: R^2 = 8; column 3 of memory row 2 is at distance 1, t = sqrt(1 / 8) = 0.3536,
    // 100 * (1 - t) + 200 * t = 135.4.
    ZImage image;
    ASSERT_TRUE(image.Create(4, 4, 24, 0, nullptr));
    ASSERT_TRUE(FillGradient(image, 0, 0, 4, 4, Grey(100), Grey(200), kGradientRadial));
    EXPECT_EQ(ColourAt(image, 3, 1), Grey(135));
    EXPECT_EQ(ColourAt(image, 0, 3), Grey(200));
    EXPECT_EQ(ColourAt(image, 2, 1), Grey(100));

    // The picture on its own: memory row 0 is its bottom row.
    ZImage picture;
    ASSERT_TRUE(picture.Create(4, 4, 24, 0, nullptr));
    ASSERT_TRUE(FillRadialGradientImage(picture, Grey(100), Grey(200)));
    EXPECT_TRUE(SameBytes(picture, image));
}

TEST(Gradient, OnePixel) {
    ZImage image;
    ASSERT_TRUE(image.Create(1, 1, 24, 0, nullptr));
    for (int mode = kGradientHorizontal; mode <= kGradientRadial; ++mode) {
        ASSERT_TRUE(image.Fill(0xFFFFFF));
        ASSERT_TRUE(FillGradient(image, 0, 0, 1, 1, 0x102030, 0xA0B0C0, mode));
        EXPECT_EQ(ColourAt(image, 0, 0), 0x102030u) << mode;
    }
}

TEST(Gradient, ClippedFillMatchesTheUnclippedOne) {
    // Drawing at (-3, -2) on a 5 x 4 picture gives the window (3, 2) ... of the same gradient
    // drawn whole onto a large picture.
    for (int mode = kGradientHorizontal; mode <= kGradientRadial; ++mode) {
        ZImage whole, clipped;
        ASSERT_TRUE(whole.Create(11, 9, 24, 0, nullptr));
        ASSERT_TRUE(clipped.Create(5, 4, 24, 0, nullptr));
        ASSERT_TRUE(FillGradient(whole, 0, 0, 11, 9, 0x0A14F0, 0xF01E05, mode));
        ASSERT_TRUE(FillGradient(clipped, -3, -2, 11, 9, 0x0A14F0, 0xF01E05, mode));
        for (uint32_t y = 0; y < 4; ++y) {
            for (uint32_t x = 0; x < 5; ++x) {
                EXPECT_EQ(ColourAt(clipped, x, y), ColourAt(whole, x + 3, y + 2))
                    << "mode " << mode << " at " << x << "," << y;
            }
        }
        // Entirely off the picture: nothing drawn.
        ZImage before;
        ASSERT_TRUE(before.CopyFrom(clipped));
        EXPECT_TRUE(FillGradient(clipped, 5, 0, 3, 3, 0xFFFFFF, 0xFFFFFF, mode));
        EXPECT_TRUE(FillGradient(clipped, -3, 0, 3, 3, 0xFFFFFF, 0xFFFFFF, mode));
        EXPECT_TRUE(SameBytes(clipped, before));
    }
}

TEST(Gradient, ThirtyTwoBitTargetGetsAlphaZeroInsideOnly) {
    ZImage image;
    ASSERT_TRUE(image.Create(3, 3, 32, 0, nullptr));
    testing::FillAll(image, 9, 9, 9, 255);
    ASSERT_TRUE(FillGradient(image, 1, 1, 2, 2, 0, Grey(100), kGradientHorizontal));
    const uint32_t n = Grey(9);
    EXPECT_EQ(AllColours(image), (Colours{n, n, n, n, 0, Grey(50), n, 0, Grey(50)}));
    EXPECT_EQ(AllColours(image, true), (Colours{255, 255, 255, 255, 0, 0, 255, 0, 0}));
}

TEST(Gradient, FailuresAndUnknownModes) {
    ZImage image, before, empty, palette8;
    ASSERT_TRUE(image.Create(3, 3, 24, 0x445566, nullptr));
    ASSERT_TRUE(before.CopyFrom(image));
    EXPECT_FALSE(FillGradient(image, 0, 0, 0, 3, 0, 0xFFFFFF, kGradientHorizontal));
    EXPECT_FALSE(FillGradient(image, 0, 0, 3, -1, 0, 0xFFFFFF, kGradientVertical));
    EXPECT_TRUE(FillGradient(image, 0, 0, 3, 3, 0, 0xFFFFFF, 4));
    EXPECT_TRUE(FillGradient(image, 0, 0, 3, 3, 0, 0xFFFFFF, -1));
    EXPECT_TRUE(SameBytes(image, before));
    EXPECT_FALSE(FillGradient(empty, 0, 0, 3, 3, 0, 0xFFFFFF, kGradientHorizontal));
    const auto grey = testing::GreyPalette();
    ASSERT_TRUE(palette8.Create(3, 3, 8, 0, grey.data()));
    EXPECT_FALSE(FillGradient(palette8, 0, 0, 3, 3, 0, 0xFFFFFF, kGradientHorizontal));
    ZImage picture32;
    ASSERT_TRUE(picture32.Create(2, 2, 32, 0, nullptr));
    EXPECT_FALSE(FillRadialGradientImage(picture32, 0, 0xFFFFFF));
    EXPECT_FALSE(FillRadialGradientImage(empty, 0, 0xFFFFFF));
}

}  // namespace
}  // namespace zentrova
