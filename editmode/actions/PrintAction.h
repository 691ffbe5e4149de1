// Print Image (40080): the print dialog, then the working picture printed in the chosen layout.
// Only a print that was started ends the capture: Cancel, a printer that cannot be opened or a
// document that cannot be started leave it as it is. After the print the picture is written back
// in the output format (or the capture file deleted when "EditModeDeleteCaptureAfterAction" is
// set) and the editor moves on, unless "EditModePrintCommandDoNotAdvanceToNextCapture" keeps it
// (then its file stays too).
#pragma once

#include "editmode/commands/EditCommand.h"

namespace zentrova {

class PrintAction final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

}  // namespace zentrova
