// Arrow (tool 8): the tip where the drag started, the tail where it ended; styles Default, Dual
// Head and Growing (MToolsArrowStyle), the shaft in MToolsArrowLineStyle, all in
// MToolsArrowColor.
#pragma once

#include "editmode/tools/TwoPointTool.h"

namespace zentrova {

class ArrowTool final : public TwoPointTool {
  public:
    ToolNumber Number() const override { return ToolNumber::Arrow; }
    ToolShape MakeShape(const SettingsRecord& settings, ZPoint from, ZPoint to) const override;
    ZColor Colour(const SettingsRecord& settings) const override;
};

}  // namespace zentrova
