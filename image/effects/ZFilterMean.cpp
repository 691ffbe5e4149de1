// Filters 1 and 2: the mean of the 3 x 3 and of the 5 x 5 neighbourhood (sum div 9, sum div 25).
//
// The mean is separable: every row first gets its vertical sums (3 or 5 bytes per channel into
// 16-bit lanes), then each output byte adds 3 or 5 of those sums along the row and divides.
// Precision: the sums stay below 9 * 255 = 2295 and 25 * 255 = 6375, so they fit 16-bit lanes,
// and for every sum in range sum / 9 == (sum * 58255) >> 19 and sum / 25 == (sum * 20972) >> 19
// exactly (checked at compile time over the whole range below): the vector code divides with a
// high 16-bit multiplication and a shift by 3.
#include <cstring>

#include "image/effects/ZFilterRows.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zentrova::effects {

namespace {

constexpr uint32_t kReciprocal9 = 58255;   // ceil(2^19 / 9)
constexpr uint32_t kReciprocal25 = 20972;  // ceil(2^19 / 25)

constexpr bool DivisionIsExact(uint32_t divisor, uint32_t reciprocal, uint32_t largestSum) {
    for (uint32_t sum = 0; sum <= largestSum; ++sum) {
        if (((sum * reciprocal) >> 19) != sum / divisor) {
            return false;
        }
    }
    return true;
}
static_assert(DivisionIsExact(9, kReciprocal9, 9 * 255), "3 x 3 mean division");
static_assert(DivisionIsExact(25, kReciprocal25, 25 * 255), "5 x 5 mean division");

// Vertical sums of `count` rows over n bytes into sums[0 .. n).
template <int count>
void SumColumns(const uint8_t* const* rows, size_t n, uint16_t* sums) {
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        __m128i low = zero;
        __m128i high = zero;
        for (int k = 0; k < count; ++k) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k] + i));
            low = _mm_add_epi16(low, _mm_unpacklo_epi8(v, zero));
            high = _mm_add_epi16(high, _mm_unpackhi_epi8(v, zero));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(sums + i), low);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(sums + i + 8), high);
    }
#endif
    for (; i < n; ++i) {
        uint32_t s = 0;
        for (int k = 0; k < count; ++k) {
            s += rows[k][i];
        }
        sums[i] = static_cast<uint16_t>(s);
    }
}

// out[i] = (sum of sums[i + k * step], k = -border .. border) / (2 * border + 1)^2 for i in
// [border * step, n - border * step).
template <int border>
void MeanAlongRow(const uint16_t* sums, uint8_t* out, size_t n, size_t step) {
    constexpr uint32_t divisor = (2 * border + 1) * (2 * border + 1);
    constexpr uint32_t reciprocal = border == 1 ? kReciprocal9 : kReciprocal25;
    const size_t reach = border * step;
    size_t i = reach;
    const size_t end = n - reach;
#if defined(__SSE2__)
    const __m128i factor = _mm_set1_epi16(static_cast<short>(reciprocal));
    for (; i + 16 <= end; i += 16) {
        __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + i - reach));
        __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + i + 8 - reach));
        for (int k = 1; k <= 2 * border; ++k) {
            const uint16_t* p = sums + i - reach + k * step;
            low = _mm_add_epi16(low, _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
            high = _mm_add_epi16(high, _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 8)));
        }
        low = _mm_srli_epi16(_mm_mulhi_epu16(low, factor), 3);
        high = _mm_srli_epi16(_mm_mulhi_epu16(high, factor), 3);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(low, high));
    }
#endif
    for (; i < end; ++i) {
        uint32_t s = 0;
        for (int k = 0; k <= 2 * border; ++k) {
            s += sums[i - reach + k * step];
        }
        out[i] = static_cast<uint8_t>(s / divisor);
    }
}

}  // namespace

void MeanRow3(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
              void* scratch) {
    const size_t n = size_t{width} * bytesPerPixel;
    auto* sums = static_cast<uint16_t*>(scratch);
    SumColumns<3>(rows, n, sums);
    MeanAlongRow<1>(sums, out, n, bytesPerPixel);
}

void MeanRow5(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
              void* scratch) {
    const size_t n = size_t{width} * bytesPerPixel;
    auto* sums = static_cast<uint16_t*>(scratch);
    SumColumns<5>(rows, n, sums);
    MeanAlongRow<2>(sums, out, n, bytesPerPixel);
}

}  // namespace zentrova::effects
