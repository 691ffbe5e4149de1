// The frame the Edit Mode's modal dialogs share: one procedure for a dialog class and the modal
// run. Dialog has Ui(), Init(HWND), OnCommand(WPARAM) and OnDrawItem(const DRAWITEMSTRUCT*)
// (false for items it does not draw). Windows build only.
#pragma once

#include <windows.h>

#include "ui/dialogs/SkinnedDialog.h"

namespace zentrova {

template <typename Dialog>
INT_PTR CALLBACK EditDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->Init(dialog);
        return TRUE;
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    if (message == WM_DRAWITEM &&
        self->OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
        return TRUE;
    }
    INT_PTR result = 0;
    if (HandleSkinnedDialogMessage(self->Ui(), dialog, message, wParam, lParam, &result)) {
        return result;
    }
    return message == WM_COMMAND ? self->OnCommand(wParam) : FALSE;
}

// Runs the dialog of template name modally; true when it ended with OK. A dialog that cannot be
// made beeps and gives false.
template <typename Dialog>
bool RunEditDialog(const wchar_t* name, HWND owner, Dialog& dialog) {
    const INT_PTR result =
        DialogBoxParamW(GetModuleHandleW(nullptr), name, owner, EditDialogProcedure<Dialog>,
                        reinterpret_cast<LPARAM>(&dialog));
    if (result == -1) {
        Beep(200, 200);
        return false;
    }
    return result == IDOK;
}

}  // namespace zentrova
