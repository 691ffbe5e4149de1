// hook_probe.exe LOGFILE: installs MouseHook.dll's hook for its own window in the Wine desktop
// and writes what arrives, for the window test mouse_hook_test.sh.
//
// First it records the refused calls ("install-mode2 0", "install-null 0", "uninstall-idle 1"),
// then installs the hook for its window with message 33169 ("install 1") and writes one line
// "<mouse message> <x> <y>" per posted message. The first right button up (517) uninstalls the
// hook ("uninstalled"); 4 seconds later (or after 60 s without one) the probe ends.
#include <windows.h>

#include <cstdio>

#include "capture/hook/MouseHook.h"

namespace {

constexpr UINT kHookMessage = 33169;
constexpr UINT_PTR kEndTimer = 1;

struct Probe {
    FILE* log = nullptr;
    MouseHookUninstallFunction uninstall = nullptr;
    bool uninstalled = false;
};

void Line(Probe& probe, const char* format, long a, long b = 0, long c = 0) {
    std::fprintf(probe.log, format, a, b, c);
    std::fflush(probe.log);
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* probe = reinterpret_cast<Probe*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (probe != nullptr && message == kHookMessage) {
        const long x = static_cast<short>(LOWORD(lParam));
        const long y = static_cast<short>(HIWORD(lParam));
        Line(*probe, "%ld %ld %ld\n", static_cast<long>(wParam), x, y);
        if (wParam == WM_RBUTTONUP && !probe->uninstalled) {
            probe->uninstalled = true;
            Line(*probe, "uninstalled %ld\n", probe->uninstall() ? 1 : 0);
            SetTimer(window, kEndTimer, 4000, nullptr);
        }
        return 0;
    }
    if (message == WM_TIMER && wParam == kEndTimer) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return 1;
    }
    Probe probe;
    probe.log = _wfopen(argv[1], L"w");
    if (probe.log == nullptr) {
        return 1;
    }
    HMODULE library = LoadLibraryW(L"MouseHook.dll");
    const auto find = [&](const char* name) {
        return library != nullptr ? reinterpret_cast<void*>(GetProcAddress(library, name))
                                  : nullptr;
    };
    auto install = reinterpret_cast<MouseHookInstallFunction>(find(MOUSEHOOK_INSTALL_NAME));
    probe.uninstall = reinterpret_cast<MouseHookUninstallFunction>(find(MOUSEHOOK_UNINSTALL_NAME));
    if (install == nullptr || probe.uninstall == nullptr) {
        Line(probe, "no library or exports %ld\n", static_cast<long>(GetLastError()));
        return 2;
    }

    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ProbeProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"HookProbe";
    RegisterClassW(&windowClass);
    // A small window in the corner: the clicks of the test land elsewhere, on other windows.
    HWND window = CreateWindowExW(WS_EX_TOPMOST, L"HookProbe", L"Hook Probe", WS_POPUP | WS_VISIBLE,
                                  900, 700, 60, 40, nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&probe));

    Line(probe, "install-mode2 %ld\n", install(window, kHookMessage, 2) ? 1 : 0);
    Line(probe, "install-null %ld\n", install(nullptr, kHookMessage, 1) ? 1 : 0);
    Line(probe, "uninstall-idle %ld\n", probe.uninstall() ? 1 : 0);
    Line(probe, "install %ld\n", install(window, kHookMessage, kMouseHookPostButtons) ? 1 : 0);
    SetTimer(window, kEndTimer, 60000, nullptr);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DestroyWindow(window);
    FreeLibrary(library);
    std::fclose(probe.log);
    return 0;
}
