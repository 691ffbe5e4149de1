// Pixelize: blocks counted from the bottom-left corner, cut at the right and top edges, every
// byte (alpha included) the truncated mean of its block, worked out by hand; the refusals and
// their log lines.
#include <cstdint>

#include <gtest/gtest.h>

#include "image/ZImageEffects.h"
#include "tests/image/effects/EffectPictures.h"

namespace zentrova {
namespace {

using test::At;
using test::ClearErrorLog;
using test::ErrorLog;
using test::MakeNoise;
using test::MakePicture;
using test::SameBytes;

TEST(PixelizeTest, TwentyByTwentyInBlocksOfEight) {
    // Blocks of 8, 8 and 4 in each direction from the bottom-left: a picture whose blue byte is
    // the column and whose green byte is the memory row shows the block layout directly.
    ZImage image;
    MakePicture(image, 20, 20, 24, [](uint32_t x, uint32_t r, uint32_t c) -> uint8_t {
        return static_cast<uint8_t>(c == 0 ? x : c == 1 ? r : 99);
    });
    ASSERT_TRUE(Pixelize(image, 8));
    // Columns 0-7 average 3 (28 / 8 = 3.5), 8-15 average 11, 16-19 average 17 (70 / 4 = 17.5).
    const uint8_t expected[20] = {3,  3,  3,  3,  3,  3,  3,  3,  11, 11,
                                  11, 11, 11, 11, 11, 11, 17, 17, 17, 17};
    for (uint32_t i = 0; i < 20; ++i) {
        for (uint32_t j = 0; j < 20; ++j) {
            EXPECT_EQ(At(image, i, j, 0), expected[i]);  // blue follows the column
            EXPECT_EQ(At(image, j, i, 1), expected[i]);  // green follows the memory row
            EXPECT_EQ(At(image, i, j, 2), 99);
        }
    }
}

TEST(PixelizeTest, EveryByteIncludingAlphaOnOddSizes) {
    // 3 x 2 at 32 bits in blocks of 2, every byte of a pixel alike: memory rows {10, 21, 50} and
    // {30, 41, 90} give (10 + 21 + 30 + 41) / 4 = 25 and (50 + 90) / 2 = 70.
    const uint8_t values[2][3] = {{10, 21, 50}, {30, 41, 90}};
    ZImage small;
    MakePicture(small, 3, 2, 32, [&](uint32_t x, uint32_t r, uint32_t) { return values[r][x]; });
    ASSERT_TRUE(Pixelize(small, 2));
    for (uint32_t i = 0; i < 24; ++i)
        EXPECT_EQ(At(small, i / 4 % 3, i / 12, i % 4), i / 4 % 3 < 2 ? 25 : 70) << i;
    // Noise at odd sizes: every pixel equals the first of its block, and a second pass changes
    // nothing.
    uint32_t seed = 7;
    for (uint32_t bits : {24u, 32u}) {
        for (uint32_t w : {1u, 3u, 7u, 13u, 20u}) {
            for (uint32_t h : {1u, 2u, 9u, 20u}) {
                for (uint32_t s = 1; s <= w; s += (s < 4 ? 1 : 3)) {
                    ZImage image, once;
                    MakeNoise(image, w, h, bits, ++seed);
                    ASSERT_TRUE(Pixelize(image, static_cast<int>(s)));
                    for (uint32_t i = 0; i < w * h * bits / 8; ++i) {
                        const uint32_t x = i / (bits / 8) % w, r = i / (bits / 8) / w;
                        ASSERT_EQ(At(image, x, r, i % (bits / 8)),
                                  At(image, x / s * s, r / s * s, i % (bits / 8)));
                    }
                    ASSERT_TRUE(once.CopyFrom(image));
                    ASSERT_TRUE(Pixelize(image, static_cast<int>(s)));
                    EXPECT_TRUE(SameBytes(image, once)) << w << "x" << h << " block " << s;
                }
            }
        }
    }
}

TEST(PixelizeTest, RefusalsAndTheirLogLines) {
    ClearErrorLog();
    ZImage image;
    MakeNoise(image, 8, 4, 24, 5);
    ZImage before;
    ASSERT_TRUE(before.CopyFrom(image));
    EXPECT_FALSE(Pixelize(image, 0));
    EXPECT_FALSE(Pixelize(image, -3));
    EXPECT_FALSE(Pixelize(image, 9));  // wider than the picture
    EXPECT_TRUE(SameBytes(image, before));
    EXPECT_EQ(ErrorLog(), "");  // size refusals are not logged

    test::ExpectShallowRefusalsLogged([](ZImage& image) { return Pixelize(image, 2); }, 17);
}

}  // namespace
}  // namespace zentrova
