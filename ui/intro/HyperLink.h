// A hyperlink control (Windows build): a static text of a dialog that shows the hand cursor, is
// blue (purple once opened), underlined while the cursor is over it, framed by a focus rectangle
// while it has the focus, and opens its target on a left click or when the space key is released
// over it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/intro/LinkHover.h"

namespace zentrova {

// Opens a link's target; false when it could not be opened.
using LinkOpener = std::function<bool(const std::wstring& target)>;

class HyperLink {
  public:
    HyperLink() = default;
    ~HyperLink();
    HyperLink(const HyperLink&) = delete;
    HyperLink& operator=(const HyperLink&) = delete;

    // Turns the static control `controlId` of dialog into a link to target. Without an opener
    // the target is opened by the shell (verb "open"). False when the control does not exist or
    // cannot be subclassed.
    bool Attach(HWND dialog, int controlId, const std::wstring& target,
                LinkOpener opener = nullptr);
    // Gives the control its procedure and font back (also done when the control is destroyed).
    void Detach();

    bool IsOpened() const { return m_opened; }

  private:
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
    void Open();
    // Carries out a step of the mouse states (LinkHover.h).
    void Step(LinkStep step);
    void SetFont(HFONT font);
    // One pixel around the control, in the dialog's client coordinates.
    RECT FocusFrame() const;
    // Draws the focus rectangle on the dialog while the control has the focus.
    void DrawFocusFrame();

    HWND m_control = nullptr;
    HWND m_parent = nullptr;
    std::wstring m_target;
    LinkOpener m_opener;
    HFONT m_normalFont = nullptr;
    HFONT m_underlinedFont = nullptr;
    HCURSOR m_cursor = nullptr;
    LinkHover m_hover;
    bool m_opened = false;
};

}  // namespace zentrova
