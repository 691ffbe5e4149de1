// CButtonBar in the Windows build: the two window classes, the layered bar window with its timers
// and the tooltip window.
#include "ui/buttonbar/ButtonBar.h"

#include <windows.h>

#include "core/UniqueClassName_win.h"
#include "ui/buttonbar/ButtonBarText.h"

namespace zentrova {

namespace {

POINT CursorInClient(HWND window) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(window, &cursor);
    return cursor;
}

// Makes sure image is a 24-bit picture of width x height (kept when it already is).
bool EnsureBuffer(ZImage& image, int width, int height) {
    if (width <= 0 || height <= 0) {
        return false;
    }
    if (image.IsValid() && image.GetWidth() == static_cast<uint32_t>(width) &&
        image.GetHeight() == static_cast<uint32_t>(height)) {
        return true;
    }
    return image.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24, 0,
                        nullptr);
}

// Pixels between the tooltip's frame and its text, above and below.
constexpr int32_t kTooltipPaddingY = 2;

}  // namespace

// The window procedures of both classes; the object sits in the windows' user data.
struct ButtonBarWindows {
    static CButtonBar* Of(HWND window, UINT message, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        return reinterpret_cast<CButtonBar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }

    static LRESULT CALLBACK BarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        CButtonBar* bar = Of(window, message, lParam);
        if (bar == nullptr) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
        switch (message) {
            case WM_ERASEBKGND:
                return 1;
            case WM_PAINT:
                bar->OnPaint(window);
                return 0;
            case WM_TIMER:
                bar->OnTimer(static_cast<uintptr_t>(wParam));
                return 0;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
                bar->OnMouseDown();
                return 0;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
                bar->OnMouseUp(message == WM_RBUTTONUP);
                return 0;
            case WM_MOUSEMOVE:
                bar->OnMouseMove();
                return 0;
            case WM_MOUSELEAVE:
                bar->m_trackingLeave = false;
                InvalidateRect(window, nullptr, FALSE);
                return 0;
            case WM_CAPTURECHANGED:
                if (bar->m_bPressed) {
                    bar->m_bPressed = false;
                    InvalidateRect(window, nullptr, FALSE);
                }
                return 0;
            case WM_MOUSEACTIVATE:
                // Clicking the bar leaves the active window active.
                return MA_NOACTIVATE;
            case WM_NCDESTROY:
                // Destroyed with its owner: the object must not use the handle any more.
                if (bar->m_hwndBar == window) {
                    bar->m_hwndBar = nullptr;
                }
                SetWindowLongPtrW(window, GWLP_USERDATA, 0);
                return DefWindowProcW(window, message, wParam, lParam);
            default:
                return DefWindowProcW(window, message, wParam, lParam);
        }
    }

    static LRESULT CALLBACK TooltipProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        CButtonBar* bar = Of(window, message, lParam);
        if (bar == nullptr) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
        switch (message) {
            case WM_ERASEBKGND:
                return 1;
            case WM_PAINT:
                bar->OnPaintTooltip(window);
                return 0;
            case WM_MOUSEACTIVATE:
                return MA_NOACTIVATE;
            case WM_NCDESTROY:
                if (bar->m_hwndTooltip == window) {
                    bar->m_hwndTooltip = nullptr;
                }
                SetWindowLongPtrW(window, GWLP_USERDATA, 0);
                return DefWindowProcW(window, message, wParam, lParam);
            default:
                return DefWindowProcW(window, message, wParam, lParam);
        }
    }
};

CButtonBar::CButtonBar() {
    const std::wstring guid = NewGuidText(this);
    m_tooltipClassName = FormatBarClassName(kButtonBarTooltipClassFormat, guid.c_str());
    m_barClassName = FormatBarClassName(kButtonBarClassFormat, guid.c_str());
}

CButtonBar::~CButtonBar() {
    Destroy();
}

