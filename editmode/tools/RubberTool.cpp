#include "editmode/tools/RubberTool.h"

#include "editmode/EditSession.h"
#include "editmode/tools/StrokeCommit.h"

namespace zentrova {

ZColor RubberTool::StrokeColour(const SettingsRecord& s) const {
    return AsColour(s.MToolsErasorColor);
}

int32_t RubberTool::StrokeWidth(const SettingsRecord& s) const {
    return RubberWidth(s);
}

void RubberTool::Commit(EditSession& session, const std::vector<ZPoint>& points) {
    const SettingsRecord& s = session.Settings();
    const int32_t size = RubberWidth(s);
    const ZColor colour = StrokeColour(s);
    const ToolShape shape = MakePolylineShape(points, size);
    ZImage& picture = session.GetPictureForChange();
    if (ReadHighQuality(s)) {
        ZRect rect = shape.Bounds();
        rect = ZRect{rect.left - size, rect.top - size, rect.right + size, rect.bottom + size};
        RenderSmoothStroke(picture, rect, colour, DrawWith(shape, false));
    } else {
        PaintToolShape(picture, shape, 0, 0, ShapeInk{colour, false});
    }
    session.CommitChange();
}

}  // namespace zentrova
