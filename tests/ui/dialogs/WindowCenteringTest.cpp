// Centring a window on a reference rectangle inside a monitor's work area; the hover tracker.
#include <gtest/gtest.h>

#include <utility>

#include "ui/dialogs/HoverTracker.h"
#include "ui/dialogs/WindowCentering.h"

namespace zentrova {
namespace {

constexpr ZRect kWork{0, 0, 1024, 738};

std::pair<int32_t, int32_t> At(const ButtonPoint& p) {
    return {p.x, p.y};
}

TEST(WindowCenteringTest, CentresOnReference) {
    EXPECT_EQ(At(CenteredPosition(300, 100, kWork, kWork)), std::make_pair(362, 319));
    // Odd differences round towards zero, also to the left of the reference.
    EXPECT_EQ(At(CenteredPosition(301, 101, {100, 50, 200, 150}, kWork)),
              std::make_pair(100 + (-201) / 2, 50 + (-1) / 2));
    // A second monitor to the right of the first.
    const ZRect second{1024, 0, 2048, 768};
    EXPECT_EQ(At(CenteredPosition(200, 100, second, second)), std::make_pair(1436, 334));
}

TEST(WindowCenteringTest, MovedBackIntoWorkArea) {
    // A reference near the right and bottom edges: the window is pushed in.
    EXPECT_EQ(At(CenteredPosition(300, 200, {900, 650, 1020, 730}, kWork)),
              std::make_pair(724, 538));
    // Near the left and top edges (a work area that does not start at 0).
    const ZRect work{0, 30, 1024, 768};
    EXPECT_EQ(At(CenteredPosition(300, 200, {-50, 0, 50, 40}, work)), std::make_pair(0, 30));
    // Larger than the work area: left and top edges win.
    EXPECT_EQ(At(CenteredPosition(1200, 900, kWork, kWork)), std::make_pair(0, 0));
    // Exactly fitting.
    EXPECT_EQ(At(CenteredPosition(1024, 738, kWork, kWork)), std::make_pair(0, 0));
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
