// Loading MouseHook.dll and installing the overlay's mouse hook.
#include <windows.h>

#include <cwchar>

#include "capture/hook/MouseHook.h"
#include "capture/overlay/CaptureOverlay_win.h"

namespace zentrova {
namespace {

constexpr const wchar_t* kHookLibraryName = L"MouseHook.dll";

// MouseHook.dll beside the program first, then wherever the system finds it.
HMODULE LoadHookLibrary() {
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        wchar_t* slash = std::wcsrchr(path, L'\\');
        const size_t folderLength = slash != nullptr ? static_cast<size_t>(slash - path + 1) : 0;
        if (folderLength + std::wcslen(kHookLibraryName) < MAX_PATH) {
            std::wcscpy(path + folderLength, kHookLibraryName);
            if (HMODULE module = LoadLibraryW(path)) {
                return module;
            }
        }
    }
    return LoadLibraryW(kHookLibraryName);
}

}  // namespace

bool InstallOverlayMouseHook(void*& library, HWND overlay, UINT message) {
    UninstallOverlayMouseHook(library);
    HMODULE module = LoadHookLibrary();
    if (module == nullptr) {
        return false;
    }
    auto install = reinterpret_cast<MouseHookInstallFunction>(
        reinterpret_cast<void*>(GetProcAddress(module, MOUSEHOOK_INSTALL_NAME)));
    if (install == nullptr || !install(overlay, message, kMouseHookPostButtons)) {
        FreeLibrary(module);
        return false;
    }
    library = module;
    return true;
}

void UninstallOverlayMouseHook(void*& library) {
    if (library == nullptr) {
        return;
    }
    HMODULE module = static_cast<HMODULE>(library);
    auto uninstall = reinterpret_cast<MouseHookUninstallFunction>(
        reinterpret_cast<void*>(GetProcAddress(module, MOUSEHOOK_UNINSTALL_NAME)));
    if (uninstall != nullptr) {
        uninstall();
    }
    FreeLibrary(module);
    library = nullptr;
}

}  // namespace zentrova
