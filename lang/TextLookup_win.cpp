#include <string>

#include "core/WideText.h"
#include "lang/TextLookup.h"
#include "lang/TextLookupWin.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kMenuSection = L"Menu";
constexpr const wchar_t* kTitleName = L"Title";

// The language's text cut to the size of a control text; empty when there is none.
bool ControlText(ZtvLangManHandle lang, const wchar_t* section, const wchar_t* name,
                 std::wstring& out) {
    const wchar_t* text = LookUpLanguageText(lang, section, name);
    if (text == nullptr) {
        return false;
    }
    out = text;
    if (out.size() >= kLanguageControlChars) {
        out.resize(kLanguageControlChars - 1);
    }
    return true;
}

bool SetMenuItemText(ZtvLangManHandle lang, HMENU menu, const wchar_t* name, UINT item,
                     BOOL byPosition) {
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    if (menu == nullptr || !GetMenuItemInfoW(menu, item, byPosition, &info)) {
        return false;  // no such item
    }
    std::wstring text;
    if (!ControlText(lang, kMenuSection, name, text)) {
        return false;
    }
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    return SetMenuItemInfoW(menu, item, byPosition, &info) != FALSE;
}

}  // namespace

bool SetDlgItemTextFromLanguage(ZtvLangManHandle lang, HWND dialog, const wchar_t* section,
                                const wchar_t* name, int controlId) {
    std::wstring text;
    return ControlText(lang, section, name, text) &&
           SetDlgItemTextW(dialog, controlId, text.c_str()) != FALSE;
}

bool SetWindowTitleFromLanguage(ZtvLangManHandle lang, HWND window, const wchar_t* section) {
    std::wstring text;
    return ControlText(lang, section, kTitleName, text) &&
           SetWindowTextW(window, text.c_str()) != FALSE;
}

bool SetMenuItemFromLanguage(ZtvLangManHandle lang, HMENU menu, const wchar_t* name, UINT command) {
    return SetMenuItemText(lang, menu, name, command, FALSE);
}

bool SetMenuItemFromLanguageByPosition(ZtvLangManHandle lang, HMENU menu, const wchar_t* name,
                                       UINT position) {
    return SetMenuItemText(lang, menu, name, position, TRUE);
}

void FillComboFromLanguage(ZtvLangManHandle lang, HWND combo, const wchar_t* section,
                           const wchar_t* name, int selected, const wchar_t* builtIn) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : GetLanguageList(lang, section, name, builtIn)) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int LoadDialogCaptions(ZtvLangManHandle lang, HWND dialog, const wchar_t* section,
                       const DialogCaption* captions, size_t count, bool withTitle) {
    int set = 0;
    for (size_t i = 0; captions != nullptr && i < count; ++i) {
        set += SetDlgItemTextFromLanguage(lang, dialog, section, captions[i].name,
                                          captions[i].controlId)
                   ? 1
                   : 0;
    }
    if (withTitle) {
        set += SetWindowTitleFromLanguage(lang, dialog, section) ? 1 : 0;
    }
    return set;
}

}  // namespace zentrova
