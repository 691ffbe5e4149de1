// The colour picker's pictures: positions, the field and slider of every component, the markers,
// the opacity strip, the swatches, and picking the colour that is drawn.
#include "editmode/colorpicker/PickerPixels.h"

#include <tuple>
#include <vector>

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

// The pixels at the points x0, y0, x1, y1, ... (column, picture row from the top).
std::vector<Rgb> PixelsOf(const ZImage& image, std::initializer_list<int32_t> points) {
    std::vector<Rgb> pixels;
    for (auto p = points.begin(); p + 1 < points.end(); p += 2) {
        pixels.push_back(PixelOf(image, p[0], p[1]));
    }
    return pixels;
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

TEST(PickerPixelsTest, PaintedFieldHasTheFormulasAndTheInverseRing) {
    ColorModel model;
    model.Create(0x003C3264);  // 100, 50, 60: red chosen, green 50 across, blue 60 up
    ZImage image;
    ASSERT_TRUE(PaintField(image, model, C::Red));
    ASSERT_EQ(std::pair(image.GetWidth(), image.GetHeight()), std::pair(255u, 255u));
    for (int32_t row : {0, 100, 254}) {
        EXPECT_EQ(PixelOf(image, 200, row), FieldPixel(model, C::Red, 200, row));
    }
    // On row 254 - 60: the centre, 5 pixels right (the ring), inside the ring and outside it.
    EXPECT_EQ(PixelsOf(image, {50, 194, 55, 194, 53, 194, 56, 194}),
              (std::vector<Rgb>{{100, 50, 60}, {155, 205, 195}, {100, 53, 60}, {100, 56, 60}}));
}

TEST(PickerPixelsTest, SliderStripAndMarkers) {
    const ColorModel model = Orange();
    ZImage image;
    ASSERT_TRUE(PaintSlider(image, model, C::Green, 0x00302010));
    ASSERT_EQ(std::pair(image.GetWidth(), image.GetHeight()), std::pair(32u, 265u));
    // The strip's top and bottom rows, the background beside it; green 128 is position 128,
    // strip row 126: triangles on rows 121..130, 5 deep at 125, 126.
    const Rgb back{0x10, 0x20, 0x30}, black{0, 0, 0};
    const int32_t c = kStripPad + 126;
    EXPECT_EQ(
        PixelsOf(image, {6, kStripPad, 25, kStripPad + 254, 26, kStripPad + 100, 4, c, 5, c, 27,
                         c - 1, 31, c + 4, 0, c + 5}),
        (std::vector<Rgb>{{255, 254, 0}, {255, 0, 0}, back, black, back, black, black, back}));
}

TEST(PickerPixelsTest, OpacityStripChequersAndItsMarkerAndPickOnlyInMode1) {
    ColorModel model = Orange();
    model.SetOpacityMode(1);
    model.SetOpacity(50);
    ZImage image;
    ASSERT_TRUE(PaintOpacityStrip(image, model, 0x00FFFFFF));
    // Row 0 is alpha 254 (over black, over white), row 10 alpha 244 (the halves swap every 10
    // rows: over white), row 254 alpha 0 (over black); opacity 50 is position 127, strip row 127.
    EXPECT_EQ(
        PixelsOf(image, {6, kStripPad, 16, kStripPad, 15, kStripPad + 10, 25, kStripPad + 254, 0,
                         kStripPad + 127}),
        (std::vector<Rgb>{{254, 127, 0}, {255, 128, 1}, {255, 133, 11}, {0, 0, 0}, {0, 0, 0}}));
    model.SetOpacityMode(2);
    ASSERT_TRUE(PaintOpacityStrip(image, model, 0x00FFFFFF));
    EXPECT_EQ(PixelsOf(image, {0, kStripPad + 127, 0, kStripPad - 1}),
              (std::vector<Rgb>(2, Rgb{255, 255, 255})));
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
    EXPECT_EQ(PixelsOf(image, {9, 9, 10, 9, 10, 10}),
              (std::vector<Rgb>{{102, 51, 0}, {255, 204, 153}, {102, 51, 0}}));
    ASSERT_TRUE(PaintSwatch(image, 40, 30, (Rgb{255, 128, 0}), 100));
    EXPECT_EQ(PixelOf(image, 10, 9), (Rgb{255, 128, 0}));
    EXPECT_FALSE(PaintSwatch(image, 0, 30, (Rgb{1, 2, 3}), 100));
}

}  // namespace
}  // namespace zentrova
