// The shared state of the busy-cursor watchdog: a countdown and a saved cursor, each one value
// read and written whole (atomically) by the user-interface thread, the watchdog's worker thread
// and the hook on the user-interface thread. Portable; the threads and the hook are in
// BusyCursorWatchdog.
//
// The user-interface thread arms the countdown before it dispatches a message and disarms it
// after; the worker ticks it every 25 ms. The tick that takes it from 1 to 0 (the message has
// been in work for about 5 ticks) shows the wait cursor and saves the cursor it replaced; after
// the dispatch the saved cursor is taken back and set again. Every hook event (a window created,
// activated, moved ...) disarms the countdown, so that dialogs never get the wait cursor.
#pragma once

#include <atomic>
#include <cstdint>

namespace zentrova {

class BusyCountdown {
  public:
    static constexpr int32_t kArmedTicks = 5;

    // Before a message is dispatched: countdown 5, saved cursor cleared.
    void Arm() {
        m_savedCursor.store(0);
        m_countdown.store(kArmedTicks);
    }
    // A hook event: countdown 0.
    void Disarm() { m_countdown.store(0); }

    // One tick of the worker: while the countdown is at least 1 it goes down by one. True for
    // the tick that takes it from 1 to 0: the caller shows the wait cursor and saves the old one.
    bool Tick() {
        int32_t value = m_countdown.load();
        while (value >= 1) {
            if (m_countdown.compare_exchange_weak(value, value - 1)) {
                return value == 1;
            }
        }
        return false;
    }

    void SaveCursor(uintptr_t cursor) { m_savedCursor.store(cursor); }

    // After the dispatch: countdown 0; returns the saved cursor (0 for none) and clears it.
    uintptr_t Finish() {
        m_countdown.store(0);
        return m_savedCursor.exchange(0);
    }

    int32_t Countdown() const { return m_countdown.load(); }

  private:
    std::atomic<int32_t> m_countdown{0};
    std::atomic<uintptr_t> m_savedCursor{0};
};

}  // namespace zentrova
