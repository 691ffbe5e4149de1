// The JPEG codec against libjpeg used directly: files made here with the library's compressor,
// pixels compared with the library's own decode of the same file, written files compared byte
// for byte with the library's encode of the same pixels and settings.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <jpeglib.h>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecJpg.h"
#include "core/LoadImage.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {
namespace {

// libjpeg used directly -----------------------------------------------------------------------

struct Jump {
    jpeg_error_mgr pub;
    jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<Jump*>(cinfo->err)->jump, 1);
}

// What the test's encoder is asked to make.
struct EncodeSettings {
    uint32_t width = 0;
    uint32_t height = 0;
    J_COLOR_SPACE space = JCS_RGB;  // JCS_GRAYSCALE, JCS_RGB or JCS_CMYK
    int components = 3;
    int quality = 90;
    bool optimize = false;
    bool progressive = false;
    int smoothing = 0;
    uint8_t densityUnit = 0;
    uint16_t densityX = 1;
    uint16_t densityY = 1;
    const char* comment = nullptr;  // COM marker text (no terminator) when set
};

// Plain-data frame: a jump out of the library skips no destructor.
bool EncodeRaw(const EncodeSettings& settings, const uint8_t* pixels, unsigned char** out,
               unsigned long* outSize) {
    jpeg_compress_struct cinfo{};
    Jump error{};
    cinfo.err = jpeg_std_error(&error.pub);
    error.pub.error_exit = JumpBack;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, out, outSize);
    cinfo.image_width = settings.width;
    cinfo.image_height = settings.height;
    cinfo.input_components = settings.components;
    cinfo.in_color_space = settings.space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, settings.quality, TRUE);
    cinfo.optimize_coding = settings.optimize;
    cinfo.smoothing_factor = settings.smoothing;
    if (settings.progressive) {
        jpeg_simple_progression(&cinfo);
    }
    cinfo.density_unit = settings.densityUnit;
    cinfo.X_density = settings.densityX;
    cinfo.Y_density = settings.densityY;
    jpeg_start_compress(&cinfo, TRUE);
    if (settings.comment != nullptr) {
        jpeg_write_marker(&cinfo, JPEG_COM, reinterpret_cast<const JOCTET*>(settings.comment),
                          static_cast<unsigned>(std::strlen(settings.comment)));
    }
    const size_t rowBytes = size_t{settings.width} * settings.components;
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(pixels + cinfo.next_scanline * rowBytes);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

// Encodes top-down rows (components bytes per pixel, in the colour space's own order).
std::string Encode(const EncodeSettings& settings, const std::vector<uint8_t>& pixels) {
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const bool ok = EncodeRaw(settings, pixels.data(), &out, &size);
    std::string bytes = ok ? std::string(reinterpret_cast<char*>(out), size) : std::string();
    std::free(out);
    return bytes;
}

struct Decoded {
    uint32_t width = 0;
    uint32_t height = 0;
    int components = 0;
    std::vector<uint8_t> pixels;  // top-down, in the library's default output colour space
};

bool DecodeRaw(const std::string* bytes, Decoded* out) {
    jpeg_decompress_struct cinfo{};
    Jump error{};
    cinfo.err = jpeg_std_error(&error.pub);
    error.pub.error_exit = JumpBack;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes->data()),
                 static_cast<unsigned long>(bytes->size()));
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    out->width = cinfo.output_width;
    out->height = cinfo.output_height;
    out->components = cinfo.output_components;
    const size_t rowBytes = size_t{out->width} * out->components;
    out->pixels.assign(rowBytes * out->height, 0);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->pixels.data() + cinfo.output_scanline * rowBytes;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

Decoded Decode(const std::string& bytes) {
    Decoded decoded;
    EXPECT_TRUE(DecodeRaw(&bytes, &decoded));
    return decoded;
}

// Test pictures -------------------------------------------------------------------------------

// Smooth gradients with some detail, so that the pixels differ everywhere.
std::vector<uint8_t> Pattern(uint32_t width, uint32_t height, int components) {
    std::vector<uint8_t> pixels(size_t{width} * height * components);
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            for (int c = 0; c < components; ++c) {
                pixels[(size_t{y} * width + x) * components + c] =
                    static_cast<uint8_t>((x * (3 + c) + y * (5 - c) + ((x ^ y) & 8) * 4) & 0xFF);
            }
        }
    }
    return pixels;
}

