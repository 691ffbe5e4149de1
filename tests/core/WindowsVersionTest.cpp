// The start-up version check.
#include "core/win/WindowsVersion.h"

#include <gtest/gtest.h>

#include <string>

namespace zentrova {
namespace {

enum Flag { kNone, k2000, kXp, kNewer };

Flag FlagOf(const WindowsVersionCheck& c) {
    const int count = c.flags.windows2000 + c.flags.windowsXp + c.flags.newerWindows;
    EXPECT_LE(count, 1);
    return c.flags.windows2000    ? k2000
           : c.flags.windowsXp    ? kXp
           : c.flags.newerWindows ? kNewer
                                  : kNone;
}

TEST(WindowsVersion, FlagsAndWarningsByPlatformAndVersion) {
    struct Case {
        uint32_t platform, major, minor;
        Flag flag;
        const wchar_t* warning;
    } cases[] = {
        {1, 4, 0, kNone, L"Windows 9x is not supported!"},
        {2, 4, 0, kNone, L"Windows NT 4 is not supported!"},
        {2, 5, 0, k2000, nullptr},
        {2, 5, 1, kXp, nullptr},
        {2, 5, 3, kNewer, nullptr},
        {2, 6, 0, kNewer, nullptr},
        {2, 3, 51, kNewer, nullptr},  // any major version other than 4 and 5
        {0, 3, 11, kNone, L"Unknown Windows System?! Use at your own risk!!"},
    };
    for (const Case& c : cases) {
        const WindowsVersionCheck got = CheckWindowsVersion(c.platform, c.major, c.minor);
        SCOPED_TRACE(std::to_string(c.platform) + " " + std::to_string(c.major) + "." +
                     std::to_string(c.minor));
        EXPECT_EQ(c.flag, FlagOf(got));
        const auto text = [](const wchar_t* warning) {
            return std::wstring(warning != nullptr ? warning : L"<none>");
        };
        EXPECT_EQ(text(got.warning), text(c.warning));
    }
}

}  // namespace
}  // namespace zentrova
