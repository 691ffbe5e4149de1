// Filters 10, 11 and 12: the maximum, the minimum, and the maximum minus the centre byte of the
// 3 x 3 neighbourhood.
//
// Separable like the mean: the byte-wise maximum (minimum) of the three rows first, then of three
// neighbouring pixels along the row; 16 bytes at a time with SSE2 (_mm_max_epu8, _mm_min_epu8).
// Filter 12 subtracts the centre from the maximum, which is never smaller, so the byte
// subtraction cannot wrap. Exact byte arithmetic throughout.
#include <algorithm>

#include "image/effects/ZFilterRows.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zentrova::effects {

namespace {

enum class Rank { Maximum, Minimum, MaxMinusCentre };

template <Rank rank>
inline uint8_t Pick(uint8_t a, uint8_t b) {
    return rank == Rank::Minimum ? std::min(a, b) : std::max(a, b);
}

#if defined(__SSE2__)
template <Rank rank>
inline __m128i Pick(__m128i a, __m128i b) {
    return rank == Rank::Minimum ? _mm_min_epu8(a, b) : _mm_max_epu8(a, b);
}

inline __m128i Load(const uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
#endif

template <Rank rank>
void RankRow(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
             void* scratch) {
    const size_t n = size_t{width} * bytesPerPixel;
    const size_t step = bytesPerPixel;
    auto* columns = static_cast<uint8_t*>(scratch);
    size_t i = 0;
#if defined(__SSE2__)
    for (; i + 16 <= n; i += 16) {
        const __m128i v =
            Pick<rank>(Pick<rank>(Load(rows[0] + i), Load(rows[1] + i)), Load(rows[2] + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(columns + i), v);
    }
#endif
    for (; i < n; ++i) {
        columns[i] = Pick<rank>(Pick<rank>(rows[0][i], rows[1][i]), rows[2][i]);
    }

    i = step;
    const size_t end = n - step;
#if defined(__SSE2__)
    for (; i + 16 <= end; i += 16) {
        __m128i v = Pick<rank>(Pick<rank>(Load(columns + i - step), Load(columns + i)),
                               Load(columns + i + step));
        if (rank == Rank::MaxMinusCentre) {
            v = _mm_sub_epi8(v, Load(rows[1] + i));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), v);
    }
#endif
    for (; i < end; ++i) {
        uint8_t v = Pick<rank>(Pick<rank>(columns[i - step], columns[i]), columns[i + step]);
        if (rank == Rank::MaxMinusCentre) {
            v = static_cast<uint8_t>(v - rows[1][i]);
        }
        out[i] = v;
    }
}

}  // namespace

void MaximumRow(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
                void* scratch) {
    RankRow<Rank::Maximum>(rows, out, width, bytesPerPixel, scratch);
}

void MinimumRow(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
                void* scratch) {
    RankRow<Rank::Minimum>(rows, out, width, bytesPerPixel, scratch);
}

void MaxMinusCentreRow(const uint8_t* const* rows, uint8_t* out, uint32_t width,
                       uint32_t bytesPerPixel, void* scratch) {
    RankRow<Rank::MaxMinusCentre>(rows, out, width, bytesPerPixel, scratch);
}

}  // namespace zentrova::effects
