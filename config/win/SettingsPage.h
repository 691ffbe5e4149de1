// One page of the settings sheet (Windows build). Each page is a class of its own in a file of
// its own; the sheet (SettingsSheet_win.h) knows them only through this interface.
//
// A page fills its controls from the record on WM_INITDIALOG and writes them back on PSN_APPLY;
// the skinned dialog duties, the caption texts and the help button are handled here for all.
#pragma once

#include <windows.h>

#include "config/win/SettingsHost.h"
#include "core/HelpTopics.h"
#include "lang/TextLookupWin.h"

namespace zentrova {

// The page indexes the commands and the configure dialog ask for.
constexpr int kPageGeneral = 0;
constexpr int kPageSkin = 1;
constexpr int kPageLanguage = 2;
constexpr int kPageMouseTools1 = 3;
constexpr int kPageMouseTools2 = 4;
constexpr int kPageCapture = 5;
constexpr int kPageEditMode = 6;

class CSettingsPage {
  public:
    explicit CSettingsPage(SettingsHost& host) : m_host(host) {}
    virtual ~CSettingsPage() = default;
    CSettingsPage(const CSettingsPage&) = delete;
    CSettingsPage& operator=(const CSettingsPage&) = delete;

    // The page's index (0-6, its tab's item in the caption list), template and help topic.
    virtual int Index() const = 0;
    virtual int TemplateId() const = 0;
    virtual const wchar_t* HelpTopic() const = 0;

    // The dialog procedure of every page; lParam of WM_INITDIALOG is the PROPSHEETPAGEW whose
    // lParam is the page object.
    static INT_PTR CALLBACK Procedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

    HWND Window() const { return m_hwnd; }

  protected:
    // Texts from the language and the record into the controls.
    virtual void OnInit() = 0;
    // The controls into the record (OK).
    virtual void OnApply() = 0;
    // A control's WM_COMMAND; true when handled.
    virtual bool OnCommand(int control, int code) {
        (void)control;
        (void)code;
        return false;
    }
    // Other messages (WM_DRAWITEM of the page's own items, WM_NOTIFY of its controls); true
    // with *result set when handled.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
        (void)message;
        (void)wParam;
        (void)lParam;
        (void)result;
        return false;
    }

    SettingsHost& Host() { return m_host; }
    ZtvLangManHandle Lang() { return m_host.Ui().Lang(); }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    bool IsChecked(int id) const { return IsDlgButtonChecked(m_hwnd, id) == BST_CHECKED; }
    void Check(int id, uint32_t on) { CheckDlgButton(m_hwnd, id, on != 0 ? BST_CHECKED : 0); }

  private:
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

    SettingsHost& m_host;
    HWND m_hwnd = nullptr;
};

}  // namespace zentrova
