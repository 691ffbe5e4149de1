#include "editmode/win/RenameDialog_win.h"

#include <vector>

#include "editmode/win/EditDialogIds.h"
#include "lang/TextLookupWin.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kSection = L"Dlg_Rename";
constexpr int kNameChars = 260;

struct RenameState {
    const SkinnedUi& ui;
    HWND owner;
    const std::wstring& name;
    const std::function<bool(const std::wstring&)>& attempt;
};

void Init(HWND dialog, const RenameState& state) {
    StartSkinnedDialog(dialog, nullptr);
    SetWindowTitleFromLanguage(state.ui.Lang(), dialog, kSection);
    SetDlgItemTextFromLanguage(state.ui.Lang(), dialog, kSection, L"Ok", IDOK);
    SetDlgItemTextFromLanguage(state.ui.Lang(), dialog, kSection, L"Cancel", IDCANCEL);
    SetButtonTag(GetDlgItem(dialog, IDOK), kTagOk);
    SetButtonTag(GetDlgItem(dialog, IDCANCEL), kTagCancel);
    SetDlgItemTextW(dialog, IDC_RENAME_CURRENT, state.name.c_str());
    SetDlgItemTextW(dialog, IDC_RENAME_EDIT, state.name.c_str());
    SendDlgItemMessageW(dialog, IDC_RENAME_EDIT, EM_LIMITTEXT, kNameChars - 1, 0);
}

void TryName(HWND dialog, const RenameState& state) {
    std::vector<wchar_t> text(kNameChars, L'\0');
    GetDlgItemTextW(dialog, IDC_RENAME_EDIT, text.data(), kNameChars);
    if (state.attempt(text.data())) {
        EndDialog(dialog, IDOK);
        return;
    }
    HWND field = GetDlgItem(dialog, IDC_RENAME_EDIT);
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
}

INT_PTR CALLBACK RenameProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        Init(dialog, *reinterpret_cast<const RenameState*>(lParam));
        SetFocus(GetDlgItem(dialog, IDC_RENAME_EDIT));
        SendDlgItemMessageW(dialog, IDC_RENAME_EDIT, EM_SETSEL, 0, -1);
        return FALSE;  // the focus is set
    }
    const auto* state = reinterpret_cast<const RenameState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (state == nullptr) {
        return FALSE;
    }
    INT_PTR result = 0;
    if (HandleSkinnedDialogMessage(state->ui, dialog, message, wParam, lParam, &result)) {
        return result;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            TryName(dialog, *state);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

bool RunRenameDialog(const SkinnedUi& ui, HWND owner, const std::wstring& name,
                     const std::function<bool(const std::wstring&)>& attempt) {
    RenameState state{ui, owner, name, attempt};
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), L"RENAMEDLG", owner,
                                           RenameProcedure, reinterpret_cast<LPARAM>(&state));
    if (result == -1) {
        Beep(200, 200);
        return false;
    }
    return result == IDOK;
}

}  // namespace zentrova
