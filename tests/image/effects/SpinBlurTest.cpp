// Spin blur: byte-for-byte identity with the literal per-pixel loop (SpinBlurReference.h) on
// small and odd pictures, both depths and several angles, the cases whose result is known without
// the loop, and the refusals with their log lines.
#include <cstdint>

#include <gtest/gtest.h>

#include "image/ZImageEffects.h"
#include "tests/image/effects/EffectPictures.h"
#include "tests/image/effects/SpinBlurReference.h"

namespace zentrova {
namespace {

using test::At;
using test::ClearErrorLog;
using test::ErrorLog;
using test::MakeNoise;
using test::MakePicture;
using test::SameBytes;

void ExpectSameAsReference(uint32_t w, uint32_t h, uint32_t bits, double angle, uint32_t seed) {
    ZImage fast, reference;
    MakeNoise(fast, w, h, bits, seed);
    ASSERT_TRUE(reference.CopyFrom(fast));
    ASSERT_TRUE(SpinBlur(fast, angle));
    ASSERT_TRUE(test::SpinBlurReference(reference, angle));
    EXPECT_TRUE(SameBytes(fast, reference)) << w << "x" << h << "x" << bits << " angle " << angle;
}

TEST(SpinBlurTest, MatchesTheLiteralLoopOnSmallPictures) {
    uint32_t seed = 3;
    for (uint32_t bits : {24u, 32u}) {
        for (uint32_t w : {1u, 2u, 7u, 8u, 9u, 31u, 64u}) {
            for (uint32_t h : {1u, 3u, 16u, 33u}) {
                for (double angle : {3.0, -3.0, 0.5, 20.0, 90.0}) {
                    ExpectSameAsReference(w, h, bits, angle, ++seed);
                }
            }
        }
    }
}

TEST(SpinBlurTest, MatchesTheLiteralLoopOnAWiderPictureAndLargeAngles) {
    ExpectSameAsReference(160, 90, 24, 3.0, 11);
    ExpectSameAsReference(77, 45, 32, 180.0, 12);
    ExpectSameAsReference(40, 30, 24, 360.0, 13);
    ExpectSameAsReference(40, 30, 24, -360.0, 14);
    // Far from the centre with a full turn: values too large for 32-bit lanes, so the fast code
    // must take its exact 64-bit path and still agree.
    ExpectSameAsReference(2700, 2, 24, 360.0, 15);
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
}

TEST(SpinBlurTest, RefusalsAndTheirLogLines) {
    test::ExpectShallowRefusalsLogged([](ZImage& image) { return SpinBlur(image, 3.0); }, 146);
}

}  // namespace
}  // namespace zentrova
