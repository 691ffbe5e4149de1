// Literal, per-pixel implementations of the resampling rules, written straight from their
// descriptions and kept slow on purpose: the fast kernels are checked against them.
// Pictures here are 3-channel blue, green, red with `bytes` bytes per pixel and the given stride,
// rows bottom-up.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zentrova::reference {

struct Picture {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bytes = 3;
    size_t stride = 0;
    std::vector<uint8_t> data;

    Picture() = default;
    Picture(uint32_t w, uint32_t h, uint32_t bytesPerPixel)
        : width(w),
          height(h),
          bytes(bytesPerPixel),
          stride((size_t{w} * bytesPerPixel + 3) / 4 * 4),
          data(stride * h, 0) {}
    uint8_t* At(uint32_t x, uint32_t r) { return data.data() + r * stride + x * bytes; }
    const uint8_t* At(uint32_t x, uint32_t r) const { return data.data() + r * stride + x * bytes; }
};

// Filter 0: for each destination sample the current source sample is copied, then the
// accumulator grows by n and, while greater than m, m is subtracted and the source advances.
inline std::vector<uint32_t> NearestMap(uint32_t n, uint32_t m) {
    std::vector<uint32_t> map;
    uint64_t acc = 0;
    uint32_t s = 0;
    for (uint32_t i = 0; i < m; ++i) {
        map.push_back(s);
        acc += n;
        while (acc > m) {
            acc -= m;
            ++s;
        }
    }
    return map;
}

inline Picture Nearest(const Picture& src, uint32_t W, uint32_t H) {
    Picture dst(W, H, src.bytes);
    const auto cols = NearestMap(src.width, W);
    const auto rows = NearestMap(src.height, H);
    for (uint32_t j = 0; j < H; ++j) {
        for (uint32_t i = 0; i < W; ++i) {
            for (uint32_t c = 0; c < src.bytes; ++c) {
                dst.At(i, j)[c] = src.At(cols[i], rows[j])[c];
            }
        }
    }
    return dst;
}

// One box pass over n samples into m, exactly as the walk with r and taken describes it.
inline std::vector<uint8_t> BoxLine(const std::vector<uint8_t>& in, uint32_t m) {
    const uint64_t n = in.size();
    std::vector<uint8_t> out;
    uint64_t r = m;
    size_t s = 0;
    for (uint32_t j = 0; j < m; ++j) {
        uint64_t sum = 0, taken = 0;
        while (r <= n - taken) {
            sum += in[s] * r;
            taken += r;
            ++s;
            r = m;
        }
        if (taken < n) {
            sum += in[s] * (n - taken);
            r -= n - taken;
        }
        out.push_back(static_cast<uint8_t>(sum / n));
    }
    return out;
}

// One box pass into m samples along the rows (horizontal) or the columns.
inline Picture BoxPass(const Picture& src, uint32_t m, bool horizontal) {
    Picture dst(horizontal ? m : src.width, horizontal ? src.height : m, src.bytes);
    const uint32_t n = horizontal ? src.width : src.height;
    for (uint32_t c = 0; c < 3; ++c) {
        for (uint32_t l = 0; l < (horizontal ? src.height : src.width); ++l) {
            std::vector<uint8_t> line;
            for (uint32_t k = 0; k < n; ++k)
                line.push_back((horizontal ? src.At(k, l) : src.At(l, k))[c]);
            const auto out = BoxLine(line, m);
            for (uint32_t k = 0; k < m; ++k)
                (horizontal ? dst.At(k, l) : dst.At(l, k))[c] = out[k];
        }
    }
    return dst;
}

// Filters 1 and 4: box passes, horizontal first (1) or vertical first (4).
inline Picture Box(const Picture& src, uint32_t W, uint32_t H, bool horizontalFirst) {
    return horizontalFirst ? BoxPass(BoxPass(src, W, true), H, false)
                           : BoxPass(BoxPass(src, H, false), W, true);
}

