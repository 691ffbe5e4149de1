// Small helpers for the compositing tests: pixels addressed by picture coordinates (from the
// top-left) and colours as 0x00BBGGRR, the way the operations under test take them.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "image/ZImage.h"
#include "tests/support/TestPixels.h"

namespace zentrova::testing {

using test::PixelAt;

// Colour of a 24- or 32-bit pixel as 0x00BBGGRR (alpha left out).
inline uint32_t ColourAt(const ZImage& image, uint32_t x, uint32_t y) {
    const uint8_t* p = PixelAt(image, x, y);
    return p[2] | (p[1] << 8) | (uint32_t{p[0]} << 16);
}

inline void SetPixel(ZImage& image, uint32_t x, uint32_t y, uint8_t blue, uint8_t green,
                     uint8_t red, uint8_t alpha = 255) {
    uint8_t* p = PixelAt(image, x, y);
    p[0] = blue, p[1] = green, p[2] = red;
    if (image.GetBitsPerPixel() == 32) {
        p[3] = alpha;
    }
}

// Every pixel of a 24- or 32-bit image set to one colour and alpha.
inline void FillAll(ZImage& image, uint8_t blue, uint8_t green, uint8_t red, uint8_t alpha = 255) {
    for (uint32_t y = 0; y < image.GetHeight(); ++y) {
        for (uint32_t x = 0; x < image.GetWidth(); ++x)
            SetPixel(image, x, y, blue, green, red, alpha);
    }
}

// The colours (0x00BBGGRR) of all pixels, row by row from the top; with alpha = true, the alpha
// bytes of a 32-bit image instead.
inline std::vector<uint32_t> AllColours(const ZImage& image, bool alpha = false) {
    std::vector<uint32_t> v;
    for (uint32_t y = 0; y < image.GetHeight(); ++y) {
        for (uint32_t x = 0; x < image.GetWidth(); ++x)
            v.push_back(alpha ? PixelAt(image, x, y)[3] : ColourAt(image, x, y));
    }
    return v;
}

// A palette of RGB triplets where entry i is (i, 255 - i, i / 2), distinct in every channel, or
// with grey = true the grey palette (i, i, i).
inline std::array<uint8_t, ZImage::kPaletteBytes> RampPalette(bool grey = false) {
    std::array<uint8_t, ZImage::kPaletteBytes> p{};
    for (int i = 0; i < 256; ++i) {
        p[3 * i + 0] = static_cast<uint8_t>(i);
        p[3 * i + 1] = static_cast<uint8_t>(grey ? i : 255 - i);
        p[3 * i + 2] = static_cast<uint8_t>(grey ? i : i / 2);
    }
    return p;
}

inline std::array<uint8_t, ZImage::kPaletteBytes> GreyPalette() {
    return RampPalette(true);
}

// An 8-bit mask of the given size filled with one weight.
inline bool MakeMask(ZImage& mask, uint32_t w, uint32_t h, uint8_t weight) {
    const auto grey = GreyPalette();
    return mask.Create(w, h, 8, uint32_t{weight} * 0x010101u, grey.data());
}

// Deterministic pseudo-random bytes (a 32-bit xorshift), for pictures larger than a hand-made one.
class ByteNoise {
  public:
    explicit ByteNoise(uint32_t seed) : m_state(seed | 1u) {}
    uint8_t Next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<uint8_t>(m_state >> 11);
    }
    void Fill(ZImage& image) {
        uint8_t* bits = image.GetBits();
        for (size_t i = 0; i < image.GetPixelMemorySize(); ++i) {
            bits[i] = Next();
        }
    }

  private:
    uint32_t m_state;
};

// True when the two images have the same size, depth and pixel memory; with padding = false the
// row padding, whose value means nothing, is not compared.
inline bool SameBytes(const ZImage& a, const ZImage& b, bool padding = true) {
    if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight() ||
        a.GetBitsPerPixel() != b.GetBitsPerPixel()) {
        return false;
    }
    a.FlushDrawing();
    b.FlushDrawing();
    const size_t used = padding ? a.GetStride() : size_t{a.GetWidth()} * a.GetBitsPerPixel() / 8;
    for (uint32_t r = 0; r < a.GetHeight(); ++r) {
        if (std::memcmp(a.GetRow(r), b.GetRow(r), used) != 0) {
            return false;
        }
    }
    return true;
}

inline bool SamePixels(const ZImage& a, const ZImage& b) {
    return SameBytes(a, b, false);
}

}  // namespace zentrova::testing
