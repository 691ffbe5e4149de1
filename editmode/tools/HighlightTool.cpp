#include "editmode/tools/HighlightTool.h"

#include "editmode/EditSession.h"
#include "editmode/tools/ToolCompositing.h"

namespace zentrova {

void HighlightTool::DrawPreview(const EditSession& session, ZImage& buffer, const ZRect&,
                                const ZRect& onScreen) const {
    const SettingsRecord& s = session.Settings();
    HighlightOutside(buffer, session.View().GetImageRect(), onScreen,
                     AsColour(s.MToolsHighLightColor), HighlightTransparency(s));
}

void HighlightTool::Commit(EditSession& session, const ZRect& frame) {
    const SettingsRecord& s = session.Settings();
    ZImage& picture = session.GetPictureForChange();
    const ZRect whole{0, 0, static_cast<int32_t>(picture.GetWidth()),
                      static_cast<int32_t>(picture.GetHeight())};
    HighlightOutside(picture, whole, frame, AsColour(s.MToolsHighLightColor),
                     HighlightTransparency(s));
    session.CommitChange();
}

}  // namespace zentrova