// Pixel bytes at column x of picture row y (from the top).
const uint8_t* PixelAt(const ZImage& image, uint32_t x, uint32_t y) {
    return image.GetRow(image.GetHeight() - 1 - y) + x * (image.GetBitsPerPixel() / 8);
}

// Offset of the first marker code (0xFF, code) in a JPEG file, or npos.
size_t FindMarker(const std::string& bytes, uint8_t code) {
    for (size_t i = 2; i + 1 < bytes.size(); ++i) {
        if (static_cast<uint8_t>(bytes[i]) == 0xFF && static_cast<uint8_t>(bytes[i + 1]) == code) {
            return i;
        }
    }
    return std::string::npos;
}

uint32_t BigEndian16(const std::string& bytes, size_t at) {
    return (static_cast<uint8_t>(bytes.at(at)) << 8) | static_cast<uint8_t>(bytes.at(at + 1));
}

// The log line of the last report.
std::string LastLogLine() {
    const std::string log = ReadWholeFile(L"_Zlog.txt");
    const size_t end = log.rfind("\r\n");
    if (end == std::string::npos) {
        return std::string();
    }
    const size_t start = log.rfind('\n', end == 0 ? 0 : end - 1);
    return log.substr(start == std::string::npos ? 0 : start + 1,
                      end + 2 - (start == std::string::npos ? 0 : start + 1));
}

class JpgCodecTest : public ::testing::Test {
  protected:
    std::wstring Store(const std::string& bytes, const wchar_t* name = L"picture.jpg") {
        const std::wstring path = m_folder.File(name);
        EXPECT_TRUE(WriteWholeFile(path, bytes));
        return path;
    }
    TempFolder m_folder;
};

// Reading -------------------------------------------------------------------------------------

TEST_F(JpgCodecTest, ColourPicturesReadAsTwentyFourBitsBottomUpInBlueGreenRed) {
    EncodeSettings settings;
    settings.width = 37;  // odd width: the stride has padding
    settings.height = 23;
    const std::string bytes = Encode(settings, Pattern(settings.width, settings.height, 3));
    const Decoded reference = Decode(bytes);
    ASSERT_EQ(reference.components, 3);

    ZImage image;
    uint32_t code = 99;
    ASSERT_TRUE(ReadJpg(image, Store(bytes).c_str(), &code));
    EXPECT_EQ(code, 99u);
    ASSERT_EQ(image.GetWidth(), 37u);
    ASSERT_EQ(image.GetHeight(), 23u);
    EXPECT_EQ(image.GetBitsPerPixel(), 24);
    EXPECT_EQ(image.dpiX, 96);
    EXPECT_EQ(image.dpiY, 96);
    for (uint32_t y = 0; y < settings.height; ++y) {
        for (uint32_t x = 0; x < settings.width; ++x) {
            const uint8_t* rgb = &reference.pixels[(size_t{y} * settings.width + x) * 3];
            const uint8_t* bgr = PixelAt(image, x, y);
            ASSERT_EQ(bgr[0], rgb[2]) << x << "," << y;
            ASSERT_EQ(bgr[1], rgb[1]) << x << "," << y;
            ASSERT_EQ(bgr[2], rgb[0]) << x << "," << y;
        }
    }
}

TEST_F(JpgCodecTest, GreyPicturesReadAsEightBitsWithTheGreyPalette) {
    EncodeSettings settings;
    settings.width = 21;
    settings.height = 9;
    settings.space = JCS_GRAYSCALE;
    settings.components = 1;
    const std::string bytes = Encode(settings, Pattern(settings.width, settings.height, 1));
    const Decoded reference = Decode(bytes);
    ASSERT_EQ(reference.components, 1);

    ZImage image;
    ASSERT_TRUE(ReadJpg(image, Store(bytes).c_str()));
    ASSERT_EQ(image.GetBitsPerPixel(), 8);
    for (int i = 0; i < 256; ++i) {
        const uint8_t* entry = image.GetPaletteEntryBgr(i);
        ASSERT_EQ(entry[0], i);
        ASSERT_EQ(entry[1], i);
        ASSERT_EQ(entry[2], i);
    }
    for (uint32_t y = 0; y < settings.height; ++y) {
        for (uint32_t x = 0; x < settings.width; ++x) {
            ASSERT_EQ(image.GetPixelIndex(x, settings.height - 1 - y),
                      reference.pixels[size_t{y} * settings.width + x])
                << x << "," << y;
        }
    }
}

