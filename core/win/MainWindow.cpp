// The main window: class, creation, message routing, timers, hot keys, tray icon, message box.
// The commands are in MainWindowCommands.cpp.
#include "core/win/MainWindow.h"

#include <cstdarg>
#include <cstdio>
#include <cwchar>

#include "core/ZError.h"
#include "core/win/CaptureStoreHostWin.h"
#include "core/win/PrivateMessages.h"
#include "core/win/resource.h"
#include "ui/dialogs/SkinnedDialog.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kModule = L"Core\\MainWindow";
constexpr UINT kMessageBoxStyle = MB_OK | MB_ICONINFORMATION | MB_TOPMOST | MB_SETFOREGROUND;

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = 0;
    windowClass.lpfnWndProc = &MainWindow::Proc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
    windowClass.hCursor = nullptr;
    windowClass.hbrBackground =
        reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_APPWORKSPACE + 1));
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassExW(&windowClass) != 0;
}

void ShowMainMessage(HWND owner, const wchar_t* format, ...) {
    wchar_t text[kMessageBoxMaxChars + 1] = L"";
    va_list args;
    va_start(args, format);
    if (std::vswprintf(text, kMessageBoxMaxChars + 1, format, args) < 0) {
        // Too long: the buffer's contents are unspecified, keep a terminated text.
        text[kMessageBoxMaxChars] = L'\0';
    }
    va_end(args);
    MessageBoxW(owner, text, kMessageBoxCaption, kMessageBoxStyle);
}

void ShowMainMessageA(HWND owner, const char* format, ...) {
    char text[kMessageBoxMaxChars + 1] = "";
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);  // cuts and terminates
    va_end(args);
    MessageBoxA(owner, text, "Zentrova Clarivue 2.1", kMessageBoxStyle);
}

std::vector<int> RegisterCaptureHotkeys(HWND hwnd, const SettingsRecord& record) {
    std::vector<int> refused;
    for (const HotkeyRegistration& hotkey : GetHotkeyRegistrations(record)) {
        if (!RegisterHotKey(hwnd, hotkey.id, hotkey.systemModifiers, hotkey.virtualKey)) {
            refused.push_back(hotkey.id);
            // Held by another program: the command stays reachable from the tray menu.
            ZTrace(kModule, __LINE__,
                   L"hot key %d (key %u, modifiers %u) not registered, error %lu\n", hotkey.id,
                   hotkey.virtualKey, hotkey.systemModifiers, GetLastError());
        }
    }
    return refused;
}

void UnregisterCaptureHotkeys(HWND hwnd) {
    for (int id : kAllHotkeyIds) {
        UnregisterHotKey(hwnd, id);
    }
}

MainWindow::~MainWindow() {
    if (m_hwnd != nullptr) {
        DestroyWindow(m_hwnd);  // WM_NCDESTROY clears the window's data
    }
}

HWND MainWindow::Create() {
    // Created hidden: the window has no visible area of its own outside the Edit Mode.
    return CreateWindowExW(WS_EX_TOPMOST, kMainWindowClass, kMainWindowTitle,
                           WS_POPUP | WS_CLIPSIBLINGS, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr, m_app.instance, this);
}

