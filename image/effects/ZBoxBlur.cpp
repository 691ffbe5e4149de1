// Box blur of a 24-bit picture: every pass is a vertical, then a horizontal running mean over
// 2r + 1 samples per channel, the edge rows and columns repeated beyond the picture.
//
// Working memory: the running column sums of one row, a ring of the last original rows (the
// result of a row overwrites the picture at once, so the rows that still have to leave the column
// sums are kept aside), one row of vertical means and the division table.
//
// Precision: every mean is sum div (2r + 1) exactly (a table of (2r + 1) * 256 entries). For
// radii up to 127 the column sums fit 16-bit lanes (at most 255 * 255) and the vertical pass runs
// on whole rows with SSE2, dividing by a high multiplication and a shift whose exactness is
// checked over the whole range of sums before it is used; otherwise (and for larger radii, whose
// sums are kept in 64 bits) the table or a plain division does it.
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "core/ZError.h"
#include "image/ZImageEffects.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__SSE2__) && defined(__GNUC__)
#include <tmmintrin.h>
#endif

namespace zentrova {

namespace {

constexpr int kLineInvalid = 701;
constexpr int kLineNoMemory = 711;

// Radii whose sums fit 16 bits: 255 * (2r + 1) <= 65535.
constexpr int kNarrowRadiusLimit = 127;

template <typename T>
std::unique_ptr<T[]> TryAllocate(size_t count) {
    return std::unique_ptr<T[]>(new (std::nothrow) T[count == 0 ? 1 : count]);
}

// sum div divisor, by the table (small divisors) or a plain division.
class Divider {
  public:
    bool Init(uint64_t divisor) {
        m_divisor = divisor;
        if (divisor <= 2 * kNarrowRadiusLimit + 1) {
            m_table = TryAllocate<uint8_t>(divisor * 256);
            if (!m_table) {
                return false;
            }
            for (uint64_t s = 0; s < divisor * 256; ++s) {
                m_table[s] = static_cast<uint8_t>(s / divisor);
            }
        }
        return true;
    }
    const uint8_t* Table() const { return m_table.get(); }
    uint8_t operator()(uint64_t sum) const {
        return m_table ? m_table[sum] : static_cast<uint8_t>(sum / m_divisor);
    }

