// The busy-cursor watchdog of the message loop: a worker thread that shares the user-interface
// thread's input state and shows the wait cursor while one message takes longer than about
// 5 x 25 ms, and a computer-based-training hook on the user-interface thread that keeps the wait
// cursor away from dialogs and message boxes (see BusyCountdown).
#pragma once

#include <windows.h>

#include "core/win/BusyCountdown.h"

namespace zentrova {

class BusyCursorWatchdog {
  public:
    static constexpr DWORD kTickMs = 25;

    BusyCursorWatchdog() = default;
    ~BusyCursorWatchdog() { Stop(); }
    BusyCursorWatchdog(const BusyCursorWatchdog&) = delete;
    BusyCursorWatchdog& operator=(const BusyCursorWatchdog&) = delete;

    // Notes the calling (user-interface) thread, starts the worker and sets the hook. Only the
    // first call does anything. False when the worker or the hook could not be set up (the loop
    // then runs without the watchdog).
    bool Start();
    // Ends the worker and removes the hook.
    void Stop();

    // Around each dispatched message.
    void BeforeDispatch() { m_countdown.Arm(); }
    void AfterDispatch();

  private:
    static DWORD WINAPI WorkerMain(void* self);
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    void Work();

    BusyCountdown m_countdown;
    DWORD m_uiThreadId = 0;
    HANDLE m_stopEvent = nullptr;
    HANDLE m_readyEvent = nullptr;
    HANDLE m_worker = nullptr;
    HHOOK m_hook = nullptr;
    bool m_started = false;
};

}  // namespace zentrova
