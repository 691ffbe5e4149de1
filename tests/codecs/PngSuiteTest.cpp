// PngSuite: every valid file against an independent decode, every damaged file fails cleanly.
//
// The reference is libpng's high-level png_read_png with nothing but unpacking of small depths:
// raw samples (16-bit ones still big-endian), raw palette and tRNS. The rules of what the reader
// makes of them (depths, grey ramps, palette transparency over the window colour, reduction
// of 16-bit samples to their high byte) are worked out here from those raw values.
#include <cmath>
#include <csetjmp>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <png.h>

#include <gtest/gtest.h>

#include "codecs/PngWindowColour.h"
#include "codecs/ZImageCodecPng.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {
namespace {

struct RawPng {
    uint32_t width = 0;
    uint32_t height = 0;
    int bitDepth = 0;
    int colourType = 0;
    int interlace = 0;
    int channels = 0;
    std::vector<std::vector<uint8_t>> rows;  // top-down, unpacked to one byte per small sample
    std::vector<png_color> palette;
    std::vector<uint8_t> transAlpha;
    bool hasPhys = false;
    png_uint_32 physX = 0;
    png_uint_32 physY = 0;
    int physUnit = 0;

    // Sample c of pixel x in row y, reduced to 8 bits by keeping the high byte.
    uint8_t Sample(uint32_t x, uint32_t y, int c) const {
        const size_t i = size_t{x} * channels + c;
        return bitDepth == 16 ? rows[y][2 * i] : rows[y][i];
    }
};

struct MemoryInput {
    const std::string* bytes;
    size_t pos;
};

void ReadMemory(png_structp png, png_bytep data, size_t length) {
    auto* input = static_cast<MemoryInput*>(png_get_io_ptr(png));
    if (input->pos + length > input->bytes->size()) {
        png_error(png, "end of data");
    }
    std::memcpy(data, input->bytes->data() + input->pos, length);
    input->pos += length;
}

// Plain-data frame: the library may jump out of it.
bool DecodeRawPng(MemoryInput* input, png_structp* pngOut, png_infop* infoOut) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, input, ReadMemory);
    png_read_png(png, info, PNG_TRANSFORM_PACKING, nullptr);
    *pngOut = png;
    *infoOut = info;
    return true;
}

bool ReadRaw(const std::wstring& path, RawPng& out) {
    const std::string bytes = ReadWholeFile(path);
    MemoryInput input{&bytes, 0};
    png_structp png = nullptr;
    png_infop info = nullptr;
    if (!DecodeRawPng(&input, &png, &info)) {
        return false;
    }
    out.width = png_get_image_width(png, info);
    out.height = png_get_image_height(png, info);
    // The header's own depth: the info structure now describes the unpacked rows.
    out.bitDepth = static_cast<uint8_t>(bytes.at(24));
    out.colourType = png_get_color_type(png, info);
    out.interlace = png_get_interlace_type(png, info);
    out.channels = png_get_channels(png, info);
    png_bytepp rows = png_get_rows(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    for (uint32_t y = 0; y < out.height; ++y) {
        out.rows.emplace_back(rows[y], rows[y] + rowBytes);
    }
    png_colorp palette = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &palette, &count)) {
        out.palette.assign(palette, palette + count);
    }
    png_bytep trans = nullptr;
    int transCount = 0;
    if (png_get_tRNS(png, info, &trans, &transCount, nullptr) && trans != nullptr &&
        out.colourType == PNG_COLOR_TYPE_PALETTE) {
        out.transAlpha.assign(trans, trans + transCount);
    }
    out.hasPhys = png_get_pHYs(png, info, &out.physX, &out.physY, &out.physUnit) != 0;
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

uint8_t Composite(uint8_t colour, uint8_t alpha, uint8_t background) {
    return static_cast<uint8_t>((colour * alpha + background * (255 - alpha) + 127) / 255);
}

std::vector<std::string> SuiteFiles(bool damaged) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(TestDataPath("pngsuite")), ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".png" && (name[0] == 'x') == damaged) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::wstring SuitePath(const std::string& name) {
    return TestDataPath("pngsuite/" + name);
}

