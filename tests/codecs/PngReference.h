// Decoding of the reference PNG pictures of the BMP Suite with libpng, for pixel comparisons.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zentrova::test {

struct PngPicture {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> rgba;  // rows from the top, 4 bytes per pixel, 8 bits per channel

    const uint8_t* At(uint32_t x, uint32_t y) const { return &rgba[(size_t{y} * width + x) * 4]; }
};

// Reads a non-interlaced PNG of any colour type as 8-bit red, green, blue, alpha (palettes and
// grey expanded, 16-bit channels scaled, no gamma correction). False when it cannot be read.
bool ReadPngReference(const std::wstring& path, PngPicture& out);

}  // namespace zentrova::test
