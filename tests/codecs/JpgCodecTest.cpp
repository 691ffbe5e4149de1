// The JPEG codec against libjpeg used directly: files made here with the library's compressor,
// pixels compared with the library's own decode of the same file, written files compared byte
// for byte with the library's encode of the same pixels and settings.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <jpeglib.h>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecJpg.h"
#include "core/LoadImage.h"
#include "tests/codecs/CodecTestSupport.h"

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
    EncodeSettings(uint32_t w, uint32_t h) : width(w), height(h) {}
    uint32_t width, height;
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
    out->components = cinfo.output_components;
    const size_t rowBytes = size_t{cinfo.output_width} * out->components;
    out->pixels.assign(rowBytes * cinfo.output_height, 0);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->pixels.data() + cinfo.output_scanline * rowBytes;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// Test pictures -------------------------------------------------------------------------------

// Smooth gradients with some detail, so that the pixels differ everywhere.
std::vector<uint8_t> Pattern(uint32_t width, uint32_t height, int components) {
    std::vector<uint8_t> pixels(size_t{width} * height * components);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t p = static_cast<uint32_t>(i / components), x = p % width, y = p / width;
        const uint32_t c = static_cast<uint32_t>(i % components);
        pixels[i] = static_cast<uint8_t>((x * (3 + c) + y * (5 - c) + ((x ^ y) & 8) * 4) & 0xFF);
    }
    return pixels;
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

using JpgCodecTest = CodecTest;

// Reading -------------------------------------------------------------------------------------

