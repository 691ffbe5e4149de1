// The finishing pipeline's Win32 steps under Wine: the arrow cursor, the rounded-rectangle and
// ellipse masks drawn with GDI, and the engine's entry point.
#include <gtest/gtest.h>

#include <windows.h>

#include "capture/finish/FinishCapture.h"
#include "capture/finish/FinishPipeline.h"
#include "capture/finish/FinishPlatform_win.h"
#include "capture/overlay/CaptureEngine.h"
#include "tests/image/CompositingTestSupport.h"

namespace zentrova {
namespace {

using testing::ColourAt;

constexpr ZColor kMagenta = 0xFF00FF;

// Counts the pixels of the rectangle that are not magenta.
int CountDrawn(const ZImage& image, uint32_t left, uint32_t top, uint32_t right, uint32_t bottom) {
    int count = 0;
    for (uint32_t y = top; y < bottom; ++y) {
        for (uint32_t x = left; x < right; ++x) {
            count += ColourAt(image, x, y) != kMagenta ? 1 : 0;
        }
    }
    return count;
}

TEST(FinishGdi, IconSizeIsTheSystemMetric) {
    GdiFinishPlatform platform(nullptr);
    int32_t w = 0, h = 0;
    ASSERT_TRUE(platform.GetIconSize(w, h));
    EXPECT_EQ(w, GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(h, GetSystemMetrics(SM_CYICON));
}

TEST(FinishGdi, ArrowCursorIsDrawnInsideItsIconCell) {
    GdiFinishPlatform platform(nullptr);
    int32_t w = 0, h = 0;
    ASSERT_TRUE(platform.GetIconSize(w, h));
    ZImage image;
    ASSERT_TRUE(image.Create(3 * w, 3 * h, 24, kMagenta, nullptr));
    ASSERT_TRUE(platform.DrawArrowCursor(image, w, h));
    const auto uw = static_cast<uint32_t>(w), uh = static_cast<uint32_t>(h);
    // Something of the arrow in its cell, its tip at the cell's top-left, nothing outside.
    EXPECT_GT(CountDrawn(image, uw, uh, 2 * uw, 2 * uh), 20);
    EXPECT_GT(CountDrawn(image, uw, uh, uw + 3, uh + 3), 0);
    EXPECT_EQ(CountDrawn(image, 0, 0, 3 * uw, uh), 0);
    EXPECT_EQ(CountDrawn(image, 0, 0, uw, 3 * uh), 0);
    EXPECT_EQ(CountDrawn(image, 2 * uw, 0, 3 * uw, 3 * uh), 0);
    EXPECT_EQ(CountDrawn(image, 0, 2 * uh, 3 * uw, 3 * uh), 0);
    // The arrow points to the top-left: its bottom-right corner stays empty.
    EXPECT_EQ(ColourAt(image, 2 * uw - 1, 2 * uh - 1), kMagenta);
}

TEST(FinishGdi, RoundedRectangleOnASmallCaptureIsNearlyACircle) {
    GdiFinishPlatform platform(nullptr);
    ZImage mask;
    ASSERT_TRUE(mask.Create(60, 60, 24, kMagenta, nullptr));
    ASSERT_TRUE(platform.DrawShapeMask(mask, 1));
    // The 80 x 80 corner ellipse is larger than the picture: the corners stay outside.
    EXPECT_EQ(ColourAt(mask, 0, 0), kMagenta);
    EXPECT_EQ(ColourAt(mask, 59, 0), kMagenta);
    EXPECT_EQ(ColourAt(mask, 0, 59), kMagenta);
    EXPECT_EQ(ColourAt(mask, 59, 59), kMagenta);
    EXPECT_EQ(ColourAt(mask, 6, 6), kMagenta);
    EXPECT_EQ(ColourAt(mask, 30, 30), 0x000000u);
    EXPECT_EQ(ColourAt(mask, 30, 1), 0x000000u);
    EXPECT_EQ(ColourAt(mask, 1, 30), 0x000000u);
    EXPECT_EQ(ColourAt(mask, 12, 12), 0x000000u);
    // Only black and magenta are drawn.
    for (uint32_t y = 0; y < 60; ++y) {
        for (uint32_t x = 0; x < 60; ++x) {
            const ZColor c = ColourAt(mask, x, y);
            ASSERT_TRUE(c == kMagenta || c == 0) << x << "," << y;
        }
    }
}

TEST(FinishGdi, RoundedRectangleKeepsStraightEdgesOnALargeCapture) {
    GdiFinishPlatform platform(nullptr);
    ZImage mask;
    ASSERT_TRUE(mask.Create(300, 200, 24, kMagenta, nullptr));
    ASSERT_TRUE(platform.DrawShapeMask(mask, 1));
    EXPECT_EQ(ColourAt(mask, 150, 0), 0x000000u);
    EXPECT_EQ(ColourAt(mask, 150, 199), 0x000000u);
    EXPECT_EQ(ColourAt(mask, 0, 100), 0x000000u);
    EXPECT_EQ(ColourAt(mask, 299, 100), 0x000000u);
    EXPECT_EQ(ColourAt(mask, 2, 2), kMagenta);
    EXPECT_EQ(ColourAt(mask, 297, 197), kMagenta);
    EXPECT_EQ(ColourAt(mask, 40, 40), 0x000000u);
}

TEST(FinishGdi, EllipseFillsThePicture) {
    GdiFinishPlatform platform(nullptr);
    ZImage mask;
    ASSERT_TRUE(mask.Create(100, 50, 24, kMagenta, nullptr));
    ASSERT_TRUE(platform.DrawShapeMask(mask, 2));
    EXPECT_EQ(ColourAt(mask, 50, 25), 0x000000u);
    EXPECT_EQ(ColourAt(mask, 50, 1), 0x000000u);
    EXPECT_EQ(ColourAt(mask, 1, 25), 0x000000u);
    EXPECT_EQ(ColourAt(mask, 98, 25), 0x000000u);
    EXPECT_EQ(ColourAt(mask, 0, 0), kMagenta);
    EXPECT_EQ(ColourAt(mask, 99, 49), kMagenta);
    EXPECT_EQ(ColourAt(mask, 10, 5), kMagenta);
    EXPECT_FALSE(platform.DrawShapeMask(mask, 3));
}

TEST(FinishGdi, ShapedCaptureThroughThePipeline) {
    ZImage capture;
    ASSERT_TRUE(capture.Create(60, 60, 24, 0x336699, nullptr));
    FinishOptions o;
    o.playSound = false;
    o.shadow = false;
    o.shapeType = 1;
    o.background = 0x00FF00;
    FinishRequest request;
    request.mode = CaptureMode::FreeRectangle;
    GdiFinishPlatform platform(nullptr);
    const FinishReport report = FinishImage(capture, o, request, platform);
    EXPECT_EQ(report.shape, StepOutcome::Done);
    EXPECT_EQ(ColourAt(capture, 0, 0), 0x00FF00u);
    EXPECT_EQ(ColourAt(capture, 59, 59), 0x00FF00u);
    EXPECT_EQ(ColourAt(capture, 30, 30), 0x336699u);
    EXPECT_EQ(ColourAt(capture, 30, 1), 0x336699u);
}

TEST(FinishGdi, CursorAndItsShadowThroughThePipeline) {
    GdiFinishPlatform platform(nullptr);
    int32_t w = 0, h = 0;
    ASSERT_TRUE(platform.GetIconSize(w, h));
    ZImage capture;
    ASSERT_TRUE(capture.Create(200, 200, 24, 0xFFFFFF, nullptr));
    FinishOptions o;
    o.playSound = false;
    o.shadow = false;
    o.cursor = true;
    o.cursorShadow = true;
    o.shadowColour = 0x0000FF;  // red
    o.shadowIntensity = 100;
    o.shadowDirection = 315;  // (+d, +d)
    o.shadowOffset = 20;      // far enough to show beside the arrow
    o.background = 0xFFFFFF;
    FinishRequest request;
    request.mode = CaptureMode::FixedRegion;
    request.cursorX = 100;
    request.cursorY = 100;
    const FinishReport report = FinishImage(capture, o, request, platform);
    EXPECT_EQ(report.cursorShadow, StepOutcome::Done);
    EXPECT_EQ(report.cursor, StepOutcome::Done);
    // The arrow: drawn from (x - w / 3, y - h / 3), so something non-white there.
    int arrow = 0, shadow = 0;
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const ZColor c = ColourAt(capture, 100 - w / 3 + x, 100 - h / 3 + y);
            arrow += c != 0xFFFFFF ? 1 : 0;
        }
    }
    // The shadow: a reddish blur round (x + 20 - 16 + 8, y + 20 - 16 + 8), no green or blue added.
    for (int32_t y = 0; y < 2 * h; ++y) {
        for (int32_t x = 0; x < 2 * w; ++x) {
            const ZColor c = ColourAt(capture, 100 + 20 - 16 + x, 100 + 20 - 16 + y);
            if (c != 0xFFFFFF && (c & 0xFF) == 0xFF) {
                ++shadow;
            }
        }
    }
    EXPECT_GT(arrow, 20);
    EXPECT_GT(shadow, 20);
}

TEST(FinishGdi, FinishCaptureNeedsSettingsAndAPicture) {
    CaptureEngine engine;
    EXPECT_FALSE(FinishCapture(engine, nullptr, 0, 0));
    ASSERT_TRUE(engine.GetResult().Create(8, 8, 24, 0x123456, nullptr));
    EXPECT_FALSE(FinishCapture(engine, nullptr, 0, 0));  // no settings: nothing done
    EXPECT_EQ(ColourAt(engine.GetResult(), 0, 0), 0x123456u);
    EXPECT_EQ(engine.GetResult().GetWidth(), 8u);
}

}  // namespace
}  // namespace zentrova