inline int Clamp(int64_t v, int64_t lo, int64_t hi) {
    return static_cast<int>(v < lo ? lo : (v > hi ? hi : v));
}

inline uint8_t ClampTruncate(float v) {
    if (v > 255.0f)
        return 255;
    if (v < 0.0f)
        return 0;
    return static_cast<uint8_t>(v);
}

inline float P3(float u) {
    return u > 0 ? u * u * u : 0.0f;
}

inline float R(float t) {
    return (P3(t + 2) - 4 * P3(t + 1) + 6 * P3(t) - 4 * P3(t - 1)) / 6;
}

// Filter 2, per pixel: 16 weighted samples around x = i * w / W, y = j * h / H.
inline Picture Bicubic(const Picture& src, uint32_t W, uint32_t H) {
    Picture dst(W, H, src.bytes);
    const uint32_t w = src.width, h = src.height;
    for (uint32_t j = 0; j < H; ++j) {
        for (uint32_t i = 0; i < W; ++i) {
            const float x = static_cast<float>(i) * static_cast<float>(w) / static_cast<float>(W);
            const float y = static_cast<float>(j) * static_cast<float>(h) / static_cast<float>(H);
            const int64_t x0 = uint64_t{i} * w / W, y0 = uint64_t{j} * h / H;
            const float dx = x - x0, dy = y - y0;
            float sum[3] = {0, 0, 0};
            for (int m = -1; m <= 2; ++m) {
                for (int n = -1; n <= 2; ++n) {
                    const uint8_t* p = src.At(Clamp(x0 + m, 0, w - 1), Clamp(y0 + n, 0, h - 1));
                    const float weight = R(m - dx) * R(n - dy);
                    for (int c = 0; c < 3; ++c)
                        sum[c] += p[c] * weight;
                }
            }
            for (int c = 0; c < 3; ++c)
                dst.At(i, j)[c] = ClampTruncate(sum[c]);
        }
    }
    return dst;
}

// Filter 3, per pixel: 8 x 8 samples from x - 4 and y - 4 while below x + 4 and y + 4.
inline Picture Gaussian(const Picture& src, uint32_t W, uint32_t H) {
    Picture dst(W, H, src.bytes);
    const uint32_t w = src.width, h = src.height;
    for (uint32_t j = 0; j < H; ++j) {
        for (uint32_t i = 0; i < W; ++i) {
            const float x = static_cast<float>(i) * static_cast<float>(w) / static_cast<float>(W);
            const float y = static_cast<float>(j) * static_cast<float>(h) / static_cast<float>(H);
            float sum[3] = {0, 0, 0};
            for (float sy = y - 4; sy < y + 4; sy += 1) {
                for (float sx = x - 4; sx < x + 4; sx += 1) {
                    const uint8_t* p = src.At(Clamp(static_cast<int64_t>(sx), 0, w - 1),
                                              Clamp(static_cast<int64_t>(sy), 0, h - 1));
                    const float weight =
                        std::exp(-((y - sy) * (y - sy) + (x - sx) * (x - sx)) / 2) / 6.2831855f;
                    for (int c = 0; c < 3; ++c)
                        sum[c] += p[c] * weight;
                }
            }
            for (int c = 0; c < 3; ++c)
                dst.At(i, j)[c] = ClampTruncate(sum[c]);
        }
    }
    return dst;
}

// Area-average weight table entry: the cell, its weight and the next cell's weight.
struct AreaEntry {
    uint32_t cell;
    double current, next;  // 12-bit integers, or fractions for the single-precision variant
};

