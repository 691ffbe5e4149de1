// The tool bar's tool buttons (40086 ... 40098): choose a tool. A tool this build does not have
// yet beeps.
#pragma once

#include "editmode/commands/EditCommand.h"
#include "editmode/tools/EditTool.h"

namespace zentrova {

class ToolCommand final : public EditCommand {
  public:
    explicit ToolCommand(ToolNumber tool) : m_tool(tool) {}
    bool Run(EditSession& session) override;
    bool WorksWithoutPicture() const override { return true; }

  private:
    ToolNumber m_tool;
};

}  // namespace zentrova
