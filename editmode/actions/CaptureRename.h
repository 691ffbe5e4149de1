// Renaming the current capture's file (Save As gives the capture the chosen name). The file
// keeps its folder; a file that already has the new name is never replaced.
#pragma once

#include <string>

namespace zentrova {

class EditSession;

// The file name of path: everything after its last "\" or "/".
std::wstring FileNameOf(const std::wstring& path);
// The path of the file name in the folder of path.
std::wstring SiblingPath(const std::wstring& path, const std::wstring& name);

// Renames the current capture's file to name (a file name, no folder) and gives the slot the new
// path. False, nothing changed, when the names are equal, a file of that name exists, or the
// move failed.
bool RenameCurrentCapture(EditSession& session, const std::wstring& name);

}  // namespace zentrova
