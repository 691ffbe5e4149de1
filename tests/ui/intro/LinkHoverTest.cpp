#include <gtest/gtest.h>

#include "ui/intro/LinkHover.h"

namespace zentrova {
namespace {

TEST(LinkHover, UnderlinedFromEntryUntilTheCursorLeaves) {
    LinkHover hover;
    EXPECT_EQ(hover.OnMouseMove(false), LinkStep::None);
    EXPECT_EQ(hover.OnCaptureLost(), LinkStep::None);  // never underlined: nothing to restore
    EXPECT_EQ(hover.OnMouseMove(true), LinkStep::Enter);
    EXPECT_EQ(hover.OnMouseMove(true), LinkStep::None);  // captured once only
    EXPECT_TRUE(hover.IsHot());
    EXPECT_EQ(hover.OnMouseMove(false), LinkStep::Leave);
    EXPECT_FALSE(hover.IsHot());
    EXPECT_EQ(hover.OnMouseMove(false), LinkStep::None);  // released once only
    EXPECT_EQ(hover.OnCaptureLost(), LinkStep::None);     // the release itself: nothing more
    EXPECT_EQ(hover.OnMouseMove(true), LinkStep::Enter);  // and again
}

TEST(LinkHover, CaptureTakenByAnotherWindowRestoresAtOnce) {
    LinkHover hover;
    hover.OnMouseMove(true);
    EXPECT_EQ(hover.OnCaptureLost(), LinkStep::Restore);
    EXPECT_EQ(hover.OnCaptureLost(), LinkStep::None);
    EXPECT_EQ(hover.OnMouseMove(false), LinkStep::None);
}

TEST(LinkHover, InsideTheClientAreaOnly) {
    EXPECT_TRUE(IsInsideClient(0, 0, 80, 13));
    EXPECT_TRUE(IsInsideClient(79, 12, 80, 13));
    EXPECT_FALSE(IsInsideClient(80, 12, 80, 13));
    EXPECT_FALSE(IsInsideClient(79, 13, 80, 13));
    EXPECT_FALSE(IsInsideClient(-1, 5, 80, 13));  // left of it while captured
    EXPECT_FALSE(IsInsideClient(5, -1, 80, 13));
}

}  // namespace
}  // namespace zentrova
