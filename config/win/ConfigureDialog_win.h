// The "Configure..." dialog (Windows build): capture type, drop shadow and cursor, the way to the
// full settings, and the program's menu bar, whose commands go to the main window.
//
// It is modal to the main window but runs its own message loop, so that the keys of the
// settings sheet it may open and its own F1 (the help, as a key of this window only) are routed
// like those of the resident program's loop.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "config/win/SettingsHost.h"
#include "image/ZImage.h"

namespace zentrova {

// The dialog's own message: reload texts, menu and look after a language or skin change.
constexpr UINT UM_CONFIGURE_RELOAD = WM_APP + 0x21;

class CConfigureDialog {
  public:
    explicit CConfigureDialog(SettingsHost& host) : m_host(host) {}
    CConfigureDialog(const CConfigureDialog&) = delete;
    CConfigureDialog& operator=(const CConfigureDialog&) = delete;

    // Shows the dialog owned by owner (disabled meanwhile) until it ends; route is offered every
    // message of the loop first (true: used). 1 for OK, 0 for Cancel, -1 when the dialog could
    // not be created (the program beeps). A quit message ends the loop and is posted again.
    int Run(HWND owner, const std::function<bool(MSG&)>& route, bool animate);

    HWND Window() const { return m_hwnd; }
    // The dialog's keys: F1 opens its help topic; keyboard navigation. True when used.
    bool RouteMessage(MSG& msg);
    // Ends the dialog as its OK button does (a capture command while it is open).
    void CloseWithOk();

  private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInit();
    void LoadLook();
    // Keeps the controls inside the picture: the template's block moved left and up as needed.
    void PlaceControls();
    void LoadTexts();
    void LoadMenuBar();
    void OnOk();
    void End(int result);
    void Paint();

    SettingsHost& m_host;
    HWND m_hwnd = nullptr;
    HWND m_owner = nullptr;
    ZImage m_background;
    // The controls' places as the template made them (client coordinates).
    std::vector<std::pair<HWND, RECT>> m_layout;
    bool m_animate = false;
    bool m_ended = false;
    int m_result = 0;
};

}  // namespace zentrova