TEST_F(JpgCodecTest, AdobeCmykPicturesBecomeTwentyFourBitsScaledByBlack) {
    EncodeSettings settings;
    settings.width = 19;
    settings.height = 11;
    settings.space = JCS_CMYK;
    settings.components = 4;
    const std::string bytes = Encode(settings, Pattern(settings.width, settings.height, 4));
    // libjpeg marks CMYK files with an Adobe marker.
    const size_t adobe = FindMarker(bytes, 0xEE);
    ASSERT_NE(adobe, std::string::npos);
    EXPECT_EQ(bytes.substr(adobe + 4, 5), "Adobe");
    const Decoded reference = Decode(bytes);
    ASSERT_EQ(reference.components, 4);

    ZImage image;
    ASSERT_TRUE(ReadJpg(image, Store(bytes).c_str()));
    ASSERT_EQ(image.GetBitsPerPixel(), 24);
    for (uint32_t y = 0; y < settings.height; ++y) {
        for (uint32_t x = 0; x < settings.width; ++x) {
            const uint8_t* cmyk = &reference.pixels[(size_t{y} * settings.width + x) * 4];
            const uint8_t* bgr = PixelAt(image, x, y);
            ASSERT_EQ(bgr[0], cmyk[2] * cmyk[3] / 255) << x << "," << y;
            ASSERT_EQ(bgr[1], cmyk[1] * cmyk[3] / 255) << x << "," << y;
            ASSERT_EQ(bgr[2], cmyk[0] * cmyk[3] / 255) << x << "," << y;
        }
    }
}

TEST_F(JpgCodecTest, DensitiesAboveOneAreTheResolutionWhateverTheUnit) {
    struct Case {
        uint8_t unit;
        uint16_t x, y;
        int32_t dpiX, dpiY;
    };
    const Case cases[] = {
        {0, 1, 1, 96, 96},    // aspect ratio 1:1 keeps the default
        {0, 96, 96, 96, 96},  //
        {1, 300, 150, 300, 150},
        {2, 40, 1, 40, 96},  // dots per cm taken as they are; 1 keeps the default
        {0, 2, 72, 2, 72},
    };
    for (const Case& c : cases) {
        EncodeSettings settings;
        settings.width = 8;
        settings.height = 8;
        settings.densityUnit = c.unit;
        settings.densityX = c.x;
        settings.densityY = c.y;
        ZImage image;
        ASSERT_TRUE(ReadJpg(image, Store(Encode(settings, Pattern(8, 8, 3))).c_str()));
        EXPECT_EQ(image.dpiX, c.dpiX) << c.x;
        EXPECT_EQ(image.dpiY, c.dpiY) << c.y;
    }
}

TEST_F(JpgCodecTest, FailuresGiveTheirCodesAndLogLines) {
    ZImage image;
    uint32_t code = 0;
    // A text file named .jpg, through the loader as the user opens it.
    const std::wstring text = Store("This is plain text, not a picture.\n", L"notes.jpg");
    EXPECT_FALSE(LoadImageFromFile(image, text.c_str(), &code));
    EXPECT_EQ(code, 7u);
    EXPECT_FALSE(image.IsValid());
    EXPECT_EQ(LastLogLine(), "Codecs\\ZImageCodecJpg - Line: 81 - ZErr: 7\r\n");

    EncodeSettings settings;
    settings.width = 64;
    settings.height = 48;
    const std::string whole = Encode(settings, Pattern(64, 48, 3));
    // Cut inside the picture data, and inside the header.
    for (size_t keep : {whole.size() / 2, whole.size() - 2, size_t{40}, size_t{2}}) {
        code = 0;
        EXPECT_FALSE(ReadJpg(image, Store(whole.substr(0, keep)).c_str(), &code)) << keep;
        EXPECT_EQ(code, 1u) << keep;
        EXPECT_FALSE(image.IsValid());
    }
    EXPECT_EQ(LastLogLine(), "Codecs\\ZImageCodecJpg - Line: 85 - ZErr: 1\r\n");
    code = 0;
    EXPECT_FALSE(ReadJpg(image, Store(std::string()).c_str(), &code));
    EXPECT_EQ(code, 1u);

    code = 0;
    EXPECT_FALSE(ReadJpg(image, m_folder.File(L"absent.jpg").c_str(), &code));
    EXPECT_EQ(code, 5u);
    EXPECT_EQ(LastLogLine(), "Codecs\\ZImageCodecJpg - Line: 64 - ZErr: 5\r\n");

    // A valid file read after failures reads normally into the same image.
    EXPECT_TRUE(ReadJpg(image, Store(whole).c_str()));
    EXPECT_EQ(image.GetWidth(), 64u);
}

