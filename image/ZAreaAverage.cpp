// The display resampler: exact area averaging in 12-bit fixed point from any source depth into
// 24 bits.
//
// Each axis has a weight table built by walking n samples that carry m units each over cells of
// n units: a sample that crosses a cell boundary splits its weight between the current and the
// next cell. Shrinking walks the source samples (cells are destination samples, each cell's
// weights add up to at most 4096); enlarging walks the destination samples (cells are source
// samples, the two weights of a sample add up to at most 4096).
//
// The sum of weightX * weightY * pixel over a destination pixel is formed vertically first (rows
// weighted and added per source column) and then horizontally. The integer sums are exact, so
// the order does not change them; the largest sum is 255 * 4096 * 4096 < 2^32.
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "image/ZImagePixels.h"
#include "image/ZResample.h"
#include "image/ZResampleInternal.h"

namespace zentrova {

namespace {

using resample::Scratch;

constexpr uint32_t kOne = 4096;               // weight 1 in 12-bit fixed point
constexpr uint32_t kFloatWeightsFrom = 4001;  // source sizes that shrink with float weights

struct AreaEntry {
    uint32_t cell;     // destination cell (shrinking) or source sample (enlarging)
    uint32_t current;  // weight in that cell
    uint32_t next;     // weight in the following cell (0 unless the sample splits)
    float currentF;    // the same fractions without the factor 4096
    float nextF;
    bool endsCell;  // the cell is complete after this sample
};

// Walks n samples of m units over cells of n units, as described at the top of the file.
bool BuildAreaTable(uint32_t n, uint32_t m, bool enlarge, Scratch<AreaEntry>& table) {
    if (!table.Allocate(n)) {
        return false;
    }
    const uint64_t d = enlarge ? m : n;
    const uint32_t whole = enlarge ? kOne : static_cast<uint32_t>(uint64_t{m} * kOne / n);
    const float wholeF = enlarge ? 1.0f : static_cast<float>(m) / static_cast<float>(n);
    uint64_t a = 0;
    uint32_t cell = 0;
    for (uint32_t k = 0; k < n; ++k) {
        AreaEntry& e = table[k];
        e.cell = cell;
        const uint64_t t = m + a;
        if (t > n) {
            e.current = static_cast<uint32_t>((n - a) * kOne / d);
            e.next = static_cast<uint32_t>((m + a - n) * kOne / d);
            e.currentF = static_cast<float>(n - a) / static_cast<float>(d);
            e.nextF = static_cast<float>(m + a - n) / static_cast<float>(d);
            a = t - n;
            // The current cell has its last share; the rest of the sample opens the next one.
            e.endsCell = true;
        } else {
            e.current = whole;
            e.next = 0;
            e.currentF = wholeF;
            e.nextF = 0.0f;
            e.endsCell = t == n;
            a = e.endsCell ? 0 : t;
        }
        if (e.endsCell) {
            ++cell;
        }
    }
    return true;
}

// An axis that shrinks while the other grows is sampled: destination sample k takes source
// sample (k * n) / m whole.
bool BuildSampledTable(uint32_t n, uint32_t m, Scratch<AreaEntry>& table) {
    if (!table.Allocate(m)) {
        return false;
    }
    for (uint32_t k = 0; k < m; ++k) {
        table[k] = {static_cast<uint32_t>(uint64_t{k} * n / m), kOne, 0, 1.0f, 0.0f, true};
    }
    return true;
}

// Destination sample j gathers weight[offset[j] + q] of source sample first[j] + q: the
// shrinking table turned around, so that each output is one short sum.
struct Gather {
    Scratch<uint32_t> first;
    Scratch<uint32_t> count;
    Scratch<uint32_t> offset;
    Scratch<uint32_t> weight;
    Scratch<float> weightF;
    // n / m when m divides n: every cell then takes that many whole samples of one weight.
    uint32_t ratio = 0;

    bool Build(const Scratch<AreaEntry>& table, uint32_t n, uint32_t m) {
        ratio = n % m == 0 ? n / m : 0;
        const size_t entries = 2 * size_t{n};
        if (!first.Allocate(m) || !count.Allocate(m) || !offset.Allocate(m) ||
            !weight.Allocate(entries) || !weightF.Allocate(entries)) {
            return false;
        }
        // Cell j collects, in source order, the split share of the sample before it (if any),
        // then its own samples' current shares.
        size_t position = 0;
        uint32_t k = 0;
        for (uint32_t j = 0; j < m; ++j) {
            offset[j] = static_cast<uint32_t>(position);
            count[j] = 0;
            first[j] = k;
            if (k > 0 && table[k - 1].cell + 1 == j && table[k - 1].nextF > 0.0f) {
                first[j] = k - 1;
                weight[position] = table[k - 1].next;
                weightF[position] = table[k - 1].nextF;
                ++position;
                ++count[j];
            }
            while (k < n && table[k].cell == j) {
                weight[position] = table[k].current;
                weightF[position] = table[k].currentF;
                ++position;
                ++count[j];
                ++k;
            }
        }
        return true;
    }
};

// Gives source rows as 24-bit rows, converting other depths into one of two buffers.
class RowSource {
  public:
    RowSource(const uint8_t* bits, uint32_t width, uint32_t depth, const uint8_t* paletteBgr)
        : m_bits(bits),
          m_width(width),
          m_depth(depth),
          m_stride(ZImage::StrideFor(width, depth)),
          m_palette(paletteBgr) {}

