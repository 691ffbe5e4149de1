#include "core/win/MainWindow.h"

#include <cstdarg>
#include <cwchar>

#include "core/win/resource.h"

namespace zentrova {

namespace {

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = 0;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
    windowClass.hCursor = nullptr;
    windowClass.hbrBackground =
        reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_APPWORKSPACE + 1));
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassExW(&windowClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance) {
    return CreateWindowExW(WS_EX_TOPMOST, kMainWindowClass, kMainWindowTitle,
                           WS_POPUP | WS_CLIPSIBLINGS, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
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
    MessageBoxW(owner, text, kMessageBoxCaption, MB_OK | MB_ICONINFORMATION | MB_TOPMOST);
}

}  // namespace zentrova
