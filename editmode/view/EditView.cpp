#include "editmode/view/EditView.h"

#include <algorithm>

namespace zentrova {

int64_t ScaleByZoom(int64_t value, int32_t zoom) {
    return value * zoom / kZoomOne;
}

int32_t ZoomStepIn(int32_t zoom) {
    return std::clamp(zoom + kZoomStep, kZoomMin, kZoomMax);
}

int32_t ZoomStepOut(int32_t zoom) {
    return std::clamp(zoom - kZoomStep, kZoomMin, kZoomMax);
}

ImageDrawPath ChooseImageDrawPath(int32_t zoom, int32_t drawnWidth, int32_t drawnHeight,
                                  bool cacheCurrent) {
    if (zoom == kZoomOne) {
        return ImageDrawPath::Copy;
    }
    if (cacheCurrent) {
        return ImageDrawPath::Cache;
    }
    const int64_t kb = int64_t{3} * drawnWidth * drawnHeight / 1024;
    return kb < kZoomCacheLimitKb ? ImageDrawPath::RebuildCache : ImageDrawPath::Direct;
}

void EditView::SetScreen(int32_t width, int32_t height) {
    m_screenWidth = std::max(width, 1);
    m_screenHeight = std::max(height, 1);
}

void EditView::ShowNewImage(int32_t width, int32_t height) {
    m_imageWidth = std::max(width, 1);
    m_imageHeight = std::max(height, 1);
    m_zoom = kZoomOne;
    m_scrollX = 0;
    m_scrollY = 0;
    if (m_imageHeight > m_screenHeight) {
        m_scrollY = m_imageHeight / 2 - m_screenHeight / 2 + 10;
    }
    if (m_imageWidth > m_screenWidth) {
        m_scrollX = m_imageWidth / 2 - m_screenWidth / 2 + 10;
    }
}

void EditView::SetImageSize(int32_t width, int32_t height) {
    m_imageWidth = std::max(width, 1);
    m_imageHeight = std::max(height, 1);
    Pan(0, 0);
}

bool EditView::SetZoom(int32_t zoom) {
    const int32_t clamped = std::clamp(zoom, kZoomMin, kZoomMax);
    const bool changed = clamped != m_zoom;
    m_zoom = clamped;
    return changed;
}

void EditView::SetScroll(int32_t scrollX, int32_t scrollY) {
    m_scrollX = scrollX;
    m_scrollY = scrollY;
}

int32_t EditView::LimitScroll(int32_t screen, int32_t drawn, int32_t scroll) {
    // view = (screen - drawn) / 2 + scroll must satisfy view <= centre <= view + drawn.
    const int32_t centre = screen / 2;
    const int32_t base = (screen - drawn) / 2;
    return std::clamp(scroll, centre - base - drawn, centre - base);
}

bool EditView::Pan(int32_t dx, int32_t dy) {
    const int32_t oldX = m_scrollX;
    const int32_t oldY = m_scrollY;
    const int64_t x = std::clamp<int64_t>(int64_t{m_scrollX} + dx, INT32_MIN, INT32_MAX);
    const int64_t y = std::clamp<int64_t>(int64_t{m_scrollY} + dy, INT32_MIN, INT32_MAX);
    m_scrollX = LimitScroll(m_screenWidth, DrawnWidth(), static_cast<int32_t>(x));
    m_scrollY = LimitScroll(m_screenHeight, DrawnHeight(), static_cast<int32_t>(y));
    return m_scrollX != oldX || m_scrollY != oldY;
}

int32_t EditView::DrawnWidth() const {
    return static_cast<int32_t>(std::max<int64_t>(ScaleByZoom(m_imageWidth, m_zoom), 1));
}

int32_t EditView::DrawnHeight() const {
    return static_cast<int32_t>(std::max<int64_t>(ScaleByZoom(m_imageHeight, m_zoom), 1));
}

int32_t EditView::PlaceAxis(int32_t screen, int32_t drawn, int32_t scroll) const {
    int32_t view = (screen - drawn) / 2 + scroll;
    if (scroll != 0) {
        const int32_t centre = screen / 2;
        if (view > centre) {
            view = centre;
        } else if (view + drawn < centre) {
            view = centre - drawn;
        }
    }
    return view;
}

ZRect EditView::GetImageRect() const {
    const int32_t w = DrawnWidth();
    const int32_t h = DrawnHeight();
    ZRect r;
    r.left = PlaceAxis(m_screenWidth, w, m_scrollX);
    r.top = PlaceAxis(m_screenHeight, h, m_scrollY);
    r.right = r.left + w;
    r.bottom = r.top + h;
    return r;
}

ZPoint EditView::WindowToImage(int32_t x, int32_t y) const {
    const ZRect r = GetImageRect();
    ZPoint p;
    p.x = static_cast<int32_t>((int64_t{x} - r.left) * kZoomOne / m_zoom);
    p.y = static_cast<int32_t>((int64_t{y} - r.top) * kZoomOne / m_zoom);
    return p;
}

ZPoint EditView::ImageToWindow(int32_t x, int32_t y) const {
    const ZRect r = GetImageRect();
    ZPoint p;
    p.x = static_cast<int32_t>(ScaleByZoom(x, m_zoom) + r.left);
    p.y = static_cast<int32_t>(ScaleByZoom(y, m_zoom) + r.top);
    return p;
}

}  // namespace zentrova
