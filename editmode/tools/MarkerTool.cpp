#include "editmode/tools/MarkerTool.h"

#include "editmode/EditSession.h"
#include "editmode/tools/ToolCompositing.h"

namespace zentrova {

ZColor MarkerTool::StrokeColour(const SettingsRecord& s) const {
    return MarkerColour(s.MToolsMarkerColor);
}

int32_t MarkerTool::StrokeWidth(const SettingsRecord& s) const {
    return MarkerWidth(s);
}

void MarkerTool::Commit(EditSession& session, const std::vector<ZPoint>& points) {
    const SettingsRecord& s = session.Settings();
    const ZColor colour = StrokeColour(s);
    const int32_t width = MarkerWidth(s);
    ZImage& picture = session.GetPictureForChange();
    if (ReadHighQuality(s)) {
        const ToolShape shape = MarkerUsesStraightBar(points)
                                    ? MakePolylineShape({points.front(), points.back()}, width)
                                    : MakePolylineShape(points, width);
        const ShapeDraw drawAnd = [&](ZImage& target, int32_t dx, int32_t dy, ZColor) {
            return PaintToolShape(target, shape, dx, dy, ShapeInk{colour, true});
        };
        const ShapeDraw drawMask = [&](ZImage& target, int32_t dx, int32_t dy, ZColor) {
            return PaintToolShape(target, shape, dx, dy, ShapeInk{0x000000, false});
        };
        RenderMarkerStroke(picture, shape.Bounds(), drawAnd, drawMask);
    } else {
        PaintToolShape(picture, MakePolylineShape(points, width), 0, 0, ShapeInk{colour, true});
    }
    session.CommitChange();
}

}  // namespace zentrova
