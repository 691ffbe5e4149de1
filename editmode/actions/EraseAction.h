// Erase Image (40030): the capture file is deleted and the editor moves on. A file that is
// already gone counts as deleted; one that cannot be deleted is reported and stays in the list.
// Works also for a capture whose picture could not be loaded.
#pragma once

#include "editmode/commands/EditCommand.h"

namespace zentrova {

class EraseAction final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
    bool WorksWithoutPicture() const override { return true; }
};

}  // namespace zentrova
