#include "editmode/tools/EditTools.h"

#include "editmode/tools/ScrollTool.h"
#include "editmode/tools/SelectTool.h"

namespace zentrova {

std::unique_ptr<EditTool> MakeEditTool(ToolNumber number) {
    switch (number) {
        case ToolNumber::Scroll:
            return std::make_unique<ScrollTool>();
        case ToolNumber::Select:
            return std::make_unique<SelectTool>();
        default:
            return nullptr;
    }
}

}  // namespace zentrova
