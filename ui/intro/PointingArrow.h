// A pointing arrow (Windows build): a layered, topmost, click-through popup that shows one frame
// of a picture of 4 x 2 frames (ArrowLayout.h), fades in to opacity 200, blinks between its two
// rows and fades out before it is destroyed. Magenta pixels of the picture are transparent.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/ObjectWindowProc_win.h"
#include "image/ZImage.h"
#include "ui/intro/ArrowLayout.h"

namespace zentrova {

class PointingArrow {
  public:
    PointingArrow();  // the class name "_ZPointingArrow-<GUID>"
    ~PointingArrow();
    PointingArrow(const PointingArrow&) = delete;
    PointingArrow& operator=(const PointingArrow&) = delete;

    // Shows the arrow owned by parent, pointing in direction at (x, y) on the screen, with a copy
    // of picture. An open arrow is closed first. False without a picture or window.
    bool Show(HWND parent, HINSTANCE instance, ArrowDirection direction, int32_t x, int32_t y,
              const ZImage& picture);
    // Fades out over 500 ms, then closes (nothing when it is not open).
    void FadeOut();
    // Destroys the window at once and unregisters the class.
    void Close();
    bool IsOpen() const { return m_hwnd != nullptr; }

  private:
    friend LRESULT CALLBACK ObjectWindowProc<PointingArrow>(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnFadeStep();
    void OnBlink();

    HWND m_hwnd = nullptr;
    HINSTANCE m_instance = nullptr;
    std::wstring m_className;
    bool m_registered = false;
    ZImage m_picture;
    ArrowDirection m_direction = ArrowDirection::Left;
    ArrowRect m_frame;
    BlinkStep m_blink;
    bool m_fadingOut = false;
    uint32_t m_fadeStart = 0;
};

}  // namespace zentrova
