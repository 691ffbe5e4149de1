// Pixels of packed 1- and 4-bit rows (internal to the image effects).
#pragma once

#include <cstdint>

namespace zentrova::effects {

// Palette index at column x of a 1- or 4-bit row (left pixel in the high bits).
inline uint8_t PackedIndex(const uint8_t* row, uint32_t bits, uint32_t x) {
    return bits == 4 ? static_cast<uint8_t>((x & 1) ? (row[x / 2] & 0x0F) : (row[x / 2] >> 4))
                     : static_cast<uint8_t>((row[x / 8] >> (7 - (x & 7))) & 1);
}

}  // namespace zentrova::effects
