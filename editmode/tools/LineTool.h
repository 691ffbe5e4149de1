// Line (tool 7): a straight line in MToolsLineColor, MToolsLineWeight wide, in the line style
// MToolsLineStyle.
#pragma once

#include "editmode/tools/TwoPointTool.h"

namespace zentrova {

class LineTool final : public TwoPointTool {
  public:
    ToolNumber Number() const override { return ToolNumber::Line; }
    ToolShape MakeShape(const SettingsRecord& settings, ZPoint from, ZPoint to) const override;
    ZColor Colour(const SettingsRecord& settings) const override;
};

}  // namespace zentrova
