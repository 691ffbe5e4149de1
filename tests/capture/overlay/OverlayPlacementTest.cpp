#include "capture/overlay/OverlayPlacement.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

// A second monitor of 1280 x 1024 left of a 1024 x 768 primary monitor, top-aligned.
ScreenLayout TwoMonitors() {
    ScreenLayout s;
    s.virtualX = -1280;
    s.virtualY = 0;
    s.virtualWidth = 2304;
    s.virtualHeight = 1024;
    s.primaryWidth = 1024;
    s.primaryHeight = 768;
    return s;
}

ScreenLayout OneMonitor() {
    ScreenLayout s;
    s.virtualWidth = 1024;
    s.virtualHeight = 768;
    s.primaryWidth = 1024;
    s.primaryHeight = 768;
    return s;
}

TEST(OverlayPlacement, VirtualScreenCoordinatesStayNonNegative) {
    const ScreenLayout s = TwoMonitors();
    const SelectionPoint leftMost = ToVirtualScreen(s, -1280, 0);
    EXPECT_EQ(0, leftMost.x);
    EXPECT_EQ(0, leftMost.y);
    const SelectionPoint primaryCorner = ToVirtualScreen(s, 0, 0);
    EXPECT_EQ(1280, primaryCorner.x);
    // A monitor above the primary one: y shifts the same way.
    ScreenLayout above = OneMonitor();
    above.virtualY = -600;
    EXPECT_EQ(610, ToVirtualScreen(above, 5, 10).y);
}

TEST(OverlayPlacement, FrameAroundWindowAndFixedRegion) {
    const ZRect frame = FrameAroundWindow(ZRect{100, 200, 400, 500}, 24);
    EXPECT_EQ(96, frame.left);
    EXPECT_EQ(176, frame.top);
    EXPECT_EQ(308, frame.Width());   // 300 + 8
    EXPECT_EQ(328, frame.Height());  // 300 + 24 + 4

    const ZRect fixed = FixedRegionFrame(500, 400, 640, 480, 24);
    EXPECT_EQ(500 - 320 - 4, fixed.left);
    EXPECT_EQ(400 - 240 - 24 - 4, fixed.top);
    EXPECT_EQ(648, fixed.Width());
    EXPECT_EQ(24 + 480 + 8, fixed.Height());
    const ZRect source = FixedRegionSource(fixed, 640, 480, 24);
    EXPECT_EQ(180, source.left);
    EXPECT_EQ(156, source.top);
    EXPECT_EQ(640, source.Width());
    EXPECT_EQ(480, source.Height());
    // Odd sizes: the half is truncated.
    const ZRect odd = FixedRegionFrame(10, 10, 7, 5, 24);
    EXPECT_EQ(10 - 3 - 4, odd.left);
    EXPECT_EQ(10 - 2 - 28, odd.top);
}

TEST(OverlayPlacement, CaptionBandCoversThePrimaryScreen) {
    const ZRect band = RegionCaptionBand(TwoMonitors(), 24);
    EXPECT_EQ(1280, band.left);
    EXPECT_EQ(0, band.top);
    EXPECT_EQ(1280 + 1024, band.right);
    EXPECT_EQ(24, band.bottom);
}

TEST(OverlayPlacement, MagnifierAvoidsTheCursorInTheBottomRightCorner) {
    const ScreenLayout s = OneMonitor();
    const ZRect normal = MagnifierBox(s, 100, 100, 24);
    EXPECT_EQ(1024 - 50 - 200, normal.left);
    EXPECT_EQ(768 - 50 - 248, normal.top);
    EXPECT_EQ(200, normal.Width());
    EXPECT_EQ(248, normal.Height());
    // Within 300 pixels of both edges: moved to the top.
    const ZRect moved = MagnifierBox(s, 1024 - 299, 768 - 299, 24);
    EXPECT_EQ(774, moved.left);
    EXPECT_EQ(50, moved.top);
    // 300 away from the right edge: stays, even near the bottom.
    EXPECT_EQ(470, MagnifierBox(s, 1024 - 300, 760, 24).top);
    EXPECT_EQ(470, MagnifierBox(s, 1000, 768 - 300, 24).top);
    // Two monitors: placed on the primary screen in virtual-screen coordinates.
    const ZRect two = MagnifierBox(TwoMonitors(), 1280 + 1000, 700, 24);
    EXPECT_EQ(1280 + 774, two.left);
    EXPECT_EQ(50, two.top);
}

