#include "editmode/tools/ArrowTool.h"

namespace zentrova {

ToolShape ArrowTool::MakeShape(const SettingsRecord& s, ZPoint from, ZPoint to) const {
    return MakeArrowShape(from, to, ReadArrowStyle(s), ArrowLineStyle(s));
}

ZColor ArrowTool::Colour(const SettingsRecord& s) const {
    return AsColour(s.MToolsArrowColor);
}

}  // namespace zentrova
