// The settings sheet: a modeless, skinned property sheet with one page object per page (Windows
// build). One sheet at a time: a second request brings it to the front on the requested page.
//
// The message loop hands every message to RouteMessage (keyboard navigation and F1, the help of
// the selected page, without any system-wide hot key). Once the sheet has closed (OK, Cancel, the
// close box) its owner learns it through the message given to Open and calls Destroy; however
// the sheet goes, the capture hot keys are registered again.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "config/win/SettingsHost.h"
#include "config/win/SettingsPage.h"

namespace zentrova {

class CSettingsSheet {
  public:
    explicit CSettingsSheet(SettingsHost& host) : m_host(host) {}
    ~CSettingsSheet() { Destroy(); }
    CSettingsSheet(const CSettingsSheet&) = delete;
    CSettingsSheet& operator=(const CSettingsSheet&) = delete;

    // Opens the sheet owned by owner on page (a page index, kPageGeneral..kPageEditMode; a page
    // this build does not have opens the first one), or, when it is open, selects that page and
    // brings it to the front. closedMessage is posted to notify once the sheet has closed.
    // False, with the error message shown, when the sheet cannot be created.
    bool Open(HWND owner, int page, HWND notify, UINT closedMessage);
    // Destroys the sheet (nothing when none is open).
    void Destroy();
    bool IsOpen() const { return m_hwnd != nullptr; }
    HWND Window() const { return m_hwnd; }

    // Keyboard messages of the sheet and its pages; true when the message was used.
    bool RouteMessage(MSG& msg);

  private:
    static LRESULT CALLBACK SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void SkinButtons();
    void OnClosed();
    int PositionOf(int page) const;
    void SelectPage(int page);
    void ShowCurrentHelp();

    SettingsHost& m_host;
    std::vector<std::unique_ptr<CSettingsPage>> m_pages;
    HWND m_hwnd = nullptr;
    WNDPROC m_original = nullptr;
    HWND m_notify = nullptr;
    UINT m_closedMessage = 0;
};

}  // namespace zentrova
