// The window class and procedure of a window that belongs to an object: the object arrives as the
// create parameter of WM_NCCREATE and is kept in GWLP_USERDATA; once the object holds the window as
// its own (m_hwnd), every message goes to its Handle member, before that to DefWindowProcW.
#pragma once

#include <windows.h>

namespace zentrova {

template <typename Owner>
LRESULT CALLBACK ObjectWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->m_hwnd != hwnd) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

// Registers the object's own class (arrow cursor, the given background) with the procedure above;
// false when Windows refuses it.
template <typename Owner>
bool RegisterObjectClass(HINSTANCE instance, const wchar_t* className, HBRUSH background) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &ObjectWindowProc<Owner>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0;
}

// Destroys the object's window and unregisters its class. The handle is cleared before the window
// goes, so the messages of its destruction reach DefWindowProcW, not the object.
inline void DestroyObjectWindow(HWND& hwnd, bool& registered, const wchar_t* className,
                                HINSTANCE instance) {
    if (hwnd != nullptr) {
        HWND window = hwnd;
        hwnd = nullptr;
        DestroyWindow(window);
    }
    if (registered) {
        UnregisterClassW(className, instance);
        registered = false;
    }
}

}  // namespace zentrova
