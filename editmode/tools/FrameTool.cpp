#include "editmode/tools/FrameTool.h"

#include "editmode/EditSession.h"

namespace zentrova {

bool FrameTool::Press(EditSession& session, const ToolPointer& pointer) {
    m_previous = m_pending ? session.Selection().Get() : ZRect{};
    if (!SelectTool::Press(session, pointer)) {
        return false;
    }
    m_dragging = true;
    m_newFrame = session.Selection().GetGrab() == FrameGrab::None;
    m_pressed = pointer.pixel;
    return true;
}

void FrameTool::Release(EditSession& session, const ToolPointer& pointer) {
    if (!m_dragging) {
        return;
    }
    SelectTool::Release(session, pointer);
    m_dragging = false;
    if (m_newFrame && pointer.pixel == m_pressed) {
        session.Selection().Clear();  // a click is no shape
        if (KeepsPendingOnClick() && !m_previous.IsEmpty()) {
            const ZImage& picture = session.GetPicture();
            session.Selection().Set(m_previous, static_cast<int32_t>(picture.GetWidth()),
                                    static_cast<int32_t>(picture.GetHeight()));
        }
    }
    m_pending = session.Selection().Exists();
    session.Host().Repaint();
}

void FrameTool::Cancel(EditSession& session) {
    SelectTool::Cancel(session);
    m_dragging = false;
    m_pending = false;
    session.Selection().Clear();
}

void FrameTool::Confirm(EditSession& session, bool yes) {
    if (!m_pending || m_dragging) {
        return;
    }
    m_pending = false;
    const ZRect frame = session.Selection().Get();
    session.Selection().Clear();
    if (yes && session.HasPicture() && !frame.IsEmpty()) {
        Commit(session, frame);
    }
    session.Host().Repaint();
}

void FrameTool::DrawLive(const EditSession& session, ZImage& buffer) const {
    if (!session.Selection().Exists()) {
        return;
    }
    DrawPreview(session, buffer, session.Selection().Get(), FrameWindowRect(session));
    SelectTool::DrawLive(session, buffer);
}

}  // namespace zentrova
