// Filter 1, Bresenham: exact box averaging, horizontal pass first, then vertical. Each pass
// divides its sums by its source count, truncating.
#include <cstring>

#include "image/ZResampleInternal.h"

namespace zentrova::resample {

namespace {

template <typename Sum>
bool RunBresenham(const ConstPlane& src, const Plane& dst, const BoxTable& columns,
                  const BoxTable& rows) {
    const size_t rowBytes = size_t{dst.width} * 3;  // the horizontally averaged row, 24-bit layout
    Scratch<uint8_t> averaged;
    Scratch<Sum> acc;
    if (!averaged.Allocate(rowBytes) || !acc.Allocate(rowBytes)) {
        return false;
    }
    // Source rows are visited in increasing order and consecutive windows share at most their
    // boundary row, so one averaged row (the last one computed) serves every window.
    uint32_t averagedRow = UINT32_MAX;
    for (uint32_t j = 0; j < dst.height; ++j) {
        std::memset(acc.Get(), 0, rowBytes * sizeof(Sum));
        const uint32_t* weight = rows.weight.Get() + rows.offset[j];
        for (uint32_t k = 0; k < rows.count[j]; ++k) {
            const uint32_t r = rows.first[j] + k;
            if (r != averagedRow) {
                BoxRow(src.Row(r), src.bytesPerPixel, averaged.Get(), 3, columns);
                averagedRow = r;
            }
            AccumulateRow(acc.Get(), averaged.Get(), rowBytes, weight[k]);
        }
        uint8_t* out = dst.Row(j);
        const Sum* sum = acc.Get();
        if (dst.bytesPerPixel == 3) {
            for (size_t i = 0; i < rowBytes; ++i) {
                out[i] = static_cast<uint8_t>(rows.divide(sum[i]));
            }
        } else {
            for (uint32_t i = 0; i < dst.width; ++i, sum += 3, out += dst.bytesPerPixel) {
                out[0] = static_cast<uint8_t>(rows.divide(sum[0]));
                out[1] = static_cast<uint8_t>(rows.divide(sum[1]));
                out[2] = static_cast<uint8_t>(rows.divide(sum[2]));
            }
        }
    }
    return true;
}

}  // namespace

bool ResampleBresenham(const ConstPlane& src, const Plane& dst) {
    BoxTable columns;
    BoxTable rows;
    if (!columns.Build(src.width, dst.width) || !rows.Build(src.height, dst.height)) {
        return false;
    }
    return NeedsWideSums(src.height) ? RunBresenham<uint64_t>(src, dst, columns, rows)
                                     : RunBresenham<uint32_t>(src, dst, columns, rows);
}

}  // namespace zentrova::resample
