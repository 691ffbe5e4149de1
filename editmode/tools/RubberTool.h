// Rubber (tool 2): paints over the picture in MToolsErasorColor with a pen MToolsErasorSize
// wide; with high quality its edges are smoothed. No shadow.
#pragma once

#include "editmode/tools/FreehandTool.h"

namespace zentrova {

class RubberTool final : public FreehandTool {
  public:
    ToolNumber Number() const override { return ToolNumber::Rubber; }

  protected:
    ZColor StrokeColour(const SettingsRecord& settings) const override;
    int32_t StrokeWidth(const SettingsRecord& settings) const override;
    void Commit(EditSession& session, const std::vector<ZPoint>& points) override;
};

}  // namespace zentrova
