#include "editmode/colorpicker/PickerPixels.h"

#include <algorithm>

namespace zentrova {

namespace {

void Assign(PickerRgb& rgb, PickerHsv& hsv, PickerComponent component, uint16_t value) {
    switch (component) {
        case PickerComponent::Red:
            rgb.red = value;
            break;
        case PickerComponent::Green:
            rgb.green = value;
            break;
        case PickerComponent::Blue:
            rgb.blue = value;
            break;
        case PickerComponent::Hue:
            hsv.hue = value;
            break;
        case PickerComponent::Saturation:
            hsv.saturation = value;
            break;
        case PickerComponent::Value:
            hsv.value = value;
            break;
    }
}

// The colour of hsv as drawn: the current colour itself where hsv is the current one (which
// setting it again leaves unchanged), else converted.
PickerRgb DrawnRgb(const ColorModel& model, PickerHsv hsv) {
    return hsv == model.GetHsv() ? model.GetRgb() : RgbFromHsv(hsv);
}

// The colour with the two axis components at positions px and py.
PickerRgb AxesColor(const ColorModel& model, FieldAxes axes, bool rgbSide, int32_t px, int32_t py) {
    PickerRgb rgb = model.GetRgb();
    PickerHsv hsv = model.GetHsv();
    Assign(rgb, hsv, axes.x, ComponentFromPosition(axes.x, px));
    Assign(rgb, hsv, axes.y, ComponentFromPosition(axes.y, py));
    return rgbSide ? rgb : DrawnRgb(model, hsv);
}

bool Prepare(ZImage& image, int32_t width, int32_t height) {
    if (width < 1 || height < 1) {
        return false;
    }
    if (image.IsValid() && image.GetBitsPerPixel() == 32 &&
        image.GetWidth() == static_cast<uint32_t>(width) &&
        image.GetHeight() == static_cast<uint32_t>(height)) {
        return true;
    }
    return image.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 32, 0,
                        nullptr);
}

// Pixel x of picture row y (from the top); the caller keeps both inside the image.
uint8_t* PixelAt(ZImage& image, int32_t x, int32_t y) {
    return image.GetRow(image.GetHeight() - 1 - static_cast<uint32_t>(y)) + 4 * x;
}

void Put(uint8_t* pixel, PickerRgb rgb) {
    pixel[0] = static_cast<uint8_t>(rgb.blue);
    pixel[1] = static_cast<uint8_t>(rgb.green);
    pixel[2] = static_cast<uint8_t>(rgb.red);
    pixel[3] = 255;
}

void PutSpan(ZImage& image, int32_t y, int32_t from, int32_t to, PickerRgb rgb) {
    if (y < 0 || y >= static_cast<int32_t>(image.GetHeight())) {
        return;
    }
    from = std::max(from, 0);
    to = std::min(to, static_cast<int32_t>(image.GetWidth()));
    for (int32_t x = from; x < to; ++x) {
        Put(PixelAt(image, x, y), rgb);
    }
}

PickerRgb RgbOfColor(ZColor colour) {
    return PickerRgb{static_cast<uint16_t>(colour & 0xFF),
                     static_cast<uint16_t>((colour >> 8) & 0xFF),
                     static_cast<uint16_t>((colour >> 16) & 0xFF)};
}

void FillAll(ZImage& image, PickerRgb rgb) {
    const int32_t width = static_cast<int32_t>(image.GetWidth());
    for (int32_t y = 0; y < static_cast<int32_t>(image.GetHeight()); ++y) {
        PutSpan(image, y, 0, width, rgb);
    }
}

// Black triangles kMarkerHeight high at both edges, centred on strip row `row`.
void PaintMarkers(ZImage& image, int32_t row) {
    const int32_t width = static_cast<int32_t>(image.GetWidth());
    const int32_t top = kStripPad + row - kMarkerHeight / 2;
    for (int32_t k = 0; k < kMarkerHeight; ++k) {
        const int32_t depth = std::min(k, kMarkerHeight - 1 - k) + 1;
        PutSpan(image, top + k, 0, depth, PickerRgb{});
        PutSpan(image, top + k, width - depth, width, PickerRgb{});
    }
}

}  // namespace

