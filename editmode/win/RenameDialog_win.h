// The Rename dialog of the Edit Mode (template "RENAMEDLG"), skinned, texts from the section
// "Dlg_Rename". Windows build only.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/dialogs/SkinnedDialog.h"

namespace zentrova {

// Shows name in the field and as the current name; "Ok" hands the field's text to attempt and
// closes when it returns true, otherwise the field keeps the focus with its text selected. False
// when cancelled; beeps and gives false when the dialog cannot be made.
bool RunRenameDialog(const SkinnedUi& ui, HWND owner, const std::wstring& name,
                     const std::function<bool(const std::wstring&)>& attempt);

}  // namespace zentrova