bool CButtonBar::Create(HWND owner, HINSTANCE instance, ZColor hiddenColor, ZColor tooltipBackColor,
                        ZColor tooltipTextColor, uint32_t alignment, bool keepOnTop,
                        bool startShown, bool autoHide, uint32_t count, const uint32_t* commands,
                        const wchar_t* labels, const ZImage& image, bool statesInColumns) {
    Destroy();
    BarAlignment edge{};
    CellSize cell;
    if (commands == nullptr || !BarAlignmentFromValue(alignment, edge) || !image.IsValid() ||
        !ComputeCellSize(image.GetWidth(), image.GetHeight(), count, statesInColumns, cell) ||
        !m_image.CopyFrom(image)) {
        return false;
    }
    m_hwndOwner = owner;
    m_instance = instance;
    m_hiddenColor = hiddenColor;
    m_tooltipBackColor = tooltipBackColor;
    m_tooltipTextColor = tooltipTextColor;
    m_alignment = edge;
    m_bKeepOnTop = keepOnTop;
    m_bAutoHide = autoHide;
    m_count = count;
    m_cell = cell;
    m_bStatesInColumns = statesInColumns;
    m_commands.assign(commands, commands + count);
    m_labels = SplitBarLabels(labels, count);

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        m_tooltipFont = CreateFontIndirectW(&metrics.lfMessageFont);
    }

    if (!RegisterClasses()) {
        MessageBoxW(nullptr, L"No RegClass!", L"", MB_OK);
    }
    m_hwndBar = CreateWindowExW(WS_EX_TOPMOST, m_barClassName.c_str(), m_barClassName.c_str(),
                                WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0, owner,
                                nullptr, instance, this);
    m_hwndTooltip =
        CreateWindowExW(WS_EX_TOPMOST, m_tooltipClassName.c_str(), m_tooltipClassName.c_str(),
                        WS_POPUP, 0, 0, 0, 0, owner, nullptr, instance, this);
    if (m_hwndBar == nullptr || m_hwndTooltip == nullptr) {
        Destroy();
        return false;
    }
    ShowWindow(m_hwndTooltip, SW_HIDE);
    m_bCreated = true;

    SetTimer(m_hwndBar, kBarAutoHideTimer, kBarAutoHideMs, nullptr);
    if (keepOnTop) {
        SetTimer(m_hwndBar, kBarKeepOnTopTimer, kBarKeepOnTopMs, nullptr);
    }

    // The bar is layered from the start: transparent while fading in, an opaque strip while
    // collapsed.
    SetWindowLongW(m_hwndBar, GWL_EXSTYLE, GetWindowLongW(m_hwndBar, GWL_EXSTYLE) | WS_EX_LAYERED);
    if (autoHide && !startShown) {
        m_bHidden = true;
        m_bPrevHidden = true;
        SetAlpha(255, false);
        Reposition();
        ShowWindow(m_hwndBar, SW_SHOWNOACTIVATE);
    } else {
        m_bHidden = false;
        m_bPrevHidden = false;
        SetAlpha(0, true);
        Reposition();
        ShowWindow(m_hwndBar, SW_SHOWNOACTIVATE);
        StartFade(FadeDirection::In);
    }
    return true;
}

bool CButtonBar::RegisterClasses() {
    bool ok = true;
    WNDCLASSEXW bar{};
    bar.cbSize = sizeof(bar);
    bar.style = CS_HREDRAW | CS_VREDRAW;
    bar.lpfnWndProc = ButtonBarWindows::BarProc;
    bar.hInstance = m_instance;
    bar.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    bar.hbrBackground = CreateSolidBrush(kBarKeyColor);
    bar.lpszClassName = m_barClassName.c_str();
    m_barClassRegistered = RegisterClassExW(&bar) != 0;
    if (!m_barClassRegistered) {
        DeleteObject(bar.hbrBackground);
        ok = false;
    }

    WNDCLASSEXW tip{};
    tip.cbSize = sizeof(tip);
    tip.lpfnWndProc = ButtonBarWindows::TooltipProc;
    tip.hInstance = m_instance;
    tip.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    tip.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    tip.lpszClassName = m_tooltipClassName.c_str();
    m_tooltipClassRegistered = RegisterClassExW(&tip) != 0;
    return ok && m_tooltipClassRegistered;
}

