// The tool bar's settings button: the settings at the mouse tools page; the capture and the
// tool stay current.
#pragma once

#include "editmode/commands/EditCommand.h"

namespace zentrova {

class ToolSettingsCommand final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
    bool WorksWithoutPicture() const override { return true; }
};

}  // namespace zentrova
