// The main window of the resident program: its class, its creation and its message box helper.
//
// One hidden popup window of the class "ZentrovaClarivue2Class" stands for the running instance:
// a second start finds it to bring it to the front, "-exit" finds it to close it.
#pragma once

#include <windows.h>

namespace zentrova {

constexpr const wchar_t* kMainWindowClass = L"ZentrovaClarivue2Class";
constexpr const wchar_t* kMainWindowTitle = L"Zentrova Clarivue 2";
constexpr const wchar_t* kMessageBoxCaption = L"Zentrova Clarivue 2.1";

// Longest text of one message box, in characters; longer texts are cut.
constexpr int kMessageBoxMaxChars = 1024;

// Registers the main window class: no class style, the program icon (resource 102), no cursor,
// background of the system colour COLOR_APPWORKSPACE.
bool RegisterMainWindowClass(HINSTANCE instance);

// Creates the main window: topmost popup without owner at the default place and size. It stays
// hidden; WM_CLOSE destroys it, which ends the message loop with exit code 0.
HWND CreateMainWindow(HINSTANCE instance);

// Shows a message box with the text filled from format (wide strings with %ls), the caption
// "Zentrova Clarivue 2.1", the information icon, on top of all windows.
void ShowMainMessage(HWND owner, const wchar_t* format, ...);

}  // namespace zentrova
