// Pixelize: blocks counted from the bottom-left corner, cut at the right and top edges, every
// byte (alpha included) the truncated mean of its block; the refusals and their log lines.
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

// Every byte of `after` must be the truncated mean of that byte over the block of `before` that
// contains the pixel, blocks of s starting at column 0 and memory row 0.
void ExpectBlocks(const ZImage& before, const ZImage& after, uint32_t s) {
    const uint32_t w = before.GetWidth();
    const uint32_t h = before.GetHeight();
    const uint32_t bytes = before.GetBitsPerPixel() / 8;
    for (uint32_t r = 0; r < h; ++r) {
        for (uint32_t x = 0; x < w; ++x) {
            const uint32_t bx = x / s * s;
            const uint32_t br = r / s * s;
            for (uint32_t c = 0; c < bytes; ++c) {
                uint32_t sum = 0;
                uint32_t count = 0;
                for (uint32_t rr = br; rr < br + s && rr < h; ++rr) {
                    for (uint32_t xx = bx; xx < bx + s && xx < w; ++xx) {
                        sum += At(before, xx, rr, c);
                        ++count;
                    }
                }
                ASSERT_EQ(At(after, x, r, c), sum / count)
                    << "x " << x << " row " << r << " byte " << c << " block " << s;
            }
        }
    }
}

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
    uint32_t seed = 7;
    for (uint32_t bits : {24u, 32u}) {
        for (uint32_t w : {1u, 3u, 7u, 13u, 20u}) {
            for (uint32_t h : {1u, 2u, 9u, 20u}) {
                for (uint32_t s = 1; s <= w; s += (s < 4 ? 1 : 3)) {
                    ZImage before;
                    MakeNoise(before, w, h, bits, ++seed);
                    ZImage after;
                    ASSERT_TRUE(after.CopyFrom(before));
                    ASSERT_TRUE(Pixelize(after, static_cast<int>(s)));
                    ExpectBlocks(before, after, s);
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
