// The colours of the standard controls in a skinned dialog.
#include <windows.h>

#include <commctrl.h>

#include "ui/skin/SkinCtlColor.h"

namespace zentrova {

namespace {

enum class ControlKind { Edit, ListBox, ComboBox, Trackbar, Static, Button, Other };

ControlKind KindOf(HWND control) {
    wchar_t name[64] = {};
    if (control == nullptr || GetClassNameW(control, name, 64) == 0) {
        return ControlKind::Other;
    }
    const struct {
        const wchar_t* className;
        ControlKind kind;
    } kKinds[] = {{L"Edit", ControlKind::Edit},         {L"ListBox", ControlKind::ListBox},
                  {L"ComboBox", ControlKind::ComboBox}, {TRACKBAR_CLASSW, ControlKind::Trackbar},
                  {L"Static", ControlKind::Static},     {L"Button", ControlKind::Button}};
    for (const auto& entry : kKinds) {
        if (lstrcmpiW(name, entry.className) == 0) {
            return entry.kind;
        }
    }
    return ControlKind::Other;
}

HBRUSH HollowBrush() {
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

HBRUSH WindowBrush() {
    return GetSysColorBrush(COLOR_WINDOW);
}

// Copies the part of the background image under the control's client area into dc.
void CopyBackgroundUnder(HWND dialog, HWND control, HDC dc, const ZImage& background) {
    RECT client = {};
    GetClientRect(control, &client);
    POINT origin = {0, 0};
    MapWindowPoints(control, dialog, &origin, 1);
    BitBlt(dc, 0, 0, client.right, client.bottom, background.GetDC(), origin.x, origin.y, SRCCOPY);
}

}  // namespace

bool HostCtlColorSystem::IsWindows2000() const {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExW(&version) && version.dwMajorVersion == 5 && version.dwMinorVersion == 0;
}

bool HostCtlColorSystem::IsAltKeyDown() const {
    return GetKeyState(VK_MENU) < 0;
}

HBRUSH__* SkinCtlColor(const Skin& skin, HWND__* dialog, uint32_t message, HDC__* dc,
                       HWND__* control, const ZImage* background) {
    const HostCtlColorSystem system;
    return SkinCtlColor(skin, dialog, message, dc, control, background, system);
}

HBRUSH__* SkinCtlColor(const Skin& skin, HWND__* dialog, uint32_t message, HDC__* dc,
                       HWND__* control, const ZImage* background, const CtlColorSystem& system) {
    if (message != WM_CTLCOLORDLG && message != WM_CTLCOLOREDIT && message != WM_CTLCOLORLISTBOX &&
        message != WM_CTLCOLORSCROLLBAR && message != WM_CTLCOLORSTATIC) {
        return nullptr;
    }
    const COLORREF editColor = skin.GetColor(L"MainEditTextColor");
    const COLORREF staticColor = skin.GetColor(L"MainStaticTextColor");
    const HBRUSH backgroundBrush = skin.GetBackgroundBrush();

    if (message == WM_CTLCOLORDLG) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, editColor);
        return backgroundBrush;
    }
    if (message == WM_CTLCOLORLISTBOX) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, editColor);
        return WindowBrush();
    }

    const bool imageGiven = background != nullptr;
    const bool imageValid = imageGiven && background->IsValid();
    const bool windows2000 = system.IsWindows2000();
    const ControlKind kind = KindOf(control);
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);

    switch (kind) {
        case ControlKind::Edit:
            SetTextColor(dc, editColor);
            if ((style & ES_READONLY) != 0) {
                SetBkMode(dc, TRANSPARENT);
                return backgroundBrush;
            }
            SetBkMode(dc, OPAQUE);
            return WindowBrush();
        case ControlKind::ListBox:
            SetTextColor(dc, staticColor);
            return WindowBrush();
        case ControlKind::ComboBox:
            SetTextColor(dc, editColor);
            return WindowBrush();
        case ControlKind::Trackbar:
            SetTextColor(dc, staticColor);
            SetBkMode(dc, TRANSPARENT);
            if (system.IsAltKeyDown() && imageGiven) {
                return HollowBrush();
            }
            if (windows2000) {
                return backgroundBrush;
            }
            break;
        case ControlKind::Static:
            SetTextColor(dc, staticColor);
            SetBkMode(dc, TRANSPARENT);
            if (system.IsAltKeyDown()) {
                return HollowBrush();
            }
            if (!imageGiven) {
                return backgroundBrush;
            }
            if (imageValid && windows2000) {
                CopyBackgroundUnder(dialog, control, dc, *background);
            }
            break;
        case ControlKind::Button:
        case ControlKind::Other:
            break;
    }

    if ((style & BS_GROUPBOX) == BS_GROUPBOX) {
        SetBkColor(dc, skin.GetColor(L"WindowBackColor"));
        SetTextColor(dc, staticColor);
        SetBkMode(dc, OPAQUE);
        return windows2000 ? backgroundBrush : HollowBrush();
    }

    SetBkMode(dc, TRANSPARENT);
    if (imageValid) {
        if (!windows2000 && (kind == ControlKind::Button || kind == ControlKind::Static ||
                             kind == ControlKind::Trackbar)) {
            CopyBackgroundUnder(dialog, control, dc, *background);
        }
        return HollowBrush();
    }
    if (!windows2000) {
        return backgroundBrush;
    }
    return kind == ControlKind::Button && !imageGiven ? backgroundBrush : HollowBrush();
}

}  // namespace zentrova
