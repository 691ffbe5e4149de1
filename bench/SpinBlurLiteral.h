// The spin blur written out literally, pixel by pixel and step by step, with every sample point
// checked against the picture: the baseline the effects benchmark times next to the fast
// implementation, which must match it byte for byte.
//
// 16.16 fixed point: theta = trunc(angle * 205887.421875 / 181), step = theta div 64,
// q = (step * step) >> 11. From (x - w/2, y - h/2) (memory rows y), two points are rotated 64
// times, one with +step and one with -step in
//   x' = x - ((y >> 8) * step >> 8) - ((x >> 14) * q >> 8)
//   y' = y + ((x >> 8) * step >> 8) - ((y >> 14) * q >> 8)
// and every point inside the picture (centre + ((point + 0x8000) >> 16)) adds its blue, green and
// red with weight 64, as does the pixel itself. Result = sum div total weight, clamped.
// Arithmetic is 64-bit here, so nothing can overflow.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "image/ZImage.h"

namespace zentrova::test {

inline bool SpinBlurReference(ZImage& image, double angle) {
    if (!image.IsValid() || (image.GetBitsPerPixel() != 24 && image.GetBitsPerPixel() != 32)) {
        return false;
    }
    ZImage copy;
    if (!copy.CopyFrom(image)) {
        return false;
    }
    const int64_t theta = static_cast<int64_t>(std::trunc(angle * 205887.421875 / 181));
    const int64_t step = theta / 64;
    const int64_t q = (step * step) >> 11;
    const int64_t w = image.GetWidth();
    const int64_t h = image.GetHeight();
    const int64_t cx = w / 2;
    const int64_t cy = h / 2;
    const int64_t bytes = image.GetBitsPerPixel() / 8;
    for (int64_t y = 0; y < h; ++y) {
        for (int64_t x = 0; x < w; ++x) {
            const uint8_t* self = copy.GetRow(static_cast<uint32_t>(y)) + x * bytes;
            int64_t sum[3] = {64 * self[0], 64 * self[1], 64 * self[2]};
            int64_t weight = 64;
            for (const int64_t s : {step, -step}) {
                int64_t px = (x - cx) * 65536;
                int64_t py = (y - cy) * 65536;
                for (int i = 0; i < 64; ++i) {
                    const int64_t nx = px - (((py >> 8) * s) >> 8) - (((px >> 14) * q) >> 8);
                    const int64_t ny = py + (((px >> 8) * s) >> 8) - (((py >> 14) * q) >> 8);
                    px = nx;
                    py = ny;
                    const int64_t sx = cx + ((px + 0x8000) >> 16);
                    const int64_t sy = cy + ((py + 0x8000) >> 16);
                    if (sx >= 0 && sx < w && sy >= 0 && sy < h) {
                        const uint8_t* p = copy.GetRow(static_cast<uint32_t>(sy)) + sx * bytes;
                        sum[0] += 64 * p[0];
                        sum[1] += 64 * p[1];
                        sum[2] += 64 * p[2];
                        weight += 64;
                    }
                }
            }
            uint8_t* out = image.GetRow(static_cast<uint32_t>(y)) + x * bytes;
            for (int c = 0; c < 3; ++c) {
                out[c] = static_cast<uint8_t>(std::min<int64_t>(255, sum[c] / weight));
            }
        }
    }
    return true;
}

}  // namespace zentrova::test
