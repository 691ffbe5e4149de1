#include "image/ZResampleRows.h"

#include <cstring>

namespace zentrova {

bool ZBilinearRows::Init(const ZImage& source, uint32_t width, uint32_t height) {
    m_source = nullptr;
    if (!source.IsValid() || source.GetBitsPerPixel() != 24 || width == 0 || height == 0 ||
        ZImage::StrideFor(width, 24) == 0) {
        return false;
    }
    m_width = width;
    m_height = height;
    m_copy = width == source.GetWidth() && height == source.GetHeight();
    if (!m_copy) {
        const size_t rowBytes = size_t{source.GetWidth()} * 3;
        m_wide = resample::NeedsWideSums(source.GetHeight());
        if (!m_columns.Build(source.GetWidth(), width) ||
            !m_rows.Build(source.GetHeight(), height) || !m_averaged.Allocate(rowBytes) ||
            !(m_wide ? m_sum64.Allocate(rowBytes) : m_sum32.Allocate(rowBytes))) {
            return false;
        }
    }
    m_source = &source;
    return true;
}

bool ZBilinearRows::GetRow(uint32_t r, uint8_t* out) {
    if (m_source == nullptr || r >= m_height || out == nullptr) {
        return false;
    }
    if (m_copy) {
        std::memcpy(out, m_source->GetRow(r), size_t{m_width} * 3);
        return true;
    }
    const uint32_t first = m_rows.first[r];
    const uint32_t count = m_rows.count[r];
    if (count == 1) {
        resample::BoxRow(m_source->GetRow(first), 3, out, 3, m_columns);
        return true;
    }
    const uint32_t* weight = m_rows.weight.Get() + m_rows.offset[r];
    const size_t rowBytes = size_t{m_source->GetWidth()} * 3;
    uint8_t* averaged = m_averaged.Get();
    if (m_wide) {
        uint64_t* sum = m_sum64.Get();
        std::memset(sum, 0, rowBytes * sizeof(uint64_t));
        for (uint32_t k = 0; k < count; ++k) {
            resample::AccumulateRow(sum, m_source->GetRow(first + k), rowBytes, weight[k]);
        }
        for (size_t i = 0; i < rowBytes; ++i) {
            averaged[i] = static_cast<uint8_t>(m_rows.divide(sum[i]));
        }
    } else {
        uint32_t* sum = m_sum32.Get();
        std::memset(sum, 0, rowBytes * sizeof(uint32_t));
        for (uint32_t k = 0; k < count; ++k) {
            resample::AccumulateRow(sum, m_source->GetRow(first + k), rowBytes, weight[k]);
        }
        for (size_t i = 0; i < rowBytes; ++i) {
            averaged[i] = static_cast<uint8_t>(m_rows.divide(sum[i]));
        }
    }
    resample::BoxRow(averaged, 3, out, 3, m_columns);
    return true;
}

}  // namespace zentrova