TEST_F(JpgCodecTest, HugeDeclaredSizesFailBeforeAnythingIsAllocated) {
    EncodeSettings settings;
    settings.width = 16;
    settings.height = 16;
    for (bool progressive : {false, true}) {
        settings.progressive = progressive;
        std::string bytes = Encode(settings, Pattern(16, 16, 3));
        const size_t sof = FindMarker(bytes, progressive ? 0xC2 : 0xC0);
        ASSERT_NE(sof, std::string::npos);
        // Frame header: length(2) precision(1) height(2) width(2).
        for (size_t at : {sof + 5, sof + 7}) {
            bytes[at] = static_cast<char>(65500 >> 8);
            bytes[at + 1] = static_cast<char>(65500 & 0xFF);
        }
        ZImage image;
        uint32_t code = 0;
        EXPECT_FALSE(ReadJpg(image, Store(bytes).c_str(), &code));
        EXPECT_EQ(code, 16u);
        EXPECT_FALSE(image.IsValid());
        EXPECT_EQ(LastLogLine(), "Codecs\\ZImageCodecJpg - Line: 128 - ZErr: 16\r\n");
    }
}

// Writing -------------------------------------------------------------------------------------

// A 24-bit image holding Pattern (top-down RGB) in its own bottom-up BGR layout.
void FillFromRgb(ZImage& image, const std::vector<uint8_t>& rgb) {
    const uint32_t w = image.GetWidth();
    for (uint32_t y = 0; y < image.GetHeight(); ++y) {
        uint8_t* row = image.GetRow(image.GetHeight() - 1 - y);
        for (uint32_t x = 0; x < w; ++x) {
            const uint8_t* p = &rgb[(size_t{y} * w + x) * 3];
            uint8_t* q = row + (image.GetBitsPerPixel() / 8) * x;
            q[0] = p[2];
            q[1] = p[1];
            q[2] = p[0];
        }
    }
}

TEST_F(JpgCodecTest, WrittenFilesAreWhatLibjpegMakesOfTheSamePixelsAndSettings) {
    const uint32_t w = 45;
    const uint32_t h = 30;
    const std::vector<uint8_t> rgb = Pattern(w, h, 3);
    ZImage image;
    ASSERT_TRUE(image.Create(w, h, 24, 0, nullptr));
    FillFromRgb(image, rgb);
    image.dpiX = 96;
    image.dpiY = 96;

    // The program's defaults: quality 90, optimised, baseline, the program's comment.
    const std::wstring path = m_folder.File(L"out.jpg");
    wchar_t error[260] = L"untouched";
    ASSERT_TRUE(WriteJpg(path.c_str(), image, error, 260));
    EXPECT_STREQ(error, L"untouched");
    EncodeSettings settings;
    settings.width = w;
    settings.height = h;
    settings.optimize = true;
    settings.densityX = 96;
    settings.densityY = 96;
    settings.comment = "Zentrova Clarivue 2.1";
    const std::string written = ReadWholeFile(path);
    EXPECT_EQ(written, Encode(settings, rgb));
    // JFIF density 96 x 96 with unit 0; the comment marker holds the text without terminator.
    ASSERT_GT(written.size(), 20u);
    EXPECT_EQ(written.substr(6, 5), std::string("JFIF\0", 5));
    EXPECT_EQ(static_cast<uint8_t>(written[13]), 0);
    EXPECT_EQ(BigEndian16(written, 14), 96u);
    EXPECT_EQ(BigEndian16(written, 16), 96u);
    const size_t com = FindMarker(written, 0xFE);
    ASSERT_NE(com, std::string::npos);
    EXPECT_EQ(BigEndian16(written, com + 2), 2u + 21u);
    EXPECT_EQ(written.substr(com + 4, 21), "Zentrova Clarivue 2.1");
    EXPECT_NE(FindMarker(written, 0xC0), std::string::npos);  // baseline

    // Reading it back gives the densities as resolution.
    ZImage back;
    ASSERT_TRUE(ReadJpg(back, path.c_str()));
    EXPECT_EQ(back.dpiX, 96);
    EXPECT_EQ(back.dpiY, 96);

    // Other settings: progressive, quality 50, smoothing 0.5, no comment, no resolution.
    image.dpiX = 0;
    ASSERT_TRUE(WriteJpg(path.c_str(), image, error, 260, 50, false, 0.5, true, nullptr));
    settings.quality = 50;
    settings.optimize = false;
    settings.smoothing = 50;
    settings.progressive = true;
    settings.comment = nullptr;
    settings.densityX = settings.densityY = 1;
    EXPECT_EQ(ReadWholeFile(path), Encode(settings, rgb));
}

