// Skinned button geometry: state bits, frame rows, the nine frame pieces, icon and text places.
#include <gtest/gtest.h>

#include <string>

#include "ui/dialogs/ButtonGeometry.h"

namespace zentrova {
namespace {

TEST(ButtonGeometryTest, StateAddsHoverOnlyWhenEnabledAndDisabledBit) {
    EXPECT_EQ(SkinnedButtonState(0, true, false), 0u);
    EXPECT_EQ(SkinnedButtonState(0, true, true), 64u);
    EXPECT_EQ(SkinnedButtonState(1 | 16, true, true), 1u | 16u | 64u);
    EXPECT_EQ(SkinnedButtonState(0, false, true), 4u);
    EXPECT_EQ(SkinnedButtonState(4, false, false), 4u);
}

TEST(ButtonGeometryTest, FrameRowFollowsPriority) {
    EXPECT_EQ(ButtonFrameRow(0), 0);
    EXPECT_EQ(ButtonFrameRow(kButtonHover), 1);
    EXPECT_EQ(ButtonFrameRow(kButtonHover | kButtonPressed), 4);
    // Under the mouse wins over focus and default.
    EXPECT_EQ(ButtonFrameRow(kButtonHover | kButtonFocused | kButtonDefault), 1);
    EXPECT_EQ(ButtonFrameRow(kButtonDisabled), 2);
    EXPECT_EQ(ButtonFrameRow(kButtonGrayed), 2);
    // Disabled wins over focused; pressed without the mouse is no pressed frame.
    EXPECT_EQ(ButtonFrameRow(kButtonDisabled | kButtonFocused), 2);
    EXPECT_EQ(ButtonFrameRow(kButtonFocused), 3);
    EXPECT_EQ(ButtonFrameRow(kButtonDefault), 3);
    EXPECT_EQ(ButtonFrameRow(kButtonPressed | kButtonFocused), 3);
    EXPECT_EQ(ButtonFrameRow(kButtonPressed), 0);
}

TEST(ButtonGeometryTest, TextColourByState) {
    EXPECT_EQ(std::wstring(ButtonTextColourKey(ButtonTextColourFor(kButtonHover))),
              L"ButtonTextColorHilight");
    EXPECT_EQ(std::wstring(ButtonTextColourKey(ButtonTextColourFor(kButtonDisabled))),
              L"ButtonTextColorDisabled");
    EXPECT_EQ(std::wstring(ButtonTextColourKey(ButtonTextColourFor(kButtonFocused | 1))),
              L"ButtonTextColorDefault");
    // Grayed alone is not disabled for the text colour.
    EXPECT_EQ(ButtonTextColourFor(kButtonGrayed), ButtonTextColour::Default);
}

TEST(ButtonGeometryTest, NinePiecesOfA100By30ButtonFromRow3) {
    const auto pieces = ButtonFramePieces(100, 30, 3);
    // Sources: 8 x 8 cells of the frame at top 72.
    const ZRect sources[9] = {{0, 72, 8, 80}, {8, 72, 16, 80}, {16, 72, 24, 80},
                                   {0, 80, 8, 88}, {8, 80, 16, 88}, {16, 80, 24, 88},
                                   {0, 88, 8, 96}, {8, 88, 16, 96}, {16, 88, 24, 96}};
    const ZRect targets[9] = {{0, 0, 8, 8},   {8, 0, 92, 8},   {92, 0, 100, 8},
                                   {0, 8, 8, 22},  {8, 8, 92, 22},  {92, 8, 100, 22},
                                   {0, 22, 8, 30}, {8, 22, 92, 30}, {92, 22, 100, 30}};
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(pieces[i].source == sources[i]) << i;
        EXPECT_TRUE(pieces[i].target == targets[i]) << i;
    }
    // Edges are stretched to width - 16 and height - 16.
    EXPECT_EQ(pieces[1].target.Width(), 84);
    EXPECT_EQ(pieces[3].target.Height(), 14);
}

TEST(ButtonGeometryTest, SmallButtonsLeaveStretchedPiecesEmpty) {
    const auto exact = ButtonFramePieces(16, 16, 0);
    EXPECT_EQ(exact[4].target.Width(), 0);
    EXPECT_EQ(exact[4].target.Height(), 0);
    EXPECT_TRUE(exact[8].target == (ZRect{8, 8, 16, 16}));
    const auto tiny = ButtonFramePieces(10, 12, 0);
    EXPECT_LE(tiny[1].target.Width(), 0);
    EXPECT_LE(tiny[3].target.Height(), 0);
    // Corners keep 8 x 8 and overlap.
    EXPECT_TRUE(tiny[2].target == (ZRect{2, 0, 10, 8}));
    EXPECT_TRUE(tiny[6].target == (ZRect{0, 4, 8, 12}));
}

TEST(ButtonGeometryTest, IconPlace) {
    EXPECT_EQ(ButtonPressedOffset(0), 0);
    EXPECT_EQ(ButtonPressedOffset(kButtonPressed | kButtonHover), 1);
    // 20 pixels high with 16-pixel icons: y = 3, pressed 4.
    EXPECT_EQ(ButtonIconPosition(20, 16, 0).x, 3);
    EXPECT_EQ(ButtonIconPosition(20, 16, 0).y, 3);
    EXPECT_EQ(ButtonIconPosition(20, 16, 1).x, 4);
    EXPECT_EQ(ButtonIconPosition(20, 16, 1).y, 4);
    // Odd difference rounds down; an icon taller than the button goes above it.
    EXPECT_EQ(ButtonIconPosition(25, 16, 0).y, 5);
    EXPECT_EQ(ButtonIconPosition(10, 16, 0).y, -2);
}

TEST(ButtonGeometryTest, TextRectangles) {
    EXPECT_TRUE(ButtonTextRect(90, 24, true, 16) == (ZRect{24, 0, 88, 24}));
    EXPECT_TRUE(ButtonTextRect(90, 24, false, 16) == (ZRect{2, 0, 88, 24}));
    EXPECT_TRUE(OffsetButtonRect({2, 0, 88, 24}, 1) == (ZRect{3, 1, 89, 25}));
    // Multi-line: centred vertically after measuring, then moved by the pressed offset.
    EXPECT_TRUE(MultiLineTextRect({24, 0, 50, 5}, 90, 40, 26, 0) == (ZRect{24, 7, 88, 40}));
    EXPECT_TRUE(MultiLineTextRect({2, 0, 88, 40}, 90, 40, 27, 1) == (ZRect{3, 7, 89, 41}));
    // Taller text than the button: a negative top, not clamped.
    EXPECT_TRUE(MultiLineTextRect({2, 0, 88, 20}, 90, 20, 40, 0) == (ZRect{2, -10, 88, 20}));
}

}  // namespace
}  // namespace zentrova
