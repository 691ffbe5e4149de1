// The splash picture at start-up (Windows build): a layered, click-through, topmost popup
// centred on the primary screen that fades in, stays for the display time and fades out.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "core/ObjectWindowProc_win.h"
#include "image/ZImage.h"

namespace zentrova {

class Splash {
  public:
    // Registers the class "_ZSplash-<GUID>" once the window is first shown.
    Splash();
    ~Splash();
    Splash(const Splash&) = delete;
    Splash& operator=(const Splash&) = delete;

    // Reads the picture resource `resource` (type "IMAGE") of instance and shows it owned by
    // owner: fading in over fadeMs, shown for displayMs from the start, then fading out over
    // fadeMs and closing. An open splash is closed first. False when the picture or the window
    // could not be made.
    bool Show(HWND owner, HINSTANCE instance, uint32_t displayMs, uint32_t fadeMs,
              const wchar_t* resource);
    // Called once when the open splash has faded out by itself (not when it is closed).
    void OnFaded(std::function<void()> faded) { m_onFaded = std::move(faded); }
    // Destroys the window and unregisters the class.
    void Close();
    bool IsOpen() const { return m_open; }

  private:
    friend LRESULT CALLBACK ObjectWindowProc<Splash>(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnFadeStep();

    HWND m_hwnd = nullptr;
    HINSTANCE m_instance = nullptr;
    std::wstring m_className;
    bool m_registered = false;
    bool m_open = false;
    bool m_fadingOut = false;
    ZImage m_image;
    uint32_t m_displayMs = 0;
    uint32_t m_fadeMs = 0;
    uint32_t m_fadeStart = 0;
    std::function<void()> m_onFaded;
};

}  // namespace zentrova
