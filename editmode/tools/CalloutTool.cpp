#include "editmode/tools/CalloutTool.h"

#include "editmode/EditSession.h"
#include "editmode/tools/StrokeCommit.h"

namespace zentrova {

void CalloutTool::Activate(EditSession& session) {
    const int32_t width =
        session.HasPicture() ? static_cast<int32_t>(session.GetPicture().GetWidth()) : 0;
    m_tip = ZPoint{width / 2, 40};
    m_base = kCalloutStartBase;
    m_handle = Handle::None;
}

bool CalloutTool::Press(EditSession& session, const ToolPointer& pointer) {
    if (!session.HasPicture()) {
        return false;
    }
    m_handle = HandleAt(session, pointer.window);
    if (m_handle != Handle::None) {
        const ZRect& frame = session.Selection().Get();
        m_base = SnapCalloutBase(m_base, frame.Width(), frame.Height());
        m_baseDragged = m_base;
        m_motion.Reset();
        return true;
    }
    if (!TextBoxTool::Press(session, pointer)) {
        return false;
    }
    if (session.Selection().GetGrab() == FrameGrab::None) {  // a new callout
        m_tip = ZPoint{pointer.pixel.x + kCalloutNewTip.x, pointer.pixel.y + kCalloutNewTip.y};
        m_base = kCalloutStartBase;
    }
    return true;
}

CalloutTool::Handle CalloutTool::HandleAt(const EditSession& session, ZPoint window) const {
    if (!IsAwaitingConfirm() || !session.Selection().Exists()) {
        return Handle::None;
    }
    const EditView& view = session.View();
    const ZPoint base = CalloutBasePoint(session.Selection().Get(), m_base);
    if (GrabsHandle(window, view.ImageToWindow(m_tip.x, m_tip.y))) {
        return Handle::Tip;  // the tip first: it may lie on the base
    }
    if (GrabsHandle(window, view.ImageToWindow(base.x, base.y))) {
        return Handle::Base;
    }
    return Handle::None;
}

ToolCursor CalloutTool::CursorAt(const EditSession& session, const ToolPointer& pointer,
                                 bool dragging) const {
    if (m_handle != Handle::None ||
        (!dragging && HandleAt(session, pointer.window) != Handle::None)) {
        return ToolCursor::Move;
    }
    return TextBoxTool::CursorAt(session, pointer, dragging);
}

void CalloutTool::Move(EditSession& session, const ToolPointer& pointer) {
    if (m_handle == Handle::None) {
        TextBoxTool::Move(session, pointer);
        return;
    }
    const ZPoint step = m_motion.Add(pointer.dx, pointer.dy, session.View().GetZoom());
    if (step.x == 0 && step.y == 0) {
        return;
    }
    if (m_handle == Handle::Tip) {
        m_tip = ZPoint{m_tip.x + step.x, m_tip.y + step.y};
    } else {
        const ZRect& frame = session.Selection().Get();
        m_baseDragged = ZPoint{m_baseDragged.x + step.x, m_baseDragged.y + step.y};
        m_base = SnapCalloutBase(m_baseDragged, frame.Width(), frame.Height());
    }
    session.Host().Repaint();
}

void CalloutTool::Release(EditSession& session, const ToolPointer& pointer) {
    if (m_handle == Handle::None) {
        TextBoxTool::Release(session, pointer);
        return;
    }
    Move(session, pointer);
    m_handle = Handle::None;
    session.Host().Repaint();
}

void CalloutTool::Cancel(EditSession& session) {
    m_handle = Handle::None;
    TextBoxTool::Cancel(session);
}

void CalloutTool::DrawPreview(const EditSession& session, ZImage& buffer, const ZRect& frame,
                              const ZRect&) const {
    const SettingsRecord& s = session.Settings();
    const EditView& view = session.View();
    const int32_t style = CalloutLineStyle(s);
    const bool seeThrough = s.MToolsCalloutTransparency != 0;
    const ToolShape tail = MakeCalloutTail(frame, m_tip, m_base, style).OnScreen(view);
    PaintToolShape(buffer, MakeCalloutBubble(frame, style, true).OnScreen(view), 0, 0,
                   ShapeInk{AsColour(s.MToolsCalloutColorFill), seeThrough});
    PaintToolShape(buffer, MakeCalloutBubble(frame, style, false).OnScreen(view), 0, 0,
                   ShapeInk{AsColour(s.MToolsCalloutColorBorder), seeThrough});
    PaintToolShape(buffer, tail, 0, 0, ShapeInk{AsColour(s.MToolsCalloutColorBorder), false});
    const ZPoint base = CalloutBasePoint(frame, m_base);
    PaintToolShape(
        buffer,
        MakeHandleSquares(view.ImageToWindow(m_tip.x, m_tip.y), view.ImageToWindow(base.x, base.y)),
        0, 0, ShapeInk{0x000000, false});
}

// The bubble filled and the tail with the shadow, in the fill colour; then the bubble's frame
// and the tail in the border colour over it.
bool CalloutTool::DrawBehindText(EditSession& session, ZImage& picture, const ZRect& frame) {
    const SettingsRecord& s = session.Settings();
    const int32_t style = CalloutLineStyle(s);
    const bool seeThrough = s.MToolsCalloutTransparency != 0;
    ToolShape body = MakeCalloutBubble(frame, style, true);
    const ToolShape tail = MakeCalloutTail(frame, m_tip, m_base, style);
    body.figures.insert(body.figures.end(), tail.figures.begin(), tail.figures.end());
    const ToolShape outline = MakeCalloutBubble(frame, style, false);
    StrokeLook look = ReadStrokeLook(s, AsColour(s.MToolsCalloutColorFill));
    bool drawn = RenderStroke(picture, body.Bounds(), look, DrawWith(body, seeThrough));
    look.shadow.enabled = false;
    look.colour = AsColour(s.MToolsCalloutColorBorder);
    drawn |= RenderStroke(picture, outline.Bounds(), look, DrawWith(outline, seeThrough));
    drawn |= RenderStroke(picture, tail.Bounds(), look, DrawWith(tail, false));
    return drawn;
}

}  // namespace zentrova