TEST_F(JpgCodecTest, ImagesOfOtherDepthsAreWrittenAsColour) {
    const uint32_t w = 13;
    const uint32_t h = 7;
    std::vector<uint8_t> palette(768);
    for (int i = 0; i < 256; ++i) {
        palette[3 * i] = static_cast<uint8_t>(i * 5);
        palette[3 * i + 1] = static_cast<uint8_t>(255 - i);
        palette[3 * i + 2] = static_cast<uint8_t>(i * 11);
    }
    ZImage indexed;
    ASSERT_TRUE(indexed.Create(w, h, 8, 0, palette.data()));
    ZImage alpha;
    ASSERT_TRUE(alpha.Create(w, h, 32, 0, nullptr));
    std::vector<uint8_t> rgb(size_t{w} * h * 3);
    for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < w; ++x) {
            const uint8_t index = static_cast<uint8_t>(x * 17 + y * 3);
            indexed.GetRow(h - 1 - y)[x] = index;
            std::memcpy(&rgb[(size_t{y} * w + x) * 3], &palette[index * 3], 3);
        }
    }
    FillFromRgb(alpha, rgb);
    for (uint32_t r = 0; r < h; ++r) {
        for (uint32_t x = 0; x < w; ++x) {
            alpha.GetRow(r)[x * 4 + 3] = static_cast<uint8_t>(x * 19);  // dropped on writing
        }
    }
    EncodeSettings settings;
    settings.width = w;
    settings.height = h;
    settings.optimize = true;
    settings.comment = "Zentrova Clarivue 2.1";
    settings.densityX = settings.densityY = 96;  // a new image has 96 dpi
    const std::string expected = Encode(settings, rgb);
    for (ZImage* image : {&indexed, &alpha}) {
        const std::wstring path = m_folder.File(L"depth.jpg");
        ASSERT_TRUE(WriteJpg(path.c_str(), *image, nullptr, 0));
        EXPECT_EQ(ReadWholeFile(path), expected) << int(image->GetBitsPerPixel());
    }
}

TEST_F(JpgCodecTest, WriterFailuresAreReportedAsText) {
    ZImage image;
    ASSERT_TRUE(image.Create(4, 4, 24, 0x123456, nullptr));
    wchar_t error[260] = L"";
    const std::wstring unwritable = m_folder.File(L"no-such-folder") + L"/out.jpg";
    EXPECT_FALSE(WriteJpg(unwritable.c_str(), image, error, 260));
    EXPECT_STREQ(error, L"Failed to open file!");
    // A short buffer gets as much of the text as fits.
    wchar_t shortError[7] = L"";
    EXPECT_FALSE(WriteJpg(unwritable.c_str(), image, shortError, 7));
    EXPECT_STREQ(shortError, L"Failed");

    // The library's own message when it refuses the picture.
    ZImage wide;
    ASSERT_TRUE(wide.Create(70000, 1, 24, 0, nullptr));
    error[0] = L'\0';
    EXPECT_FALSE(WriteJpg(m_folder.File(L"wide.jpg").c_str(), wide, error, 260));
    EXPECT_NE(std::wstring(error).find(L"65500"), std::wstring::npos) << error;

    ZImage empty;
    EXPECT_FALSE(WriteJpg(m_folder.File(L"empty.jpg").c_str(), empty, error, 260));
}

}  // namespace
}  // namespace zentrova::test