LRESULT CALLBACK MainWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<MainWindow*>(create->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self != nullptr) {
            self->m_hwnd = hwnd;
            self->m_app.mainWindow = hwnd;
        }
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (self != nullptr) {
            self->m_hwnd = nullptr;
            self->m_app.mainWindow = nullptr;
        }
    }
    if (self == nullptr || message == WM_NCDESTROY) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_DESTROY:
            OnShutdown();
            return 0;
        case WM_ENDSESSION:
            if (wParam != FALSE) {  // the session really ends
                OnShutdown();
            }
            return 0;
        case WM_CLOSE:
            if (m_menuOpen) {
                // Closing from inside the tray menu's loop (a "-exit" while the menu is open):
                // that loop would swallow the quit message. Close the menu, then come back.
                EndMenu();
                PostMessageW(m_hwnd, WM_CLOSE, 0, 0);
                return 0;
            }
            DestroyWindow(m_hwnd);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // nothing is erased
        case WM_PAINT:
            if (!HandleEditMode(message, wParam, lParam)) {
                // Outside the Edit Mode the window is hidden and has nothing to show.
                PAINTSTRUCT paint;
                BeginPaint(m_hwnd, &paint);
                EndPaint(m_hwnd, &paint);
            }
            return 0;
        case WM_KEYDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_MOUSEWHEEL:
        case WM_DISPLAYCHANGE:
        case WM_CAPTURECHANGED:
        case WM_SETCURSOR:
            if (HandleEditMode(message, wParam, lParam)) {
                return message == WM_SETCURSOR ? TRUE : 0;
            }
            break;
        case WM_MEASUREITEM:
            if (m_app.menuSkin.MeasureItem(m_hwnd, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam),
                                           nullptr)) {
                return TRUE;
            }
            break;
        case WM_DRAWITEM:
            if (m_app.menuSkin.DrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), nullptr)) {
                return TRUE;
            }
            // The button bars draw here once they exist.
            break;
        case WM_TIMER:
            OnTimer(wParam);
            return 0;
        case WM_HOTKEY:
            OnHotkey(wParam, lParam);
            return 0;
        case WM_COMMAND:
            m_edit.SetCommandParameter(lParam);  // the colour bar's right click
            if (OnCommand(LOWORD(wParam))) {
                return 0;
            }
            break;
        default:
            if (message == UM_TRAY_NOTIFY) {
                OnTrayNotify(lParam);
                return 0;
            }
            if (message == UM_INTRO_CLOSED) {
                OnIntroClosed(wParam, lParam);
                return 0;
            }
            if (message == UM_CAPTURE_DONE) {
                OnCaptureDone();
                return 0;
            }
            if (message == UM_SETTINGS_CLOSED) {
                m_sheet.Destroy();
                if (m_reselectTool) {
                    m_reselectTool = false;
                    m_edit.ReselectTool();
                }
                return 0;
            }
            if (message == UM_OPEN_SETTINGS) {
                if (lParam == 1) {
                    m_sheet.Destroy();
                }
                OpenSettings(static_cast<int>(wParam), m_hwnd);
                return 0;
            }
            if (m_taskbarCreated != 0 && message == m_taskbarCreated) {
                // A new taskbar (Explorer restarted) has no icons: ours goes in again.
                AddTrayIcon();
                return 0;
            }
            break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

void MainWindow::OnCreate() {
    SetTimer(m_hwnd, kTimerHover, kTimerHoverMs, nullptr);
    SetTimer(m_hwnd, kTimerCaptureBarWatch, kTimerCaptureBarWatchMs, nullptr);
    m_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    AddTrayIcon();
}

void MainWindow::AddTrayIcon() {
    if (!m_tray.Add(m_hwnd, m_app.instance, kProductName)) {
        // Timer 3 tries again (the shell may not be ready yet when the program starts).
        ZTrace(kModule, __LINE__, L"tray icon not added\n");
    }
}

void MainWindow::OnShutdown() {
    if (m_shutDown) {
        return;
    }
    m_shutDown = true;
    m_sheet.Destroy();
    KillTimer(m_hwnd, kTimerHover);
    KillTimer(m_hwnd, kTimerCaptureBarWatch);
    StoreWaitingCapture();
    m_app.engine.TearDown();
    m_edit.Leave();
    m_app.settingsStore.SaveSettings(m_app.settings);
    UnregisterCaptureHotkeys(m_hwnd);
    m_app.menuSkin.Release();
    m_tray.Remove();
    PostQuitMessage(0);
}

void MainWindow::OnTimer(UINT_PTR id) {
    if (id == kTimerHover) {
        // Hover tracking: when the cursor has moved, the skinned buttons among the child
        // windows repaint with their hover state.
        OnSkinnedTimer(m_app.ui.Hover(), m_hwnd);
    } else if (id == kTimerCaptureBarWatch) {
        if (!m_tray.IsAdded()) {
            m_tray.Add(m_hwnd, m_app.instance, kProductName);  // the first add failed
        }
        if (!IsFullScreenInFront() && m_app.settings.GeneralShowCaptureBar != 0 &&
            !m_captureBar.IsCreated()) {
            CreateCaptureBar();
        }
    } else if (id == kTimerEditScroll) {
        m_edit.OnTimer();
    }
}

