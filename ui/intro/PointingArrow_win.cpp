#include "ui/intro/PointingArrow.h"

#include "ui/intro/Fade.h"
#include "core/UniqueClassName_win.h"

namespace zentrova {

namespace {

constexpr UINT_PTR kTimerFade = 1;
constexpr UINT_PTR kTimerBlink = 2;
constexpr COLORREF kKeyColour = 0x00FF00FF;

}  // namespace

PointingArrow::PointingArrow() : m_className(UniqueClassName(L"_ZPointingArrow-%s", this)) {}

PointingArrow::~PointingArrow() {
    Close();
}

bool PointingArrow::Show(HWND parent, HINSTANCE instance, ArrowDirection direction, int32_t x,
                         int32_t y, const ZImage& picture) {
    Close();
    m_frame = ArrowFrameSize(static_cast<int32_t>(picture.GetWidth()),
                             static_cast<int32_t>(picture.GetHeight()));
    if (!picture.IsValid() || m_frame.width == 0 || m_frame.height == 0 ||
        !m_picture.CopyFrom(picture)) {
        return false;
    }
    m_instance = instance;
    m_direction = direction;
    m_registered = RegisterObjectClass<PointingArrow>(instance, m_className.c_str(), nullptr);
    if (!m_registered) {
        return false;
    }
    const ArrowRect place =
        PlaceArrow(direction, x, y, m_frame.width, m_frame.height, GetSystemMetrics(SM_CXSCREEN),
                   GetSystemMetrics(SM_CYSCREEN));
    m_hwnd = CreateWindowExW(
        WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
        m_className.c_str(), L"", WS_POPUP, place.x, place.y, place.width, place.height, parent,
        nullptr, instance, this);
    if (m_hwnd == nullptr) {
        Close();
        return false;
    }
    m_blink = FirstBlink();
    m_fadingOut = false;
    m_fadeStart = GetTickCount();
    SetLayeredWindowAttributes(m_hwnd, kKeyColour, 0, LWA_COLORKEY | LWA_ALPHA);
    ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(m_hwnd);
    SetTimer(m_hwnd, kTimerFade, kFadeStepMs, nullptr);
    SetTimer(m_hwnd, kTimerBlink, m_blink.showMs, nullptr);
    return true;
}

void PointingArrow::FadeOut() {
    if (m_hwnd == nullptr || m_fadingOut) {
        return;
    }
    // From 200 to 0 over 500 ms.
    m_fadingOut = true;
    m_fadeStart = GetTickCount();
    SetTimer(m_hwnd, kTimerFade, kFadeStepMs, nullptr);
}

void PointingArrow::Close() {
    DestroyObjectWindow(m_hwnd, m_registered, m_className.c_str(), m_instance);
    m_picture.Destroy();
}

void PointingArrow::OnFadeStep() {
    const uint32_t now = GetTickCount();
    const uint8_t from = m_fadingOut ? kArrowAlpha : 0;
    const uint8_t to = m_fadingOut ? 0 : kArrowAlpha;
    SetLayeredWindowAttributes(m_hwnd, kKeyColour,
                               FadeAlpha(m_fadeStart, now, kArrowFadeMs, from, to),
                               LWA_COLORKEY | LWA_ALPHA);
    if (!FadeDone(m_fadeStart, now, kArrowFadeMs)) {
        return;
    }
    KillTimer(m_hwnd, kTimerFade);
    if (m_fadingOut) {
        Close();
    }
}

void PointingArrow::OnBlink() {
    m_blink = NextBlink(m_blink);
    SetTimer(m_hwnd, kTimerBlink, m_blink.showMs, nullptr);
    InvalidateRect(m_hwnd, nullptr, FALSE);
    // On top again, unless a window of this program (an intro, a dialog) is the active one.
    HWND active = GetActiveWindow();
    if (active == nullptr || active == m_hwnd || !IsWindowVisible(active)) {
        SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

LRESULT PointingArrow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kTimerFade) {
                OnFadeStep();
            } else if (wParam == kTimerBlink) {
                OnBlink();
            }
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(m_hwnd, &paint);
            const int column = static_cast<int>(m_direction);
            m_picture.DrawPart(dc, 0, 0, m_frame.width, m_frame.height, column * m_frame.width,
                               m_blink.phase * m_frame.height, m_frame.width, m_frame.height,
                               SRCCOPY);
            EndPaint(m_hwnd, &paint);
            return 0;
        }
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        default:
            return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}

}  // namespace zentrova
