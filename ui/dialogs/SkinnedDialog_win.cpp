// The duties every skinned dialog shares: hover refresh, centring, control colours, painting.
#include <windows.h>

#include <cwchar>

#include "ui/dialogs/SkinnedDialog.h"
#include "ui/dialogs/WindowCentering.h"
#include "ui/skin/SkinCtlColor.h"

namespace zentrova {

namespace {

BOOL CALLBACK InvalidateOwnerDrawnButton(HWND child, LPARAM /*unused*/) {
    wchar_t className[16] = L"";
    if (GetClassNameW(child, className, 16) > 0 && _wcsicmp(className, L"BUTTON") == 0 &&
        (GetWindowLongW(child, GWL_STYLE) & BS_OWNERDRAW) == BS_OWNERDRAW) {
        InvalidateRect(child, nullptr, FALSE);
    }
    return TRUE;
}

ZRect FromRect(const RECT& r) {
    return ZRect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

void OnSkinnedTimer(HoverTracker& hover, HWND dialog) {
    POINT cursor = {};
    if (!GetCursorPos(&cursor) || !hover.Moved(cursor.x, cursor.y)) {
        return;
    }
    EnumChildWindows(dialog, InvalidateOwnerDrawnButton, 0);
}

bool CenterWindowOn(HWND window, HWND reference) {
    RECT own = {};
    if (!GetWindowRect(window, &own)) {
        return false;
    }
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    RECT area = {};
    if (reference == nullptr || reference == GetDesktopWindow()) {
        POINT cursor = {};
        GetCursorPos(&cursor);
        if (!GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor)) {
            return false;
        }
        area = monitor.rcWork;
    } else {
        if (!GetWindowRect(reference, &area) ||
            !GetMonitorInfoW(MonitorFromWindow(reference, MONITOR_DEFAULTTONEAREST), &monitor)) {
            return false;
        }
    }
    const ButtonPoint at = CenteredPosition(own.right - own.left, own.bottom - own.top,
                                            FromRect(area), FromRect(monitor.rcWork));
    return SetWindowPos(window, nullptr, at.x, at.y, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

void StartSkinnedDialog(HWND dialog, HWND reference) {
    SetTimer(dialog, kSkinnedTimerId, kSkinnedTimerMs, nullptr);
    CenterWindowOn(dialog, reference);
}

bool HandleSkinnedDialogMessage(const SkinnedUi& ui, HWND dialog, UINT message, WPARAM wParam,
                                LPARAM lParam, INT_PTR* result, const ZImage* background) {
    switch (message) {
        case WM_CTLCOLORDLG:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            *result = reinterpret_cast<INT_PTR>(
                SkinCtlColor(ui.GetSkin(), dialog, message, reinterpret_cast<HDC>(wParam),
                             reinterpret_cast<HWND>(lParam), background));
            return true;
        case WM_DRAWITEM:
            if (!OnSkinnedDrawItem(ui.GetSkin(), dialog,
                                   reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                return false;
            }
            *result = TRUE;
            return true;
        case WM_TIMER:
            if (wParam != kSkinnedTimerId) {
                return false;
            }
            OnSkinnedTimer(ui.Hover(), dialog);
            *result = TRUE;
            return true;
        case WM_DESTROY:
            KillTimer(dialog, kSkinnedTimerId);
            *result = FALSE;
            return false;  // the dialog's own clean-up runs too
        default:
            return false;
    }
}

}  // namespace zentrova
