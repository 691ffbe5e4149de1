#include "editmode/tools/TwoPointTool.h"

#include "editmode/EditSession.h"
#include "editmode/tools/StrokeCommit.h"

namespace zentrova {

bool TwoPointTool::Press(EditSession& session, const ToolPointer& pointer) {
    if (!session.HasPicture()) {
        return false;
    }
    m_dragging = true;
    m_from = pointer.pixel;
    m_to = pointer.pixel;
    session.Host().Repaint();
    return true;
}

void TwoPointTool::Move(EditSession& session, const ToolPointer& pointer) {
    if (m_dragging && !(m_to == pointer.pixel)) {
        m_to = pointer.pixel;
        session.Host().Repaint();
    }
}

void TwoPointTool::Release(EditSession& session, const ToolPointer& pointer) {
    if (!m_dragging) {
        return;
    }
    m_to = pointer.pixel;
    m_dragging = false;
    const SettingsRecord& s = session.Settings();
    CommitStroke(session, MakeShape(s, m_from, m_to), ReadStrokeLook(s, Colour(s)));
    session.Host().Repaint();
}

void TwoPointTool::Cancel(EditSession&) {
    m_dragging = false;
}

ToolCursor TwoPointTool::CursorAt(const EditSession&, const ToolPointer&, bool) const {
    return ToolCursor::Cross;
}

void TwoPointTool::DrawLive(const EditSession& session, ZImage& buffer) const {
    if (!m_dragging) {
        return;
    }
    const SettingsRecord& s = session.Settings();
    const ToolShape shape = MakeShape(s, m_from, m_to).OnScreen(session.View());
    PaintToolShape(buffer, shape, 0, 0, ShapeInk{Colour(s), false});
}

}  // namespace zentrova
