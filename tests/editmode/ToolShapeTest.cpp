// What the tools draw (arrow geometry, lines, bounds) and the settings they read, clamped.
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "config/SettingsRecord.h"
#include "editmode/tools/ToolSettings.h"
#include "editmode/tools/ToolShape.h"

namespace zentrova {
namespace {

TEST(ToolArrow, GrowingHeadAndShaftFollowTheLength) {
    const ArrowGeometry a = MakeArrowGeometry({100, 0}, {0, 0}, ArrowStyle::Growing);
    EXPECT_DOUBLE_EQ(a.headLength, 20.0);
    EXPECT_EQ(a.penWidth, 4);
    const ArrowGeometry b = MakeArrowGeometry({240, 0}, {0, 0}, ArrowStyle::Growing);
    EXPECT_DOUBLE_EQ(b.headLength, 48.0);
    EXPECT_EQ(b.penWidth, 10);
}

TEST(ToolArrow, DualHeadHasMirroredHeadsAndTheShaftBetweenTheirBases) {
    // Tip at (200, 60), tail at (400, 60): theta = pi, heads 20 long and 20 wide; sin(pi) is
    // 1.2e-16, so one base corner truncates -9.99... to -9.
    const ArrowGeometry g = MakeArrowGeometry({200, 60}, {400, 60}, ArrowStyle::DualHead);
    ASSERT_TRUE(g.drawn);
    EXPECT_TRUE((std::vector<ZPoint>{g.head[0], g.head[1], g.head[2], g.tailHead[0], g.tailHead[1],
                                     g.shaftFrom, g.shaftTo}) ==
                (std::vector<ZPoint>{
                    {220, 50}, {220, 69}, {200, 60}, {380, 70}, {380, 51}, {220, 60}, {380, 60}}));
}

TEST(ToolArrow, StraightArrowsAreDrawnOnlyTheEmptyOneIsNot) {
    EXPECT_TRUE(MakeArrowGeometry({10, 10}, {11, 10}, ArrowStyle::Default).drawn);  // length 1
    EXPECT_FALSE(MakeArrowGeometry({10, 10}, {10, 10}, ArrowStyle::Default).drawn);
    EXPECT_TRUE(MakeArrowShape({10, 10}, {10, 10}, ArrowStyle::Default, 0).IsEmpty());
}

TEST(ToolShapeBounds, HoldHalfThePenAndTheArrowHeads) {
    // A 9-pixel pen: 4 + 2 pixels around every point.
    EXPECT_TRUE(MakeLineShape({10, 20}, {50, 20}, 9, 0).Bounds() == (ZRect{4, 14, 57, 27}));
    // The head is 20 wide across a horizontal arrow: it reaches 10 above and below the shaft.
    const ZRect b = MakeArrowShape({100, 100}, {200, 100}, ArrowStyle::Default, 0).Bounds();
    EXPECT_LE(b.top, 90);
    EXPECT_GE(b.bottom, 111);
}

TEST(ToolSettings, ValuesOutsideTheirRangesAreClampedOrTheDefault) {
    SettingsRecord s;
    s.MToolsMarkerWidth = 0xFFFFFFFF;
    s.MToolsPencilWidth = 0;
    s.MToolsErasorSize = 1;
    s.MToolsLineWeight = 1000;
    s.MToolsRoundedRectWidth = 0x80000000;
    s.MToolsRoundedRectCorner = 99;
    s.MToolsHighLightTransparency = 250;
    s.MToolsShadowDither = 0xFFFFFFFF;
    s.MToolsShadowOffset = 1u << 31;
    s.MToolsShadowIntensity = 101;
    s.MToolsShadowDirection = 720;
    const ToolShadow shadow = ReadToolShadow(s);
    EXPECT_EQ(
        (std::vector<int64_t>{MarkerWidth(s), PencilWidth(s), RubberWidth(s), LineWeight(s),
                              FrameWidth(s), FrameCorner(s), HighlightTransparency(s),
                              shadow.dither, shadow.offset, shadow.intensity, shadow.direction}),
        (std::vector<int64_t>{50, 1, 4, 50, 20, 50, 100, 20, 20, 100, 360}));
    // List indices past their tables fall back to the default.
    s.MToolsLineStyle = 5;
    s.MToolsArrowLineStyle = 0xFFFFFFFF;
    s.MToolsArrowStyle = 3;
    s.MToolsSpotLightShape = 7;
    EXPECT_EQ(std::tuple(LineStyle(s), ArrowLineStyle(s), SpotlightShapeIndex(s)),
              std::tuple(1, 0, 4));
    EXPECT_EQ(ReadArrowStyle(s), ArrowStyle::DualHead);
    EXPECT_EQ(MarkerColour(5), 0x00FF00u);  // past the table: green
}

TEST(ToolSettings, PickedColourGoesToTheToolOrItsFill) {
    SettingsRecord s;
    EXPECT_TRUE(StorePickedColour(s, ToolNumber::Rectangle, 0x123456, false));
    EXPECT_TRUE(StorePickedColour(s, ToolNumber::Ellipse, 0x654321, true));
    EXPECT_TRUE(StorePickedColour(s, ToolNumber::Pencil, 0x010203, true));  // no fill: the colour
    EXPECT_FALSE(StorePickedColour(s, ToolNumber::Pencil, 0xFFFFFFFF, false));  // invalid pixel
    EXPECT_EQ(
        std::tuple(s.MToolsRoundedRectColor, s.MToolsRoundedRectFillColor, s.MToolsPencilColor),
        std::tuple(0x123456u, 0x654321u, 0x010203u));
    EXPECT_FALSE(StorePickedColour(s, ToolNumber::Marker, 0x000000, false));
    EXPECT_FALSE(ToolShowsColourBar(ToolNumber::Spotlight));
    EXPECT_TRUE(ToolShowsColourBar(ToolNumber::Arrow));
}

}  // namespace
}  // namespace zentrova
