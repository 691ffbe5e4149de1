// Pencil (tool 6): a free stroke in MToolsPencilColor, MToolsPencilWidth wide, laid into the
// picture through the stroke rendering (shadow, smoothing).
#pragma once

#include "editmode/tools/FreehandTool.h"

namespace zentrova {

class PencilTool final : public FreehandTool {
  public:
    ToolNumber Number() const override { return ToolNumber::Pencil; }

  protected:
    ZColor StrokeColour(const SettingsRecord& settings) const override;
    int32_t StrokeWidth(const SettingsRecord& settings) const override;
    void Commit(EditSession& session, const std::vector<ZPoint>& points) override;
};

}  // namespace zentrova
