// The single-pass shape and fader steps against the sequences of image operations they stand
// for (filter, invert, replace colour, gradient, mirror, masked blend), on noise pictures of many
// sizes: every byte must agree.
#include <gtest/gtest.h>

#include "capture/finish/FinishPipeline.h"
#include "image/ZCompositing.h"
#include "image/ZImageEffects.h"
#include "image/ZResample.h"
#include "tests/image/CompositingTestSupport.h"

namespace zentrova {
namespace {

using testing::ByteNoise;
using testing::ColourAt;
using testing::SetPixel;

constexpr ZColor kMagenta = 0xFF00FF;

struct Size {
    uint32_t w, h;
};
constexpr Size kSizes[] = {{1, 1}, {2, 2}, {3, 3}, {1, 7}, {6, 1}, {5, 4}, {37, 23}, {64, 9}};

// Noise with some pure magenta, black and white pixels.
bool MakeNoise(ZImage& image, uint32_t w, uint32_t h, uint32_t seed) {
    if (!image.Create(w, h, 24, 0, nullptr)) {
        return false;
    }
    ByteNoise noise(seed);
    noise.Fill(image);
    for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < w; ++x) {
            const uint8_t pick = noise.Next() % 8;
            if (pick == 0) {
                SetPixel(image, x, y, 255, 0, 255);
            } else if (pick == 1) {
                SetPixel(image, x, y, 0, 0, 0);
            } else if (pick == 2) {
                SetPixel(image, x, y, 255, 255, 255);
            }
        }
    }
    return true;
}

void ExpectSamePixels(const ZImage& a, const ZImage& b, const char* what) {
    ASSERT_EQ(a.GetWidth(), b.GetWidth()) << what;
    ASSERT_EQ(a.GetHeight(), b.GetHeight()) << what;
    for (uint32_t y = 0; y < a.GetHeight(); ++y) {
        for (uint32_t x = 0; x < a.GetWidth(); ++x) {
            ASSERT_EQ(ColourAt(a, x, y), ColourAt(b, x, y)) << what << " at " << x << "," << y;
        }
    }
}

TEST(FinishEquivalence, FaderIsGradientMaskAndBlend) {
    const int modes[8] = {kGradientHorizontal, kGradientDiagonal,   kGradientVertical,
                          kGradientDiagonal,   kGradientHorizontal, kGradientDiagonal,
                          kGradientVertical,   kGradientDiagonal};
    for (const Size& size : kSizes) {
        for (uint32_t fader = 1; fader <= 8; ++fader) {
            for (ZColor bg : {0x000000u, 0x3C80F0u, 0xFFFFFFu}) {
                ZImage capture, reference, a, g;
                ASSERT_TRUE(MakeNoise(capture, size.w, size.h, fader * 31 + size.w));
                ASSERT_TRUE(reference.CopyFrom(capture));
                const bool rising = fader <= 4;
                ASSERT_TRUE(a.Create(size.w, size.h, 24, bg, nullptr));
                ASSERT_TRUE(g.Create(size.w, size.h, 24, bg, nullptr));
                ASSERT_TRUE(FillGradient(g, 0, 0, static_cast<int32_t>(size.w),
                                         static_cast<int32_t>(size.h), rising ? 0x000000 : 0xFFFFFF,
                                         rising ? 0xFFFFFF : 0x000000, modes[fader - 1]));
                if (fader == 4 || fader == 8) {
                    ASSERT_TRUE(Mirror(g));
                }
                ASSERT_TRUE(BlendMasked(a, reference, g, 0, 0));
                ASSERT_TRUE(ApplyFader(capture, fader, bg));
                ExpectSamePixels(capture, a, "fader");
                if (::testing::Test::HasFatalFailure()) {
                    ADD_FAILURE() << "fader " << fader << " size " << size.w << "x" << size.h;
                    return;
                }
            }
        }
    }
}

