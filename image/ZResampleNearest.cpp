// Filter 0, No Smoothing: whole pixels copied along integer error stepping.
#include <cstring>

#include "image/ZResampleInternal.h"

namespace zentrova::resample {

void NearestSteps(uint32_t n, uint32_t m, uint32_t* out) {
    // The accumulator grows by n per destination sample; while it exceeds m (strictly), m is
    // taken off and the source advances. Enlarging 2 -> 4 gives 0, 0, 0, 1; shrinking 4 -> 2
    // gives 0, 1.
    uint64_t accumulator = 0;
    uint32_t source = 0;
    for (uint32_t i = 0; i < m; ++i) {
        out[i] = source;
        accumulator += n;
        while (accumulator > m) {
            accumulator -= m;
            ++source;
        }
    }
}

namespace {

template <uint32_t Bytes>
void CopyPixels(const uint8_t* src, uint8_t* dst, const uint32_t* columns, uint32_t width) {
    for (uint32_t i = 0; i < width; ++i, dst += Bytes) {
        std::memcpy(dst, src + size_t{columns[i]} * Bytes, Bytes);
    }
}

void CopyPixelsAnySize(const uint8_t* src, uint8_t* dst, const uint32_t* columns, uint32_t width,
                       uint32_t bytes) {
    for (uint32_t i = 0; i < width; ++i, dst += bytes) {
        std::memcpy(dst, src + size_t{columns[i]} * bytes, bytes);
    }
}

}  // namespace

bool ResampleNearest(const ConstPlane& src, const Plane& dst) {
    Scratch<uint32_t> columns;
    Scratch<uint32_t> rows;
    if (!columns.Allocate(dst.width) || !rows.Allocate(dst.height)) {
        return false;
    }
    NearestSteps(src.width, dst.width, columns.Get());
    NearestSteps(src.height, dst.height, rows.Get());
    const uint32_t bytes = src.bytesPerPixel;
    const size_t rowBytes = size_t{dst.width} * bytes;
    for (uint32_t j = 0; j < dst.height; ++j) {
        uint8_t* out = dst.Row(j);
        if (j > 0 && rows[j] == rows[j - 1]) {
            std::memcpy(out, dst.Row(j - 1), rowBytes);  // a repeated source row
            continue;
        }
        const uint8_t* in = src.Row(rows[j]);
        switch (bytes) {
            case 1:
                CopyPixels<1>(in, out, columns.Get(), dst.width);
                break;
            case 3:
                CopyPixels<3>(in, out, columns.Get(), dst.width);
                break;
            case 4:
                CopyPixels<4>(in, out, columns.Get(), dst.width);
                break;
            default:
                CopyPixelsAnySize(in, out, columns.Get(), dst.width, bytes);
                break;
        }
    }
    return true;
}

}  // namespace zentrova::resample
