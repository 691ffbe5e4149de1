// Filter 2, Bicubic: destination sample i looks at the source position x = i * w / W (single
// precision) and mixes the 4 source samples x0 - 1 ... x0 + 2 around x0 = (i * w) div W (clamped
// to the picture) with the cubic B-spline weights R(m - dx), dx = x - x0. The weights are
// computed once per column and once per row; the 4 x 4 products are formed by the separable
// engine.
#include "image/ZResampleInternal.h"

namespace zentrova::resample {

namespace {

float PositiveCube(float u) {
    return u > 0.0f ? u * u * u : 0.0f;
}

// The cubic B-spline R(t) = [P(t + 2)^3 - 4 P(t + 1)^3 + 6 P(t)^3 - 4 P(t - 1)^3] / 6.
float CubicBSpline(float t) {
    return (PositiveCube(t + 2.0f) - 4.0f * PositiveCube(t + 1.0f) + 6.0f * PositiveCube(t) -
            4.0f * PositiveCube(t - 1.0f)) /
           6.0f;
}

bool BuildBicubicTaps(uint32_t n, uint32_t m, FloatTaps& taps) {
    if (!taps.Allocate(m, 4)) {
        return false;
    }
    for (uint32_t i = 0; i < m; ++i) {
        const float x = static_cast<float>(i) * static_cast<float>(n) / static_cast<float>(m);
        const int64_t x0 = static_cast<int64_t>(uint64_t{i} * n / m);
        const float dx = x - static_cast<float>(x0);
        for (int k = 0; k < 4; ++k) {
            int64_t source = x0 + k - 1;
            source = source < 0 ? 0 : (source > int64_t{n} - 1 ? int64_t{n} - 1 : source);
            taps.index[size_t{i} * 4 + k] = static_cast<uint32_t>(source);
            taps.weight[size_t{i} * 4 + k] = CubicBSpline(static_cast<float>(k - 1) - dx);
        }
    }
    return true;
}

}  // namespace

bool ResampleBicubic(const ConstPlane& src, const Plane& dst) {
    FloatTaps columns;
    FloatTaps rows;
    if (!BuildBicubicTaps(src.width, dst.width, columns) ||
        !BuildBicubicTaps(src.height, dst.height, rows)) {
        return false;
    }
    return ResampleSeparable(src, dst, columns, rows);
}

}  // namespace zentrova::resample