bool MainWindow::HandleEditMode(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!m_edit.IsActive()) {
        return false;
    }
    const auto x = static_cast<int32_t>(static_cast<int16_t>(LOWORD(lParam)));
    const auto y = static_cast<int32_t>(static_cast<int16_t>(HIWORD(lParam)));
    switch (message) {
        case WM_PAINT:
            m_edit.OnPaint();
            return true;
        case WM_KEYDOWN:
            return m_edit.OnKeyDown(wParam);
        case WM_MOUSEMOVE:
            m_edit.OnMouseMove(x, y);
            return true;
        case WM_LBUTTONDOWN:
            m_edit.OnMouseDown(x, y);
            return true;
        case WM_LBUTTONUP:
            m_edit.OnMouseUp(x, y);
            return true;
        case WM_MOUSEWHEEL:
            m_edit.OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), GET_KEYSTATE_WPARAM(wParam));
            return true;
        case WM_DISPLAYCHANGE:
            m_edit.OnDisplayChange();
            return true;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != m_hwnd) {
                m_edit.OnCaptureLost();
            }
            return true;
        case WM_SETCURSOR:
            return LOWORD(lParam) == HTCLIENT && m_edit.OnSetCursor();
        default:
            return false;
    }
}

void MainWindow::OnHotkey(WPARAM wParam, LPARAM lParam) {
    if (!IsWindowEnabled(m_hwnd)) {
        return;
    }
    HotkeyEvent event;
    event.id = static_cast<int>(wParam);
    event.systemModifiers = LOWORD(lParam);
    event.virtualKey = HIWORD(lParam);
    const HotkeyDecision decision = DecideHotkey(m_app.settings, event, m_app.engine.IsActive(),
                                                 [this] { return IsFullScreenInFront(); });
    if (decision.start) {
        StartCapture(decision.mode);
    }
}

void MainWindow::OnTrayNotify(LPARAM lParam) {
    if ((lParam != WM_LBUTTONDOWN && lParam != WM_RBUTTONDOWN) || !IsWindowEnabled(m_hwnd)) {
        return;
    }
    HWND foreground = m_captureBar.IsCreated() ? m_captureBar.GetWindow() : m_hwnd;
    m_menuOpen = true;
    const uint32_t command =
        TrackTrayMenu(m_hwnd, foreground, m_app.instance, m_app.language.Handle(),
                      m_app.settings.GeneralShowCaptureBar != 0, m_app.menuSkin.IsActive());
    m_menuOpen = false;
    if (command != 0) {
        PostMessageW(m_hwnd, WM_COMMAND, command, 0);
    }
}

void MainWindow::OnCaptureDone() {
    CaptureStoreHostWin host(m_hwnd, m_app.engine);
    CaptureStoreSettings settings;
    settings.outputFolder = m_app.settings.CaptureOutputDirectory;
    settings.captureType = static_cast<int32_t>(m_app.settings.CaptureType);
    m_app.store.StoreCapture(host, settings, m_app.captures);
}

void MainWindow::StoreWaitingCapture() {
    if (m_app.engine.GetFinishedCapture() != nullptr) {
        OnCaptureDone();  // its done message, when it comes, finds nothing left to store
    }
}

bool MainWindow::IsFullScreenInFront() {
    if (m_app.editModeActive) {
        return true;
    }
    HWND front = GetForegroundWindow();
    if (front == nullptr || !IsWindowVisible(front) || IsIconic(front)) {
        return false;
    }
    // The desktop itself (and the shell's desktop window, "Program Manager") is no full-screen
    // program.
    if (front == GetDesktopWindow() || front == GetShellWindow()) {
        return false;
    }
    if ((GetWindowLongW(front, GWL_STYLE) & WS_POPUP) == 0) {
        return false;
    }
    wchar_t title[32] = L"";
    GetWindowTextW(front, title, 32);
    if (std::wcscmp(title, L"Program Manager") == 0) {
        return false;
    }
    RECT rect{};
    if (!GetWindowRect(front, &rect)) {
        return false;
    }
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (rect.left > 0 || rect.top > 0 || rect.right < width || rect.bottom < height) {
        return false;
    }
    DestroyCaptureBar();
    return true;
}

}  // namespace zentrova
