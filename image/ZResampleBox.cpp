// The exact box rule shared by filters 1 (Bresenham) and 4 (Bilinear): weight tables, the
// horizontal pass over a row and the accumulation of whole rows.
#include "image/ZResampleInternal.h"

namespace zentrova::resample {

bool BoxTable::Build(uint32_t n, uint32_t m) {
    sourceCount = n;
    targetCount = m;
    // Every destination sample touches at most the source samples it covers plus one partial
    // one at each end; all together at most n + m entries.
    const size_t entries = size_t{n} + m;
    if (!first.Allocate(m) || !count.Allocate(m) || !offset.Allocate(m) ||
        !weight.Allocate(entries)) {
        return false;
    }
    // Walking along the line with r, the weight still left in the current source sample.
    uint32_t r = m;
    uint32_t source = 0;
    size_t position = 0;
    for (uint32_t j = 0; j < m; ++j) {
        first[j] = source;
        offset[j] = static_cast<uint32_t>(position);
        uint32_t taken = 0;
        while (r <= n - taken) {
            weight[position++] = r;
            taken += r;
            ++source;
            r = m;
        }
        if (taken < n) {
            weight[position++] = n - taken;
            r -= n - taken;
        }
        count[j] = static_cast<uint32_t>(position - offset[j]);
    }
    divide.Init(n);
    return true;
}

namespace {

template <typename Sum>
void BoxRowWith(const uint8_t* src, uint32_t srcBytes, uint8_t* dst, uint32_t dstBytes,
                const BoxTable& table) {
    const uint32_t* first = table.first.Get();
    const uint32_t* count = table.count.Get();
    const uint32_t* offset = table.offset.Get();
    const uint32_t* weight = table.weight.Get();
    for (uint32_t j = 0; j < table.targetCount; ++j, dst += dstBytes) {
        const uint8_t* p = src + size_t{first[j]} * srcBytes;
        const uint32_t* w = weight + offset[j];
        Sum blue = 0, green = 0, red = 0;
        for (uint32_t k = 0; k < count[j]; ++k, p += srcBytes) {
            blue += Sum{p[0]} * w[k];
            green += Sum{p[1]} * w[k];
            red += Sum{p[2]} * w[k];
        }
        dst[0] = static_cast<uint8_t>(table.divide(blue));
        dst[1] = static_cast<uint8_t>(table.divide(green));
        dst[2] = static_cast<uint8_t>(table.divide(red));
    }
}

// The common 2:1 reduction of 24-bit rows: every destination pixel is the sum of two whole
// source pixels, each of weight m.
void BoxRowHalf(const uint8_t* src, uint8_t* dst, const BoxTable& table) {
    const uint32_t w = table.weight[0];
    for (uint32_t j = 0; j < table.targetCount; ++j, src += 6, dst += 3) {
        dst[0] = static_cast<uint8_t>(table.divide((uint32_t{src[0]} + src[3]) * w));
        dst[1] = static_cast<uint8_t>(table.divide((uint32_t{src[1]} + src[4]) * w));
        dst[2] = static_cast<uint8_t>(table.divide((uint32_t{src[2]} + src[5]) * w));
    }
}

bool IsExactHalf(const BoxTable& table) {
    return table.sourceCount == 2 * table.targetCount;
}

}  // namespace

void BoxRow(const uint8_t* src, uint32_t srcBytes, uint8_t* dst, uint32_t dstBytes,
            const BoxTable& table) {
    if (srcBytes == 3 && dstBytes == 3 && IsExactHalf(table)) {
        BoxRowHalf(src, dst, table);
    } else if (NeedsWideSums(table.sourceCount)) {
        BoxRowWith<uint64_t>(src, srcBytes, dst, dstBytes, table);
    } else {
        BoxRowWith<uint32_t>(src, srcBytes, dst, dstBytes, table);
    }
}

void AccumulateRow(uint32_t* acc, const uint8_t* row, size_t count, uint32_t weight) {
    // Weights up to 65535 make the product a 16 x 16 -> 32-bit multiplication, which the
    // compiler vectorises.
    const uint16_t w16 = static_cast<uint16_t>(weight);
    if (weight <= 0xFFFF) {
        for (size_t i = 0; i < count; ++i) {
            acc[i] += uint32_t{uint16_t{row[i]}} * w16;
        }
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        acc[i] += uint32_t{row[i]} * weight;
    }
}

void AccumulateRow(uint64_t* acc, const uint8_t* row, size_t count, uint32_t weight) {
    for (size_t i = 0; i < count; ++i) {
        acc[i] += uint64_t{row[i]} * weight;
    }
}

}  // namespace zentrova::resample
