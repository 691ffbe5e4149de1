// Drop shadow: the margin rule, hand-computed small shadows, both paths against the moved
// silhouette or rectangle they stand for, and the refusals.
#include <cstdint>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "image/ZCompositing.h"
#include "image/ZImageEffects.h"
#include "tests/image/CompositingTestSupport.h"

namespace zentrova {
namespace {

using testing::ByteNoise;
using testing::ColourAt;
using testing::PixelAt;
using testing::SameBytes;
using testing::SamePixels;

DropShadowOptions Options(int direction, int dither, int intensity, int offset, bool plain = false,
                          ZColor shadow = 0x000000, ZColor background = 0xFFFFFF,
                          ZColor key = 0xFF00FF) {
    DropShadowOptions o;
    o.shadowColour = shadow;
    o.backgroundColour = background;
    o.directionDegrees = direction;
    o.dither = dither;
    o.intensityPercent = intensity;
    o.offset = offset;
    o.plainRectangle = plain;
    o.keyColour = key;
    return o;
}

TEST(DropShadow, MarginIsTwiceTheOffsetPlusTwoAndAHalfDither) {
    EXPECT_EQ(DropShadowMargin(5, 4), 20);
    EXPECT_EQ(DropShadowMargin(3, 8), 26);
    EXPECT_EQ(DropShadowMargin(1, 1), 4);  // 2.5 truncated
    EXPECT_EQ(DropShadowMargin(0, 3), 7);  // 7.5 truncated
    EXPECT_EQ(DropShadowMargin(0, 0), 0);
}

TEST(DropShadow, SharpShadowByHand) {
    // 3 x 2 picture, offset 1, no dither, direction 300 (right and below): m = 2, result 7 x 6,
    // picture at columns 2..4, rows 2..3, shadow rectangle at columns 3..5, rows 3..4.
    ZImage image;
    ASSERT_TRUE(image.Create(3, 2, 24, 0x102030, nullptr));
    ASSERT_TRUE(ApplyDropShadow(image, Options(300, 0, 100, 1)));
    const ZColor w = 0xFFFFFF, p = 0x102030;
    EXPECT_EQ(testing::AllColours(image), (std::vector<uint32_t>{w, w, w, w, w, w, w,  //
                                                                 w, w, w, w, w, w, w,  //
                                                                 w, w, p, p, p, w, w,  //
                                                                 w, w, p, p, p, 0, w,  //
                                                                 w, w, w, 0, 0, 0, w,  //
                                                                 w, w, w, w, w, w, w}));

    // A key-colour hole at picture (2, 1) over the shadow of pixel (1, 0), background 0x313131:
    // dark (no byte reaches 50), so the hole weighs the background by its own bytes:
    // 0 + 49 * 49 / 255 = 9.
    ASSERT_TRUE(image.Create(3, 2, 24, 0x102030, nullptr));
    testing::SetPixel(image, 2, 1, 0xFF, 0x00, 0xFF);
    ASSERT_TRUE(ApplyDropShadow(image, Options(300, 0, 100, 1, false, 0, 0x313131)));
    EXPECT_EQ(ColourAt(image, 4, 3), 0x090909u);
    EXPECT_EQ(ColourAt(image, 3, 3), 0x102030u);
    EXPECT_EQ(ColourAt(image, 0, 0), 0x313131u);

    // A black key: the mask's silhouette becomes the key colour too, and only the shadow is left.
    ASSERT_TRUE(image.Create(3, 2, 24, 0x102030, nullptr));
    ASSERT_TRUE(ApplyDropShadow(image, Options(300, 0, 100, 1, false, 0x123456, 0xFFFFFF, 0)));
    for (uint32_t i = 0; i < 42; ++i) {
        const bool shadowed = i % 7 >= 3 && i % 7 <= 5 && i / 7 >= 3 && i / 7 <= 4;
        EXPECT_EQ(ColourAt(image, i % 7, i / 7), shadowed ? 0x123456u : 0xFFFFFFu) << i;
    }
}

// The shadow is the picture's silhouette (its pixels other than the key colour) moved by the
// displacement, in the shadow colour mixed with the background by the intensity; the picture lies
// on it and its key pixels show what is below. Pictures of 200 or less take the outline path:
// rows of 101 pixels with key pixels at block-boundary columns and the key's bytes straddling two
// pixels (which are not key pixels); larger ones lay the plain rectangle in pieces.
TEST(DropShadow, BothPathsLayThePictureOnItsMovedSilhouette) {
    struct Case {
        uint32_t w, h;
        int direction, offset, dx, dy, intensity;
        ZColor shadow, background, key, mixed;
    };
    // Colours are 0x00BBGGRR. Black at 80 % on white: t = 204, 255 * 51 / 255 = 51; at 50 %:
    // t = 127 (127.5 truncated), 255 * 128 / 255 = 128. Red 160 at
    // 60 % on red 255, green 240, blue 224: t = 153, red 160 + 95 * 102 / 255 = 198, green
    // 240 * 102 / 255 = 96, blue 224 * 102 / 255 = 89.6.
    const Case cases[] = {{101, 9, 300, 2, 2, 2, 80, 0, 0xFFFFFF, 0xFF00FF, 0x333333},
                          {101, 9, 45, 1, -1, 1, 80, 0, 0xFFFFFF, 0x00FF00, 0x333333},
                          {101, 9, 135, 3, -3, -3, 50, 0, 0xFFFFFF, 0xFF00FF, 0x808080},
                          {101, 9, 200, 2, 2, -2, 80, 0, 0xFFFFFF, 0xFFFF00, 0x333333},
                          {101, 9, 360, 2, 0, 0, 80, 0, 0xFFFFFF, 0xFF00FF, 0x333333},
                          {101, 9, -5, 1, 0, 0, 80, 0, 0xFFFFFF, 0xFF00FF, 0x333333},
                          {201, 201, 300, 2, 2, 2, 60, 0x0000A0, 0xE0F0FF, 0xFF00FF, 0x5960C6},
                          {250, 210, 45, 3, -3, 3, 60, 0x0000A0, 0xE0F0FF, 0xFF00FF, 0x5960C6},
                          {203, 260, 135, 5, -5, -5, 60, 0x0000A0, 0xE0F0FF, 0xFF00FF, 0x5960C6},
                          {320, 205, 200, 1, 1, -1, 60, 0x0000A0, 0xE0F0FF, 0xFF00FF, 0x5960C6},
                          {230, 240, 400, 4, 0, 0, 60, 0x0000A0, 0xE0F0FF, 0xFF00FF, 0x5960C6}};
    for (const Case& c : cases) {
        const uint8_t kb = (c.key >> 16) & 0xFF, kg = (c.key >> 8) & 0xFF, kr = c.key & 0xFF;
        for (uint32_t bits : {24u, 32u}) {
            ZImage image, before;
            ASSERT_TRUE(image.Create(c.w, c.h, bits, 0, nullptr));
            ByteNoise(bits + c.offset + c.w).Fill(image);
            for (uint32_t y = 0; c.w <= 200 && y < c.h; ++y) {
                for (uint32_t x : {15u, 16u, 31u, 32u, 47u, 100u}) {
                    if ((x + y) % 3 != 0) {
                        testing::SetPixel(image, x, y, kb, kg, kr);
                    }
                }
                testing::SetPixel(image, 60, y, 0x12, kb, kg);
                testing::SetPixel(image, 61, y, kr, 0x34, 0x56);
                testing::SetPixel(image, 70, y, 0x12, 0x34, kb);
                testing::SetPixel(image, 71, y, kg, kr, 0x56);
            }
            ASSERT_TRUE(before.CopyFrom(image));
            ASSERT_TRUE(ApplyDropShadow(image, Options(c.direction, 0, c.intensity, c.offset, true,
                                                       c.shadow, c.background, c.key)));
            const int m = 2 * c.offset, w = int(c.w), h = int(c.h);
            ASSERT_EQ(image.GetWidth(), c.w + 2 * m);
            ASSERT_EQ(image.GetBitsPerPixel(), 24);
            const auto solid = [&](int x, int y) {
                return x >= 0 && x < w && y >= 0 && y < h && ColourAt(before, x, y) != c.key;
            };
            int mismatches = 0;
            for (int y = 0; y < h + 2 * m; ++y) {
                for (int x = 0; x < w + 2 * m; ++x) {
                    const ZColor expected = solid(x - m, y - m) ? ColourAt(before, x - m, y - m)
                                            : solid(x - m - c.dx, y - m - c.dy) ? c.mixed
                                                                                : c.background;
                    mismatches += ColourAt(image, x, y) != expected;
                }
            }
            EXPECT_EQ(mismatches, 0) << c.w << "x" << c.h << " " << c.direction << " " << bits;
        }
    }
}

TEST(DropShadow, PicturesOf200OrLessTakeTheOutlinePath) {
    // A key-colour hole: the outline path treats it as outside (the background shows through);
    // the plain-rectangle path copies it as it is.
    for (uint32_t side : {150u, 200u, 201u}) {
        ZImage image;
        ASSERT_TRUE(image.Create(side + 10, side, 24, 0x00FF00, nullptr));
        testing::SetPixel(image, 60, 60, 0xFF, 0x00, 0xFF);
        ASSERT_TRUE(ApplyDropShadow(image, Options(315, 0, 100, 3, true)));
        // Outline: the shadow of the surrounding picture shows through the hole (margin 6).
        EXPECT_EQ(ColourAt(image, 66, 66), side <= 200 ? 0x000000u : 0xFF00FFu) << side;
    }
}

TEST(DropShadow, PlainRectangleMatchesTheOutlinePathOnOpaquePictures) {
    // With a background whose blue byte is 255 the outline path leaves the blurred silhouette
    // unmixed; for an opaque picture well over 200 pixels and a blur that does not reach across
    // the sample, both paths give the same margins.
    for (int direction : {45, 315, 100, 250}) {
        ZImage a;
        ASSERT_TRUE(a.Create(320, 240, 24, 0, nullptr));
        ByteNoise noise(direction);
        noise.Fill(a);
        for (uint32_t y = 0; y < 240; ++y) {
            for (uint32_t x = 0; x < 320; ++x) {
                if (ColourAt(a, x, y) == 0xFF00FF) {
                    PixelAt(a, x, y)[0] = 0;
                }
            }
        }
        ZImage b;
        ASSERT_TRUE(b.CopyFrom(a));
        const ZColor corner = ColourAt(a, 319, 239);
        ASSERT_TRUE(ApplyDropShadow(a, Options(direction, 8, 70, 4, false, 0x203040, 0xFFC0E0)));
        ASSERT_TRUE(ApplyDropShadow(b, Options(direction, 8, 70, 4, true, 0x203040, 0xFFC0E0)));
        EXPECT_TRUE(SamePixels(a, b)) << direction;
        // Margin 2 * 4 + 5 * 8 / 2 = 28 on each side.
        EXPECT_EQ(std::make_pair(a.GetWidth(), a.GetHeight()), std::make_pair(376u, 296u));
        EXPECT_EQ(ColourAt(a, 28 + 319, 28 + 239), corner);
    }
}

TEST(DropShadow, RefusesWithoutChangingAnything) {
    ZImage empty;
    EXPECT_FALSE(ApplyDropShadow(empty, Options(315, 4, 50, 3)));
    EXPECT_FALSE(empty.IsValid());
    const auto grey = testing::GreyPalette();
    for (uint32_t bits : {1u, 4u, 8u, 16u, 24u}) {
        ZImage image, before;
        ASSERT_TRUE(image.Create(7, 5, bits, 0x808080, grey.data()));
        ASSERT_TRUE(before.CopyFrom(image));
        if (bits == 24) {  // a negative dither or offset
            EXPECT_FALSE(ApplyDropShadow(image, Options(315, -1, 50, 3)));
            EXPECT_FALSE(ApplyDropShadow(image, Options(315, 4, 50, -2)));
        } else {
            EXPECT_FALSE(ApplyDropShadow(image, Options(315, 4, 50, 3))) << bits;
        }
        EXPECT_TRUE(SameBytes(image, before));
    }
}

}  // namespace
}  // namespace zentrova
