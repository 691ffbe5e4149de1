#include "capture/overlay/FreeStyleOutline.h"

#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TestPixels.h"

namespace zentrova {
namespace {

ZColor At(const ZImage& image, int32_t x, int32_t y) {
    const uint8_t* p = test::PixelAt(image, x, y);
    return ZColor{p[2]} | (ZColor{p[1]} << 8) | (ZColor{p[0]} << 16);
}

TEST(FreeStyleOutline, KeepsTheFirstPointsUpToItsCapacity) {
    FreeStyleOutline outline;
    EXPECT_FALSE(outline.Append(1, 1));  // not started
    ASSERT_TRUE(outline.Start(16000));
    for (int32_t i = 0; i < 16005; ++i) {
        const bool added = outline.Append(i, -i);
        EXPECT_EQ(i < 16000, added) << i;
    }
    EXPECT_EQ(16000u, outline.Count());
    EXPECT_EQ(15999, outline.Points()[2 * 15999]);
    EXPECT_EQ(-15999, outline.Points()[2 * 15999 + 1]);
    EXPECT_FALSE(outline.Close());  // no room for the closing point
    ASSERT_TRUE(outline.Start(3));  // a new start empties the list
    ASSERT_TRUE(outline.Append(4, 5));
    ASSERT_TRUE(outline.Append(9, 5));
    ASSERT_TRUE(outline.Close());
    EXPECT_EQ(3u, outline.Count());
    EXPECT_EQ(4, outline.Points()[4]);
    outline.Release();
    EXPECT_EQ(0u, outline.Capacity());
    EXPECT_FALSE(outline.Append(0, 0));
}

TEST(FreeStyleOutline, BoundingBoxGrownByTheMargin) {
    FreeStyleOutline outline;
    ASSERT_TRUE(outline.Start(10));
    EXPECT_EQ(0, outline.BoundingBox(5).Width());
    outline.Append(100, 50);
    outline.Append(140, 20);
    outline.Append(90, 80);
    const ZRect box = outline.BoundingBox(5);
    EXPECT_EQ(box, (ZRect{85, 15, 146, 86}));  // 140 inside, + 5
}

TEST(PolygonRaster, SquareCoversThePixelsWhoseCentresAreInside) {
    const int32_t square[] = {2, 1, 6, 1, 6, 4, 2, 4};
    // As it is, and moved by (-2, -1) to the corner.
    for (const auto& [dx, dy] : {std::pair{0, 0}, {-2, -1}}) {
        std::vector<uint8_t> mask;
        ASSERT_TRUE(RasterisePolygonWinding(square, 4, dx, dy, 8, 6, mask));
        for (int32_t y = 0; y < 6; ++y) {
            for (int32_t x = 0; x < 8; ++x) {
                const bool inside = x >= 2 + dx && x < 6 + dx && y >= 1 + dy && y < 4 + dy;
                EXPECT_EQ(inside ? 1 : 0, mask[static_cast<size_t>(y) * 8 + x]) << x << "," << y;
            }
        }
    }
}

TEST(PolygonRaster, WindingRuleFillsTheOverlapOfAPentagram) {
    // A five-pointed star drawn in one stroke: its centre has winding number 2 (filled by the
    // non-zero rule, empty with even-odd).
    const int32_t star[] = {50, 0, 79, 90, 2, 35, 98, 35, 21, 90};
    std::vector<uint8_t> mask;
    ASSERT_TRUE(RasterisePolygonWinding(star, 5, 0, 0, 100, 100, mask));
    EXPECT_EQ(1, mask[50 * 100 + 50]);  // centre
    EXPECT_EQ(1, mask[40 * 100 + 10]);  // left point
    EXPECT_EQ(0, mask[5 * 100 + 5]);    // outside
    EXPECT_EQ(0, mask[85 * 100 + 50]);  // between the two lower points
    // Fewer than three points: nothing inside.
    ASSERT_TRUE(RasterisePolygonWinding(star, 2, 0, 0, 10, 10, mask));
    EXPECT_EQ(mask, std::vector<uint8_t>(100, 0));
    EXPECT_FALSE(RasterisePolygonWinding(star, 5, 0, 0, 0, 10, mask));
}

TEST(FreeStyleCutOut, InsideFromTheFrozenPictureOutsideMagenta) {
    test::Solid frozen(64, 48, 0x00336699, 32);
    FreeStyleOutline outline;
    ASSERT_TRUE(outline.Start(16000));
    // A triangle near the top-left corner; its grown box reaches past the picture.
    outline.Append(2, 2);
    outline.Append(30, 2);
    outline.Append(2, 30);
    outline.Close();
    const ZRect box = outline.BoundingBox(5);
    ZImage cut;
    ASSERT_TRUE(CutOutOutline(frozen, outline, box, cut));
    // -3 ... 35 both ways.
    EXPECT_EQ(std::tuple(cut.GetWidth(), cut.GetHeight(), cut.GetBitsPerPixel()),
              std::tuple(39u, 39u, 24));
    // cut (x + 3, y + 3) shows the frozen picture's (x, y): inside at (3, 3), (14, 12) (centre
    // sum 27 < 32) and (2, 28) low on the left edge; outside (key colour) off the picture at
    // (-3, -3), beyond the diagonal at (25, 25) and (17, 15) (sum 33), left of the left edge.
    const ZColor in = 0x00336699;
    for (const auto& [x, y, colour] : {std::tuple{3, 3, in},
                                       {-3, -3, kKeyColour},
                                       {25, 25, kKeyColour},
                                       {14, 12, in},
                                       {17, 15, kKeyColour},
                                       {2, 28, in},
                                       {1, 10, kKeyColour}}) {
        EXPECT_EQ(At(cut, 3 + x, 3 + y), colour) << x << "," << y;
    }
}

}  // namespace
}  // namespace zentrova
