// SelectionFrame: the rectangle a shape tool works on, in picture pixels (left and top inside,
// right and bottom one past the last column and row).
//
// Invariant while a frame exists: 0 <= left < right <= picture width, 0 <= top < bottom <=
// picture height, so it is always inside the picture and at least 1 x 1. Every operation keeps
// it, and ClampTo re-establishes it after the picture changed its size.
//
// Grabbing works in window pixels (the bands are fixed on the screen whatever the zoom): the
// frame's window rectangle comes from EditView.
// Portable; no window system.
#pragma once

#include <cstdint>

#include "core/ZRect.h"
#include "editmode/view/EditView.h"

namespace zentrova {

// What a press on the frame grabbed. Bands: top and bottom edges +-4 pixels and more than 10
// pixels from the corners, left and right likewise, then the four 10 x 10 corner squares (inside
// the frame's corners), then the inside.
enum class FrameGrab {
    None,
    TopOrBottom,
    LeftOrRight,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
    Inside
};

// The cursor of a grab: sizing cursors for edges and corners, move for the inside, cross for none.
enum class FrameCursor { Cross, SizeNS, SizeWE, SizeNWSE, SizeNESW, Move };
FrameCursor CursorForGrab(FrameGrab grab);

class SelectionFrame {
  public:
    bool Exists() const { return m_exists; }
    const ZRect& Get() const { return m_rect; }
    void Clear();
    // Sets the frame (clipped to the picture; false and cleared when nothing of it is left).
    bool Set(const ZRect& rect, int32_t imageWidth, int32_t imageHeight);
    // Clips the frame to a picture of the new size, keeping it at least 1 x 1.
    void ClampTo(int32_t imageWidth, int32_t imageHeight);

    // Where the window point (x, y) lies on the frame drawn at windowRect.
    FrameGrab HitTest(const ZRect& windowRect, int32_t x, int32_t y) const;

    // Starts a drag. A grab of None starts a new 1 x 1 frame at the picture pixel `pixel`
    // (clipped into the picture); the other grabs remember what they hold.
    void BeginDrag(FrameGrab grab, ZPoint pixel, int32_t imageWidth, int32_t imageHeight);
    // One mouse step. pixel: the picture pixel under the mouse (may lie outside the picture);
    // windowDx, windowDy: the mouse motion in window pixels since the last step (for moving the
    // inside, in steps of whole picture pixels at the zoom). True when the frame changed.
    bool DragTo(ZPoint pixel, int32_t windowDx, int32_t windowDy, int32_t zoom);
    void EndDrag() {
        m_grab = FrameGrab::None;
        m_dragging = false;
    }
    bool IsDragging() const { return m_dragging; }
    // What the running drag holds (None for a new frame).
    FrameGrab GetGrab() const { return m_grab; }

    // Arrow keys: the whole frame moves by (dx, dy) pixels, stopping at the picture's edges.
    bool Move(int32_t dx, int32_t dy);
    // Shift + arrow keys: the right edge by dx, the bottom edge by dy, keeping 1 x 1 and the
    // picture's size.
    bool Grow(int32_t dx, int32_t dy);

  private:
    ZRect m_rect;
    bool m_exists = false;
    bool m_dragging = false;
    FrameGrab m_grab = FrameGrab::None;
    ZPoint m_anchor;       // a new frame: the pressed pixel
    int64_t m_carryX = 0;  // moving: motion not yet used, thousandths of a window pixel
    int64_t m_carryY = 0;
    int32_t m_imageWidth = 0;
    int32_t m_imageHeight = 0;
};

}  // namespace zentrova
