#include "capture/overlay/SelectionGeometry.h"

#include <algorithm>

namespace zentrova {

bool HasSelection(const SelectionRect& s) {
    return s.left != s.right && s.top != s.bottom;
}

int32_t SelectionWidth(const SelectionRect& s) {
    return s.right - s.left + 1;
}

int32_t SelectionHeight(const SelectionRect& s) {
    return s.bottom - s.top + 1;
}

SelectionHit HitTestSelection(const SelectionRect& s, int32_t x, int32_t y) {
    const int32_t l = s.left;
    const int32_t t = s.top;
    const int32_t r = s.right;
    const int32_t b = s.bottom;
    if (l + 10 < x && x < r - 10 && ((t - 4 < y && y < t + 4) || (b - 4 < y && y < b + 4))) {
        return SelectionHit::TopOrBottomEdge;
    }
    if (t + 10 < y && y < b - 10 && ((l - 4 < x && x < l + 4) || (r - 4 < x && x < r + 4))) {
        return SelectionHit::LeftOrRightEdge;
    }
    const bool nearLeft = l - 1 < x && x < l + 10;
    const bool nearRight = r - 10 < x && x < r + 1;
    const bool nearTop = t - 1 < y && y < t + 10;
    const bool nearBottom = b - 10 < y && y < b + 1;
    if (nearLeft && nearTop) {
        return SelectionHit::TopLeft;
    }
    if (nearRight && nearBottom) {
        return SelectionHit::BottomRight;
    }
    if (nearRight && nearTop) {
        return SelectionHit::TopRight;
    }
    if (nearLeft && nearBottom) {
        return SelectionHit::BottomLeft;
    }
    if (l < x && x < r && t < y && y < b) {
        return SelectionHit::Inside;
    }
    return SelectionHit::Outside;
}

SelectionCursor CursorForHit(SelectionHit hit) {
    switch (hit) {
        case SelectionHit::TopOrBottomEdge:
            return SelectionCursor::SizeNS;
        case SelectionHit::LeftOrRightEdge:
            return SelectionCursor::SizeWE;
        case SelectionHit::TopLeft:
        case SelectionHit::BottomRight:
            return SelectionCursor::SizeNWSE;
        case SelectionHit::TopRight:
        case SelectionHit::BottomLeft:
            return SelectionCursor::SizeNESW;
        case SelectionHit::Inside:
            return SelectionCursor::Hand;
        case SelectionHit::Outside:
            break;
    }
    return SelectionCursor::Cross;
}

DragFlags DragFlagsForHit(SelectionHit hit) {
    DragFlags flags;
    switch (hit) {
        case SelectionHit::TopOrBottomEdge:
            flags.verticalEdge = true;
            break;
        case SelectionHit::LeftOrRightEdge:
            flags.horizontalEdge = true;
            break;
        case SelectionHit::TopLeft:
        case SelectionHit::BottomRight:
        case SelectionHit::TopRight:
        case SelectionHit::BottomLeft:
            flags.verticalEdge = true;
            flags.horizontalEdge = true;
            break;
        case SelectionHit::Inside:
        case SelectionHit::Outside:
            break;
    }
    return flags;
}

void DragSelection(SelectionRect& s, const DragFlags& flags, int32_t x, int32_t y,
                   int32_t virtualWidth, int32_t virtualHeight) {
    if (!flags.horizontalEdge && !flags.verticalEdge) {
        s.right = x;
        s.bottom = y;
        return;
    }
    if (flags.horizontalEdge) {
        const int32_t middle = s.left + (s.right - s.left) / 2;
        if (x < middle) {
            s.left = std::max(x, 0);
        } else if (x > middle) {
            s.right = std::min(x, virtualWidth);
        }
    }
    if (flags.verticalEdge) {
        const int32_t middle = s.top + (s.bottom - s.top) / 2;
        if (y < middle) {
            s.top = std::max(y, 0);
        } else if (y > middle) {
            s.bottom = std::min(y, virtualHeight);
        }
    }
}

void FinishSelection(SelectionRect& s) {
    // Less than one pixel step apart means equal: the corners are whole pixels.
    if (s.right == s.left || s.bottom == s.top) {
        s = SelectionRect{};
        return;
    }
    if (s.left > s.right) {
        std::swap(s.left, s.right);
    }
    if (s.top > s.bottom) {
        std::swap(s.top, s.bottom);
    }
}

std::array<SelectionPoint, 8> SelectionHandleCentres(const SelectionRect& s) {
    const int32_t midX = s.left + (s.right - s.left) / 2;
    const int32_t midY = s.top + (s.bottom - s.top) / 2;
    return {{{s.left, s.top},
             {midX, s.top},
             {s.right, s.top},
             {s.right, midY},
             {s.right, s.bottom},
             {midX, s.bottom},
             {s.left, s.bottom},
             {s.left, midY}}};
}

}  // namespace zentrova
