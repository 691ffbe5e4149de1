// The 12 neighbourhood filters: hand-computed pixels, the border and alpha rules, every filter
// against its kernel evaluated pixel by pixel in the test, and the refusals.
#include <algorithm>
#include <cstdint>

#include <gtest/gtest.h>

#include "image/ZImageEffects.h"
#include "tests/image/effects/EffectPictures.h"

namespace zentrova {
namespace {

using test::At;
using test::MakeNoise;
using test::MakePicture;
using test::SameBytes;

int Clamp(int v) {
    return std::clamp(v, 0, 255);
}

// The kernel of filter `index` at byte c of the pixel (x, memory row r) of the original picture,
// written straight from the filter table.
int KernelByte(const ZImage& s, int index, uint32_t x, uint32_t r, uint32_t c) {
    auto p = [&](int dx, int dr) { return static_cast<int>(At(s, x + dx, r + dr, c)); };
    const int centre = p(0, 0);
    const int four = p(-1, 0) + p(1, 0) + p(0, -1) + p(0, 1);
    int sum = 0;
    int high = 0;
    int low = 255;
    const int reach = index == 2 ? 2 : 1;
    for (int dr = -reach; dr <= reach; ++dr) {
        for (int dx = -reach; dx <= reach; ++dx) {
            sum += p(dx, dr);
            high = std::max(high, p(dx, dr));
            low = std::min(low, p(dx, dr));
        }
    }
    switch (index) {
        case 1:
            return sum / 9;
        case 2:
            return sum / 25;
        case 3:
            return (4 * centre + four) >> 3;
        case 4:
            return Clamp((9 * centre - four) / 5);
        case 5:
            return Clamp((6 * centre - four) / 2);
        case 6:
            return Clamp(8 * centre + 128 - (sum - centre));
        case 7:
            return Clamp(p(-1, -1) - p(1, 1) + 192);
        case 8:
            return Clamp(p(0, -1) - p(0, 1) + 192);
        case 9:
            return Clamp(p(1, -1) - p(-1, 1) + 192);
        case 10:
            return high;
        case 11:
            return low;
        default:
            return high - centre;
    }
}

// Checks every byte of `after` against the filter rule applied to `before`.
void ExpectFilterRule(const ZImage& before, const ZImage& after, int index) {
    const uint32_t w = before.GetWidth();
    const uint32_t h = before.GetHeight();
    const uint32_t bytes = before.GetBitsPerPixel() / 8;
    const uint32_t border = index == 2 ? 2 : 1;
    int failures = 0;
    for (uint32_t r = 0; r < h; ++r) {
        for (uint32_t x = 0; x < w; ++x) {
            const bool inside = r >= border && r + border < h && x >= border && x + border < w;
            for (uint32_t c = 0; c < bytes; ++c) {
                const int expected =
                    inside && c < 3 ? KernelByte(before, index, x, r, c) : At(before, x, r, c);
                if (At(after, x, r, c) != expected && ++failures <= 5) {
                    ADD_FAILURE() << "filter " << index << " " << w << "x" << h << "x" << bytes * 8
                                  << " at x " << x << " row " << r << " byte " << c << ": "
                                  << int{At(after, x, r, c)} << " != " << expected;
                }
            }
        }
    }
}

TEST(FilterTest, EveryFilterFollowsItsKernelOnOddSizes) {
    const uint32_t widths[] = {1, 2, 3, 4, 5, 6, 7, 11, 17, 22, 33, 37, 64, 65};
    const uint32_t heights[] = {1, 2, 3, 4, 5, 6, 9};
    uint32_t seed = 1;
    for (int index = kFirstFilterIndex; index <= kLastFilterIndex; ++index) {  // wide rows
        ZImage before, after;
        MakeNoise(before, 1001, 7, index % 2 == 0 ? 32 : 24, 100 + index);
        ASSERT_TRUE(after.CopyFrom(before));
        ASSERT_TRUE(ApplyFilter(after, index));
        ExpectFilterRule(before, after, index);
    }
    for (uint32_t bits : {24u, 32u}) {
        for (uint32_t w : widths) {
            for (uint32_t h : heights) {
                for (int index = kFirstFilterIndex; index <= kLastFilterIndex; ++index) {
                    ZImage before, after;
                    MakeNoise(before, w, h, bits, ++seed);
                    ASSERT_TRUE(after.CopyFrom(before));
                    ASSERT_TRUE(ApplyFilter(after, index));
                    ExpectFilterRule(before, after, index);
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
    ZImage image;
    MakeNoise(image, 5, 5, 24, 9);
    ZImage before;
    ASSERT_TRUE(before.CopyFrom(image));
    for (int index : {-1, 0, 13, 100}) {
        EXPECT_FALSE(ApplyFilter(image, index));
    }
    EXPECT_TRUE(SameBytes(image, before));

    ZImage empty;
    EXPECT_FALSE(ApplyFilter(empty, 1));
    EXPECT_FALSE(empty.IsValid());

    for (uint32_t bits : {1u, 4u, 8u, 16u}) {
        ZImage shallow;
        ASSERT_TRUE(shallow.Create(5, 5, bits, 0, test::GreyPalette()));
        shallow.GetRow(2)[0] = 0x55;
        ZImage copy;
        ASSERT_TRUE(copy.CopyFrom(shallow));
        EXPECT_FALSE(ApplyFilter(shallow, 1)) << bits;
        EXPECT_TRUE(SameBytes(shallow, copy));
    }
}

}  // namespace
}  // namespace zentrova