    bool Prepare() {
        if (m_depth == 24) {
            return true;
        }
        return m_buffer[0].Allocate(size_t{m_width} * 3) &&
               m_buffer[1].Allocate(size_t{m_width} * 3);
    }

    const uint8_t* Row(uint32_t r) {
        const uint8_t* raw = m_bits + size_t{r} * m_stride;
        if (m_depth == 24) {
            return raw;
        }
        // A miss replaces the row returned less recently, so the last two rows asked for stay
        // valid together.
        for (int s = 0; s < 2; ++s) {
            if (m_cached[s] == r) {
                m_lastUsed = s;
                return m_buffer[s].Get();
            }
        }
        const int slot = m_lastUsed ^ 1;
        pixels::ConvertRowToDirect(raw, m_depth, m_palette, m_width, m_buffer[slot].Get(), 24);
        m_cached[slot] = r;
        m_lastUsed = slot;
        return m_buffer[slot].Get();
    }

  private:
    const uint8_t* m_bits;
    uint32_t m_width;
    uint32_t m_depth;
    size_t m_stride;
    const uint8_t* m_palette;
    Scratch<uint8_t> m_buffer[2];
    uint32_t m_cached[2] = {UINT32_MAX, UINT32_MAX};
    int m_lastUsed = 1;
};

// acc[i] += row0[i] * weight0 + row1[i] * weight1, weights at most 4096. With SSE2 the bytes
// of the two rows are paired as 16-bit values and multiplied and added by pmaddwd, exactly as the
// scalar loop does it.
void AddWeightedRows(uint32_t* acc, const uint8_t* row0, uint32_t weight0, const uint8_t* row1,
                     uint32_t weight1, size_t count) {
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i weights = _mm_set1_epi32(static_cast<int>(weight0 | (weight1 << 16)));
    for (; i + 16 <= count; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row0 + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row1 + i));
        const __m128i pairsLow = _mm_unpacklo_epi8(a, b);  // a0 b0 a1 b1 ... a7 b7
        const __m128i pairsHigh = _mm_unpackhi_epi8(a, b);
        __m128i* out = reinterpret_cast<__m128i*>(acc + i);
        const __m128i sums[4] = {
            _mm_madd_epi16(_mm_unpacklo_epi8(pairsLow, zero), weights),
            _mm_madd_epi16(_mm_unpackhi_epi8(pairsLow, zero), weights),
            _mm_madd_epi16(_mm_unpacklo_epi8(pairsHigh, zero), weights),
            _mm_madd_epi16(_mm_unpackhi_epi8(pairsHigh, zero), weights),
        };
        for (int q = 0; q < 4; ++q) {
            _mm_storeu_si128(out + q, _mm_add_epi32(_mm_loadu_si128(out + q), sums[q]));
        }
    }
#endif
    for (; i < count; ++i) {
        acc[i] += uint32_t{row0[i]} * weight0 + uint32_t{row1[i]} * weight1;
    }
}

void AddWeightedRow(uint32_t* acc, const uint8_t* row, size_t count, uint32_t weight) {
    AddWeightedRows(acc, row, weight, row, 0, count);
}

void AddWeightedRows(float* acc, const uint8_t* row0, float weight0, const uint8_t* row1,
                     float weight1, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        acc[i] += weight0 * static_cast<float>(row0[i]) + weight1 * static_cast<float>(row1[i]);
    }
}

void AddWeightedRow(float* acc, const uint8_t* row, size_t count, float weight) {
    for (size_t i = 0; i < count; ++i) {
        acc[i] += weight * static_cast<float>(row[i]);
    }
}

// A whole-number reduction: the weight is common to all samples of a cell, so it multiplies
// their sum (the same integer as the sum of the products).
void EmitRowByRatio(const uint32_t* acc, uint32_t ratio, uint32_t weight, uint32_t width,
                    uint8_t* out) {
    for (uint32_t j = 0; j < width; ++j, out += 3) {
        uint32_t blue = 0, green = 0, red = 0;
        for (uint32_t q = 0; q < ratio; ++q, acc += 3) {
            blue += acc[0];
            green += acc[1];
            red += acc[2];
        }
        out[0] = static_cast<uint8_t>((blue * weight) >> 24);
        out[1] = static_cast<uint8_t>((green * weight) >> 24);
        out[2] = static_cast<uint8_t>((red * weight) >> 24);
    }
}

