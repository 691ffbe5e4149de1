// Scroll (tool 0): a drag pans the picture by the mouse's motion, with the grabbing hand.
#pragma once

#include "editmode/tools/EditTool.h"

namespace zentrova {

class ScrollTool final : public EditTool {
  public:
    ToolNumber Number() const override { return ToolNumber::Scroll; }
    bool Press(EditSession& session, const ToolPointer& pointer) override;
    void Move(EditSession& session, const ToolPointer& pointer) override;
    void Release(EditSession& session, const ToolPointer& pointer) override;
    void Cancel(EditSession& session) override;
    ToolCursor CursorAt(const EditSession& session, const ToolPointer& pointer,
                        bool dragging) const override;
    bool ConfinesCursor() const override { return false; }
};

}  // namespace zentrova
