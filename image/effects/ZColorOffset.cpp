// Colour offset: red, green and blue of every pixel of a 24- or 32-bit picture moved by their
// offsets and clamped to 0..255, through one 256-entry table per channel; alpha untouched.
#include <algorithm>

#include "image/ZImageEffects.h"

namespace zentrova {

namespace {

void BuildTable(int offset, uint8_t* table) {
    // Offsets beyond +-255 clamp like +-255; the clamp keeps the sum inside int.
    const int o = std::clamp(offset, -255, 255);
    for (int c = 0; c < 256; ++c) {
        table[c] = static_cast<uint8_t>(std::clamp(c + o, 0, 255));
    }
}

}  // namespace

bool ColorOffset(ZImage& image, int redOffset, int greenOffset, int blueOffset) {
    if (!image.IsValid() || (image.GetBitsPerPixel() != 24 && image.GetBitsPerPixel() != 32)) {
        return false;
    }
    uint8_t blue[256];
    uint8_t green[256];
    uint8_t red[256];
    BuildTable(blueOffset, blue);
    BuildTable(greenOffset, green);
    BuildTable(redOffset, red);

    image.FlushDrawing();
    const uint32_t step = image.GetBitsPerPixel() / 8u;
    const uint32_t width = image.GetWidth();
    for (uint32_t r = 0; r < image.GetHeight(); ++r) {
        uint8_t* p = image.GetRow(r);
        for (uint32_t x = 0; x < width; ++x, p += step) {
            p[0] = blue[p[0]];
            p[1] = green[p[1]];
            p[2] = red[p[2]];
        }
    }
    return true;
}

}  // namespace zentrova
