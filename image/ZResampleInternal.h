// Pieces shared by the resampling kernels (internal to the image library).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace zentrova::resample {

// A heap array of plain values, zero-filled, that reports a failed allocation instead of
// throwing.
template <typename T>
class Scratch {
  public:
    Scratch() = default;
    ~Scratch() { std::free(m_data); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    bool Allocate(size_t count) {
        std::free(m_data);
        m_data = nullptr;
        m_count = 0;
        if (count == 0) {
            count = 1;
        }
        if (count > SIZE_MAX / sizeof(T)) {
            return false;
        }
        m_data = static_cast<T*>(std::calloc(count, sizeof(T)));
        if (m_data == nullptr) {
            return false;
        }
        m_count = count;
        return true;
    }
    T* Get() { return m_data; }
    const T* Get() const { return m_data; }
    T& operator[](size_t i) { return m_data[i]; }
    const T& operator[](size_t i) const { return m_data[i]; }
    size_t Size() const { return m_count; }

  private:
    T* m_data = nullptr;
    size_t m_count = 0;
};

// A picture in memory: bottom-up rows of `stride` bytes, `bytesPerPixel` bytes per pixel.
struct ConstPlane {
    const uint8_t* bits;
    uint32_t width;
    uint32_t height;
    size_t stride;
    uint32_t bytesPerPixel;
    const uint8_t* Row(uint32_t r) const { return bits + r * stride; }
};

struct Plane {
    uint8_t* bits;
    uint32_t width;
    uint32_t height;
    size_t stride;
    uint32_t bytesPerPixel;
    uint8_t* Row(uint32_t r) const { return bits + r * stride; }
};

// Integer division of sums of bytes (numerators up to 255 n) by a fixed divisor n: a
// multiplication and a shift where that is exact, plain division otherwise.
class ExactDivider {
  public:
    void Init(uint32_t divisor) {
        m_divisor = divisor;
        m_useMultiply = uint64_t{255} * divisor < (uint64_t{1} << kShift) / divisor;
        m_multiplier = ((uint64_t{1} << kShift) / divisor) + 1;
    }
    uint32_t operator()(uint64_t x) const {
        return static_cast<uint32_t>(m_useMultiply ? (x * m_multiplier) >> kShift : x / m_divisor);
    }

  private:
    // With M = floor(2^s / n) + 1 and x * n < 2^s, floor(x * M / 2^s) = floor(x / n): the error
    // x * (M - 2^s / n) / 2^s stays below 1 / n. With x <= 255 n and s = 55 the product x * M
    // stays below 2^64. The multiplication serves every n up to about 11.8 million.
    static constexpr int kShift = 55;
    uint32_t m_divisor = 1;
    uint64_t m_multiplier = 0;
    bool m_useMultiply = false;
};

// One pass of the exact box rule from n source samples to m destination samples: every source
// sample carries m units of weight, every destination sample collects n. Destination sample j
// takes weight[offset[j] + k] of source sample first[j] + k for k < count[j].
struct BoxTable {
    uint32_t sourceCount = 0;
    uint32_t targetCount = 0;
    Scratch<uint32_t> first;
    Scratch<uint32_t> count;
    Scratch<uint32_t> offset;
    Scratch<uint32_t> weight;
    ExactDivider divide;  // by sourceCount, for sums of bytes

    bool Build(uint32_t n, uint32_t m);
};

// Box-averages one row of 3-channel pixels (srcBytes apart) along the table into dstBytes-apart
// pixels, writing blue, green and red only.
void BoxRow(const uint8_t* src, uint32_t srcBytes, uint8_t* dst, uint32_t dstBytes,
            const BoxTable& table);

// acc[i] += row[i] * weight for i < count (sums of bytes with weights up to the source count).
void AccumulateRow(uint32_t* acc, const uint8_t* row, size_t count, uint32_t weight);
void AccumulateRow(uint64_t* acc, const uint8_t* row, size_t count, uint32_t weight);

// True when 255 * n does not fit 32 bits, so that box sums over n samples need 64 bits.
inline bool NeedsWideSums(uint32_t n) {
    return uint64_t{255} * n > UINT32_MAX;
}

// Separable single-precision filter: destination sample j mixes `taps` source samples
// index[j * taps + k] with weight[j * taps + k].
struct FloatTaps {
    uint32_t taps = 0;
    uint32_t count = 0;
    Scratch<uint32_t> index;
    Scratch<float> weight;

    bool Allocate(uint32_t samples, uint32_t tapsPerSample);
};

// Runs the separable filter over 3-channel pixels: rows are filtered horizontally with `columns`
// and the filtered rows mixed with `rows`; each channel's sum is clamped to 0..255 and truncated.
bool ResampleSeparable(const ConstPlane& src, const Plane& dst, const FloatTaps& columns,
                       const FloatTaps& rows);

// The kernels of the five filters (sizes are not 0; dst differs from src).
bool ResampleNearest(const ConstPlane& src, const Plane& dst);
bool ResampleBresenham(const ConstPlane& src, const Plane& dst);
bool ResampleBicubic(const ConstPlane& src, const Plane& dst);
bool ResampleGaussian(const ConstPlane& src, const Plane& dst);
bool ResampleBilinear(const ConstPlane& src, const Plane& dst);

}  // namespace zentrova::resample
