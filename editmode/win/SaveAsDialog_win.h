// The system's Save As dialog of the Edit Mode (GetSaveFileNameW) with the four picture types.
// Windows build only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zentrova {

// Opens the dialog over owner in the folder of capturePath with its file name, the type
// filterIndex (1-4) chosen; default extension "png". The process's current folder is the same
// afterwards. True with the full path in chosen and the chosen type in filterIndex; false when
// cancelled.
bool RunSaveAsDialog(HWND owner, const std::wstring& capturePath, int32_t& filterIndex,
                     std::wstring& chosen);

}  // namespace zentrova
