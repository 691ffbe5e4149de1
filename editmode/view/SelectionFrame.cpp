#include "editmode/view/SelectionFrame.h"

#include <algorithm>
#include <cstdlib>

namespace zentrova {

namespace {

constexpr int32_t kBand = 4;
constexpr int32_t kCorner = 10;

bool Near(int32_t value, int32_t edge) {
    return std::abs(value - edge) <= kBand;
}

}  // namespace

FrameCursor CursorForGrab(FrameGrab grab) {
    switch (grab) {
        case FrameGrab::TopOrBottom:
            return FrameCursor::SizeNS;
        case FrameGrab::LeftOrRight:
            return FrameCursor::SizeWE;
        case FrameGrab::TopLeft:
        case FrameGrab::BottomRight:
            return FrameCursor::SizeNWSE;
        case FrameGrab::TopRight:
        case FrameGrab::BottomLeft:
            return FrameCursor::SizeNESW;
        case FrameGrab::Inside:
            return FrameCursor::Move;
        case FrameGrab::None:
            break;
    }
    return FrameCursor::Cross;
}

void SelectionFrame::Clear() {
    m_rect = ZRect{};
    m_exists = false;
    m_dragging = false;
    m_grab = FrameGrab::None;
}

bool SelectionFrame::Set(const ZRect& rect, int32_t imageWidth, int32_t imageHeight) {
    ZRect r;
    r.left = std::max(std::min(rect.left, rect.right), 0);
    r.top = std::max(std::min(rect.top, rect.bottom), 0);
    r.right = std::min(std::max(rect.left, rect.right), imageWidth);
    r.bottom = std::min(std::max(rect.top, rect.bottom), imageHeight);
    if (r.IsEmpty()) {
        Clear();
        return false;
    }
    m_rect = r;
    m_exists = true;
    m_imageWidth = imageWidth;
    m_imageHeight = imageHeight;
    return true;
}

void SelectionFrame::ClampTo(int32_t imageWidth, int32_t imageHeight) {
    m_imageWidth = imageWidth;
    m_imageHeight = imageHeight;
    if (!m_exists) {
        return;
    }
    if (imageWidth < 1 || imageHeight < 1) {
        Clear();
        return;
    }
    ZRect& r = m_rect;
    r.right = std::clamp(r.right, 1, imageWidth);
    r.bottom = std::clamp(r.bottom, 1, imageHeight);
    r.left = std::clamp(r.left, 0, r.right - 1);
    r.top = std::clamp(r.top, 0, r.bottom - 1);
}

FrameGrab SelectionFrame::HitTest(const ZRect& w, int32_t x, int32_t y) const {
    if (!m_exists) {
        return FrameGrab::None;
    }
    const bool insideX = x > w.left + kCorner && x < w.right - kCorner;
    const bool insideY = y > w.top + kCorner && y < w.bottom - kCorner;
    if (insideX && (Near(y, w.top) || Near(y, w.bottom))) {
        return FrameGrab::TopOrBottom;
    }
    if (insideY && (Near(x, w.left) || Near(x, w.right))) {
        return FrameGrab::LeftOrRight;
    }
    const bool left = x >= w.left - kBand && x < w.left + kCorner;
    const bool right = x > w.right - kCorner && x <= w.right + kBand;
    const bool top = y >= w.top - kBand && y < w.top + kCorner;
    const bool bottom = y > w.bottom - kCorner && y <= w.bottom + kBand;
    if (left && top)
        return FrameGrab::TopLeft;
    if (right && top)
        return FrameGrab::TopRight;
    if (left && bottom)
        return FrameGrab::BottomLeft;
    if (right && bottom)
        return FrameGrab::BottomRight;
    if (w.Contains(x, y)) {
        return FrameGrab::Inside;
    }
    return FrameGrab::None;
}

void SelectionFrame::BeginDrag(FrameGrab grab, ZPoint pixel, int32_t imageWidth,
                               int32_t imageHeight) {
    m_imageWidth = imageWidth;
    m_imageHeight = imageHeight;
    m_grab = m_exists ? grab : FrameGrab::None;
    m_carryX = 0;
    m_carryY = 0;
    m_dragging = true;
    if (m_grab == FrameGrab::None) {
        m_anchor.x = std::clamp(pixel.x, 0, std::max(imageWidth - 1, 0));
        m_anchor.y = std::clamp(pixel.y, 0, std::max(imageHeight - 1, 0));
        Set(ZRect{m_anchor.x, m_anchor.y, m_anchor.x + 1, m_anchor.y + 1}, imageWidth, imageHeight);
    }
}

bool SelectionFrame::DragTo(ZPoint pixel, int32_t windowDx, int32_t windowDy, int32_t zoom) {
    if (!m_dragging || !m_exists) {
        return false;
    }
    const ZRect before = m_rect;
    ZRect& r = m_rect;
    const int32_t x = std::clamp(pixel.x, 0, m_imageWidth);
    const int32_t y = std::clamp(pixel.y, 0, m_imageHeight);
    switch (m_grab) {
        case FrameGrab::None: {
            // The spanned pixels between the pressed one and the one under the mouse.
            const int32_t px = std::min(x, m_imageWidth - 1);
            const int32_t py = std::min(y, m_imageHeight - 1);
            r.left = std::min(m_anchor.x, px);
            r.right = std::max(m_anchor.x, px) + 1;
            r.top = std::min(m_anchor.y, py);
            r.bottom = std::max(m_anchor.y, py) + 1;
            break;
        }
        case FrameGrab::Inside: {
            // Kept in window units so that no fraction of a picture pixel is lost: three
            // window pixels at zoom 3000 are exactly one picture pixel.
            m_carryX += int64_t{windowDx} * kZoomOne;
            m_carryY += int64_t{windowDy} * kZoomOne;
            const int32_t stepX = static_cast<int32_t>(m_carryX / zoom);
            const int32_t stepY = static_cast<int32_t>(m_carryY / zoom);
            m_carryX -= int64_t{stepX} * zoom;
            m_carryY -= int64_t{stepY} * zoom;
            Move(stepX, stepY);
            break;
        }
        default: {
            const bool horizontal = m_grab != FrameGrab::TopOrBottom;
            const bool vertical = m_grab != FrameGrab::LeftOrRight;
            // The edge on the mouse's side of the frame's middle follows the mouse.
            if (horizontal) {
                if (x * 2 < r.left + r.right) {
                    r.left = std::min(x, r.right - 1);
                } else {
                    r.right = std::max(x, r.left + 1);
                }
            }
            if (vertical) {
                if (y * 2 < r.top + r.bottom) {
                    r.top = std::min(y, r.bottom - 1);
                } else {
                    r.bottom = std::max(y, r.top + 1);
                }
            }
            break;
        }
    }
    return r != before;
}

bool SelectionFrame::Move(int32_t dx, int32_t dy) {
    if (!m_exists) {
        return false;
    }
    const int32_t mx = std::clamp(dx, -m_rect.left, m_imageWidth - m_rect.right);
    const int32_t my = std::clamp(dy, -m_rect.top, m_imageHeight - m_rect.bottom);
    m_rect.left += mx;
    m_rect.right += mx;
    m_rect.top += my;
    m_rect.bottom += my;
    return mx != 0 || my != 0;
}

bool SelectionFrame::Grow(int32_t dx, int32_t dy) {
    if (!m_exists) {
        return false;
    }
    const ZRect before = m_rect;
    m_rect.right = std::clamp(m_rect.right + dx, m_rect.left + 1, m_imageWidth);
    m_rect.bottom = std::clamp(m_rect.bottom + dy, m_rect.top + 1, m_imageHeight);
    return m_rect != before;
}

}  // namespace zentrova
