// The drop shadow's stretched pieces through GDI (ZImage::DrawPart) against the portable stretch
// used by the native build: the same pixels, for the pieces alone and for the whole shadow.
#include <windows.h>

#include <gtest/gtest.h>

#include "image/ZImageEffects.h"
#include "image/effects/ZShadowPieces.h"
#include "tests/image/CompositingTestSupport.h"

namespace zentrova {
namespace {

using testing::ByteNoise;
using testing::SamePixels;

TEST(DropShadowGdi, StretchMatchesThePortableStretch) {
    struct Case {
        int sw, sh, dw, dh;
    };
    const Case cases[] = {{1, 1, 1, 1},       {3, 3, 3, 3},       {1, 1, 7, 5},  {3, 3, 10, 3},
                          {3, 3, 3, 11},      {5, 4, 17, 9},      {7, 7, 64, 7}, {7, 7, 7, 63},
                          {26, 26, 3892, 26}, {26, 26, 26, 2212}, {9, 2, 10, 3}, {13, 13, 14, 40}};
    uint32_t seed = 3;
    for (const Case& c : cases) {
        ZImage source;
        ASSERT_TRUE(source.Create(c.sw + 5, c.sh + 4, 24, 0, nullptr));
        ByteNoise noise(seed++);
        noise.Fill(source);
        ZImage gdi, pixels;
        ASSERT_TRUE(gdi.Create(c.dw + 3, c.dh + 2, 24, 0x808080, nullptr));
        ASSERT_TRUE(pixels.CopyFrom(gdi));
        ASSERT_TRUE(source.DrawPart(gdi.GetDC(), 2, 1, c.dw, c.dh, 3, 2, c.sw, c.sh, SRCCOPY));
        ASSERT_TRUE(effects::DrawPartPixels(pixels, 2, 1, c.dw, c.dh, source, 3, 2, c.sw, c.sh));
        EXPECT_TRUE(SamePixels(gdi, pixels))
            << c.sw << "x" << c.sh << " to " << c.dw << "x" << c.dh;
    }
}

TEST(DropShadowGdi, PiecesMatchThePortablePieces) {
    for (int m : {1, 4, 26, 57}) {
        ZImage sample;
        const uint32_t side = 200 + 2 * m;
        ASSERT_TRUE(sample.Create(side, side, 24, 0, nullptr));
        ByteNoise noise(m);
        noise.Fill(sample);
        for (uint32_t w : {2u * m + 1, 333u}) {
            ZImage gdi, pixels;
            ASSERT_TRUE(gdi.Create(w, 2 * m + 250, 24, 0x00FF00, nullptr));
            ASSERT_TRUE(pixels.CopyFrom(gdi));
            ASSERT_TRUE(effects::CopyShadowPieces(gdi, sample, m));
            ASSERT_TRUE(effects::CopyShadowPiecesPixels(pixels, sample, m));
            EXPECT_TRUE(SamePixels(gdi, pixels)) << "margin " << m << " width " << w;
        }
    }
}

TEST(DropShadowGdi, WholeShadowMatchesThePortableBuild) {
    // A large dither makes the sample vary along the stretched strips, so that the column and
    // row mapping of the stretch shows in the result.
    for (int dither : {3, 40}) {
        ZImage image;
        ASSERT_TRUE(image.Create(260, 230, 24, 0, nullptr));
        ByteNoise noise(dither);
        noise.Fill(image);
        ZImage portable;
        ASSERT_TRUE(portable.CopyFrom(image));
        DropShadowOptions o;
        o.directionDegrees = 300;
        o.dither = dither;
        o.offset = 4;
        o.intensityPercent = 80;
        o.plainRectangle = true;
        ASSERT_TRUE(ApplyDropShadow(image, o));

        // The same steps with the portable pieces.
        const int m = DropShadowMargin(o.offset, o.dither);
        ZImage sample, result;
        const uint32_t side = 200 + 2 * m;
        ASSERT_TRUE(sample.Create(side, side, 24, 0xFFFFFF, nullptr));
        const int t = 80 * 255 / 100;
        const int s = 255 * (255 - t) / 255;
        ASSERT_TRUE(sample.FillRect(m + 4, m + 4, 200, 200, s * 0x010101u));
        ASSERT_TRUE(BoxBlur(sample, dither, 3));
        ASSERT_TRUE(result.Create(260 + 2 * m, 230 + 2 * m, 24, 0xFFFFFF, nullptr));
        ASSERT_TRUE(effects::CopyShadowPiecesPixels(result, sample, m));
        for (uint32_t y = 0; y < 230; ++y) {
            for (uint32_t x = 0; x < 260; ++x) {
                const uint8_t* p = testing::PixelAt(portable, x, y);
                testing::SetPixel(result, x + m, y + m, p[0], p[1], p[2]);
            }
        }
        EXPECT_TRUE(SamePixels(image, result)) << "dither " << dither;
    }
}

}  // namespace
}  // namespace zentrova
