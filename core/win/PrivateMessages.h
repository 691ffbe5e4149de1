// The program's private window messages (fixed numbers shared by the main window, the capture
// engine, the mouse hook library and the intro windows). Portable: plain numbers, no Win32 header.
#pragma once

#include <cstdint>

namespace zentrova {

// To the main window from its notification-area icon; lParam is the mouse message on the icon.
constexpr uint32_t UM_TRAY_NOTIFY = 33068;  // 0x812C
// To the main window from an intro window: wParam the new value of its show-again setting (0 or
// 1), lParam the intro's index (IntroId, IntroChain.h). Any process can post it: the main window
// checks both and takes it only for the intro it has open.
constexpr uint32_t UM_INTRO_CLOSED = 33168;  // 0x8190
// To the capture overlay from the mouse hook library: wParam the mouse message (513, 514, 516).
constexpr uint32_t UM_HOOK_MOUSE = 33169;  // 0x8191
// To the main window from the capture engine: a capture is finished (wParam 1).
constexpr uint32_t UM_CAPTURE_DONE = 33170;  // 0x8192
// The settings sheet has closed (OK, Cancel or its close box) and is to be destroyed.
constexpr uint32_t UM_SETTINGS_CLOSED = 33171;  // 0x8193
// Open the settings sheet: first parameter the page; second 1 to close an open sheet first and
// open it anew (owned by the main window), as after "Factory Defaults".
constexpr uint32_t UM_OPEN_SETTINGS = 33172;  // 0x8194

}  // namespace zentrova
