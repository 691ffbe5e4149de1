#include "editmode/tools/StrokeCommit.h"

#include "editmode/EditSession.h"

namespace zentrova {

StrokeLook ReadStrokeLook(const SettingsRecord& settings, ZColor colour) {
    StrokeLook look;
    look.shadow = ReadToolShadow(settings);
    look.highQuality = ReadHighQuality(settings);
    look.colour = colour;
    return look;
}

ShapeDraw DrawWith(const ToolShape& shape, bool maskPen) {
    return [&shape, maskPen](ZImage& target, int32_t dx, int32_t dy, ZColor colour) {
        return PaintToolShape(target, shape, dx, dy, ShapeInk{colour, maskPen});
    };
}

bool CommitStroke(EditSession& session, const ToolShape& shape, const StrokeLook& look) {
    if (shape.IsEmpty() || !session.HasPicture()) {
        return false;
    }
    if (!RenderStroke(session.GetPictureForChange(), shape.Bounds(), look,
                      DrawWith(shape, false))) {
        return false;
    }
    return session.CommitChange();
}

}  // namespace zentrova
