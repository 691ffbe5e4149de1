// The shared state of the busy-cursor watchdog, and the start-up version check.
#include "core/win/BusyCountdown.h"
#include "core/win/WindowsVersion.h"

#include <gtest/gtest.h>

#include <string>

namespace zentrova {
namespace {

TEST(BusyCountdown, FifthTickAfterArmingShowsTheWaitCursorOnce) {
    BusyCountdown c;
    EXPECT_FALSE(c.Tick());  // idle: nothing to count
    EXPECT_EQ(0, c.Countdown());
    c.Arm();
    EXPECT_EQ(5, c.Countdown());
    for (int i = 1; i <= 4; ++i) {
        EXPECT_FALSE(c.Tick()) << i;
        EXPECT_EQ(5 - i, c.Countdown());
    }
    EXPECT_TRUE(c.Tick());
    EXPECT_EQ(0, c.Countdown());
    EXPECT_FALSE(c.Tick());
    EXPECT_EQ(0, c.Countdown());
}

TEST(BusyCountdown, DisarmAndFinishStopTheCountAndTheSavedCursorIsHandedBackOnce) {
    BusyCountdown c;
    c.Arm();
    c.Tick();
    c.Disarm();  // a hook event
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(c.Tick());
    }
    c.Arm();
    c.SaveCursor(0x1234);
    EXPECT_EQ(0x1234u, c.Finish());
    EXPECT_FALSE(c.Tick());
    EXPECT_EQ(0u, c.Finish());
    c.SaveCursor(0x5678);
    c.Arm();  // clears the saved cursor
    EXPECT_EQ(0u, c.Finish());
}

// The flags set, as bits: exactly one (or none) may be.
enum Flag { kNone = 0, k2000 = 1, kXp = 2, kNewer = 4 };
int FlagsOf(const WindowsVersionCheck& c) {
    return c.flags.windows2000 * k2000 + c.flags.windowsXp * kXp + c.flags.newerWindows * kNewer;
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
        EXPECT_EQ(c.flag, FlagsOf(got));
        EXPECT_EQ(std::wstring(got.warning ? got.warning : L"-"), c.warning ? c.warning : L"-");
    }
}

}  // namespace
}  // namespace zentrova
