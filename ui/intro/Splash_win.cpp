#include "ui/intro/Splash.h"

#include "codecs/ZImageCodecRes.h"
#include "ui/intro/Fade.h"
#include "core/UniqueClassName_win.h"

namespace zentrova {

namespace {

constexpr UINT_PTR kTimerDisplay = 1;
constexpr UINT_PTR kTimerFade = 2;

}  // namespace

Splash::Splash() : m_className(UniqueClassName(L"_ZSplash-%s", this)) {}

Splash::~Splash() {
    Close();
}

bool Splash::Show(HWND owner, HINSTANCE instance, uint32_t displayMs, uint32_t fadeMs,
                  const wchar_t* resource) {
    Close();
    if (!ReadResourcePicture(m_image, instance, resource, L"IMAGE")) {
        return false;
    }
    m_instance = instance;
    m_registered = RegisterObjectClass<Splash>(
        instance, m_className.c_str(),
        reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_APPWORKSPACE + 1)));
    if (!m_registered) {
        return false;
    }
    const int width = static_cast<int>(m_image.GetWidth());
    const int height = static_cast<int>(m_image.GetHeight());
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    // A tool window: no task bar button for a picture that goes by itself.
    m_hwnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                             m_className.c_str(), L"", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                             x, y, width, height, owner, nullptr, instance, this);
    if (m_hwnd == nullptr) {
        Close();
        return false;
    }
    m_open = true;
    m_fadingOut = false;
    m_displayMs = displayMs;
    m_fadeMs = fadeMs;
    m_fadeStart = GetTickCount();
    SetLayeredWindowAttributes(m_hwnd, 0, FadeAlpha(m_fadeStart, m_fadeStart, fadeMs, 0, 255),
                               LWA_ALPHA);
    ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(m_hwnd);
    SetTimer(m_hwnd, kTimerDisplay, displayMs, nullptr);
    SetTimer(m_hwnd, kTimerFade, kFadeStepMs, nullptr);
    return true;
}

void Splash::Close() {
    DestroyObjectWindow(m_hwnd, m_registered, m_className.c_str(), m_instance);
    m_open = false;
    m_onFaded = nullptr;
    m_image.Destroy();
}

void Splash::OnFadeStep() {
    const uint32_t now = GetTickCount();
    if (!m_fadingOut) {
        SetLayeredWindowAttributes(m_hwnd, 0, FadeAlpha(m_fadeStart, now, m_fadeMs, 0, 255),
                                   LWA_ALPHA);
        if (FadeDone(m_fadeStart, now, m_fadeMs)) {
            KillTimer(m_hwnd, kTimerFade);
        }
        return;
    }
    SetLayeredWindowAttributes(m_hwnd, 0, FadeAlpha(m_fadeStart, now, m_fadeMs, 255, 0), LWA_ALPHA);
    if (FadeDone(m_fadeStart, now, m_fadeMs)) {
        std::function<void()> faded = std::move(m_onFaded);
        m_onFaded = nullptr;
        Close();
        if (faded) {
            faded();
        }
    }
}

LRESULT Splash::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kTimerDisplay) {
                KillTimer(m_hwnd, kTimerDisplay);
                m_fadingOut = true;
                m_fadeStart = GetTickCount();
                SetTimer(m_hwnd, kTimerFade, kFadeStepMs, nullptr);
            } else if (wParam == kTimerFade) {
                OnFadeStep();
            }
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(m_hwnd, &paint);
            m_image.Draw(dc, 0, 0, SRCCOPY);
            EndPaint(m_hwnd, &paint);
            return 0;
        }
        default:
            return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}

}  // namespace zentrova
