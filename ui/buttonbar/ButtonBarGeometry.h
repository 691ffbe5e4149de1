// Geometry of a button bar: the cell size read from the button image, where the bar sits at each
// screen edge (shown, or collapsed to a strip), where each button and each image cell is, which
// button a point hits and where the tooltip goes.
//
// All divisions are integer divisions. Coordinates are pixels: screen coordinates for the bar and
// the tooltip, client coordinates of the bar for the buttons, picture coordinates (from the
// top-left) for the image cells.
#pragma once

#include <cstdint>

namespace zentrova {

// The screen edge a bar is docked to; the values are those of GeneralBBCaptureAlignment.
enum class BarAlignment : uint32_t { Left = 0, Top = 1, Right = 2, Bottom = 3 };

// Alignment of a stored value; false for anything but 0..3.
bool BarAlignmentFromValue(uint32_t value, BarAlignment& alignment);
// Left and Right stack the buttons top to bottom; Top and Bottom put them side by side.
inline bool IsVerticalBar(BarAlignment alignment) {
    return alignment == BarAlignment::Left || alignment == BarAlignment::Right;
}

// Button states, also the state index of the image cells.
enum class ButtonState : int32_t { Normal = 0, Hover = 1, Pressed = 2 };
constexpr int32_t kButtonStateCount = 3;

// A collapsed bar is this many pixels thick.
constexpr int32_t kCollapsedBarThickness = 4;

struct BarRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    bool Contains(int32_t px, int32_t py) const {
        return px >= x && py >= y && px - x < width && py - y < height;
    }
    int32_t Right() const { return x + width; }
    int32_t Bottom() const { return y + height; }
};

inline bool operator==(const BarRect& a, const BarRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

struct BarPoint {
    int32_t x = 0;
    int32_t y = 0;
};

inline bool operator==(const BarPoint& a, const BarPoint& b) {
    return a.x == b.x && a.y == b.y;
}

struct CellSize {
    int32_t width = 0;
    int32_t height = 0;
};

// Cell size of a button image of imageWidth x imageHeight with count buttons: states in rows
// (buttons left to right, three state rows) gives width / count by height / 3; states in columns
// (three state columns, buttons top to bottom) gives width / 3 by height / count. False for a count
// of 0, a count above kMaxBarButtons or an image too small to give a cell of at least 1 x 1.
constexpr uint32_t kMaxBarButtons = 256;
bool ComputeCellSize(uint32_t imageWidth, uint32_t imageHeight, uint32_t count,
                     bool statesInColumns, CellSize& cell);

// The bar's screen rectangle on a screen of screenWidth x screenHeight for count buttons of the
// given cell size, shown at full size or collapsed to a kCollapsedBarThickness-pixel strip at the
// edge. Centred on the edge: along it the bar starts at half the screen minus half the bar length.
BarRect ComputeBarRect(BarAlignment alignment, int32_t screenWidth, int32_t screenHeight,
                       uint32_t count, CellSize cell, bool collapsed);

// Client rectangle of button index: (0, index * height) on vertical bars, (index * width, 0) on
// horizontal ones, one cell in size.
BarRect ButtonCellRect(BarAlignment alignment, uint32_t index, CellSize cell);

// Picture rectangle of the image cell of button index in state.
BarRect ImageCellRect(bool statesInColumns, uint32_t index, ButtonState state, CellSize cell);

// The button whose cell holds the client point, or -1 outside every cell.
int32_t ButtonAtPoint(BarAlignment alignment, uint32_t count, CellSize cell, int32_t x, int32_t y);

// State a button is painted in: Normal unless the cursor is inside its cell; then Pressed while a
// mouse button is down over the bar, else Hover.
ButtonState ButtonStateFor(bool cursorInCell, bool pressed);

// Screen position of a tooltip of tipWidth x tipHeight for a bar at bar (screen rectangle) with
// the cursor at cursor: beside the bar on its inner side, at the cursor's height on vertical bars
// and centred on the cursor's x on horizontal ones.
BarPoint ComputeTooltipPosition(BarAlignment alignment, const BarRect& bar, BarPoint cursor,
                                int32_t tipWidth, int32_t tipHeight);

}  // namespace zentrova
