// Where a button bar sits, where its buttons and image cells are, what a point hits and where the
// tooltip goes.
#include <gtest/gtest.h>

#include "ui/buttonbar/ButtonBarGeometry.h"

namespace zentrova {
namespace {

constexpr int32_t kW = 1024;
constexpr int32_t kH = 768;

BarRect Rect(int32_t x, int32_t y, int32_t w, int32_t h) {
    return BarRect{x, y, w, h};
}

TEST(ButtonBarGeometry, AlignmentValues) {
    BarAlignment a{};
    ASSERT_TRUE(BarAlignmentFromValue(0, a));
    EXPECT_EQ(a, BarAlignment::Left);
    ASSERT_TRUE(BarAlignmentFromValue(3, a));
    EXPECT_EQ(a, BarAlignment::Bottom);
    a = BarAlignment::Top;
    EXPECT_FALSE(BarAlignmentFromValue(4, a));
    EXPECT_FALSE(BarAlignmentFromValue(0xFFFFFFFFu, a));
    EXPECT_EQ(a, BarAlignment::Top);
}

TEST(ButtonBarGeometry, CellSizeFromEitherLayout) {
    // Nine buttons side by side in three state rows; fifteen stacked in three state columns (cells
    // need not be square); spare pixels of an image that does not divide evenly are left over;
    // one wide button (the colour bar); the smallest cell.
    const struct {
        uint32_t w, h, buttons;
        bool columns;
        int32_t cw, ch;
    } cases[] = {{9 * 42, 3 * 42, 9, false, 42, 42},
                 {3 * 30, 15 * 20, 15, true, 30, 20},
                 {9 * 42 + 8, 3 * 42 + 2, 9, false, 42, 42},
                 {512, 132, 1, false, 512, 44},
                 {9, 3, 9, false, 1, 1}};
    for (const auto& c : cases) {
        CellSize cell;
        ASSERT_TRUE(ComputeCellSize(c.w, c.h, c.buttons, c.columns, cell)) << c.w << "x" << c.h;
        EXPECT_EQ((BarPoint{cell.width, cell.height}), (BarPoint{c.cw, c.ch})) << c.w << "x" << c.h;
    }
}

TEST(ButtonBarGeometry, CellSizeRefusals) {
    CellSize cell{7, 7};
    EXPECT_FALSE(ComputeCellSize(378, 126, 0, false, cell));
    EXPECT_FALSE(ComputeCellSize(8, 126, 9, false, cell));  // 8 / 9 = 0 pixels wide
    EXPECT_FALSE(ComputeCellSize(378, 2, 9, false, cell));  // 2 / 3 = 0 pixels high
    EXPECT_FALSE(ComputeCellSize(2, 630, 15, true, cell));
    EXPECT_FALSE(ComputeCellSize(126, 14, 15, true, cell));
    EXPECT_FALSE(ComputeCellSize(100000, 126, kMaxBarButtons + 1, false, cell));
    EXPECT_FALSE(ComputeCellSize(0xFFFFFFFFu, 126, 1, false, cell));  // cell beyond the cap
    EXPECT_EQ((BarPoint{cell.width, cell.height}), (BarPoint{7, 7}));
}

TEST(ButtonBarGeometry, OddLengthsAndNonSquareCells) {
    // 3 x 33 = 99 pixels: half of it is 49; half of 1023 is 511.
    const CellSize c{33, 20};
    EXPECT_EQ(ComputeBarRect(BarAlignment::Top, 1023, 767, 3, c, false), Rect(462, 0, 99, 20));
    EXPECT_EQ(ComputeBarRect(BarAlignment::Bottom, 1023, 767, 3, c, true), Rect(462, 763, 99, 4));
    // 3 x 20 = 60 high, starting at 383 - 30.
    EXPECT_EQ(ComputeBarRect(BarAlignment::Left, 1023, 767, 3, c, false), Rect(0, 353, 33, 60));
    EXPECT_EQ(ComputeBarRect(BarAlignment::Right, 1023, 767, 3, c, false), Rect(990, 353, 33, 60));
    // A bar longer than the screen starts before it.
    EXPECT_EQ(ComputeBarRect(BarAlignment::Left, kW, kH, 40, CellSize{42, 42}, false),
              Rect(0, -456, 42, 1680));
    // A cell thinner than the strip: the collapsed bar is still 4 pixels thick.
    EXPECT_EQ(ComputeBarRect(BarAlignment::Right, kW, kH, 2, CellSize{3, 3}, true),
              Rect(1020, 381, 4, 6));
}

TEST(ButtonBarGeometry, ButtonAndImageCells) {
    const CellSize c{42, 40};
    EXPECT_EQ(ButtonCellRect(BarAlignment::Left, 0, c), Rect(0, 0, 42, 40));
    EXPECT_EQ(ButtonCellRect(BarAlignment::Right, 3, c), Rect(0, 120, 42, 40));
    EXPECT_EQ(ButtonCellRect(BarAlignment::Top, 3, c), Rect(126, 0, 42, 40));
    EXPECT_EQ(ButtonCellRect(BarAlignment::Bottom, 8, c), Rect(336, 0, 42, 40));
    // States in rows: button index across, state down.
    EXPECT_EQ(ImageCellRect(false, 4, ButtonState::Pressed, c), Rect(168, 80, 42, 40));
    EXPECT_EQ(ImageCellRect(false, 0, ButtonState::Hover, c), Rect(0, 40, 42, 40));
    // States in columns: state across, button index down.
    EXPECT_EQ(ImageCellRect(true, 4, ButtonState::Pressed, c), Rect(84, 160, 42, 40));
    EXPECT_EQ(ImageCellRect(true, 14, ButtonState::Normal, c), Rect(0, 560, 42, 40));
}

TEST(ButtonBarGeometry, HitTestAtCellBorders) {
    const CellSize c{42, 40};
    // Stacked: 9 cells of 40 rows; side by side: 9 cells of 42 columns.
    const BarAlignment L = BarAlignment::Left, R = BarAlignment::Right, T = BarAlignment::Top,
                       B = BarAlignment::Bottom;
    const struct {
        BarAlignment a;
        int32_t x, y, button;
    } cases[] = {{L, 0, 0, 0},    {L, 41, 39, 0},  {L, 41, 40, 1},  {R, 0, 359, 8},
                 {R, 0, 360, -1}, {L, 42, 10, -1}, {L, -1, 10, -1}, {L, 10, -1, -1},
                 {T, 41, 39, 0},  {T, 42, 0, 1},   {B, 377, 20, 8}, {B, 378, 20, -1},
                 {T, 100, 40, -1}};
    for (const auto& h : cases) {
        EXPECT_EQ(ButtonAtPoint(h.a, 9, c, h.x, h.y), h.button) << h.x << "," << h.y;
    }
    // No cells at all.
    EXPECT_EQ(ButtonAtPoint(BarAlignment::Top, 9, CellSize{}, 0, 0), -1);
}

TEST(ButtonBarGeometry, ButtonStates) {
    EXPECT_EQ(ButtonStateFor(false, false), ButtonState::Normal);
    EXPECT_EQ(ButtonStateFor(false, true), ButtonState::Normal);
    EXPECT_EQ(ButtonStateFor(true, false), ButtonState::Hover);
    EXPECT_EQ(ButtonStateFor(true, true), ButtonState::Pressed);
}

TEST(ButtonBarGeometry, TooltipBesideTheBarOnItsInnerSide) {
    const BarPoint cursor{400, 300};
    // Left bar (0, 195, 42 x 378): right of it, at the cursor's height.
    EXPECT_EQ(ComputeTooltipPosition(BarAlignment::Left, Rect(0, 195, 42, 378), cursor, 120, 18),
              (BarPoint{42, 300}));
    // Right bar (982, 195): its left edge minus the tooltip width.
    EXPECT_EQ(ComputeTooltipPosition(BarAlignment::Right, Rect(982, 195, 42, 378), cursor, 120, 18),
              (BarPoint{862, 300}));
    // Top bar (323, 0, 378 x 42): below it, centred on the cursor (121 / 2 = 60).
    EXPECT_EQ(ComputeTooltipPosition(BarAlignment::Top, Rect(323, 0, 378, 42), cursor, 121, 18),
              (BarPoint{340, 42}));
    // Bottom bar (323, 726): above it.
    EXPECT_EQ(
        ComputeTooltipPosition(BarAlignment::Bottom, Rect(323, 726, 378, 42), cursor, 121, 18),
        (BarPoint{340, 708}));
}

}  // namespace
}  // namespace zentrova
