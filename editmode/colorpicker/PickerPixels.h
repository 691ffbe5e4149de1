// The pictures of the colour picker and the mouse positions on them: the 255 x 255 colour field,
// the slider of the chosen component, the opacity strip and the two swatches.
//
// Positions. A position p (0..255) stands for a component value: p itself for red, green and
// blue, p * 359 / 255 for hue and p * 100 / 255 for saturation and value (truncated). The field
// shows position x (0..254) in column x and position y (0..254) in picture row 254 - y, so values
// grow to the right and upwards; the slider and the opacity strip show position 254 - row in
// their strip rows. A mouse position gives the position drawn under it, limited to 0..255: the
// pixel row just above the field, slider or strip (in the catch margin) stands for 255.
//
// The field, by the chosen component (the chosen one held at its current value):
//   red: x green, y blue; green: x red, y blue; blue: x green, y red;
//   hue: x saturation, y value; saturation: x hue, y value; value: x hue, y saturation.
// Slider and strip controls are kStripControlHeight high: kStripPad rows above and below the
// 255 strip rows leave room for the markers (black triangles kMarkerHeight high, kMarkerDepth
// deep, at both edges, pointing inwards); the strip runs from kStripInset pixels inside the left
// edge to kStripInset inside the right one.
//
// Images are 32-bit ZImages of the control's size; the painters create them when their size
// differs. Portable; no window system.
#pragma once

#include <cstdint>

#include "editmode/colorpicker/ColorModel.h"
#include "image/ZImage.h"

namespace zentrova {

constexpr int32_t kFieldSize = 255;
constexpr int32_t kStripRows = 255;
constexpr int32_t kStripPad = 5;
constexpr int32_t kStripControlHeight = kStripRows + 2 * kStripPad;
constexpr int32_t kStripControlWidth = 32;
constexpr int32_t kStripInset = 6;
constexpr int32_t kMarkerHeight = 10;
constexpr int32_t kMarkerDepth = 5;
constexpr int32_t kCircleDiameter = 10;
constexpr int32_t kCheckerCell = 10;
constexpr int32_t kMaxPosition = 255;

// The value position p (0..255) stands for.
uint16_t ComponentFromPosition(PickerComponent component, int32_t position);
// The smallest position that stands for value or more (where its marker is drawn).
int32_t PositionOfComponent(PickerComponent component, uint16_t value);

// Mouse to position: a column or a picture row counted from the top of the field or strip.
inline int32_t PositionFromColumn(int32_t x) {
    return x < 0 ? 0 : (x > kMaxPosition ? kMaxPosition : x);
}
inline int32_t PositionFromRow(int32_t row) {
    return PositionFromColumn(kFieldSize - 1 - row);
}

struct FieldAxes {
    PickerComponent x;
    PickerComponent y;
};
FieldAxes FieldAxesOf(PickerComponent chosen);

// The colour the field shows at column x, row (from the top), both 0..254.
PickerRgb FieldPixel(const ColorModel& model, PickerComponent chosen, int32_t x, int32_t row);
// The colour the slider shows in strip row (0..254 from the top of the strip).
PickerRgb SliderPixel(const ColorModel& model, PickerComponent chosen, int32_t row);
// The opacity (0..255 of 255) the opacity strip shows in strip row.
inline int32_t OpacityStripAlpha(int32_t row) {
    return kFieldSize - 1 - row;
}
// The two checkerboard colours of rgb at the opacity alpha / scale (truncated): rgb * opacity
// (over black) and rgb * opacity + (1 - opacity) * 255 (over white).
PickerRgb OverBlack(PickerRgb rgb, int32_t alpha, int32_t scale);
PickerRgb OverWhite(PickerRgb rgb, int32_t alpha, int32_t scale);

// The mouse on the field at (x, row from the top), on the slider's or the opacity strip's strip
// row: sets the components drawn there. True when the colour changed.
bool PickField(ColorModel& model, PickerComponent chosen, int32_t x, int32_t row);
bool PickSlider(ColorModel& model, PickerComponent chosen, int32_t row);
// Only in the opacity mode 1: opacity = position * 100 / 255.
bool PickOpacity(ColorModel& model, int32_t row);

// The field with a ring of kCircleDiameter in the inverse colour at the current colour.
bool PaintField(ZImage& image, const ColorModel& model, PickerComponent chosen);
// The slider (kStripControlWidth x kStripControlHeight by default, any size accepted) on
// background, with the markers at the current value.
bool PaintSlider(ZImage& image, const ColorModel& model, PickerComponent chosen, ZColor background,
                 int32_t width = kStripControlWidth);
// The opacity strip: the current colour at each row's opacity as two checkerboard columns
// swapped every (width / 2 - kStripInset) rows; the markers at the opacity in the mode 1.
bool PaintOpacityStrip(ZImage& image, const ColorModel& model, ZColor background,
                       int32_t width = kStripControlWidth);
// rgb at opacity percent over a checkerboard of kCheckerCell cells (over black, over white).
bool PaintSwatch(ZImage& image, int32_t width, int32_t height, PickerRgb rgb, uint16_t opacity);

}  // namespace zentrova
