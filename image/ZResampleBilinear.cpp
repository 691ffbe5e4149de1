// Filter 4, Bilinear: the exact box averaging of filter 1 with the vertical pass first. For each
// destination row the whole source rows of its box are summed per byte, divided (truncating) into
// a row of bytes, and that row is box-averaged horizontally into the destination row.
#include <cstring>

#include "image/ZResampleInternal.h"

namespace zentrova::resample {

namespace {

template <typename Sum>
bool RunBilinear(const ConstPlane& src, const Plane& dst, const BoxTable& columns,
                 const BoxTable& rows) {
    const size_t rowBytes = size_t{src.width} * 3;
    Scratch<uint8_t> averaged;
    Scratch<Sum> acc;
    if (!averaged.Allocate(rowBytes) || !acc.Allocate(rowBytes)) {
        return false;
    }
    for (uint32_t j = 0; j < dst.height; ++j) {
        const uint32_t* weight = rows.weight.Get() + rows.offset[j];
        const uint32_t first = rows.first[j];
        if (rows.count[j] == 1) {
            // One whole or partial source row: sum / n is the row itself.
            BoxRow(src.Row(first), 3, dst.Row(j), 3, columns);
            continue;
        }
        std::memset(acc.Get(), 0, rowBytes * sizeof(Sum));
        for (uint32_t k = 0; k < rows.count[j]; ++k) {
            AccumulateRow(acc.Get(), src.Row(first + k), rowBytes, weight[k]);
        }
        const Sum* sum = acc.Get();
        uint8_t* out = averaged.Get();
        for (size_t i = 0; i < rowBytes; ++i) {
            out[i] = static_cast<uint8_t>(rows.divide(sum[i]));
        }
        BoxRow(out, 3, dst.Row(j), 3, columns);
    }
    return true;
}

}  // namespace

bool ResampleBilinear(const ConstPlane& src, const Plane& dst) {
    BoxTable columns;
    BoxTable rows;
    if (!columns.Build(src.width, dst.width) || !rows.Build(src.height, dst.height)) {
        return false;
    }
    return NeedsWideSums(src.height) ? RunBilinear<uint64_t>(src, dst, columns, rows)
                                     : RunBilinear<uint32_t>(src, dst, columns, rows);
}

}  // namespace zentrova::resample
