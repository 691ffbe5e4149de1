#include "editmode/tools/LineTool.h"

namespace zentrova {

ToolShape LineTool::MakeShape(const SettingsRecord& s, ZPoint from, ZPoint to) const {
    return MakeLineShape(from, to, LineWeight(s), LineStyle(s));
}

ZColor LineTool::Colour(const SettingsRecord& s) const {
    return AsColour(s.MToolsLineColor);
}

}  // namespace zentrova
