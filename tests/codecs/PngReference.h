// Decoding of PNG files with libpng used directly, for pixel comparisons: raw samples for the
// PngSuite, 8-bit red, green, blue, alpha for the reference pictures of the BMP Suite.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <png.h>

namespace zentrova::test {

// What libpng's png_read_png makes of a file with the given transforms.
struct DecodedPng {
    uint32_t width = 0;
    uint32_t height = 0;
    int bitDepth = 0;  // the header's own depth
    int colourType = 0;
    int interlace = 0;
    int channels = 0;                        // of the rows as decoded
    std::vector<std::vector<uint8_t>> rows;  // top-down
    std::vector<png_color> palette;
    std::vector<uint8_t> transAlpha;  // palette pictures only
    bool hasPhys = false;
    png_uint_32 physX = 0;
    png_uint_32 physY = 0;
    int physUnit = 0;

    // Sample c of pixel x in row y of one-byte-per-sample rows, 16-bit ones reduced to their
    // high byte.
    uint8_t Sample(uint32_t x, uint32_t y, int c) const {
        const size_t i = size_t{x} * channels + c;
        return bitDepth == 16 ? rows[y][2 * i] : rows[y][i];
    }
};

// False when libpng cannot read the file.
bool DecodePng(const std::wstring& path, int transforms, DecodedPng& out);

struct PngPicture {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> rgba;  // rows from the top, 4 bytes per pixel, 8 bits per channel

    const uint8_t* At(uint32_t x, uint32_t y) const { return &rgba[(size_t{y} * width + x) * 4]; }
};

// Reads a PNG of any colour type as 8-bit red, green, blue, alpha (palettes and grey expanded,
// 16-bit channels scaled, no gamma correction). False when it cannot be read.
bool ReadPngReference(const std::wstring& path, PngPicture& out);

}  // namespace zentrova::test
