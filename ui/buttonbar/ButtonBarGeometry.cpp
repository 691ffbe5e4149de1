#include "ui/buttonbar/ButtonBarGeometry.h"

namespace zentrova {

bool BarAlignmentFromValue(uint32_t value, BarAlignment& alignment) {
    if (value > static_cast<uint32_t>(BarAlignment::Bottom)) {
        return false;
    }
    alignment = static_cast<BarAlignment>(value);
    return true;
}

bool ComputeCellSize(uint32_t imageWidth, uint32_t imageHeight, uint32_t count,
                     bool statesInColumns, CellSize& cell) {
    if (count == 0 || count > kMaxBarButtons) {
        return false;
    }
    const uint32_t width = statesInColumns ? imageWidth / kButtonStateCount : imageWidth / count;
    const uint32_t height = statesInColumns ? imageHeight / count : imageHeight / kButtonStateCount;
    // A cell of a sane image is far below this; the cap keeps every product of the geometry
    // (count * cell) well inside 32 bits.
    constexpr uint32_t kMaxCell = 1u << 16;
    if (width == 0 || height == 0 || width > kMaxCell || height > kMaxCell) {
        return false;
    }
    cell.width = static_cast<int32_t>(width);
    cell.height = static_cast<int32_t>(height);
    return true;
}

BarRect ComputeBarRect(BarAlignment alignment, int32_t screenWidth, int32_t screenHeight,
                       uint32_t count, CellSize cell, bool collapsed) {
    const int32_t n = static_cast<int32_t>(count);
    BarRect r;
    if (IsVerticalBar(alignment)) {
        r.y = screenHeight / 2 - n * cell.height / 2;
        r.height = n * cell.height;
        r.width = collapsed ? kCollapsedBarThickness : cell.width;
        r.x = alignment == BarAlignment::Left ? 0 : screenWidth - r.width;
    } else {
        r.x = screenWidth / 2 - n * cell.width / 2;
        r.width = n * cell.width;
        r.height = collapsed ? kCollapsedBarThickness : cell.height;
        r.y = alignment == BarAlignment::Top ? 0 : screenHeight - r.height;
    }
    return r;
}

BarRect ButtonCellRect(BarAlignment alignment, uint32_t index, CellSize cell) {
    const int32_t i = static_cast<int32_t>(index);
    if (IsVerticalBar(alignment)) {
        return {0, i * cell.height, cell.width, cell.height};
    }
    return {i * cell.width, 0, cell.width, cell.height};
}

BarRect ImageCellRect(bool statesInColumns, uint32_t index, ButtonState state, CellSize cell) {
    const int32_t i = static_cast<int32_t>(index);
    const int32_t s = static_cast<int32_t>(state);
    if (statesInColumns) {
        return {s * cell.width, i * cell.height, cell.width, cell.height};
    }
    return {i * cell.width, s * cell.height, cell.width, cell.height};
}

int32_t ButtonAtPoint(BarAlignment alignment, uint32_t count, CellSize cell, int32_t x, int32_t y) {
    if (x < 0 || y < 0 || cell.width <= 0 || cell.height <= 0) {
        return -1;
    }
    const bool vertical = IsVerticalBar(alignment);
    const int32_t across = vertical ? x : y;
    const int32_t along = vertical ? y : x;
    const int32_t thickness = vertical ? cell.width : cell.height;
    const int32_t length = vertical ? cell.height : cell.width;
    if (across >= thickness) {
        return -1;
    }
    const int32_t index = along / length;
    return index < static_cast<int32_t>(count) ? index : -1;
}

ButtonState ButtonStateFor(bool cursorInCell, bool pressed) {
    if (!cursorInCell) {
        return ButtonState::Normal;
    }
    return pressed ? ButtonState::Pressed : ButtonState::Hover;
}

BarPoint ComputeTooltipPosition(BarAlignment alignment, const BarRect& bar, BarPoint cursor,
                                int32_t tipWidth, int32_t tipHeight) {
    switch (alignment) {
        case BarAlignment::Left:
            return {bar.Right(), cursor.y};
        case BarAlignment::Top:
            return {cursor.x - tipWidth / 2, bar.Bottom()};
        case BarAlignment::Right:
            return {bar.x - tipWidth, cursor.y};
        case BarAlignment::Bottom:
        default:
            return {cursor.x - tipWidth / 2, bar.y - tipHeight};
    }
}

}  // namespace zentrova