uint16_t ComponentFromPosition(PickerComponent component, int32_t position) {
    const int32_t p = PositionFromColumn(position);
    return static_cast<uint16_t>(
        IsRgbComponent(component) ? p : p * ComponentLimit(component) / kMaxPosition);
}

int32_t PositionOfComponent(PickerComponent component, uint16_t value) {
    const int32_t limit = ComponentLimit(component);
    const int32_t v = std::min<int32_t>(value, limit);
    return IsRgbComponent(component) ? v : (v * kMaxPosition + limit - 1) / limit;
}

FieldAxes FieldAxesOf(PickerComponent chosen) {
    switch (chosen) {
        case PickerComponent::Red:
            return {PickerComponent::Green, PickerComponent::Blue};
        case PickerComponent::Green:
            return {PickerComponent::Red, PickerComponent::Blue};
        case PickerComponent::Blue:
            return {PickerComponent::Green, PickerComponent::Red};
        case PickerComponent::Hue:
            return {PickerComponent::Saturation, PickerComponent::Value};
        case PickerComponent::Saturation:
            return {PickerComponent::Hue, PickerComponent::Value};
        default:
            return {PickerComponent::Hue, PickerComponent::Saturation};
    }
}

PickerRgb FieldPixel(const ColorModel& model, PickerComponent chosen, int32_t x, int32_t row) {
    return AxesColor(model, FieldAxesOf(chosen), IsRgbComponent(chosen), x, PositionFromRow(row));
}

PickerRgb SliderPixel(const ColorModel& model, PickerComponent chosen, int32_t row) {
    PickerRgb rgb = model.GetRgb();
    PickerHsv hsv = model.GetHsv();
    Assign(rgb, hsv, chosen, ComponentFromPosition(chosen, PositionFromRow(row)));
    return IsRgbComponent(chosen) ? rgb : DrawnRgb(model, hsv);
}

PickerRgb OverBlack(PickerRgb rgb, int32_t alpha, int32_t scale) {
    return PickerRgb{static_cast<uint16_t>(rgb.red * alpha / scale),
                     static_cast<uint16_t>(rgb.green * alpha / scale),
                     static_cast<uint16_t>(rgb.blue * alpha / scale)};
}

PickerRgb OverWhite(PickerRgb rgb, int32_t alpha, int32_t scale) {
    const int32_t white = 255 * (scale - alpha);
    return PickerRgb{static_cast<uint16_t>((rgb.red * alpha + white) / scale),
                     static_cast<uint16_t>((rgb.green * alpha + white) / scale),
                     static_cast<uint16_t>((rgb.blue * alpha + white) / scale)};
}

bool PickField(ColorModel& model, PickerComponent chosen, int32_t x, int32_t row) {
    const FieldAxes axes = FieldAxesOf(chosen);
    PickerRgb rgb = model.GetRgb();
    PickerHsv hsv = model.GetHsv();
    Assign(rgb, hsv, axes.x, ComponentFromPosition(axes.x, PositionFromColumn(x)));
    Assign(rgb, hsv, axes.y, ComponentFromPosition(axes.y, PositionFromRow(row)));
    return IsRgbComponent(chosen) ? model.SetRgb(rgb.red, rgb.green, rgb.blue)
                                  : model.SetHsv(hsv.hue, hsv.saturation, hsv.value);
}

bool PickSlider(ColorModel& model, PickerComponent chosen, int32_t row) {
    return model.Set(chosen, ComponentFromPosition(chosen, PositionFromRow(row)));
}

bool PickOpacity(ColorModel& model, int32_t row) {
    if (model.GetOpacityMode() != OpacityMode::WithOpacity) {
        return false;
    }
    return model.SetOpacity(PositionFromRow(row) * kPickerMaxPercent / kMaxPosition);
}

