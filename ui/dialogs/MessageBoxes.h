// The program's own message boxes (Windows build): two small skinned, topmost dialogs from the
// templates "OKBOXDLG" and "YESNOBOXDLG" (dialogs.rc, which the program's resource script must
// include). The button texts come from the section "Messages" ("Ok", "Yes", "No"); OK and Yes
// carry the "<Ok>" icon, No the "<Cancel>" icon. The owner is disabled while a box is open. When
// a box cannot be created the program beeps (200 Hz, 200 ms) and the function returns false.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <cstddef>

#include "ui/dialogs/SkinnedDialog.h"

namespace zentrova {

constexpr const wchar_t* kOkBoxCaption = L"Zentrova Clarivue 2.1";
constexpr size_t kOkBoxTextChars = 2048;

// Formats the message (printf rules, %ls for wide strings; cut to 2047 characters) and shows it in
// the OK box. True when closed with OK (a click, Enter or Space on it); false for Escape or the
// close box.
bool ShowOkBox(const SkinnedUi& ui, HWND owner, const wchar_t* format, ...);
bool ShowOkBoxV(const SkinnedUi& ui, HWND owner, const wchar_t* format, va_list args);

// Shows message under caption in the Yes/No box. True for Yes; false for No, Escape or the close
// box. Enter presses the focused button (Yes when it opens).
bool ShowYesNoBox(const SkinnedUi& ui, HWND owner, const wchar_t* caption, const wchar_t* message);

}  // namespace zentrova
