// The 12 neighbourhood filters: hand-computed pixels, the border and alpha rules, uniform pictures
// of odd sizes, and the refusals.
#include <cstdint>
#include <cstdlib>

#include <gtest/gtest.h>

#include "image/ZImageEffects.h"
#include "tests/image/effects/EffectPictures.h"

namespace zentrova {
namespace {

using test::At;
using test::MakeNoise;
using test::MakePicture;
using test::SameBytes;

// Every filter on pictures of odd sizes and both depths. Uniform with one bright pixel in the last
// inner column: the border (two pixels wide for filter 2) and the alpha bytes stay as they were,
// and inner pixels out of the bright pixel's reach take the filter's value for a uniform picture:
// the colour itself, but 128 for filter 6, 192 for the emboss filters 7-9 and 0 for filter 12.
TEST(FilterTest, OddSizesUniformAndMirrored) {
    const uint8_t colour[3] = {40, 90, 200};
    for (uint32_t bits : {24u, 32u}) {
        for (int w : {1, 2, 3, 4, 5, 7, 17, 33, 65, 1001}) {
            for (int h : {1, 2, 3, 5, 6}) {
                for (int index = kFirstFilterIndex; index <= kLastFilterIndex; ++index) {
                    const int reach = index == 2 ? 2 : 1, bx = w - 1 - reach, br = h / 2;
                    ZImage before, after;
                    MakePicture(before, w, h, bits, [&](uint32_t x, uint32_t r, uint32_t c) {
                        return static_cast<uint8_t>(c == 3                         ? x * 7 + r
                                                    : int(x) == bx && int(r) == br ? 255
                                                                                   : colour[c]);
                    });
                    ASSERT_TRUE(after.CopyFrom(before));
                    ASSERT_TRUE(ApplyFilter(after, index));
                    const int uniform[13] = {0,   -1,  -1,  -1, -1, -1, 128,
                                             192, 192, 192, -1, -1, 0};  // -1: the colour
                    int failures = 0;
                    for (int i = 0; i < w * h * int(bits / 8); ++i) {
                        const int x = i / int(bits / 8) % w, r = i / int(bits / 8) / w;
                        const int c = i % int(bits / 8);
                        const bool inner =
                            r >= reach && r + reach < h && x >= reach && x + reach < w;
                        if (inner && std::abs(x - bx) <= reach && std::abs(r - br) <= reach)
                            continue;
                        int want = uniform[index] < 0 ? colour[c % 3] : uniform[index];
                        want = inner && c < 3 ? want : At(before, x, r, c);
                        failures += At(after, x, r, c) != want;
                    }
                    EXPECT_EQ(failures, 0)
                        << "filter " << index << " " << w << "x" << h << "x" << bits;
                    // Noise mirrored gives the result mirrored (filters 7 and 9 trade places).
                    ZImage a, b;
                    MakeNoise(a, w, h, bits, w * 31 + h + index);
                    ASSERT_TRUE(b.CopyFrom(a) && Mirror(b));
                    ASSERT_TRUE(ApplyFilter(a, index) && Mirror(a));
                    ASSERT_TRUE(ApplyFilter(b, index == 7 ? 9 : index == 9 ? 7 : index));
                    EXPECT_TRUE(testing::SamePixels(a, b)) << "mirrored, filter " << index;
                }
            }
        }
    }
}

TEST(FilterTest, HandComputedPointKernels) {
    // Centre (1, 1) of a 3 x 3 picture with the four direct neighbours set; corners 0.
    struct Case {
        int index;
        uint8_t centre, left, right, below, above;
        int expected;
    } cases[] = {
        {1, 9, 1, 2, 3, 4, 2},                                    // 19 / 9
        {3, 9, 1, 2, 3, 4, 5},                                    // (36 + 10) >> 3
        {4, 100, 0, 0, 0, 0, 180},                                // 900 / 5
        {4, 10, 20, 20, 20, 20, 2},                               // (90 - 80) / 5
        {4, 30, 255, 255, 255, 255, 0},                           // -150 clamped
        {4, 255, 0, 0, 0, 0, 255},                                // 459 clamped
        {5, 11, 8, 8, 8, 8, 17},                                  // (66 - 32) / 2
        {5, 11, 8, 8, 8, 9, 16},                                  // (66 - 33) / 2 = 16.5 truncated
        {6, 20, 10, 10, 10, 10, 248},                             // 160 + 128 - 40
        {6, 0, 1, 0, 0, 0, 127},                                  // 128 - 1
        {6, 0, 200, 0, 0, 0, 0},                                  // clamped
        {8, 0, 0, 0, 50, 0, 242},                                 // below - above + 192
        {8, 0, 0, 0, 0, 250, 0},                                  // clamped
        {8, 0, 0, 0, 100, 0, 255},                                // clamped at the top
        {10, 7, 3, 90, 4, 5, 90},       {11, 7, 3, 90, 4, 5, 0},  // the corners are 0
        {12, 7, 3, 90, 4, 5, 83},
    };
    for (const Case& k : cases) {
        ZImage image;
        const uint8_t bytes[3][3] = {{0, k.below, 0}, {k.left, k.centre, k.right}, {0, k.above, 0}};
        MakePicture(image, 3, 3, 24, [&](uint32_t x, uint32_t r, uint32_t) { return bytes[r][x]; });
        ASSERT_TRUE(ApplyFilter(image, k.index));
        EXPECT_EQ(At(image, 1, 1, 0), k.expected) << "filter " << k.index;
    }
}

TEST(FilterTest, EmbossDirectionsFollowPictureRows) {
    // Filter 7 takes the lower-left neighbour minus the upper-right one, filter 9 the lower-right
    // minus the upper-left (memory row r + 1 is the picture row above).
    struct Case {
        int index;
        int32_t x, y;  // picture coordinates of the only non-zero pixel
        int expected;
    } cases[] = {
        {7, 0, 2, 242},  // lower-left
        {7, 2, 0, 142},  // upper-right
        {7, 2, 2, 192},  // not used by filter 7
        {9, 2, 2, 242},  // lower-right
        {9, 0, 0, 142},  // upper-left
        {9, 0, 2, 192},
    };
    for (const Case& k : cases) {
        ZImage image;
        ASSERT_TRUE(image.Create(3, 3, 24, 0x000000, nullptr));
        ASSERT_TRUE(image.FillRect(k.x, k.y, 1, 1, 0x320000));  // blue 50
        ASSERT_TRUE(ApplyFilter(image, k.index));
        EXPECT_EQ(At(image, 1, 1, 0), k.expected)
            << "filter " << k.index << " " << k.x << "," << k.y;
    }
}

TEST(FilterTest, RefusesBadIndicesDepthsAndEmptyPictures) {
    ZImage image, before, empty;
    MakeNoise(image, 5, 5, 24, 9);
    ASSERT_TRUE(before.CopyFrom(image));
    for (int index : {-1, 0, 13, 100}) {
        EXPECT_FALSE(ApplyFilter(image, index));
    }
    EXPECT_TRUE(SameBytes(image, before));
    EXPECT_FALSE(ApplyFilter(empty, 1));
    EXPECT_FALSE(empty.IsValid());
    for (uint32_t bits : {1u, 4u, 8u, 16u}) {
        ASSERT_TRUE(image.Create(5, 5, bits, 0, test::GreyPalette()));
        image.GetRow(2)[0] = 0x55;
        ASSERT_TRUE(before.CopyFrom(image));
        EXPECT_FALSE(ApplyFilter(image, 1)) << bits;
        EXPECT_TRUE(SameBytes(image, before));
    }
}

}  // namespace
}  // namespace zentrova
