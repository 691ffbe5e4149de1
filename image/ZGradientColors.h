// Colour steps shared by the gradient fills (internal to the image library).
#pragma once

#include <cstdint>

#include "image/ZImage.h"

namespace zentrova::gradient {

// from + (to - from) * step / steps per channel, every division truncating towards zero.
// steps >= 1; step may be as large as steps, products are taken in 64 bits.
inline ZColor Step(ZColor from, ZColor to, int64_t step, int64_t steps) {
    ZColor result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int64_t f = (from >> shift) & 0xFF;
        const int64_t t = (to >> shift) & 0xFF;
        result |= static_cast<ZColor>(f + (t - f) * step / steps) << shift;
    }
    return result;
}

}  // namespace zentrova::gradient
