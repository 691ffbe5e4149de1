#include "ui/intro/HyperLink.h"

#include <commctrl.h>
#include <shellapi.h>

namespace zentrova {

namespace {

// Subclass identifiers of the control and of its dialog (one per link: the link's address).
constexpr UINT_PTR kControlSubclass = 0x4C4E4B31;

bool ShellOpen(const std::wstring& target) {
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = target.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

}  // namespace

HyperLink::~HyperLink() {
    Detach();
}

bool HyperLink::Attach(HWND dialog, int controlId, const std::wstring& target, LinkOpener opener) {
    Detach();
    HWND control = GetDlgItem(dialog, controlId);
    if (control == nullptr) {
        return false;
    }
    m_target = target;
    m_opener = opener ? std::move(opener) : LinkOpener(ShellOpen);
    m_control = control;
    m_parent = dialog;
    m_opened = false;
    SetWindowLongPtrW(control, GWL_STYLE, GetWindowLongPtrW(control, GWL_STYLE) | SS_NOTIFY);
    m_normalFont = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW font = {};
    if (GetObjectW(m_normalFont != nullptr ? static_cast<HGDIOBJ>(m_normalFont)
                                           : GetStockObject(DEFAULT_GUI_FONT),
                   sizeof(font), &font) == sizeof(font)) {
        font.lfUnderline = TRUE;
        m_underlinedFont = CreateFontIndirectW(&font);
    }
    m_cursor = LoadCursorW(nullptr, IDC_HAND);
    if (m_cursor == nullptr) {
        m_cursor = LoadCursorW(nullptr, IDC_ARROW);
    }
    const auto self = reinterpret_cast<DWORD_PTR>(this);
    if (!SetWindowSubclass(dialog, ParentProc, reinterpret_cast<UINT_PTR>(this), self) ||
        !SetWindowSubclass(control, ControlProc, kControlSubclass, self)) {
        Detach();
        return false;
    }
    return true;
}

void HyperLink::Detach() {
    if (m_control == nullptr) {
        return;
    }
    RemoveWindowSubclass(m_control, ControlProc, kControlSubclass);
    RemoveWindowSubclass(m_parent, ParentProc, reinterpret_cast<UINT_PTR>(this));
    if (IsWindow(m_control)) {
        SendMessageW(m_control, WM_SETFONT, reinterpret_cast<WPARAM>(m_normalFont), FALSE);
    }
    if (m_underlinedFont != nullptr) {
        DeleteObject(m_underlinedFont);
        m_underlinedFont = nullptr;
    }
    m_control = nullptr;
    m_parent = nullptr;
    m_hover = LinkHover();
}

void HyperLink::Open() {
    if (m_opener(m_target)) {
        m_opened = true;
        InvalidateRect(m_control, nullptr, TRUE);
    }
}

void HyperLink::Step(LinkStep step) {
    switch (step) {
        case LinkStep::Enter: {
            SetFont(m_underlinedFont);
            SetCapture(m_control);
            // Should the capture go without notice, the cursor leaving still ends the underline.
            TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_control, 0};
            TrackMouseEvent(&track);
            break;
        }
        case LinkStep::Leave:
            SetFont(m_normalFont);
            if (GetCapture() == m_control) {
                ReleaseCapture();
            }
            break;
        case LinkStep::Restore:
            SetFont(m_normalFont);
            break;
        case LinkStep::None:
            break;
    }
}

void HyperLink::SetFont(HFONT font) {
    if (font != nullptr) {
        SendMessageW(m_control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    InvalidateRect(m_control, nullptr, TRUE);
}

RECT HyperLink::FocusFrame() const {
    RECT frame;
    GetWindowRect(m_control, &frame);
    MapWindowPoints(nullptr, m_parent, reinterpret_cast<POINT*>(&frame), 2);
    InflateRect(&frame, 1, 1);
    return frame;
}

void HyperLink::DrawFocusFrame() {
    if (GetFocus() != m_control) {
        return;
    }
    const RECT frame = FocusFrame();
    if (HDC dc = GetDC(m_parent)) {
        DrawFocusRect(dc, &frame);
        ReleaseDC(m_parent, dc);
    }
}

LRESULT CALLBACK HyperLink::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self) {
    auto* link = reinterpret_cast<HyperLink*>(self);
    switch (message) {
        case WM_SETCURSOR:
            SetCursor(link->m_cursor);
            return TRUE;
        case WM_MOUSEMOVE: {
            // A capture taken away without WM_CAPTURECHANGED ends the underline all the same.
            if (link->m_hover.IsHot() && GetCapture() != window) {
                link->Step(link->m_hover.OnCaptureLost());
            }
            RECT client;
            GetClientRect(window, &client);
            link->Step(link->m_hover.OnMouseMove(IsInsideClient(static_cast<short>(LOWORD(lParam)),
                                                                static_cast<short>(HIWORD(lParam)),
                                                                client.right, client.bottom)));
            break;
        }
        case WM_MOUSELEAVE:
            link->Step(link->m_hover.OnMouseMove(false));
            break;
        case WM_CAPTURECHANGED:
            link->Step(link->m_hover.OnCaptureLost());
            break;
        case WM_LBUTTONUP: {
            RECT client;
            GetClientRect(window, &client);
            if (IsInsideClient(static_cast<short>(LOWORD(lParam)),
                               static_cast<short>(HIWORD(lParam)), client.right, client.bottom)) {
                link->Open();
            }
            break;
        }
        case WM_GETDLGCODE:
            // The space key reaches the control instead of pressing the dialog's button.
            return DLGC_WANTCHARS | DefSubclassProc(window, message, wParam, lParam);
        case WM_KEYUP:
            if (wParam == VK_SPACE) {
                link->Open();
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            // The dialog paints the frame (or, without the focus, the plain background) anew.
            RECT frame = link->FocusFrame();
            InflateRect(&frame, 1, 1);
            InvalidateRect(link->m_parent, &frame, TRUE);
            break;
        }
        case WM_DESTROY: {
            link->Detach();
            return DefSubclassProc(window, message, wParam, lParam);
        }
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK HyperLink::ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self) {
    auto* link = reinterpret_cast<HyperLink*>(self);
    if (message == WM_PAINT && GetFocus() == link->m_control) {
        // The frame is drawn inverted: its place is painted plain first.
        const RECT frame = link->FocusFrame();
        InvalidateRect(window, &frame, TRUE);
    }
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_PAINT) {
        link->DrawFocusFrame();  // drawn after the dialog, so that nothing paints over it
    } else if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == link->m_control) {
        SetTextColor(reinterpret_cast<HDC>(wParam),
                     link->m_opened ? kLinkVisitedColor : kLinkColor);
    }
    return result;
}

}  // namespace zentrova
