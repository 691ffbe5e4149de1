// Mirror: every row reversed left to right, in place. Pixels of 8 bits or more are exchanged in
// pairs (columns x and w - 1 - x); 1- and 4-bit rows are rebuilt pixel by pixel from a copy of
// the row. 24- and 32-bit rows exchange blocks of 16 pixels from both ends at once (byte shuffles
// with SSSE3 for 24 bits, checked at run time; SSE2 for 32 bits), the middle pixel by pixel.
#include <array>
#include <cstring>
#include <memory>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__SSE2__) && defined(__GNUC__)
#define ZENTROVA_MIRROR_SSSE3 1
#include <tmmintrin.h>
#endif

#include "image/ZImageEffects.h"
#include "image/ZImagePixels.h"
#include "image/effects/ZPackedRow.h"

namespace zentrova {

namespace {

// Exchanges pixels `left` and `right` (and the ones between them pairwise) of a row.
template <uint32_t Bytes>
void MirrorSpan(uint8_t* row, uint32_t left, uint32_t right) {
    uint8_t* a = row + size_t{left} * Bytes;
    uint8_t* b = row + size_t{right} * Bytes;
    for (; a < b; a += Bytes, b -= Bytes) {
        uint8_t t[Bytes];
        std::memcpy(t, a, Bytes);
        std::memcpy(a, b, Bytes);
        std::memcpy(b, t, Bytes);
    }
}

#if defined(__SSE2__)

// 32 bits: four pixels per vector reversed by one dword shuffle.
uint32_t MirrorBlocks32(uint8_t* row, uint32_t width) {
    uint32_t left = 0;
    uint32_t right = width;  // one past the last pixel not yet exchanged
    for (; left + 8 <= right; left += 4, right -= 4) {
        __m128i* a = reinterpret_cast<__m128i*>(row + size_t{left} * 4);
        __m128i* b = reinterpret_cast<__m128i*>(row + size_t{right - 4} * 4);
        const __m128i x = _mm_loadu_si128(a);
        const __m128i y = _mm_loadu_si128(b);
        _mm_storeu_si128(a, _mm_shuffle_epi32(y, 0x1B));
        _mm_storeu_si128(b, _mm_shuffle_epi32(x, 0x1B));
    }
    return left;
}

#endif

#if defined(ZENTROVA_MIRROR_SSSE3)

// Shuffle masks reversing 16 pixels of 3 bytes (48 bytes in three vectors): output vector k
// takes from input vector j the bytes of mask [k][j]; -1 gives 0 (the three results are ORed).
using Masks = std::array<std::array<std::array<int8_t, 16>, 3>, 3>;
constexpr Masks MakeReverseMasks() {
    Masks masks{};
    for (int k = 0; k < 3; ++k) {
        for (int j = 0; j < 3; ++j) {
            for (int b = 0; b < 16; ++b) {
                const int p = 16 * k + b;
                const int source = 3 * (15 - p / 3) + p % 3 - 16 * j;
                masks[k][j][b] = static_cast<int8_t>(source >= 0 && source < 16 ? source : -1);
            }
        }
    }
    return masks;
}
constexpr Masks kReverseMasks = MakeReverseMasks();

__attribute__((target("ssse3"))) void Reverse48(const __m128i in[3], __m128i out[3]) {
    for (int k = 0; k < 3; ++k) {
        __m128i v = _mm_setzero_si128();
        for (int j = 0; j < 3; ++j) {
            const __m128i mask =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(kReverseMasks[k][j].data()));
            v = _mm_or_si128(v, _mm_shuffle_epi8(in[j], mask));
        }
        out[k] = v;
    }
}

// 24 bits: 16 pixels per step from each end. Returns the first pixel not exchanged.
__attribute__((target("ssse3"))) uint32_t MirrorBlocks24(uint8_t* row, uint32_t width) {
    uint32_t left = 0;
    uint32_t right = width;
    for (; left + 32 <= right; left += 16, right -= 16) {
        __m128i* a = reinterpret_cast<__m128i*>(row + size_t{left} * 3);
        __m128i* b = reinterpret_cast<__m128i*>(row + size_t{right - 16} * 3);
        __m128i x[3], y[3], rx[3], ry[3];
        for (int k = 0; k < 3; ++k) {
            x[k] = _mm_loadu_si128(a + k);
            y[k] = _mm_loadu_si128(b + k);
        }
        Reverse48(x, rx);
        Reverse48(y, ry);
        for (int k = 0; k < 3; ++k) {
            _mm_storeu_si128(a + k, ry[k]);
            _mm_storeu_si128(b + k, rx[k]);
        }
    }
    return left;
}

#endif

template <uint32_t Bytes>
void MirrorRows(ZImage& image) {
    const uint32_t width = image.GetWidth();
#if defined(ZENTROVA_MIRROR_SSSE3)
    const bool blocks24 = Bytes == 3 && __builtin_cpu_supports("ssse3");
#endif
    for (uint32_t r = 0; r < image.GetHeight(); ++r) {
        uint8_t* row = image.GetRow(r);
        uint32_t done = 0;  // pixels exchanged at each end
#if defined(__SSE2__)
        if (Bytes == 4) {
            done = MirrorBlocks32(row, width);
        }
#endif
#if defined(ZENTROVA_MIRROR_SSSE3)
        if (blocks24) {
            done = MirrorBlocks24(row, width);
        }
#endif
        if (done < width - done) {
            MirrorSpan<Bytes>(row, done, width - 1 - done);
        }
    }
}

}  // namespace

bool Mirror(ZImage& image) {
    if (!image.IsValid()) {
        return false;
    }
    const uint32_t bits = image.GetBitsPerPixel();
    const uint32_t width = image.GetWidth();
    image.FlushDrawing();
    switch (bits) {
        case 32:
            MirrorRows<4>(image);
            return true;
        case 24:
            MirrorRows<3>(image);
            return true;
        case 16:
            MirrorRows<2>(image);
            return true;
        case 8:
            MirrorRows<1>(image);
            return true;
        default:
            break;
    }
    std::unique_ptr<uint8_t[]> scratch(new (std::nothrow) uint8_t[image.GetStride()]);
    if (!scratch) {
        return false;
    }
    for (uint32_t r = 0; r < image.GetHeight(); ++r) {
        uint8_t* row = image.GetRow(r);
        std::memcpy(scratch.get(), row, image.GetStride());
        for (uint32_t x = 0; x < width; ++x) {
            pixels::SetPackedIndex(row, bits, x,
                                   effects::PackedIndex(scratch.get(), bits, width - 1 - x));
        }
    }
    return true;
}

}  // namespace zentrova
