// Drop shadow: the margin rule, hand-computed small shadows, the outline path against its steps
// written out with the compositing operations, the plain-rectangle path against the shadow
// rectangle it stands for, and the refusals.
#include <cstdint>
#include <tuple>
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

// Copies blue, green, red of the 24- or 32-bit source into the 24-bit target at (x, y), as
// drawing the picture into the target's device context does (the picture lies inside).
void DrawInto(ZImage& target, const ZImage& source, int x, int y) {
    for (uint32_t j = 0; j < source.GetHeight(); ++j) {
        for (uint32_t i = 0; i < source.GetWidth(); ++i) {
            const uint8_t* s = PixelAt(source, i, j);
            uint8_t* d = PixelAt(target, x + i, y + j);
            d[0] = s[0], d[1] = s[1], d[2] = s[2];
        }
    }
}

// The shadow's displacement for a direction: left and down for 0-89 degrees, then turning
// clockwise by quadrant; none outside 0-359.
void Displacement(int d, int offset, int& ox, int& oy) {
    ox = oy = 0;
    if (d >= 0 && d < 360) {
        ox = d < 180 ? -offset : offset;
        oy = d < 90 || d >= 270 ? offset : -offset;
    }
}

// The outline path step by step: draw, replace, blur, draw, replace, mask, invert, blend.
bool ReferenceOutlineShadow(ZImage& image, const DropShadowOptions& o) {
    const int m = 2 * o.offset + o.dither * 5 / 2;
    int ox = 0, oy = 0;
    Displacement(o.directionDegrees, o.offset, ox, oy);
    const int t = o.intensityPercent * 255 / 100;
    ZColor s = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int sc = (o.shadowColour >> shift) & 0xFF;
        const int bc = (o.backgroundColour >> shift) & 0xFF;
        s |= static_cast<ZColor>(sc + (bc - sc) * (255 - t) / 255) << shift;
    }
    const uint32_t w = image.GetWidth() + 2 * m;
    const uint32_t h = image.GetHeight() + 2 * m;
    const ZColor key = o.keyColour;
    const ZColor bg = o.backgroundColour;
    ZImage a, b, mask;
    if (!a.Create(w, h, 24, key, nullptr) || !b.Create(w, h, 24, bg, nullptr) ||
        !mask.Create(w, h, 24, key, nullptr)) {
        return false;
    }
    DrawInto(a, image, m + ox, m + oy);
    ReplaceAllButColor(a, key, s);
    ReplaceColor(a, key, bg);
    if (o.dither > 0 && !BoxBlur(a, o.dither, 3)) {
        return false;
    }
    DrawInto(b, image, m, m);
    ReplaceColor(b, key, bg);
    DrawInto(mask, image, m, m);
    const bool bright = (bg & 0xFF) >= 50 || ((bg >> 8) & 0xFF) >= 50 || ((bg >> 16) & 0xFF) >= 50;
    ReplaceAllButColor(mask, key, bright ? 0x000000 : 0xFFFFFF);
    ReplaceColor(mask, key, bg);
    if (bright) {
        for (size_t i = 0; i < mask.GetPixelMemorySize(); ++i) {
            mask.GetBits()[i] = static_cast<uint8_t>(255 - mask.GetBits()[i]);
        }
    }
    if (!BlendMasked(a, b, mask, 0, 0)) {
        return false;
    }
    return image.CopyFrom(a);
}

