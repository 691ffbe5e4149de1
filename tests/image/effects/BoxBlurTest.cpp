// Box blur: hand-computed rows, pictures of equal rows or columns at odd sizes and radii, the
// extremes, and the refusals with their log lines.
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

class BoxBlurTest : public ::testing::Test {
  protected:
    void SetUp() override { test::ClearErrorLog(); }
    void TearDown() override { test::ClearErrorLog(); }
};

TEST_F(BoxBlurTest, HandComputedRowsAndColumn) {
    // Grey 0, 30, 90 along a row or down a column (from the top). Radius 1: the other direction
    // sees three copies of the only line, then (0+0+30)/3, (0+30+90)/3, (30+90+90)/3. A second
    // pass: (10+10+40)/3, (10+40+70)/3, (40+70+70)/3. Radius 5 reaches past both ends: pixel 0
    // sees 6, 1 and 4 copies of 0, 30, 90: 390 / 11; pixel 1 5, 1, 5: 480 / 11; pixel 2 4, 1, 6:
    // 570 / 11.
    struct Case {
        bool column;
        int radius, passes;
        std::vector<uint32_t> want;
    };
    for (const Case& c : {Case{false, 1, 1, {10, 40, 70}}, Case{true, 1, 1, {10, 40, 70}},
                          Case{false, 1, 2, {20, 40, 60}}, Case{true, 5, 1, {35, 43, 51}}}) {
        ZImage image;
        ASSERT_TRUE(image.Create(c.column ? 1 : 3, c.column ? 3 : 1, 24, 0, nullptr));
        for (uint32_t i = 0; i < 3; ++i) {
            const uint8_t v = "\x00\x1E\x5A"[i];
            testing::SetPixel(image, c.column ? 0 : i, c.column ? i : 0, v, v, v);
        }
        ASSERT_TRUE(BoxBlur(image, c.radius, c.passes));
        EXPECT_EQ(testing::AllColours(image),
                  (std::vector<uint32_t>{c.want[0] * 0x010101u, c.want[1] * 0x010101u,
                                         c.want[2] * 0x010101u}))
            << c.column << " " << c.radius;
    }
}

// Along equal rows (or columns) the other direction averages equal bytes: the blur of the picture
// is the blur of its single row (column), repeated. The window is symmetric, and the portable
// loops agree with the fastest.
TEST_F(BoxBlurTest, EqualRowsOrColumnsBlurLikeOneRowOrColumnAndMirrorsCommute) {
    struct Case {
        uint32_t w, h;
        int radius, passes;
    };
    const Case cases[] = {{1, 1, 5, 3},   {7, 2, 1, 1},   {3, 9, 2, 2},   {5, 3, 1, 3},
                          {13, 11, 5, 3}, {6, 17, 8, 3},  {31, 7, 3, 2},  {17, 23, 20, 1},
                          {40, 3, 19, 2}, {9, 8, 127, 1}, {9, 8, 128, 2}, {33, 21, 130, 1},
                          {70, 40, 8, 3}, {101, 5, 31, 2}};
    for (const Case& c : cases) {
        for (bool rows : {true, false}) {
            ZImage line, image;
            ASSERT_TRUE(line.Create(rows ? c.w : 1, rows ? 1 : c.h, 24, 0, nullptr));
            ByteNoise(c.w * c.h + rows).Fill(line);
            ASSERT_TRUE(image.Create(c.w, c.h, 24, 0, nullptr));
            for (uint32_t i = 0; i < c.w * c.h; ++i) {
                const uint8_t* p = rows ? PixelAt(line, i % c.w, 0) : PixelAt(line, 0, i / c.w);
                testing::SetPixel(image, i % c.w, i / c.w, p[0], p[1], p[2]);
            }
            ASSERT_TRUE(BoxBlur(image, c.radius, c.passes));
            ASSERT_TRUE(BoxBlur(line, c.radius, c.passes));
            int wrong = 0;
            for (uint32_t i = 0; i < c.w * c.h; ++i) {
                wrong += ColourAt(image, i % c.w, i / c.w) !=
                         (rows ? ColourAt(line, i % c.w, 0) : ColourAt(line, 0, i / c.w));
            }
            EXPECT_EQ(wrong, 0) << c.w << "x" << c.h << " r " << c.radius << " rows " << rows;
        }
        // Noise mirrored or flipped gives the result mirrored or flipped.
        ZImage a, b, d;
        ASSERT_TRUE(a.Create(c.w, c.h, 24, 0, nullptr));
        ByteNoise(c.radius).Fill(a);
        ASSERT_TRUE(b.CopyFrom(a) && Mirror(b) && BoxBlur(b, c.radius, c.passes) && Mirror(b));
        ASSERT_TRUE(d.CopyFrom(a) && d.FlipVertical() && BoxBlur(d, c.radius, c.passes));
        ASSERT_TRUE(d.FlipVertical() && BoxBlur(a, c.radius, c.passes));
        EXPECT_TRUE(SamePixels(a, b) && SamePixels(a, d)) << c.w << "x" << c.h << " r " << c.radius;
        // The plain loops give the bytes of the fastest ones.
        ASSERT_TRUE(b.Create(c.w, c.h, 24, 0, nullptr));
        ByteNoise(c.radius).Fill(b);
        ASSERT_TRUE(BoxBlur(b, c.radius, c.passes, EffectKernel::Portable));
        EXPECT_TRUE(SameBytes(a, b)) << c.w << "x" << c.h << " r " << c.radius << " portable";
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
