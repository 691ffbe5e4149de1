// The fades of the layered windows and the placement and blink of the pointing arrows.
#include <gtest/gtest.h>

#include "ui/intro/ArrowLayout.h"
#include "ui/intro/Fade.h"

namespace zentrova {
namespace {

TEST(Fade, AlphaOverTheFade) {
    struct Case {
        uint32_t start, now, duration;
        uint8_t from, to, alpha;
        bool done;
    };
    const Case cases[] = {
        {1000, 1000, 500, 0, 255, 0, false},           // intro fade-in starts
        {1000, 1250, 500, 0, 255, 127, false},         // 127.5 cut
        {1000, 1499, 500, 0, 255, 254, false},         //
        {1000, 1500, 500, 0, 255, 255, true},          // end
        {1000, 90000, 500, 0, 255, 255, true},         // long after
        {0, 100, 1500, 255, 0, 238, false},            // splash fade-out
        {0, 750, 1500, 255, 0, 128, false},            // 255 - 127
        {0, 250, 500, 0, 200, 100, false},             // arrow fade-in to 200
        {0, 400, 500, 200, 0, 40, false},              // arrow fade-out
        {0xFFFFFF00u, 0x40, 500, 0, 255, 163, false},  // tick count wrapped: 320 ms
        {0xFFFFFF00u, 0xF4, 500, 0, 255, 255, true},   // wrapped, 500 ms
        {5, 5, 0, 0, 255, 255, true},                  // no duration: the end at once
        {5, 5, 0, 255, 0, 0, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FadeAlpha(c.start, c.now, c.duration, c.from, c.to), c.alpha) << c.now;
        EXPECT_EQ(FadeDone(c.start, c.now, c.duration), c.done) << c.now;
    }
}

TEST(PointingArrow, PlacedBesideThePointInsideTheScreen) {
    struct Case {
        ArrowDirection direction;
        int32_t x, y, left, top;
    };
    // A 96 x 96 frame on a 1024 x 768 screen.
    const Case cases[] = {
        {ArrowDirection::Left, 15, 384, 15, 336},      // left edge at x
        {ArrowDirection::Right, 1009, 384, 913, 336},  // right edge at x
        {ArrowDirection::Up, 512, 15, 464, 15},        // top edge at y
        {ArrowDirection::Down, 512, 753, 464, 657},    // bottom edge at y
        {ArrowDirection::Down, 1024, 753, 928, 657},   // kept inside on the right
        {ArrowDirection::Left, 1000, 10, 928, 0},      // and at the top
        {ArrowDirection::Up, -50, 760, 0, 672},        // left and bottom
    };
    for (const Case& c : cases) {
        const ArrowRect r = PlaceArrow(c.direction, c.x, c.y, 96, 96, 1024, 768);
        EXPECT_EQ(r.x, c.left) << c.x << "," << c.y;
        EXPECT_EQ(r.y, c.top) << c.x << "," << c.y;
        EXPECT_EQ(r.width, 96);
        EXPECT_EQ(r.height, 96);
    }
    // Larger than the screen: its top-left corner stays on the screen.
    const ArrowRect big = PlaceArrow(ArrowDirection::Right, 50, 50, 200, 100, 120, 80);
    EXPECT_EQ(big.x, 0);
    EXPECT_EQ(big.y, 0);
}

TEST(PointingArrow, FrameSizeHalvingAndBlink) {
    const ArrowRect frame = ArrowFrameSize(384, 192);
    EXPECT_EQ(frame.width, 96);
    EXPECT_EQ(frame.height, 96);
    EXPECT_EQ(ArrowFrameSize(-4, 0).width, 0);
    EXPECT_TRUE(HalveArrowPicture(800));
    EXPECT_FALSE(HalveArrowPicture(799));
    EXPECT_FALSE(HalveArrowPicture(1024));
    BlinkStep step = FirstBlink();
    const BlinkStep expected[] = {{0, 1000}, {1, 300}, {0, 1000}, {1, 300}};
    for (const BlinkStep& e : expected) {
        EXPECT_EQ(step.phase, e.phase);
        EXPECT_EQ(step.showMs, e.showMs);
        step = NextBlink(step);
    }
}

}  // namespace
}  // namespace zentrova
