// Box blur: hand-computed rows, the rule written out literally (every mean summed afresh over its
// 2r + 1 clamped samples, vertical then horizontal per pass) on noise pictures of odd sizes, and
// the refusals with their log lines.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/ZError.h"
#include "image/ZImageEffects.h"
#include "tests/image/CompositingTestSupport.h"
#include "tests/image/effects/EffectPictures.h"

namespace zentrova {
namespace {

using testing::ByteNoise;
using testing::ColourAt;
using testing::PixelAt;
using testing::SameBytes;
using testing::SamePixels;

// The blur by its definition: for each pass, each byte of a column becomes the truncated mean of
// the 2r + 1 bytes around it (rows clamped to the picture), then each byte of a row likewise.
void ReferenceBoxBlur(ZImage& image, int r, int passes) {
    const int w = static_cast<int>(image.GetWidth());
    const int h = static_cast<int>(image.GetHeight());
    ZImage columns;
    ASSERT_TRUE(columns.CopyFrom(image));
    for (int pass = 0; pass < 2 * passes; ++pass) {
        const bool vertical = pass % 2 == 0;
        const ZImage& from = vertical ? image : columns;
        ZImage& to = vertical ? columns : image;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                for (int c = 0; c < 3; ++c) {
                    int64_t sum = 0;
                    for (int k = -r; k <= r; ++k) {
                        sum += vertical ? PixelAt(from, x, std::clamp(y + k, 0, h - 1))[c]
                                        : PixelAt(from, std::clamp(x + k, 0, w - 1), y)[c];
                    }
                    PixelAt(to, x, y)[c] = static_cast<uint8_t>(sum / (2 * r + 1));
                }
            }
        }
    }
}

class BoxBlurTest : public ::testing::Test {
  protected:
    void SetUp() override { test::ClearErrorLog(); }
    void TearDown() override { test::ClearErrorLog(); }
};

TEST_F(BoxBlurTest, HandComputedRowAndColumn) {
    // One row 0, 30, 90 (red channel), radius 1: the vertical pass sees three copies of the only
    // row; horizontally (0+0+30)/3, (0+30+90)/3, (30+90+90)/3.
    ZImage row;
    ASSERT_TRUE(row.Create(3, 1, 24, 0, nullptr));
    PixelAt(row, 1, 0)[2] = 30;
    PixelAt(row, 2, 0)[2] = 90;
    ASSERT_TRUE(BoxBlur(row, 1, 1));
    EXPECT_EQ(testing::AllColours(row), (std::vector<uint32_t>{10, 40, 70}));

    // The same values down one column (blue channel), read from the top.
    ZImage column;
    ASSERT_TRUE(column.Create(1, 3, 24, 0, nullptr));
    PixelAt(column, 0, 1)[0] = 30;
    PixelAt(column, 0, 2)[0] = 90;
    ASSERT_TRUE(BoxBlur(column, 1, 1));
    EXPECT_EQ(testing::AllColours(column), (std::vector<uint32_t>{10 << 16, 40 << 16, 70 << 16}));
}

TEST_F(BoxBlurTest, MatchesTheRuleOnNoise) {
    struct Case {
        uint32_t w, h;
        int radius, passes;
    };
    const Case cases[] = {{1, 1, 1, 1},   {1, 1, 5, 3},     {7, 1, 1, 1},   {1, 9, 2, 2},
                          {5, 3, 1, 3},   {13, 11, 2, 1},   {13, 11, 5, 3}, {6, 17, 8, 3},
                          {31, 7, 3, 2},  {17, 23, 20, 1},  {40, 3, 19, 2}, {9, 8, 127, 1},
                          {9, 8, 128, 2}, {33, 21, 130, 1}, {70, 40, 8, 3}};
    uint32_t seed = 1;
    for (const Case& c : cases) {
        ZImage image, expected;
        ASSERT_TRUE(image.Create(c.w, c.h, 24, 0, nullptr));
        ByteNoise(seed++).Fill(image);
        ASSERT_TRUE(expected.CopyFrom(image));
        ReferenceBoxBlur(expected, c.radius, c.passes);
        ASSERT_TRUE(BoxBlur(image, c.radius, c.passes));
        EXPECT_TRUE(SamePixels(image, expected))
            << c.w << "x" << c.h << " r " << c.radius << " passes " << c.passes;
    }
    EXPECT_EQ(test::ErrorLog(), "");
}

TEST_F(BoxBlurTest, ExtremesStayExact) {
    // All 255 (the largest sums) and all 0 stay as they are for every radius; a half-and-half
    // picture keeps its outer columns' values where the window does not reach across.
    for (int radius : {1, 8, 127, 128, 300}) {
        ZImage white, before;
        ASSERT_TRUE(white.Create(20, 9, 24, 0xFFFFFF, nullptr));
        ASSERT_TRUE(before.CopyFrom(white));
        ASSERT_TRUE(BoxBlur(white, radius, 3));
        EXPECT_TRUE(SamePixels(white, before)) << radius;
    }
    ZImage halves;
    ASSERT_TRUE(halves.Create(40, 4, 24, 0, nullptr));
    ASSERT_TRUE(halves.FillRect(20, 0, 20, 4, 0xFFFFFF));
    ASSERT_TRUE(BoxBlur(halves, 2, 3));
    EXPECT_EQ(ColourAt(halves, 0, 0), 0u);
    EXPECT_EQ(ColourAt(halves, 13, 3), 0u);  // 20 - 1 - 3 * 2: still out of reach
    EXPECT_EQ(ColourAt(halves, 26, 1), 0xFFFFFFu);
    EXPECT_EQ(ColourAt(halves, 39, 2), 0xFFFFFFu);
    EXPECT_NE(ColourAt(halves, 19, 0), 0u);
}

TEST_F(BoxBlurTest, RefusesWhatIsNotA24BitPictureOrRadiusBelowOneZeroPassesChangeNothing) {
    const std::string line = "Image\\ZImageEffects - Line: 701 - ZErr: 13\r\n";
    ZImage empty;
    EXPECT_FALSE(BoxBlur(empty, 2, 1));
    EXPECT_FALSE(empty.IsValid());
    EXPECT_EQ(test::ErrorLog(), line);
    const auto grey = testing::GreyPalette();
    for (uint32_t bits : {32u, 16u, 8u, 24u}) {
        ZImage image, before;
        ASSERT_TRUE(image.Create(6, 5, bits, 0, grey.data()));
        ByteNoise(bits).Fill(image);
        ASSERT_TRUE(before.CopyFrom(image));
        if (bits == 24) {
            EXPECT_FALSE(BoxBlur(image, 0, 3));
            EXPECT_FALSE(BoxBlur(image, -4, 3));
            EXPECT_TRUE(BoxBlur(image, 3, 0));
        } else {
            EXPECT_FALSE(BoxBlur(image, 2, 1)) << bits;
        }
        EXPECT_TRUE(SameBytes(image, before)) << bits;
    }
    EXPECT_EQ(test::ErrorLog(), line + line + line + line + line + line);
}

}  // namespace
}  // namespace zentrova
