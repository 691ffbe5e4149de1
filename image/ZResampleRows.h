// ZBilinearRows: filter 4 (Bilinear) one destination row at a time. Each row holds exactly the
// bytes that ResampleBuffer with filter 4 gives for that row, but the whole resized picture never
// exists: a caller that needs a few rows at a time (the PDF export's page slices) keeps only
// those. Filter 4 averages whole source rows first and then each averaged row horizontally, so
// a destination row depends only on its own box of source rows.
#pragma once

#include <cstdint>

#include "image/ZImage.h"
#include "image/ZResampleInternal.h"

namespace zentrova {

class ZBilinearRows {
  public:
    ZBilinearRows() = default;
    ZBilinearRows(const ZBilinearRows&) = delete;
    ZBilinearRows& operator=(const ZBilinearRows&) = delete;

    // Prepares rows of width x height from source, a 24-bit picture that must stay unchanged
    // while rows are read. False for an empty or non-24-bit source, a zero size, rows too long
    // to address or no memory for the tables.
    bool Init(const ZImage& source, uint32_t width, uint32_t height);
    // Memory row r (0 = bottom) of the result as width blue, green, red triplets into out.
    bool GetRow(uint32_t r, uint8_t* out);

  private:
    const ZImage* m_source = nullptr;
    uint32_t m_width = 0;
    uint32_t m_height = 0;
    bool m_copy = false;  // equal sizes: the source rows themselves
    bool m_wide = false;  // 64-bit sums for tall sources
    resample::BoxTable m_columns;
    resample::BoxTable m_rows;
    resample::Scratch<uint8_t> m_averaged;
    resample::Scratch<uint32_t> m_sum32;
    resample::Scratch<uint64_t> m_sum64;
};

}  // namespace zentrova
