// Rename... (40085): the current capture's file gets a new name in its folder, and its list entry
// the new path. The name is asked for in a dialog that stays open until a name works or the user
// cancels:
// * a name that is empty, holds a character Windows forbids in file names (\ / : * ? " < > | or
//   a control character), "$" or "%%", ends in a space or a dot, or is a device name (CON, NUL,
//   COM1 ...) is refused with a beep;
// * the unchanged name, a name another file already has, or a rename the file system refused is
//   refused with a message;
// the old extension is always kept. Nothing changes in the picture or its history.
#pragma once

#include <string>

#include "editmode/commands/EditCommand.h"

namespace zentrova {

class EditSession;

enum class NameCheck { Ok, Empty, Forbidden };
// name: the new name without its extension.
NameCheck CheckCaptureName(const std::wstring& name);

enum class RenameOutcome { Renamed, Refused, Identical, Exists, Failed };
// Checks name and renames the current capture to name + its old extension.
RenameOutcome TryRenameCapture(EditSession& session, const std::wstring& name);

// The name without its extension (everything from the last "."; a name without "." whole).
std::wstring NameWithoutExtension(const std::wstring& fileName);

class RenameCommand final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

}  // namespace zentrova
