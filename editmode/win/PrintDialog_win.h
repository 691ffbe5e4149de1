// The Print Image dialog (template "PRINTDLG", section "Dlg_Print"), skinned: the printers with
// the chosen one selected, Configure (the printer's own settings), the five layouts, the
// resolution and the orientation. Windows build only.
#pragma once

#include <windows.h>

#include "editmode/print/PrintChoice.h"
#include "editmode/win/PrinterDevice_win.h"
#include "ui/dialogs/SkinnedDialog.h"

namespace zentrova {

// choice: the start and, after "Ok" (true), the answer. A resolution that is not a whole number
// from 1 to 10,000 is refused with a beep and the dialog stays. False when cancelled or not made
// (beep).
bool RunPrintDialog(const SkinnedUi& ui, HWND owner, PrinterDevice& printer, PrintChoice& choice);

}  // namespace zentrova
