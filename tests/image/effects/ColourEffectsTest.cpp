// Buttonize, grayscale, pencil drawing, invert and colour offset: hand-computed pixels, depths,
// alpha, padding and resolution, and the refusals.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "image/ZImageEffects.h"
#include "tests/image/CompositingTestSupport.h"
#include "tests/image/effects/EffectPictures.h"

namespace zentrova {
namespace {

using test::At;
using test::MakeNoise;
using test::MakePicture;
using test::SameBytes;

// Blue byte of the pixel at picture column x, picture row y (from the top).
uint8_t BlueAt(const ZImage& image, uint32_t x, uint32_t y) {
    return At(image, x, image.GetHeight() - 1 - y, 0);
}

// Buttonize -------------------------------------------------------------------------------------

TEST(ButtonizeTest, HandComputedFiveByFourAndClamped) {
    // Grey 101, frame 1, strength 0.5. Top row (columns 1-4) lightened with 0.5: 178; strength
    // 0.45. Bottom row (columns 1-4) darkened with 0.45: trunc(101 * 0.55) = 55; k = 1 < 11 so
    // strength 0.5. Left column (rows 0-3) lightened with 0.5: 178; strength 0.45. Right column
    // (rows 1-2) darkened with 0.45: 55. Strength 1.2: lightening gives 101 * -0.2 + 306 > 255,
    // darkening a negative value: clamped.
    for (double strength : {0.5, 1.2}) {
        ZImage image;
        ASSERT_TRUE(image.Create(5, 4, 24, 0x656565, nullptr));
        ASSERT_TRUE(Buttonize(image, 1, strength));
        const uint32_t l = (strength < 1 ? 178 : 255) * 0x010101u, o = 0x656565;
        const uint32_t d = (strength < 1 ? 55 : 0) * 0x010101u;
        EXPECT_EQ(testing::AllColours(image), (std::vector<uint32_t>{l, l, l, l, l,  //
                                                                     l, o, o, o, d,  //
                                                                     l, o, o, o, d,  //
                                                                     l, d, d, d, d}));
    }
}

TEST(ButtonizeTest, StrengthStopsAtZeroWithoutStepPast) {
    // Frame 20, strength 0.5: the top band reaches strength 0 after 10 rows and stays there, so
    // its rows 10-19 keep their bytes (one step past 0 would darken them), while row 9 (strength
    // 0.05) is lightened a little: trunc(101 * 0.95 + 12.75) = 108.
    ZImage image;
    ASSERT_TRUE(image.Create(60, 60, 24, 0x656565, nullptr));
    ASSERT_TRUE(Buttonize(image, 20, 0.5));
    EXPECT_EQ(BlueAt(image, 30, 0), 178);
    EXPECT_EQ(BlueAt(image, 30, 9), 108);
    for (uint32_t y = 10; y < 20; ++y) {
        EXPECT_EQ(BlueAt(image, 30, y), 101) << y;
    }
    // Bottom band: strength 0 until k < 11, then rising by 0.05 after each row: the row with
    // k = 1 (the last one) is darkened with 0.45 and the row with k = 10 not at all.
    EXPECT_EQ(BlueAt(image, 30, 59), 55);
    EXPECT_EQ(BlueAt(image, 30, 50), 101);
    EXPECT_EQ(BlueAt(image, 30, 51), 95);   // k = 9: trunc(101 * 0.95)
    EXPECT_EQ(BlueAt(image, 30, 49), 101);  // k = 11, strength still 0
}

TEST(ButtonizeTest, OversizedFrameBecomesSmallerSideMinusOne) {
    // Frame 20 on 40 x 10 works as frame 9 (and not as 8). (On a square picture every frame of
    // half its side or more gives the same result: the bands' ranges past the middle are empty.)
    ZImage a, b, c;
    MakeNoise(a, 40, 10, 32, 1);
    ASSERT_TRUE(b.CopyFrom(a));
    ASSERT_TRUE(c.CopyFrom(a));
    ASSERT_TRUE(Buttonize(a, 20, 0.5));
    ASSERT_TRUE(Buttonize(b, 9, 0.5));
    ASSERT_TRUE(Buttonize(c, 8, 0.5));
    EXPECT_TRUE(SameBytes(a, b));
    EXPECT_FALSE(SameBytes(a, c));

    // A single row: the frame becomes 0 and nothing changes; alpha is never touched.
    ZImage row, before;
    MakeNoise(row, 7, 1, 32, 2);
    ASSERT_TRUE(before.CopyFrom(row));
    ASSERT_TRUE(Buttonize(row, 5, 0.5));
    EXPECT_TRUE(SameBytes(row, before));

    ZImage alpha;
    MakeNoise(alpha, 12, 9, 32, 3);
    ASSERT_TRUE(before.CopyFrom(alpha));
    ASSERT_TRUE(Buttonize(alpha, 4, 0.7));
    for (uint32_t i = 0; i < 12 * 9; ++i) {
        EXPECT_EQ(At(alpha, i % 12, i / 12, 3), At(before, i % 12, i / 12, 3));
    }
}

TEST(ButtonizeTest, Refusals) {
    ZImage empty, grey, image, before;
    EXPECT_FALSE(Buttonize(empty, 20, 0.5));
    ASSERT_TRUE(grey.Create(30, 30, 8, 0, test::GreyPalette()));
    EXPECT_FALSE(Buttonize(grey, 20, 0.5));
    MakeNoise(image, 30, 30, 24, 4);
    ASSERT_TRUE(before.CopyFrom(image));
    EXPECT_FALSE(Buttonize(image, -1, 0.5));
    EXPECT_FALSE(Buttonize(image, 4, std::nan("")));
    EXPECT_TRUE(SameBytes(image, before));
}

// Grayscale and pencil drawing -------------------------------------------------------------------

TEST(GrayscaleTest, BlueByteBecomesTheGreyValue) {
    ZImage image;
    ASSERT_TRUE(image.Create(3, 2, 24, 0x0000FF, nullptr));  // pure red
    ASSERT_TRUE(image.FillRect(1, 0, 1, 1, 0xFF0000));       // pure blue
    ASSERT_TRUE(image.FillRect(2, 1, 1, 1, 0x40FF10));       // blue 0x40 under strong green
    image.dpiX = 300;
    image.dpiY = 150;
    ASSERT_TRUE(Grayscale(image));
    ASSERT_EQ(image.GetBitsPerPixel(), 8);
    EXPECT_EQ(std::make_tuple(image.GetWidth(), image.GetHeight(), image.dpiX, image.dpiY),
              std::make_tuple(3u, 2u, 300, 150));
    // Red: black; blue: white; the blue byte alone under strong green.
    EXPECT_EQ(std::vector<uint8_t>(image.GetBits(), image.GetBits() + 7),
              (std::vector<uint8_t>{0, 0, 0x40, 0, 0, 255, 0}));
    uint8_t palette[ZImage::kPaletteBytes];
    ASSERT_TRUE(image.GetPalette(palette));
    EXPECT_EQ(0, std::memcmp(palette, test::GreyPalette(), sizeof palette));
}

TEST(GrayscaleTest, ThirtyTwoBitAndPaletteSources) {
    ZImage deep, before;
    MakeNoise(deep, 5, 3, 32, 8);
    ASSERT_TRUE(before.CopyFrom(deep));
    ASSERT_TRUE(Grayscale(deep));
    for (uint32_t i = 0; i < 15; ++i) {
        EXPECT_EQ(deep.GetPixelIndex(i % 5, i / 5), At(before, i % 5, i / 5, 0));
    }

    // A 4-bit picture: index 1 is (red 10, green 20, blue 30), index 2 (blue 200).
    uint8_t palette[ZImage::kPaletteBytes] = {};
    std::memcpy(palette + 3, "\x0A\x14\x1E\x00\x00\xC8", 6);
    ZImage nibbles;
    ASSERT_TRUE(nibbles.Create(3, 1, 4, 0, palette));
    nibbles.GetRow(0)[0] = 0x12;  // pixels 1, 2, then pixel 0
    nibbles.GetRow(0)[1] = 0x00;
    ASSERT_TRUE(Grayscale(nibbles));
    EXPECT_EQ(nibbles.GetBitsPerPixel(), 8);
    EXPECT_EQ(std::vector<uint8_t>(nibbles.GetBits(), nibbles.GetBits() + 3),
              (std::vector<uint8_t>{30, 200, 0}));

    ZImage empty;
    EXPECT_FALSE(Grayscale(empty));
}

TEST(PencilDrawingTest, OutlineInvertedGreyOnTwentyFourBits) {
    // 3 x 3, blue bytes by memory row {10, 20, 30}, {40, 50, 60}, {70, 80, 95}; green and red
    // large so that only the blue byte can show. Border pixels: 255 - blue. Centre: filter 12
    // gives 95 - 50 = 45, inverted 210.
    const uint8_t blue[3][3] = {{10, 20, 30}, {40, 50, 60}, {70, 80, 95}};
    ZImage image;
    MakePicture(image, 3, 3, 24, [&](uint32_t x, uint32_t r, uint32_t c) -> uint8_t {
        return c == 0 ? blue[r][x] : 250;
    });
    ASSERT_TRUE(PencilDrawing(image));
    ASSERT_EQ(image.GetBitsPerPixel(), 24);
    const uint8_t grey[9] = {245, 235, 225, 215, 210, 195, 185, 175, 160};
    for (uint32_t i = 0; i < 27; ++i) {
        EXPECT_EQ(At(image, i / 3 % 3, i / 9, i % 3), grey[i / 3]) << i;
    }
    ZImage empty;
    EXPECT_FALSE(PencilDrawing(empty));
}

// Invert and colour offset -----------------------------------------------------------------------

TEST(InvertTest, EveryByteOfDeepPicturesPaddingIncludedAndThePaletteOfOthers) {
    ZImage image;  // 1 x 2 at 24 bits: stride 4, one padding byte per row
    ASSERT_TRUE(image.Create(1, 2, 24, 0x102030, nullptr));
    image.GetRow(0)[3] = 0x0F;
    image.GetRow(1)[3] = 0xF0;
    ASSERT_TRUE(Invert(image));
    EXPECT_EQ(std::vector<uint8_t>(image.GetBits(), image.GetBits() + 8),
              (std::vector<uint8_t>{0xEF, 0xDF, 0xCF, 0xF0, 0xEF, 0xDF, 0xCF, 0x0F}));
    ZImage deep, before;
    MakeNoise(deep, 9, 5, 32, 6);
    ASSERT_TRUE(before.CopyFrom(deep));
    ASSERT_TRUE(Invert(deep));
    for (size_t i = 0; i < deep.GetPixelMemorySize(); ++i) {
        EXPECT_EQ(deep.GetBits()[i], 255 - before.GetBits()[i]);  // alpha included
    }
    // An 8-bit picture keeps its indices; entry 1 (red 10, green 20, blue 30) is inverted.
    uint8_t palette[ZImage::kPaletteBytes] = {0, 0, 0, 10, 20, 30};
    ASSERT_TRUE(image.Create(4, 2, 8, 0, palette));
    image.GetRow(1)[2] = 1;
    ASSERT_TRUE(Invert(image));
    EXPECT_EQ(image.GetPixelIndex(2, 1), 1);
    EXPECT_EQ(image.GetPixelIndex(0, 0), 0);
    ASSERT_TRUE(image.GetPalette(palette));
    EXPECT_EQ(std::vector<uint8_t>(palette, palette + 6),
              (std::vector<uint8_t>{255, 255, 255, 245, 235, 225}));
    ZImage empty;
    EXPECT_FALSE(Invert(empty));
}

TEST(ColorOffsetTest, ClampedPerChannelAlphaKept) {
    ZImage image;
    MakePicture(image, 3, 1, 32, [](uint32_t x, uint32_t, uint32_t c) -> uint8_t {
        const uint8_t pixels[3][4] = {{10, 100, 250, 7}, {0, 255, 128, 8}, {200, 5, 3, 9}};
        return pixels[x][c];
    });
    ASSERT_TRUE(ColorOffset(image, 10, -20, 60));  // red +10, green -20, blue +60
    const uint8_t expected[3][4] = {{70, 80, 255, 7}, {60, 235, 138, 8}, {255, 0, 13, 9}};
    for (uint32_t x = 0; x < 3; ++x) {
        for (uint32_t c = 0; c < 4; ++c) {
            EXPECT_EQ(At(image, x, 0, c), expected[x][c]) << x << "," << c;
        }
    }
    ZImage wide;
    ASSERT_TRUE(wide.Create(2, 2, 24, 0x808080, nullptr));
    ASSERT_TRUE(ColorOffset(wide, 100000, -100000, 0));
    EXPECT_EQ(testing::ColourAt(wide, 1, 1), 0x8000FFu);

    ZImage grey;
    ASSERT_TRUE(grey.Create(2, 2, 8, 0, test::GreyPalette()));
    EXPECT_FALSE(ColorOffset(grey, 1, 1, 1));
    ZImage empty;
    EXPECT_FALSE(ColorOffset(empty, 1, 1, 1));
}

}  // namespace
}  // namespace zentrova
