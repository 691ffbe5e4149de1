// Putting language texts into windows, controls, menus and combo boxes (Windows build).
// A missing text leaves the control, title or item as it was; texts are cut to 4095 characters.
#pragma once

#include <windows.h>

#include <cstddef>

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

// The caption loader of a dialog: its controls and the names of their texts in its section.
struct DialogCaption {
    int controlId;
    const wchar_t* name;
};

// Sets every listed control's text (controls without a text keep their template text) and, when
// withTitle is set, the window title ("Title"). Returns how many texts were set.
template <size_t N>
int LoadDialogCaptions(ZtvLangManHandle lang, HWND dialog, const wchar_t* section,
                       const DialogCaption (&captions)[N], bool withTitle) {
    return LoadDialogCaptions(lang, dialog, section, captions, N, withTitle);
}
int LoadDialogCaptions(ZtvLangManHandle lang, HWND dialog, const wchar_t* section,
                       const DialogCaption* captions, size_t count, bool withTitle);

}  // namespace zentrova
