// The system's folder browser for a folder of the file system (Windows build).
#pragma once

#include <windows.h>

#include <string>

namespace zentrova {

// Opens the browser owned by owner at start (the current directory when empty). Its OK button
// is enabled only for a selection that is an existing file-system folder and not a shortcut.
// True with *chosen set when the user chose one.
bool BrowseForFolder(HWND owner, const std::wstring& start, std::wstring* chosen);

// An existing folder (not a file) at path.
bool IsFileSystemFolder(const wchar_t* path);

}  // namespace zentrova
