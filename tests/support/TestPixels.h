// Pixels of a 16-bit or deeper picture addressed by picture coordinates (x, y from the top-left),
// for the tests of every subsystem.
#pragma once

#include <cstdint>

#include "image/ZImage.h"

namespace zentrova::test {

inline uint8_t* PixelAt(ZImage& image, uint32_t x, uint32_t y) {
    image.FlushDrawing();
    return image.GetRow(image.GetHeight() - 1 - y) + x * (image.GetBitsPerPixel() / 8u);
}

inline const uint8_t* PixelAt(const ZImage& image, uint32_t x, uint32_t y) {
    image.FlushDrawing();
    return image.GetRow(image.GetHeight() - 1 - y) + x * (image.GetBitsPerPixel() / 8u);
}

}  // namespace zentrova::test
