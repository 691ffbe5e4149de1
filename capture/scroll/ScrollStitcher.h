// The growing picture of a scrolling capture: the first page, then the rows that came into view
// at every step, top to bottom.
//
// Rows are collected top-down in blocks of about 16 MB, so that no row is copied again while the
// picture grows, never past the image library's limits. TakeResult makes the 24-bit picture of
// exactly the rows collected: whatever ended the capture, no row of it is unfilled.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "image/ZImage.h"

namespace zentrova {

class ScrollStitcher {
  public:
    // Starts over with page as the top of the picture; false (nothing kept) for an empty page.
    bool Start(const ZImage& page);
    // Appends the bottom `rows` rows of page (same width as the first page). False, nothing
    // appended, when page does not fit or the picture would exceed the image library's limits.
    bool AppendBottomRows(const ZImage& page, int32_t rows);
    // Appends the top `rows` rows of page.
    bool AppendTopRows(const ZImage& page, int32_t rows);
    // Appends rows firstPictureRow ... firstPictureRow + rows - 1 (from the top) of page.
    bool AppendPageRows(const ZImage& page, int32_t firstPictureRow, int32_t rows);
    // Forgets the last `rows` rows collected (a footer that is to come once at the end); false,
    // nothing changed, unless at least one row stays.
    bool DropBottomRows(int32_t rows);

    int32_t GetWidth() const { return m_width; }
    int32_t GetHeight() const { return m_rows; }  // rows collected
    // Bytes of row storage held (for the tests of the growth).
    size_t GetStorageBytes() const { return m_blocks.size() * m_blockRows * RowBytes(); }

    // The collected rows as a 24-bit picture; false when nothing was collected or it cannot be
    // made. The stitcher is empty afterwards.
    bool TakeResult(ZImage& out);
    // Forgets every row.
    void Clear();

  private:
    size_t RowBytes() const { return static_cast<size_t>(m_width) * 3; }
    uint8_t* RowAt(int32_t y) const;

    std::vector<std::unique_ptr<uint8_t[]>> m_blocks;  // m_blockRows rows each, top-down
    size_t m_blockRows = 0;
    int32_t m_width = 0;
    int32_t m_rows = 0;
};

}  // namespace zentrova
