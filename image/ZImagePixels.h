// Row conversions between the pixel depths of ZImage (internal to the image library).
//
// Conversion rules:
// * palette images expand through their palette (kept blue, green, red per entry);
// * 16-bit 5-5-5 values widen to 8 bits per channel as (v << 3) | (v >> 2), so 31 -> 255;
// * a conversion to 32 bits writes 0 into the alpha byte; one from 32 bits drops alpha;
// * a conversion to 16 bits keeps the top 5 bits of each channel;
// * a conversion to 8 bits or fewer picks the nearest palette colour (squared distance, the
//   lowest index on a tie).
#pragma once

#include <cstddef>
#include <cstdint>

namespace zentrova::pixels {

// Writes width pixels of a row at srcBits (1, 4, 8, 16, 24, 32) as dstBits (16, 24, 32).
void ConvertRowToDirect(const uint8_t* src, uint32_t srcBits, const uint8_t* paletteBgr,
                        uint32_t width, uint8_t* dst, uint32_t dstBits);

// Writes width pixels of a row at srcBits (16, 24, 32) as dstBits (1, 4, 8, 16, 24, 32);
// paletteBgr is used for dstBits <= 8.
void ConvertRowFromDirect(const uint8_t* src, uint32_t srcBits, uint32_t width, uint8_t* dst,
                          uint32_t dstBits, const uint8_t* paletteBgr);

// Index of the palette entry nearest to the colour among the first `entries` entries.
uint8_t NearestPaletteIndex(const uint8_t* paletteBgr, int entries, uint8_t blue, uint8_t green,
                            uint8_t red);

// Stores index at column x of a packed row of 1, 4 or 8 bits.
void SetPackedIndex(uint8_t* row, uint32_t bits, uint32_t x, uint8_t index);

// Exchanges n bytes between two non-overlapping blocks.
void SwapBytes(uint8_t* a, uint8_t* b, size_t n);

// 5-bit channel widened to 8 bits.
inline uint8_t Widen5(uint32_t v) {
    return static_cast<uint8_t>(((v & 31) << 3) | ((v & 31) >> 2));
}

inline uint16_t Pack555(uint8_t blue, uint8_t green, uint8_t red) {
    return static_cast<uint16_t>((blue >> 3) | ((green >> 3) << 5) | ((red >> 3) << 10));
}

}  // namespace zentrova::pixels
