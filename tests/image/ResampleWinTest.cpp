// DrawScaled through GDI: the area-averaged path gives exactly the resampler's pixels, the other
// sizes go through the platform's nearest-neighbour stretch, channel modes draw grey.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "image/ZResample.h"

namespace zentrova {
namespace {

constexpr ZColor kUntouched = 0x123456;

// A 24-bit picture whose pixel (x, memory row r) has blue 40 * x + 1, green 60 * r + 2, red 7.
void MakeRamp(ZImage& image, uint32_t w, uint32_t h) {
    ASSERT_TRUE(image.Create(w, h, 24, 0, nullptr));
    for (uint32_t r = 0; r < h; ++r) {
        uint8_t* p = image.GetRow(r);
        for (uint32_t x = 0; x < w; ++x, p += 3) {
            p[0] = static_cast<uint8_t>(40 * x + 1);
            p[1] = static_cast<uint8_t>(60 * r + 2);
            p[2] = 7;
        }
    }
}

// The area-averaged picture as 24-bit rows (bottom-up, padded).
std::vector<uint8_t> Averaged(const ZImage& image, uint32_t W, uint32_t H) {
    std::vector<uint8_t> out(size_t{ZImage::StrideFor(W, 24)} * H);
    EXPECT_TRUE(AreaAverageBuffer(out.data(), W, H, image.GetBits(), image.GetWidth(),
                                  image.GetHeight(), 24, nullptr));
    return out;
}

// Pixel (x, y from the top) of a 24-bit image.
const uint8_t* PixelAt(const ZImage& image, uint32_t x, uint32_t y) {
    image.FlushDrawing();
    return image.GetRow(image.GetHeight() - 1 - y) + 3 * x;
}

// Expects the W x H rectangle at (left, top) of the target to hold `pixels` (bottom-up rows).
void ExpectRegion(const ZImage& target, uint32_t left, uint32_t top, uint32_t W, uint32_t H,
                  const std::vector<uint8_t>& pixels) {
    const size_t stride = ZImage::StrideFor(W, 24);
    for (uint32_t y = 0; y < H; ++y) {
        const uint8_t* want = pixels.data() + (H - 1 - y) * stride;
        ASSERT_EQ(0, std::memcmp(PixelAt(target, left, top + y), want, size_t{W} * 3))
            << "row " << y;
    }
}

TEST(DrawScaled, ShrinkingAndEnlargingBothAxesDrawTheAreaAverage) {
    ZImage image;
    MakeRamp(image, 8, 6);
    ZImage target;
    ASSERT_TRUE(target.Create(12, 10, 24, kUntouched, nullptr));
    DrawScaled(image, target.GetDC(), 2, 1, 5, 4, 0);
    ExpectRegion(target, 2, 1, 5, 4, Averaged(image, 5, 4));
    // Outside the rectangle nothing is drawn.
    EXPECT_EQ(PixelAt(target, 1, 1)[2], 0x56);
    EXPECT_EQ(PixelAt(target, 7, 1)[2], 0x56);
    EXPECT_EQ(PixelAt(target, 2, 5)[2], 0x56);

    ZImage small;
    MakeRamp(small, 3, 3);
    ASSERT_TRUE(target.Fill(kUntouched));
    DrawScaled(small, target.GetDC(), 0, 0, 7, 5, 4);
    ExpectRegion(target, 0, 0, 7, 5, Averaged(small, 7, 5));
}

TEST(DrawScaled, SizesBelowOneBecomeOne) {
    ZImage image;
    MakeRamp(image, 4, 4);
    ZImage target;
    ASSERT_TRUE(target.Create(3, 3, 24, kUntouched, nullptr));
    DrawScaled(image, target.GetDC(), 0, 0, 0, -5, 0);
    ExpectRegion(target, 0, 0, 1, 1, Averaged(image, 1, 1));
    EXPECT_EQ(PixelAt(target, 1, 0)[2], 0x56);
    EXPECT_EQ(PixelAt(target, 0, 1)[2], 0x56);
}

// Every drawn pixel of the target rectangle is one of the image's own colours: nothing mixed.
void ExpectOnlySourceColours(const ZImage& image, const ZImage& target, uint32_t W, uint32_t H) {
    std::set<uint32_t> colours;
    for (uint32_t r = 0; r < image.GetHeight(); ++r) {
        for (uint32_t x = 0; x < image.GetWidth(); ++x) {
            const uint8_t* p = image.GetRow(r) + 3 * x;
            colours.insert(p[0] | (p[1] << 8) | (p[2] << 16));
        }
    }
    for (uint32_t y = 0; y < H; ++y) {
        for (uint32_t x = 0; x < W; ++x) {
            const uint8_t* p = PixelAt(target, x, y);
            ASSERT_EQ(colours.count(p[0] | (p[1] << 8) | (p[2] << 16)), 1u) << x << "," << y;
        }
    }
}

TEST(DrawScaled, OtherSizesUseThePlatformStretch) {
    ZImage image;
    MakeRamp(image, 4, 4);
    ZImage target;
    // Wider but lower, and the same size: no averaging.
    ASSERT_TRUE(target.Create(9, 9, 24, kUntouched, nullptr));
    DrawScaled(image, target.GetDC(), 0, 0, 9, 2, 0);
    ExpectOnlySourceColours(image, target, 9, 2);
    DrawScaled(image, target.GetDC(), 0, 0, 4, 4, 0);
    for (uint32_t y = 0; y < 4; ++y) {
        ASSERT_EQ(0, std::memcmp(PixelAt(target, 0, y), image.GetRow(3 - y), 12));
    }
    // 10000 x 10001 from 3 x 3: averaging would mix the colours around column 3333; the platform
    // stretch repeats them. The 10 x 10 target sees columns and rows 3330..3339.
    ZImage three;
    MakeRamp(three, 3, 3);
    ASSERT_TRUE(target.Create(10, 10, 24, kUntouched, nullptr));
    DrawScaled(three, target.GetDC(), -3330, -3330, 10000, 10001, 0);
    ExpectOnlySourceColours(three, target, 10, 10);
}

TEST(DrawScaled, ChannelModesDrawOneChannelAsGrey) {
    ZImage image;
    MakeRamp(image, 8, 6);
    ZImage target;
    ASSERT_TRUE(target.Create(5, 4, 24, kUntouched, nullptr));
    const std::vector<uint8_t> averaged = Averaged(image, 5, 4);
    const size_t stride = ZImage::StrideFor(5, 24);
    for (int mode = 1; mode <= 3; ++mode) {
        DrawScaled(image, target.GetDC(), 0, 0, 5, 4, mode);
        const int channel = 3 - mode;  // 1 red (byte 2), 2 green (byte 1), 3 blue (byte 0)
        for (uint32_t y = 0; y < 4; ++y) {
            for (uint32_t x = 0; x < 5; ++x) {
                const uint8_t want = averaged[(3 - y) * stride + 3 * x + channel];
                const uint8_t* p = PixelAt(target, x, y);
                ASSERT_EQ(p[0], want) << mode;
                ASSERT_EQ(p[1], want) << mode;
                ASSERT_EQ(p[2], want) << mode;
            }
        }
    }
}

TEST(DrawScaled, AnEmptyImageDrawsNothing) {
    ZImage empty;
    ZImage target;
    ASSERT_TRUE(target.Create(2, 2, 24, kUntouched, nullptr));
    DrawScaled(empty, target.GetDC(), 0, 0, 2, 2, 0);
    EXPECT_EQ(PixelAt(target, 0, 0)[2], 0x56);
    EXPECT_EQ(PixelAt(target, 1, 1)[1], 0x34);
}

}  // namespace
}  // namespace zentrova