bool CButtonBar::Destroy() {
    if (m_hwndBar != nullptr) {
        KillTimer(m_hwndBar, kBarKeepOnTopTimer);
        KillTimer(m_hwndBar, kBarAutoHideTimer);
        KillTimer(m_hwndBar, kBarFadeTimer);
        if (GetCapture() == m_hwndBar) {
            ReleaseCapture();
        }
    }
    if (m_tooltipFont != nullptr) {
        DeleteObject(m_tooltipFont);
        m_tooltipFont = nullptr;
    }
    if (m_hwndTooltip != nullptr) {
        DestroyWindow(m_hwndTooltip);
        m_hwndTooltip = nullptr;
    }
    if (m_hwndBar != nullptr) {
        DestroyWindow(m_hwndBar);
        m_hwndBar = nullptr;
    }
    m_image.Destroy();
    m_barBuffer.Destroy();
    m_tooltipBuffer.Destroy();
    m_commands.clear();
    m_labels.clear();
    m_tooltipText.clear();
    if (m_barClassRegistered) {
        // The class owns its magenta background brush.
        WNDCLASSEXW info{};
        info.cbSize = sizeof(info);
        HBRUSH brush = nullptr;
        if (GetClassInfoExW(m_instance, m_barClassName.c_str(), &info)) {
            brush = info.hbrBackground;
        }
        UnregisterClassW(m_barClassName.c_str(), m_instance);
        if (brush != nullptr) {
            DeleteObject(brush);
        }
        m_barClassRegistered = false;
    }
    if (m_tooltipClassRegistered) {
        UnregisterClassW(m_tooltipClassName.c_str(), m_instance);
        m_tooltipClassRegistered = false;
    }
    m_bCreated = false;
    m_bTooltipShown = false;
    m_bAutoHide = false;
    m_bHidden = false;
    m_bPrevHidden = false;
    m_bKeepOnTop = false;
    m_bStrip = false;
    m_bPressed = false;
    m_fade = FadeDirection::None;
    m_alpha = 255;
    m_count = 0;
    m_cell = CellSize{};
    m_paintedButton = -1;
    m_paintedPressed = false;
    m_trackingLeave = false;
    m_hwndOwner = nullptr;
    return true;
}

void CButtonBar::Reposition() {
    if (m_hwndBar == nullptr) {
        return;
    }
    const BarRect r = ComputeBarRect(m_alignment, GetSystemMetrics(SM_CXSCREEN),
                                     GetSystemMetrics(SM_CYSCREEN), m_count, m_cell, m_bHidden);
    m_bStrip = m_bHidden;
    SetWindowPos(m_hwndBar, nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_hwndBar, nullptr, FALSE);
}

void CButtonBar::SetAlpha(uint8_t alpha, bool colorKey) {
    m_alpha = alpha;
    SetLayeredWindowAttributes(m_hwndBar, kBarKeyColor, alpha,
                               colorKey ? (LWA_COLORKEY | LWA_ALPHA) : LWA_ALPHA);
}

void CButtonBar::StartFade(FadeDirection direction) {
    const uint32_t now = GetTickCount();
    // A fade that reverses a running one goes on from the alpha reached.
    m_fadeStart = m_fade != FadeDirection::None && m_fade != direction
                      ? FadeStartForAlpha(direction, m_alpha, now)
                      : now;
    if (m_fade == FadeDirection::None) {
        SetAlpha(FadeAlpha(direction, 0), true);
    }
    m_fade = direction;
    SetTimer(m_hwndBar, kBarFadeTimer, kBarFadeStepMs, nullptr);
}

void CButtonBar::OnTimer(uintptr_t id) {
    if (id == kBarFadeTimer) {
        OnFadeTick();
    } else if (id == kBarAutoHideTimer) {
        OnAutoHideTick();
    } else if (id == kBarKeepOnTopTimer) {
        OnKeepOnTopTick();
    }
}

void CButtonBar::OnFadeTick() {
    const FadeDirection direction = m_fade;
    const uint32_t elapsed = GetTickCount() - m_fadeStart;
    SetAlpha(FadeAlpha(direction, elapsed), true);
    if (!FadeFinished(direction, elapsed)) {
        return;
    }
    KillTimer(m_hwndBar, kBarFadeTimer);
    m_fade = FadeDirection::None;
    if (direction == FadeDirection::In) {
        ShowTooltip();
    } else if (direction == FadeDirection::Out) {
        // Collapsed: the strip is fully visible, without colour key.
        m_bHidden = true;
        m_bPrevHidden = true;
        Reposition();
        SetAlpha(255, false);
    }
}