// Noise with about one pixel in eight set to the key colour.
void FillNoiseWithHoles(ZImage& image, uint32_t seed, ZColor key) {
    ByteNoise noise(seed);
    noise.Fill(image);
    for (uint32_t y = 0; y < image.GetHeight(); ++y) {
        for (uint32_t x = 0; x < image.GetWidth(); ++x) {
            if (noise.Next() < 32) {
                testing::SetPixel(image, x, y, (key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF);
            }
        }
    }
}

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

    for (bool plain : {false, true}) {
        ZImage image;
        ASSERT_TRUE(image.Create(300, 200, 24, 0x336699, nullptr));
        ASSERT_TRUE(ApplyDropShadow(image, Options(315, 4, 50, 5, plain)));
        EXPECT_EQ(std::make_tuple(image.GetWidth(), image.GetHeight(), image.GetBitsPerPixel()),
                  std::make_tuple(340u, 240u, uint8_t{24}));
        EXPECT_EQ(ColourAt(image, 20, 20), 0x336699u);
        EXPECT_EQ(ColourAt(image, 319, 219), 0x336699u);
    }
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

    // Intensity 50: t = 127, each channel 0 + trunc(255 * 128 / 255) = 128.
    ASSERT_TRUE(image.Create(3, 2, 24, 0x102030, nullptr));
    ASSERT_TRUE(ApplyDropShadow(image, Options(300, 0, 50, 1)));
    EXPECT_EQ(ColourAt(image, 5, 4), 0x808080u);
    EXPECT_EQ(ColourAt(image, 1, 1), 0xFFFFFFu);
}

