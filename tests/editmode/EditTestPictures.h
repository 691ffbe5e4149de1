// Small 24-bit pictures for the Edit Mode tests, addressed top-down like the screen.
#pragma once

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "image/ZImage.h"

namespace zentrova::test {

constexpr ZColor kWhite = 0xFFFFFF;

// A colour that differs for every (x, y) of a small picture and is never magenta.
inline ZColor PatternColour(int32_t x, int32_t y, int32_t seed = 0) {
    const uint32_t red = static_cast<uint32_t>(x * 17 + y * 5 + seed * 3 + 1) & 0xFF;
    const uint32_t green = static_cast<uint32_t>(y * 29 + seed + 3) & 0x7F;
    const uint32_t blue = static_cast<uint32_t>(x * 7 + y * 11 + seed * 13) & 0xFF;
    return red | (green << 8) | (blue << 16);
}

inline ZColor PixelAt(const ZImage& image, int32_t x, int32_t y) {
    const uint8_t* p = image.GetRow(image.GetHeight() - 1 - static_cast<uint32_t>(y)) + 3 * x;
    return p[2] | (uint32_t{p[1]} << 8) | (uint32_t{p[0]} << 16);
}

// width x height, every pixel PatternColour(x, y, seed).
inline bool MakePattern(ZImage& image, int32_t width, int32_t height, int32_t seed = 0) {
    if (!image.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24, 0,
                      nullptr)) {
        return false;
    }
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            image.FillRect(x, y, 1, 1, PatternColour(x, y, seed));
        }
    }
    return true;
}

// A 24-bit picture whose every byte, padding included, depends on seed and position.
inline void MakePicture(ZImage& image, uint32_t width, uint32_t height, uint8_t seed) {
    ASSERT_TRUE(image.Create(width, height, 24, 0, nullptr));
    for (size_t i = 0; i < image.GetPixelMemorySize(); ++i) {
        image.GetBits()[i] = static_cast<uint8_t>(seed * 31 + i * 7);
    }
}

inline std::string PixelBytes(const ZImage& image) {
    return std::string(reinterpret_cast<const char*>(image.GetBits()), image.GetPixelMemorySize());
}

// True when image is width x height with colourOf(x, y) at every pixel.
template <typename Colour>
::testing::AssertionResult PixelsAre(const ZImage& image, int32_t width, int32_t height,
                                     Colour colourOf) {
    if (!image.IsValid() || image.GetWidth() != static_cast<uint32_t>(width) ||
        image.GetHeight() != static_cast<uint32_t>(height)) {
        return ::testing::AssertionFailure() << image.GetWidth() << "x" << image.GetHeight();
    }
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            if (PixelAt(image, x, y) != colourOf(x, y)) {
                return ::testing::AssertionFailure()
                       << "pixel " << x << "," << y << " is " << std::hex << PixelAt(image, x, y);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace zentrova::test
