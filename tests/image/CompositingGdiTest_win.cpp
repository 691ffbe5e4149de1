// The device-context drawing of the compositing operations against their portable pixel
// equivalents: GDI and the portable code must give the same pixels where the result is exactly
// defined (solid rectangles, the gradients); the platform alpha blend may round differently and
// is held to one step.
#include <windows.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "image/ZCompositing.h"
#include "tests/image/CompositingTestSupport.h"

namespace zentrova {
namespace {

using testing::ByteNoise;
using testing::ColourAt;
using testing::PixelAt;
using testing::SameBytes;
using testing::SamePixels;

struct Rect {
    int32_t x, y, w, h;
};

// Target sizes and rectangles: inside, odd sizes, 1 x 1, and cut at every edge.
const Rect kRects[] = {{0, 0, 7, 5}, {2, 1, 3, 3},   {0, 0, 1, 1},   {3, 2, 1, 1},  {-2, -3, 9, 6},
                       {4, 2, 8, 9}, {-4, 1, 20, 2}, {1, -6, 2, 40}, {0, 0, 16, 3}, {5, 0, 1, 7}};

class GdiAgainstPixels : public ::testing::TestWithParam<uint32_t> {
  protected:
    // Two equal 7 x 6 targets of the parameter's depth holding the same noise.
    void MakeTargets(ZImage& gdi, ZImage& pixels) {
        ASSERT_TRUE(gdi.Create(7, 6, GetParam(), 0, nullptr));
        ByteNoise noise(77);
        noise.Fill(gdi);
        ASSERT_TRUE(pixels.CopyFrom(gdi));
    }
};

TEST_P(GdiAgainstPixels, SolidRectangles) {
    for (const Rect& r : kRects) {
        ZImage gdi, pixels;
        MakeTargets(gdi, pixels);
        FillSolidRect(gdi.GetDC(), r.x, r.y, r.w, r.h, 0x3C7AB1);
        ASSERT_TRUE(FillSolidRect(pixels, r.x, r.y, r.w, r.h, 0x3C7AB1));
        EXPECT_TRUE(SamePixels(gdi, pixels)) << r.x << "," << r.y << " " << r.w << "x" << r.h;
    }
}

TEST_P(GdiAgainstPixels, EveryGradientMode) {
    for (int mode = kGradientHorizontal; mode <= kGradientRadial; ++mode) {
        for (const Rect& r : kRects) {
            ZImage gdi, pixels;
            MakeTargets(gdi, pixels);
            ASSERT_TRUE(FillGradient(gdi.GetDC(), r.x, r.y, r.w, r.h, 0x10E080, 0xF02005, mode));
            ASSERT_TRUE(FillGradient(pixels, r.x, r.y, r.w, r.h, 0x10E080, 0xF02005, mode));
            EXPECT_TRUE(SamePixels(gdi, pixels))
                << "mode " << mode << " at " << r.x << "," << r.y << " " << r.w << "x" << r.h;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, GdiAgainstPixels, ::testing::Values(24u, 32u));

TEST(CompositingGdi, GradientFailuresDrawNothing) {
    ZImage target, before;
    ASSERT_TRUE(target.Create(4, 4, 24, 0x445566, nullptr));
    ASSERT_TRUE(before.CopyFrom(target));
    EXPECT_FALSE(FillGradient(target.GetDC(), 0, 0, 0, 4, 0, 0xFFFFFF, kGradientHorizontal));
    EXPECT_FALSE(FillGradient(target.GetDC(), 0, 0, 4, 0, 0, 0xFFFFFF, kGradientRadial));
    EXPECT_TRUE(FillGradient(target.GetDC(), 0, 0, 4, 4, 0, 0xFFFFFF, 4));
    EXPECT_TRUE(SameBytes(target, before));
}

TEST(CompositingGdi, RoundedFrameDrawsAnOutlineAndRestoresThePen) {
    ZImage target;
    ASSERT_TRUE(target.Create(20, 16, 24, 0xFFFFFF, nullptr));
    HDC dc = target.GetDC();
    HGDIOBJ penBefore = GetCurrentObject(dc, OBJ_PEN);
    HGDIOBJ brushBefore = GetCurrentObject(dc, OBJ_BRUSH);
    DrawRoundedFrame(dc, 2, 2, 18, 14, 1, 0x0000FF, 6);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), penBefore);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brushBefore);
    EXPECT_EQ(ColourAt(target, 10, 2), 0x0000FFu);   // top edge
    EXPECT_EQ(ColourAt(target, 10, 13), 0x0000FFu);  // bottom edge (right/bottom exclusive)
    EXPECT_EQ(ColourAt(target, 2, 8), 0x0000FFu);    // left edge
    EXPECT_EQ(ColourAt(target, 17, 8), 0x0000FFu);   // right edge
    EXPECT_EQ(ColourAt(target, 10, 8), 0xFFFFFFu);   // inside: null brush
    EXPECT_EQ(ColourAt(target, 2, 2), 0xFFFFFFu);    // the corner is rounded off
    EXPECT_EQ(ColourAt(target, 1, 8), 0xFFFFFFu);    // outside
}

// The platform's AlphaBlend against the portable blend on noise: within one step per byte, and
// exact where the source is opaque or transparent at full constant alpha.
TEST(CompositingGdi, AlphaBlendMatchesThePortableBlend) {
    for (uint32_t targetBits : {24u, 32u}) {
        for (int32_t constant : {255, 128, 1}) {
            ZImage source, gdi, pixels;
            ASSERT_TRUE(source.Create(9, 7, 32, 0, nullptr));
            ASSERT_TRUE(gdi.Create(11, 6, targetBits, 0, nullptr));
            ByteNoise noise(5);
            noise.Fill(source);
            noise.Fill(gdi);
            for (uint32_t x = 0; x < 9; ++x) {
                PixelAt(source, x, 0)[3] = 255;
                PixelAt(source, x, 1)[3] = 0;
            }
            ASSERT_TRUE(pixels.CopyFrom(gdi));
            ZImage sourceBefore;
            ASSERT_TRUE(sourceBefore.CopyFrom(source));
            ASSERT_TRUE(AlphaBlendImage(gdi, source, 3, -1, constant));
            ASSERT_TRUE(AlphaBlendImagePixels(pixels, source, 3, -1, constant));
            EXPECT_TRUE(SameBytes(source, sourceBefore));  // premultiplied on a copy
            for (uint32_t y = 0; y < 6; ++y) {
                for (uint32_t x = 0; x < 11; ++x) {
                    for (uint32_t b = 0; b < targetBits / 8; ++b) {
                        const int g = PixelAt(gdi, x, y)[b];
                        const int p = PixelAt(pixels, x, y)[b];
                        EXPECT_LE(std::abs(g - p), 1)
                            << targetBits << " bits, constant " << constant << " at " << x << ","
                            << y << " byte " << b;
                        if (constant == 255 && y == 0 && x >= 3) {
                            EXPECT_EQ(g, p) << "opaque at " << x;  // source row 1
                        }
                    }
                }
            }
        }
    }
    ZImage source24, target;
    ASSERT_TRUE(source24.Create(2, 2, 24, 0xFFFFFF, nullptr));
    ASSERT_TRUE(target.Create(2, 2, 24, 0, nullptr));
    EXPECT_FALSE(AlphaBlendImage(target, source24, 0, 0, 255));
    EXPECT_EQ(ColourAt(target, 0, 0), 0u);
}

}  // namespace
}  // namespace zentrova
