#include "config/win/SettingsPage.h"

#include <commctrl.h>
#include <prsht.h>

namespace zentrova {

INT_PTR CALLBACK CSettingsPage::Procedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        auto* self =
            sheetPage != nullptr ? reinterpret_cast<CSettingsPage*>(sheetPage->lParam) : nullptr;
        SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        if (self == nullptr) {
            return FALSE;
        }
        self->m_hwnd = page;
    }
    auto* self = reinterpret_cast<CSettingsPage*>(GetWindowLongPtrW(page, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    const INT_PTR result = self->Handle(message, wParam, lParam);
    if (message == WM_DESTROY) {
        self->m_hwnd = nullptr;
        SetWindowLongPtrW(page, DWLP_USER, 0);
    }
    return result;
}

INT_PTR CSettingsPage::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        StartSkinnedDialog(m_hwnd, nullptr);
        // The sheet (the page's parent) in the middle of the desktop.
        CenterWindowOn(GetParent(m_hwnd), nullptr);
        OnInit();
        return TRUE;
    }
    INT_PTR result = 0;
    if (OnMessage(message, wParam, lParam, &result)) {
        return result;
    }
    if (HandleSkinnedDialogMessage(m_host.Ui(), m_hwnd, message, wParam, lParam, &result)) {
        return result;
    }
    switch (message) {
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header == nullptr) {
                return FALSE;
            }
            if (header->code == PSN_APPLY) {
                OnApply();
                SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, PSNRET_NOERROR);
                return TRUE;
            }
            if (header->code == PSN_HELP) {
                m_host.OpenHelp(HelpTopic());
                return TRUE;
            }
            return FALSE;
        }
        default:
            return FALSE;
    }
}

}  // namespace zentrova
