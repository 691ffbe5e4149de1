// Helpers of the BMP codec tests: a builder of BMP files byte by byte, pixel access to a ZImage
// by picture coordinates, and the error log of the test's working folder.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "image/ZImage.h"
#include "tests/support/TestPixels.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Everything a test BMP file is made of. Fields that do not fit into headerSize are not written
// (headerSize 12 writes the core layout with 16-bit sizes and 3-byte palette entries).
struct BmpLayout {
    uint32_t headerSize = 40;
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    int32_t ppmX = 2835;
    int32_t ppmY = 2835;
    // Red, green, blue and (optionally) alpha masks. Inside the header when it has room
    // (52 bytes and more), otherwise written after it when compression is 3.
    std::vector<uint32_t> masks;
    std::vector<Rgb> palette;          // written as given (no padding to 2^bits)
    std::string gapBeforePixels;       // bytes between the palette and the pixel data
    std::string pixels;                // the pixel data as stored
    int64_t pixelOffsetOverride = -1;  // >= 0: the pixel data offset field says this
    uint16_t signature = 0x4D42;
    int64_t headerSizeOverride = -1;  // >= 0: the header size field says this (layout as above)
};

std::string BuildBmp(const BmpLayout& layout);

// A layout of the given size and depth with its stored pixels, compression and palette.
BmpLayout Layout(int32_t width, int32_t height, uint16_t bitCount, const std::string& pixels,
                 uint32_t compression = 0, const std::vector<Rgb>& palette = {});

// Little-endian byte strings, and the value of `size` bytes at `at` (0 past the end).
std::string U16(uint32_t v);
std::string U32(uint32_t v);
uint32_t FieldAt(const std::string& bytes, size_t at, int size = 4);

// Rows of a file, given from the first row stored (the bottom one for bottom-up files), each
// padded with zero bytes to a multiple of 4.
std::string PadRows(const std::vector<std::string>& rows);

// The bytes as a string (for readable pixel data in tests).
std::string Bytes(std::initializer_list<int> bytes);

// Colour at column x of picture row y (counted from the top) of a 1/4/8/24/32-bit image.
Rgb ColorAt(const ZImage& image, uint32_t x, uint32_t y);
// Alpha byte of a 32-bit image at picture row y.
uint8_t AlphaAt(const ZImage& image, uint32_t x, uint32_t y);
// Palette index at picture row y of a 1/4/8-bit image.
uint8_t IndexAt(const ZImage& image, uint32_t x, uint32_t y);
// Raw 16-bit word at picture row y of a 16-bit image.
uint16_t WordAt(const ZImage& image, uint32_t x, uint32_t y);
// Palette entry i of the image as red, green, blue.
Rgb PaletteAt(const ZImage& image, int i);

// The documented widening of a 5-bit channel of 16-bit bit-field files to 8 bits.
extern const uint8_t kDocumentedWiden5[32];

// Contents of "_Zlog.txt" in the current (private) working folder; empty when absent.
std::string ReadErrorLog();
// The last line of that log with its line end; empty when there is none.
std::string LastLogLine();

// Codec tests: files written to and read from a private folder.
class CodecTest : public ::testing::Test {
  protected:
    // Writes the bytes to the named file of the folder; its path.
    std::wstring Store(const std::string& bytes, const wchar_t* name = L"picture") {
        const std::wstring path = m_folder.File(name);
        EXPECT_TRUE(WriteWholeFile(path, bytes));
        return path;
    }
    TempFolder m_folder;
};

}  // namespace zentrova::test
