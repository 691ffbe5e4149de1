// The single-precision separable engine behind filters 2 (Bicubic) and 3 (Gaussian): each source
// row that a destination row needs is filtered horizontally once, then the filtered rows are
// mixed vertically. Weights come precomputed per column and per row.
#include <cstring>

#include "image/ZResampleInternal.h"

namespace zentrova::resample {

bool FloatTaps::Allocate(uint32_t samples, uint32_t tapsPerSample) {
    taps = tapsPerSample;
    count = samples;
    const size_t entries = size_t{samples} * tapsPerSample;
    return index.Allocate(entries) && weight.Allocate(entries);
}

namespace {

// Widens the blue, green and red bytes of a row to floats, 3 per pixel.
void WidenRow(const uint8_t* src, uint32_t bytes, uint32_t width, float* out) {
    if (bytes == 3) {
        for (size_t i = 0; i < size_t{width} * 3; ++i) {
            out[i] = src[i];
        }
        return;
    }
    for (uint32_t x = 0; x < width; ++x, src += bytes, out += 3) {
        out[0] = src[0];
        out[1] = src[1];
        out[2] = src[2];
    }
}

// One destination row from a widened source row: every output pixel sums `taps` weighted
// source pixels. The fixed-tap wrappers below let the compiler unroll the common filter widths.
inline void FilterRowTaps(const float* wide, const FloatTaps& columns, float* out, uint32_t taps) {
    const uint32_t* index = columns.index.Get();
    const float* weight = columns.weight.Get();
    for (uint32_t i = 0; i < columns.count; ++i, index += taps, weight += taps, out += 3) {
        float blue = 0.0f, green = 0.0f, red = 0.0f;
        for (uint32_t k = 0; k < taps; ++k) {
            const float* p = wide + size_t{index[k]} * 3;
            blue += weight[k] * p[0];
            green += weight[k] * p[1];
            red += weight[k] * p[2];
        }
        out[0] = blue;
        out[1] = green;
        out[2] = red;
    }
}

template <uint32_t Taps>
void FilterRow(const float* wide, const FloatTaps& columns, float* out) {
    FilterRowTaps(wide, columns, out, Taps);
}

void FilterRowAnyTaps(const float* wide, const FloatTaps& columns, float* out) {
    FilterRowTaps(wide, columns, out, columns.taps);
}

void FilterRowWith(const float* wide, const FloatTaps& columns, float* out) {
    switch (columns.taps) {
        case 4:
            FilterRow<4>(wide, columns, out);
            break;
        case 8:
            FilterRow<8>(wide, columns, out);
            break;
        default:
            FilterRowAnyTaps(wide, columns, out);
            break;
    }
}

uint8_t ClampToByte(float v) {
    if (v >= 255.0f) {
        return 255;
    }
    if (!(v > 0.0f)) {
        return 0;
    }
    return static_cast<uint8_t>(v);  // truncation
}

}  // namespace

bool ResampleSeparable(const ConstPlane& src, const Plane& dst, const FloatTaps& columns,
                       const FloatTaps& rows) {
    const uint32_t taps = rows.taps;
    const size_t filteredFloats = size_t{dst.width} * 3;
    // One slot per vertical tap holds a horizontally filtered source row; slotRow says which.
    Scratch<float> wide;
    Scratch<float> filtered;
    Scratch<uint32_t> slotRow;
    Scratch<const float*> mix;
    Scratch<float> sum;
    if (!wide.Allocate(size_t{src.width} * 3) || !filtered.Allocate(filteredFloats * taps) ||
        !slotRow.Allocate(taps) || !mix.Allocate(taps) || !sum.Allocate(filteredFloats)) {
        return false;
    }
    for (uint32_t s = 0; s < taps; ++s) {
        slotRow[s] = UINT32_MAX;
    }
    for (uint32_t j = 0; j < dst.height; ++j) {
        const uint32_t* needed = rows.index.Get() + size_t{j} * taps;
        const float* weight = rows.weight.Get() + size_t{j} * taps;
        for (uint32_t k = 0; k < taps; ++k) {
            uint32_t slot = 0;
            while (slot < taps && slotRow[slot] != needed[k]) {
                ++slot;
            }
            if (slot == taps) {
                // Reuse a slot whose row this destination row does not need.
                for (slot = 0; slot < taps; ++slot) {
                    bool inUse = false;
                    for (uint32_t q = 0; q < taps; ++q) {
                        inUse = inUse || slotRow[slot] == needed[q];
                    }
                    if (!inUse) {
                        break;
                    }
                }
                WidenRow(src.Row(needed[k]), src.bytesPerPixel, src.width, wide.Get());
                FilterRowWith(wide.Get(), columns, filtered.Get() + slot * filteredFloats);
                slotRow[slot] = needed[k];
            }
            mix[k] = filtered.Get() + slot * filteredFloats;
        }
        float* total = sum.Get();
        const float* row0 = mix[0];
        for (size_t i = 0; i < filteredFloats; ++i) {
            total[i] = weight[0] * row0[i];
        }
        for (uint32_t k = 1; k < taps; ++k) {
            const float* row = mix[k];
            const float w = weight[k];
            for (size_t i = 0; i < filteredFloats; ++i) {
                total[i] += w * row[i];
            }
        }
        uint8_t* out = dst.Row(j);
        if (dst.bytesPerPixel == 3) {
            for (size_t i = 0; i < filteredFloats; ++i) {
                out[i] = ClampToByte(total[i]);
            }
        } else {
            for (uint32_t i = 0; i < dst.width; ++i, total += 3, out += dst.bytesPerPixel) {
                out[0] = ClampToByte(total[0]);
                out[1] = ClampToByte(total[1]);
                out[2] = ClampToByte(total[2]);
            }
        }
    }
    return true;
}

}  // namespace zentrova::resample
