// Filter 3, Gaussian: destination sample i looks at the source position x = i * w / W (single
// precision) and takes the samples sx = x - 4, x - 3, ... while sx < x + 4 (8 of them), each
// reading the source sample trunc(sx) clamped to the picture, with the weight
// exp(-(x - sx)^2 / 2). The two-dimensional weight exp(-(dx^2 + dy^2) / 2) / 6.2831855 is the
// product of the column weight and the row weight divided by 6.2831855; the weights are not
// normalised.
#include <cmath>

#include "image/ZResampleInternal.h"

namespace zentrova::resample {

namespace {

constexpr uint32_t kMaxTaps = 10;  // 8, or one more or less where single precision rounds
constexpr float kTwoPi = 6.2831855f;

uint32_t GaussianSamples(uint32_t i, uint32_t n, uint32_t m, uint32_t* index, float* weight) {
    const float x = static_cast<float>(i) * static_cast<float>(n) / static_cast<float>(m);
    uint32_t taps = 0;
    for (float sx = x - 4.0f; sx < x + 4.0f && taps < kMaxTaps; sx += 1.0f) {
        int64_t source = static_cast<int64_t>(sx);  // truncation towards zero
        source = source < 0 ? 0 : (source > int64_t{n} - 1 ? int64_t{n} - 1 : source);
        index[taps] = static_cast<uint32_t>(source);
        const float d = x - sx;
        weight[taps] = std::exp(-(d * d) / 2.0f);
        ++taps;
    }
    return taps;
}

// Builds the taps of one axis; `scale` multiplies every weight (1 / 2 pi on one axis).
bool BuildGaussianTaps(uint32_t n, uint32_t m, float scale, FloatTaps& taps) {
    uint32_t index[kMaxTaps];
    float weight[kMaxTaps];
    uint32_t most = 0;
    for (uint32_t i = 0; i < m; ++i) {
        const uint32_t count = GaussianSamples(i, n, m, index, weight);
        most = count > most ? count : most;
    }
    if (!taps.Allocate(m, most)) {
        return false;
    }
    for (uint32_t i = 0; i < m; ++i) {
        const uint32_t count = GaussianSamples(i, n, m, index, weight);
        for (uint32_t k = 0; k < most; ++k) {
            // Missing samples weigh 0 (adding 0 changes no sum) and read a sample that exists.
            taps.index[size_t{i} * most + k] = k < count ? index[k] : index[0];
            taps.weight[size_t{i} * most + k] = k < count ? weight[k] * scale : 0.0f;
        }
    }
    return true;
}

}  // namespace

bool ResampleGaussian(const ConstPlane& src, const Plane& dst) {
    FloatTaps columns;
    FloatTaps rows;
    if (!BuildGaussianTaps(src.width, dst.width, 1.0f, columns) ||
        !BuildGaussianTaps(src.height, dst.height, 1.0f / kTwoPi, rows)) {
        return false;
    }
    return ResampleSeparable(src, dst, columns, rows);
}

}  // namespace zentrova::resample
