#include "editmode/tools/SelectTool.h"

#include "editmode/EditSession.h"
#include "editmode/paint/EditPainter.h"

namespace zentrova {

namespace {

ToolCursor FromFrameCursor(FrameCursor cursor) {
    switch (cursor) {
        case FrameCursor::SizeNS:
            return ToolCursor::SizeNS;
        case FrameCursor::SizeWE:
            return ToolCursor::SizeWE;
        case FrameCursor::SizeNWSE:
            return ToolCursor::SizeNWSE;
        case FrameCursor::SizeNESW:
            return ToolCursor::SizeNESW;
        case FrameCursor::Move:
            return ToolCursor::Move;
        case FrameCursor::Cross:
            break;
    }
    return ToolCursor::Cross;
}

}  // namespace

ZRect FrameWindowRect(const EditSession& session) {
    const ZRect& r = session.Selection().Get();
    const ZPoint a = session.View().ImageToWindow(r.left, r.top);
    const ZPoint b = session.View().ImageToWindow(r.right, r.bottom);
    return ZRect{a.x, a.y, b.x, b.y};
}

bool SelectTool::Press(EditSession& session, const ToolPointer& pointer) {
    const ZImage& picture = session.GetPicture();
    if (!picture.IsValid()) {
        return false;
    }
    SelectionFrame& frame = session.Selection();
    const FrameGrab grab =
        frame.HitTest(FrameWindowRect(session), pointer.window.x, pointer.window.y);
    frame.BeginDrag(grab, pointer.pixel, static_cast<int32_t>(picture.GetWidth()),
                    static_cast<int32_t>(picture.GetHeight()));
    session.Host().Repaint();
    return true;
}

void SelectTool::Move(EditSession& session, const ToolPointer& pointer) {
    if (session.Selection().DragTo(pointer.pixel, pointer.dx, pointer.dy,
                                   session.View().GetZoom())) {
        session.Host().Repaint();
    }
}

void SelectTool::Release(EditSession& session, const ToolPointer& pointer) {
    Move(session, pointer);
    session.Selection().EndDrag();
    session.Host().Repaint();  // the buttons under the frame come back
}

void SelectTool::Cancel(EditSession& session) {
    session.Selection().EndDrag();
}

ToolCursor SelectTool::CursorAt(const EditSession& session, const ToolPointer& pointer,
                                bool dragging) const {
    const FrameGrab grab = dragging
                               ? session.Selection().GetGrab()
                               : session.Selection().HitTest(FrameWindowRect(session),
                                                             pointer.window.x, pointer.window.y);
    return FromFrameCursor(CursorForGrab(grab));
}

void SelectTool::DrawLive(const EditSession& session, ZImage& buffer) const {
    if (session.Selection().Exists()) {
        DrawCanvasFrame(buffer, FrameWindowRect(session), 0x000000);
    }
}

}  // namespace zentrova
