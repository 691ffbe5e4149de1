// Premultiply: blue, green and red of every 32-bit pixel multiplied by the pixel's own alpha.
//
// Precision: c * a lies in 0..65025, and for every x below 65536, x / 255 == (x * 0x8081) >> 23
// exactly, so the truncating division is a multiplication and a shift (32-bit arithmetic).
#include "image/ZCompositing.h"

namespace zentrova {

namespace {

inline uint8_t MultiplyDivide255(uint32_t c, uint32_t a) {
    return static_cast<uint8_t>((c * a * 0x8081u) >> 23);
}

}  // namespace

bool Premultiply(ZImage& image) {
    if (!image.IsValid() || image.GetBitsPerPixel() != 32) {
        return false;
    }
    image.FlushDrawing();
    const uint32_t width = image.GetWidth();
    for (uint32_t r = 0; r < image.GetHeight(); ++r) {
        uint8_t* p = image.GetRow(r);
        for (uint32_t i = 0; i < width; ++i, p += 4) {
            const uint32_t a = p[3];
            p[0] = MultiplyDivide255(p[0], a);
            p[1] = MultiplyDivide255(p[1], a);
            p[2] = MultiplyDivide255(p[2], a);
        }
    }
    return true;
}

}  // namespace zentrova
