// Resampling: the five filters of the resize and the area-average display resampler, with
// hand-computed pictures, the stated results, literal reference implementations, boundary sizes
// and the alpha of 32-bit images.
#include "image/ZResample.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "tests/image/ResampleReference.h"

namespace zentrova {
namespace {

using reference::Picture;

// A deterministic noisy picture: every byte of every pixel from a small linear congruential
// generator (bytes beyond the third included).
Picture Noise(uint32_t w, uint32_t h, uint32_t bytes, uint32_t seed) {
    Picture p(w, h, bytes);
    uint32_t s = seed * 2654435761u + 1;
    for (uint32_t r = 0; r < h; ++r) {
        for (uint32_t x = 0; x < w; ++x) {
            for (uint32_t c = 0; c < bytes; ++c) {
                s = s * 1103515245u + 12345u;
                p.At(x, r)[c] = static_cast<uint8_t>(s >> 16);
            }
        }
    }
    return p;
}

// Runs ResampleBuffer on a picture; the destination starts filled with `fill`.
Picture Resampled(const Picture& src, uint32_t W, uint32_t H, int filter, uint8_t fill = 0) {
    Picture dst(W, H, src.bytes);
    std::fill(dst.data.begin(), dst.data.end(), fill);
    EXPECT_TRUE(ResampleBuffer(dst.data.data(), W, H, src.data.data(), src.width, src.height,
                               src.bytes * 8, filter))
        << "filter " << filter << " " << src.width << "x" << src.height << " -> " << W << "x" << H;
    return dst;
}

Picture AreaAveraged(const Picture& src, uint32_t W, uint32_t H) {
    Picture dst(W, H, 3);
    EXPECT_TRUE(AreaAverageBuffer(dst.data.data(), W, H, src.data.data(), src.width, src.height,
                                  src.bytes * 8, nullptr));
    return dst;
}

// A one-row 24-bit picture whose blue, green and red are all the given values.
Picture GreyRow(const std::vector<uint8_t>& values) {
    Picture p(static_cast<uint32_t>(values.size()), 1, 3);
    for (uint32_t x = 0; x < p.width; ++x) {
        std::memset(p.At(x, 0), values[x], 3);
    }
    return p;
}

// The same values as one column (memory row 0 first).
Picture GreyColumn(const std::vector<uint8_t>& values) {
    Picture p(1, static_cast<uint32_t>(values.size()), 3);
    for (uint32_t r = 0; r < p.height; ++r) {
        std::memset(p.At(0, r), values[r], 3);
    }
    return p;
}

std::vector<uint8_t> BlueOfRow(const Picture& p) {
    std::vector<uint8_t> v;
    for (uint32_t x = 0; x < p.width; ++x)
        v.push_back(p.At(x, 0)[0]);
    return v;
}

std::vector<uint8_t> BlueOfColumn(const Picture& p) {
    std::vector<uint8_t> v;
    for (uint32_t r = 0; r < p.height; ++r)
        v.push_back(p.At(0, r)[0]);
    return v;
}

// Largest difference of the blue, green and red bytes of two pictures of the same size.
int MaxColourDifference(const Picture& a, const Picture& b) {
    int most = 0;
    for (uint32_t r = 0; r < a.height; ++r) {
        for (uint32_t x = 0; x < a.width; ++x) {
            for (int c = 0; c < 3; ++c) {
                most = std::max(most, std::abs(a.At(x, r)[c] - b.At(x, r)[c]));
            }
        }
    }
    return most;
}

bool SameColours(const Picture& a, const Picture& b) {
    return a.width == b.width && a.height == b.height && MaxColourDifference(a, b) == 0;
}

struct Size {
    uint32_t w, h, W, H;
};

// Enlarging, reducing, odd sizes, one axis each way, 1-pixel pictures and lines.
const std::vector<Size>& MixedSizes() {
    static const std::vector<Size> sizes = {
        {7, 5, 13, 11},  {13, 11, 7, 5}, {10, 6, 5, 3},  {9, 9, 4, 7},   {5, 9, 11, 3},
        {1, 1, 3, 2},    {3, 2, 1, 1},   {17, 1, 5, 1},  {1, 17, 1, 6},  {6, 4, 6, 9},
        {33, 21, 8, 13}, {4, 4, 15, 15}, {31, 3, 64, 2}, {2, 29, 3, 30},
    };
    return sizes;
}

// Filter 0, No Smoothing -------------------------------------------------------------------------

TEST(ResampleNoSmoothing, StepsWithAStrictComparison) {
    // [A, B] to 4 gives [A, A, A, B]; 4 to 2 gives columns 0 and 1; 3 to 5 steps 0,0,1,1,2.
    EXPECT_EQ(BlueOfRow(Resampled(GreyRow({10, 200}), 4, 1, kFilterNoSmoothing)),
              (std::vector<uint8_t>{10, 10, 10, 200}));
    EXPECT_EQ(BlueOfRow(Resampled(GreyRow({10, 20, 30, 40}), 2, 1, kFilterNoSmoothing)),
              (std::vector<uint8_t>{10, 20}));
    EXPECT_EQ(BlueOfRow(Resampled(GreyRow({10, 20, 30}), 5, 1, kFilterNoSmoothing)),
              (std::vector<uint8_t>{10, 10, 20, 20, 30}));
    // Rows step the same way, from the bottom row.
    EXPECT_EQ(BlueOfColumn(Resampled(GreyColumn({10, 200}), 1, 4, kFilterNoSmoothing)),
              (std::vector<uint8_t>{10, 10, 10, 200}));
    EXPECT_EQ(BlueOfColumn(Resampled(GreyColumn({10, 20, 30, 40, 50}), 1, 2, kFilterNoSmoothing)),
              (std::vector<uint8_t>{10, 30}));
}

TEST(ResampleNoSmoothing, CopiesWholePixelsAtEveryByteDepth) {
    for (uint32_t bytes : {1u, 2u, 3u, 4u}) {
        for (const Size& s : MixedSizes()) {
            const Picture src = Noise(s.w, s.h, bytes, s.w * 31 + s.H);
            const Picture got = Resampled(src, s.W, s.H, kFilterNoSmoothing);
            const Picture want = reference::Nearest(src, s.W, s.H);
            for (uint32_t r = 0; r < s.H; ++r) {
                ASSERT_EQ(0, std::memcmp(got.At(0, r), want.At(0, r), size_t{s.W} * bytes))
                    << bytes << " bytes, " << s.w << "x" << s.h << " -> " << s.W << "x" << s.H;
            }
        }
    }
}

// Filter 1, Bresenham, and filter 4, Bilinear
// ------------------------------------------------------

TEST(ResampleBox, StatedResultsOfTheBoxRule) {
    for (int filter : {kFilterBresenham, kFilterBilinear}) {
        EXPECT_EQ(BlueOfRow(Resampled(GreyRow({10, 200}), 4, 1, filter)),
                  (std::vector<uint8_t>{10, 10, 200, 200}));
        EXPECT_EQ(BlueOfRow(Resampled(GreyRow({10, 20, 30, 40}), 2, 1, filter)),
                  (std::vector<uint8_t>{15, 35}));
        // (10*3 + 20*1) / 4, (20*2 + 30*2) / 4, (30*1 + 40*3) / 4, truncated.
        EXPECT_EQ(BlueOfRow(Resampled(GreyRow({10, 20, 30, 40}), 3, 1, filter)),
                  (std::vector<uint8_t>{12, 25, 37}));
        EXPECT_EQ(BlueOfColumn(Resampled(GreyColumn({10, 20, 30, 40}), 1, 3, filter)),
                  (std::vector<uint8_t>{12, 25, 37}));
    }
}

TEST(ResampleBox, BresenhamAveragesRowsFirstBilinearColumnsFirst) {
    // Bottom row [1, 0], top row [1, 2] to one pixel. Rows first: (1+0)/2 = 0, (1+2)/2 = 1,
    // then (0+1)/2 = 0. Columns first: (1+1)/2 = 1, (0+2)/2 = 1, then 1.
    Picture src(2, 2, 3);
    std::memset(src.At(0, 0), 1, 3);
    std::memset(src.At(1, 0), 0, 3);
    std::memset(src.At(0, 1), 1, 3);
    std::memset(src.At(1, 1), 2, 3);
    EXPECT_EQ(Resampled(src, 1, 1, kFilterBresenham).At(0, 0)[0], 0);
    EXPECT_EQ(Resampled(src, 1, 1, kFilterBilinear).At(0, 0)[0], 1);
}

TEST(ResampleBox, MatchesTheLiteralPassesExactly) {
    for (const Size& s : MixedSizes()) {
        const Picture src = Noise(s.w, s.h, 3, s.h * 17 + s.W);
        EXPECT_TRUE(SameColours(Resampled(src, s.W, s.H, kFilterBresenham),
                                reference::Box(src, s.W, s.H, true)))
            << "filter 1 " << s.w << "x" << s.h << " -> " << s.W << "x" << s.H;
        EXPECT_TRUE(SameColours(Resampled(src, s.W, s.H, kFilterBilinear),
                                reference::Box(src, s.W, s.H, false)))
            << "filter 4 " << s.w << "x" << s.h << " -> " << s.W << "x" << s.H;
    }
}

TEST(ResampleBox, LongLinesKeepExactSums) {
    // Long lines into a few samples: the sums over 70001 samples use the reciprocal division,
    // those over 17 million samples need plain division and 64-bit sums.
    const Picture wide = Noise(70001, 1, 3, 5);
    EXPECT_TRUE(
        SameColours(Resampled(wide, 3, 1, kFilterBresenham), reference::Box(wide, 3, 1, true)));
    EXPECT_TRUE(
        SameColours(Resampled(wide, 7, 1, kFilterBilinear), reference::Box(wide, 7, 1, false)));
    const Picture tall = Noise(1, 40000, 3, 6);
    EXPECT_TRUE(
        SameColours(Resampled(tall, 1, 3, kFilterBresenham), reference::Box(tall, 1, 3, true)));
    EXPECT_TRUE(
        SameColours(Resampled(tall, 2, 5, kFilterBilinear), reference::Box(tall, 2, 5, false)));
    // White stays 255 only if 255 * 17000001 (above 2^32) is summed and divided exactly.
    Picture white(17000001, 1, 3);
    std::fill(white.data.begin(), white.data.end(), 255);
    for (int filter : {kFilterBresenham, kFilterBilinear}) {
        EXPECT_EQ(Resampled(white, 3, 1, filter).data,
                  (std::vector<uint8_t>{255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 0, 0}));
    }
}

// Filters 2 and 3: single precision, within 1 of the literal formulas -----------------------------

TEST(ResampleFloatFilters, WithinOneOfTheLiteralFormula) {
    for (const Size& s : MixedSizes()) {
        const Picture src = Noise(s.w, s.h, 3, s.w + 7 * s.H);
        EXPECT_LE(MaxColourDifference(Resampled(src, s.W, s.H, kFilterBicubic),
                                      reference::Bicubic(src, s.W, s.H)),
                  1)
            << "bicubic " << s.w << "x" << s.h << " -> " << s.W << "x" << s.H;
        EXPECT_LE(MaxColourDifference(Resampled(src, s.W, s.H, kFilterGaussian),
                                      reference::Gaussian(src, s.W, s.H)),
                  1)
            << "gaussian " << s.w << "x" << s.h << " -> " << s.W << "x" << s.H;
    }
    // Far from the origin single-precision positions are coarse; the bound still holds.
    const Picture wide = Noise(4099, 3, 3, 11);
    EXPECT_LE(MaxColourDifference(Resampled(wide, 1711, 2, kFilterBicubic),
                                  reference::Bicubic(wide, 1711, 2)),
              1);
    EXPECT_LE(MaxColourDifference(Resampled(wide, 1711, 2, kFilterGaussian),
                                  reference::Gaussian(wide, 1711, 2)),
              1);
}

TEST(ResampleFloatFilters, FourthByteOf32BitPixelsIsNotComputed) {
    // Bresenham, bicubic and Gaussian leave the fourth byte of 32-bit pixels as it was.
    const Picture src = Noise(6, 5, 4, 9);
    for (int filter : {kFilterBresenham, kFilterBicubic, kFilterGaussian}) {
        const Picture got = Resampled(src, 9, 3, filter, 0x5A);
        for (uint32_t r = 0; r < got.height; ++r) {
            for (uint32_t x = 0; x < got.width; ++x) {
                ASSERT_EQ(got.At(x, r)[3], 0x5A) << filter;
            }
        }
    }
    EXPECT_TRUE(
        SameColours(Resampled(src, 9, 3, kFilterBresenham), reference::Box(src, 9, 3, true)));
    EXPECT_LE(
        MaxColourDifference(Resampled(src, 9, 3, kFilterBicubic), reference::Bicubic(src, 9, 3)),
        1);
}

TEST(ResampleFloatFilters, UniformPictures) {
    // Bicubic weights add up to 1: the colour or one less. The Gaussian's 64 weights add up to
    // (sum of exp(-d^2 / 2) for d = -3..4)^2 / 6.2831855 = 2.50628^2 / 6.28319 = 0.99972, so
    // every non-zero channel loses exactly 1: (200, 100, 50) becomes (199, 99, 49).
    for (const Size& s : MixedSizes()) {
        Picture src(s.w, s.h, 3);
        for (uint32_t r = 0; r < s.h; ++r) {
            for (uint32_t x = 0; x < s.w; ++x) {
                src.At(x, r)[0] = 200, src.At(x, r)[1] = 100, src.At(x, r)[2] = 50;
            }
        }
        const Picture cubic = Resampled(src, s.W, s.H, kFilterBicubic);
        const Picture gauss = Resampled(src, s.W, s.H, kFilterGaussian);
        for (uint32_t r = 0; r < s.H; ++r) {
            for (uint32_t x = 0; x < s.W; ++x) {
                for (int c = 0; c < 3; ++c) {
                    const int want = src.At(0, 0)[c];
                    ASSERT_GE(cubic.At(x, r)[c], want - 1);
                    ASSERT_LE(cubic.At(x, r)[c], want);
                    ASSERT_EQ(gauss.At(x, r)[c], want - 1);
                }
            }
        }
    }
}

TEST(ResampleFloatFilters, BicubicWeightsOfHandComputedPositions) {
    // Enlarging [0, 100, 0] to 6 (one row, so the row weights 1/6 + 4/6 + 1/6 read the same row):
    //   i = 0: x = 0, weights 1/6, 4/6, 1/6 of samples 0 (clamped), 0, 100: 100/6 = 16.7 -> 16;
    //   i = 1: x = 0.5, weights R(-1.5) = 1/48, R(-0.5) = 23/48, R(0.5) = 23/48, R(1.5) = 1/48
    //          of samples 0, 0, 100, 0: 2300/48 = 47.9 -> 47;
    //   i = 2: x = 1, weights 1/6, 4/6, 1/6 of 0, 100, 0: 66.7 -> 66.
    const auto got = BlueOfRow(Resampled(GreyRow({0, 100, 0}), 6, 1, kFilterBicubic));
    EXPECT_EQ(got[0], 16);
    EXPECT_EQ(got[1], 47);
    EXPECT_EQ(got[2], 66);
}

// Dispatcher ----------------------------------------------------------------------------------

TEST(ResampleBuffer, RefusesUnsupportedDepthsFiltersAndSizes) {
    const Picture src = Noise(4, 4, 3, 1);
    std::vector<uint8_t> dst(64, 0x77);
    const std::vector<uint8_t> untouched = dst;
    EXPECT_FALSE(ResampleBuffer(dst.data(), 2, 2, src.data.data(), 4, 4, 32, kFilterBilinear));
    EXPECT_FALSE(ResampleBuffer(dst.data(), 2, 2, src.data.data(), 4, 4, 16, kFilterBresenham));
    EXPECT_FALSE(ResampleBuffer(dst.data(), 2, 2, src.data.data(), 4, 4, 8, kFilterBicubic));
    EXPECT_FALSE(ResampleBuffer(dst.data(), 2, 2, src.data.data(), 4, 4, 12, kFilterNoSmoothing));
    EXPECT_FALSE(ResampleBuffer(dst.data(), 2, 2, src.data.data(), 4, 4, 24, 5));
    EXPECT_FALSE(ResampleBuffer(dst.data(), 2, 2, src.data.data(), 4, 4, 24, -1));
    EXPECT_FALSE(ResampleBuffer(dst.data(), 0, 2, src.data.data(), 4, 4, 24, kFilterBresenham));
    EXPECT_FALSE(ResampleBuffer(dst.data(), 2, 2, src.data.data(), 4, 0, 24, kFilterBresenham));
    EXPECT_EQ(dst, untouched);
}

TEST(ResampleBuffer, EqualSizesCopyTheSource) {
    const Picture src = Noise(5, 3, 3, 2);
    for (int filter = 0; filter <= 4; ++filter) {
        EXPECT_EQ(Resampled(src, 5, 3, filter).data, src.data) << filter;
    }
}

// The display resampler ---------------------------------------------------------------------------

TEST(AreaAverage, StatedAndHandComputedValues) {
    // 3 -> 2 of a uniform 255: weights 2730 + 1365 = 4095 per axis: 255 * 4095^2 >> 24 = 254.
    Picture white(3, 3, 3);
    std::fill(white.data.begin(), white.data.end(), 255);
    const Picture small = AreaAveraged(white, 2, 2);
    for (uint32_t r = 0; r < 2; ++r) {
        for (uint32_t x = 0; x < 2; ++x) {
            EXPECT_EQ(small.At(x, r)[1], 254);
        }
    }
    // 2 -> 1 in both axes: weights 2048 each, the truncated mean: (10 + 20 + 30 + 41) / 4 = 25.
    Picture quad(2, 2, 3);
    std::memset(quad.At(0, 0), 10, 3);
    std::memset(quad.At(1, 0), 20, 3);
    std::memset(quad.At(0, 1), 30, 3);
    std::memset(quad.At(1, 1), 41, 3);
    EXPECT_EQ(AreaAveraged(quad, 1, 1).At(0, 0)[2], 25);
    // Enlarging 2 -> 4 repeats; 3 -> 4 splits sample 1 as 1365 * s0 + 2730 * s1:
    // [255, 0, 0] -> 255, (1365 * 255) >> 12 = 84, 0, 0.
    EXPECT_EQ(BlueOfRow(AreaAveraged(GreyRow({10, 200}), 4, 1)),
              (std::vector<uint8_t>{10, 10, 200, 200}));
    EXPECT_EQ(BlueOfRow(AreaAveraged(GreyRow({255, 0, 0}), 4, 1)),
              (std::vector<uint8_t>{255, 84, 0, 0}));
}

TEST(AreaAverage, MatchesTheLiteralScatterAndMix) {
    for (const Size& s : MixedSizes()) {
        const Picture src = Noise(s.w, s.h, 3, s.w * s.h + 3);
        const bool shrink = s.W <= s.w && s.H <= s.h;
        const bool enlarge = s.W >= s.w && s.H >= s.h;
        if (shrink && !(s.W == s.w && s.H == s.h)) {
            EXPECT_TRUE(SameColours(AreaAveraged(src, s.W, s.H),
                                    reference::AreaShrink(src, s.W, s.H, false)))
                << s.w << "x" << s.h << " -> " << s.W << "x" << s.H;
        } else if (enlarge) {
            EXPECT_TRUE(
                SameColours(AreaAveraged(src, s.W, s.H), reference::AreaEnlarge(src, s.W, s.H)))
                << s.w << "x" << s.h << " -> " << s.W << "x" << s.H;
        }
    }
    const Picture src = Noise(640, 480, 3, 77);
    EXPECT_TRUE(
        SameColours(AreaAveraged(src, 211, 157), reference::AreaShrink(src, 211, 157, false)));
    EXPECT_TRUE(
        SameColours(AreaAveraged(src, 320, 240), reference::AreaShrink(src, 320, 240, false)));
    // Whole-number ratios (3, and 3 with 2) and rows whose byte count is not a multiple of 16.
    const Picture odd = Noise(639, 480, 3, 78);
    for (const Size& s :
         {Size{639, 480, 213, 160}, Size{639, 480, 213, 240}, Size{639, 480, 100, 77}}) {
        EXPECT_TRUE(
            SameColours(AreaAveraged(odd, s.W, s.H), reference::AreaShrink(odd, s.W, s.H, false)))
            << s.W << "x" << s.H;
    }
}

TEST(AreaAverage, WideSourcesShrinkWithSinglePrecisionWeights) {
    // From 4001 columns on, the weights are single-precision fractions: within 1 of the literal
    // scatter, and a uniform picture stays within 1 of its colour.
    const Picture src = Noise(4001, 3, 3, 8);
    EXPECT_LE(
        MaxColourDifference(AreaAveraged(src, 1000, 2), reference::AreaShrink(src, 1000, 2, true)),
        1);
    const Picture tall = Noise(2, 4500, 3, 9);
    EXPECT_LE(
        MaxColourDifference(AreaAveraged(tall, 1, 7), reference::AreaShrink(tall, 1, 7, true)), 1);
    Picture grey(4001, 1, 3);
    std::fill(grey.data.begin(), grey.data.end(), 200);
    for (uint8_t v : BlueOfRow(AreaAveraged(grey, 3, 1))) {
        EXPECT_GE(v, 199);
        EXPECT_LE(v, 200);
    }
}

TEST(AreaAverage, AnAxisShrinkingWhileTheOtherGrowsIsSampled) {
    // 4 x 1 -> 2 x 2: columns are sampled at 0 and 2; the single row is repeated.
    const Picture got = AreaAveraged(GreyRow({10, 20, 30, 40}), 2, 2);
    for (uint32_t r = 0; r < 2; ++r) {
        EXPECT_EQ(got.At(0, r)[0], 10);
        EXPECT_EQ(got.At(1, r)[0], 30);
    }
    // 1 x 5 -> 3 x 2: rows sampled at 0 and 2 (memory rows), each repeated across.
    const Picture column = AreaAveraged(GreyColumn({10, 20, 30, 40, 50}), 3, 2);
    for (uint32_t x = 0; x < 3; ++x) {
        EXPECT_EQ(column.At(x, 0)[0], 10);
        EXPECT_EQ(column.At(x, 1)[0], 30);
    }
}

TEST(AreaAverage, ReadsEveryDepth) {
    // Palette: entry i = (red i, green 2i, blue 255 - i), given as red, green, blue triplets.
    std::array<uint8_t, ZImage::kPaletteBytes> palette{};
    for (int i = 0; i < 256; ++i) {
        palette[3 * i] = static_cast<uint8_t>(i);
        palette[3 * i + 1] = static_cast<uint8_t>(2 * i);
        palette[3 * i + 2] = static_cast<uint8_t>(255 - i);
    }
    std::array<uint8_t, 12> out{};
    // 8 bits: indices 10 and 30 -> their mean (10 + 30) / 2 = 20 red, 40 green, 235 blue.
    const uint8_t indices[4] = {10, 30, 0, 0};
    ASSERT_TRUE(AreaAverageBuffer(out.data(), 1, 1, indices, 2, 1, 8, palette.data()));
    EXPECT_EQ(out[0], 235);
    EXPECT_EQ(out[1], 40);
    EXPECT_EQ(out[2], 20);
    // 1 bit: pixels 1, 0 (most significant bit first) -> entries 1 and 0: red 0, blue 254.
    const uint8_t bitsRow[4] = {0x80, 0, 0, 0};
    ASSERT_TRUE(AreaAverageBuffer(out.data(), 1, 1, bitsRow, 2, 1, 1, palette.data()));
    EXPECT_EQ(out[0], 254);
    EXPECT_EQ(out[2], 0);
    // 4 bits: pixels 3 and 5 -> red 4.
    const uint8_t nibbles[4] = {0x35, 0, 0, 0};
    ASSERT_TRUE(AreaAverageBuffer(out.data(), 1, 1, nibbles, 2, 1, 4, palette.data()));
    EXPECT_EQ(out[2], 4);
    // 16 bits: 5-5-5 words, blue 31 (255) and blue 0 -> 127; red 31 and 31 -> 255.
    const uint16_t words[2] = {0x7C1F, 0x7C00};
    ASSERT_TRUE(AreaAverageBuffer(out.data(), 1, 1, reinterpret_cast<const uint8_t*>(words), 2, 1,
                                  16, nullptr));
    EXPECT_EQ(out[0], 127);
    EXPECT_EQ(out[2], 255);
    // 32 bits: alpha is ignored.
    const uint8_t quads[8] = {100, 0, 0, 7, 201, 0, 0, 9};
    ASSERT_TRUE(AreaAverageBuffer(out.data(), 1, 1, quads, 2, 1, 32, nullptr));
    EXPECT_EQ(out[0], 150);
    // The same size converts to 24 bits instead of leaving the destination untouched.
    std::fill(out.begin(), out.end(), 0x11);
    ASSERT_TRUE(AreaAverageBuffer(out.data(), 2, 1, indices, 2, 1, 8, palette.data()));
    EXPECT_EQ(out[0], 245);
    EXPECT_EQ(out[3], 225);
    EXPECT_EQ(out[5], 30);
}

TEST(AreaAverage, PaletteSourcesGiveTheResultOfTheirColours) {
    // An 8-bit picture and its colours expanded by hand must resample alike, over sizes that
    // read two source rows at a time (enlarging, pairs of rows of one cell, split rows).
    std::array<uint8_t, ZImage::kPaletteBytes> palette{};
    for (int i = 0; i < 256; ++i) {
        palette[3 * i] = static_cast<uint8_t>(i * 7);
        palette[3 * i + 1] = static_cast<uint8_t>(255 - i);
        palette[3 * i + 2] = static_cast<uint8_t>(i * 13 + 5);
    }
    const Picture indices = Noise(9, 7, 1, 21);
    Picture colours(9, 7, 3);
    for (uint32_t r = 0; r < 7; ++r) {
        for (uint32_t x = 0; x < 9; ++x) {
            const uint8_t* entry = &palette[3 * indices.At(x, r)[0]];
            colours.At(x, r)[0] = entry[2];
            colours.At(x, r)[1] = entry[1];
            colours.At(x, r)[2] = entry[0];
        }
    }
    for (const Size& s : {Size{9, 7, 20, 15}, Size{9, 7, 4, 3}, Size{9, 7, 3, 2}, Size{9, 7, 5, 12},
                          Size{9, 7, 9, 7}, Size{9, 7, 2, 7}}) {
        Picture fromIndices(s.W, s.H, 3);
        ASSERT_TRUE(AreaAverageBuffer(fromIndices.data.data(), s.W, s.H, indices.data.data(), 9, 7,
                                      8, palette.data()));
        EXPECT_TRUE(SameColours(fromIndices, AreaAveraged(colours, s.W, s.H))) << s.W << "x" << s.H;
    }
}

TEST(AreaAverage, RefusesZeroSizesBadDepthsAndMissingPalettes) {
    const Picture src = Noise(4, 4, 3, 1);
    std::vector<uint8_t> dst(64, 0x33);
    const std::vector<uint8_t> untouched = dst;
    EXPECT_FALSE(AreaAverageBuffer(dst.data(), 0, 2, src.data.data(), 4, 4, 24, nullptr));
    EXPECT_FALSE(AreaAverageBuffer(dst.data(), 2, 0, src.data.data(), 4, 4, 24, nullptr));
    EXPECT_FALSE(AreaAverageBuffer(dst.data(), 2, 2, src.data.data(), 0, 4, 24, nullptr));
    EXPECT_FALSE(AreaAverageBuffer(dst.data(), 2, 2, src.data.data(), 4, 0, 24, nullptr));
    EXPECT_FALSE(AreaAverageBuffer(dst.data(), 2, 2, src.data.data(), 4, 4, 12, nullptr));
    EXPECT_FALSE(AreaAverageBuffer(dst.data(), 2, 2, src.data.data(), 4, 4, 8, nullptr));
    EXPECT_EQ(dst, untouched);
}

// Image-level operations ----------------------------------------------------------------------

void MakeImage(ZImage& image, uint32_t w, uint32_t h, uint32_t bits, uint32_t seed) {
    EXPECT_TRUE(image.Create(w, h, bits, 0, nullptr));
    const Picture noise = Noise(w, h, bits / 8, seed);
    for (uint32_t r = 0; r < h; ++r) {
        std::memcpy(image.GetRow(r), noise.At(0, r), size_t{w} * (bits / 8));
    }
}

// The image's colours as a 24-bit picture.
Picture Colours(const ZImage& image) {
    Picture p(image.GetWidth(), image.GetHeight(), 3);
    const uint32_t bytes = image.GetBitsPerPixel() / 8;
    for (uint32_t r = 0; r < p.height; ++r) {
        for (uint32_t x = 0; x < p.width; ++x) {
            std::memcpy(p.At(x, r), image.GetRow(r) + x * bytes, 3);
        }
    }
    return p;
}

TEST(Resize, SizesBelowOneBecomeOne) {
    ZImage image;
    MakeImage(image, 5, 4, 24, 1);
    image.dpiX = 300;
    image.dpiY = 72;
    ASSERT_TRUE(Resize(image, 0, 0, kFilterBicubic));
    EXPECT_EQ(image.GetWidth(), 1u);
    EXPECT_EQ(image.GetHeight(), 1u);
    EXPECT_EQ(image.GetBitsPerPixel(), 24);
    EXPECT_EQ(image.dpiX, 300);
    EXPECT_EQ(image.dpiY, 72);
    ASSERT_TRUE(Resize(image, -3, 2, kFilterBresenham));
    EXPECT_EQ(image.GetWidth(), 1u);
    EXPECT_EQ(image.GetHeight(), 2u);
    ASSERT_TRUE(ResizeForDisplay(image, 4, -1));
    EXPECT_EQ(image.GetWidth(), 4u);
    EXPECT_EQ(image.GetHeight(), 1u);
}

TEST(Resize, GivesTheFilterResultAtTwentyFourBits) {
    for (int filter = 0; filter <= 4; ++filter) {
        ZImage image;
        MakeImage(image, 11, 7, 24, 40 + filter);
        const Picture before = Colours(image);
        ASSERT_TRUE(Resize(image, 6, 9, filter));
        ASSERT_EQ(image.GetBitsPerPixel(), 24);
        EXPECT_TRUE(SameColours(Colours(image), Resampled(before, 6, 9, filter))) << filter;
    }
    // Other depths are read through their 24-bit conversion: a 16-bit image becomes 24 bits.
    ZImage image;
    ASSERT_TRUE(image.Create(3, 1, 16, 0x0000FF, nullptr));  // red 31 -> 255
    ASSERT_TRUE(Resize(image, 6, 1, kFilterBresenham));
    EXPECT_EQ(image.GetBitsPerPixel(), 24);
    EXPECT_EQ(image.GetRow(0)[2], 255);
    EXPECT_EQ(image.GetRow(0)[0], 0);
}

TEST(Resize, AlphaIsResampledWithNoSmoothing) {
    // A 32-bit picture, left half transparent, right half opaque, resized with the bicubic
    // filter: the alpha stays 0 or 255 exactly where No Smoothing puts the source columns.
    ZImage image;
    MakeImage(image, 8, 3, 32, 4);
    for (uint32_t r = 0; r < 3; ++r) {
        for (uint32_t x = 0; x < 8; ++x) {
            image.GetRow(r)[4 * x + 3] = x < 4 ? 0 : 255;
        }
    }
    const Picture before = Colours(image);
    ASSERT_TRUE(Resize(image, 13, 5, kFilterBicubic));
    ASSERT_EQ(image.GetBitsPerPixel(), 32);
    const auto columns = reference::NearestMap(8, 13);
    for (uint32_t r = 0; r < 5; ++r) {
        for (uint32_t x = 0; x < 13; ++x) {
            EXPECT_EQ(image.GetRow(r)[4 * x + 3], columns[x] < 4 ? 0 : 255) << x << "," << r;
        }
    }
    EXPECT_LE(MaxColourDifference(Colours(image), reference::Bicubic(before, 13, 5)), 1);
    // The display resampler carries alpha the same way.
    ZImage shown;
    MakeImage(shown, 6, 4, 32, 5);
    for (uint32_t r = 0; r < 4; ++r) {
        for (uint32_t x = 0; x < 6; ++x) {
            shown.GetRow(r)[4 * x + 3] = static_cast<uint8_t>(10 * x + r);
        }
    }
    ASSERT_TRUE(ResizeForDisplay(shown, 3, 2));
    ASSERT_EQ(shown.GetBitsPerPixel(), 32);
    // No Smoothing takes columns 0, 1, 3 and rows 0, 1.
    const auto shownColumns = reference::NearestMap(6, 3);
    const auto shownRows = reference::NearestMap(4, 2);
    EXPECT_EQ(shownColumns, (std::vector<uint32_t>{0, 1, 3}));
    for (uint32_t r = 0; r < 2; ++r) {
        for (uint32_t x = 0; x < 3; ++x) {
            EXPECT_EQ(shown.GetRow(r)[4 * x + 3], 10 * shownColumns[x] + shownRows[r]);
        }
    }
}

TEST(Resize, FailuresChangeNothing) {
    ZImage empty;
    EXPECT_FALSE(Resize(empty, 4, 4, kFilterBresenham));
    EXPECT_FALSE(ResizeForDisplay(empty, 4, 4));
    EXPECT_FALSE(empty.IsValid());
    ZImage image;
    MakeImage(image, 4, 3, 24, 6);
    const Picture before = Colours(image);
    EXPECT_FALSE(Resize(image, 2, 2, 5));
    EXPECT_FALSE(Resize(image, 2, 2, -1));
    // Beyond the image size limit (2^28 pixels).
    EXPECT_FALSE(Resize(image, 65536, 65536, kFilterNoSmoothing));
    EXPECT_FALSE(ResizeForDisplay(image, 65536, 65536));
    EXPECT_EQ(image.GetWidth(), 4u);
    EXPECT_EQ(image.GetHeight(), 3u);
    EXPECT_EQ(image.GetBitsPerPixel(), 24);
    EXPECT_TRUE(SameColours(Colours(image), before));
}

}  // namespace
}  // namespace zentrova
