#include "editmode/tools/ScrollTool.h"

#include "editmode/EditSession.h"

namespace zentrova {

bool ScrollTool::Press(EditSession&, const ToolPointer&) {
    return true;
}

void ScrollTool::Move(EditSession& session, const ToolPointer& pointer) {
    session.Pan(pointer.dx, pointer.dy);
}

void ScrollTool::Release(EditSession&, const ToolPointer&) {}

void ScrollTool::Cancel(EditSession&) {}

ToolCursor ScrollTool::CursorAt(const EditSession&, const ToolPointer&, bool dragging) const {
    return dragging ? ToolCursor::Grab : ToolCursor::Hand;
}

}  // namespace zentrova
