// The rectangle selection of the free-rectangle mode: hit test, drags of edges and corners,
// normalising on release and the handle positions.
//
// Coordinates are virtual-screen coordinates (0, 0 is the top-left corner of the virtual
// screen). The selection covers the columns left ... right and the rows top ... bottom, both
// ends included, so its size is (right - left + 1) x (bottom - top + 1).
#pragma once

#include <array>
#include <cstdint>

namespace zentrova {

struct SelectionRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// A selection exists while it spans at least one pixel step in both directions.
bool HasSelection(const SelectionRect& s);
int32_t SelectionWidth(const SelectionRect& s);   // right - left + 1
int32_t SelectionHeight(const SelectionRect& s);  // bottom - top + 1

// Where a point lies relative to the selection; the first matching zone of this order wins.
enum class SelectionHit {
    TopOrBottomEdge,  // left+10 < x < right-10, y within 3 pixels of top or bottom
    LeftOrRightEdge,  // top+10 < y < bottom-10, x within 3 pixels of left or right
    TopLeft,          // left-1 < x < left+10, top-1 < y < top+10
    BottomRight,      // right-10 < x < right+1, bottom-10 < y < bottom+1
    TopRight,         // right-10 < x < right+1, top-1 < y < top+10
    BottomLeft,       // left-1 < x < left+10, bottom-10 < y < bottom+1
    Inside,           // strictly inside
    Outside,
};

SelectionHit HitTestSelection(const SelectionRect& s, int32_t x, int32_t y);

// The cursor shown over a zone.
enum class SelectionCursor { Cross, SizeNS, SizeWE, SizeNWSE, SizeNESW, Hand };
// Edges: their size cursor; Inside: the hand; Outside: the cross.
SelectionCursor CursorForHit(SelectionHit hit);

// Which edges a press in the zone moves.
struct DragFlags {
    bool verticalEdge = false;    // top or bottom edge
    bool horizontalEdge = false;  // left or right edge
};
DragFlags DragFlagsForHit(SelectionHit hit);

// One drag step to (x, y). horizontalEdge: the nearer of left and right follows x (left of the
// middle left + (right - left) / 2: left = max(x, 0); right of it: right = min(x, virtualWidth);
// on the middle nothing moves); verticalEdge likewise for top and bottom with virtualHeight.
// Neither flag: the bottom-right corner follows (right = x, bottom = y).
void DragSelection(SelectionRect& s, const DragFlags& flags, int32_t x, int32_t y,
                   int32_t virtualWidth, int32_t virtualHeight);

// End of a drag: a selection less than 1 pixel step wide or high becomes empty (all zero);
// otherwise the corners are ordered so that left <= right and top <= bottom.
void FinishSelection(SelectionRect& s);

// Centres of the eight handles: the four corners and the four edge midpoints, in the order
// top-left, top-middle, top-right, right-middle, bottom-right, bottom-middle, bottom-left,
// left-middle.
struct SelectionPoint {
    int32_t x = 0;
    int32_t y = 0;
};
std::array<SelectionPoint, 8> SelectionHandleCentres(const SelectionRect& s);
// Each handle is a square of kHandleSize pixels centred on its point.
constexpr int32_t kHandleSize = 4;

}  // namespace zentrova
