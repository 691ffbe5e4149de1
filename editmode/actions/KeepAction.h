// Keep Image (40031) and Keep Image and open the Output Folder (40078): the working picture is
// written in the output format beside the capture file; only once that file is in place is the
// capture file deleted (unless the new file took its place) and the editor moves on. A failed
// write shows the writer's message and keeps the capture, its file and its history.
#pragma once

#include <string>

#include "editmode/commands/EditCommand.h"

namespace zentrova {

class KeepAction final : public EditCommand {
  public:
    explicit KeepAction(bool openFolder) : m_openFolder(openFolder) {}
    bool Run(EditSession& session) override;

  private:
    bool m_openFolder;
};

// The step every writing action shares: writes the working picture in the output format (the
// pending Save As type once, if there is one) beside
// the current capture file, then deletes the capture file when the output went to another name.
// False (message shown, nothing deleted) when the write failed. written: the output's path.
bool WriteCaptureOutput(EditSession& session, std::wstring& written);

}  // namespace zentrova
