// The fades of a button bar and the auto-hide decisions of its 100-ms timer.
#include <gtest/gtest.h>

#include <utility>

#include "ui/buttonbar/ButtonBarTiming.h"

namespace zentrova {
namespace {

TEST(ButtonBarFade, FadeInReachesOpaqueAt300Ms) {
    // 20 * 255 / 300 = 17, 127.5 rounds down; a timer that fires very late (or a tick count that
    // wrapped far) stays at the end.
    const std::pair<uint32_t, int> cases[] = {
        {0, 0}, {20, 17}, {150, 127}, {299, 254}, {300, 255}, {5000, 255}, {0xFFFFFFFFu, 255}};
    for (const auto& c : cases) {
        EXPECT_EQ(FadeAlpha(FadeDirection::In, c.first), c.second) << c.first;
    }
    EXPECT_FALSE(FadeFinished(FadeDirection::In, 0));
    EXPECT_FALSE(FadeFinished(FadeDirection::In, 299));
    EXPECT_TRUE(FadeFinished(FadeDirection::In, 300));
}

TEST(ButtonBarFade, FadeOutReachesTransparentAt300Ms) {
    const std::pair<uint32_t, int> cases[] = {{0, 255}, {20, 238}, {150, 128},
                                              {299, 1}, {300, 0},  {0xFFFFFFFFu, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(FadeAlpha(FadeDirection::Out, c.first), c.second) << c.first;
    }
    EXPECT_FALSE(FadeFinished(FadeDirection::Out, 299));
    EXPECT_TRUE(FadeFinished(FadeDirection::Out, 300));
    EXPECT_EQ(FadeAlpha(FadeDirection::None, 0), 255);
    EXPECT_TRUE(FadeFinished(FadeDirection::None, 0));
}

// A reversed fade continues from the alpha the other one reached, for every alpha, also when the
// tick count wraps around in between.
TEST(ButtonBarFade, ReversingKeepsTheAlpha) {
    for (uint32_t now : {1000u, 50u, 0xFFFFFFF0u}) {
        for (int a = 0; a <= 255; ++a) {
            const auto alpha = static_cast<uint8_t>(a);
            const uint32_t in = FadeStartForAlpha(FadeDirection::In, alpha, now);
            EXPECT_EQ(FadeAlpha(FadeDirection::In, now - in), alpha) << a;
            const uint32_t out = FadeStartForAlpha(FadeDirection::Out, alpha, now);
            EXPECT_EQ(FadeAlpha(FadeDirection::Out, now - out), alpha) << a;
        }
    }
    // From the far end the fade starts now; half way it started 150 ms ago.
    EXPECT_EQ(FadeStartForAlpha(FadeDirection::In, 0, 1000), 1000u);
    EXPECT_EQ(FadeStartForAlpha(FadeDirection::Out, 255, 1000), 1000u);
    EXPECT_EQ(FadeStartForAlpha(FadeDirection::Out, 128, 1000), 850u);
}

TEST(ButtonBarAutoHide, WithoutAutoHideOnlyTheTooltipFollows) {
    AutoHideState s{false, false};
    EXPECT_EQ(AutoHideTick(true, false, s), AutoHideAction::ShowTooltip);
    EXPECT_EQ(AutoHideTick(false, false, s), AutoHideAction::HideTooltipAndRepaint);
    EXPECT_FALSE(s.hidden || s.prevHidden);
}

// The user's path: the bar starts collapsed, the mouse touches the strip, stays, leaves, stays
// away, and comes back while the bar is still fading out.
TEST(ButtonBarAutoHide, CollapsedExpandedCollapsedAgain) {
    AutoHideState s{true, true};
    EXPECT_EQ(AutoHideTick(false, true, s), AutoHideAction::None);
    EXPECT_EQ(AutoHideTick(true, true, s), AutoHideAction::ExpandAndFadeIn);
    EXPECT_EQ(AutoHideTick(true, true, s), AutoHideAction::None);
    EXPECT_EQ(AutoHideTick(true, true, s), AutoHideAction::None);
    EXPECT_EQ(AutoHideTick(false, true, s), AutoHideAction::HideTooltipAndFadeOut);
    EXPECT_TRUE(s.hidden && s.prevHidden);
    EXPECT_EQ(AutoHideTick(false, true, s), AutoHideAction::None);
    EXPECT_EQ(AutoHideTick(true, true, s), AutoHideAction::ExpandAndFadeIn);
    EXPECT_FALSE(s.hidden || s.prevHidden);
}

}  // namespace
}  // namespace zentrova