  private:
    uint64_t m_divisor = 1;
    std::unique_ptr<uint8_t[]> m_table;
};

// Multiplier and shift with (x * multiplier) >> (16 + shift) == x / divisor for every x in
// 0 .. 255 * divisor, found and then checked exhaustively; false when there is none.
bool FindReciprocal(uint32_t divisor, uint16_t& multiplier, int& shift) {
    for (int s = 0; s < 16; ++s) {
        const uint64_t m = ((uint64_t{1} << (16 + s)) + divisor - 1) / divisor;
        if (m > 0xFFFF) {
            break;
        }
        bool exact = true;
        for (uint32_t x = 0; x <= 255 * divisor && exact; ++x) {
            exact = ((x * m) >> (16 + s)) == x / divisor;
        }
        if (exact) {
            multiplier = static_cast<uint16_t>(m);
            shift = s;
            return true;
        }
    }
    return false;
}

// One row of the horizontal pass: width pixels of 3 channels from `in` to `out`, each the mean
// of the 2r + 1 pixels around it with the first and last pixel repeated.
template <typename Sum>
void BlurRowHorizontal(const uint8_t* in, uint8_t* out, int64_t width, int64_t r,
                       const Divider& divide) {
    Sum s[3];
    const int64_t inner = std::min(r, width - 1);
    for (int c = 0; c < 3; ++c) {
        Sum sum = static_cast<Sum>(r + 1) * in[c];
        for (int64_t k = 1; k <= inner; ++k) {
            sum += in[3 * k + c];
        }
        sum += static_cast<Sum>(r - inner) * in[3 * (width - 1) + c];
        s[c] = sum;
    }
    // x < x1: the leaving pixel is clamped to the first; x >= x2: the entering one to the last.
    const int64_t x1 = std::min(r, width);
    const int64_t x2 = std::max(x1, width - r - 1);
    auto clamped = [&](int64_t from, int64_t to) {
        for (int64_t x = from; x < to; ++x) {
            const uint8_t* e = in + 3 * std::min(x + r + 1, width - 1);
            const uint8_t* l = in + 3 * std::max<int64_t>(x - r, 0);
            for (int c = 0; c < 3; ++c) {
                out[3 * x + c] = divide(s[c]);
                s[c] = s[c] + e[c] - l[c];
            }
        }
    };
    clamped(0, x1);
    const uint8_t* table = divide.Table();
    if (table != nullptr && x1 < x2) {
        Sum s0 = s[0], s1 = s[1], s2 = s[2];
        const uint8_t* e = in + 3 * (x1 + r + 1);
        const uint8_t* l = in + 3 * (x1 - r);
        uint8_t* o = out + 3 * x1;
        for (int64_t x = x1; x < x2; ++x, e += 3, l += 3, o += 3) {
            o[0] = table[s0];
            o[1] = table[s1];
            o[2] = table[s2];
            s0 = s0 + e[0] - l[0];
            s1 = s1 + e[1] - l[1];
            s2 = s2 + e[2] - l[2];
        }
        s[0] = s0, s[1] = s1, s[2] = s2;
    } else {
        for (int64_t x = x1; x < x2; ++x) {
            const uint8_t* e = in + 3 * (x + r + 1);
            const uint8_t* l = in + 3 * (x - r);
            for (int c = 0; c < 3; ++c) {
                out[3 * x + c] = divide(s[c]);
                s[c] = s[c] + e[c] - l[c];
            }
        }
    }
    clamped(x2, width);
}

// The column sums of memory row 0's window: rows -r .. r, clamped.
template <typename Sum>
void InitColumnSums(const ZImage& image, int64_t r, size_t rowBytes, Sum* sums) {
    const int64_t height = image.GetHeight();
    const int64_t inner = std::min(r, height - 1);
    const uint8_t* first = image.GetRow(0);
    const uint8_t* last = image.GetRow(static_cast<uint32_t>(height - 1));
    for (size_t i = 0; i < rowBytes; ++i) {
        sums[i] = static_cast<Sum>(static_cast<Sum>(r + 1) * first[i] +
                                   static_cast<Sum>(r - inner) * last[i]);
    }
    for (int64_t k = 1; k <= inner; ++k) {
        const uint8_t* row = image.GetRow(static_cast<uint32_t>(k));
        for (size_t i = 0; i < rowBytes; ++i) {
            sums[i] = static_cast<Sum>(sums[i] + row[i]);
        }
    }
}

// Vertical means of one row from the column sums, and the sums moved on by one row.
void VerticalStepNarrow(uint16_t* sums, const uint8_t* entering, const uint8_t* leaving,
                        uint8_t* means, size_t rowBytes, const Divider& divide, bool useReciprocal,
                        uint16_t multiplier, int shift) {
    size_t i = 0;
#if defined(__SSE2__)
    if (useReciprocal) {
        const __m128i zero = _mm_setzero_si128();
        const __m128i mul = _mm_set1_epi16(static_cast<short>(multiplier));
        const __m128i count = _mm_cvtsi32_si128(shift);
        for (; i + 16 <= rowBytes; i += 16) {
            __m128i* sp = reinterpret_cast<__m128i*>(sums + i);
            __m128i lo = _mm_loadu_si128(sp);
            __m128i hi = _mm_loadu_si128(sp + 1);
            const __m128i qlo = _mm_srl_epi16(_mm_mulhi_epu16(lo, mul), count);
            const __m128i qhi = _mm_srl_epi16(_mm_mulhi_epu16(hi, mul), count);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(means + i), _mm_packus_epi16(qlo, qhi));
            const __m128i e = _mm_loadu_si128(reinterpret_cast<const __m128i*>(entering + i));
            const __m128i l = _mm_loadu_si128(reinterpret_cast<const __m128i*>(leaving + i));
            lo = _mm_sub_epi16(_mm_add_epi16(lo, _mm_unpacklo_epi8(e, zero)),
                               _mm_unpacklo_epi8(l, zero));
            hi = _mm_sub_epi16(_mm_add_epi16(hi, _mm_unpackhi_epi8(e, zero)),
                               _mm_unpackhi_epi8(l, zero));
            _mm_storeu_si128(sp, lo);
            _mm_storeu_si128(sp + 1, hi);
        }
    }
#else
    (void)useReciprocal, (void)multiplier, (void)shift;
#endif
    const uint8_t* table = divide.Table();
    for (; i < rowBytes; ++i) {
        means[i] = table[sums[i]];
        sums[i] = static_cast<uint16_t>(sums[i] + entering[i] - leaving[i]);
    }
}

#if defined(__SSE2__) && defined(__GNUC__)
#define ZENTROVA_BOX_BLUR_VECTOR_ROWS 1

// The horizontal pass of one row on whole vectors, for sums that fit 16 bits (SSSE3, checked at
// run time; otherwise the scalar pass above runs). The row is laid into `extended` with the first
// pixel repeated r + 1 times before it and the last r times after it; q[k] = extended[k] +
// extended[k - 3] + extended[k - 6] + ... (the running sum of one channel, modulo 2^16); the
// window sum of output byte i is then q[i + 3(2r + 1)] - q[i], exact modulo 2^16 and therefore
// exact (it is at most 255 * 255). `extended` holds the means at 3(r + 1) and has
// kHorizontalSlack zero bytes after 3(w + 2r + 1); q holds as many entries.
constexpr size_t kHorizontalSlack = 32;

size_t ExtendedBytes(int64_t width, int64_t r) {
    return static_cast<size_t>(3 * (width + 2 * r + 1));
}

// q over `total` bytes (a multiple of 8 is read and written): each vector of eight sums is its
// own running sum plus the last pixel's three sums of the vector before, spread by one byte
// shuffle, so that the chain from vector to vector is a shuffle and an add.
__attribute__((target("ssse3"))) void PrefixSums(const uint8_t* extended, uint16_t* q,
                                                 size_t total) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i lastPixel =
        _mm_setr_epi8(10, 11, 12, 13, 14, 15, 10, 11, 12, 13, 14, 15, 10, 11, 12, 13);
    __m128i previous = zero;
    for (size_t k = 0; k + 8 <= total; k += 8) {
        __m128i t = _mm_unpacklo_epi8(
            _mm_loadl_epi64(reinterpret_cast<const __m128i*>(extended + k)), zero);
        t = _mm_add_epi16(t, _mm_slli_si128(t, 6));
        t = _mm_add_epi16(t, _mm_slli_si128(t, 12));
        previous = _mm_add_epi16(t, _mm_shuffle_epi8(previous, lastPixel));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(q + k), previous);
    }
}

