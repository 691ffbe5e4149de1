// The colour picker's pictures: positions, the field and slider of every component, the markers,
// the opacity strip, the swatches, and picking the colour that is drawn.
#include "editmode/colorpicker/PickerPixels.h"

#include <tuple>

#include <gtest/gtest.h>

namespace zentrova {
namespace {

using Rgb = PickerRgb;
using C = PickerComponent;
constexpr PickerComponent kAll[] = {C::Red, C::Green, C::Blue, C::Hue, C::Saturation, C::Value};

// The pixel at column x, picture row y (from the top) of a 32-bit image.
PickerRgb PixelOf(const ZImage& image, int32_t x, int32_t y) {
    const uint8_t* p = image.GetRow(image.GetHeight() - 1 - y) + 4 * x;
    return Rgb{p[2], p[1], p[0]};
}

ColorModel Orange() {
    ColorModel model;
    model.Create(0x000080FF);  // 255, 128, 0 = 30/100/100
    return model;
}

TEST(PickerPixelsTest, PositionsScaleToEachComponent) {
    const std::tuple<PickerComponent, int32_t, uint16_t> cases[] = {
        {C::Red, 0, 0},    {C::Green, 254, 254},     {C::Blue, 255, 255},      {C::Blue, 999, 255},
        {C::Hue, 1, 1},    {C::Hue, 254, 357},       {C::Hue, 255, 359},       {C::Value, 2, 0},
        {C::Value, -4, 0}, {C::Saturation, 128, 50}, {C::Saturation, 255, 100}};
    for (const auto& [component, position, value] : cases) {
        EXPECT_EQ(ComponentFromPosition(component, position), value) << position;
    }
    // Markers: every percent has a position of its own; a hue's position shows it or the next.
    for (uint16_t v = 0; v <= 100; ++v) {
        EXPECT_EQ(ComponentFromPosition(C::Value, PositionOfComponent(C::Value, v)), v);
    }
    EXPECT_EQ(PositionOfComponent(C::Hue, 359), 255);
    EXPECT_EQ(PositionOfComponent(C::Hue, 100), 72);  // 72 -> 101, 71 -> 99
    // Rows count down from the top; the margin above is the maximum.
    const int32_t rows[][2] = {{0, 254}, {254, 0}, {-1, 255}, {-50, 255}, {255, 0}, {300, 0}};
    for (const auto& r : rows) {
        EXPECT_EQ(PositionFromRow(r[0]), r[1]) << r[0];
    }
    EXPECT_EQ(PositionFromColumn(-3), 0);
    EXPECT_EQ(PositionFromColumn(256), 255);
}

TEST(PickerPixelsTest, FieldOfEachComponent) {
    const std::tuple<PickerComponent, int32_t, int32_t, Rgb> cases[] = {
        {C::Red, 10, 0, {255, 10, 254}},       {C::Green, 10, 0, {10, 128, 254}},
        {C::Blue, 10, 0, {254, 10, 0}},        {C::Hue, 128, 127, {124, 93, 62}},  // 30/50/49
        {C::Saturation, 254, 0, {252, 0, 12}},                                     // 357/100/99
        {C::Value, 0, 254, {255, 255, 255}},                                       // 0/0/100
        {C::Value, 254, 0, {255, 2, 15}}};                                         // 357/99/100
    const ColorModel model = Orange();
    for (const auto& [chosen, x, row, expected] : cases) {
        EXPECT_EQ(FieldPixel(model, chosen, x, row), expected)
            << static_cast<int>(chosen) << " " << x << " " << row;
    }
    // At the position of the current hue, saturation and value (here 255 across and up, in the
    // margin) the field stands for the current colour itself.
    EXPECT_EQ(FieldPixel(model, C::Hue, 255, -1), (Rgb{255, 128, 0}));
}

TEST(PickerPixelsTest, PickingGivesTheColourDrawnRowForRow) {
    const ColorModel model = Orange();
    for (PickerComponent chosen : kAll) {
        for (int32_t row = 0; row < kFieldSize; ++row) {
            for (int32_t x : {0, 77, 254}) {
                ColorModel picked = model;
                PickField(picked, chosen, x, row);
                ASSERT_EQ(picked.GetRgb(), FieldPixel(model, chosen, x, row))
                    << static_cast<int>(chosen) << " " << x << " " << row;
            }
            ColorModel picked = model;
            PickSlider(picked, chosen, row);
            ASSERT_EQ(picked.GetRgb(), SliderPixel(model, chosen, row))
                << static_cast<int>(chosen) << " " << row;
        }
    }
}

TEST(PickerPixelsTest, TheMarginAboveAndRightOfTheFieldReachesTheMaximum) {
    ColorModel model = Orange();
    EXPECT_TRUE(PickField(model, C::Red, 300, -8));
    EXPECT_EQ(model.GetRgb(), (Rgb{255, 255, 255}));
    EXPECT_TRUE(PickField(model, C::Saturation, -9, 400));
    EXPECT_EQ(model.GetHsv(), (PickerHsv{0, 0, 0}));
    EXPECT_TRUE(PickSlider(model, C::Hue, -1));
    EXPECT_EQ(model.GetHsv().hue, 359);
}

TEST(PickerPixelsTest, PaintedFieldHasTheFormulasAndTheInverseRing) {
    ColorModel model;
    model.Create(0x003C3264);  // 100, 50, 60: red chosen, green 50 across, blue 60 up
    ZImage image;
    ASSERT_TRUE(PaintField(image, model, C::Red));
    ASSERT_EQ(std::pair(image.GetWidth(), image.GetHeight()), std::pair(255u, 255u));
    for (int32_t row : {0, 100, 254}) {
        EXPECT_EQ(PixelOf(image, 200, row), FieldPixel(model, C::Red, 200, row));
    }
    const int32_t centreRow = 254 - 60;
    EXPECT_EQ(PixelOf(image, 50, centreRow), (Rgb{100, 50, 60}));
    EXPECT_EQ(PixelOf(image, 55, centreRow), (Rgb{155, 205, 195}));  // 5 pixels right: the ring
    EXPECT_EQ(PixelOf(image, 53, centreRow), (Rgb{100, 53, 60}));    // inside the ring
    EXPECT_EQ(PixelOf(image, 56, centreRow), (Rgb{100, 56, 60}));    // outside it
}

TEST(PickerPixelsTest, SliderStripAndMarkers) {
    const ColorModel model = Orange();
    const ZColor back = 0x00302010;
    ZImage image;
    ASSERT_TRUE(PaintSlider(image, model, C::Green, back));
    ASSERT_EQ(std::pair(image.GetWidth(), image.GetHeight()), std::pair(32u, 265u));
    EXPECT_EQ(PixelOf(image, 6, kStripPad), (Rgb{255, 254, 0}));
    EXPECT_EQ(PixelOf(image, 25, kStripPad + 254), (Rgb{255, 0, 0}));
    EXPECT_EQ(PixelOf(image, 26, kStripPad + 100), (Rgb{0x10, 0x20, 0x30}));
    // Green 128 is position 128, strip row 126: triangles on rows 121..130, 5 deep at 125, 126.
    const int32_t centre = kStripPad + 126;
    EXPECT_EQ(PixelOf(image, 4, centre), (Rgb{0, 0, 0}));
    EXPECT_EQ(PixelOf(image, 5, centre), (Rgb{0x10, 0x20, 0x30}));
    EXPECT_EQ(PixelOf(image, 27, centre - 1), (Rgb{0, 0, 0}));
    EXPECT_EQ(PixelOf(image, 31, centre + 4), (Rgb{0, 0, 0}));
    EXPECT_EQ(PixelOf(image, 0, centre + 5), (Rgb{0x10, 0x20, 0x30}));
}

TEST(PickerPixelsTest, OpacityStripChequersAndItsMarkerAndPickOnlyInMode1) {
    ColorModel model = Orange();
    model.SetOpacityMode(1);
    model.SetOpacity(50);
    ZImage image;
    ASSERT_TRUE(PaintOpacityStrip(image, model, 0x00FFFFFF));
    // Row 0 is alpha 254, row 254 alpha 0; the halves swap every 10 rows.
    EXPECT_EQ(PixelOf(image, 6, kStripPad), (Rgb{254, 127, 0}));
    EXPECT_EQ(PixelOf(image, 16, kStripPad), (Rgb{255, 128, 1}));
    EXPECT_EQ(PixelOf(image, 15, kStripPad + 10), (Rgb{255, 133, 11}));  // over white at alpha 244
    EXPECT_EQ(PixelOf(image, 25, kStripPad + 254), (Rgb{0, 0, 0}));      // over black at alpha 0
    // Opacity 50 is position 127, strip row 127.
    EXPECT_EQ(PixelOf(image, 0, kStripPad + 127), (Rgb{0, 0, 0}));
    model.SetOpacityMode(2);
    ASSERT_TRUE(PaintOpacityStrip(image, model, 0x00FFFFFF));
    EXPECT_EQ(PixelOf(image, 0, kStripPad + 127), (Rgb{255, 255, 255}));
    EXPECT_EQ(PixelOf(image, 0, kStripPad - 1), (Rgb{255, 255, 255}));
    // A pick changes the opacity only in mode 1.
    EXPECT_FALSE(PickOpacity(model, 127));
    model.SetOpacityMode(1);
    EXPECT_TRUE(PickOpacity(model, 127));
    EXPECT_EQ(model.GetOpacity(), 49);  // position 127 of 255
    EXPECT_TRUE(PickOpacity(model, -1));
    EXPECT_EQ(model.GetOpacity(), 100);
}

TEST(PickerPixelsTest, SwatchIsACheckerboardOverBlackAndWhite) {
    EXPECT_EQ(OverBlack(Rgb{255, 128, 0}, 40, 100), (Rgb{102, 51, 0}));
    EXPECT_EQ(OverWhite(Rgb{255, 128, 0}, 40, 100), (Rgb{255, 204, 153}));
    ZImage image;
    ASSERT_TRUE(PaintSwatch(image, 40, 30, (Rgb{255, 128, 0}), 40));
    EXPECT_EQ(PixelOf(image, 9, 9), (Rgb{102, 51, 0}));
    EXPECT_EQ(PixelOf(image, 10, 9), (Rgb{255, 204, 153}));
    EXPECT_EQ(PixelOf(image, 10, 10), (Rgb{102, 51, 0}));
    ASSERT_TRUE(PaintSwatch(image, 40, 30, (Rgb{255, 128, 0}), 100));
    EXPECT_EQ(PixelOf(image, 10, 9), (Rgb{255, 128, 0}));
    EXPECT_FALSE(PaintSwatch(image, 0, 30, (Rgb{1, 2, 3}), 100));
}

}  // namespace
}  // namespace zentrova
