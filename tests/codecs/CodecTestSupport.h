// Helpers of the codec tests: pixels of a ZImage by picture coordinates, little-endian file
// fields, the error log of the test's working folder, conformance suite files, and PNG files
// decoded by libpng used directly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "image/ZImage.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestPixels.h"

namespace zentrova::test {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Palette index and colour at column x of picture row y (from the top), palette entry i.
uint8_t IndexAt(const ZImage& image, uint32_t x, uint32_t y);
Rgb ColorAt(const ZImage& image, uint32_t x, uint32_t y);
Rgb PaletteAt(const ZImage& image, int i);

// The bytes as a string; the little-endian value of `size` bytes at `at` (0 past the end).
std::string Bytes(std::initializer_list<int> bytes);
uint32_t FieldAt(const std::string& bytes, size_t at, int size = 4);

// Contents of "_Zlog.txt" in the current working folder, and its last line with the line end.
std::string ReadErrorLog();
std::string LastLogLine();

// Sorted names of the files of a test data folder whose names end in `suffix`.
std::vector<std::string> FilesOf(const std::string& folder, const std::string& suffix);

// What libpng's png_read_png makes of a file with the given transforms.
struct DecodedPng {
    uint32_t width = 0, height = 0;
    int bitDepth = 0, colourType = 0;                  // the header's own
    int interlace = 0, channels = 0, sampleBytes = 1;  // of the rows as decoded
    std::vector<std::vector<uint8_t>> rows;            // top-down
    std::vector<uint8_t> palette;                      // red, green, blue
    std::vector<uint8_t> transAlpha;                   // palette pictures only
    bool hasPhys = false;
    uint32_t physX = 0, physY = 0;
    int physUnit = 0;

    // Sample c of pixel (x, y), 16-bit ones reduced to their high byte.
    uint8_t Sample(uint32_t x, uint32_t y, int c) const {
        return rows[y][(size_t{x} * channels + c) * sampleBytes];
    }
};

// False when libpng cannot read the file.
bool DecodePng(const std::wstring& path, int transforms, DecodedPng& out);

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