void CButtonBar::OnAutoHideTick() {
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT r{};
    GetWindowRect(m_hwndBar, &r);
    const bool inside = PtInRect(&r, cursor) != FALSE;
    AutoHideState state{m_bHidden, m_bPrevHidden};
    const AutoHideAction action = AutoHideTick(inside, m_bAutoHide, state);
    m_bHidden = state.hidden;
    switch (action) {
        case AutoHideAction::ShowTooltip:
            ShowTooltip();
            break;
        case AutoHideAction::ExpandAndFadeIn:
            // Transparent before growing, so that the full bar never flashes.
            SetAlpha(m_fade == FadeDirection::None ? 0 : m_alpha, true);
            Reposition();
            StartFade(FadeDirection::In);
            break;
        case AutoHideAction::HideTooltipAndFadeOut:
            HideTooltip();
            StartFade(FadeDirection::Out);
            break;
        case AutoHideAction::HideTooltipAndRepaint:
            HideTooltip();
            InvalidateRect(m_hwndBar, nullptr, FALSE);
            break;
        case AutoHideAction::None:
        default:
            break;
    }
    m_bPrevHidden = state.prevHidden;
}

void CButtonBar::OnKeepOnTopTick() {
    HWND active = GetForegroundWindow();
    DWORD process = 0;
    if (active != nullptr) {
        GetWindowThreadProcessId(active, &process);
    }
    const bool otherProcess = active == nullptr || process != GetCurrentProcessId();
    const bool ours = active == m_hwndBar || active == m_hwndTooltip;
    const bool hiddenOfOurs = !otherProcess && !IsWindowVisible(active);
    if (otherProcess || ours || hiddenOfOurs) {
        SetWindowPos(m_hwndBar, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

int32_t CButtonBar::ButtonUnderCursor() const {
    if (m_hwndBar == nullptr || m_bStrip) {
        return -1;
    }
    const POINT p = CursorInClient(m_hwndBar);
    RECT client{};
    GetClientRect(m_hwndBar, &client);
    if (p.x >= client.right || p.y >= client.bottom) {
        return -1;
    }
    return ButtonAtPoint(m_alignment, m_count, m_cell, p.x, p.y);
}

void CButtonBar::OnMouseDown() {
    m_bPressed = true;
    SetCapture(m_hwndBar);
    InvalidateRect(m_hwndBar, nullptr, FALSE);
}

void CButtonBar::OnMouseUp(bool rightButton) {
    const bool wasPressed = m_bPressed;
    m_bPressed = false;
    if (GetCapture() == m_hwndBar) {
        ReleaseCapture();
    }
    InvalidateRect(m_hwndBar, nullptr, FALSE);
    const int32_t index = ButtonUnderCursor();
    if (wasPressed && index >= 0 && m_hwndOwner != nullptr) {
        PostMessageW(m_hwndOwner, WM_COMMAND,
                     MAKEWPARAM(static_cast<WORD>(m_commands[static_cast<size_t>(index)]), 0),
                     rightButton ? 1 : 0);
    }
}

void CButtonBar::OnMouseMove() {
    if (!m_trackingLeave) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = m_hwndBar;
        m_trackingLeave = TrackMouseEvent(&track) != FALSE;
    }
    if (ButtonUnderCursor() != m_paintedButton || m_bPressed != m_paintedPressed) {
        InvalidateRect(m_hwndBar, nullptr, FALSE);
    }
    UpdateTooltip();
}

void CButtonBar::OnPaint(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    if (EnsureBuffer(m_barBuffer, client.right, client.bottom)) {
        HDC back = m_barBuffer.GetDC();
        if (m_bStrip) {
            HBRUSH brush = CreateSolidBrush(m_hiddenColor);
            HGDIOBJ oldBrush = SelectObject(back, brush);
            HGDIOBJ oldPen = SelectObject(back, GetStockObject(BLACK_PEN));
            Rectangle(back, 0, 0, client.right, client.bottom);
            SelectObject(back, oldPen);
            SelectObject(back, oldBrush);
            DeleteObject(brush);
            m_paintedButton = -1;
        } else {
            const int32_t hot = ButtonUnderCursor();
            for (uint32_t i = 0; i < m_count; ++i) {
                const ButtonState state =
                    ButtonStateFor(hot == static_cast<int32_t>(i), m_bPressed);
                const BarRect to = ButtonCellRect(m_alignment, i, m_cell);
                const BarRect from = ImageCellRect(m_bStatesInColumns, i, state, m_cell);
                m_image.DrawPart(back, to.x, to.y, to.width, to.height, from.x, from.y, from.width,
                                 from.height, SRCCOPY);
            }
            m_paintedButton = hot;
        }
        m_paintedPressed = m_bPressed;
        GdiFlush();
        m_barBuffer.DrawPart(dc, 0, 0, client.right, client.bottom, 0, 0, client.right,
                             client.bottom, SRCCOPY);
    }
    EndPaint(window, &paint);
}

void CButtonBar::ShowTooltip() {
    if (m_hwndTooltip == nullptr) {
        return;
    }
    m_bTooltipShown = true;
    UpdateTooltip();
    if (!m_tooltipText.empty() && !m_bHidden) {
        ShowWindow(m_hwndTooltip, SW_SHOWNOACTIVATE);
    }
}

void CButtonBar::HideTooltip() {
    m_bTooltipShown = false;
    if (m_hwndTooltip != nullptr) {
        ShowWindow(m_hwndTooltip, SW_HIDE);
    }
}

void CButtonBar::UpdateTooltip() {
    if (!m_bTooltipShown || m_bHidden || m_hwndTooltip == nullptr) {
        return;
    }
    const int32_t index = ButtonUnderCursor();
    if (index >= 0) {
        m_tooltipText = m_labels[static_cast<size_t>(index)];
        SetWindowTextW(m_hwndTooltip, m_tooltipText.c_str());
    }
    if (m_tooltipText.empty()) {
        return;
    }
    // The label's extent plus one character of the tooltip font.
    const std::wstring measured = m_tooltipText + L"n";
    HDC dc = GetDC(m_hwndTooltip);
    HGDIOBJ oldFont = m_tooltipFont != nullptr ? SelectObject(dc, m_tooltipFont) : nullptr;
    SIZE extent{};
    GetTextExtentPoint32W(dc, measured.c_str(), static_cast<int>(measured.size()), &extent);
    if (oldFont != nullptr) {
        SelectObject(dc, oldFont);
    }
    ReleaseDC(m_hwndTooltip, dc);

    POINT cursor{};
    GetCursorPos(&cursor);
    RECT r{};
    GetWindowRect(m_hwndBar, &r);
    const BarRect bar{r.left, r.top, r.right - r.left, r.bottom - r.top};
    // A little room above and below the text, so that the frame does not cut its descenders.
    const int32_t width = extent.cx;
    const int32_t height = extent.cy + 2 * kTooltipPaddingY;
    const BarPoint at =
        ComputeTooltipPosition(m_alignment, bar, {cursor.x, cursor.y}, width, height);
    // Whole repaint at the new size: the old picture is never copied into the new rectangle.
    SetWindowPos(m_hwndTooltip, HWND_TOPMOST, at.x, at.y, width, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOCOPYBITS);
    RedrawWindow(m_hwndTooltip, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CButtonBar::OnPaintTooltip(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    if (EnsureBuffer(m_tooltipBuffer, client.right, client.bottom)) {
        HDC back = m_tooltipBuffer.GetDC();
        HBRUSH fill = CreateSolidBrush(m_tooltipBackColor);
        FillRect(back, &client, fill);
        DeleteObject(fill);
        HBRUSH frame = CreateSolidBrush(m_tooltipTextColor);
        FrameRect(back, &client, frame);
        DeleteObject(frame);
        HGDIOBJ oldFont = m_tooltipFont != nullptr ? SelectObject(back, m_tooltipFont) : nullptr;
        SetBkMode(back, TRANSPARENT);
        SetTextColor(back, m_tooltipTextColor);
        RECT text = client;
        DrawTextW(back, m_tooltipText.c_str(), static_cast<int>(m_tooltipText.size()), &text,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (oldFont != nullptr) {
            SelectObject(back, oldFont);
        }
        GdiFlush();
        m_tooltipBuffer.DrawPart(dc, 0, 0, client.right, client.bottom, 0, 0, client.right,
                                 client.bottom, SRCCOPY);
    }
    EndPaint(window, &paint);
}

}  // namespace zentrova
