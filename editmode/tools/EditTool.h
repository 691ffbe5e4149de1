// EditTool: one mouse tool of the Edit Mode's tool bar. Each tool is one class in its own file
// and one line in the tool table (EditTools.cpp).
//
// The session hands a tool the mouse events that reach the picture (the scroll arrows, the
// previous / next buttons and the canvas border come first). A tool keeps its pending state
// until it commits it with EditSession::CommitChange, or until Cancel drops it (another tool,
// another capture, an undo, leaving).
#pragma once

#include <cstdint>

#include "editmode/view/EditView.h"
#include "image/ZImage.h"

namespace zentrova {

class EditSession;

// Tool numbers, in the order of the tool bar.
enum class ToolNumber : int32_t {
    Scroll = 0,
    Select = 1,
    Rubber = 2,
    Rectangle = 3,
    Ellipse = 4,
    Marker = 5,
    Pencil = 6,
    Line = 7,
    Arrow = 8,
    Spotlight = 9,
    HighlightArea = 10,
    Callout = 11,
    Text = 12,
};
constexpr int32_t kToolCount = 13;

// The cursors a tool shows.
enum class ToolCursor {
    Arrow,
    Cross,
    Move,
    SizeNS,
    SizeWE,
    SizeNWSE,
    SizeNESW,
    Hand,
    Grab,
    Pencil,
    Marker,
    Rubber
};

struct ToolPointer {
    ZPoint window;   // client coordinates
    ZPoint pixel;    // the picture pixel under it (may lie outside the picture)
    int32_t dx = 0;  // window motion since the previous event of the drag
    int32_t dy = 0;
};

class EditTool {
  public:
    virtual ~EditTool() = default;
    virtual ToolNumber Number() const = 0;
    // A press: true when the tool started a drag (the window then captures the mouse).
    virtual bool Press(EditSession& session, const ToolPointer& pointer) = 0;
    virtual void Move(EditSession& session, const ToolPointer& pointer) = 0;
    virtual void Release(EditSession& session, const ToolPointer& pointer) = 0;
    // Drops what is pending.
    virtual void Cancel(EditSession& session) = 0;
    // The cursor over pointer while no button is down (dragging: while dragging).
    virtual ToolCursor CursorAt(const EditSession& session, const ToolPointer& pointer,
                                bool dragging) const = 0;
    // The cursor is kept inside the window while dragging.
    virtual bool ConfinesCursor() const { return true; }
    // Paints the pending state (frame, stroke) over the picture in the 24-bit screen buffer.
    virtual void DrawLive(const EditSession& /*session*/, ZImage& /*buffer*/) const {}
    // A shape waits for "Yes" or "No" (the window shows the two buttons under the frame).
    virtual bool IsAwaitingConfirm() const { return false; }
    // "Yes" commits the pending shape, "No" drops it.
    virtual void Confirm(EditSession& /*session*/, bool /*yes*/) {}
    // The tool was chosen (from another tool, or again after its commit).
    virtual void Activate(EditSession& /*session*/) {}
    // The tool waits with the text controls (their own "Yes" and "No") instead of the buttons.
    virtual bool UsesTextControls() const { return false; }
};

}  // namespace zentrova
