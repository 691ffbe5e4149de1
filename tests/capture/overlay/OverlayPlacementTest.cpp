#include "capture/overlay/OverlayPlacement.h"

#include <utility>

#include <gtest/gtest.h>

namespace zentrova {
namespace {

// Virtual screen x, y, width, height; primary width, height. A second monitor of 1280 x 1024
// left of a 1024 x 768 primary monitor, top-aligned; or the primary monitor alone.
ScreenLayout TwoMonitors() {
    return {-1280, 0, 2304, 1024, 1024, 768};
}
ScreenLayout OneMonitor() {
    return {0, 0, 1024, 768, 1024, 768};
}

TEST(OverlayPlacement, VirtualScreenCoordinatesStayNonNegative) {
    const ScreenLayout s = TwoMonitors();
    const SelectionPoint leftMost = ToVirtualScreen(s, -1280, 0);
    EXPECT_EQ(std::pair(leftMost.x, leftMost.y), std::pair(0, 0));
    const SelectionPoint primaryCorner = ToVirtualScreen(s, 0, 0);
    EXPECT_EQ(1280, primaryCorner.x);
    // A monitor above the primary one: y shifts the same way.
    ScreenLayout above = OneMonitor();
    above.virtualY = -600;
    EXPECT_EQ(610, ToVirtualScreen(above, 5, 10).y);
}

TEST(OverlayPlacement, FrameAroundWindowAndFixedRegion) {
    // 300 x 300 grows by 8 across and by the caption 24 + 4 down.
    EXPECT_EQ(FrameAroundWindow(ZRect{100, 200, 400, 500}, 24), (ZRect{96, 176, 404, 504}));

    const ZRect fixed = FixedRegionFrame(500, 400, 640, 480, 24);
    EXPECT_EQ(fixed, (ZRect{176, 132, 176 + 648, 132 + 24 + 480 + 8}));
    EXPECT_EQ(FixedRegionSource(fixed, 640, 480, 24), (ZRect{180, 156, 820, 636}));
    // Odd sizes: the half is truncated.
    EXPECT_EQ(FixedRegionFrame(10, 10, 7, 5, 24).left, 10 - 3 - 4);
}

TEST(OverlayPlacement, MagnifierAvoidsTheCursorInTheBottomRightCorner) {
    const ScreenLayout s = OneMonitor();
    EXPECT_EQ(MagnifierBox(s, 100, 100, 24), (ZRect{774, 470, 974, 718}));
    // Within 300 pixels of both edges: moved to the top.
    EXPECT_EQ(MagnifierBox(s, 1024 - 299, 768 - 299, 24), (ZRect{774, 50, 974, 298}));
    // 300 away from the right edge: stays, even near the bottom.
    EXPECT_EQ(470, MagnifierBox(s, 1024 - 300, 760, 24).top);
    EXPECT_EQ(470, MagnifierBox(s, 1000, 768 - 300, 24).top);
    // Two monitors: placed on the primary screen in virtual-screen coordinates.
    EXPECT_EQ(MagnifierBox(TwoMonitors(), 1280 + 1000, 700, 24).left, 1280 + 774);
}

TEST(OverlayPlacement, WindowCaptureAreaIsLimitedToTheVirtualScreen) {
    const ScreenLayout s = OneMonitor();
    const WindowCaptureArea cut = LimitWindowCaptureArea(s, ZRect{-30, -8, 1100, 800});
    EXPECT_EQ(cut.rect, (ZRect{0, 0, 1024, 768}));
    EXPECT_EQ(std::pair(cut.offsetX, cut.offsetY), std::pair(30, 8));

    // Off the left monitor's edge: raised to the origin -1280.
    const WindowCaptureArea left =
        LimitWindowCaptureArea(TwoMonitors(), ZRect{-1300, 5, -1000, 50});
    EXPECT_EQ(std::pair(left.rect.left, left.offsetX), std::pair(-1280, 20));

    // Wholly outside: no width left.
    const WindowCaptureArea gone = LimitWindowCaptureArea(s, ZRect{1100, 10, 1200, 50});
    EXPECT_LT(gone.rect.Width(), 1);
}

TEST(OverlayPlacement, FrameKindsOfNewerWindows) {
    // caption, dialog frame, thick frame, maximise box, application window, maximised.
    const struct {
        WindowStyleBits bits;
        WindowFrameKind kind;
        bool rounded;
    } cases[] = {
        {{true, true, false, false, false, false}, WindowFrameKind::FixedDialog, true},
        {{true, true, true, false, false, false}, WindowFrameKind::Plain, true},
        {{false, true, false, false, false, false}, WindowFrameKind::Plain, false},
        {{true, true, true, false, false, true}, WindowFrameKind::Maximised, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClassifyWindowFrame(c.bits), c.kind) << &c - cases;
        EXPECT_EQ(UsesRoundedCorners(c.bits), c.rounded) << &c - cases;
    }
    EXPECT_TRUE(IsNewerThanXp(5, 3));
    EXPECT_FALSE(IsNewerThanXp(5, 2));
}

// The window's capture rectangle on newer systems, its area limited to the virtual screen first.
ZRect NewerRect(const ScreenLayout& s, const ZRect& window, WindowFrameKind kind, int32_t client) {
    return NewerWindowsCaptureRect(s, LimitWindowCaptureArea(s, window), window, kind, client);
}

TEST(OverlayPlacement, NewerWindowsCaptureRectangles) {
    const ZRect dialog{100, 100, 400, 300};
    EXPECT_EQ(NewerRect(OneMonitor(), dialog, WindowFrameKind::FixedDialog, 0),
              (ZRect{95, 95, 405, 305}));
    EXPECT_EQ(NewerRect(OneMonitor(), dialog, WindowFrameKind::Plain, 0), dialog);
    // Maximised on a 1024 x 768 screen with a 40-pixel task bar: window (-8, -8) - (1032, 736),
    // client width 1024: taken from (0, 0), 1024 x (736 - 8) = the visible part.
    EXPECT_EQ(NewerRect(OneMonitor(), {-8, -8, 1032, 736}, WindowFrameKind::Maximised, 1024),
              (ZRect{0, 0, 1024, 728}));
    // Maximised on the left monitor of two: its own corner, not the primary's.
    EXPECT_EQ(NewerRect(TwoMonitors(), {-1288, -8, 8, 1000}, WindowFrameKind::Maximised, 1280),
              (ZRect{-1280, 0, 0, 1000 - 8}));
}

}  // namespace
}  // namespace zentrova
