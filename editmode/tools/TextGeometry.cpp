#include "editmode/tools/TextGeometry.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace zentrova {

namespace {

constexpr int32_t kConfirmWidth = 70;
constexpr int32_t kConfirmHeight = 22;
constexpr int32_t kRowGap = 4;

}  // namespace

ZRect CalloutBubble(const ZRect& f) {
    return ZRect{f.left - kCalloutMargin, f.top - kCalloutMargin, f.right + kCalloutMargin,
                 f.bottom + kCalloutMargin};
}

ZPoint SnapCalloutBase(ZPoint base, int32_t width, int32_t height) {
    if (base.x >= 0 && base.x <= width) {
        base.y = base.y < height / 2 ? -kCalloutMargin : height + kCalloutMargin;
    } else if (base.y >= 0 && base.y <= height) {
        base.x = base.x < width / 2 ? -kCalloutMargin : width + kCalloutMargin;
    }
    base.x = std::clamp(base.x, -kCalloutMargin, std::max(width, 0) + kCalloutMargin);
    base.y = std::clamp(base.y, -kCalloutMargin, std::max(height, 0) + kCalloutMargin);
    return base;
}

ZPoint CalloutBasePoint(const ZRect& frame, ZPoint base) {
    const ZPoint b = SnapCalloutBase(base, frame.Width(), frame.Height());
    return ZPoint{frame.left + b.x, frame.top + b.y};
}

ToolShape MakeCalloutBubble(const ZRect& frame, int32_t lineStyle, bool filled) {
    Figure bubble;
    bubble.kind = FigureKind::RoundRect;
    bubble.rect = CalloutBubble(frame);
    bubble.corner = kCalloutCorner;
    bubble.penWidth = kCalloutPenWidth;
    bubble.lineStyle = filled ? 0 : lineStyle;
    bubble.filled = filled;
    ToolShape shape;
    shape.figures.push_back(bubble);
    return shape;
}

ToolShape MakeCalloutTail(const ZRect& frame, ZPoint tip, ZPoint base, int32_t lineStyle) {
    return MakeArrowShape(tip, CalloutBasePoint(frame, base), ArrowStyle::Default, lineStyle);
}

ToolShape MakeHandleSquares(ZPoint a, ZPoint b) {
    ToolShape shape;
    for (const ZPoint& p : {a, b}) {
        Figure square;
        square.kind = FigureKind::RoundRect;
        square.rect = ZRect{p.x - kCalloutHandle / 2, p.y - kCalloutHandle / 2,
                            p.x + kCalloutHandle / 2, p.y + kCalloutHandle / 2};
        square.penWidth = 1;
        square.filled = true;
        shape.figures.push_back(square);
    }
    return shape;
}

bool GrabsHandle(ZPoint press, ZPoint handle) {
    return std::llabs(int64_t{press.x} - handle.x) < kCalloutHandle &&
           std::llabs(int64_t{press.y} - handle.y) < kCalloutHandle;
}

ZPoint PixelAccumulator::Add(int32_t dx, int32_t dy, int32_t zoom) {
    const int64_t z = std::max(zoom, 1);
    m_x += int64_t{dx} * kZoomOne;
    m_y += int64_t{dy} * kZoomOne;
    const int64_t px = m_x / z;  // toward zero: the remainder keeps its sign
    const int64_t py = m_y / z;
    m_x -= px * z;
    m_y -= py * z;
    return ZPoint{static_cast<int32_t>(px), static_cast<int32_t>(py)};
}

int32_t TextFontHeight(int32_t screenHeight, int32_t zoom) {
    const int64_t h = int64_t{screenHeight} * kZoomOne / std::max(zoom, 1);
    if (h == 0) {
        return screenHeight < 0 ? -1 : 1;
    }
    return static_cast<int32_t>(std::clamp<int64_t>(h, -100000, 100000));
}

int32_t TextShadowLimit(int32_t fontHeight, int32_t dpiY) {
    const int64_t points = std::llabs(int64_t{fontHeight} * 72 / std::max(dpiY, 1));
    if (points < 20) {
        return 1;
    }
    if (points < 28) {
        return 2;
    }
    return INT32_MAX;
}

TextControlsLayout LayOutTextControls(const ZRect& f, bool callout, int32_t minColumn) {
    TextControlsLayout l;
    l.editor = ZRect{f.left + 1, f.top + 13, f.left + 1 + std::max(f.Width() - 3, 1),
                     f.top + 13 + std::max(f.Height() - 15, 1)};
    const int32_t c = std::max(std::max(f.Width(), 300) / 3, minColumn);
    const int32_t centre = f.left + f.Width() / 2;
    const int32_t left = centre - 3 * c / 2;
    int32_t top = f.bottom + kRowGap + (callout ? kCalloutControlsDrop : 0);
    auto cell = [&](int32_t column, int32_t height) {
        return ZRect{left + column * c, top, left + (column + 1) * c, top + height};
    };
    l.chooseFont = cell(0, kTextControlHeight);
    l.textColour = cell(1, kTextControlHeight);
    l.alignment = cell(2, kTextControlHeight);
    top += kTextControlHeight + kRowGap;
    l.drawShadow = cell(0, kTextControlHeight);
    l.shadowColour = cell(1, kTextControlHeight);
    top += kTextControlHeight + kRowGap;
    l.yes = ZRect{centre - kConfirmWidth, top, centre, top + kConfirmHeight};
    l.no = ZRect{centre, top, centre + kConfirmWidth, top + kConfirmHeight};
    return l;
}

}  // namespace zentrova
