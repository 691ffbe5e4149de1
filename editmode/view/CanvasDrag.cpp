#include "editmode/view/CanvasDrag.h"

#include <algorithm>
#include <cstdlib>

#include "editmode/view/EditView.h"

namespace zentrova {

namespace {

constexpr int32_t kInflate = 2;
constexpr int32_t kBand = 4;
constexpr int32_t kCorner = 10;

}  // namespace

uint32_t HitTestCanvasBorder(const ZRect& frame, int32_t x, int32_t y) {
    const ZRect f{frame.left - kInflate, frame.top - kInflate, frame.right + kInflate,
                  frame.bottom + kInflate};
    const bool nearLeft = std::abs(x - f.left) <= kBand;
    const bool nearRight = std::abs(x - f.right) <= kBand;
    const bool nearTop = std::abs(y - f.top) <= kBand;
    const bool nearBottom = std::abs(y - f.bottom) <= kBand;
    const bool betweenX = x > f.left + kCorner && x < f.right - kCorner;
    const bool betweenY = y > f.top + kCorner && y < f.bottom - kCorner;
    if (betweenX && nearTop)
        return kEdgeTop;
    if (betweenX && nearBottom)
        return kEdgeBottom;
    if (betweenY && nearLeft)
        return kEdgeLeft;
    if (betweenY && nearRight)
        return kEdgeRight;
    // Corner squares: 10 x 10 at each corner of the inflated frame.
    const bool atLeft = x >= f.left && x < f.left + kCorner;
    const bool atRight = x > f.right - kCorner && x <= f.right;
    const bool atTop = y >= f.top && y < f.top + kCorner;
    const bool atBottom = y > f.bottom - kCorner && y <= f.bottom;
    if (atLeft && atTop)
        return kEdgeLeft | kEdgeTop;
    if (atRight && atTop)
        return kEdgeRight | kEdgeTop;
    if (atLeft && atBottom)
        return kEdgeLeft | kEdgeBottom;
    if (atRight && atBottom)
        return kEdgeRight | kEdgeBottom;
    return kEdgeNone;
}

int32_t CanvasAnchorForEdges(uint32_t moved) {
    const int32_t column = (moved & kEdgeLeft) ? 2 : (moved & kEdgeRight) ? 0 : 1;
    const int32_t row = (moved & kEdgeTop) ? 2 : (moved & kEdgeBottom) ? 0 : 1;
    if (moved == kEdgeNone) {
        return 0;
    }
    return row * 3 + column;
}

void CanvasDrag::Begin(const ZRect& frame, uint32_t edges, int32_t x, int32_t y) {
    m_start = frame;
    m_frame = frame;
    m_edges = edges;
    m_offsetX = (edges & kEdgeLeft) ? x - frame.left : (edges & kEdgeRight) ? x - frame.right : 0;
    m_offsetY = (edges & kEdgeTop) ? y - frame.top : (edges & kEdgeBottom) ? y - frame.bottom : 0;
}

bool CanvasDrag::MoveTo(int32_t x, int32_t y) {
    if (!IsActive()) {
        return false;
    }
    const ZRect before = m_frame;
    const int32_t ex = x - m_offsetX;
    const int32_t ey = y - m_offsetY;
    if (m_edges & kEdgeLeft)
        m_frame.left = std::min(ex, m_frame.right - 1);
    if (m_edges & kEdgeRight)
        m_frame.right = std::max(ex, m_frame.left + 1);
    if (m_edges & kEdgeTop)
        m_frame.top = std::min(ey, m_frame.bottom - 1);
    if (m_edges & kEdgeBottom)
        m_frame.bottom = std::max(ey, m_frame.top + 1);
    return m_frame != before;
}

CanvasChange CanvasDrag::Finish(int32_t zoom, int32_t imageWidth, int32_t imageHeight) {
    CanvasChange change;
    if (!IsActive()) {
        return change;
    }
    uint32_t moved = kEdgeNone;
    if (m_frame.left != m_start.left)
        moved |= kEdgeLeft;
    if (m_frame.right != m_start.right)
        moved |= kEdgeRight;
    if (m_frame.top != m_start.top)
        moved |= kEdgeTop;
    if (m_frame.bottom != m_start.bottom)
        moved |= kEdgeBottom;
    m_edges = kEdgeNone;
    const bool horizontal = (moved & (kEdgeLeft | kEdgeRight)) != 0;
    const bool vertical = (moved & (kEdgeTop | kEdgeBottom)) != 0;
    const int64_t w = int64_t{m_frame.Width()} * kZoomOne / zoom;
    const int64_t h = int64_t{m_frame.Height()} * kZoomOne / zoom;
    change.width =
        horizontal ? static_cast<int32_t>(std::clamp<int64_t>(w, 1, INT32_MAX)) : imageWidth;
    change.height =
        vertical ? static_cast<int32_t>(std::clamp<int64_t>(h, 1, INT32_MAX)) : imageHeight;
    change.anchor = CanvasAnchorForEdges(moved);
    change.changed = change.width != imageWidth || change.height != imageHeight;
    return change;
}

}  // namespace zentrova
