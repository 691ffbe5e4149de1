// The shared state of the busy-cursor watchdog.
#include "core/win/BusyCountdown.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

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

TEST(BusyCountdown, HookEventAndFinishDisarm) {
    BusyCountdown c;
    c.Arm();
    c.Tick();
    c.Tick();
    c.Disarm();
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(c.Tick());
    }
    c.Arm();
    EXPECT_EQ(0u, c.Finish());
    EXPECT_FALSE(c.Tick());
}

TEST(BusyCountdown, SavedCursorIsHandedBackOnceAndClearedByArm) {
    BusyCountdown c;
    c.Arm();
    c.SaveCursor(0x1234);
    EXPECT_EQ(0x1234u, c.Finish());
    EXPECT_EQ(0u, c.Finish());
    c.SaveCursor(0x5678);
    c.Arm();
    EXPECT_EQ(0u, c.Finish());
}

// Several tickers at once (the worker, with hook events and the loop in between on real
// systems): each arming gives exactly one 1 -> 0 step, never a negative count.
TEST(BusyCountdown, ConcurrentTicksGiveExactlyOneWaitCursorPerArming) {
    BusyCountdown c;
    for (int round = 0; round < 200; ++round) {
        c.Arm();
        std::atomic<int> shown{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([&] {
                for (int i = 0; i < 10; ++i) {
                    if (c.Tick()) {
                        shown.fetch_add(1);
                    }
                }
            });
        }
        for (std::thread& t : threads) {
            t.join();
        }
        ASSERT_EQ(1, shown.load()) << "round " << round;
        ASSERT_EQ(0, c.Countdown());
    }
}

}  // namespace
}  // namespace zentrova
