// The picker's mouse areas: presses inside and in the catch margins, and the drag kept by the
// control that was pressed.
#include "editmode/colorpicker/PickerDrag.h"

#include <tuple>

#include <gtest/gtest.h>

#include "editmode/colorpicker/PickerPixels.h"

namespace zentrova {
namespace {

// The field, slider and opacity strip as the dialog lays them out: 12 and 8 pixels apart, so
// that their catch margins overlap.
PickerDrag Areas(bool withOpacity) {
    PickerDrag drag;
    drag.SetAreas(ZRect{10, 10, 265, 265}, ZRect{277, 5, 309, 270},
                  withOpacity ? ZRect{317, 5, 349, 270} : ZRect{});
    return drag;
}

TEST(PickerDragTest, PressTakesTheNearestControlWithinItsMargin) {
    const std::tuple<int32_t, int32_t, PickerArea> cases[] = {
        {100, 100, PickerArea::Field},   {0, 0, PickerArea::Field},      // 10 off both edges
        {-1, 100, PickerArea::None},     {100, 274, PickerArea::Field},  // 10 below it
        {100, 275, PickerArea::None},    {270, 100, PickerArea::Field},  // 6 from it, 7 from slider
        {271, 100, PickerArea::Slider},  // 7 from the field, 6 from the slider
        {312, 100, PickerArea::Slider},  // 4 from the slider, 5 from the strip
        {313, 100, PickerArea::Opacity}, {330, 279, PickerArea::Opacity},
        {330, 280, PickerArea::None},    {360, 100, PickerArea::None},
    };
    const PickerDrag drag = Areas(true);
    for (const auto& [x, y, area] : cases) {
        EXPECT_EQ(drag.HitTest(x, y), area) << x << " " << y;
    }
    EXPECT_EQ(Areas(false).HitTest(330, 100), PickerArea::None);
}

TEST(PickerDragTest, ThePressedControlKeepsTheDrag) {
    ColorModel model;
    model.Create(0x000080FF);  // 30/100/100
    PickerDrag drag = Areas(true);
    ASSERT_EQ(drag.Press(100, 200), PickerArea::Field);
    // Across the slider's margin and onto the slider itself: still the field, at its right edge.
    EXPECT_TRUE(drag.Apply(model, PickerComponent::Hue, 290, 10));
    EXPECT_EQ(drag.Dragging(), PickerArea::Field);
    EXPECT_EQ(model.GetHsv(), (PickerHsv{30, 100, 99}));
    drag.Release();
    EXPECT_FALSE(drag.Apply(model, PickerComponent::Hue, 100, 100));

    ASSERT_EQ(drag.Press(290, 100), PickerArea::Slider);
    EXPECT_TRUE(drag.Apply(model, PickerComponent::Hue, 100, 5 + kStripPad - 1));  // above: 359
    EXPECT_EQ(model.GetHsv(), (PickerHsv{359, 100, 99}));
}

}  // namespace
}  // namespace zentrova
