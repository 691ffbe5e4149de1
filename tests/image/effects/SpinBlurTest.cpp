// Spin blur: the vector implementation byte for byte against the portable one on small and odd
// pictures, both depths and several angles, either sign of the angle alike, the cases whose
// result is known without the loop, and the refusals with their log lines.
#include <cstdint>

#include <gtest/gtest.h>

#include "image/ZImageEffects.h"
#include "tests/image/effects/EffectPictures.h"

namespace zentrova {
namespace {

using test::MakeNoise;
using test::MakePicture;
using test::SameBytes;

void ExpectSameAsPortable(uint32_t w, uint32_t h, uint32_t bits, double angle, uint32_t seed) {
    ZImage fast, portable, turned;
    MakeNoise(fast, w, h, bits, seed);
    ASSERT_TRUE(portable.CopyFrom(fast));
    ASSERT_TRUE(turned.CopyFrom(fast));
    ASSERT_TRUE(SpinBlur(fast, angle));
    ASSERT_TRUE(SpinBlur(turned, -angle));  // the arcs run both ways: the sign does not matter
    ASSERT_TRUE(SpinBlur(portable, angle, EffectKernel::Portable));
    EXPECT_TRUE(SameBytes(fast, portable)) << w << "x" << h << "x" << bits << " angle " << angle;
    EXPECT_TRUE(SameBytes(fast, turned)) << w << "x" << h << "x" << bits << " angle " << angle;
}

TEST(SpinBlurTest, VectorAndPortableAgreeOnSmallPictures) {
    uint32_t seed = 3;
    for (uint32_t bits : {24u, 32u}) {
        for (uint32_t w : {1u, 2u, 7u, 8u, 9u, 31u, 64u}) {
            for (uint32_t h : {1u, 3u, 16u, 33u}) {
                for (double angle : {3.0, 0.5, 20.0, 90.0}) {
                    ExpectSameAsPortable(w, h, bits, angle, ++seed);
                }
            }
        }
    }
    ExpectSameAsPortable(160, 90, 24, 3.0, 11);
    ExpectSameAsPortable(77, 45, 32, 180.0, 12);
    ExpectSameAsPortable(40, 30, 24, 360.0, 13);
    // Far from the centre with a full turn: values too large for 32-bit lanes.
    ExpectSameAsPortable(2700, 2, 24, 360.0, 15);
}

TEST(SpinBlurTest, KnownResults) {
    // A uniform picture stays uniform, whatever the arcs hit; alpha is not touched.
    ZImage uniform;
    MakePicture(uniform, 23, 17, 32, [](uint32_t x, uint32_t r, uint32_t c) -> uint8_t {
        return c == 3 ? static_cast<uint8_t>(x * 11 + r) : static_cast<uint8_t>(40 + 70 * c);
    });
    ZImage before;
    ASSERT_TRUE(before.CopyFrom(uniform));
    ASSERT_TRUE(SpinBlur(uniform, 30.0));
    EXPECT_TRUE(SameBytes(uniform, before));

    // Angle 0: every sample is the pixel itself.
    ZImage noise;
    MakeNoise(noise, 13, 9, 24, 99);
    ASSERT_TRUE(before.CopyFrom(noise));
    ASSERT_TRUE(SpinBlur(noise, 0.0));
    EXPECT_TRUE(SameBytes(noise, before));

    // On a single row every arc of +-3 degrees runs almost vertically: while a sample still
    // rounds to row 0 (less than half a pixel up or down) it is less than 0.01 pixel away from
    // its start horizontally (radius at most 150 pixels), so it rounds to the pixel itself, and
    // once it leaves the row it is outside. Every pixel is the mean of copies of itself.
    MakeNoise(noise, 301, 1, 24, 21);
    ASSERT_TRUE(before.CopyFrom(noise));
    ASSERT_TRUE(SpinBlur(noise, 3.0));
    EXPECT_TRUE(SameBytes(noise, before));

    // The arcs of the other pixels never come within half a pixel of the centre, nor does the
    // centre's arc leave it: a single bright centre pixel on black stays as it is.
    for (double angle : {3.0, 90.0, 360.0}) {
        for (bool portable : {false, true}) {
            ZImage point;
            MakePicture(point, 9, 6, 24, [](uint32_t x, uint32_t r, uint32_t) -> uint8_t {
                return x == 4 && r == 3 ? 255 : 0;
            });
            ASSERT_TRUE(before.CopyFrom(point));
            ASSERT_TRUE(
                SpinBlur(point, angle, portable ? EffectKernel::Portable : EffectKernel::Fastest));
            EXPECT_TRUE(SameBytes(point, before)) << angle << " " << portable;
        }
    }
}

TEST(SpinBlurTest, RefusalsAndTheirLogLines) {
    test::ExpectShallowRefusalsLogged([](ZImage& image) { return SpinBlur(image, 3.0); }, 146);
}

}  // namespace
}  // namespace zentrova
