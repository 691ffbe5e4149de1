// Centring a window on a reference rectangle inside a monitor's work area; the hover tracker.
#include <gtest/gtest.h>

#include "ui/dialogs/HoverTracker.h"
#include "ui/dialogs/WindowCentering.h"

namespace zentrova {
namespace {

constexpr ZRect kWork{0, 0, 1024, 738};

TEST(WindowCenteringTest, CentresOnReference) {
    const ButtonPoint p = CenteredPosition(300, 100, kWork, kWork);
    EXPECT_EQ(p.x, 362);
    EXPECT_EQ(p.y, 319);
    // Odd differences round towards zero, also to the left of the reference.
    const ButtonPoint q = CenteredPosition(301, 101, {100, 50, 200, 150}, kWork);
    EXPECT_EQ(q.x, 100 + (-201) / 2);
    EXPECT_EQ(q.y, 50 + (-1) / 2);
    // A second monitor to the right of the first.
    const ZRect second{1024, 0, 2048, 768};
    const ButtonPoint r = CenteredPosition(200, 100, second, second);
    EXPECT_EQ(r.x, 1436);
    EXPECT_EQ(r.y, 334);
}

TEST(WindowCenteringTest, MovedBackIntoWorkArea) {
    // A reference near the right and bottom edges: the window is pushed in.
    const ButtonPoint p = CenteredPosition(300, 200, {900, 650, 1020, 730}, kWork);
    EXPECT_EQ(p.x, 724);
    EXPECT_EQ(p.y, 538);
    // Near the left and top edges (a work area that does not start at 0).
    const ZRect work{0, 30, 1024, 768};
    const ButtonPoint q = CenteredPosition(300, 200, {-50, 0, 50, 40}, work);
    EXPECT_EQ(q.x, 0);
    EXPECT_EQ(q.y, 30);
    // Larger than the work area: left and top edges win.
    const ButtonPoint r = CenteredPosition(1200, 900, kWork, kWork);
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 0);
    // Exactly fitting.
    const ButtonPoint s = CenteredPosition(1024, 738, kWork, kWork);
    EXPECT_EQ(s.x, 0);
    EXPECT_EQ(s.y, 0);
}

TEST(HoverTrackerTest, ReportsOnlyMoves) {
    HoverTracker hover;
    EXPECT_TRUE(hover.Moved(0, 0));  // first sight, even at the origin
    EXPECT_FALSE(hover.Moved(0, 0));
    EXPECT_TRUE(hover.Moved(1, 0));
    EXPECT_TRUE(hover.Moved(1, 1));
    EXPECT_FALSE(hover.Moved(1, 1));
    EXPECT_TRUE(hover.Moved(-5, 1));
}

}  // namespace
}  // namespace zentrova