// The 12-bit (or, with fractions = true, single-precision) table of the display resampler.
inline std::vector<AreaEntry> AreaTable(uint64_t n, uint64_t m, bool enlarge, bool fractions) {
    const uint64_t D = enlarge ? m : n;
    std::vector<AreaEntry> table;
    uint64_t a = 0;
    uint32_t cell = 0;
    for (uint64_t k = 0; k < n; ++k) {
        const uint64_t t = m + a;
        AreaEntry e{cell, 0, 0};
        if (t > n) {
            e.current = fractions ? static_cast<float>(n - a) / static_cast<float>(D)
                                  : static_cast<double>((n - a) * 4096 / D);
            e.next = fractions ? static_cast<float>(m + a - n) / static_cast<float>(D)
                               : static_cast<double>((m + a - n) * 4096 / D);
            a = t - n;
            ++cell;
        } else {
            e.current = enlarge ? (fractions ? 1.0 : 4096.0)
                                : (fractions ? static_cast<float>(m) / static_cast<float>(n)
                                             : static_cast<double>(m * 4096 / n));
            if (t == n) {
                a = 0;
                ++cell;
            } else {
                a = t;
            }
        }
        table.push_back(e);
    }
    return table;
}

// The display resampler, shrinking in both axes: every source pixel scattered into at most
// 2 x 2 destination accumulators (integers >> 24, or single-precision sums truncated).
inline Picture AreaShrink(const Picture& src, uint32_t W, uint32_t H, bool fractions) {
    const auto cols = AreaTable(src.width, W, false, fractions);
    const auto rows = AreaTable(src.height, H, false, fractions);
    std::vector<uint64_t> acc(size_t{W} * H * 3, 0);
    std::vector<float> accF(size_t{W} * H * 3, 0.0f);
    for (uint32_t r = 0; r < src.height; ++r) {
        for (uint32_t x = 0; x < src.width; ++x) {
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    const double wy = dy ? rows[r].next : rows[r].current;
                    const double wx = dx ? cols[x].next : cols[x].current;
                    if (wx == 0 || wy == 0)
                        continue;
                    const size_t cell = (size_t{rows[r].cell + dy} * W + cols[x].cell + dx) * 3;
                    for (int c = 0; c < 3; ++c) {
                        if (fractions) {
                            accF[cell + c] +=
                                static_cast<float>(wx) * static_cast<float>(wy) * src.At(x, r)[c];
                        } else {
                            acc[cell + c] += static_cast<uint64_t>(wx) * static_cast<uint64_t>(wy) *
                                             src.At(x, r)[c];
                        }
                    }
                }
            }
        }
    }
    Picture dst(W, H, 3);
    for (uint32_t r = 0; r < H; ++r) {
        for (uint32_t x = 0; x < W; ++x) {
            for (int c = 0; c < 3; ++c) {
                const size_t i = (size_t{r} * W + x) * 3 + c;
                dst.At(x, r)[c] =
                    fractions ? ClampTruncate(accF[i]) : static_cast<uint8_t>(acc[i] >> 24);
            }
        }
    }
    return dst;
}

// The display resampler, enlarging in both axes: each destination pixel mixes the current and
// next source pixel in each axis.
inline Picture AreaEnlarge(const Picture& src, uint32_t W, uint32_t H) {
    const auto cols = AreaTable(W, src.width, true, false);
    const auto rows = AreaTable(H, src.height, true, false);
    Picture dst(W, H, 3);
    for (uint32_t j = 0; j < H; ++j) {
        for (uint32_t i = 0; i < W; ++i) {
            for (int c = 0; c < 3; ++c) {
                uint64_t sum = 0;
                for (int dy = 0; dy < 2; ++dy) {
                    for (int dx = 0; dx < 2; ++dx) {
                        const auto wy = static_cast<uint64_t>(dy ? rows[j].next : rows[j].current);
                        const auto wx = static_cast<uint64_t>(dx ? cols[i].next : cols[i].current);
                        if (wx == 0 || wy == 0)
                            continue;
                        sum += wx * wy * src.At(cols[i].cell + dx, rows[j].cell + dy)[c];
                    }
                }
                dst.At(i, j)[c] = static_cast<uint8_t>(sum >> 24);
            }
        }
    }
    return dst;
}

}  // namespace zentrova::reference
