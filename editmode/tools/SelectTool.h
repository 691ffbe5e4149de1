// Select (tool 1): the selection frame. A press on the frame grabs an edge, a corner or the
// inside; a press elsewhere starts a new frame. The frame's commands (crop, copy ...) use it.
#pragma once

#include "editmode/tools/EditTool.h"

namespace zentrova {

class SelectTool : public EditTool {
  public:
    ToolNumber Number() const override { return ToolNumber::Select; }
    bool Press(EditSession& session, const ToolPointer& pointer) override;
    void Move(EditSession& session, const ToolPointer& pointer) override;
    void Release(EditSession& session, const ToolPointer& pointer) override;
    void Cancel(EditSession& session) override;
    ToolCursor CursorAt(const EditSession& session, const ToolPointer& pointer,
                        bool dragging) const override;
    void DrawLive(const EditSession& session, ZImage& buffer) const override;
};

// The frame's rectangle on the screen, from the picture pixels through the view.
ZRect FrameWindowRect(const EditSession& session);

}  // namespace zentrova
