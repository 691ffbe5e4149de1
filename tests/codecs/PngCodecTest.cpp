// The PNG codec: written chunks, round trips, transparency, truncated and damaged files, the
// writer's failure texts.
#include <csetjmp>
#include <cstring>
#include <string>
#include <vector>

#include <png.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include "codecs/PngWindowColour.h"
#include "codecs/ZImageCodecPng.h"
#include "core/FileSystem.h"
#include "core/LoadImage.h"
#include "tests/codecs/CodecTestSupport.h"

namespace zentrova::test {
namespace {

uint32_t BigEndian32(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) {
        v = (v << 8) | static_cast<uint8_t>(bytes.at(at + i));
    }
    return v;
}

void PutBigEndian32(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
    }
}

// A chunk with its length and CRC.
std::string Chunk(const char* type, const std::string& data) {
    std::string out;
    PutBigEndian32(out, static_cast<uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    out += body;
    PutBigEndian32(out, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()),
                                                    static_cast<uInt>(body.size()))));
    return out;
}

// Data of the first chunk of a type; npos position when absent.
bool FindChunk(const std::string& file, const char* type, std::string& data) {
    size_t at = 8;
    while (at + 12 <= file.size()) {
        const uint32_t length = BigEndian32(file, at);
        if (file.compare(at + 4, 4, type) == 0) {
            data = file.substr(at + 8, length);
            return true;
        }
        at += 12 + length;
    }
    return false;
}

const std::string kSignature("\x89PNG\r\n\x1a\n", 8);

std::string Ihdr(uint32_t w, uint32_t h, uint8_t depth, uint8_t type) {
    std::string data;
    PutBigEndian32(data, w);
    PutBigEndian32(data, h);
    return Chunk("IHDR", data + std::string{char(depth), char(type), 0, 0, 0});
}

// A whole PNG from top-down filtered-free rows (filter byte 0 added here), stored without
// compression so that the file's bytes follow the rows in order.
std::string PlainPng(uint32_t w, uint32_t h, uint8_t depth, uint8_t type,
                     const std::vector<std::string>& rows) {
    std::string raw;
    for (const std::string& row : rows) {
        raw += '\0';
        raw += row;
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    compress2(reinterpret_cast<Bytef*>(&packed[0]), &size,
              reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()), 0);
    packed.resize(size);
    return kSignature + Ihdr(w, h, depth, type) + Chunk("IDAT", packed) + Chunk("IEND", "");
}

// The window colour as blue, green, red.
std::vector<int> WindowBgr() {
    const ZColor w = GetPngBackgroundColour();
    return {int(w >> 16) & 0xFF, int(w >> 8) & 0xFF, int(w) & 0xFF};
}

std::vector<int> Bgr(const uint8_t* p) {
    return {p[0], p[1], p[2]};
}

using PngCodecTest = CodecTest;

// Reading -------------------------------------------------------------------------------------

// A 256 x 64 colour picture, large enough that half the file holds more than the library's
// first 8 KiB read.
std::string Gradient() {
    std::vector<std::string> rows;
    for (uint32_t y = 0; y < 64; ++y) {
        std::string row;
        for (uint32_t x = 0; x < 256; ++x) {
            row += {static_cast<char>(x), static_cast<char>(y * 4), static_cast<char>(x ^ y)};
        }
        rows.push_back(row);
    }
    return PlainPng(256, 64, 8, 2, rows);
}

TEST_F(PngCodecTest, AFileThatEndsEarlyKeepsTheRowsRead) {
    // Stored blocks: half the file holds roughly the first half of the rows.
    const std::string whole = Gradient();
    ZImage image;
    uint32_t code = 77;
    ASSERT_TRUE(ReadPng(image, Store(whole.substr(0, whole.size() / 2)).c_str(), &code));
    EXPECT_EQ(code, 77u);
    ASSERT_TRUE(image.IsValid());
    EXPECT_EQ(Bgr(PixelAt(image, 5, 0)), (std::vector<int>{5, 0, 5}));
    EXPECT_EQ(Bgr(PixelAt(image, 5, 63)), WindowBgr());
    // Interlaced: the first passes are there, the last pass (odd rows) is not; what it would
    // have drawn shows the window colour.
    ZImage noisy;
    ASSERT_TRUE(noisy.Create(256, 64, 24, 0, nullptr));
    uint32_t seed = 12345;  // noise does not compress: half the file is half the passes
    for (size_t i = 0; i < noisy.GetPixelMemorySize(); ++i) {
        seed = seed * 1103515245u + 12345u;
        noisy.GetBits()[i] = static_cast<uint8_t>(seed >> 24);
    }
    const std::wstring interlacedPath = m_folder.File(L"interlaced.png");
    ASSERT_TRUE(WritePng(interlacedPath.c_str(), noisy, nullptr, 0, true));
    const std::string interlaced = ReadWholeFile(interlacedPath);
    ASSERT_TRUE(ReadPng(image, Store(interlaced.substr(0, interlaced.size() / 2)).c_str()));
    EXPECT_EQ(std::memcmp(PixelAt(image, 0, 0), PixelAt(noisy, 0, 0), 3), 0);
    EXPECT_EQ(Bgr(PixelAt(image, 3, 63)), WindowBgr());
}