void EmitRow(const uint32_t* acc, const Gather& columns, uint32_t width, uint8_t* out) {
    if (columns.ratio == 2) {
        EmitRowByRatio(acc, 2, columns.weight[0], width, out);  // the common 50 % view
        return;
    }
    if (columns.ratio != 0) {
        EmitRowByRatio(acc, columns.ratio, columns.weight[0], width, out);
        return;
    }
    for (uint32_t j = 0; j < width; ++j, out += 3) {
        const uint32_t* p = acc + size_t{columns.first[j]} * 3;
        const uint32_t* w = columns.weight.Get() + columns.offset[j];
        uint32_t blue = 0, green = 0, red = 0;
        for (uint32_t q = 0; q < columns.count[j]; ++q, p += 3) {
            blue += w[q] * p[0];
            green += w[q] * p[1];
            red += w[q] * p[2];
        }
        out[0] = static_cast<uint8_t>(blue >> 24);
        out[1] = static_cast<uint8_t>(green >> 24);
        out[2] = static_cast<uint8_t>(red >> 24);
    }
}

uint8_t TruncateToByte(float v) {
    return v >= 255.0f ? 255 : (v > 0.0f ? static_cast<uint8_t>(v) : 0);
}

void EmitRow(const float* acc, const Gather& columns, uint32_t width, uint8_t* out) {
    for (uint32_t j = 0; j < width; ++j, out += 3) {
        const float* p = acc + size_t{columns.first[j]} * 3;
        const float* w = columns.weightF.Get() + columns.offset[j];
        float blue = 0.0f, green = 0.0f, red = 0.0f;
        for (uint32_t q = 0; q < columns.count[j]; ++q, p += 3) {
            blue += w[q] * p[0];
            green += w[q] * p[1];
            red += w[q] * p[2];
        }
        out[0] = TruncateToByte(blue);
        out[1] = TruncateToByte(green);
        out[2] = TruncateToByte(red);
    }
}

// The weights of a table entry in the arithmetic of the accumulators: 12-bit integers or the
// single-precision fractions.
template <typename Sum>
struct Weights;

template <>
struct Weights<uint32_t> {
    static uint32_t Current(const AreaEntry& e) { return e.current; }
    static uint32_t Next(const AreaEntry& e) { return e.next; }
};

template <>
struct Weights<float> {
    static float Current(const AreaEntry& e) { return e.currentF; }
    static float Next(const AreaEntry& e) { return e.nextF; }
};

// Shrinking in both axes: every source row is added into the accumulator row of its cell (and
// of the next one when it splits); a complete cell is averaged horizontally and emitted.
template <typename Sum>
bool Shrink(RowSource& rows, uint32_t w, uint32_t h, uint8_t* dst, uint32_t W, uint32_t H) {
    Scratch<AreaEntry> rowTable;
    Scratch<AreaEntry> columnTable;
    Gather columns;
    Scratch<Sum> accumulators[2];
    const size_t rowValues = size_t{w} * 3;
    if (!BuildAreaTable(h, H, false, rowTable) || !BuildAreaTable(w, W, false, columnTable) ||
        !columns.Build(columnTable, w, W) || !accumulators[0].Allocate(rowValues) ||
        !accumulators[1].Allocate(rowValues)) {
        return false;
    }
    const size_t dstStride = ZImage::StrideFor(W, 24);
    Sum* current = accumulators[0].Get();
    Sum* next = accumulators[1].Get();
    for (uint32_t y = 0; y < h; ++y) {
        const AreaEntry* e = &rowTable[y];
        const uint8_t* row = rows.Row(y);
        if (!e->endsCell && y + 1 < h) {
            // This row and the next belong to the same cell (this one neither ends nor splits):
            // both are added in one pass; the next row may still split or end the cell.
            ++y;
            AddWeightedRows(current, row, Weights<Sum>::Current(*e), rows.Row(y),
                            Weights<Sum>::Current(rowTable[y]), rowValues);
            e = &rowTable[y];
            row = rows.Row(y);
        } else {
            AddWeightedRow(current, row, rowValues, Weights<Sum>::Current(*e));
        }
        if (Weights<Sum>::Next(*e) > 0) {
            AddWeightedRow(next, row, rowValues, Weights<Sum>::Next(*e));
        }
        if (e->endsCell) {
            EmitRow(current, columns, W, dst + size_t{e->cell} * dstStride);
            std::swap(current, next);
            std::memset(next, 0, rowValues * sizeof(Sum));
        }
    }
    return true;
}

