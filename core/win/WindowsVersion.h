// The start-up version check: which Windows family the program runs on, and the warning shown
// for systems it does not support. Portable: the caller passes what the system reports.
#pragma once

#include <cstdint>

namespace zentrova {

// Platform identifiers as the system reports them.
constexpr uint32_t kPlatformWin32s = 0;
constexpr uint32_t kPlatformWin9x = 1;
constexpr uint32_t kPlatformNt = 2;

// The flags set once at start-up. At most one of the three is set.
struct WindowsVersionFlags {
    bool windows2000 = false;   // NT 5.0
    bool windowsXp = false;     // NT 5.1 and 5.2
    bool newerWindows = false;  // NT 5.3 and above, and NT of any major version other than 4 and 5
};

struct WindowsVersionCheck {
    WindowsVersionFlags flags;
    // The warning to show, or null. The check only warns: start-up goes on after it.
    const wchar_t* warning = nullptr;
};

constexpr const wchar_t* kWarningWindows9x = L"Windows 9x is not supported!";
constexpr const wchar_t* kWarningNt4 = L"Windows NT 4 is not supported!";
constexpr const wchar_t* kWarningUnknownSystem = L"Unknown Windows System?! Use at your own risk!!";

WindowsVersionCheck CheckWindowsVersion(uint32_t platformId, uint32_t major, uint32_t minor);

}  // namespace zentrova
