// Marker (tool 5): a highlighter. The stroke ANDs the picture with the marker colour (one of
// five), so the picture shows through. With high quality a stroke that spreads less than 20
// pixels across (a line of text) becomes one straight bar from its first to its last point, and
// its edges are smoothed; no shadow.
#pragma once

#include "editmode/tools/FreehandTool.h"

namespace zentrova {

class MarkerTool final : public FreehandTool {
  public:
    ToolNumber Number() const override { return ToolNumber::Marker; }

  protected:
    ZColor StrokeColour(const SettingsRecord& settings) const override;
    int32_t StrokeWidth(const SettingsRecord& settings) const override;
    bool AndsColour() const override { return true; }
    void Commit(EditSession& session, const std::vector<ZPoint>& points) override;
};

}  // namespace zentrova
