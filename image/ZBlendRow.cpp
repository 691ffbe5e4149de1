// The row kernels of the masked blend: the weights of a row spread from the mask (byte shuffles
// when the processor has SSSE3, checked at run time) and the byte blend (SSE2, the x86-64
// baseline), each next to the plain C++ loop that gives the same bytes.
//
// Precision of the blend: (s - d) * w lies in -65025..65025. Its magnitude |s - d| * w fits an
// unsigned 16-bit lane, and for every 16-bit x, x / 255 == (x * 0x8081) >> 23 exactly (checked over
// all 65536 values), so the vector kernel divides by a high multiplication and a shift. The sign is
// applied afterwards (d + q where s > d, d - q where s <= d), which is truncation towards zero.
#include "image/ZBlendRow.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__SSE2__) && defined(__GNUC__)
#define ZENTROVA_BLEND_SSSE3 1
#include <tmmintrin.h>
#endif

namespace zentrova::blend {

void BlendBytesScalar(uint8_t* destination, const uint8_t* source, const uint8_t* weights,
                      size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const int d = destination[i];
        destination[i] = static_cast<uint8_t>(d + (source[i] - d) * weights[i] / 255);
    }
}

// Each pixel's weights are written as one 4-byte store: for a 3-byte destination the 4th byte is
// overwritten by the next pixel (the last one lands in the slack), for a 4-byte destination it is
// the alpha byte's weight, 0.
void SpreadWeightsScalar(const uint8_t* maskRow, uint32_t maskBytes, uint32_t width,
                         uint32_t destinationBytes, uint8_t* weights) {
    for (uint32_t i = 0; i < width; ++i, maskRow += maskBytes, weights += destinationBytes) {
        const uint8_t m = maskRow[0];
        const uint8_t pixel[4] = {m, m, m, destinationBytes == 4 ? uint8_t{0} : m};
        std::memcpy(weights, pixel, 4);
    }
}

#if defined(ZENTROVA_BLEND_SSSE3)

namespace {

// 16 weights of an 8-bit mask row spread to 48 (3-byte pixels) or 64 (4-byte pixels, alpha 0)
// bytes per step by byte shuffles; index -1 gives 0.
__attribute__((target("ssse3"))) uint32_t SpreadWeightsSsse3(const uint8_t* maskRow, uint32_t width,
                                                             uint32_t destinationBytes,
                                                             uint8_t* weights) {
    uint32_t i = 0;
    if (destinationBytes == 3) {
        const __m128i p0 = _mm_setr_epi8(0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5);
        const __m128i p1 = _mm_setr_epi8(5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10);
        const __m128i p2 =
            _mm_setr_epi8(10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15);
        for (; i + 16 <= width; i += 16, weights += 48) {
            const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(maskRow + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(weights), _mm_shuffle_epi8(m, p0));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(weights + 16), _mm_shuffle_epi8(m, p1));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(weights + 32), _mm_shuffle_epi8(m, p2));
        }
    } else {
        const __m128i q[4] = {
            _mm_setr_epi8(0, 0, 0, -1, 1, 1, 1, -1, 2, 2, 2, -1, 3, 3, 3, -1),
            _mm_setr_epi8(4, 4, 4, -1, 5, 5, 5, -1, 6, 6, 6, -1, 7, 7, 7, -1),
            _mm_setr_epi8(8, 8, 8, -1, 9, 9, 9, -1, 10, 10, 10, -1, 11, 11, 11, -1),
            _mm_setr_epi8(12, 12, 12, -1, 13, 13, 13, -1, 14, 14, 14, -1, 15, 15, 15, -1)};
        for (; i + 16 <= width; i += 16, weights += 64) {
            const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(maskRow + i));
            for (int k = 0; k < 4; ++k) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(weights + 16 * k),
                                 _mm_shuffle_epi8(m, q[k]));
            }
        }
    }
    return i;
}

}  // namespace

void SpreadWeights(const uint8_t* maskRow, uint32_t maskBytes, uint32_t width,
                   uint32_t destinationBytes, uint8_t* weights) {
    uint32_t done = 0;
    if (maskBytes == 1 && __builtin_cpu_supports("ssse3")) {
        done = SpreadWeightsSsse3(maskRow, width, destinationBytes, weights);
    }
    SpreadWeightsScalar(maskRow + size_t{done} * maskBytes, maskBytes, width - done,
                        destinationBytes, weights + size_t{done} * destinationBytes);
}

#else

void SpreadWeights(const uint8_t* maskRow, uint32_t maskBytes, uint32_t width,
                   uint32_t destinationBytes, uint8_t* weights) {
    SpreadWeightsScalar(maskRow, maskBytes, width, destinationBytes, weights);
}

#endif

#if defined(__SSE2__)

namespace {

// |s - d| * w / 255 for the eight 16-bit lanes of one half.
inline __m128i ScaledHalf(__m128i difference16, __m128i weight16) {
    const __m128i product = _mm_mullo_epi16(difference16, weight16);
    return _mm_srli_epi16(_mm_mulhi_epu16(product, _mm_set1_epi16(static_cast<short>(0x8081))), 7);
}

}  // namespace

void BlendBytes(uint8_t* destination, const uint8_t* source, const uint8_t* weights, size_t count) {
    const __m128i zero = _mm_setzero_si128();
    size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        __m128i* dp = reinterpret_cast<__m128i*>(destination + i);
        const __m128i d = _mm_loadu_si128(dp);
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights + i));
        const __m128i low = _mm_min_epu8(s, d);
        const __m128i difference = _mm_sub_epi8(_mm_max_epu8(s, d), low);  // |s - d|
        const __m128i falling = _mm_cmpeq_epi8(low, s);                    // s <= d: -1
        const __m128i q = _mm_packus_epi16(
            ScaledHalf(_mm_unpacklo_epi8(difference, zero), _mm_unpacklo_epi8(w, zero)),
            ScaledHalf(_mm_unpackhi_epi8(difference, zero), _mm_unpackhi_epi8(w, zero)));
        // d + q where s > d, d - q where s <= d ((q ^ -1) - (-1) = -q; q = 0 where s == d).
        const __m128i result = _mm_add_epi8(d, _mm_sub_epi8(_mm_xor_si128(q, falling), falling));
        _mm_storeu_si128(dp, result);
    }
    BlendBytesScalar(destination + i, source + i, weights + i, count - i);
}

#else

void BlendBytes(uint8_t* destination, const uint8_t* source, const uint8_t* weights, size_t count) {
    BlendBytesScalar(destination, source, weights, count);
}

#endif

}  // namespace zentrova::blend
