// Copy to Clipboard (40032): the working picture goes to the clipboard first; then, unless
// "EditModeDeleteCaptureAfterAction" is set, it is written in the output format beside the
// capture file (which it replaces), otherwise the capture file is deleted; then the editor moves
// on. Whatever fails stops the action with a message and leaves the capture, its file and its
// history where they were.
#pragma once

#include "editmode/commands/EditCommand.h"

namespace zentrova {

constexpr const wchar_t* kClipboardFailed =
    L"The picture could not be copied to the clipboard: another program is using it.";
constexpr const wchar_t* kClipboardBusy =
    L"The clipboard could not be read: another program is using it.";

class ClipboardAction final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

}  // namespace zentrova