TEST(OverlayPlacement, WindowCaptureAreaIsLimitedToTheVirtualScreen) {
    const ScreenLayout s = OneMonitor();
    const WindowCaptureArea inside = LimitWindowCaptureArea(s, ZRect{10, 20, 110, 220});
    EXPECT_EQ(10, inside.rect.left);
    EXPECT_EQ(100, inside.rect.Width());
    EXPECT_EQ(0, inside.offsetX);
    EXPECT_EQ(0, inside.offsetY);

    const WindowCaptureArea cut = LimitWindowCaptureArea(s, ZRect{-30, -8, 1100, 800});
    EXPECT_EQ(0, cut.rect.left);
    EXPECT_EQ(0, cut.rect.top);
    EXPECT_EQ(1024, cut.rect.right);
    EXPECT_EQ(768, cut.rect.bottom);
    EXPECT_EQ(30, cut.offsetX);
    EXPECT_EQ(8, cut.offsetY);

    // Off the left monitor's edge: raised to the origin -1280.
    const WindowCaptureArea left =
        LimitWindowCaptureArea(TwoMonitors(), ZRect{-1300, 5, -1000, 50});
    EXPECT_EQ(-1280, left.rect.left);
    EXPECT_EQ(20, left.offsetX);

    // Wholly outside: no width left.
    const WindowCaptureArea gone = LimitWindowCaptureArea(s, ZRect{1100, 10, 1200, 50});
    EXPECT_LT(gone.rect.Width(), 1);
}

TEST(OverlayPlacement, FrameKindsOfNewerWindows) {
    WindowStyleBits dialog;
    dialog.caption = true;
    dialog.dialogFrame = true;
    EXPECT_EQ(WindowFrameKind::FixedDialog, ClassifyWindowFrame(dialog));
    EXPECT_TRUE(UsesRoundedCorners(dialog));
    WindowStyleBits sizeable = dialog;
    sizeable.thickFrame = true;
    EXPECT_EQ(WindowFrameKind::Plain, ClassifyWindowFrame(sizeable));
    WindowStyleBits withMaxBox = dialog;
    withMaxBox.maximiseBox = true;
    EXPECT_EQ(WindowFrameKind::Plain, ClassifyWindowFrame(withMaxBox));
    WindowStyleBits app = dialog;
    app.appWindow = true;
    EXPECT_EQ(WindowFrameKind::Plain, ClassifyWindowFrame(app));
    WindowStyleBits noCaption;
    noCaption.dialogFrame = true;
    EXPECT_EQ(WindowFrameKind::Plain, ClassifyWindowFrame(noCaption));
    EXPECT_FALSE(UsesRoundedCorners(noCaption));
    WindowStyleBits maximised = sizeable;
    maximised.maximised = true;
    EXPECT_EQ(WindowFrameKind::Maximised, ClassifyWindowFrame(maximised));
    EXPECT_FALSE(UsesRoundedCorners(maximised));

    EXPECT_TRUE(IsNewerThanXp(6, 0));
    EXPECT_TRUE(IsNewerThanXp(10, 0));
    EXPECT_TRUE(IsNewerThanXp(5, 3));
    EXPECT_FALSE(IsNewerThanXp(5, 2));
    EXPECT_FALSE(IsNewerThanXp(5, 1));
}

TEST(OverlayPlacement, NewerWindowsCaptureRectangles) {
    const ScreenLayout s = OneMonitor();
    const ZRect dialogWindow{100, 100, 400, 300};
    const WindowCaptureArea dialogArea = LimitWindowCaptureArea(s, dialogWindow);
    const ZRect d =
        NewerWindowsCaptureRect(s, dialogArea, dialogWindow, WindowFrameKind::FixedDialog, 0);
    EXPECT_EQ(95, d.left);
    EXPECT_EQ(95, d.top);
    EXPECT_EQ(405, d.right);
    EXPECT_EQ(305, d.bottom);
    const ZRect p =
        NewerWindowsCaptureRect(s, dialogArea, dialogWindow, WindowFrameKind::Plain, 0);
    EXPECT_EQ(100, p.left);
    EXPECT_EQ(300, p.Width());

    // Maximised on a 1024 x 768 screen with a 40-pixel task bar: window (-8, -8) - (1032, 736),
    // client width 1024: taken from (0, 0), 1024 x (736 - 8) = the visible part.
    const ZRect maxWindow{-8, -8, 1032, 736};
    const WindowCaptureArea maxArea = LimitWindowCaptureArea(s, maxWindow);
    const ZRect m =
        NewerWindowsCaptureRect(s, maxArea, maxWindow, WindowFrameKind::Maximised, 1024);
    EXPECT_EQ(0, m.left);
    EXPECT_EQ(0, m.top);
    EXPECT_EQ(1024, m.Width());
    EXPECT_EQ(728, m.Height());
    // Maximised on the left monitor of two: its own corner, not the primary's.
    const ScreenLayout two = TwoMonitors();
    const ZRect leftMax{-1288, -8, 8, 1000};
    const WindowCaptureArea leftArea = LimitWindowCaptureArea(two, leftMax);
    const ZRect lm =
        NewerWindowsCaptureRect(two, leftArea, leftMax, WindowFrameKind::Maximised, 1280);
    EXPECT_EQ(-1280, lm.left);
    EXPECT_EQ(0, lm.top);
    EXPECT_EQ(1280, lm.Width());
    EXPECT_EQ(1000 - 8, lm.Height());
}

}  // namespace
}  // namespace zentrova
