#include "core/win/SingleInstance.h"

#include <cwchar>

#include "core/win/MainWindow.h"

namespace zentrova {

bool CommandLineRequestsExit(const wchar_t* commandLine) {
    return commandLine != nullptr && std::wcsstr(commandLine, L"-exit") != nullptr;
}

bool CloseRunningInstance() {
    HWND hwnd = FindWindowW(kMainWindowClass, nullptr);
    if (hwnd == nullptr) {
        return false;
    }
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    return true;
}

bool ActivateRunningInstance() {
    HWND hwnd = FindWindowW(kMainWindowClass, nullptr);
    if (hwnd == nullptr) {
        return false;
    }
    SetForegroundWindow(hwnd);
    SetFocus(hwnd);
    SetActiveWindow(hwnd);
    return true;
}

InstanceMutex::InstanceMutex() {
    m_hMutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    m_alreadyExisted = m_hMutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

InstanceMutex::~InstanceMutex() {
    if (m_hMutex != nullptr) {
        CloseHandle(m_hMutex);
    }
}

}  // namespace zentrova
