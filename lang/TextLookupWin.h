// Putting language texts into windows, controls, menus and combo boxes (Windows build).
// A missing text leaves the control, title or item as it was; texts are cut to 4095 characters.
#pragma once

#include <windows.h>

#include "lang/ztv_lang/ztv_lang.h"

namespace zentrova {

bool SetDlgItemTextFromLanguage(ZtvLangManHandle lang, HWND dialog, const wchar_t* section,
                                const wchar_t* name, int controlId);
// The title text has the name "Title".
bool SetWindowTitleFromLanguage(ZtvLangManHandle lang, HWND window, const wchar_t* section);
// The item with command identifier `command` gets the text of "Menu." + name.
bool SetMenuItemFromLanguage(ZtvLangManHandle lang, HMENU menu, const wchar_t* name, UINT command);
// The same for the item at `position` (pop-up sub-menus have no command identifier).
bool SetMenuItemFromLanguageByPosition(ZtvLangManHandle lang, HMENU menu, const wchar_t* name,
                                       UINT position);
// Empties the combo box, adds the list's items in order and selects `selected` (an index past
// the items leaves no selection).
void FillComboFromLanguage(ZtvLangManHandle lang, HWND combo, const wchar_t* section,
                           const wchar_t* name, int selected, const wchar_t* builtIn);

}  // namespace zentrova