// Enlarging in at least one axis: every destination pixel mixes at most 2 x 2 source pixels.
bool Enlarge(RowSource& rows, uint32_t w, uint32_t h, uint8_t* dst, uint32_t W, uint32_t H) {
    Scratch<AreaEntry> rowTable;
    Scratch<AreaEntry> columnTable;
    Scratch<uint32_t> mixed;
    const size_t rowValues = size_t{w} * 3;
    const bool rowsOk =
        H >= h ? BuildAreaTable(H, h, true, rowTable) : BuildSampledTable(h, H, rowTable);
    const bool columnsOk =
        W >= w ? BuildAreaTable(W, w, true, columnTable) : BuildSampledTable(w, W, columnTable);
    if (!rowsOk || !columnsOk || !mixed.Allocate(rowValues)) {
        return false;
    }
    const size_t dstStride = ZImage::StrideFor(W, 24);
    for (uint32_t y = 0; y < H; ++y) {
        const AreaEntry& e = rowTable[y];
        uint8_t* out = dst + size_t{y} * dstStride;
        if (y > 0) {
            const AreaEntry& before = rowTable[y - 1];
            if (before.cell == e.cell && before.current == e.current && before.next == e.next) {
                std::memcpy(out, out - dstStride, size_t{W} * 3);
                continue;
            }
        }
        // The two source rows mixed by their weights (exact: at most 255 * 4096).
        const bool mixNext = e.next > 0 && e.cell + 1 < h;
        const uint8_t* lower = rows.Row(e.cell);
        const uint8_t* upper = mixNext ? rows.Row(e.cell + 1) : lower;
        std::memset(mixed.Get(), 0, rowValues * sizeof(uint32_t));
        AddWeightedRows(mixed.Get(), lower, e.current, upper, mixNext ? e.next : 0, rowValues);
        const uint32_t* m = mixed.Get();
        for (uint32_t x = 0; x < W; ++x, out += 3) {
            const AreaEntry& c = columnTable[x];
            const uint32_t* p = m + size_t{c.cell} * 3;
            uint32_t blue = c.current * p[0];
            uint32_t green = c.current * p[1];
            uint32_t red = c.current * p[2];
            if (c.next > 0 && c.cell + 1 < w) {
                blue += c.next * p[3];
                green += c.next * p[4];
                red += c.next * p[5];
            }
            out[0] = static_cast<uint8_t>(blue >> 24);
            out[1] = static_cast<uint8_t>(green >> 24);
            out[2] = static_cast<uint8_t>(red >> 24);
        }
    }
    return true;
}

bool IsSourceDepth(uint32_t depth) {
    return depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
}

}  // namespace

bool AreaAverageBuffer(uint8_t* destination, uint32_t width, uint32_t height, const uint8_t* source,
                       uint32_t sourceWidth, uint32_t sourceHeight, uint32_t sourceDepth,
                       const uint8_t* palette) {
    if (width == 0 || height == 0 || sourceWidth == 0 || sourceHeight == 0 ||
        destination == nullptr || source == nullptr || !IsSourceDepth(sourceDepth) ||
        (sourceDepth <= 8 && palette == nullptr)) {
        return false;
    }
    uint8_t paletteBgr[ZImage::kPaletteBytes] = {};
    if (sourceDepth <= 8) {
        for (int i = 0; i < ZImage::kPaletteEntries; ++i) {
            paletteBgr[3 * i] = palette[3 * i + 2];
            paletteBgr[3 * i + 1] = palette[3 * i + 1];
            paletteBgr[3 * i + 2] = palette[3 * i];
        }
    }
    RowSource rows(source, sourceWidth, sourceDepth, paletteBgr);
    if (!rows.Prepare()) {
        return false;
    }
    if (width == sourceWidth && height == sourceHeight) {
        // The same size: the source as 24-bit pixels.
        const size_t stride = ZImage::StrideFor(width, 24);
        for (uint32_t r = 0; r < height; ++r) {
            std::memcpy(destination + r * stride, rows.Row(r), size_t{width} * 3);
        }
        return true;
    }
    if (width <= sourceWidth && height <= sourceHeight) {
        const bool useFloat = sourceWidth >= kFloatWeightsFrom || sourceHeight >= kFloatWeightsFrom;
        return useFloat
                   ? Shrink<float>(rows, sourceWidth, sourceHeight, destination, width, height)
                   : Shrink<uint32_t>(rows, sourceWidth, sourceHeight, destination, width, height);
    }
    return Enlarge(rows, sourceWidth, sourceHeight, destination, width, height);
}

}  // namespace zentrova
