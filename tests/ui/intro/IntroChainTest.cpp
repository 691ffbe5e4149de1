// The main window's chain of intro windows and the checks on UM_INTRO_CLOSED.
#include "core/win/IntroChain.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace zentrova {
namespace {

TEST(IntroChain, StartUpArrowsPointAtTheBarAndTheNotificationArea) {
    ArrowTarget arrows[2];
    StartUpArrowTargets(1024, 768, arrows);
    EXPECT_EQ((std::vector<int32_t>{arrows[0].x, arrows[0].y, arrows[1].x, arrows[1].y}),
              (std::vector<int32_t>{512, 15, 1024, 753}));
    EXPECT_EQ(arrows[0].direction, ArrowDirection::Up);
    EXPECT_EQ(arrows[1].direction, ArrowDirection::Down);
}

TEST(IntroChain, EditModeChainWithItsArrows) {
    struct Expected {
        IntroId id;
        ArrowDirection direction;
        int32_t x, y;
    };
    const Expected chain[] = {
        {IntroId::EditModeActionBar, ArrowDirection::Right, 1009, 384},
        {IntroId::EditModeMToolsBar, ArrowDirection::Left, 15, 384},
        {IntroId::EditModeImageBar, ArrowDirection::Up, 512, 15},
    };
    IntroId id = IntroId::EditModeWelcome;
    bool arrowShown = false;
    for (const Expected& e : chain) {
        const IntroStep& step = IntroStepOf(id);
        EXPECT_EQ(step.fadeChainArrow, arrowShown);
        ASSERT_TRUE(step.hasNext);
        EXPECT_EQ(step.next, e.id);
        const ArrowTarget t = ArrowTargetOf(step.nextArrow, 1024, 768);
        EXPECT_EQ(t.direction, e.direction);
        EXPECT_EQ((std::vector<int32_t>{t.x, t.y}), (std::vector<int32_t>{e.x, e.y}));
        id = step.next;
        arrowShown = true;
    }
    EXPECT_FALSE(IntroStepOf(id).hasNext);
    EXPECT_TRUE(IntroStepOf(id).fadeChainArrow);
}

TEST(IntroChain, ClosedNoticeOnlyForTheOpenIntro) {
    struct Case {
        uint64_t wParam;
        int64_t lParam;
        bool hasOpen;
        bool accepted;
    };
    const auto open = IntroId::EditModeWelcome;
    const Case cases[] = {
        {1, 3, true, true},
        {0, 3, true, true},
        {2, 3, true, false},                      // show-again only 0 or 1
        {0xFFFFFFFF00000001ull, 3, true, false},  //
        {1, 7, true, false},                      // past the table
        {1, -1, true, false},                     //
        {1, INT64_MAX, true, false},              //
        {1, 0x7FF612340000ll, true, false},       // an address, as a name pointer would be
        {1, 0, true, false},                      // another intro than the open one
        {1, 3, false, false},                     // none open
    };
    for (const Case& c : cases) {
        IntroClosed closed;
        closed.showAgain = 7;
        EXPECT_EQ(DecodeIntroClosed(c.wParam, c.lParam, c.hasOpen, open, closed), c.accepted)
            << c.wParam << " " << c.lParam;
        if (c.accepted) {
            EXPECT_EQ(closed.id, open);
            EXPECT_EQ(closed.showAgain, c.wParam);
        }
    }
}

}  // namespace
}  // namespace zentrova
