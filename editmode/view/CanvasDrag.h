// CanvasDrag: dragging the picture's border on the screen to give it a larger or smaller canvas.
//
// The frame is the picture's window rectangle. A press within 4 pixels of an edge (the frame
// inflated by 2 pixels first), more than 10 pixels from its corners, grabs that edge; a 10 x 10
// square at a corner grabs both of its edges. While dragging, the grabbed edges follow the mouse
// (the frame never shrinks below 1 x 1). On release the new size in picture pixels is
// trunc(frame size * 1000 / zoom) for each axis that moved; an axis that did not move keeps the
// picture's size, and the old picture stays anchored on the side opposite to what moved.
// Portable; no window system.
#pragma once

#include <cstdint>

#include "core/ZRect.h"

namespace zentrova {

// Edges as bits.
enum CanvasEdge : uint32_t {
    kEdgeNone = 0,
    kEdgeLeft = 1,
    kEdgeTop = 2,
    kEdgeRight = 4,
    kEdgeBottom = 8,
};

// The grabbed edges at window point (x, y) for a picture drawn at frame; kEdgeNone for a miss.
uint32_t HitTestCanvasBorder(const ZRect& frame, int32_t x, int32_t y);

// The canvas anchor (0 TopLeft ... 8 BottomRight, as the canvas operation takes it) for the
// edges that moved: the picture stays at the opposite side.
int32_t CanvasAnchorForEdges(uint32_t movedEdges);

struct CanvasChange {
    bool changed = false;  // false: nothing moved, or the size did not change
    int32_t width = 0;
    int32_t height = 0;
    int32_t anchor = 0;
};

class CanvasDrag {
  public:
    // Starts a drag of `edges` of the frame with the mouse at (x, y).
    void Begin(const ZRect& frame, uint32_t edges, int32_t x, int32_t y);
    // The mouse at (x, y): the grabbed edges follow it. True when the frame changed.
    bool MoveTo(int32_t x, int32_t y);
    bool IsActive() const { return m_edges != kEdgeNone; }
    const ZRect& GetFrame() const { return m_frame; }
    // Ends the drag: the canvas change for a picture of imageWidth x imageHeight at zoom.
    CanvasChange Finish(int32_t zoom, int32_t imageWidth, int32_t imageHeight);
    void Cancel() { m_edges = kEdgeNone; }

  private:
    ZRect m_start;
    ZRect m_frame;
    uint32_t m_edges = kEdgeNone;
    int32_t m_offsetX = 0;  // mouse minus the grabbed edge at the press
    int32_t m_offsetY = 0;
};

}  // namespace zentrova
