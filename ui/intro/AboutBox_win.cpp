#include "ui/intro/AboutBox.h"

#include "lang/TextLookup.h"
#include "lang/TextLookupWin.h"
#include "ui/intro/AboutIds.h"
#include "ui/intro/AboutText.h"

namespace zentrova {

namespace {

constexpr DWORD kFadeMs = 230;

struct AboutData {
    const SkinnedUi* ui;
    const wchar_t* version;
    LinkOpener openLink;
    bool fade;
    HyperLink link;
};

constexpr DialogCaption kAboutCaptions[] = {
    {IDC_ABOUT_DEVELOPMENT, L"Development"},
    {IDC_ABOUT_MANAGEMENT, L"Management"},
    {IDC_ABOUT_GRAPHICS, L"Graphics"},
    {IDC_ABOUT_HELPFILE, L"Helpfile"},
};

// The link control is made as wide as its text, so that only the text is a link.
void FitToText(HWND control) {
    wchar_t text[256] = L"";
    const int length = GetWindowTextW(control, text, 256);
    HDC dc = GetDC(control);
    if (dc == nullptr) {
        return;
    }
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    const BOOL measured = GetTextExtentPoint32W(dc, text, length, &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    RECT rect;
    GetClientRect(control, &rect);
    if (measured && size.cx > 0 && size.cx < rect.right) {
        SetWindowPos(control, nullptr, 0, 0, size.cx, rect.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void InitAbout(HWND dialog, AboutData& data) {
    // Over the Edit Mode the box is centred on the program's window, else on the screen.
    HWND owner = GetParent(dialog);
    StartSkinnedDialog(dialog, owner != nullptr && IsWindowVisible(owner) ? owner : nullptr);
    LoadDialogCaptions(data.ui->Lang(), dialog, L"Dlg_About", kAboutCaptions, false);
    SetDlgItemTextW(
        dialog, IDC_ABOUT_VERSION,
        AboutVersionLine(kAboutProductName, data.version, IsoBuildDate(__DATE__)).c_str());
    wchar_t ok[kLanguageTextChars] = L"";
    GetLanguageMessage(data.ui->Lang(), ok, kLanguageTextChars, L"Ok", L"Ok");
    SetDlgItemTextW(dialog, IDOK, ok);
    SetButtonTag(GetDlgItem(dialog, IDOK), kTagOk);
    FitToText(GetDlgItem(dialog, IDC_ABOUT_LINK));
    data.link.Attach(dialog, IDC_ABOUT_LINK, kAboutLinkTarget, data.openLink);
    if (data.fade) {
        AnimateWindow(dialog, kFadeMs, AW_BLEND | AW_ACTIVATE);
    }
}

void EndAbout(HWND dialog, const AboutData& data) {
    if (data.fade) {
        AnimateWindow(dialog, kFadeMs, AW_BLEND | AW_HIDE);
    }
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        InitAbout(dialog, *reinterpret_cast<AboutData*>(lParam));
        // The focus starts on OK (Enter and Space close the box); Tab reaches the link.
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;
    }
    const auto* data = reinterpret_cast<const AboutData*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (data == nullptr) {
        return FALSE;
    }
    INT_PTR result = 0;
    if (HandleSkinnedDialogMessage(*data->ui, dialog, message, wParam, lParam, &result)) {
        return result;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndAbout(dialog, *data);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool ShowAboutBox(const SkinnedUi& ui, HWND owner, const wchar_t* version, LinkOpener openLink,
                  bool fade) {
    AboutData data{&ui, version, std::move(openLink), fade, {}};
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), owner,
                           AboutProcedure, reinterpret_cast<LPARAM>(&data)) != -1;
}

}  // namespace zentrova
