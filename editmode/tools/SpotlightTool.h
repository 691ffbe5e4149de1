// Spotlight (tool 9): the picture around the frame is tinted with MToolsSpotLightColor, spun
// slightly around the frame's centre and darkened towards the edges ("Masks\SpotlightMask.png");
// the frame itself stays sharp inside the shape MToolsSpotLightShape (one of five pictures in
// "Masks"). A missing mask leaves the tint everywhere; a missing shape a sharp rectangle. The
// live drawing is a red outline of the frame's rectangle and ellipse.
#pragma once

#include <string>

#include "editmode/tools/FrameTool.h"

namespace zentrova {

// The file of spotlight shape `index` (0..4), relative to the program's folder.
const wchar_t* SpotlightShapeFile(int32_t index);
constexpr const wchar_t* kSpotlightMaskFile = L"Masks\\SpotlightMask.png";

class SpotlightTool final : public FrameTool {
  public:
    ToolNumber Number() const override { return ToolNumber::Spotlight; }

  protected:
    void DrawPreview(const EditSession& session, ZImage& buffer, const ZRect& frame,
                     const ZRect& onScreen) const override;
    void Commit(EditSession& session, const ZRect& frame) override;
};

}  // namespace zentrova
