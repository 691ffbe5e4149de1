// An intro window (Windows build): the skin's background with the logo in its top-right corner,
// 19 text lines with their heading styles, and at the bottom a "Show this window" check box and
// a Next or Close button. It fades in; the button fades it out, then the owner is told with its
// notification message (wParam 1 when the box is ticked, else 0; lParam the intro's index in the
// owner's table) and the window closes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/ObjectWindowProc_win.h"
#include "image/ZImage.h"
#include "ui/intro/IntroText.h"

namespace zentrova {

// Control identifiers of the bottom row.
constexpr int kIntroButtonId = IDOK;  // so that Enter presses it
constexpr int kIntroCheckId = 100;
// Height of the bottom row below the background.
constexpr int kIntroBottomRow = 24;

// The look of an intro window, from the skin (with its background and logo pictures).
struct IntroLook {
    COLORREF colours[4] = {};  // normal, H1, H2, H3
    int32_t weights[4] = {FW_NORMAL, FW_BOLD, FW_BOLD, FW_BOLD};
    bool italic[4] = {};
    bool underline[4] = {};
    int32_t textX = 16;
    int32_t textY = 16;
    int32_t lineHeight = 16;
    HBRUSH rowBrush = nullptr;  // the bottom row (null: the dialog colour)
};

class IntroWindow {
  public:
    IntroWindow();  // the class name "_ZIntroWindow-<GUID>"
    ~IntroWindow();
    IntroWindow(const IntroWindow&) = delete;
    IntroWindow& operator=(const IntroWindow&) = delete;

    // Opens the intro `name` (also the window's title) centred on the screen, the size of the
    // background plus the bottom row; the pictures are taken over (left empty). A window still
    // open is closed first. False without a background or window.
    bool Create(HWND owner, HINSTANCE instance, UINT notifyMessage, const wchar_t* name,
                intptr_t notifyId, const IntroLines& lines, const IntroLook& look,
                ZImage& background, ZImage& logo, const wchar_t* buttonText,
                const wchar_t* checkText);
    // Closes the window at once, without telling the owner.
    void Close();
    bool IsOpen() const { return m_hwnd != nullptr; }
    // Keyboard navigation for the program's message loop: Tab between the check box and the
    // button, Space on either, Enter and Escape as the button. True when `msg` was used.
    bool RouteMessage(MSG& msg);

  private:
    friend LRESULT CALLBACK ObjectWindowProc<IntroWindow>(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void MakeFonts(int32_t height);
    void FitFonts();
    bool LinesFit(HDC dc, const IntroTextArea& area) const;
    void ReleaseFonts();
    void Compose();
    void OnFadeStep();
    void Finish();

    HWND m_hwnd = nullptr;
    HWND m_owner = nullptr;
    HWND m_button = nullptr;
    HWND m_check = nullptr;
    HINSTANCE m_instance = nullptr;
    std::wstring m_className;
    bool m_registered = false;
    UINT m_notifyMessage = 0;
    intptr_t m_notifyId = 0;
    std::wstring m_name;
    IntroLines m_lines;
    IntroLook m_look;
    ZImage m_background;
    ZImage m_logo;
    HFONT m_fonts[4] = {};
    HFONT m_controlFont = nullptr;
    ZImage m_offscreen;
    bool m_fadingOut = false;
    uint32_t m_fadeStart = 0;
};

}  // namespace zentrova
