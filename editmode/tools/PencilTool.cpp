#include "editmode/tools/PencilTool.h"

#include "editmode/EditSession.h"
#include "editmode/tools/StrokeCommit.h"

namespace zentrova {

ZColor PencilTool::StrokeColour(const SettingsRecord& s) const {
    return AsColour(s.MToolsPencilColor);
}

int32_t PencilTool::StrokeWidth(const SettingsRecord& s) const {
    return PencilWidth(s);
}

void PencilTool::Commit(EditSession& session, const std::vector<ZPoint>& points) {
    const SettingsRecord& s = session.Settings();
    CommitStroke(session, MakePolylineShape(points, PencilWidth(s)),
                 ReadStrokeLook(s, StrokeColour(s)));
}

}  // namespace zentrova