bool PaintField(ZImage& image, const ColorModel& model, PickerComponent chosen) {
    if (!Prepare(image, kFieldSize, kFieldSize)) {
        return false;
    }
    const FieldAxes axes = FieldAxesOf(chosen);
    const bool rgbSide = IsRgbComponent(chosen);
    for (int32_t row = 0; row < kFieldSize; ++row) {
        const int32_t py = PositionFromRow(row);
        uint8_t* pixel = PixelAt(image, 0, row);
        for (int32_t x = 0; x < kFieldSize; ++x, pixel += 4) {
            Put(pixel, AxesColor(model, axes, rgbSide, x, py));
        }
    }
    // The ring round the current colour: pixels between 4 and 5.5 pixels from its centre.
    const int32_t cx = PositionOfComponent(axes.x, model.Get(axes.x));
    const int32_t cy = kFieldSize - 1 - PositionOfComponent(axes.y, model.Get(axes.y));
    const PickerRgb rgb = model.GetRgb();
    const PickerRgb inverse{static_cast<uint16_t>(255 - rgb.red),
                            static_cast<uint16_t>(255 - rgb.green),
                            static_cast<uint16_t>(255 - rgb.blue)};
    const int32_t reach = kCircleDiameter / 2 + 1;
    for (int32_t dy = -reach; dy <= reach; ++dy) {
        for (int32_t dx = -reach; dx <= reach; ++dx) {
            const int32_t d4 = 4 * (dx * dx + dy * dy);
            const int32_t inner = kCircleDiameter - 2;
            const int32_t outer = kCircleDiameter + 1;
            if (d4 >= inner * inner && d4 < outer * outer) {
                PutSpan(image, cy + dy, cx + dx, cx + dx + 1, inverse);
            }
        }
    }
    return true;
}

bool PaintSlider(ZImage& image, const ColorModel& model, PickerComponent chosen, ZColor background,
                 int32_t width) {
    if (!Prepare(image, width, kStripControlHeight)) {
        return false;
    }
    FillAll(image, RgbOfColor(background));
    for (int32_t row = 0; row < kStripRows; ++row) {
        PutSpan(image, kStripPad + row, kStripInset, width - kStripInset,
                SliderPixel(model, chosen, row));
    }
    PaintMarkers(image, kFieldSize - 1 - PositionOfComponent(chosen, model.Get(chosen)));
    return true;
}

bool PaintOpacityStrip(ZImage& image, const ColorModel& model, ZColor background, int32_t width) {
    if (!Prepare(image, width, kStripControlHeight)) {
        return false;
    }
    FillAll(image, RgbOfColor(background));
    const PickerRgb rgb = model.GetRgb();
    const int32_t half = width / 2;
    const int32_t band = std::max(half - kStripInset, 1);
    for (int32_t row = 0; row < kStripRows; ++row) {
        const int32_t alpha = OpacityStripAlpha(row);
        const PickerRgb dark = OverBlack(rgb, alpha, 255);
        const PickerRgb light = OverWhite(rgb, alpha, 255);
        const bool darkLeft = (row / band) % 2 == 0;
        PutSpan(image, kStripPad + row, kStripInset, half, darkLeft ? dark : light);
        PutSpan(image, kStripPad + row, half, width - kStripInset, darkLeft ? light : dark);
    }
    if (model.GetOpacityMode() == OpacityMode::WithOpacity) {
        PaintMarkers(image, kFieldSize - 1 - model.GetOpacity() * kMaxPosition / kPickerMaxPercent);
    }
    return true;
}

bool PaintSwatch(ZImage& image, int32_t width, int32_t height, PickerRgb rgb, uint16_t opacity) {
    if (!Prepare(image, width, height)) {
        return false;
    }
    const int32_t alpha = std::min(opacity, kPickerMaxPercent);
    const PickerRgb dark = OverBlack(rgb, alpha, kPickerMaxPercent);
    const PickerRgb light = OverWhite(rgb, alpha, kPickerMaxPercent);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const bool darkCell = (x / kCheckerCell + y / kCheckerCell) % 2 == 0;
            Put(PixelAt(image, x, y), darkCell ? dark : light);
        }
    }
    return true;
}

}  // namespace zentrova
