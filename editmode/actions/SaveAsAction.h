// Save As (40153): the system's Save As dialog offers the four types (BMP, JPG, PNG, PDF) with
// the remembered one chosen; the working picture is written under the chosen name with the
// type's extension (a name that gets another extension and exists is replaced only when the
// user agrees), through a temporary file so that a failure leaves every file as it was. The
// type is then used once more by the next output (Keep, clipboard, ...). When the chosen name
// differs from the capture's, the capture file takes that name with ".bmp" (unless that is the
// BMP file just saved, which it must not replace). The capture stays current.
#pragma once

#include "editmode/commands/EditCommand.h"

namespace zentrova {

constexpr const wchar_t* kReplaceFileFormat = L"%ls already exists.\nDo you want to replace it?";
constexpr const wchar_t* kRenameFailedFormat = L"The capture file could not be renamed to %ls.";

class SaveAsAction final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

}  // namespace zentrova
