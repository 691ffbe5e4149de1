#include "capture/scroll/ScrollStitcher.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace zentrova {

namespace {

constexpr size_t kBlockBytes = size_t{16} << 20;

struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
};

}  // namespace

void ScrollStitcher::Clear() {
    m_blocks.clear();
    m_blockRows = 0;
    m_width = 0;
    m_rows = 0;
}

uint8_t* ScrollStitcher::RowAt(int32_t y) const {
    const size_t row = static_cast<size_t>(y);
    return m_blocks[row / m_blockRows].get() + (row % m_blockRows) * RowBytes();
}

bool ScrollStitcher::Start(const ZImage& page) {
    Clear();
    if (!page.IsValid()) {
        return false;
    }
    m_width = static_cast<int32_t>(page.GetWidth());
    m_blockRows = std::max<size_t>(1, kBlockBytes / RowBytes());
    if (!AppendPageRows(page, 0, static_cast<int32_t>(page.GetHeight()))) {
        Clear();
        return false;
    }
    return true;
}

bool ScrollStitcher::AppendBottomRows(const ZImage& page, int32_t rows) {
    return page.IsValid() && rows >= 0 && rows <= static_cast<int32_t>(page.GetHeight()) &&
           AppendPageRows(page, static_cast<int32_t>(page.GetHeight()) - rows, rows);
}

bool ScrollStitcher::AppendTopRows(const ZImage& page, int32_t rows) {
    return page.IsValid() && rows >= 0 && rows <= static_cast<int32_t>(page.GetHeight()) &&
           AppendPageRows(page, 0, rows);
}

bool ScrollStitcher::DropBottomRows(int32_t rows) {
    if (rows < 0 || rows >= m_rows) {
        return false;
    }
    m_rows -= rows;
    return true;
}

bool ScrollStitcher::AppendPageRows(const ZImage& page, int32_t firstPictureRow, int32_t rows) {
    if (m_width <= 0 || static_cast<int32_t>(page.GetWidth()) != m_width || rows < 0 ||
        firstPictureRow < 0 ||
        int64_t{firstPictureRow} + rows > static_cast<int64_t>(page.GetHeight())) {
        return false;
    }
    const uint64_t newRows = static_cast<uint64_t>(m_rows) + static_cast<uint64_t>(rows);
    if (newRows * static_cast<uint64_t>(m_width) > ZImage::kMaxPixels) {
        return false;  // the picture would be too large
    }
    std::unique_ptr<uint8_t, FreeDeleter> converted;
    const uint8_t* bits = page.GetBits();
    uint32_t stride = page.GetStride();
    if (page.GetBitsPerPixel() != 24) {
        converted.reset(page.GetBitsAs(24));
        bits = converted.get();
        stride = ZImage::StrideFor(page.GetWidth(), 24);
    } else {
        page.FlushDrawing();
    }
    if (bits == nullptr) {
        return false;
    }
    const size_t blocksNeeded = (static_cast<size_t>(newRows) + m_blockRows - 1) / m_blockRows;
    while (m_blocks.size() < blocksNeeded) {
        std::unique_ptr<uint8_t[]> block(new (std::nothrow) uint8_t[m_blockRows * RowBytes()]);
        if (!block) {
            return false;  // rows collected so far stay
        }
        m_blocks.push_back(std::move(block));
    }
    const uint32_t height = page.GetHeight();
    for (int32_t i = 0; i < rows; ++i) {
        const uint32_t pictureRow = static_cast<uint32_t>(firstPictureRow + i);
        std::memcpy(RowAt(m_rows + i), bits + static_cast<size_t>(height - 1 - pictureRow) * stride,
                    RowBytes());
    }
    m_rows = static_cast<int32_t>(newRows);
    return true;
}

bool ScrollStitcher::TakeResult(ZImage& out) {
    if (m_rows <= 0 || m_width <= 0 ||
        !out.CreateForOverwrite(static_cast<uint32_t>(m_width), static_cast<uint32_t>(m_rows), 24,
                                nullptr)) {
        return false;
    }
    for (int32_t y = 0; y < m_rows; ++y) {
        std::memcpy(out.GetRow(static_cast<uint32_t>(m_rows - 1 - y)), RowAt(y), RowBytes());
    }
    Clear();
    return true;
}

}  // namespace zentrova
