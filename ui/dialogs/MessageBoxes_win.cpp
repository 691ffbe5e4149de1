// The skinned OK box and Yes/No box.
#include <windows.h>

#include <cstdarg>
#include <cwchar>

#include "lang/TextLookup.h"
#include "ui/dialogs/DialogIds.h"
#include "ui/dialogs/MessageBoxes.h"

namespace zentrova {

namespace {

constexpr DWORD kFailureBeepHz = 200;
constexpr DWORD kFailureBeepMs = 200;

struct BoxData {
    const SkinnedUi* ui;
    const wchar_t* caption;
    const wchar_t* message;
    bool yesNo;
};

void SetButtonFromLanguage(const SkinnedUi& ui, HWND dialog, int id, const wchar_t* name, int tag) {
    wchar_t text[kLanguageTextChars] = L"";
    GetLanguageMessage(ui.Lang(), text, kLanguageTextChars, name, name);
    HWND button = GetDlgItem(dialog, id);
    SetWindowTextW(button, text);
    SetButtonTag(button, tag);
}

void InitBox(HWND dialog, const BoxData& data) {
    StartSkinnedDialog(dialog, nullptr);
    SetWindowTextW(dialog, data.caption);
    SetDlgItemTextW(dialog, IDC_BOX_MESSAGE, data.message);
    if (data.yesNo) {
        SetButtonFromLanguage(*data.ui, dialog, IDYES, L"Yes", kTagOk);
        SetButtonFromLanguage(*data.ui, dialog, IDNO, L"No", kTagCancel);
        // Enter (the dialog's default command) means Yes unless another button has the focus.
        SendMessageW(dialog, DM_SETDEFID, IDYES, 0);
    } else {
        SetButtonFromLanguage(*data.ui, dialog, IDOK, L"Ok", kTagOk);
    }
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(dialog);
}

// The result of a command: 1 for OK and Yes, 0 for No and Cancel (Escape, the close box), -1 for
// anything else. The default command of Enter goes to the button that has the focus.
int CommandResult(HWND dialog, int command) {
    HWND focus = GetFocus();
    if ((command == IDOK || command == IDYES) && focus != nullptr && focus != dialog &&
        GetParent(focus) == dialog && GetDlgCtrlID(focus) == IDNO) {
        command = IDNO;
    }
    switch (command) {
        case IDOK:
        case IDYES:
            return 1;
        case IDNO:
        case IDCANCEL:
            return 0;
        default:
            return -1;
    }
}

INT_PTR CALLBACK BoxProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const auto* data = reinterpret_cast<const BoxData*>(lParam);
        InitBox(dialog, *data);
        // The focus goes to the first button (OK or Yes).
        return TRUE;
    }
    const auto* data = reinterpret_cast<const BoxData*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (data == nullptr) {
        return FALSE;
    }
    INT_PTR result = 0;
    if (HandleSkinnedDialogMessage(*data->ui, dialog, message, wParam, lParam, &result)) {
        return result;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        const int end = CommandResult(dialog, LOWORD(wParam));
        if (end >= 0) {
            EndDialog(dialog, end);
            return TRUE;
        }
    }
    return FALSE;
}

bool RunBox(HWND owner, const wchar_t* templateName, const BoxData& data) {
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), templateName, owner,
                                           BoxProcedure, reinterpret_cast<LPARAM>(&data));
    if (result == -1) {
        Beep(kFailureBeepHz, kFailureBeepMs);
        return false;
    }
    return result == 1;
}

}  // namespace

bool ShowOkBoxV(const SkinnedUi& ui, HWND owner, const wchar_t* format, va_list args) {
    wchar_t text[kOkBoxTextChars] = L"";
    if (format != nullptr && std::vswprintf(text, kOkBoxTextChars, format, args) < 0) {
        text[kOkBoxTextChars - 1] = L'\0';
    }
    const BoxData data{&ui, kOkBoxCaption, text, false};
    return RunBox(owner, L"OKBOXDLG", data);
}

bool ShowOkBox(const SkinnedUi& ui, HWND owner, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const bool ok = ShowOkBoxV(ui, owner, format, args);
    va_end(args);
    return ok;
}

bool ShowYesNoBox(const SkinnedUi& ui, HWND owner, const wchar_t* caption, const wchar_t* message) {
    const BoxData data{&ui, caption != nullptr ? caption : L"", message != nullptr ? message : L"",
                       true};
    return RunBox(owner, L"YESNOBOXDLG", data);
}

}  // namespace zentrova
