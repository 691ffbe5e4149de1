// The program's icon in the notification area and its menu (menu resource 103).
#pragma once

#include <windows.h>

#include <cstdint>

#include "lang/ztv_lang/ztv_lang.h"

namespace zentrova {

constexpr UINT kTrayIconId = 544;

class TrayIcon {
  public:
    TrayIcon() = default;
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon for owner: identifier 544, callback message UM_TRAY_NOTIFY, the program icon
    // (resource 125, shared, default size; the main icon 102 while 125 is missing), tool tip
    // toolTip. A present icon is removed first.
    bool Add(HWND owner, HINSTANCE instance, const wchar_t* toolTip);
    void Remove();
    bool IsAdded() const { return m_owner != nullptr; }

  private:
    HWND m_owner = nullptr;
};

// The tray menu: the first submenu of menu 103, its texts from the language (the template's
// English texts where the language has none), "Show CaptureBar" checked when showCaptureBar is
// set. foreground (the capture bar, or the main window while there is none) is brought to the
// foreground so that the menu closes when the user clicks elsewhere; the menu is tracked at the
// cursor position. With ownerDrawn the items are drawn by the skin's menu painter (the owner
// forwards WM_MEASUREITEM and WM_DRAWITEM to it). Returns the chosen command, 0 when none was
// chosen.
uint32_t TrackTrayMenu(HWND owner, HWND foreground, HINSTANCE instance, ZtvLangManHandle lang,
                       bool showCaptureBar, bool ownerDrawn);

}  // namespace zentrova
