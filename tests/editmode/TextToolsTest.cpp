// The Text and Callout tools: the callout's geometry, the base kept on the bubble, the handle
// drags at a zoom, the font height and shadow limits (the controls' places: the window test clicks
// Yes there), and the pending text kept over presses.
#include <climits>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "editmode/EditCommands.h"
#include "editmode/tools/CalloutTool.h"
#include "editmode/tools/TextGeometry.h"
#include "tests/editmode/EditBench.h"

namespace zentrova {
namespace {

TEST(TextGeometryTest, BaseSnapsToTheNearerEdgeAndStaysOnTheBubble) {
    // A frame of 100 x 60; the base relative to its top-left.
    const std::pair<ZPoint, ZPoint> cases[] = {
        {{50, 10}, {50, -12}},     // over the top half: the top edge
        {{50, 30}, {50, 72}},      // the lower half: the bottom edge
        {{0, 59}, {0, 72}},        // x on the left edge still counts as between
        {{-5, 20}, {-12, 20}},     // beside the left half: the left edge
        {{140, 20}, {112, 20}},    // right of it: the right edge, not beyond
        {{-40, -40}, {-12, -12}},  // a corner: never outside the bubble's box
        {{500, 900}, {112, 72}},
    };
    for (const auto& [base, snapped] : cases) {
        const ZPoint s = SnapCalloutBase(base, 100, 60);
        EXPECT_EQ(std::pair(s.x, s.y), std::pair(snapped.x, snapped.y)) << base.x << "," << base.y;
    }
}

TEST(TextGeometryTest, TailRunsFromTheBaseOnTheBubbleToTheTipWithItsHeadThere) {
    const ZRect frame{200, 100, 300, 160};
    const ZPoint tip{250, 20};
    EXPECT_TRUE(CalloutBubble(frame) == (ZRect{188, 88, 312, 172}));
    const ToolShape tail = MakeCalloutTail(frame, tip, ZPoint{50, 10}, 0);
    ASSERT_EQ(tail.figures.size(), 2u);
    const Figure& shaft = tail.figures[0];
    const Figure& head = tail.figures[1];
    EXPECT_EQ(shaft.penWidth, kCalloutPenWidth);
    EXPECT_TRUE(shaft.points.back() == (ZPoint{250, 88}));  // the base, on the top edge
    EXPECT_TRUE(head.points[2] == tip);
    EXPECT_TRUE(head.filled);
}

TEST(TextGeometryTest, MotionsAtAZoomGatherIntoWholePixels) {
    PixelAccumulator a;
    // dx, dy, zoom, then the whole pixels given.
    const int32_t steps[][5] = {{1, -1, 3000, 0, 0}, {1, -1, 3000, 0, 0}, {1, -1, 3000, 1, -1},
                                {2, 0, 3000, 0, 0},  {-2, 0, 3000, 0, 0}, {7, 0, 500, 14, 0}};
    for (const auto& [dx, dy, zoom, x, y] : steps) {
        const ZPoint p = a.Add(dx, dy, zoom);
        EXPECT_EQ(std::pair(p.x, p.y), std::pair(x, y));
    }
}

TEST(TextGeometryTest, FontHeightFollowsTheZoomButIsNeverZero) {
    // At 50000 the height 0.8 would be the font's default size.
    EXPECT_EQ((std::vector<int32_t>{TextFontHeight(40, 1000), TextFontHeight(40, 500),
                                    TextFontHeight(40, 50000), TextFontHeight(-40, 50000),
                                    TextFontHeight(-33, 3000)}),
              (std::vector<int32_t>{40, 80, 1, -1, -11}));
}

TEST(TextGeometryTest, SmallTextGetsAShadowOfAtMostOneOrTwoPixels) {
    // Point size |height * 72 / dpi| at 96 dpi: 26 -> 19, 27 -> 20, 37 -> 27, 38 -> 28.
    const int32_t cases[][3] = {{26, 96, 1},         {27, 96, 2},        {-37, 96, 2},
                                {38, 96, INT32_MAX}, {26, 0, INT32_MAX}, {-10, 120, 1}};
    for (const auto& [height, dpi, limit] : cases) {
        EXPECT_EQ(TextShadowLimit(height, dpi), limit) << height << " at " << dpi;
    }
}

struct TextBench : test::EditBench {
    TextBench() {
        AddCapture(L"t.bmp", 600, 400);
        Begin();  // the picture at (100, 100), 1:1
    }
    // A drag in window pixels, pressed at (x1, y1), released at (x2, y2).
    void Drag(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        EditTool* tool = session.GetTool();
        ASSERT_TRUE(tool->Press(session, Pointer(x1, y1, 0, 0)));
        tool->Move(session, Pointer(x2, y2, x2 - x1, y2 - y1));
        tool->Release(session, Pointer(x2, y2, 0, 0));
    }
    ToolPointer Pointer(int32_t x, int32_t y, int32_t dx, int32_t dy) const {
        return ToolPointer{ZPoint{x, y}, session.View().WindowToImage(x, y), dx, dy};
    }
};

TEST(TextToolsTest, PressesOnAWaitingTextMoveItWithoutANewEditor) {
    TextBench b;
    ASSERT_TRUE(b.session.SelectTool(ToolNumber::Text));
    b.Drag(150, 150, 350, 250);
    ASSERT_EQ(b.host.opened, std::vector<bool>{false});
    b.Drag(250, 200, 270, 230);  // the inside: moved
    EXPECT_TRUE(b.session.Selection().Get() == (ZRect{70, 80, 271, 181}));
    b.Drag(600, 500, 600, 500);  // a click beside it keeps it
    EXPECT_TRUE(b.session.Selection().Get() == (ZRect{70, 80, 271, 181}));
    b.Drag(500, 450, 600, 480);  // a new frame: the same editor goes there
    EXPECT_TRUE(b.session.Selection().Get() == (ZRect{400, 350, 501, 381}));
    EXPECT_EQ(std::pair(b.host.opened.size(), b.host.closed), std::pair(size_t{1}, 0));
    EXPECT_TRUE(b.session.RunCommand(edit_cmd::kConfirmNo));
    EXPECT_EQ(b.host.closed, 1);
    EXPECT_FALSE(b.session.Selection().Exists());
}

TEST(TextToolsTest, CalloutTipAndBaseArePlacedAndDraggedOnTheBubble) {
    TextBench b;
    ASSERT_TRUE(b.session.SelectTool(ToolNumber::Callout));
    auto* callout = static_cast<CalloutTool*>(b.session.GetTool());
    EXPECT_TRUE(callout->GetTip() == (ZPoint{300, 40}));
    b.Drag(150, 200, 250, 260);  // the frame (50, 100) - (151, 161)
    ASSERT_EQ(b.host.opened, std::vector<bool>{true});
    EXPECT_TRUE(callout->GetTip() == (ZPoint{150, 0}));
    EXPECT_TRUE(callout->GetBase() == (ZPoint{100, -12}));
    b.Drag(250, 190, 250, 390);  // the base (on screen at 250, 188) pulled far down
    EXPECT_TRUE(callout->GetBase() == (ZPoint{100, 73}));
    b.Drag(251, 101, 221, 106);  // the tip, grabbed a pixel beside it
    EXPECT_TRUE(callout->GetTip() == (ZPoint{120, 5}));
    EXPECT_TRUE(b.session.Selection().Get() == (ZRect{50, 100, 151, 161}));
}

}  // namespace
}  // namespace zentrova
