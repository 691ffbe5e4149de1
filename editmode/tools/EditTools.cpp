#include "editmode/tools/EditTools.h"

#include "editmode/tools/ArrowTool.h"
#include "editmode/tools/CalloutTool.h"
#include "editmode/tools/HighlightTool.h"
#include "editmode/tools/LineTool.h"
#include "editmode/tools/MarkerTool.h"
#include "editmode/tools/PencilTool.h"
#include "editmode/tools/RubberTool.h"
#include "editmode/tools/ScrollTool.h"
#include "editmode/tools/SelectTool.h"
#include "editmode/tools/ShapeFrameTool.h"
#include "editmode/tools/SpotlightTool.h"
#include "editmode/tools/TextBoxTool.h"

namespace zentrova {

std::unique_ptr<EditTool> MakeEditTool(ToolNumber number) {
    switch (number) {
        case ToolNumber::Scroll:
            return std::make_unique<ScrollTool>();
        case ToolNumber::Select:
            return std::make_unique<SelectTool>();
        case ToolNumber::Rubber:
            return std::make_unique<RubberTool>();
        case ToolNumber::Rectangle:
            return std::make_unique<ShapeFrameTool>(false);
        case ToolNumber::Ellipse:
            return std::make_unique<ShapeFrameTool>(true);
        case ToolNumber::Marker:
            return std::make_unique<MarkerTool>();
        case ToolNumber::Pencil:
            return std::make_unique<PencilTool>();
        case ToolNumber::Line:
            return std::make_unique<LineTool>();
        case ToolNumber::Arrow:
            return std::make_unique<ArrowTool>();
        case ToolNumber::Spotlight:
            return std::make_unique<SpotlightTool>();
        case ToolNumber::HighlightArea:
            return std::make_unique<HighlightTool>();
        case ToolNumber::Callout:
            return std::make_unique<CalloutTool>();
        case ToolNumber::Text:
            return std::make_unique<TextTool>();
        default:
            return nullptr;
    }
}

}  // namespace zentrova
