// MouseHook.dll: the global mouse hook of the capture overlay.
//
// Dll_InstallMouseHook (window, message, mode) installs a low-level mouse hook for the calling
// thread (which must run a message loop, as the program's user-interface thread does). From then
// on every mouse button event anywhere on the desktop is posted to window as message, with the
// mouse message number in the first parameter (513 left down, 514 left up, 516 right down, and
// likewise the other buttons' messages) and the cursor's screen position in the second (x in the
// low word, y in the high word, each a signed 16-bit value). Moves (512) and the wheel are not
// posted. The events go on to the windows under the cursor as usual. mode must be
// kMouseHookPostButtons (1). Installing again replaces the previous window and message.
// Dll_UninstallMouseHook () removes the hook; it is safe to call when none is installed.
//
// Both functions are exported undecorated (extern "C") and return nonzero on success.
#pragma once

#include <windows.h>

#define MOUSEHOOK_INSTALL_NAME "Dll_InstallMouseHook"
#define MOUSEHOOK_UNINSTALL_NAME "Dll_UninstallMouseHook"

enum { kMouseHookPostButtons = 1 };

typedef BOOL(WINAPI* MouseHookInstallFunction)(HWND window, UINT message, int mode);
typedef BOOL(WINAPI* MouseHookUninstallFunction)(void);

#ifdef MOUSEHOOK_BUILDING_DLL
#define MOUSEHOOK_API extern "C" __declspec(dllexport)
#else
#define MOUSEHOOK_API extern "C" __declspec(dllimport)
#endif

MOUSEHOOK_API BOOL WINAPI Dll_InstallMouseHook(HWND window, UINT message, int mode);
MOUSEHOOK_API BOOL WINAPI Dll_UninstallMouseHook(void);
