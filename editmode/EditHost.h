// EditHost: what the Edit Mode needs from the window it runs in. The Windows window implements
// it; the tests give a recording fake.
#pragma once

#include <cstdint>

namespace zentrova {

class EditHost {
  public:
    virtual ~EditHost() = default;
    // The short failure sound (200 Hz, 100 ms).
    virtual void Beep() = 0;
    // A failure the user must read (writer messages).
    virtual void ShowError(const wchar_t* text) = 0;
    // Asks the main window to leave the Edit Mode (command 40029, posted).
    virtual void RequestLeave() = 0;
    // The screen must be painted again.
    virtual void Repaint() = 0;
    // Opens the help file at topic.
    virtual void OpenHelp(const wchar_t* topic) = 0;
};

}  // namespace zentrova
