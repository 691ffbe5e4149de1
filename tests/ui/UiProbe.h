// The programs of the window tests of the skinned user interface, one executable (one link):
// each takes the arguments after its name, argv[0] being that name.
#pragma once

#include <windows.h>

int ButtonBarProbeMain(int argc, wchar_t** argv);
int DialogDemoMain(int argc, wchar_t** argv);
int MenuSkinDemoMain(int argc, wchar_t** argv);

// Registers a window class with the arrow cursor and a white background and creates a visible
// window of it. Null when either step fails.
HWND CreateProbeWindow(const wchar_t* className, const wchar_t* title, WNDPROC procedure,
                       DWORD style, RECT place);
// Runs the message loop; the exit code of WM_QUIT, 3 when GetMessage fails.
int RunProbeMessages();
