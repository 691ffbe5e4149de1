// FrameTool: what Rectangle, Ellipse, HighlightArea and Spotlight share. A drag makes the
// selection frame (as the Select tool does: later presses on the frame move it or its edges);
// after the release the shape waits for "Yes", which commits it, or "No", which drops it. A
// click that does not move makes no frame. Another tool, another capture or an undo drops a
// waiting shape.
// Portable.
#pragma once

#include "editmode/tools/SelectTool.h"

namespace zentrova {

class FrameTool : public SelectTool {
  public:
    bool Press(EditSession& session, const ToolPointer& pointer) override;
    void Release(EditSession& session, const ToolPointer& pointer) override;
    void Cancel(EditSession& session) override;
    void DrawLive(const EditSession& session, ZImage& buffer) const override;
    bool IsAwaitingConfirm() const override { return m_pending && !m_dragging; }
    void Confirm(EditSession& session, bool yes) override;

  protected:
    // The shape's preview over the frame, whose picture rectangle is `frame` and whose screen
    // rectangle is `onScreen`.
    virtual void DrawPreview(const EditSession& session, ZImage& buffer, const ZRect& frame,
                             const ZRect& onScreen) const = 0;
    // Draws the shape into the working picture and commits the change.
    virtual void Commit(EditSession& session, const ZRect& frame) = 0;
    // A click (a press without a move) beside a waiting shape keeps it instead of dropping it.
    virtual bool KeepsPendingOnClick() const { return false; }

  private:
    bool m_pending = false;
    bool m_dragging = false;
    bool m_newFrame = false;
    ZPoint m_pressed;
    ZRect m_previous;  // the waiting frame before the press
};

}  // namespace zentrova
