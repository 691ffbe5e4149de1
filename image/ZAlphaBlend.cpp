// Alpha blend of a 32-bit picture onto a 24- or 32-bit picture, computed on the pixels: the
// portable equivalent of the platform blend of ZAlphaBlend_win.cpp.
//
// Precision: the source is premultiplied exactly as Premultiply does (truncating); the constant
// alpha scaling and the destination weighting divide by 255 rounding to nearest, in 32-bit
// integer arithmetic ((v + 127) / 255 for v up to 65025).
#include <algorithm>

#include "image/ZCompositing.h"

namespace zentrova {

namespace {

inline uint32_t DivideRounded255(uint32_t v) {
    return (v + 127) / 255;
}

}  // namespace

bool AlphaBlendImagePixels(ZImage& target, const ZImage& source, int32_t x, int32_t y,
                           int32_t constantAlpha) {
    if (!target.IsValid() || target.GetBitsPerPixel() < 24 || !source.IsValid() ||
        source.GetBitsPerPixel() != 32) {
        return false;
    }
    const auto constant = static_cast<uint32_t>(std::clamp<int32_t>(constantAlpha, 0, 255));

    // The part of the source that lands on the target.
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t{x} + source.GetWidth(), target.GetWidth());
    const int64_t bottom = std::min<int64_t>(int64_t{y} + source.GetHeight(), target.GetHeight());
    if (left >= right || top >= bottom) {
        return true;  // nothing to draw
    }
    target.FlushDrawing();
    source.FlushDrawing();
    const uint32_t bytes = target.GetBitsPerPixel() / 8u;
    const uint32_t targetTop = target.GetHeight() - 1;
    const uint32_t sourceTop = source.GetHeight() - 1;
    for (int64_t r = top; r < bottom; ++r) {
        uint8_t* d = target.GetRow(static_cast<uint32_t>(targetTop - r)) + left * bytes;
        const uint8_t* s =
            source.GetRow(static_cast<uint32_t>(sourceTop - (r - y))) + (left - x) * 4;
        for (int64_t c = left; c < right; ++c, d += bytes, s += 4) {
            const uint32_t a = s[3];
            const uint32_t scaledAlpha = DivideRounded255(a * constant);
            const uint32_t keep = 255 - scaledAlpha;
            for (int k = 0; k < 3; ++k) {
                const uint32_t premultiplied = s[k] * a / 255;
                d[k] = static_cast<uint8_t>(DivideRounded255(premultiplied * constant) +
                                            DivideRounded255(d[k] * keep));
            }
            if (bytes == 4) {
                d[3] = static_cast<uint8_t>(scaledAlpha + DivideRounded255(d[3] * keep));
            }
        }
    }
    return true;
}

}  // namespace zentrova