TEST_F(JpgCodecTest, PicturesReadAsTheLibraryDecodesThem) {
    // Colour: 24 bits bottom-up in blue, green, red (odd width: the stride has padding). Grey:
    // 8 bits with the grey palette. Adobe CMYK: 24 bits, each channel scaled by black.
    for (int components : {3, 1, 4}) {
        SCOPED_TRACE(components);
        EncodeSettings settings(37, 23);
        settings.components = components;
        settings.space = components == 3 ? JCS_RGB : components == 1 ? JCS_GRAYSCALE : JCS_CMYK;
        const std::string bytes = Encode(settings, Pattern(37, 23, components));
        Decoded reference;
        ASSERT_TRUE(DecodeRaw(&bytes, &reference));
        ASSERT_EQ(reference.components, components);
        ZImage image;
        uint32_t code = 99;
        ASSERT_TRUE(ReadJpg(image, Store(bytes).c_str(), &code));
        EXPECT_EQ(code, 99u);
        ASSERT_EQ(image.GetWidth() * 100 + image.GetHeight(), 3723u);
        ASSERT_EQ(image.GetBitsPerPixel(), components == 1 ? 8 : 24);
        EXPECT_EQ(std::make_pair(image.dpiX, image.dpiY), std::make_pair(96, 96));
        for (int i = 0; components == 1 && i < 256; ++i) {
            const uint8_t* entry = image.GetPaletteEntryBgr(i);
            ASSERT_TRUE(entry[0] == i && entry[1] == i && entry[2] == i) << i;
        }
        for (uint32_t y = 0; y < 23; ++y) {
            for (uint32_t x = 0; x < 37; ++x) {
                const uint8_t* p = &reference.pixels[(size_t{y} * 37 + x) * components];
                if (components == 1) {
                    ASSERT_EQ(image.GetPixelIndex(x, 22 - y), p[0]) << x << "," << y;
                    continue;
                }
                const int k = components == 4 ? p[3] : 255;
                const uint8_t* bgr = PixelAt(image, x, y);
                ASSERT_EQ(bgr[0], p[2] * k / 255) << x << "," << y;
                ASSERT_EQ(bgr[1], p[1] * k / 255) << x << "," << y;
                ASSERT_EQ(bgr[2], p[0] * k / 255) << x << "," << y;
            }
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
        EncodeSettings settings(8, 8);
        settings.densityUnit = c.unit;
        settings.densityX = c.x;
        settings.densityY = c.y;
        ZImage image;
        ASSERT_TRUE(ReadJpg(image, Store(Encode(settings, Pattern(8, 8, 3))).c_str()));
        EXPECT_EQ(std::make_pair(image.dpiX, image.dpiY), std::make_pair(c.dpiX, c.dpiY)) << c.x;
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

    const std::string whole = Encode(EncodeSettings(64, 48), Pattern(64, 48, 3));
    // Empty, cut inside the picture data, and inside the header.
    for (size_t keep : {size_t{0}, whole.size() / 2, whole.size() - 2, size_t{40}, size_t{2}}) {
        code = 0;
        EXPECT_FALSE(ReadJpg(image, Store(whole.substr(0, keep)).c_str(), &code)) << keep;
        EXPECT_EQ(code, 1u) << keep;
        EXPECT_FALSE(image.IsValid());
    }
    EXPECT_EQ(LastLogLine(), "Codecs\\ZImageCodecJpg - Line: 85 - ZErr: 1\r\n");
    code = 0;
    EXPECT_FALSE(ReadJpg(image, m_folder.File(L"absent.jpg").c_str(), &code));
    EXPECT_EQ(code, 5u);
    EXPECT_EQ(LastLogLine(), "Codecs\\ZImageCodecJpg - Line: 64 - ZErr: 5\r\n");

    // A valid file read after failures reads normally into the same image.
    EXPECT_TRUE(ReadJpg(image, Store(whole).c_str()));
    EXPECT_EQ(image.GetWidth(), 64u);
}

TEST_F(JpgCodecTest, HugeDeclaredSizesFailBeforeAnythingIsAllocated) {
    EncodeSettings settings(16, 16);
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
        EXPECT_FALSE(ReadJpg(image, Store(bytes).c_str(), &code) || image.IsValid());
        EXPECT_EQ(code, 16u);
        EXPECT_EQ(LastLogLine(), "Codecs\\ZImageCodecJpg - Line: 128 - ZErr: 16\r\n");
    }
}

// Writing -------------------------------------------------------------------------------------

// A 24- or 32-bit image holding top-down RGB pixels in its own bottom-up BGR layout.
void FillFromRgb(ZImage& image, const std::vector<uint8_t>& rgb) {
    const uint32_t w = image.GetWidth();
    for (uint32_t i = 0; i < w * image.GetHeight(); ++i) {
        uint8_t* q = const_cast<uint8_t*>(PixelAt(image, i % w, i / w));
        q[0] = rgb[3 * i + 2], q[1] = rgb[3 * i + 1], q[2] = rgb[3 * i];
    }
}

// The settings the program writes with by default: quality 90, optimised, baseline, 96 dpi
// and the program's comment.
EncodeSettings ProgramDefaults(uint32_t w, uint32_t h) {
    EncodeSettings settings(w, h);
    settings.optimize = true;
    settings.densityX = settings.densityY = 96;
    settings.comment = "Zentrova Clarivue 2.1";
    return settings;
}

TEST_F(JpgCodecTest, WrittenFilesAreWhatLibjpegMakesOfTheSamePixelsAndSettings) {
    const std::vector<uint8_t> rgb = Pattern(45, 30, 3);
    ZImage image;
    ASSERT_TRUE(image.Create(45, 30, 24, 0, nullptr));
    FillFromRgb(image, rgb);
    const std::wstring path = m_folder.File(L"out.jpg");
    wchar_t error[260] = L"untouched";
    ASSERT_TRUE(WriteJpg(path.c_str(), image, error, 260));
    EXPECT_STREQ(error, L"untouched");
    EncodeSettings settings = ProgramDefaults(45, 30);
    EXPECT_EQ(ReadWholeFile(path), Encode(settings, rgb));
    ZImage back;  // the densities read back as the resolution
    ASSERT_TRUE(ReadJpg(back, path.c_str()));
    EXPECT_EQ(std::make_pair(back.dpiX, back.dpiY), std::make_pair(96, 96));
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
    std::vector<uint8_t> palette(768);
    for (int i = 0; i < 768; ++i) {
        palette[i] = static_cast<uint8_t>(i % 3 == 0   ? i / 3 * 5
                                          : i % 3 == 1 ? 255 - i / 3
                                                       : i / 3 * 11);
    }
    ZImage indexed, alpha;
    ASSERT_TRUE(indexed.Create(13, 7, 8, 0, palette.data()));
    ASSERT_TRUE(alpha.Create(13, 7, 32, 0, nullptr));
    std::vector<uint8_t> rgb(13 * 7 * 3);
    for (uint32_t i = 0; i < 13 * 7; ++i) {
        const uint8_t index = static_cast<uint8_t>(i * 17 + i / 13 * 3);
        indexed.GetRow(6 - i / 13)[i % 13] = index;
        std::memcpy(&rgb[i * 3], &palette[index * 3], 3);
        alpha.GetRow(i / 13)[i % 13 * 4 + 3] = static_cast<uint8_t>(i * 19);  // dropped
    }
    FillFromRgb(alpha, rgb);
    const std::string expected = Encode(ProgramDefaults(13, 7), rgb);  // a new image has 96 dpi
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