TEST(FinishEquivalence, MaskOutlineIsFilterInvertAndBlend) {
    const Size files[] = {{1, 1}, {2, 3}, {9, 7}, {30, 20}, {130, 120}};
    const Size captures[] = {{1, 1}, {3, 2}, {9, 7}, {9, 20}, {30, 7}, {41, 33}, {20, 50}};
    uint32_t seed = 5;
    for (const Size& file : files) {
        for (const Size& capture : captures) {
            for (uint32_t direction : {0u, 1u, 2u, 3u, 4u, 5u, 6u}) {
                ZImage maskFile, referenceFile, m, reference;
                ASSERT_TRUE(MakeNoise(maskFile, file.w, file.h, ++seed));
                ASSERT_TRUE(referenceFile.CopyFrom(maskFile));
                ASSERT_TRUE(MakeNoise(m, capture.w, capture.h, ++seed));
                ASSERT_TRUE(reference.CopyFrom(m));

                int32_t l = 0, t = 0, r = 0, b = 0;
                if (MaskDirectionRect(direction, static_cast<int32_t>(file.w),
                                      static_cast<int32_t>(file.h), l, t, r, b)) {
                    ASSERT_TRUE(FillSolidRect(referenceFile, l, t, r - l, b - t, 0xFFFFFF));
                }
                ASSERT_TRUE(Resize(referenceFile, static_cast<int32_t>(capture.w),
                                   static_cast<int32_t>(capture.h), kFilterNoSmoothing));
                ZImage inside;
                ASSERT_TRUE(inside.CopyFrom(referenceFile));
                ASSERT_TRUE(ApplyFilter(inside, 1) || capture.w < 3 || capture.h < 3);
                ASSERT_TRUE(Invert(inside));
                ASSERT_TRUE(BlendMasked(reference, inside, referenceFile, 0, 0));

                ASSERT_TRUE(DrawMaskFileOutline(m, maskFile, direction));
                ExpectSamePixels(m, reference, "outline");
                if (::testing::Test::HasFatalFailure()) {
                    ADD_FAILURE() << "file " << file.w << "x" << file.h << " capture " << capture.w
                                  << "x" << capture.h << " direction " << direction;
                    return;
                }
            }
        }
    }
}

TEST(FinishEquivalence, CutOutIsReplaceInvertAndBlend) {
    for (const Size& size : kSizes) {
        for (bool shadow : {false, true}) {
            for (ZColor bg : {0x000000u, 0x12AB34u}) {
                ZImage capture, m, referenceCapture, referenceM, v;
                ASSERT_TRUE(MakeNoise(capture, size.w, size.h, size.w * 7 + size.h));
                ASSERT_TRUE(MakeNoise(m, size.w, size.h, size.w * 3 + size.h * 11));
                ASSERT_TRUE(referenceCapture.CopyFrom(capture));
                ASSERT_TRUE(referenceM.CopyFrom(m));

                ASSERT_TRUE(v.CopyFrom(referenceM));
                ASSERT_TRUE(ReplaceColor(v, kMagenta, 0xFFFFFF));
                ASSERT_TRUE(Invert(v));
                if (!shadow) {
                    ASSERT_TRUE(ReplaceColor(referenceM, kMagenta, bg));
                    ASSERT_TRUE(ReplaceColor(referenceCapture, kMagenta, bg));
                }
                ASSERT_TRUE(BlendMasked(referenceM, referenceCapture, v, 0, 0));

                ASSERT_TRUE(CutOutShape(capture, m, shadow, bg));
                ExpectSamePixels(capture, referenceM, "cut-out");
                if (::testing::Test::HasFatalFailure()) {
                    ADD_FAILURE() << "size " << size.w << "x" << size.h << " shadow " << shadow;
                    return;
                }
            }
        }
    }
}

TEST(FinishEquivalence, MaskFileCutOutIsOutlineThenCutOut) {
    const Size files[] = {{1, 1}, {4, 3}, {30, 20}, {120, 130}};
    const Size captures[] = {{1, 1}, {2, 5}, {9, 7}, {57, 41}};
    uint32_t seed = 99;
    for (const Size& file : files) {
        for (const Size& size : captures) {
            for (uint32_t direction : {0u, 3u, 5u, 6u}) {
                for (bool shadow : {false, true}) {
                    ZImage maskFile, referenceFile, capture, reference, m;
                    // Noise with a white left half: the inside of a shape.
                    ASSERT_TRUE(MakeNoise(maskFile, file.w, file.h, ++seed));
                    ASSERT_TRUE(FillSolidRect(maskFile, 0, 0, static_cast<int32_t>(file.w / 2 + 1),
                                              static_cast<int32_t>(file.h), 0xFFFFFF));
                    ASSERT_TRUE(referenceFile.CopyFrom(maskFile));
                    ASSERT_TRUE(MakeNoise(capture, size.w, size.h, ++seed));
                    ASSERT_TRUE(reference.CopyFrom(capture));
                    ASSERT_TRUE(m.Create(size.w, size.h, 24, kMagenta, nullptr));
                    ASSERT_TRUE(DrawMaskFileOutline(m, referenceFile, direction));
                    ASSERT_TRUE(CutOutShape(reference, m, shadow, 0x405060));

                    ASSERT_TRUE(
                        CutOutThroughMaskFile(capture, maskFile, direction, shadow, 0x405060));
                    ExpectSamePixels(capture, reference, "mask file cut-out");
                    if (::testing::Test::HasFatalFailure()) {
                        ADD_FAILURE() << "file " << file.w << "x" << file.h << " capture " << size.w
                                      << "x" << size.h << " direction " << direction;
                        return;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace zentrova