TEST(DropShadow, OutlinePathFollowsItsStepsExactly) {
    struct Colours {
        ZColor shadow, background, key;
    };
    const Colours colours[] = {{0x000000, 0xFFFFFF, 0xFF00FF}, {0x402010, 0xC0C0C0, 0xFF00FF},
                               {0x000000, 0x313131, 0xFF00FF}, {0x808080, 0x320000, 0xFF00FF},
                               {0x000000, 0x000000, 0xFF00FF}, {0xFF00FF, 0xFFFFFF, 0xFF00FF},
                               {0x000000, 0xFF00FF, 0xFF00FF}, {0x123456, 0xFFFFFF, 0x000000},
                               {0x123456, 0x101010, 0xFFFFFF}, {0xFFFFFF, 0x000031, 0x000000}};
    const int directions[] = {0, 45, 90, 135, 180, 225, 270, 315, 359, 360, -5};
    const uint32_t sizes[][2] = {{1, 1}, {5, 3}, {17, 12}, {2, 9}, {40, 31}};
    uint32_t seed = 11;
    int checked = 0;
    for (const Colours& c : colours) {
        for (int i = 0; i < 6; ++i, ++seed) {
            // Pictures of 200 or less take the outline path, plain rectangle or not.
            const DropShadowOptions o =
                Options(directions[seed % 11], static_cast<int>(seed % 5) * 2,
                        static_cast<int>((seed * 37) % 101), static_cast<int>(seed % 4),
                        seed % 2 == 0, c.shadow, c.background, c.key);
            const uint32_t* size = sizes[seed % 5];
            for (uint32_t bits : {24u, 32u}) {
                ZImage image;
                ASSERT_TRUE(image.Create(size[0], size[1], bits, 0, nullptr));
                FillNoiseWithHoles(image, seed, c.key);
                ZImage expected;
                ASSERT_TRUE(expected.CopyFrom(image));
                ASSERT_TRUE(ReferenceOutlineShadow(expected, o));
                ASSERT_TRUE(ApplyDropShadow(image, o));
                EXPECT_TRUE(SamePixels(image, expected))
                    << "case " << seed << " bits " << bits << " size " << size[0] << "x" << size[1];
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 120);
}

TEST(DropShadow, OutlinePathFindsSparseHolesInLongRows) {
    // Long rows with a few key pixels at block-boundary columns, and byte sequences that spell the
    // key colour across two pixels (which are not key pixels): the outline path against its steps.
    for (uint32_t bits : {24u, 32u}) {
        ZImage image;
        ASSERT_TRUE(image.Create(101, 9, bits, 0, nullptr));
        ByteNoise noise(bits);
        noise.Fill(image);
        for (uint32_t y = 0; y < 9; ++y) {
            for (uint32_t x : {15u, 16u, 31u, 32u, 47u, 100u}) {
                if ((x + y) % 3 != 0) {
                    testing::SetPixel(image, x, y, 0xFF, 0x00, 0xFF);
                }
            }
            // (., FF, 00) followed by (FF, ., .): the bytes FF 00 FF straddle two pixels.
            testing::SetPixel(image, 60, y, 0x12, 0xFF, 0x00);
            testing::SetPixel(image, 61, y, 0xFF, 0x34, 0x56);
            testing::SetPixel(image, 70, y, 0x12, 0x34, 0xFF);
            testing::SetPixel(image, 71, y, 0x00, 0xFF, 0x56);
        }
        for (int dither : {0, 2}) {
            ZImage shadowed, expected;
            ASSERT_TRUE(shadowed.CopyFrom(image));
            ASSERT_TRUE(expected.CopyFrom(image));
            const DropShadowOptions o = Options(300, dither, 80, 2);
            ASSERT_TRUE(ReferenceOutlineShadow(expected, o));
            ASSERT_TRUE(ApplyDropShadow(shadowed, o));
            EXPECT_TRUE(SamePixels(shadowed, expected)) << bits << " bits, dither " << dither;
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

TEST(DropShadow, PlainRectangleWithoutDitherIsTheShiftedRectangle) {
    // No blur: the sample's edges are sharp, and the pieces lay exactly the shadow rectangle
    // (the picture's size, moved by the displacement) around the picture.
    struct Case {
        uint32_t w, h;
        int direction, offset;
    };
    for (const Case& c : {Case{201, 201, 300, 2}, Case{250, 210, 45, 3}, Case{203, 260, 135, 5},
                          Case{320, 205, 200, 1}, Case{230, 240, 400, 4}}) {
        ZImage image;
        ASSERT_TRUE(image.Create(c.w, c.h, 32, 0, nullptr));
        ByteNoise noise(c.w);
        noise.Fill(image);
        ZImage before;
        ASSERT_TRUE(before.CopyFrom(image));
        ASSERT_TRUE(ApplyDropShadow(
            image, Options(c.direction, 0, 60, c.offset, true, 0x0000A0, 0xE0F0FF)));
        const int m = 2 * c.offset;
        int ox = 0, oy = 0;
        Displacement(c.direction, c.offset, ox, oy);
        // t = 153: each channel s + trunc((b - s) * 102 / 255).
        const ZColor shadow = (0xA0 + (0xFF - 0xA0) * 102 / 255) | ((0xF0 * 102 / 255) << 8) |
                              ((0xE0 * 102 / 255) << 16);
        ASSERT_EQ(image.GetWidth(), c.w + 2 * m);
        ASSERT_EQ(image.GetBitsPerPixel(), 24);
        int mismatches = 0;
        for (int y = 0; y < static_cast<int>(image.GetHeight()); ++y) {
            for (int x = 0; x < static_cast<int>(image.GetWidth()); ++x) {
                ZColor expected = 0xE0F0FF;
                if (x >= m && x < m + int(c.w) && y >= m && y < m + int(c.h)) {
                    expected = ColourAt(before, x - m, y - m);
                } else if (x >= m + ox && x < m + ox + int(c.w) && y >= m + oy &&
                           y < m + oy + int(c.h)) {
                    expected = shadow;
                }
                mismatches += ColourAt(image, x, y) != expected;
            }
        }
        EXPECT_EQ(mismatches, 0) << c.w << "x" << c.h << " direction " << c.direction;
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
        ASSERT_TRUE(ApplyDropShadow(a, Options(direction, 8, 70, 4, false, 0x203040, 0xFFC0E0)));
        ASSERT_TRUE(ApplyDropShadow(b, Options(direction, 8, 70, 4, true, 0x203040, 0xFFC0E0)));
        EXPECT_TRUE(SamePixels(a, b)) << direction;
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
