// The Resize Image (template "RESIZEDLG", section "Dlg_Resize") and Resize Canvas ("CANVASDLG",
// "Dlg_ResizeCanvas") dialogs of the Edit Mode, skinned. Windows build only.
#pragma once

#include <windows.h>

#include <functional>

#include "editmode/commands/ResizeChoice.h"
#include "ui/dialogs/SkinnedDialog.h"

namespace zentrova {

// start: the picture's size. The fields start in pixels with the filter Bilinear; the unit list
// converts them (the screen's dpi for centimetres and inches). "Ok" hands the sizes in pixels to
// attempt and closes when it returns true. False when cancelled or not made (beep).
bool RunResizeDialog(const SkinnedUi& ui, HWND owner, const ResizeChoice& start,
                     const std::function<bool(const ResizeChoice&)>& attempt);

// choice: the start and, after "Ok" (true), the answer; "Choose Color..." opens the colour
// picker on the fill. False when cancelled or not made (beep).
bool RunCanvasDialog(const SkinnedUi& ui, HWND owner, CanvasChoice& choice);

}  // namespace zentrova
