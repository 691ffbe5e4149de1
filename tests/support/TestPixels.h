// Pixels of a 16-bit or deeper picture addressed by picture coordinates (x, y from the top-left),
// for the tests of every subsystem.
#pragma once

#include <cstdint>

#include <gtest/gtest.h>

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

// A picture of one colour, 24 bits unless asked otherwise.
struct Solid : ZImage {
    Solid(uint32_t w, uint32_t h, ZColor colour, uint32_t bits = 24) {
        EXPECT_TRUE(Create(w, h, bits, colour, nullptr));
    }
};

}  // namespace zentrova::test
