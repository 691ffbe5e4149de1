// MouseHook.dll: a low-level mouse hook that posts button events to one window.
//
// A hook procedure has no user pointer, so the hook's state is the one object of this library,
// kept in the module; the hook runs on the installing thread only, so nothing is shared between
// threads.
#define MOUSEHOOK_BUILDING_DLL
#include "capture/hook/MouseHook.h"

namespace {

struct HookState {
    HHOOK hook = nullptr;
    HWND window = nullptr;
    UINT message = 0;
};

HookState& State() {
    static HookState state;
    return state;
}

HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

bool IsButtonMessage(WPARAM message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP:
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK LowLevelMouseProc(int code, WPARAM wParam, LPARAM lParam) {
    HookState& state = State();
    if (code == HC_ACTION && IsButtonMessage(wParam) && state.window != nullptr) {
        const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        const LPARAM position = MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(info->pt.x)),
                                           static_cast<WORD>(static_cast<SHORT>(info->pt.y)));
        PostMessageW(state.window, state.message, wParam, position);
    }
    return CallNextHookEx(state.hook, code, wParam, lParam);
}

}  // namespace

MOUSEHOOK_API BOOL WINAPI Dll_InstallMouseHook(HWND window, UINT message, int mode) {
    if (mode != kMouseHookPostButtons || window == nullptr || !IsWindow(window)) {
        return FALSE;
    }
    HookState& state = State();
    if (state.hook == nullptr) {
        state.hook = SetWindowsHookExW(WH_MOUSE_LL, LowLevelMouseProc, ThisModule(), 0);
        if (state.hook == nullptr) {
            return FALSE;
        }
    }
    state.window = window;
    state.message = message;
    return TRUE;
}

MOUSEHOOK_API BOOL WINAPI Dll_UninstallMouseHook(void) {
    HookState& state = State();
    if (state.hook != nullptr) {
        UnhookWindowsHookEx(state.hook);
    }
    state = HookState{};
    return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_DETACH) {
        Dll_UninstallMouseHook();
    }
    return TRUE;
}
