// Filters 3 to 9: kernels of the centre byte c and its neighbours p(dx, dr) (the same channel dx
// pixels to the right and dr memory rows up; rows[0] is dr = -1, rows[2] dr = +1).
//
//   3  (4c + p(-1,0) + p(1,0) + p(0,-1) + p(0,1)) >> 3
//   4  (9c - the same four) / 5, truncated towards zero, clamped to 0..255
//   5  (6c - the same four) / 2, truncated towards zero, clamped
//   6  8c + 128 - the eight neighbours, clamped
//   7  p(-1,-1) - p(1,1) + 192, clamped
//   8  p(0,-1) - p(0,1) + 192, clamped
//   9  p(1,-1) - p(-1,1) + 192, clamped
//
// Each kernel is written twice: on plain ints (C++ division truncates towards zero as required)
// and on eight signed 16-bit SSE2 lanes (every intermediate lies within -2040 .. 2295). The vector
// forms clamp with the saturating pack to bytes; a negative numerator of filters 4 and 5 is
// clamped to 0 before dividing (its truncated quotient is <= 0, which clamps to 0 anyway), and
// v / 5 == (v * 52429) >> 18 for every v in 0 .. 2295 (checked at compile time).
#include <algorithm>
#include <cstddef>

#include "image/effects/ZFilterRows.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zentrova::effects {

namespace {

constexpr uint32_t kReciprocal5 = 52429;  // ceil(2^18 / 5)

constexpr bool DivisionBy5IsExact() {
    for (uint32_t v = 0; v <= 9 * 255; ++v) {
        if (((v * kReciprocal5) >> 18) != v / 5) {
            return false;
        }
    }
    return true;
}
static_assert(DivisionBy5IsExact(), "division by 5");

inline uint8_t Clamp(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

// Writes every byte of columns 1 .. width - 2: scalar(p) or, eight bytes at a time, vector(p),
// where p(dx, dr) gives the neighbour bytes (an int, or eight 16-bit lanes).
template <typename Scalar, typename Vector>
void PointRow(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
              Scalar scalar, Vector vector) {
    const ptrdiff_t step = bytesPerPixel;
    const size_t end = (size_t{width} - 1) * bytesPerPixel;
    size_t i = bytesPerPixel;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 8 <= end; i += 8) {
        auto p = [&](int dx, int dr) {
            const uint8_t* q = rows[dr + 1] + i + dx * step;
            return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(q)), zero);
        };
        const __m128i v = vector(p);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(v, v));
    }
#else
    (void)vector;
#endif
    for (; i < end; ++i) {
        auto p = [&](int dx, int dr) { return static_cast<int>(rows[dr + 1][i + dx * step]); };
        out[i] = scalar(p);
    }
}

template <typename P>
int FourNeighbours(P p) {
    return p(-1, 0) + p(1, 0) + p(0, -1) + p(0, 1);
}

#if defined(__SSE2__)
template <typename P>
__m128i FourNeighboursVector(P p) {
    return _mm_add_epi16(_mm_add_epi16(p(-1, 0), p(1, 0)), _mm_add_epi16(p(0, -1), p(0, 1)));
}

inline __m128i Constant(int v) {
    return _mm_set1_epi16(static_cast<short>(v));
}
#define ZENTROVA_VECTOR_KERNEL(...) [](auto p) { __VA_ARGS__ }
#else
#define ZENTROVA_VECTOR_KERNEL(...) nullptr
#endif

}  // namespace

void SoftBlurRow(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
                 void*) {
    PointRow(
        rows, out, width, bytesPerPixel,
        [](auto p) { return static_cast<uint8_t>((4 * p(0, 0) + FourNeighbours(p)) >> 3); },
        ZENTROVA_VECTOR_KERNEL(
            return _mm_srli_epi16(
                       _mm_add_epi16(_mm_slli_epi16(p(0, 0), 2), FourNeighboursVector(p)), 3);));
}

void SharpenRow(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
                void*) {
    PointRow(
        rows, out, width, bytesPerPixel,
        [](auto p) { return Clamp((9 * p(0, 0) - FourNeighbours(p)) / 5); },
        ZENTROVA_VECTOR_KERNEL(
            const __m128i c = p(0, 0); const __m128i nine = _mm_add_epi16(_mm_slli_epi16(c, 3), c);
            const __m128i v =
                _mm_max_epi16(_mm_sub_epi16(nine, FourNeighboursVector(p)), _mm_setzero_si128());
            return _mm_srli_epi16(_mm_mulhi_epu16(v, Constant(kReciprocal5)), 2);));
}

void SharpenMoreRow(const uint8_t* const* rows, uint8_t* out, uint32_t width,
                    uint32_t bytesPerPixel, void*) {
    PointRow(
        rows, out, width, bytesPerPixel,
        [](auto p) { return Clamp((6 * p(0, 0) - FourNeighbours(p)) / 2); },
        ZENTROVA_VECTOR_KERNEL(
            const __m128i c = p(0, 0);
            const __m128i six = _mm_add_epi16(_mm_slli_epi16(c, 2), _mm_slli_epi16(c, 1));
            const __m128i v =
                _mm_max_epi16(_mm_sub_epi16(six, FourNeighboursVector(p)), _mm_setzero_si128());
            return _mm_srli_epi16(v, 1);));
}

void EdgesRow(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
              void*) {
    PointRow(
        rows, out, width, bytesPerPixel,
        [](auto p) {
            const int ring =
                p(-1, -1) + p(0, -1) + p(1, -1) + p(-1, 0) + p(1, 0) + p(-1, 1) + p(0, 1) + p(1, 1);
            return Clamp(8 * p(0, 0) + 128 - ring);
        },
        ZENTROVA_VECTOR_KERNEL(
            const __m128i corners =
                _mm_add_epi16(_mm_add_epi16(p(-1, -1), p(1, -1)), _mm_add_epi16(p(-1, 1), p(1, 1)));
            const __m128i ring = _mm_add_epi16(corners, FourNeighboursVector(p));
            return _mm_sub_epi16(_mm_add_epi16(_mm_slli_epi16(p(0, 0), 3), Constant(128)), ring);));
}

void EmbossDiagonalRow(const uint8_t* const* rows, uint8_t* out, uint32_t width,
                       uint32_t bytesPerPixel, void*) {
    PointRow(
        rows, out, width, bytesPerPixel, [](auto p) { return Clamp(p(-1, -1) - p(1, 1) + 192); },
        ZENTROVA_VECTOR_KERNEL(
            return _mm_add_epi16(_mm_sub_epi16(p(-1, -1), p(1, 1)), Constant(192));));
}

void EmbossVerticalRow(const uint8_t* const* rows, uint8_t* out, uint32_t width,
                       uint32_t bytesPerPixel, void*) {
    PointRow(
        rows, out, width, bytesPerPixel, [](auto p) { return Clamp(p(0, -1) - p(0, 1) + 192); },
        ZENTROVA_VECTOR_KERNEL(
            return _mm_add_epi16(_mm_sub_epi16(p(0, -1), p(0, 1)), Constant(192));));
}

void EmbossAntiDiagonalRow(const uint8_t* const* rows, uint8_t* out, uint32_t width,
                           uint32_t bytesPerPixel, void*) {
    PointRow(
        rows, out, width, bytesPerPixel, [](auto p) { return Clamp(p(1, -1) - p(-1, 1) + 192); },
        ZENTROVA_VECTOR_KERNEL(
            return _mm_add_epi16(_mm_sub_epi16(p(1, -1), p(-1, 1)), Constant(192));));
}

}  // namespace zentrova::effects
