// The tool table: the tool object for each tool number, null for a tool this build does not
// have yet (choosing it beeps).
#pragma once

#include <memory>

#include "editmode/tools/EditTool.h"

namespace zentrova {

std::unique_ptr<EditTool> MakeEditTool(ToolNumber number);

}  // namespace zentrova
