// The colour the colour picker edits: red, green and blue (0-255) and hue (0-359 degrees),
// saturation and value (0-100 percent) describing the same colour, an opacity (0-100 percent) and
// the original colour the dialog started from.
//
// Both sides are kept: whichever side is set, the other is derived from it at once, and only when
// one of the values that were set actually changed. So a colour keeps its red, green and blue when
// its own hue, saturation and value are set again (128, 128, 128 is 0/0/50, and 0/0/50 would give
// 127, 127, 127).
//
// The conversions are integer arithmetic on the exact rational values, truncated as the
// floating-point formulas mean them (see ColorModel.cpp), so no result depends on rounding.
// Portable; no window system.
#pragma once

#include <cstdint>

#include "image/ZImage.h"

namespace zentrova {

constexpr uint16_t kPickerMaxChannel = 255;
constexpr uint16_t kPickerMaxHue = 359;
constexpr uint16_t kPickerMaxPercent = 100;

struct PickerRgb {
    uint16_t red = 0;
    uint16_t green = 0;
    uint16_t blue = 0;
};
struct PickerHsv {
    uint16_t hue = 0;
    uint16_t saturation = 0;
    uint16_t value = 0;
};
inline bool operator==(const PickerRgb& a, const PickerRgb& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}
inline bool operator!=(const PickerRgb& a, const PickerRgb& b) {
    return !(a == b);
}
inline bool operator==(const PickerHsv& a, const PickerHsv& b) {
    return a.hue == b.hue && a.saturation == b.saturation && a.value == b.value;
}
inline bool operator!=(const PickerHsv& a, const PickerHsv& b) {
    return !(a == b);
}

// Values beyond their limits are limited first.
PickerHsv HsvFromRgb(PickerRgb rgb);
PickerRgb RgbFromHsv(PickerHsv hsv);

inline ZColor ColorFromRgb(PickerRgb rgb) {
    return static_cast<ZColor>(rgb.blue) << 16 | static_cast<ZColor>(rgb.green) << 8 | rgb.red;
}

// The six components the field and the slider can show.
enum class PickerComponent { Red, Green, Blue, Hue, Saturation, Value };
// 255 for red, green and blue, 359 for hue, 100 for saturation and value.
uint16_t ComponentLimit(PickerComponent component);
inline bool IsRgbComponent(PickerComponent component) {
    return component == PickerComponent::Red || component == PickerComponent::Green ||
           component == PickerComponent::Blue;
}

// How the dialog shows the opacity: 0 not at all, 1 editable, 2 shown but fixed. Any number
// other than 0 and 2 is 1.
enum class OpacityMode { Plain = 0, WithOpacity = 1, Fixed = 2 };
OpacityMode OpacityModeFrom(int32_t mode);

// Limits value to 0..limit.
uint16_t LimitValue(int64_t value, uint16_t limit);

class ColorModel {
  public:
    // Red, green and blue from the bytes of colour (0x00BBGGRR), hue, saturation and value
    // derived, opacity 100; the original colour becomes this colour.
    void Create(ZColor colour);
    // The original colour becomes the current one (the dialog does this when it opens, so that
    // what a caller set up after Create counts as the original).
    void TakeOriginal() { m_original = m_current; }
    void RestoreOriginal() { m_current = m_original; }

    void SetOpacityMode(int32_t mode) { m_mode = OpacityModeFrom(mode); }
    OpacityMode GetOpacityMode() const { return m_mode; }

    ZColor GetColor() const { return ColorFromRgb(m_current.rgb); }
    PickerRgb GetRgb() const { return m_current.rgb; }
    PickerHsv GetHsv() const { return m_current.hsv; }
    uint16_t Get(PickerComponent component) const;
    // The opacity in force: the one set in the opacity mode 1, else always 100.
    uint16_t GetOpacity() const { return EffectiveOpacity(m_current.opacity); }
    PickerRgb GetOriginalRgb() const { return m_original.rgb; }
    uint16_t GetOriginalOpacity() const { return EffectiveOpacity(m_original.opacity); }

    // Setters limit their values (0..255, 0..359, 0..100). Setting one side derives the other
    // only when a value changed; true then.
    bool SetRgb(int64_t red, int64_t green, int64_t blue);
    bool SetHsv(int64_t hue, int64_t saturation, int64_t value);
    bool Set(PickerComponent component, int64_t value);
    // Kept in every mode (limited to 0..100), in force only in the opacity mode 1.
    bool SetOpacity(int64_t opacity);

  private:
    struct Values {
        PickerRgb rgb;
        PickerHsv hsv;
        uint16_t opacity = 100;
    };
    uint16_t EffectiveOpacity(uint16_t opacity) const {
        return m_mode == OpacityMode::WithOpacity ? opacity : kPickerMaxPercent;
    }

    Values m_current;
    Values m_original;
    OpacityMode m_mode = OpacityMode::Plain;
};

// The value of an edit field's text: leading blanks, an optional sign, then decimal digits
// (read without overflow, any text after them ignored), limited to 0..limit. Text without
// digits keeps current.
uint16_t ParseFieldValue(const wchar_t* text, uint16_t current, uint16_t limit);

// "%02X%02X%02X" of red, green and blue into out (at least 7 characters).
void FormatHexColor(PickerRgb rgb, wchar_t* out);

}  // namespace zentrova
