// Send by eMail (40033): the working picture is written back in the output format (as Keep does)
// and a copy for the mail goes to the temporary folder under the capture's name, as PNG when the
// output is BMP. The copy joins the attachments that leave in one message when the Edit Mode is
// left; the written output is deleted then, after the mail program took the message, when
// "EditModeDeleteCaptureAfterAction" is set. A copy that could not be written is not attached
// and the capture stays.
#pragma once

#include "editmode/commands/EditCommand.h"

namespace zentrova {

class EmailAction final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

}  // namespace zentrova