void BlurRowHorizontalVector(uint8_t* extended, uint16_t* q, uint8_t* out, int64_t width, int64_t r,
                             uint16_t multiplier, int shift, const uint8_t* table) {
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    const size_t lead = static_cast<size_t>(3 * (r + 1));
    uint8_t* row = extended + lead;
    for (int64_t k = 0; k <= r; ++k) {
        std::memcpy(extended + 3 * k, row, 3);
    }
    for (int64_t k = 0; k < r; ++k) {
        std::memcpy(row + rowBytes + 3 * k, row + rowBytes - 3, 3);
    }
    PrefixSums(extended, q, ExtendedBytes(width, r) + kHorizontalSlack);
    const size_t span = static_cast<size_t>(3 * (2 * r + 1));
    const __m128i mul = _mm_set1_epi16(static_cast<short>(multiplier));
    const __m128i count = _mm_cvtsi32_si128(shift);
    size_t i = 0;
    for (; i + 16 <= rowBytes; i += 16) {
        const __m128i* low = reinterpret_cast<const __m128i*>(q + i);
        const __m128i* high = reinterpret_cast<const __m128i*>(q + i + span);
        const __m128i s0 = _mm_sub_epi16(_mm_loadu_si128(high), _mm_loadu_si128(low));
        const __m128i s1 = _mm_sub_epi16(_mm_loadu_si128(high + 1), _mm_loadu_si128(low + 1));
        const __m128i d0 = _mm_srl_epi16(_mm_mulhi_epu16(s0, mul), count);
        const __m128i d1 = _mm_srl_epi16(_mm_mulhi_epu16(s1, mul), count);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(d0, d1));
    }
    for (; i < rowBytes; ++i) {
        out[i] = table[static_cast<uint16_t>(q[i + span] - q[i])];
    }
}

#endif  // ZENTROVA_BOX_BLUR_VECTOR_ROWS

void VerticalStepWide(uint64_t* sums, const uint8_t* entering, const uint8_t* leaving,
                      uint8_t* means, size_t rowBytes, const Divider& divide) {
    for (size_t i = 0; i < rowBytes; ++i) {
        means[i] = divide(sums[i]);
        sums[i] = sums[i] + entering[i] - leaving[i];
    }
}

}  // namespace

