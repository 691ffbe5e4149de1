// The single resident instance: the "-exit" request, the instance mutex and the hand-over to
// an instance that already runs.
#pragma once

#include <windows.h>

namespace zentrova {

constexpr const wchar_t* kInstanceMutexName = L"ZentrovaClarivue2Mutex";

// True when the command line holds "-exit" anywhere (case-sensitive).
bool CommandLineRequestsExit(const wchar_t* commandLine);

// Sends WM_CLOSE to the running instance's main window, when there is one; returns whether
// one was found.
bool CloseRunningInstance();

// Brings the running instance's main window to the front (foreground, focus, active); false
// when no such window exists.
bool ActivateRunningInstance();

// The instance mutex, held for the lifetime of the object.
class InstanceMutex {
  public:
    InstanceMutex();
    ~InstanceMutex();
    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;

    // True when another process had created the mutex before.
    bool AlreadyExisted() const { return m_alreadyExisted; }

  private:
    HANDLE m_hMutex = nullptr;
    bool m_alreadyExisted = false;
};

}  // namespace zentrova
