// ui_probe.exe buttonbar|dialog|menu ARGS...: the capture bar (buttonbar_test.sh), the skinned
// dialogs and message boxes (dialogs_window_test.sh) or the tray-style menu
// (menu_skin_window_test.sh) for the window tests; exit code 1 for an unknown name.
#include <cstdio>
#include <cwchar>

#include "tests/ui/UiProbe.h"

HWND CreateProbeWindow(const wchar_t* className, const wchar_t* title, WNDPROC procedure,
                       DWORD style, RECT place) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = className;
    if (!RegisterClassW(&windowClass)) {
        return nullptr;
    }
    return CreateWindowExW(0, className, title, style | WS_VISIBLE, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, nullptr, nullptr,
                           instance, nullptr);
}

int RunProbeMessages() {
    MSG message{};
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : 3;
}

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return 1;
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // the tests read the reports as they come
    if (std::wcscmp(argv[1], L"buttonbar") == 0) {
        return ButtonBarProbeMain(argc - 1, argv + 1);
    }
    if (std::wcscmp(argv[1], L"dialog") == 0) {
        return DialogDemoMain(argc - 1, argv + 1);
    }
    if (std::wcscmp(argv[1], L"menu") == 0) {
        return MenuSkinDemoMain(argc - 1, argv + 1);
    }
    return 1;
}
