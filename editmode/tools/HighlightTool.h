// HighlightArea (tool 10): everything of the picture outside the frame is veiled in
// MToolsHighLightColor at MToolsHighLightTransparency percent; the frame stays as it is.
#pragma once

#include "editmode/tools/FrameTool.h"

namespace zentrova {

class HighlightTool final : public FrameTool {
  public:
    ToolNumber Number() const override { return ToolNumber::HighlightArea; }

  protected:
    void DrawPreview(const EditSession& session, ZImage& buffer, const ZRect& frame,
                     const ZRect& onScreen) const override;
    void Commit(EditSession& session, const ZRect& frame) override;
};

}  // namespace zentrova
