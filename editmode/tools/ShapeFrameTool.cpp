#include "editmode/tools/ShapeFrameTool.h"

#include "editmode/EditSession.h"
#include "editmode/tools/StrokeCommit.h"

namespace zentrova {

ToolShape ShapeFrameTool::MakeShape(const SettingsRecord& s, const ZRect& rect, bool fill) const {
    Figure f;
    f.kind = m_ellipse ? FigureKind::Ellipse : FigureKind::RoundRect;
    f.rect = rect;
    f.corner = m_ellipse ? 0 : FrameCorner(s);
    f.penWidth = fill ? 0 : FrameWidth(s);
    f.filled = fill;
    ToolShape shape;
    shape.figures.push_back(f);
    return shape;
}

void ShapeFrameTool::DrawPreview(const EditSession& session, ZImage& buffer, const ZRect& frame,
                                 const ZRect&) const {
    const SettingsRecord& s = session.Settings();
    const EditView& view = session.View();
    if (s.MToolsRoundedRectFill != 0) {
        ToolShape fill = MakeShape(s, frame, true).OnScreen(view);
        fill.figures.front().dottedPen = true;
        fill.figures.front().penWidth = 1;
        PaintToolShape(buffer, fill, 0, 0, ShapeInk{AsColour(s.MToolsRoundedRectFillColor), true});
    }
    const ToolShape outline = MakeShape(s, frame, false).OnScreen(view);
    const ToolShadow shadow = ReadToolShadow(s);
    if (shadow.enabled) {
        const ZPoint o = ShadowOffset(shadow.direction, shadow.offset);
        PaintToolShape(buffer, outline, static_cast<int32_t>(ScaleByZoom(o.x, view.GetZoom())),
                       static_cast<int32_t>(ScaleByZoom(o.y, view.GetZoom())),
                       ShapeInk{ShadowColour(shadow.colour, shadow.intensity), false});
    }
    PaintToolShape(buffer, outline, 0, 0, ShapeInk{AsColour(s.MToolsRoundedRectColor), false});
}

void ShapeFrameTool::Commit(EditSession& session, const ZRect& frame) {
    const SettingsRecord& s = session.Settings();
    ZImage& picture = session.GetPictureForChange();
    if (s.MToolsRoundedRectFill != 0) {
        PaintToolShape(picture, MakeShape(s, frame, true), 0, 0,
                       ShapeInk{AsColour(s.MToolsRoundedRectFillColor), true});
    }
    const ToolShape outline = MakeShape(s, frame, false);
    RenderStroke(picture, outline.Bounds(), ReadStrokeLook(s, AsColour(s.MToolsRoundedRectColor)),
                 DrawWith(outline, false));
    session.CommitChange();
}

}  // namespace zentrova
