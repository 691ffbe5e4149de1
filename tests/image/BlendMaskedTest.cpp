// Masked blend: exact values (signed product, truncation towards zero), the vector kernel against
// the scalar one over every input, clipping at every edge, depths and alpha.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "image/ZBlendRow.h"
#include "image/ZCompositing.h"
#include "tests/image/CompositingTestSupport.h"

namespace zentrova {
namespace {

using Colours = std::vector<uint32_t>;
using testing::AllColours;
using testing::ByteNoise;
using testing::ColourAt;
using testing::MakeMask;
using testing::PixelAt;
using testing::SameBytes;
using testing::SetPixel;

// d + (s - d) * m / 255 with the product's sign and truncation towards zero, at a length that
// runs the vector body and its scalar tail; then the two kernels agree on every input.
TEST(BlendMasked, KernelsGiveStatedValuesAndAgreeOnEveryInput) {
    constexpr size_t kCount = 256 + 13;
    std::vector<uint8_t> weights(kCount), source(kCount), scalar(kCount), fast(kCount);
    struct Case {
        uint8_t d, s, m, want;
    };
    // 255 - trunc(255 / 255); 10 + trunc(1 * 254 / 255); 11 - trunc(254 / 255); 0 + 32640 / 255;
    // 255 - trunc(32640 / 255); 200 - trunc(190 * 77 / 255 = 57.4); 10 + 190 * 77 / 255.
    for (const Case& c : {Case{255, 0, 1, 254}, Case{10, 11, 254, 10}, Case{11, 10, 254, 11},
                          Case{0, 255, 128, 128}, Case{255, 0, 128, 127}, Case{200, 10, 77, 143},
                          Case{10, 200, 77, 67}, Case{9, 99, 0, 9}, Case{9, 99, 255, 99}}) {
        std::memset(weights.data(), c.m, kCount);
        std::memset(source.data(), c.s, kCount);
        std::memset(scalar.data(), c.d, kCount);
        std::memset(fast.data(), c.d, kCount);
        blend::BlendBytesScalar(scalar.data(), source.data(), weights.data(), kCount);
        blend::BlendBytes(fast.data(), source.data(), weights.data(), kCount);
        EXPECT_EQ(scalar, std::vector<uint8_t>(kCount, c.want)) << int(c.d) << " " << int(c.s);
        EXPECT_EQ(fast, scalar) << int(c.d) << " " << int(c.s) << " " << int(c.m);
    }
    for (size_t i = 0; i < kCount; ++i) {
        weights[i] = static_cast<uint8_t>(i);
    }
    for (int d = 0; d < 256; ++d) {
        for (int s = 0; s < 256; ++s) {
            std::memset(source.data(), s, kCount);
            std::memset(scalar.data(), d, kCount);
            std::memset(fast.data(), d, kCount);
            blend::BlendBytesScalar(scalar.data(), source.data(), weights.data(), kCount);
            blend::BlendBytes(fast.data(), source.data(), weights.data(), kCount);
            ASSERT_EQ(fast, scalar) << "d " << d << " s " << s;
        }
    }
}

// A 5 x 4 destination and a 3 x 3 source whose pixel (i, j) is (10 * i + j, 100 + j, 200), laid
// with weight 255 at every edge, so that every destination pixel shows which source pixel reached
// it; nothing on the destination fails and changes nothing.
TEST(BlendMasked, ClippedAtEveryEdge) {
    ZImage source, mask;
    ASSERT_TRUE(source.Create(3, 3, 24, 0, nullptr));
    ASSERT_TRUE(MakeMask(mask, 3, 3, 255));
    for (uint32_t k = 0; k < 9; ++k) {
        SetPixel(source, k % 3, k / 3, static_cast<uint8_t>(10 * (k % 3) + k / 3),
                 static_cast<uint8_t>(100 + k / 3), 200);
    }
    struct Case {
        int32_t x, y;
        bool lands;
    };
    // Inside, left edge (source column 0 skipped), top-left corner (only source pixel (2, 2)
    // lands), top, right (column 2 cut off), bottom (row 2 cut off), bottom-right (only (0, 0)),
    // then right of, below, left of and above the destination, and far away.
    for (const Case& c :
         {Case{1, 0, true}, Case{-1, 1, true}, Case{-2, -2, true}, Case{1, -1, true},
          Case{3, 1, true}, Case{2, 2, true}, Case{4, 3, true}, Case{5, 0, false},
          Case{0, 4, false}, Case{-3, 0, false}, Case{0, -3, false}, Case{-40, 90, false},
          Case{INT32_MIN, INT32_MIN, false}, Case{INT32_MAX, 0, false}}) {
        ZImage destination;
        ASSERT_TRUE(destination.Create(5, 4, 24, 0x505050, nullptr));
        EXPECT_EQ(BlendMasked(destination, source, mask, c.x, c.y), c.lands);
        for (int32_t dy = 0; dy < 4; ++dy) {
            for (int32_t dx = 0; dx < 5; ++dx) {
                const int64_t i = int64_t{dx} - c.x;
                const int64_t j = int64_t{dy} - c.y;
                uint32_t expected = 0x505050;
                if (i >= 0 && i < 3 && j >= 0 && j < 3) {
                    expected = 200 | ((100u + j) << 8) | (uint32_t(10 * i + j) << 16);
                }
                EXPECT_EQ(ColourAt(destination, dx, dy), expected)
                    << "blend at " << c.x << "," << c.y << " pixel " << dx << "," << dy;
            }
        }
    }
}

TEST(BlendMasked, UnsupportedDepthsAndEmptyImagesFailAndChangeNothing) {
    const auto grey = testing::GreyPalette();
    ZImage destination, source, mask, empty, palette8, words16, mask16, mask1, narrow, low, before;
    ASSERT_TRUE(destination.Create(4, 4, 24, 0x123456, nullptr));
    ASSERT_TRUE(source.Create(4, 4, 24, 0xFFFFFF, nullptr));
    ASSERT_TRUE(MakeMask(mask, 4, 4, 255));
    ASSERT_TRUE(palette8.Create(4, 4, 8, 0, grey.data()));
    ASSERT_TRUE(words16.Create(4, 4, 16, 0xFFFFFF, nullptr));
    ASSERT_TRUE(mask16.Create(4, 4, 16, 0xFFFFFF, nullptr));
    ASSERT_TRUE(mask1.Create(4, 4, 1, 0, grey.data()));
    // A source narrower or lower than the mask cannot cover it.
    ASSERT_TRUE(narrow.Create(3, 4, 24, 0xFFFFFF, nullptr));
    ASSERT_TRUE(low.Create(4, 3, 24, 0xFFFFFF, nullptr));
    ASSERT_TRUE(before.CopyFrom(destination));
    for (const ZImage* s : {&palette8, &words16, &empty, &narrow, &low}) {
        EXPECT_FALSE(BlendMasked(destination, *s, mask, 0, 0));
    }
    for (const ZImage* m : {&mask16, &mask1, &empty}) {
        EXPECT_FALSE(BlendMasked(destination, source, *m, 0, 0));
    }
    EXPECT_TRUE(SameBytes(destination, before));
    EXPECT_FALSE(BlendMasked(empty, source, mask, 0, 0));
    EXPECT_FALSE(empty.IsValid());
    ASSERT_TRUE(before.CopyFrom(words16));
    EXPECT_FALSE(BlendMasked(words16, source, mask, 0, 0));
    EXPECT_TRUE(SameBytes(words16, before));
}

TEST(BlendMasked, DestinationAsItsOwnSourceOrMaskIsReadAsItWas) {
    // Blue 10, 20, 30, 40 laid one pixel to the right onto itself with full weight: a shift, not
    // a smear of the first pixel.
    ZImage image, mask;
    ASSERT_TRUE(image.Create(4, 1, 24, 0, nullptr));
    ASSERT_TRUE(MakeMask(mask, 4, 1, 255));
    for (uint32_t x = 0; x < 4; ++x) {
        SetPixel(image, x, 0, static_cast<uint8_t>(10 * (x + 1)), 0, 0);
    }
    ASSERT_TRUE(BlendMasked(image, image, mask, 1, 0));
    EXPECT_EQ(AllColours(image), (Colours{10 << 16, 10 << 16, 20 << 16, 30 << 16}));
    // As its own mask: weights 0, 51, 255 (blue bytes) blending white in.
    ZImage white;
    ASSERT_TRUE(white.Create(3, 1, 24, 0xFFFFFF, nullptr));
    ASSERT_TRUE(image.Create(3, 1, 24, 0, nullptr));
    SetPixel(image, 1, 0, 51, 0, 0);
    SetPixel(image, 2, 0, 255, 0, 0);
    ASSERT_TRUE(BlendMasked(image, white, image, 0, 0));
    // Blue 51 + trunc(204 * 51 / 255 = 40.8) = 91, green and red 255 * 51 / 255 = 51.
    EXPECT_EQ(AllColours(image), (Colours{0, 0x5B3333, 0xFFFFFF}));
}

// Odd widths at every depth combination, a noisy picture and a mask of weights 0 and 255 (its
// first byte; the others are noise) laid at a negative offset: each pixel is the destination's or
// the source's; alpha and the row padding of the destination are left alone.
TEST(BlendMasked, OddSizesTakeTheSourceWhereTheMaskIsFull) {
    ByteNoise noise(2024);
    const auto grey = testing::GreyPalette();
    for (uint32_t dBits : {24u, 32u}) {
        for (uint32_t sBits : {24u, 32u}) {
            for (uint32_t mBits : {8u, 24u, 32u}) {
                ZImage destination, source, mask, before;
                ASSERT_TRUE(destination.Create(37, 9, dBits, 0, nullptr));
                ASSERT_TRUE(source.Create(29, 7, sBits, 0, nullptr));
                ASSERT_TRUE(mask.Create(27, 6, mBits, 0, grey.data()));
                noise.Fill(destination);
                noise.Fill(source);
                noise.Fill(mask);
                for (uint32_t k = 0; k < 27 * 6; ++k) {
                    uint8_t* weight = PixelAt(mask, k % 27, k / 27);
                    *weight = *weight < 128 ? 0 : 255;
                }
                ASSERT_TRUE(before.CopyFrom(destination));
                const int32_t x = -3, y = 2;
                ASSERT_TRUE(BlendMasked(destination, source, mask, x, y));
                for (size_t k = 0; k < destination.GetPixelMemorySize(); ++k) {
                    const uint32_t r = static_cast<uint32_t>(k / destination.GetStride());
                    const uint32_t byte = static_cast<uint32_t>(k % destination.GetStride());
                    const uint32_t dx = byte / (dBits / 8), channel = byte % (dBits / 8);
                    const int32_t i = static_cast<int32_t>(dx) - x, j = 8 - int32_t(r) - y;
                    int expected = before.GetBits()[k];
                    if (dx < 37 && channel < 3 && i >= 0 && i < 27 && j >= 0 && j < 6 &&
                        PixelAt(mask, i, j)[0] == 255) {
                        expected = PixelAt(source, i, j)[channel];
                    }
                    ASSERT_EQ(destination.GetBits()[k], expected)
                        << dBits << "/" << sBits << "/" << mBits << " byte " << k;
                }
            }
        }
    }
}

}  // namespace
}  // namespace zentrova
