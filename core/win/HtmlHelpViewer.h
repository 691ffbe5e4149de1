// Opens a compiled help file with the system's HTML Help viewer (hhctrl.ocx), loaded when it is
// first needed and kept until the program ends (unloading it would close the help window).
#pragma once

#include <windows.h>

namespace zentrova {

class HtmlHelpViewer {
  public:
    HtmlHelpViewer() = default;
    ~HtmlHelpViewer();
    HtmlHelpViewer(const HtmlHelpViewer&) = delete;
    HtmlHelpViewer& operator=(const HtmlHelpViewer&) = delete;

    // Shows "<file>::/<topic>.htm" ("::/welcome.htm" without a topic). False when the file does
    // not exist, the viewer is not installed or it shows nothing.
    bool Show(HWND owner, const wchar_t* file, const wchar_t* topic);

  private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    HMODULE m_library = nullptr;
    HtmlHelpFunction m_htmlHelp = nullptr;
};

}  // namespace zentrova
