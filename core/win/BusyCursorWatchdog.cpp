#include "core/win/BusyCursorWatchdog.h"

#include <atomic>

namespace zentrova {

namespace {

// The hook procedure gets no context of its own: it reaches the one watchdog of the process
// through this pointer, set while the hook is installed.
std::atomic<BusyCountdown*> g_hookCountdown{nullptr};

}  // namespace

bool BusyCursorWatchdog::Start() {
    if (m_started) {
        return m_worker != nullptr;
    }
    m_started = true;
    m_uiThreadId = GetCurrentThreadId();
    m_stopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_readyEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_stopEvent == nullptr || m_readyEvent == nullptr) {
        Stop();
        return false;
    }
    m_worker = CreateThread(nullptr, 0, &BusyCursorWatchdog::WorkerMain, this, 0, nullptr);
    if (m_worker == nullptr) {
        Stop();
        return false;
    }
    // The worker attaches to this thread's input state before the first message is dispatched.
    WaitForSingleObject(m_readyEvent, 1000);
    g_hookCountdown.store(&m_countdown);
    m_hook = SetWindowsHookExW(WH_CBT, &BusyCursorWatchdog::CbtHook, nullptr, m_uiThreadId);
    return m_hook != nullptr;
}

void BusyCursorWatchdog::Stop() {
    if (m_hook != nullptr) {
        UnhookWindowsHookEx(m_hook);
        m_hook = nullptr;
    }
    g_hookCountdown.store(nullptr);
    if (m_worker != nullptr) {
        SetEvent(m_stopEvent);
        WaitForSingleObject(m_worker, INFINITE);
        CloseHandle(m_worker);
        m_worker = nullptr;
    }
    if (m_stopEvent != nullptr) {
        CloseHandle(m_stopEvent);
        m_stopEvent = nullptr;
    }
    if (m_readyEvent != nullptr) {
        CloseHandle(m_readyEvent);
        m_readyEvent = nullptr;
    }
}

void BusyCursorWatchdog::AfterDispatch() {
    const uintptr_t saved = m_countdown.Finish();
    if (saved != 0) {
        SetCursor(reinterpret_cast<HCURSOR>(saved));
    }
}

DWORD WINAPI BusyCursorWatchdog::WorkerMain(void* self) {
    static_cast<BusyCursorWatchdog*>(self)->Work();
    return 0;
}

void BusyCursorWatchdog::Work() {
    // A message queue of its own, so that the input state can be shared with the UI thread;
    // sharing it makes SetCursor here change the cursor the UI thread shows.
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
    const DWORD self = GetCurrentThreadId();
    const bool attached = AttachThreadInput(self, m_uiThreadId, TRUE) != FALSE;
    SetEvent(m_readyEvent);
    const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    while (WaitForSingleObject(m_stopEvent, kTickMs) == WAIT_TIMEOUT) {
        if (m_countdown.Tick()) {
            m_countdown.SaveCursor(reinterpret_cast<uintptr_t>(SetCursor(wait)));
        }
    }
    if (attached) {
        AttachThreadInput(self, m_uiThreadId, FALSE);
    }
}

LRESULT CALLBACK BusyCursorWatchdog::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) {
        if (BusyCountdown* countdown = g_hookCountdown.load()) {
            countdown->Disarm();
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace zentrova
