#include "capture/overlay/SelectionGeometry.h"
#include "capture/overlay/CaptureMode.h"

#include <array>
#include <utility>

#include <gtest/gtest.h>

namespace zentrova {
namespace {

// A selection of 101 x 61 pixels: columns 100 ... 200, rows 50 ... 110.
constexpr SelectionRect kSel{100, 50, 200, 110};

TEST(SelectionHitTest, EdgesCornersInsideOutsideAtTheirBoundaries) {
    // In this order: the top edge, 110 < x < 190 and 46 < y < 54 (bottom + 3 on the bottom one,
    // top - 4 and bottom + 4 outside); x = 110 is not beyond left + 10, so the top-left corner
    // zone takes it (y < top + 10); the left and right edges, 60 < y < 100; the corners, whose
    // zones reach one pixel outside and 9 inside; inside, which is strict.
    using H = SelectionHit;
    const struct {
        int32_t x, y;
        SelectionHit hit;
    } cases[] = {{111, 47, H::TopOrBottomEdge},  {189, 53, H::TopOrBottomEdge},
                 {150, 113, H::TopOrBottomEdge}, {150, 46, H::Outside},
                 {150, 114, H::Outside},         {109, 50, H::TopLeft},
                 {110, 46, H::Outside},          {97, 61, H::LeftOrRightEdge},
                 {203, 99, H::LeftOrRightEdge},  {96, 80, H::Outside},
                 {204, 80, H::Outside},          {100, 50, H::TopLeft},
                 {99, 49, H::Outside},           {200, 110, H::BottomRight},
                 {191, 101, H::BottomRight},     {200, 50, H::TopRight},
                 {191, 59, H::TopRight},         {100, 110, H::BottomLeft},
                 {109, 101, H::BottomLeft},      {150, 80, H::Inside},
                 {199, 60, H::Inside},           {201, 120, H::Outside}};
    for (const auto& c : cases) {
        EXPECT_EQ(HitTestSelection(kSel, c.x, c.y), c.hit) << c.x << "," << c.y;
    }
}

TEST(SelectionHitTest, EdgeZoneWinsOverCornerZoneWhereTheyOverlap) {
    // Selection 40 x 40: top edge zone x in (10, 30), corner zones x < 10 or > 30.
    const SelectionRect s{0, 0, 40, 40};
    EXPECT_EQ(SelectionHit::TopOrBottomEdge, HitTestSelection(s, 11, 3));
    EXPECT_EQ(SelectionHit::TopLeft, HitTestSelection(s, 9, 3));
    EXPECT_EQ(SelectionHit::TopRight, HitTestSelection(s, 31, 3));
    // The top-left zone is tested before the bottom-right one: on a tiny selection both match.
    const SelectionRect tiny{10, 10, 15, 15};
    EXPECT_EQ(SelectionHit::TopLeft, HitTestSelection(tiny, 12, 12));
}

TEST(SelectionHitTest, SmallSelectionHasNoCapturingInside) {
    // Less than 20 pixels wide and high: every point strictly inside lies in a corner zone.
    const SelectionRect s{300, 300, 319, 319};
    for (int32_t y = 301; y < 319; ++y) {
        for (int32_t x = 301; x < 319; ++x) {
            const SelectionHit hit = HitTestSelection(s, x, y);
            EXPECT_NE(SelectionHit::Inside, hit) << x << "," << y;
            EXPECT_NE(SelectionHit::Outside, hit) << x << "," << y;
        }
    }
    // At 21 pixels a centre point is inside again.
    const SelectionRect larger{300, 300, 321, 321};
    EXPECT_EQ(SelectionHit::Inside, HitTestSelection(larger, 310, 310));
}

// left, top, right, bottom.
std::array<int32_t, 4> Edges(const SelectionRect& s) {
    return {s.left, s.top, s.right, s.bottom};
}

TEST(SelectionDrag, NearerEdgeFollowsAndStopsAtTheVirtualScreen) {
    DragFlags horizontal;
    horizontal.horizontalEdge = true;
    SelectionRect s = kSel;  // middle column 150
    DragSelection(s, horizontal, 120, 999, 1024, 768);
    EXPECT_EQ(Edges(s), (std::array<int32_t, 4>{120, 50, 200, 110}));  // the other edges stay
    DragSelection(s, horizontal, -30, 0, 1024, 768);
    EXPECT_EQ(0, s.left);
    DragSelection(s, horizontal, 5000, 0, 1024, 768);
    EXPECT_EQ(1024, s.right);  // limited to the width itself, not width - 1
    // Exactly on the middle (0 + (1024 - 0) / 2 = 512) nothing moves.
    DragSelection(s, horizontal, 512, 0, 1024, 768);
    EXPECT_EQ(Edges(s), (std::array<int32_t, 4>{0, 50, 1024, 110}));

    DragFlags vertical;
    vertical.verticalEdge = true;
    s = kSel;  // middle row 80
    DragSelection(s, vertical, 0, 79, 1024, 768);
    EXPECT_EQ(Edges(s), (std::array<int32_t, 4>{100, 79, 200, 110}));
    DragSelection(s, vertical, 0, 900, 1024, 768);
    EXPECT_EQ(768, s.bottom);
}

TEST(SelectionDrag, CornerMovesBothAxesAndNewSelectionMovesBottomRight) {
    DragFlags both;
    both.horizontalEdge = true;
    both.verticalEdge = true;
    SelectionRect s = kSel;
    DragSelection(s, both, 90, 40, 1024, 768);  // the top-left corner pulled out
    EXPECT_EQ(Edges(s), (std::array<int32_t, 4>{90, 40, 200, 110}));
    SelectionRect fresh{300, 200, 300, 200};
    DragSelection(fresh, DragFlags{}, 250, 180, 1024, 768);  // drawn up and to the left
    EXPECT_EQ(Edges(fresh), (std::array<int32_t, 4>{300, 200, 250, 180}));
}

TEST(SelectionFinish, NormalisesAndEmptiesDegenerateSelections) {
    SelectionRect s{300, 200, 250, 180};
    FinishSelection(s);
    EXPECT_EQ(Edges(s), (std::array<int32_t, 4>{250, 180, 300, 200}));
    EXPECT_EQ(std::pair(SelectionWidth(s), SelectionHeight(s)), std::pair(51, 21));
    SelectionRect line{300, 200, 300, 260};  // no width
    FinishSelection(line);
    EXPECT_EQ(Edges(line), (std::array<int32_t, 4>{0, 0, 0, 0}));
    EXPECT_FALSE(HasSelection(line));
    SelectionRect thin{10, 10, 11, 11};  // one step each way is a selection (2 x 2 pixels)
    FinishSelection(thin);
    EXPECT_TRUE(HasSelection(thin));
    EXPECT_EQ(2, SelectionWidth(thin));
}

TEST(CaptureMode, ValuesZeroToSevenAreModes) {
    CaptureMode mode = CaptureMode::FreeStyle;
    ASSERT_TRUE(CaptureModeFromValue(0, mode));
    EXPECT_EQ(CaptureMode::SingleWindow, mode);
    ASSERT_TRUE(CaptureModeFromValue(7, mode));
    EXPECT_EQ(CaptureMode::ActiveWindow, mode);
    EXPECT_FALSE(CaptureModeFromValue(8, mode));
    EXPECT_EQ(CaptureMode::ActiveWindow, mode);  // unchanged
    EXPECT_FALSE(CaptureModeFromValue(0xFFFFFFFFu, mode));
}

}  // namespace
}  // namespace zentrova
