// The data folders beside the program: "Masks", "Mouse" and "Flags" as the build makes them,
// read with the program's own codecs and checked for what the capture finishing, the spotlight
// tool and the settings dialog rely on.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecBmp.h"
#include "codecs/ZImageCodecPng.h"
#include "core/LoadImage.h"
#include "core/WideText.h"
#include "image/ZImage.h"

namespace zentrova::test {
namespace {

std::wstring DataPath(const std::wstring& relative) {
    return FromUtf8(CLARIVUE_PROGRAM_DATA_DIR) + L"/" + relative;
}

struct Rgba {
    int r, g, b, a;
};

// Colour at column x of picture row y (from the top) of a 24- or 32-bit image.
Rgba At(const ZImage& image, uint32_t x, uint32_t y) {
    const uint32_t bytes = image.GetBitsPerPixel() / 8;
    const uint8_t* p = image.GetRow(image.GetHeight() - 1 - y) + bytes * x;
    return {p[2], p[1], p[0], bytes == 4 ? p[3] : 255};
}

bool Load(ZImage& image, const std::wstring& relative) {
    uint32_t code = 0;
    const bool ok = LoadImageFromFile(image, DataPath(relative).c_str(), &code);
    EXPECT_TRUE(ok) << ToUtf8(relative) << " code " << code;
    return ok;
}

// Capture shape masks ---------------------------------------------------------------------------

const wchar_t* const kCaptureMasks[] = {
    L"Masks/CaptureShapeEffect_cloudy.png", L"Masks/CaptureShapeEffect_concave.png",
    L"Masks/CaptureShapeEffect_convex.png", L"Masks/CaptureShapeEffect_saw.png",
    L"Masks/CaptureShapeEffect_torn.png",   L"Masks/CaptureShapeEffect_zigzag.png",
};

// The finishing step paints everything of a mask white that lies more than this many pixels from
// the edges it shapes.
constexpr uint32_t kShapedBand = 100;

TEST(CaptureShapeMasks, AreTwoColouredWithTheShapeOnlyInTheBorderBand) {
    for (const wchar_t* name : kCaptureMasks) {
        SCOPED_TRACE(ToUtf8(name));
        ZImage mask;
        if (!Load(mask, name)) {
            continue;
        }
        ASSERT_EQ(mask.GetBitsPerPixel(), 24);
        const uint32_t w = mask.GetWidth();
        const uint32_t h = mask.GetHeight();
        // Large enough that the border band is a small part of the picture.
        EXPECT_GE(w, 4 * kShapedBand);
        EXPECT_GE(h, 4 * kShapedBand);

        uint64_t white = 0;
        uint64_t other = 0;
        uint64_t blackInsideCore = 0;
        // Black pixels in the band along each edge: top, right, bottom, left.
        uint64_t edgeBlack[4] = {};
        for (uint32_t y = 0; y < h; ++y) {
            for (uint32_t x = 0; x < w; ++x) {
                const Rgba c = At(mask, x, y);
                if (c.r == 255 && c.g == 255 && c.b == 255) {
                    ++white;
                    continue;
                }
                if (c.r != 0 || c.g != 0 || c.b != 0) {
                    ++other;
                    continue;
                }
                const bool core = x >= kShapedBand && x < w - kShapedBand && y >= kShapedBand &&
                                  y < h - kShapedBand;
                blackInsideCore += core ? 1 : 0;
                // Count by the nearest edge's band, away from the corners (where two bands meet).
                const bool midX = x >= kShapedBand && x < w - kShapedBand;
                const bool midY = y >= kShapedBand && y < h - kShapedBand;
                if (midX && y < kShapedBand)
                    ++edgeBlack[0];
                if (midY && x >= w - kShapedBand)
                    ++edgeBlack[1];
                if (midX && y >= h - kShapedBand)
                    ++edgeBlack[2];
                if (midY && x < kShapedBand)
                    ++edgeBlack[3];
            }
        }
        const uint64_t total = uint64_t{w} * h;
        EXPECT_EQ(other, 0u) << "grey pixels would tint the capture's edge";
        EXPECT_EQ(blackInsideCore, 0u) << "the shape reaches into the picture";
        for (int edge = 0; edge < 4; ++edge) {
            // Every edge carries a visible outline, so that each direction shows a shape.
            EXPECT_GT(edgeBlack[edge], total / 400) << "edge " << edge;
        }
        EXPECT_GT(white, total * 7 / 10);
        EXPECT_LT(white, total * 98 / 100);
        EXPECT_EQ(At(mask, w / 2, h / 2).r, 255);
    }
}

// Spotlight pictures ------------------------------------------------------------------------------

bool IsGrey(const ZImage& image) {
    for (uint32_t y = 0; y < image.GetHeight(); ++y) {
        for (uint32_t x = 0; x < image.GetWidth(); ++x) {
            const Rgba c = At(image, x, y);
            if (c.r != c.g || c.g != c.b) {
                return false;
            }
        }
    }
    return true;
}

TEST(SpotlightShapes, AreGreyPicturesWhiteInTheMiddleAndBlackInTheCorners) {
    const wchar_t* const names[] = {
        L"Masks/SpotlightShape_circle.png",  L"Masks/SpotlightShape_circlesoft.png",
        L"Masks/SpotlightShape_crystal.png", L"Masks/SpotlightShape_rectangle.png",
        L"Masks/SpotlightShape_zigzag.png",
    };
    for (const wchar_t* name : names) {
        SCOPED_TRACE(ToUtf8(name));
        ZImage shape;
        if (!Load(shape, name)) {
            continue;
        }
        ASSERT_EQ(shape.GetBitsPerPixel(), 24);
        const uint32_t w = shape.GetWidth();
        const uint32_t h = shape.GetHeight();
        EXPECT_EQ(w, h);
        EXPECT_GE(w, 256u);
        EXPECT_TRUE(IsGrey(shape));
        EXPECT_EQ(At(shape, w / 2, h / 2).r, 255);
        EXPECT_EQ(At(shape, 0, 0).r, 0);
        EXPECT_EQ(At(shape, w - 1, 0).r, 0);
        EXPECT_EQ(At(shape, 0, h - 1).r, 0);
        EXPECT_EQ(At(shape, w - 1, h - 1).r, 0);
    }
}

TEST(SpotlightShapes, AreAllDifferent) {
    const wchar_t* const names[] = {
        L"Masks/SpotlightShape_circle.png",  L"Masks/SpotlightShape_circlesoft.png",
        L"Masks/SpotlightShape_crystal.png", L"Masks/SpotlightShape_rectangle.png",
        L"Masks/SpotlightShape_zigzag.png",
    };
    std::vector<std::vector<uint8_t>> pixels;
    for (const wchar_t* name : names) {
        ZImage shape;
        ASSERT_TRUE(Load(shape, name));
        pixels.emplace_back(shape.GetBits(), shape.GetBits() + shape.GetPixelMemorySize());
    }
    for (size_t i = 0; i < pixels.size(); ++i) {
        for (size_t j = i + 1; j < pixels.size(); ++j) {
            EXPECT_NE(pixels[i], pixels[j]) << i << " and " << j;
        }
    }
}

TEST(SpotlightMask, DarkensNothingInTheMiddleAndEverythingAtTheBorder) {
    ZImage mask;
    ASSERT_TRUE(Load(mask, L"Masks/SpotlightMask.png"));
    ASSERT_EQ(mask.GetBitsPerPixel(), 24);
    const uint32_t w = mask.GetWidth();
    const uint32_t h = mask.GetHeight();
    EXPECT_TRUE(IsGrey(mask));
    EXPECT_LE(At(mask, w / 2, h / 2).r, 2);
    EXPECT_EQ(At(mask, 0, 0).r, 255);
    EXPECT_EQ(At(mask, w - 1, h / 2).r, 255);
    EXPECT_EQ(At(mask, w / 2, h - 1).r, 255);
    // A smooth fall-off: from the middle outwards the value never drops, and it passes through
    // the half-way greys instead of jumping.
    int previous = -1;
    int greys = 0;
    for (uint32_t x = w / 2; x < w; ++x) {
        const int v = At(mask, x, h / 2).r;
        EXPECT_GE(v, previous) << "x " << x;
        previous = v;
        greys += (v > 64 && v < 192) ? 1 : 0;
    }
    EXPECT_GE(greys, 20);
}

// Cursor decorations ------------------------------------------------------------------------------

TEST(MouseDecorations, Are32BitPicturesCentredOnTheArrowTip) {
    const wchar_t* const names[] = {
        L"Mouse/mouse-balls.png",     L"Mouse/mouse-blob.png",     L"Mouse/mouse-crosshair.png",
        L"Mouse/mouse-explosive.png", L"Mouse/mouse-asterisk.png", L"Mouse/mouse-x.png",
    };
    for (const wchar_t* name : names) {
        SCOPED_TRACE(ToUtf8(name));
        ZImage picture;
        if (!Load(picture, name)) {
            continue;
        }
        ASSERT_EQ(picture.GetBitsPerPixel(), 32);
        const uint32_t w = picture.GetWidth();
        const uint32_t h = picture.GetHeight();
        ASSERT_EQ(w, 84u);
        ASSERT_EQ(h, 84u);
        // The picture is centred on the cursor position; the arrow is drawn 10 pixels up and
        // left of it (a third of a 32-pixel icon). The art's weight centre sits on the arrow's tip.
        double sum = 0;
        double sx = 0;
        double sy = 0;
        int opaque = 0;
        int clear = 0;
        int keyColoured = 0;
        for (uint32_t y = 0; y < h; ++y) {
            for (uint32_t x = 0; x < w; ++x) {
                const Rgba c = At(picture, x, y);
                sum += c.a;
                sx += c.a * (x + 0.5);
                sy += c.a * (y + 0.5);
                opaque += c.a >= 128 ? 1 : 0;
                clear += c.a == 0 ? 1 : 0;
                // Pure magenta would turn into the background colour in the capture.
                keyColoured += (c.a > 0 && c.r == 255 && c.g == 0 && c.b == 255) ? 1 : 0;
            }
        }
        ASSERT_GT(sum, 0);
        EXPECT_NEAR(sx / sum, w / 2.0 - 10, 2.5);
        EXPECT_NEAR(sy / sum, h / 2.0 - 10, 2.5);
        EXPECT_GT(opaque, 300);
        EXPECT_GT(clear, 300);
        EXPECT_EQ(keyColoured, 0);
        EXPECT_EQ(At(picture, w - 1, h - 1).a, 0);
    }
}

// Flags -------------------------------------------------------------------------------------------

bool LoadFlag(ZImage& flag, const std::wstring& name) {
    if (!Load(flag, L"Flags/" + name + L".bmp")) {
        return false;
    }
    EXPECT_EQ(flag.GetWidth(), 16u);
    EXPECT_EQ(flag.GetHeight(), 16u);
    EXPECT_EQ(flag.GetBitsPerPixel(), 24);
    return flag.GetWidth() == 16 && flag.GetHeight() == 16 && flag.GetBitsPerPixel() == 24;
}

TEST(Flags, EveryShippedLanguageAndTheUnknownOneHasA16PixelFlag) {
    const wchar_t* const tags[] = {CLARIVUE_LANGUAGE_TAGS L"unknown"};
    EXPECT_GE(sizeof(tags) / sizeof(tags[0]), 3u);
    std::vector<std::vector<uint8_t>> seen;
    for (const wchar_t* tag : tags) {
        SCOPED_TRACE(ToUtf8(tag));
        ZImage flag;
        if (!LoadFlag(flag, tag)) {
            continue;
        }
        std::vector<uint8_t> bits(flag.GetBits(), flag.GetBits() + flag.GetPixelMemorySize());
        for (const auto& other : seen) {
            EXPECT_NE(bits, other) << "two languages share one picture";
        }
        seen.push_back(bits);
    }
}

TEST(Flags, TheGermanFlagIsBlackRedGoldFromTheTop) {
    ZImage flag;
    ASSERT_TRUE(LoadFlag(flag, L"de-de"));
    const Rgba top = At(flag, 8, 4);
    const Rgba middle = At(flag, 8, 7);
    const Rgba bottom = At(flag, 8, 11);
    EXPECT_LT(top.r + top.g + top.b, 60);
    EXPECT_GT(middle.r, 180);
    EXPECT_LT(middle.g, 60);
    EXPECT_LT(middle.b, 60);
    EXPECT_GT(bottom.r, 200);
    EXPECT_GT(bottom.g, 160);
    EXPECT_LT(bottom.b, 60);
}

TEST(Flags, TheAmericanFlagHasABlueCantonOverRedAndWhiteStripes) {
    ZImage flag;
    ASSERT_TRUE(LoadFlag(flag, L"en-us"));
    int blue = 0;
    for (uint32_t y = 3; y < 7; ++y) {
        for (uint32_t x = 1; x < 7; ++x) {
            const Rgba c = At(flag, x, y);
            blue += (c.b > c.r + 30) ? 1 : 0;
        }
    }
    EXPECT_GE(blue, 16);
    int red = 0;
    int white = 0;
    for (uint32_t y = 3; y < 13; ++y) {
        const Rgba c = At(flag, 12, y);
        red += (c.r > 150 && c.g < 80 && c.b < 80) ? 1 : 0;
        white += (c.r > 230 && c.g > 230 && c.b > 230) ? 1 : 0;
    }
    EXPECT_GE(red, 4);
    EXPECT_GE(white, 4);
}

}  // namespace
}  // namespace zentrova::test