bool BoxBlur(ZImage& image, int radius, int passes, EffectKernel kernel) {
    if (!image.IsValid() || image.GetBitsPerPixel() != 24 || radius < 1 || passes < 0) {
        return ZError(nullptr, kEffectErrorInvalid, kEffectsModule, kLineInvalid);
    }
    const int64_t r = radius;
    const int64_t width = image.GetWidth();
    const int64_t height = image.GetHeight();
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    const bool narrow = radius <= kNarrowRadiusLimit;
    // Original rows kept for leaving the column sums: rows y - r .. y.
    const size_t ringRows = static_cast<size_t>(std::min<int64_t>(r + 1, height));

    uint16_t multiplier = 0;
    int shift = 0;
    const bool useReciprocal = kernel == EffectKernel::Fastest && narrow &&
                               FindReciprocal(static_cast<uint32_t>(2 * r + 1), multiplier, shift);
#if defined(ZENTROVA_BOX_BLUR_VECTOR_ROWS)
    const bool vectorRows = useReciprocal && __builtin_cpu_supports("ssse3");
#else
    const bool vectorRows = false;
#endif

    Divider divide;
    auto ring = TryAllocate<uint8_t>(ringRows * rowBytes);
    std::unique_ptr<uint8_t[]> means;
    std::unique_ptr<uint16_t[]> prefix;
    std::unique_ptr<uint16_t[]> narrowSums;
    std::unique_ptr<uint64_t[]> wideSums;
    size_t meansOffset = 0;
#if defined(ZENTROVA_BOX_BLUR_VECTOR_ROWS)
    if (vectorRows) {
        // The vertical means land inside the horizontal pass's extended row.
        const size_t extendedBytes = ExtendedBytes(width, r) + kHorizontalSlack;
        means = TryAllocate<uint8_t>(extendedBytes);
        prefix = TryAllocate<uint16_t>(extendedBytes);
        if (means) {
            std::memset(means.get(), 0, extendedBytes);
        }
        meansOffset = static_cast<size_t>(3 * (r + 1));
    } else {
        means = TryAllocate<uint8_t>(rowBytes);
    }
#else
    means = TryAllocate<uint8_t>(rowBytes);
#endif
    if (narrow) {
        narrowSums = TryAllocate<uint16_t>(rowBytes);
    } else {
        wideSums = TryAllocate<uint64_t>(rowBytes);
    }
    if (!ring || !means || (vectorRows && !prefix) ||
        !(narrow ? static_cast<bool>(narrowSums) : static_cast<bool>(wideSums)) ||
        !divide.Init(static_cast<uint64_t>(2 * r + 1))) {
        return ZError(nullptr, kEffectErrorNoMemory, kEffectsModule, kLineNoMemory);
    }
    uint8_t* meansRow = means.get() + meansOffset;

    image.FlushDrawing();
    for (int pass = 0; pass < passes; ++pass) {
        if (narrow) {
            InitColumnSums(image, r, rowBytes, narrowSums.get());
        } else {
            InitColumnSums(image, r, rowBytes, wideSums.get());
        }
        for (int64_t y = 0; y < height; ++y) {
            uint8_t* row = image.GetRow(static_cast<uint32_t>(y));
            std::memcpy(ring.get() + static_cast<size_t>(y % ringRows) * rowBytes, row, rowBytes);
            // Rows above y are still original; rows up to y are in the ring.
            const uint8_t* entering =
                image.GetRow(static_cast<uint32_t>(std::min(y + r + 1, height - 1)));
            const uint8_t* leaving =
                ring.get() + static_cast<size_t>(std::max<int64_t>(y - r, 0) % ringRows) * rowBytes;
            if (narrow) {
                VerticalStepNarrow(narrowSums.get(), entering, leaving, meansRow, rowBytes, divide,
                                   useReciprocal, multiplier, shift);
#if defined(ZENTROVA_BOX_BLUR_VECTOR_ROWS)
                if (vectorRows) {
                    BlurRowHorizontalVector(means.get(), prefix.get(), row, width, r, multiplier,
                                            shift, divide.Table());
                    continue;
                }
#endif
                BlurRowHorizontal<uint32_t>(meansRow, row, width, r, divide);
            } else {
                VerticalStepWide(wideSums.get(), entering, leaving, meansRow, rowBytes, divide);
                BlurRowHorizontal<uint64_t>(meansRow, row, width, r, divide);
            }
        }
    }
    return true;
}

}  // namespace zentrova
