// Resampling: the five filters of the resize and the area-average display resampler, with
// results worked out by hand on small pictures, the rules that hold at every size (uniform
// pictures, rows and columns alike, mirror symmetry of the box rule), boundary sizes, depths and
// the alpha of 32-bit images.
#include "image/ZResample.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/image/CompositingTestSupport.h"

namespace zentrova {
namespace {

using Bytes = std::vector<uint8_t>;

// A picture of `bytes` bytes per pixel with rows padded to 4 bytes, memory row 0 first.
struct Picture {
    uint32_t width = 0, height = 0, bytes = 3;
    size_t stride = 0;
    Bytes data;
    Picture(uint32_t w, uint32_t h, uint32_t b)
        : width(w), height(h), bytes(b), stride((size_t{w} * b + 3) / 4 * 4), data(stride * h) {}
    uint8_t* At(uint32_t x, uint32_t r) { return data.data() + r * stride + x * bytes; }
    const uint8_t* At(uint32_t x, uint32_t r) const { return data.data() + r * stride + x * bytes; }
};

// A deterministic noisy picture: every byte of every pixel from a small linear congruential
// generator (bytes beyond the third included).
Picture Noise(uint32_t w, uint32_t h, uint32_t bytes, uint32_t seed) {
    Picture p(w, h, bytes);
    uint32_t s = seed * 2654435761u + 1;
    for (uint32_t r = 0; r < h; ++r) {
        for (uint32_t x = 0; x < w * bytes; ++x) {
            s = s * 1103515245u + 12345u;
            p.At(0, r)[x] = static_cast<uint8_t>(s >> 16);
        }
    }
    return p;
}

Picture Uniform(uint32_t w, uint32_t h, uint8_t value) {
    Picture p(w, h, 3);
    std::fill(p.data.begin(), p.data.end(), value);
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

// A 24-bit grey picture of w x h from the values, memory row 0 first.
Picture Grey(uint32_t w, uint32_t h, const Bytes& values) {
    Picture p(w, h, 3);
    for (uint32_t i = 0; i < w * h; ++i)
        std::memset(p.At(i % w, i / w), values[i], 3);
    return p;
}

// The same as one row, or one column.
Picture Grey(const Bytes& values, bool column = false) {
    const auto n = static_cast<uint32_t>(values.size());
    return Grey(column ? 1 : n, column ? n : 1, values);
}

// The blue bytes along a one-row or one-column picture.
Bytes Blue(const Picture& p) {
    Bytes v;
    for (uint32_t i = 0; i < std::max(p.width, p.height); ++i)
        v.push_back((p.height == 1 ? p.At(i, 0) : p.At(0, i))[0]);
    return v;
}

// The same size and blue, green and red bytes.
bool SameColours(const Picture& a, const Picture& b) {
    bool same = a.width == b.width && a.height == b.height;
    for (uint32_t i = 0; same && i < a.width * a.height; ++i)
        same = std::memcmp(a.At(i % a.width, i / a.width), b.At(i % a.width, i / a.width), 3) == 0;
    return same;
}

struct Size {
    uint32_t w, h, W, H;
};

// Enlarging, reducing, odd sizes, one axis each way, 1-pixel pictures and lines.
const Size kMixedSizes[] = {
    {7, 5, 13, 11},  {13, 11, 7, 5}, {10, 6, 5, 3},  {9, 9, 4, 7},   {5, 9, 11, 3},
    {1, 1, 3, 2},    {3, 2, 1, 1},   {17, 1, 5, 1},  {1, 17, 1, 6},  {6, 4, 6, 9},
    {33, 21, 8, 13}, {4, 4, 15, 15}, {31, 3, 64, 2}, {2, 29, 3, 30},
};

TEST(Resample, StatedResultsOfLines) {
    struct Case {
        int filter;  // -1: the display resampler
        Bytes in;
        uint32_t m;
        bool column;
        Bytes want;
    };
    const int area = -1;
    const Case cases[] = {
        // No Smoothing steps with a strict comparison; rows step the same way, from the bottom.
        {kFilterNoSmoothing, {10, 200}, 4, false, {10, 10, 10, 200}},
        {kFilterNoSmoothing, {10, 20, 30, 40}, 2, false, {10, 20}},
        {kFilterNoSmoothing, {10, 20, 30}, 5, false, {10, 10, 20, 20, 30}},
        {kFilterNoSmoothing, {10, 200}, 4, true, {10, 10, 10, 200}},
        {kFilterNoSmoothing, {10, 20, 30, 40, 50}, 2, true, {10, 30}},
        // The box rule: (10*3 + 20*1) / 4, (20*2 + 30*2) / 4, (30*1 + 40*3) / 4, truncated.
        {kFilterBresenham, {10, 200}, 4, false, {10, 10, 200, 200}},
        {kFilterBresenham, {10, 20, 30, 40}, 2, false, {15, 35}},
        {kFilterBresenham, {10, 20, 30, 40}, 3, false, {12, 25, 37}},
        {kFilterBresenham, {10, 20, 30, 40}, 3, true, {12, 25, 37}},
        {kFilterBilinear, {10, 200}, 4, false, {10, 10, 200, 200}},
        {kFilterBilinear, {10, 20, 30, 40}, 3, false, {12, 25, 37}},
        {kFilterBilinear, {10, 20, 30, 40}, 3, true, {12, 25, 37}},
        // Bicubic [0, 100, 0] to 6: x = 0 weighs 1/6, 4/6, 1/6 of 0, 0, 100 -> 16; x = 0.5
        // weighs 1/48, 23/48, 23/48, 1/48 of 0, 0, 100, 0 -> 47; x = 1 -> 66; x = 1.5 -> 47;
        // x = 2 reads the clamped last sample: 100 / 6 -> 16; x = 2.5: 100 / 48 -> 2.
        {kFilterBicubic, {0, 100, 0}, 6, false, {16, 47, 66, 47, 16, 2}},
        // Gaussian: the 8 weights exp(-d^2 / 2) down the single row add up to 2.50628; sample 1
        // is at distance 1 from x = 0, 0.5, 2, 2.5 and 0 from x = 1, 1.5 (the others are 0):
        // 100 * 0.60653 * 2.50628 / 6.28319 = 24.2 and 100 * 2.50628 / 6.28319 = 39.9.
        {kFilterGaussian, {0, 100, 0}, 6, false, {24, 24, 39, 39, 24, 24}},
        // Display resampler enlarging: 2 -> 4 repeats; 3 -> 4 splits sample 1 as
        // 1365 * s0 + 2730 * s1: (1365 * 255) >> 12 = 84.
        {area, {10, 200}, 4, false, {10, 10, 200, 200}},
        {area, {255, 0, 0}, 4, false, {255, 84, 0, 0}},
        // Shrinking: halves weigh 2048 each, the truncated mean; 3 -> 2 weighs 2730, 1365 and
        // 1365, 2730 of 4096: 255 * 2730 >> 12 = 169, 255 * 1365 >> 12 = 84; thirds weigh 1365:
        // 90 * 1365 >> 12 = 29, 180 -> 59, 273 -> 90.
        {area, {10, 20, 30, 40, 50, 61}, 3, true, {15, 35, 55}},
        {area, {255, 0, 0}, 2, false, {169, 0}},
        {area, {0, 255, 0}, 2, false, {84, 84}},
        {area, {30, 30, 30, 60, 60, 60, 90, 90, 93}, 3, false, {29, 59, 90}},
    };
    for (const Case& c : cases) {
        const Picture in = Grey(c.in, c.column);
        const uint32_t W = c.column ? 1 : c.m, H = c.column ? c.m : 1;
        const Picture out =
            c.filter == area ? AreaAveraged(in, W, H) : Resampled(in, W, H, c.filter);
        EXPECT_EQ(Blue(out), c.want) << c.filter << " to " << c.m;
    }
}

TEST(Resample, BresenhamAveragesRowsFirstBilinearColumnsFirst) {
    // Bottom row [1, 0], top row [1, 2] to one pixel. Rows first: (1+0)/2 = 0, (1+2)/2 = 1,
    // then (0+1)/2 = 0. Columns first: (1+1)/2 = 1, (0+2)/2 = 1, then 1.
    const Picture src = Grey(2, 2, {1, 0, 1, 2});
    EXPECT_EQ(Resampled(src, 1, 1, kFilterBresenham).At(0, 0)[0], 0);
    EXPECT_EQ(Resampled(src, 1, 1, kFilterBilinear).At(0, 0)[0], 1);
}

// The same picture with its samples in reverse order along a one-row or one-column picture.
Picture Reversed(const Picture& p) {
    Picture r = p;
    const uint32_t n = std::max(p.width, p.height);
    for (uint32_t i = 0; i < n; ++i) {
        const bool row = p.height == 1;
        std::memcpy(row ? r.At(i, 0) : r.At(0, i), row ? p.At(n - 1 - i, 0) : p.At(0, n - 1 - i),
                    p.bytes);
    }
    return r;
}

// A picture whose every column (or row) holds one noisy pixel mixes only equal values along the
// other axis: each filter gives the result of the single row (column), exactly for the integer
// filters and within 1 for the single-precision ones, at every depth it takes. Bresenham, bicubic
// and Gaussian leave the fourth byte of 32-bit pixels as it was; the box rule is mirror-symmetric.
TEST(Resample, RowsAndColumnsAlikeAtEverySize) {
    for (uint32_t bytes : {1u, 2u, 3u, 4u}) {
        for (const Size& s : kMixedSizes) {
            for (bool columns : {false, true}) {
                if (columns ? s.h == s.H : s.w == s.W)
                    continue;  // a line of unchanged size is copied, not filtered
                SCOPED_TRACE(::testing::Message() << bytes << " bytes, " << s.w << "x" << s.h
                                                  << " -> " << s.W << "x" << s.H << " " << columns);
                const Picture line = Noise(columns ? 1 : s.w, columns ? s.h : 1, bytes, s.w + s.H);
                Picture src(s.w, s.h, bytes);
                for (uint32_t i = 0; i < s.w * s.h; ++i)
                    std::memcpy(src.At(i % s.w, i / s.w),
                                columns ? line.At(0, i / s.w) : line.At(i % s.w, 0), bytes);
                for (int filter = 0; filter <= 4; ++filter) {
                    if ((bytes < 3 && filter != kFilterNoSmoothing) ||
                        (bytes == 4 && filter == kFilterBilinear))
                        continue;
                    const Picture out = Resampled(src, s.W, s.H, filter, 0x5A);
                    const Picture one =
                        Resampled(line, columns ? 1 : s.W, columns ? s.H : 1, filter, 0x5A);
                    const int tolerance = filter == kFilterBicubic || filter == kFilterGaussian;
                    for (uint32_t i = 0; i < s.W * s.H; ++i) {
                        const uint8_t* p = out.At(i % s.W, i / s.W);
                        const uint8_t* q = columns ? one.At(0, i / s.W) : one.At(i % s.W, 0);
                        for (uint32_t c = 0; c < bytes; ++c) {
                            const int want = c == 3 && filter != kFilterNoSmoothing ? 0x5A : q[c];
                            ASSERT_LE(std::abs(p[c] - want), c == 3 ? 0 : tolerance) << filter;
                        }
                    }
                    if (filter == kFilterBresenham || filter == kFilterBilinear) {
                        EXPECT_EQ(
                            Reversed(one).data,
                            Resampled(Reversed(line), one.width, one.height, filter, 0x5A).data);
                    }
                }
            }
        }
    }
}

TEST(Resample, LongLinesKeepExactSums) {
    // A step from 0 to 255 in the middle of a long line, into 3: the middle sample covers source
    // positions 70001 .. 140002 in thirds, 35002 of them at 255: 255 * 35002 / 70001 = 127.5.
    // The sums over 70001 samples use the reciprocal division.
    Picture wide(70001, 1, 3), tall(1, 40000, 3);
    std::fill(wide.data.begin() + 3 * 35000, wide.data.end(), 255);
    for (uint32_t r = 20000; r < 40000; ++r)
        std::memset(tall.At(0, r), 255, 3);
    for (int filter : {kFilterBresenham, kFilterBilinear}) {
        EXPECT_EQ(Blue(Resampled(wide, 3, 1, filter)), (Bytes{0, 127, 255}));
        EXPECT_EQ(Blue(Resampled(tall, 1, 3, filter)),
                  (Bytes{0, 127, 255}));  // 255 * 20000 / 40000
        // Uniform lines stay exact: 70001 samples, then 17000001 (255 times that is above 2^32).
        EXPECT_TRUE(
            SameColours(Resampled(Uniform(70001, 1, 200), 7, 1, filter), Uniform(7, 1, 200)));
        EXPECT_EQ(Resampled(Uniform(17000001, 1, 255), 3, 1, filter).data,
                  (Bytes{255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 0, 0}));
    }
}

TEST(Resample, UniformPicturesStayUniform) {
    // The box rule is exact. Bicubic weights add up to 1: the colour or one less. The Gaussian's 64
    // weights add up to (sum of exp(-d^2 / 2) for d = -3..4)^2 / 6.2831855 = 2.50628^2 / 6.28319 =
    // 0.99972, so every non-zero channel loses exactly 1: (200, 100, 50) becomes (199, 99, 49).
    std::vector<Size> sizes(std::begin(kMixedSizes), std::end(kMixedSizes));
    sizes.push_back(
        {4099, 3, 1711, 2});  // far from the origin single-precision positions are coarse
    for (const Size& s : sizes) {
        Picture src(s.w, s.h, 3);
        for (uint32_t i = 0; i < s.w * s.h; ++i)
            std::memcpy(src.At(i % s.w, i / s.w), "\xC8\x64\x32", 3);
        const Picture cubic = Resampled(src, s.W, s.H, kFilterBicubic);
        const Picture gauss = Resampled(src, s.W, s.H, kFilterGaussian);
        const Picture box = Resampled(src, s.W, s.H, kFilterBresenham);
        const Picture box4 = Resampled(src, s.W, s.H, kFilterBilinear);
        for (uint32_t i = 0; i < s.W * s.H * 3; ++i) {
            const int want = src.data[i % 3];
            ASSERT_EQ(box.At(i / 3 % s.W, i / 3 / s.W)[i % 3], want);
            ASSERT_EQ(box4.At(i / 3 % s.W, i / 3 / s.W)[i % 3], want);
            const uint8_t c = cubic.At(i / 3 % s.W, i / 3 / s.W)[i % 3];
            ASSERT_TRUE(c == want || c == want - 1);
            ASSERT_EQ(gauss.At(i / 3 % s.W, i / 3 / s.W)[i % 3], want - 1);
        }
    }
}

TEST(ResampleBuffer, RefusalsChangeNothingAndEqualSizesAreCopied) {
    const Picture src = Noise(4, 4, 3, 1);
    std::vector<uint8_t> dst(64, 0x77);
    const std::vector<uint8_t> untouched = dst;
    struct Case {
        uint32_t W, H, w, h, bits;
        int filter;
    };
    for (const Case& c :
         {Case{2, 2, 4, 4, 32, kFilterBilinear}, Case{2, 2, 4, 4, 16, 1},
          Case{2, 2, 4, 4, 8, kFilterBicubic}, Case{2, 2, 4, 4, 12, 0}, Case{2, 2, 4, 4, 24, 5},
          Case{2, 2, 4, 4, 24, -1}, Case{0, 2, 4, 4, 24, 1}, Case{2, 2, 4, 0, 24, 1}}) {
        EXPECT_FALSE(
            ResampleBuffer(dst.data(), c.W, c.H, src.data.data(), c.w, c.h, c.bits, c.filter));
    }
    // The display resampler: zero sizes, 12 bits, and 8 bits without a palette.
    for (const Case& c :
         {Case{0, 2, 4, 4, 24, 0}, Case{2, 0, 4, 4, 24, 0}, Case{2, 2, 0, 4, 24, 0},
          Case{2, 2, 4, 0, 24, 0}, Case{2, 2, 4, 4, 12, 0}, Case{2, 2, 4, 4, 8, 0}}) {
        EXPECT_FALSE(
            AreaAverageBuffer(dst.data(), c.W, c.H, src.data.data(), c.w, c.h, c.bits, nullptr));
    }
    EXPECT_EQ(dst, untouched);
    for (int filter = 0; filter <= 4; ++filter) {
        EXPECT_EQ(Resampled(src, 4, 4, filter).data, src.data) << filter;
    }
}

// The display resampler ---------------------------------------------------------------------------

TEST(AreaAverage, HandComputedValues) {
    // 3 -> 2 of a uniform 255: weights 2730 + 1365 = 4095 per axis: 255 * 4095^2 >> 24 = 254.
    EXPECT_TRUE(SameColours(AreaAveraged(Uniform(3, 3, 255), 2, 2), Uniform(2, 2, 254)));
    // 2 -> 1 in both axes: weights 2048 each, the truncated mean: (10 + 20 + 30 + 41) / 4 = 25.
    EXPECT_EQ(AreaAveraged(Grey(2, 2, {10, 20, 30, 41}), 1, 1).At(0, 0)[2], 25);
    // An axis shrinking while the other grows is sampled: 4 x 1 -> 2 x 2 takes columns 0 and 2
    // of the repeated row; 1 x 5 -> 3 x 2 takes memory rows 0 and 2, each repeated across.
    EXPECT_TRUE(
        SameColours(AreaAveraged(Grey({10, 20, 30, 40}), 2, 2), Grey(2, 2, {10, 30, 10, 30})));
    EXPECT_TRUE(SameColours(AreaAveraged(Grey({10, 20, 30, 40, 50}, true), 3, 2),
                            Grey(3, 2, {10, 10, 10, 30, 30, 30})));
}

TEST(AreaAverage, WholeNumberRatiosLongRowsAndFloatWeights) {
    // Halving both axes weighs every sample 2048 * 2048: the truncated mean of each 2 x 2 block,
    // over rows whose byte count is not a multiple of 16.
    const Picture src = Noise(642, 480, 3, 77);
    const Picture half = AreaAveraged(src, 321, 240);
    for (uint32_t i = 0; i < 321 * 240 * 3; ++i) {
        const uint32_t x = i / 3 % 321, r = i / 3 / 321, c = i % 3;
        const int sum = src.At(2 * x, 2 * r)[c] + src.At(2 * x + 1, 2 * r)[c] +
                        src.At(2 * x, 2 * r + 1)[c] + src.At(2 * x + 1, 2 * r + 1)[c];
        ASSERT_EQ(half.At(x, r)[c], sum / 4) << x << "," << r;
    }
    // Thirds weigh 1365 per axis: 255 * 4095^2 >> 24 = 254 everywhere, as for 3 -> 2.
    EXPECT_TRUE(
        SameColours(AreaAveraged(Uniform(639, 480, 255), 213, 160), Uniform(213, 160, 254)));
    // From 4001 columns on, the weights are single-precision fractions: a uniform picture stays
    // within 1 of its colour.
    for (uint8_t v : Blue(AreaAveraged(Uniform(4001, 1, 200), 3, 1)))
        EXPECT_TRUE(v == 199 || v == 200);
    for (uint8_t v : Blue(AreaAveraged(Uniform(2, 4500, 100), 1, 7)))
        EXPECT_TRUE(v == 99 || v == 100);
}

TEST(AreaAverage, ReadsEveryDepth) {
    // Entry i = (red i, green 255 - i, blue i / 2); out is blue, green, red.
    const auto palette = testing::RampPalette();
    struct Case {
        uint32_t width, bits;
        Bytes source;
        const uint8_t* palette;
        Bytes want;
    };
    const Case cases[] = {
        // 8 bits: indices 10 and 30 -> their mean: red 20, green 235, blue 10.
        {1, 8, {10, 30, 0, 0}, palette.data(), {10, 235, 20}},
        // 1 bit: pixels 1, 0 (most significant bit first) -> entries 1 and 0.
        {1, 1, {0x80, 0, 0, 0}, palette.data(), {0, 254, 0}},
        // 4 bits: pixels 3 and 5 -> blue (1 + 2) / 2, green 251, red 4.
        {1, 4, {0x35, 0, 0, 0}, palette.data(), {1, 251, 4}},
        // 16 bits: 5-5-5 words 0x7C1F, 0x7C00: blue 255 and 0 -> 127; red 31 and 31 -> 255.
        {1, 16, {0x1F, 0x7C, 0x00, 0x7C}, nullptr, {127, 0, 255}},
        // 32 bits: alpha is ignored.
        {1, 32, {100, 0, 0, 7, 201, 0, 0, 9}, nullptr, {150, 0, 0}},
        // The same size converts to 24 bits instead of leaving the destination untouched.
        {2, 8, {10, 30, 0, 0}, palette.data(), {5, 245, 10, 15, 225, 30}},
    };
    for (const Case& c : cases) {
        Bytes out(12, 0x11);
        ASSERT_TRUE(
            AreaAverageBuffer(out.data(), c.width, 1, c.source.data(), 2, 1, c.bits, c.palette));
        EXPECT_EQ(Bytes(out.begin(), out.begin() + c.want.size()), c.want) << c.bits;
    }
}

TEST(AreaAverage, PaletteSourcesGiveTheResultOfTheirColours) {
    // An 8-bit picture and its colours expanded by hand must resample alike, over sizes that
    // read two source rows at a time (enlarging, pairs of rows of one cell, split rows).
    const auto palette = testing::RampPalette();
    const Picture indices = Noise(9, 7, 1, 21);
    Picture colours(9, 7, 3);
    for (uint32_t i = 0; i < 63; ++i) {
        const uint8_t* entry = &palette[3 * indices.At(i % 9, i / 9)[0]];
        uint8_t* p = colours.At(i % 9, i / 9);
        p[0] = entry[2], p[1] = entry[1], p[2] = entry[0];
    }
    for (const Size& s : {Size{9, 7, 20, 15}, Size{9, 7, 4, 3}, Size{9, 7, 3, 2}, Size{9, 7, 5, 12},
                          Size{9, 7, 9, 7}, Size{9, 7, 2, 7}}) {
        Picture fromIndices(s.W, s.H, 3);
        ASSERT_TRUE(AreaAverageBuffer(fromIndices.data.data(), s.W, s.H, indices.data.data(), 9, 7,
                                      8, palette.data()));
        EXPECT_TRUE(SameColours(fromIndices, AreaAveraged(colours, s.W, s.H))) << s.W << "x" << s.H;
    }
}

// Image-level operations ----------------------------------------------------------------------

void MakeImage(ZImage& image, uint32_t w, uint32_t h, uint32_t bits, uint32_t seed) {
    EXPECT_TRUE(image.Create(w, h, bits, 0, nullptr));
    const Picture noise = Noise(w, h, bits / 8, seed);
    std::memcpy(image.GetBits(), noise.data.data(), noise.data.size());
}

// The image's colours as a 24-bit picture.
Picture Colours(const ZImage& image) {
    Picture p(image.GetWidth(), image.GetHeight(), 3);
    const uint32_t bytes = image.GetBitsPerPixel() / 8;
    for (uint32_t r = 0; r < p.height; ++r) {
        for (uint32_t x = 0; x < p.width; ++x)
            std::memcpy(p.At(x, r), image.GetRow(r) + x * bytes, 3);
    }
    return p;
}

// Width, height and depth.
std::tuple<uint32_t, uint32_t, int> Dims(const ZImage& image) {
    return {image.GetWidth(), image.GetHeight(), image.GetBitsPerPixel()};
}

TEST(Resize, SizesBelowOneBecomeOne) {
    ZImage image;
    MakeImage(image, 5, 4, 24, 1);
    image.dpiX = 300;
    image.dpiY = 72;
    ASSERT_TRUE(Resize(image, 0, 0, kFilterBicubic));
    EXPECT_EQ(Dims(image), std::make_tuple(1u, 1u, 24));
    EXPECT_EQ(std::make_pair(image.dpiX, image.dpiY), std::make_pair(300, 72));
    ASSERT_TRUE(Resize(image, -3, 2, kFilterBresenham));
    EXPECT_EQ(Dims(image), std::make_tuple(1u, 2u, 24));
    ASSERT_TRUE(ResizeForDisplay(image, 4, -1));
    EXPECT_EQ(Dims(image), std::make_tuple(4u, 1u, 24));
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
    EXPECT_EQ(Dims(image), std::make_tuple(6u, 1u, 24));
    EXPECT_EQ(image.GetRow(0)[2], 255);
    EXPECT_EQ(image.GetRow(0)[0], 0);
}

TEST(Resize, AlphaIsResampledWithNoSmoothing) {
    // A 32-bit picture, left half transparent, right half opaque, resized with the bicubic
    // filter: the alpha stays 0 or 255 exactly where No Smoothing puts the source columns.
    ZImage image;
    MakeImage(image, 8, 3, 32, 4);
    for (uint32_t i = 0; i < 24; ++i)
        image.GetRow(i / 8)[4 * (i % 8) + 3] = i % 8 < 4 ? 0 : 255;
    ASSERT_TRUE(Resize(image, 13, 5, kFilterBicubic));
    ASSERT_EQ(image.GetBitsPerPixel(), 32);
    // No Smoothing from 8 to 13 takes columns 0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 6, 6, 7.
    for (uint32_t i = 0; i < 65; ++i)
        EXPECT_EQ(image.GetRow(i / 13)[4 * (i % 13) + 3], i % 13 < 7 ? 0 : 255) << i;
    // The display resampler carries alpha the same way: No Smoothing takes columns 0, 1, 3 and
    // rows 0, 1.
    ZImage shown;
    MakeImage(shown, 6, 4, 32, 5);
    for (uint32_t i = 0; i < 24; ++i)
        shown.GetRow(i / 6)[4 * (i % 6) + 3] = static_cast<uint8_t>(10 * (i % 6) + i / 6);
    ASSERT_TRUE(ResizeForDisplay(shown, 3, 2));
    ASSERT_EQ(shown.GetBitsPerPixel(), 32);
    for (uint32_t i = 0; i < 6; ++i)
        EXPECT_EQ(shown.GetRow(i / 3)[4 * (i % 3) + 3], Bytes({0, 10, 30, 1, 11, 31})[i]) << i;
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
    EXPECT_EQ(image.GetBitsPerPixel(), 24);
    EXPECT_TRUE(SameColours(Colours(image), before));
}

}  // namespace
}  // namespace zentrova