TEST_F(PngCodecTest, FailuresGiveTheirCodesAndLogLines) {
    std::string damaged = Gradient();
    damaged[damaged.size() / 2] ^= 0x55;
    const std::string end = Chunk("IDAT", "") + Chunk("IEND", "");
    struct Case {
        const char* what;
        std::string bytes;  // empty: no file
        uint32_t code;
        int line;  // 0: the line is not checked
    };
    const Case cases[] = {
        {"not a PNG", "GIF89a not a png", 7, 91},
        {"absent", "", 5, 97},
        {"more than 2^28 pixels", kSignature + Ihdr(20000, 20000, 8, 6) + end, 16, 244},
        {"past the library's limit of a million rows", kSignature + Ihdr(1, 0x7FFFFFFF, 8, 6) + end,
         1, 0},
        {"ending before the picture exists", Gradient().substr(0, 20), 1, 0},
        {"damaged after the signature: the library's error", damaged, 1, 129},
    };
    for (const Case& c : cases) {
        ZImage image;
        uint32_t code = 0;
        const std::wstring path = c.bytes.empty() ? m_folder.File(L"absent.png") : Store(c.bytes);
        EXPECT_FALSE(ReadPng(image, path.c_str(), &code) || image.IsValid()) << c.what;
        EXPECT_EQ(code, c.code) << c.what;
        if (c.line != 0) {
            EXPECT_EQ(LastLogLine(), "Codecs\\ZImageCodecPng - Line: " + std::to_string(c.line) +
                                         " - ZErr: " + std::to_string(c.code) + "\r\n");
        }
    }
    // The loader picks the PNG reader whatever the case of the extension.
    const std::string small = PlainPng(2, 1, 8, 0, {std::string("\x10\x20", 2)});
    ZImage image;
    ASSERT_TRUE(LoadImageFromFile(image, Store(small, L"UPPER.PNG").c_str()));
    EXPECT_EQ(image.GetPixelIndex(1, 0), 0x20);
}

// Writing -------------------------------------------------------------------------------------

bool SamePixels(const ZImage& a, const ZImage& b) {
    const uint32_t bits = a.GetBitsPerPixel(), n = bits / 8;
    bool same = a.GetWidth() == b.GetWidth() && a.GetHeight() == b.GetHeight() &&
                bits == b.GetBitsPerPixel();
    for (uint32_t i = 0; same && i < a.GetWidth() * a.GetHeight(); ++i) {
        const uint32_t x = i % a.GetWidth(), r = i / a.GetWidth();
        same = bits <= 8 ? a.GetPixelIndex(x, r) == b.GetPixelIndex(x, r)
                         : std::memcmp(a.GetRow(r) + x * n, b.GetRow(r) + x * n, n) == 0;
    }
    return same;
}

// 256 red, green, blue entries: byte i is i * 7.
std::string Palette7() {
    std::string rgb(768, '\0');
    for (int i = 0; i < 768; ++i) {
        rgb[i] = static_cast<char>(i * 7);
    }
    return rgb;
}

// An image of the given depth with distinct bytes everywhere (palette images: that palette).
void MakeImage(ZImage& image, uint32_t w, uint32_t h, uint32_t bits) {
    const std::string palette = Palette7();
    ASSERT_TRUE(image.Create(w, h, bits, 0, reinterpret_cast<const uint8_t*>(palette.data())));
    const uint32_t used = (w * bits + 7) / 8;
    for (uint32_t r = 0; r < h; ++r) {
        for (uint32_t i = 0; i < used; ++i) {
            image.GetRow(r)[i] = static_cast<uint8_t>(r * 31 + i * 13 + (i >> 3));
        }
    }
}

