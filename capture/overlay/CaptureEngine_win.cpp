// CaptureEngine: construction, start and tear-down (Windows).
#include <windows.h>

#include <cstdarg>
#include <cwchar>
#include <cwctype>

#include "capture/overlay/CaptureEngine.h"
#include "core/UniqueClassName_win.h"
#include "capture/overlay/CaptureOverlay_win.h"
#include "capture/overlay/OverlayPixels.h"
#include "config/SettingsRecord.h"

namespace zentrova {
namespace {

constexpr const wchar_t* kClassNameFormat = L"_zedCCaptureWebsite-%ls";
constexpr const wchar_t* kMessageBoxCaption = L"Zentrova Clarivue 2.1";
constexpr size_t kMessageChars = 1024;

}  // namespace

ScreenLayout CurrentScreenLayout() {
    ScreenLayout screen;
    screen.virtualX = GetSystemMetrics(SM_XVIRTUALSCREEN);
    screen.virtualY = GetSystemMetrics(SM_YVIRTUALSCREEN);
    screen.virtualWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.virtualHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    screen.primaryWidth = GetSystemMetrics(SM_CXSCREEN);
    screen.primaryHeight = GetSystemMetrics(SM_CYSCREEN);
    return screen;
}

uint32_t ScreenImageDepth() {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return OverlayImageDepth(0);
    }
    const int depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return OverlayImageDepth(depth);
}

void ShowCaptureMessage(HWND owner, const wchar_t* format, ...) {
    wchar_t text[kMessageChars + 1] = {};
    va_list args;
    va_start(args, format);
    std::vswprintf(text, kMessageChars, format, args);
    va_end(args);
    MessageBoxW(owner, text, kMessageBoxCaption,
                MB_OK | MB_ICONINFORMATION | MB_TOPMOST | MB_SETFOREGROUND);
}

CaptureEngine::CaptureEngine() {
    std::swprintf(m_className, sizeof(m_className) / sizeof(m_className[0]), kClassNameFormat,
                  NewGuidText(this).c_str());
}

CaptureEngine::~CaptureEngine() {
    TearDown();
}

const ZImage* CaptureEngine::GetFinishedCapture() const {
    return m_finished && m_result.IsValid() ? &m_result : nullptr;
}

bool CaptureEngine::Start(HWND__* owner, HINSTANCE__* instance, CaptureMode mode,
                          uint32_t doneMessage, const CaptureEngineContext& context) {
    TearDown();
    if (context.settings == nullptr) {
        return false;
    }
    // The active window is taken before the overlay exists, which could otherwise become it.
    HWND foreground = GetForegroundWindow();

    m_owner = owner;
    m_instance = instance;
    m_mode = mode;
    m_doneMessage = doneMessage;
    m_context = context;
    m_borderColour = context.borderColour;
    m_textColour = context.textColour;
    m_finished = false;
    m_selection = SelectionRect{};

    if (!CaptureOverlay::Open(*this)) {
        TearDown();
        return false;
    }

    // The back buffer: the virtual screen's size at the frozen desktop's depth, white.
    const ScreenLayout screen = CurrentScreenLayout();
    const uint32_t depth = ScreenImageDepth();
    if (!m_backBuffer.Create(static_cast<uint32_t>(screen.virtualWidth),
                             static_cast<uint32_t>(screen.virtualHeight), depth, 0x00FFFFFF,
                             nullptr)) {
        ShowCaptureMessage(m_owner, L"Failed to create Backbuffer! %dx%dx%d ", screen.virtualWidth,
                           screen.virtualHeight, static_cast<int>(depth));
    }

    m_inProgress = false;
    m_active = true;
    SetWindowPos(m_overlay, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RedrawWindow(m_overlay, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    switch (m_mode) {
        case CaptureMode::FreeRectangle:
            if (!CaptureOverlay::FreezeDesktop(*this)) {
                TearDown();
                return false;
            }
            break;
        case CaptureMode::FreeStyle:
            if (!CaptureOverlay::FreezeDesktop(*this)) {
                TearDown();
                return false;
            }
            m_outline.Start(kFreeStyleMaxPoints);
            m_currentCursor = m_cursors[kCursorPen];
            SetCursor(m_currentCursor);
            break;
        case CaptureMode::FullDesktop:
        case CaptureMode::ActiveWindow:
            // Captured at once. One that could not be taken (no active window: a beep) leaves no
            // overlay behind that would hold off the next capture.
            CaptureOverlay::CaptureWindow(
                *this, m_mode == CaptureMode::FullDesktop ? GetDesktopWindow() : foreground);
            if (!m_finished) {
                TearDown();
                return false;
            }
            break;
        case CaptureMode::SingleWindow:
        case CaptureMode::ScrollingWebsite:
        case CaptureMode::ScrollingText:
        case CaptureMode::FixedRegion:
            break;
    }
    return true;
}

bool CaptureEngine::TearDown() {
    if (m_overlay != nullptr && m_hotKeysRegistered) {
        UnregisterHotKey(m_overlay, kHotKeyEscape);
        UnregisterHotKey(m_overlay, kHotKeyEnter);
    }
    m_hotKeysRegistered = false;
    if (m_hookLibrary != nullptr) {
        UninstallOverlayMouseHook(m_hookLibrary);
    }
    m_hookInstalled = false;
    m_result.Destroy();
    m_backBuffer.Destroy();
    m_currentPage.Destroy();
    CaptureOverlay::ScrollRelease(*this);
    m_scroll.Clear();
    if (m_overlay != nullptr) {
        KillTimer(m_overlay, kTimerScrollStep);
        KillTimer(m_overlay, kTimerFollow);
        KillTimer(m_overlay, kTimerStayOnTop);
    }
    if (m_mouseCaptured) {
        ReleaseCapture();
        m_mouseCaptured = false;
    }
    if (m_captionFont != nullptr) {
        DeleteObject(m_captionFont);
        m_captionFont = nullptr;
    }
    if (m_overlay != nullptr) {
        HWND overlay = m_overlay;
        m_overlay = nullptr;
        SetWindowLongPtrW(overlay, GWLP_USERDATA, 0);
        DestroyWindow(overlay);
    }
    if (m_classRegistered) {
        UnregisterClassW(m_className, m_instance);
        m_classRegistered = false;
    }
    m_outline.Release();
    m_cursors = {};
    m_currentCursor = nullptr;
    m_pickedWindow = nullptr;
    m_dragging = false;
    m_verticalEdge = false;
    m_horizontalEdge = false;
    m_selection = SelectionRect{};
    m_lastCursorX = INT32_MIN;
    m_lastCursorY = INT32_MIN;
    m_inProgress = false;
    m_active = false;
    m_finished = false;
    return true;
}

}  // namespace zentrova
