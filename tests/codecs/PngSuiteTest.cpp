// PngSuite: every valid file against an independent decode, every damaged file fails cleanly.
//
// The reference is libpng's high-level png_read_png with nothing but unpacking of small depths:
// raw samples (16-bit ones still big-endian), raw palette and tRNS. The rules of what the reader
// makes of them (depths, grey ramps, palette transparency over the window colour, reduction
// of 16-bit samples to their high byte) are worked out here from those raw values.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include <png.h>

#include <gtest/gtest.h>

#include "codecs/PngWindowColour.h"
#include "codecs/ZImageCodecPng.h"
#include "tests/codecs/CodecTestSupport.h"

namespace zentrova::test {
namespace {

uint8_t Composite(uint8_t colour, uint8_t alpha, uint8_t background) {
    return static_cast<uint8_t>((colour * alpha + background * (255 - alpha) + 127) / 255);
}

// The valid files of the suite, or the damaged ones (named x...).
std::vector<std::string> SuiteFiles(bool damaged) {
    std::vector<std::string> names = FilesOf("pngsuite", ".png");
    names.erase(
        std::remove_if(names.begin(), names.end(),
                       [damaged](const std::string& n) { return (n[0] == 'x') != damaged; }),
        names.end());
    return names;
}

std::wstring SuitePath(const std::string& name) {
    return TestDataPath("pngsuite/" + name);
}

// Checks one decoded file against the rules, pixel by pixel.
void ExpectDecodedAsTheRulesSay(const std::string& name, const ZImage& image,
                                const DecodedPng& raw) {
    SCOPED_TRACE(name);
    ASSERT_EQ(image.GetWidth(), raw.width);
    ASSERT_EQ(image.GetHeight(), raw.height);
    const uint32_t h = raw.height;
    const ZColor window = GetPngBackgroundColour();
    const uint8_t windowRgb[3] = {static_cast<uint8_t>(window & 0xFF),
                                  static_cast<uint8_t>((window >> 8) & 0xFF),
                                  static_cast<uint8_t>((window >> 16) & 0xFF)};

    if (raw.hasPhys && raw.physUnit == PNG_RESOLUTION_METER) {
        EXPECT_EQ(image.dpiX, static_cast<int>(std::trunc(raw.physX * 2.54 / 100.0 + 0.5)));
        EXPECT_EQ(image.dpiY, static_cast<int>(std::trunc(raw.physY * 2.54 / 100.0 + 0.5)));
    } else {
        EXPECT_EQ(image.dpiX, 96);
        EXPECT_EQ(image.dpiY, 96);
    }

    switch (raw.colourType) {
        case PNG_COLOR_TYPE_GRAY: {
            const int depth = raw.bitDepth == 16 ? 8 : raw.bitDepth;
            ASSERT_EQ(image.GetBitsPerPixel(), depth == 2 ? 4 : depth);
            const int levels = 1 << depth;
            for (int i = 0; i < levels; ++i) {
                const uint8_t* entry = image.GetPaletteEntryBgr(i);
                ASSERT_EQ(std::vector<int>(entry, entry + 3),
                          std::vector<int>(3, i * 255 / (levels - 1)));
            }
            EXPECT_FALSE(image.hasTransparentIndex);
            break;
        }
        case PNG_COLOR_TYPE_PALETTE: {
            ASSERT_EQ(image.GetBitsPerPixel(), raw.bitDepth == 2 ? 4 : raw.bitDepth);
            int transparent = -1;
            for (size_t i = 0; i < raw.palette.size() / 3; ++i) {
                const uint8_t a = i < raw.transAlpha.size() ? raw.transAlpha[i] : 255;
                if (a == 0) {
                    transparent = static_cast<int>(i);
                }
                const uint8_t* entry = image.GetPaletteEntryBgr(static_cast<int>(i));
                const uint8_t* rgb = &raw.palette[3 * i];
                ASSERT_EQ(std::vector<int>(entry, entry + 3),
                          (std::vector<int>{Composite(rgb[2], a, windowRgb[2]),
                                            Composite(rgb[1], a, windowRgb[1]),
                                            Composite(rgb[0], a, windowRgb[0])}))
                    << i;
            }
            EXPECT_EQ(image.hasTransparentIndex, transparent >= 0);
            if (transparent >= 0) {
                EXPECT_EQ(image.transparentIndex, transparent);
            }
            break;
        }
        default: {
            ASSERT_FALSE(image.hasTransparentIndex);
            const bool alpha = raw.colourType & PNG_COLOR_MASK_ALPHA;
            const bool grey = !(raw.colourType & PNG_COLOR_MASK_COLOR);
            const int bytes = alpha ? 4 : 3;
            ASSERT_EQ(image.GetBitsPerPixel(), bytes * 8);
            for (uint32_t y = 0; y < h; ++y) {
                const uint8_t* row = image.GetRow(h - 1 - y);
                for (uint32_t x = 0; x < raw.width; ++x) {
                    const uint8_t* p = row + x * bytes;
                    const uint8_t r = raw.Sample(x, y, 0);
                    const uint8_t g = grey ? r : raw.Sample(x, y, 1);
                    const uint8_t b = grey ? r : raw.Sample(x, y, 2);
                    ASSERT_EQ(std::vector<int>(p, p + 3), (std::vector<int>{b, g, r}))
                        << x << "," << y;
                    if (alpha) {
                        ASSERT_EQ(p[3], raw.Sample(x, y, grey ? 1 : 3)) << x << "," << y;
                    }
                }
            }
            return;
        }
    }
    // Palette and grey pictures: the raw samples are the indices.
    for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < raw.width; ++x) {
            ASSERT_EQ(image.GetPixelIndex(x, h - 1 - y), raw.Sample(x, y, 0)) << x << "," << y;
        }
    }
}

TEST(PngSuiteTest, EveryValidFileDecodesAsTheRulesSay) {
    const std::vector<std::string> names = SuiteFiles(false);
    ASSERT_GE(names.size(), 150u);
    int interlaced = 0;
    int twoBit = 0;
    int sixteenBit = 0;
    for (const std::string& name : names) {
        DecodedPng raw;
        ASSERT_TRUE(DecodePng(SuitePath(name), PNG_TRANSFORM_PACKING, raw)) << name;
        ZImage image;
        uint32_t code = 0;
        ASSERT_TRUE(ReadPng(image, SuitePath(name).c_str(), &code)) << name << " code " << code;
        ExpectDecodedAsTheRulesSay(name, image, raw);
        interlaced += raw.interlace != PNG_INTERLACE_NONE;
        twoBit += raw.bitDepth == 2;
        sixteenBit += raw.bitDepth == 16;
    }
    // The suite covers the cases the rules are about.
    EXPECT_GE(interlaced, 20);
    EXPECT_GE(twoBit, 4);
    EXPECT_GE(sixteenBit, 20);
}

TEST(PngSuiteTest, DamagedFilesFailWithACode) {
    const std::vector<std::string> names = SuiteFiles(true);
    ASSERT_GE(names.size(), 14u);
    for (const std::string& name : names) {
        ZImage image;
        uint32_t code = 0;
        EXPECT_FALSE(ReadPng(image, SuitePath(name).c_str(), &code)) << name;
        EXPECT_FALSE(image.IsValid()) << name;
        // Damage in the first four signature bytes is "no PNG signature"; all else the library
        // finds.
        const bool signature =
            name == "xs1n0g01.png" || name == "xs2n0g01.png" || name == "xs4n0g01.png";
        EXPECT_EQ(code, signature ? 7u : 1u) << name;
    }
}

}  // namespace
}  // namespace zentrova::test
