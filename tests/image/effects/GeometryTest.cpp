// Geometry: mirror, quarter turns and the canvas resize at every depth, checked pixel by pixel
// against their mapping rules, with hand-made small pictures, odd sizes and 1 x 1.
#include <array>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "image/ZImageEffects.h"
#include "tests/image/CompositingTestSupport.h"

namespace zentrova {
namespace {

using testing::ByteNoise;
using testing::RampPalette;
using testing::SameBytes;

const uint32_t kDepths[] = {1, 4, 8, 16, 24, 32};

// The whole stored value of the pixel at picture (x, y): palette index, 16-bit word, or the
// blue, green, red (and alpha) bytes.
uint32_t ValueAt(const ZImage& image, uint32_t x, uint32_t y) {
    const uint32_t bits = image.GetBitsPerPixel();
    const uint32_t r = image.GetHeight() - 1 - y;
    if (bits <= 8) {
        return image.GetPixelIndex(x, r);
    }
    const uint8_t* p = image.GetRow(r) + x * (bits / 8);
    uint32_t v = 0;
    std::memcpy(&v, p, bits / 8);
    return v;
}

std::array<uint8_t, ZImage::kPaletteBytes> Palette(const ZImage& image) {
    std::array<uint8_t, ZImage::kPaletteBytes> p{};
    image.GetPalette(p.data());
    return p;
}

void MakeNoise(ZImage& image, uint32_t w, uint32_t h, uint32_t bits, uint32_t seed) {
    const auto palette = RampPalette();
    ASSERT_TRUE(image.Create(w, h, bits, 0, palette.data()));
    ByteNoise noise(seed);
    noise.Fill(image);
}

using Point = std::pair<int64_t, int64_t>;

// The pixels (x, y) of `image` whose stored value differs from that of `before` at from(x, y),
// or from `fill` where that point lies outside `before`.
template <typename From>
int Wrong(const ZImage& image, const ZImage& before, From from, uint32_t fill = 0) {
    int wrong = 0;
    for (uint32_t i = 0; i < image.GetWidth() * image.GetHeight(); ++i) {
        const auto [x, y] = from(i % image.GetWidth(), i / image.GetWidth());
        const bool in = x >= 0 && y >= 0 && x < before.GetWidth() && y < before.GetHeight();
        wrong += ValueAt(image, i % image.GetWidth(), i / image.GetWidth()) !=
                 (in ? ValueAt(before, uint32_t(x), uint32_t(y)) : fill);
    }
    return wrong;
}

// Odd sizes, 1 x 1, and rows long enough for several blocks of the vector paths.
const uint32_t kSizes[][2] = {{1, 1},  {1, 5},  {6, 1},   {3, 2},  {7, 5},
                              {9, 13}, {17, 3}, {33, 34}, {70, 2}, {101, 3}};

// Mirror -----------------------------------------------------------------------------------------

TEST(Mirror, EveryDepthReversesEveryRow) {
    for (uint32_t bits : kDepths) {
        for (const auto& size : kSizes) {
            ZImage image, before;
            MakeNoise(image, size[0], size[1], bits, bits * 100 + size[0]);
            image.dpiX = 72;
            ASSERT_TRUE(before.CopyFrom(image));
            ASSERT_TRUE(Mirror(image));
            ASSERT_EQ(image.GetWidth(), size[0]);
            EXPECT_EQ(Wrong(image, before,
                            [&](int64_t x, int64_t y) { return Point(size[0] - 1 - x, y); }),
                      0)
                << bits << " bits " << size[0] << "x" << size[1];
            EXPECT_EQ(image.dpiX, 72);
            ASSERT_TRUE(Mirror(image));
            EXPECT_TRUE(SameBytes(image, before)) << bits << " bits, mirrored twice";
        }
    }
}

// Rotation ---------------------------------------------------------------------------------------

TEST(Rotate, EveryDepthFollowsTheMapping) {
    for (uint32_t bits : kDepths) {
        for (const auto& size : kSizes) {
            const uint32_t w = size[0], h = size[1];
            ZImage right, left, before;
            MakeNoise(right, w, h, bits, bits * 31 + w * 7 + h);
            right.dpiX = 150;
            right.dpiY = 300;
            right.hasTransparentIndex = true;
            right.transparentIndex = 7;
            ASSERT_TRUE(before.CopyFrom(right));
            ASSERT_TRUE(left.CopyFrom(right));
            ASSERT_TRUE(RotateRight(right));
            ASSERT_TRUE(RotateLeft(left));
            for (ZImage* turned : {&right, &left}) {
                ASSERT_EQ(std::make_tuple(turned->GetWidth(), turned->GetHeight(),
                                          turned->GetBitsPerPixel(), turned->dpiX, turned->dpiY,
                                          turned->hasTransparentIndex, turned->transparentIndex),
                          std::make_tuple(h, w, uint8_t(bits), 150, 300, true, 7));
                EXPECT_EQ(Palette(*turned), Palette(before));
            }
            // Right: (x, y) -> (h - 1 - y, x); left: (x, y) -> (y, w - 1 - x).
            EXPECT_EQ(
                Wrong(right, before, [&](int64_t X, int64_t Y) { return Point(Y, h - 1 - X); }), 0)
                << bits << " bits " << w << "x" << h;
            EXPECT_EQ(
                Wrong(left, before, [&](int64_t X, int64_t Y) { return Point(w - 1 - Y, X); }), 0)
                << bits << " bits " << w << "x" << h;
        }
    }
}

TEST(Rotate, EmptyPicturesAreRefused) {
    ZImage empty;
    EXPECT_FALSE(RotateRight(empty) || RotateLeft(empty) || Mirror(empty));
}

// Canvas resize ----------------------------------------------------------------------------------

TEST(ResizeCanvas, NineAnchorsOnALargerCanvas) {
    // A 3 x 2 picture on a 8 x 7 canvas: X = 0, 8/2 - 3/2 = 3, 8 - 3 = 5; Y = 0, 7/2 - 2/2 = 2,
    // 7 - 2 = 5.
    const uint32_t xs[] = {0, 3, 5}, ys[] = {0, 2, 5};
    for (int anchor = 0; anchor <= 8; ++anchor) {
        ZImage image, before;
        MakeNoise(image, 3, 2, 24, 5);
        image.dpiX = image.dpiY = 200;
        ASSERT_TRUE(before.CopyFrom(image));
        ASSERT_TRUE(ResizeCanvas(image, 8, 7, anchor, 0x123456));
        ASSERT_EQ(std::make_tuple(image.GetWidth(), image.GetHeight(), image.GetBitsPerPixel(),
                                  image.dpiX, image.dpiY),
                  std::make_tuple(8u, 7u, uint8_t(24), 96, 96));
        const uint32_t px = xs[anchor % 3], py = ys[anchor / 3];
        const auto moved = [&](int64_t x, int64_t y) { return Point(x - px, y - py); };
        EXPECT_EQ(Wrong(image, before, moved, 0x563412u), 0) << anchor;  // fill stored B G R
    }
}

TEST(ResizeCanvas, SmallerCanvasCutsByIntegerHalves) {
    // 5 x 4 to 2 x 1 with anchor 4: X = 1 - 2 = -1, Y = 0 - 2 = -2: the canvas shows picture
    // columns 1..2 of row 2. Anchor 8: X = 2 - 5 = -3, Y = 1 - 4 = -3: columns 3..4 of row 3.
    ZImage before;
    MakeNoise(before, 5, 4, 32, 8);
    for (int anchor : {4, 8, 0}) {
        ZImage image;
        ASSERT_TRUE(image.CopyFrom(before));
        ASSERT_TRUE(ResizeCanvas(image, 2, 1, anchor, 0));
        const uint32_t firstColumn = anchor == 4 ? 1 : anchor == 8 ? 3 : 0;
        const uint32_t row = anchor == 4 ? 2 : anchor == 8 ? 3 : 0;
        const auto cut = [&](int64_t x, int64_t) { return Point(firstColumn + x, row); };
        EXPECT_EQ(Wrong(image, before, cut), 0) << anchor;  // alpha included
    }
}

TEST(ResizeCanvas, EveryDepthKeepsDepthAndPalette) {
    // 5 x 3 picture on a 9 x 4 canvas, anchor 5: X = 9 - 5 = 4, Y = 2 - 1 = 1 (the odd column
    // offset moves 4-bit pixels between half-bytes); then on a 3 x 2 canvas, anchor 1: X = 1 - 2
    // = -1, Y = 0.
    const auto palette = RampPalette();
    for (uint32_t bits : kDepths) {
        ZImage image, before;
        MakeNoise(image, 5, 3, bits, bits + 40);
        ASSERT_TRUE(before.CopyFrom(image));
        ASSERT_TRUE(ResizeCanvas(image, 9, 4, 5, 0x000000));
        ASSERT_EQ(image.GetBitsPerPixel(), bits);
        EXPECT_TRUE(bits > 8 || Palette(image) == palette);
        ZImage fill;
        ASSERT_TRUE(fill.Create(1, 1, bits, 0x000000, palette.data()));
        const auto moved = [](int64_t x, int64_t y) { return Point(x - 4, y - 1); };
        EXPECT_EQ(Wrong(image, before, moved, ValueAt(fill, 0, 0)), 0) << bits;
        ZImage cut;
        ASSERT_TRUE(cut.CopyFrom(before));
        ASSERT_TRUE(ResizeCanvas(cut, 3, 2, 1, 0xFFFFFF));
        EXPECT_EQ(Wrong(cut, before, [](int64_t x, int64_t y) { return Point(x + 1, y); }), 0)
            << bits;
    }
}

TEST(ResizeCanvas, RefusesBadArguments) {
    ZImage image, before;
    MakeNoise(image, 4, 4, 24, 1);
    ASSERT_TRUE(before.CopyFrom(image));
    EXPECT_FALSE(ResizeCanvas(image, 0, 5, 0, 0));
    EXPECT_FALSE(ResizeCanvas(image, 5, 0, 0, 0));
    EXPECT_FALSE(ResizeCanvas(image, -3, 5, 0, 0));
    EXPECT_FALSE(ResizeCanvas(image, 5, 5, 9, 0));
    EXPECT_FALSE(ResizeCanvas(image, 5, 5, -1, 0));
    EXPECT_TRUE(SameBytes(image, before));
    ZImage empty;
    EXPECT_FALSE(ResizeCanvas(empty, 5, 5, 4, 0));
    EXPECT_FALSE(empty.IsValid());
    // The same size at anchor 0 is the picture itself, at 96 dpi.
    image.dpiX = 300;
    ASSERT_TRUE(ResizeCanvas(image, 4, 4, 0, 0xFFFFFF));
    EXPECT_TRUE(SameBytes(image, before));
    EXPECT_EQ(image.dpiX, 96);
}

}  // namespace
}  // namespace zentrova