TEST_F(PngCodecTest, APaletteImageWithATransparentIndexIsWrittenWithItsTrns) {
    ZImage image;
    MakeImage(image, 5, 3, 8);
    image.hasTransparentIndex = true;
    image.transparentIndex = 3;
    const std::wstring path = m_folder.File(L"palette.png");
    ASSERT_TRUE(WritePng(path.c_str(), image, nullptr, 0));
    const std::string file = ReadWholeFile(path);
    std::string ihdr, plte, trns, phys;
    ASSERT_TRUE(FindChunk(file, "IHDR", ihdr));
    EXPECT_EQ(ihdr.substr(8), std::string("\x08\x03\x00\x00\x00", 5));  // 8-bit palette, plain
    ASSERT_TRUE(FindChunk(file, "PLTE", plte));
    EXPECT_EQ(plte, Palette7());
    ASSERT_TRUE(FindChunk(file, "tRNS", trns));
    EXPECT_EQ(trns, std::string("\xFF\xFF\xFF\x00", 4));
    // 96 dpi: trunc(96 * 0.393700787402 * 100) = 3779 pixels per metre.
    ASSERT_TRUE(FindChunk(file, "pHYs", phys));
    EXPECT_EQ(phys, std::string("\0\0\x0E\xC3\0\0\x0E\xC3\x01", 9));

    ZImage back;
    ASSERT_TRUE(ReadPng(back, path.c_str()));
    EXPECT_TRUE(back.hasTransparentIndex);
    EXPECT_EQ(back.transparentIndex, 3);
    EXPECT_EQ(back.dpiX, 96);
    EXPECT_EQ(back.dpiY, 96);
    EXPECT_TRUE(SamePixels(back, image));
    // Entry 3 now shows the window colour; the others are as written.
    EXPECT_EQ(Bgr(back.GetPaletteEntryBgr(3)), WindowBgr());
    EXPECT_EQ(std::memcmp(back.GetPaletteEntryBgr(4), image.GetPaletteEntryBgr(4), 3), 0);
    // Written again, the tRNS is the same.
    ASSERT_TRUE(WritePng(path.c_str(), back, nullptr, 0));
    ASSERT_TRUE(FindChunk(ReadWholeFile(path), "tRNS", trns));
    EXPECT_EQ(trns, std::string("\xFF\xFF\xFF\x00", 4));
}

TEST_F(PngCodecTest, RoundTripsKeepPixelsAlphaAndPaletteInterlacedOrNot) {
    // 16-bit images are written as their 24-bit colours.
    for (uint32_t bits : {1u, 4u, 8u, 16u, 24u, 32u}) {
        ZImage image, expected;
        MakeImage(image, 23, 17, bits);
        ASSERT_TRUE(expected.CopyFrom(image));
        ASSERT_TRUE(bits != 16 || expected.SetBitDepth(24));
        for (bool interlace : {false, true}) {
            SCOPED_TRACE(std::to_string(bits) + (interlace ? " interlaced" : " plain"));
            const std::wstring path = m_folder.File(L"round.png");
            wchar_t error[260] = L"untouched";
            ASSERT_TRUE(WritePng(path.c_str(), image, error, 260, interlace));
            EXPECT_STREQ(error, L"untouched");
            std::string ihdr;
            ASSERT_TRUE(FindChunk(ReadWholeFile(path), "IHDR", ihdr));
            EXPECT_EQ(ihdr[12], interlace ? 1 : 0);
            EXPECT_EQ(ihdr[9], bits == 32 ? 6 : bits > 8 ? 2 : 3);
            EXPECT_EQ(ihdr[8], bits > 8 ? 8 : static_cast<int>(bits));
            ZImage back;
            ASSERT_TRUE(ReadPng(back, path.c_str()));
            EXPECT_TRUE(SamePixels(expected, back));
            if (bits <= 8) {
                for (int i = 0; i < (1 << bits); ++i) {
                    EXPECT_EQ(
                        std::memcmp(back.GetPaletteEntryBgr(i), image.GetPaletteEntryBgr(i), 3), 0);
                }
            }
        }
    }
}

TEST_F(PngCodecTest, WriterFailuresAreReportedAsText) {
    ZImage image;
    ASSERT_TRUE(image.Create(4, 4, 24, 0x123456, nullptr));
    wchar_t error[260] = L"";
    const std::wstring unwritable = m_folder.File(L"no-such-folder") + L"/out.png";
    EXPECT_FALSE(WritePng(unwritable.c_str(), image, error, 260));
    EXPECT_STREQ(error, L"Couldn't open file for saving!");
    EXPECT_FALSE(PathExists(unwritable.c_str()));
    // A device that takes no data: the library's write error.
    if (PathExists(L"/dev/full")) {
        error[0] = L'\0';
        EXPECT_FALSE(WritePng(L"/dev/full", image, error, 260));
        EXPECT_STREQ(error, L"Write Error");
    }
    ZImage empty;
    EXPECT_FALSE(WritePng(m_folder.File(L"empty.png").c_str(), empty, error, 260));
}

}  // namespace
}  // namespace zentrova::test
