// The overlap search: the literal reference and the fast search (see the header). Precision:
// byte counts in 64 bits, the percentage in single precision exactly as OverlapPercent says.
#include "image/overlap/ZOverlapSearch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include <emmintrin.h>

namespace zentrova {

namespace {

// Interleaving of the fast search: rows 0, 16, 32, ..., then 1, 17, ..., so that the first rows
// looked at are spread over the whole page.
constexpr int32_t kRowInterleave = 16;

struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
};

// The pixel rows of a page at 24 bits, picture row y from the top.
class Rows24 {
  public:
    bool Attach(const ZImage& image) {
        if (!image.IsValid()) {
            return false;
        }
        m_height = image.GetHeight();
        if (image.GetBitsPerPixel() == 24) {
            image.FlushDrawing();
            m_bits = image.GetBits();
            m_stride = image.GetStride();
        } else {
            m_converted.reset(image.GetBitsAs(24));
            m_bits = m_converted.get();
            m_stride = ZImage::StrideFor(image.GetWidth(), 24);
        }
        return m_bits != nullptr && m_stride != 0;
    }
    const uint8_t* Row(int32_t y) const {
        return m_bits + static_cast<size_t>(m_height - 1 - static_cast<uint32_t>(y)) * m_stride;
    }

  private:
    std::unique_ptr<uint8_t, FreeDeleter> m_converted;
    const uint8_t* m_bits = nullptr;
    uint32_t m_stride = 0;
    uint32_t m_height = 0;
};

// Both pages as rows, with the compared byte range clipped to them.
struct Pages {
    Rows24 current;
    Rows24 previous;
    int32_t height = 0;
    size_t offset = 0;  // first compared byte of a row
    size_t bytes = 0;   // compared bytes per row
};

bool Prepare(const ZImage& current, const ZImage& previous, int32_t x0, int32_t w, Pages& pages) {
    if (!current.IsValid() || !previous.IsValid() || current.GetWidth() != previous.GetWidth() ||
        current.GetHeight() != previous.GetHeight()) {
        return false;
    }
    const int64_t width = current.GetWidth();
    const int64_t first = std::max<int64_t>(x0, 0);
    const int64_t last = std::min<int64_t>(int64_t{x0} + w, width);  // one past
    if (first >= last || !pages.current.Attach(current) || !pages.previous.Attach(previous)) {
        return false;
    }
    pages.height = static_cast<int32_t>(current.GetHeight());
    pages.offset = static_cast<size_t>(first) * 3;
    pages.bytes = static_cast<size_t>(last - first) * 3;
    return true;
}

int64_t TotalBytes(const Pages& pages, int32_t shift) {
    return int64_t{pages.height - shift} * static_cast<int64_t>(pages.bytes);
}

bool Qualifies(int64_t equal, int64_t total, int32_t threshold) {
    return equal == total || OverlapPercent(equal, total) >= threshold;
}

// The fewest equal bytes out of total that qualify (total itself always does).
int64_t MinimumEqual(int64_t total, int32_t threshold) {
    int64_t lo = 0;
    int64_t hi = total;
    while (lo < hi) {
        const int64_t mid = lo + (hi - lo) / 2;
        if (Qualifies(mid, total, threshold)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

size_t EqualBytesLiteral(const uint8_t* a, const uint8_t* b, size_t count) {
    size_t equal = 0;
    for (size_t i = 0; i < count; ++i) {
        equal += a[i] == b[i] ? 1 : 0;
    }
    return equal;
}

// Sum of the 16 byte lanes of counts.
size_t SumLanes(__m128i counts) {
    const __m128i sums = _mm_sad_epu8(counts, _mm_setzero_si128());
    return static_cast<size_t>(_mm_cvtsi128_si32(sums)) +
           static_cast<size_t>(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
}

// SSE2: the lanes of a compare are 0xFF where equal; subtracting them counts per lane, and the
// lanes are summed before any of them can pass 255.
size_t EqualBytes(const uint8_t* a, const uint8_t* b, size_t count) {
    size_t equal = 0;
    size_t i = 0;
    while (i + 16 <= count) {
        __m128i lanes = _mm_setzero_si128();
        for (int n = 0; n < 255 && i + 16 <= count; ++n, i += 16) {
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
            const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(x, y));
        }
        equal += SumLanes(lanes);
    }
    return equal + EqualBytesLiteral(a + i, b + i, count - i);
}

// Equal bytes of shift k over all its rows.
int64_t CountEqual(const Pages& pages, int32_t shift) {
    int64_t equal = 0;
    for (int32_t r = 0; r + shift < pages.height; ++r) {
        equal += static_cast<int64_t>(EqualBytes(pages.current.Row(r) + pages.offset,
                                                 pages.previous.Row(r + shift) + pages.offset,
                                                 pages.bytes));
    }
    return equal;
}

// The most frequent byte value among the current page's compared bytes of every 16th row (the
// background, as a rule; any value gives a correct bound, a frequent one a strong bound).
uint8_t CommonByte(const Pages& pages) {
    std::array<uint64_t, 256> histogram{};
    for (int32_t r = 0; r < pages.height; r += kRowInterleave) {
        const uint8_t* row = pages.current.Row(r) + pages.offset;
        for (size_t i = 0; i < pages.bytes; ++i) {
            ++histogram[row[i]];
        }
    }
    return static_cast<uint8_t>(std::max_element(histogram.begin(), histogram.end()) -
                                histogram.begin());
}

// Per row: how many bytes have the value v among the first 16 of every 64 compared bytes. The
// difference of two rows' counts is a lower bound of their mismatches over these bytes, and so
// over the whole row; a quarter of the bytes keeps the bound strong at a quarter of the cost.
std::vector<int32_t> CountValuePerRow(const Rows24& rows, const Pages& pages, uint8_t v) {
    std::vector<int32_t> counts(static_cast<size_t>(pages.height));
    const __m128i value = _mm_set1_epi8(static_cast<char>(v));
    for (int32_t r = 0; r < pages.height; ++r) {
        const uint8_t* row = rows.Row(r) + pages.offset;
        size_t count = 0;
        size_t i = 0;
        while (i + 16 <= pages.bytes) {
            __m128i lanes = _mm_setzero_si128();
            for (int n = 0; n < 255 && i + 16 <= pages.bytes; ++n, i += 64) {
                const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
                lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(x, value));
            }
            count += SumLanes(lanes);
        }
        counts[static_cast<size_t>(r)] = static_cast<int32_t>(count);
    }
    return counts;
}

}  // namespace

int32_t OverlapPercent(int64_t equal, int64_t total) {
    if (total > 0 && equal == total) {
        return 100;
    }
    const float p = static_cast<float>(equal) / (static_cast<float>(total) / 100.0f);
    if (std::isnan(p) || p < 0.0f) {
        return 0;
    }
    return p >= 100.0f ? 100 : static_cast<int32_t>(p);
}

OverlapResult FindOverlapLiteral(const ZImage& current, const ZImage& previous, int32_t x0,
                                 int32_t w, int32_t threshold) {
    OverlapResult result;
    Pages pages;
    if (!Prepare(current, previous, x0, w, pages)) {
        return result;
    }
    for (int32_t k = 0; k < pages.height; ++k) {
        int64_t equal = 0;
        for (int32_t r = 0; r + k < pages.height; ++r) {
            equal += static_cast<int64_t>(
                EqualBytesLiteral(pages.current.Row(r) + pages.offset,
                                  pages.previous.Row(r + k) + pages.offset, pages.bytes));
        }
        const int64_t total = TotalBytes(pages, k);
        result.percent = OverlapPercent(equal, total);
        if (Qualifies(equal, total, threshold)) {
            result.found = true;
            result.shift = k;
            return result;
        }
    }
    return result;
}

OverlapResult FindOverlap(const ZImage& current, const ZImage& previous, int32_t x0, int32_t w,
                          int32_t threshold) {
    OverlapResult result;
    Pages pages;
    if (!Prepare(current, previous, x0, w, pages)) {
        return result;
    }
    const uint8_t background = CommonByte(pages);
    const std::vector<int32_t> inCurrent = CountValuePerRow(pages.current, pages, background);
    const std::vector<int32_t> inPrevious = CountValuePerRow(pages.previous, pages, background);

    for (int32_t k = 0; k < pages.height; ++k) {
        const int64_t total = TotalBytes(pages, k);
        const int64_t allowed = total - MinimumEqual(total, threshold);
        const int32_t rows = pages.height - k;
        if (k == pages.height - 1) {
            break;  // the last shift is counted in full below
        }
        // A byte that has the background value on one page only is a mismatch: the difference
        // of the counts is a lower bound of a row's mismatches.
        int64_t bound = 0;
        for (int32_t r = 0; r < rows && bound <= allowed; ++r) {
            bound += std::abs(inCurrent[static_cast<size_t>(r)] -
                              inPrevious[static_cast<size_t>(r + k)]);
        }
        if (bound > allowed) {
            continue;
        }
        int64_t mismatches = 0;
        for (int32_t phase = 0; phase < kRowInterleave && mismatches <= allowed; ++phase) {
            for (int32_t r = phase; r < rows && mismatches <= allowed; r += kRowInterleave) {
                mismatches += static_cast<int64_t>(pages.bytes) -
                              static_cast<int64_t>(EqualBytes(
                                  pages.current.Row(r) + pages.offset,
                                  pages.previous.Row(r + k) + pages.offset, pages.bytes));
            }
        }
        if (mismatches <= allowed) {  // every row was counted
            result.found = true;
            result.shift = k;
            result.percent = OverlapPercent(total - mismatches, total);
            return result;
        }
    }
    const int32_t last = pages.height - 1;
    const int64_t equal = CountEqual(pages, last);
    const int64_t total = TotalBytes(pages, last);
    result.percent = OverlapPercent(equal, total);
    if (Qualifies(equal, total, threshold)) {
        result.found = true;
        result.shift = last;
    }
    return result;
}

}  // namespace zentrova
