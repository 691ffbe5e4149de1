#include "core/win/WindowsVersion.h"

namespace zentrova {

WindowsVersionCheck CheckWindowsVersion(uint32_t platformId, uint32_t major, uint32_t minor) {
    WindowsVersionCheck check;
    if (platformId == kPlatformWin9x) {
        check.warning = kWarningWindows9x;
    } else if (platformId != kPlatformNt) {
        check.warning = kWarningUnknownSystem;
    } else if (major == 4) {
        check.warning = kWarningNt4;
    } else if (major == 5 && minor == 0) {
        check.flags.windows2000 = true;
    } else if (major == 5 && minor <= 2) {
        check.flags.windowsXp = true;
    } else {
        check.flags.newerWindows = true;
    }
    return check;
}

}  // namespace zentrova