// Checks one decoded file against the rules, pixel by pixel.
void ExpectDecodedAsTheRulesSay(const std::string& name, const ZImage& image, const RawPng& raw) {
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
                const int grey = i * 255 / (levels - 1);
                const uint8_t* entry = image.GetPaletteEntryBgr(i);
                ASSERT_EQ(entry[0], grey);
                ASSERT_EQ(entry[1], grey);
                ASSERT_EQ(entry[2], grey);
            }
            for (uint32_t y = 0; y < h; ++y) {
                for (uint32_t x = 0; x < raw.width; ++x) {
                    ASSERT_EQ(image.GetPixelIndex(x, h - 1 - y), raw.Sample(x, y, 0))
                        << x << "," << y;
                }
            }
            EXPECT_FALSE(image.hasTransparentIndex);
            break;
        }
        case PNG_COLOR_TYPE_PALETTE: {
            ASSERT_EQ(image.GetBitsPerPixel(), raw.bitDepth == 2 ? 4 : raw.bitDepth);
            int transparent = -1;
            for (size_t i = 0; i < raw.palette.size(); ++i) {
                const uint8_t a = i < raw.transAlpha.size() ? raw.transAlpha[i] : 255;
                if (a == 0) {
                    transparent = static_cast<int>(i);
                }
                const uint8_t* entry = image.GetPaletteEntryBgr(static_cast<int>(i));
                ASSERT_EQ(entry[2], Composite(raw.palette[i].red, a, windowRgb[0])) << i;
                ASSERT_EQ(entry[1], Composite(raw.palette[i].green, a, windowRgb[1])) << i;
                ASSERT_EQ(entry[0], Composite(raw.palette[i].blue, a, windowRgb[2])) << i;
            }
            EXPECT_EQ(image.hasTransparentIndex, transparent >= 0);
            if (transparent >= 0) {
                EXPECT_EQ(image.transparentIndex, transparent);
            }
            for (uint32_t y = 0; y < h; ++y) {
                for (uint32_t x = 0; x < raw.width; ++x) {
                    ASSERT_EQ(image.GetPixelIndex(x, h - 1 - y), raw.Sample(x, y, 0))
                        << x << "," << y;
                }
            }
            break;
        }
        default: {
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
                    ASSERT_EQ(p[0], b) << x << "," << y;
                    ASSERT_EQ(p[1], g) << x << "," << y;
                    ASSERT_EQ(p[2], r) << x << "," << y;
                    if (alpha) {
                        ASSERT_EQ(p[3], raw.Sample(x, y, grey ? 1 : 3)) << x << "," << y;
                    }
                }
            }
            EXPECT_FALSE(image.hasTransparentIndex);
            break;
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
        RawPng raw;
        ASSERT_TRUE(ReadRaw(SuitePath(name), raw)) << name;
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

TEST(PngSuiteTest, InterlacedFilesReadTheSameAsTheirPlainTwins) {
    int pairs = 0;
    for (const std::string& name : SuiteFiles(false)) {
        // basiXXXX / basnXXXX and sNNiXXXX / sNNnXXXX
        std::string twin = name;
        if (name.compare(0, 4, "basi") == 0) {
            twin[3] = 'n';
        } else if (name[0] == 's' && name.size() > 3 && name[3] == 'i') {
            twin[3] = 'n';
        } else {
            continue;
        }
        SCOPED_TRACE(name);
        ZImage interlaced;
        ZImage plain;
        ASSERT_TRUE(ReadPng(interlaced, SuitePath(name).c_str()));
        ASSERT_TRUE(ReadPng(plain, SuitePath(twin).c_str()));
        ASSERT_EQ(interlaced.GetBitsPerPixel(), plain.GetBitsPerPixel());
        ASSERT_EQ(interlaced.GetPixelMemorySize(), plain.GetPixelMemorySize());
        for (uint32_t r = 0; r < plain.GetHeight(); ++r) {
            for (uint32_t x = 0; x < plain.GetWidth(); ++x) {
                if (plain.GetBitsPerPixel() <= 8) {
                    ASSERT_EQ(interlaced.GetPixelIndex(x, r), plain.GetPixelIndex(x, r));
                } else {
                    const uint32_t n = plain.GetBitsPerPixel() / 8;
                    ASSERT_EQ(std::memcmp(interlaced.GetRow(r) + x * n, plain.GetRow(r) + x * n, n),
                              0);
                }
            }
        }
        uint8_t a[768];
        uint8_t b[768];
        interlaced.GetPalette(a);
        plain.GetPalette(b);
        EXPECT_EQ(std::memcmp(a, b, sizeof(a)), 0);
        ++pairs;
    }
    EXPECT_GE(pairs, 30);
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
