// Undo (40039) and Redo (40040): one step through the capture's history.
#pragma once

#include "editmode/commands/EditCommand.h"

namespace zentrova {

class UndoCommand final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

class RedoCommand final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

}  // namespace zentrova
