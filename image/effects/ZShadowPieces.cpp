// The portable pieces of the drop shadow's plain-rectangle path: a stretched copy between 24-bit
// pictures with the platform's column and row mapping, and the eight pieces built from it.
#include "image/effects/ZShadowPieces.h"

#include <cstring>
#include <vector>

namespace zentrova::effects {

namespace {

bool Inside(const ZImage& image, int32_t x, int32_t y, int32_t w, int32_t h) {
    return x >= 0 && y >= 0 && w >= 1 && h >= 1 && int64_t{x} + w <= image.GetWidth() &&
           int64_t{y} + h <= image.GetHeight();
}

// The source index of each of `length` target positions when `sourceLength` <= `length`
// source pixels are stretched over them: the source pixel under the target pixel's centre, a
// centre on a boundary going to the earlier pixel, i = ((2j + 1) * sourceLength - 1) div
// (2 * length), as the platform's stretch maps an enlargement.
std::vector<int32_t> StretchMap(int32_t sourceLength, int32_t length) {
    std::vector<int32_t> map(static_cast<size_t>(length));
    for (int32_t j = 0; j < length; ++j) {
        map[static_cast<size_t>(j)] =
            static_cast<int32_t>(((2 * int64_t{j} + 1) * sourceLength - 1) / (2 * int64_t{length}));
    }
    return map;
}

}  // namespace

bool DrawPartPixels(ZImage& target, int32_t dx, int32_t dy, int32_t dw, int32_t dh,
                    const ZImage& source, int32_t sx, int32_t sy, int32_t sw, int32_t sh) {
    if (!target.IsValid() || !source.IsValid() || target.GetBitsPerPixel() != 24 ||
        source.GetBitsPerPixel() != 24 || !Inside(target, dx, dy, dw, dh) ||
        !Inside(source, sx, sy, sw, sh) || sw > dw || sh > dh) {
        return false;
    }
    target.FlushDrawing();
    source.FlushDrawing();
    const std::vector<int32_t> columns = StretchMap(sw, dw);
    const std::vector<int32_t> rows = StretchMap(sh, dh);
    const uint32_t targetTop = target.GetHeight() - 1;
    const uint32_t sourceTop = source.GetHeight() - 1;
    for (int32_t j = 0; j < dh; ++j) {
        uint8_t* out = target.GetRow(targetTop - static_cast<uint32_t>(dy + j)) + size_t(dx) * 3;
        const uint8_t* in =
            source.GetRow(sourceTop - static_cast<uint32_t>(sy + rows[j])) + size_t(sx) * 3;
        if (sw == dw) {
            std::memcpy(out, in, size_t(dw) * 3);
            continue;
        }
        if (j > 0 && rows[j] == rows[j - 1]) {
            // The same source row as the target row above: copy that one.
            std::memcpy(out, out + target.GetStride(), size_t(dw) * 3);
            continue;
        }
        for (int32_t i = 0; i < dw; ++i, out += 3) {
            const uint8_t* p = in + size_t(columns[size_t(i)]) * 3;
            out[0] = p[0], out[1] = p[1], out[2] = p[2];
        }
    }
    return true;
}

bool CopyShadowPiecesPixels(ZImage& result, const ZImage& sample, int32_t m) {
    if (m == 0) {
        return result.IsValid() && sample.IsValid();
    }
    const int32_t pw = static_cast<int32_t>(sample.GetWidth());
    const int32_t ph = static_cast<int32_t>(sample.GetHeight());
    const int32_t rw = static_cast<int32_t>(result.GetWidth());
    const int32_t rh = static_cast<int32_t>(result.GetHeight());
    const int32_t d = 2 * m;
    return DrawPartPixels(result, 0, 0, rw, m, sample, pw / 2, 0, m, m) &&
           DrawPartPixels(result, 0, rh - m, rw, m, sample, pw / 2, ph - m, m, m) &&
           DrawPartPixels(result, 0, 0, m, rh, sample, 0, ph / 2, m, m) &&
           DrawPartPixels(result, rw - m, 0, m, rh, sample, pw - m, ph / 2, m, m) &&
           DrawPartPixels(result, 0, 0, d, d, sample, 0, 0, d, d) &&
           DrawPartPixels(result, rw - d, 0, d, d, sample, pw - d, 0, d, d) &&
           DrawPartPixels(result, rw - d, rh - d, d, d, sample, pw - d, ph - d, d, d) &&
           DrawPartPixels(result, 0, rh - d, d, d, sample, 0, ph - d, d, d);
}

}  // namespace zentrova::effects
