#include "editmode/colorpicker/ColorModel.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace zentrova {

namespace {

// a / b rounded towards minus infinity (b > 0).
int32_t FloorDiv(int32_t a, int32_t b) {
    const int32_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// Channel = trunc(255 * value / 100 * k / 6000): k is 6000 for v itself, (100 - s) * 60 for
// p = (1 - s) * v and p * 60 + s * m for p + (v - p) * m / 60.
uint16_t Channel(int32_t value, int32_t k) {
    return static_cast<uint16_t>(255 * value * k / 600000);
}

}  // namespace

uint16_t LimitValue(int64_t value, uint16_t limit) {
    return static_cast<uint16_t>(std::clamp<int64_t>(value, 0, limit));
}

uint16_t ComponentLimit(PickerComponent component) {
    switch (component) {
        case PickerComponent::Hue:
            return kPickerMaxHue;
        case PickerComponent::Saturation:
        case PickerComponent::Value:
            return kPickerMaxPercent;
        default:
            return kPickerMaxChannel;
    }
}

OpacityMode OpacityModeFrom(int32_t mode) {
    if (mode == 0) {
        return OpacityMode::Plain;
    }
    return mode == 2 ? OpacityMode::Fixed : OpacityMode::WithOpacity;
}

// value = trunc(max / 255 * 100), saturation = trunc(d / max * 100), hue = trunc(60 * x) with
// x = (g - b) / d, (b - r) / d + 2 or (r - g) / d + 4 as red, green or blue is the largest,
// 360 added to a negative hue. Only red's hue can be negative: trunc rounds it towards zero,
// while green's and blue's are positive, where trunc is the floor.
PickerHsv HsvFromRgb(PickerRgb rgb) {
    const int32_t r = std::min(rgb.red, kPickerMaxChannel);
    const int32_t g = std::min(rgb.green, kPickerMaxChannel);
    const int32_t b = std::min(rgb.blue, kPickerMaxChannel);
    const int32_t max = std::max({r, g, b});
    const int32_t d = max - std::min({r, g, b});
    PickerHsv hsv;
    if (max == 0) {
        return hsv;
    }
    hsv.value = static_cast<uint16_t>(max * 100 / 255);
    hsv.saturation = static_cast<uint16_t>(d * 100 / max);
    if (d == 0) {
        return hsv;
    }
    int32_t hue = 0;
    if (r == max) {
        hue = 60 * (g - b) / d;  // C++ division truncates towards zero
        if (hue < 0) {
            hue += 360;
        }
    } else if (g == max) {
        hue = 120 + FloorDiv(60 * (b - r), d);
    } else {
        hue = 240 + FloorDiv(60 * (r - g), d);
    }
    hsv.hue = static_cast<uint16_t>(hue);
    return hsv;
}

PickerRgb RgbFromHsv(PickerHsv hsv) {
    const int32_t h = std::min(hsv.hue, kPickerMaxHue);
    const int32_t s = std::min(hsv.saturation, kPickerMaxPercent);
    const int32_t v = std::min(hsv.value, kPickerMaxPercent);
    const uint16_t top = Channel(v, 6000);
    if (s == 0) {
        return PickerRgb{top, top, top};
    }
    const int32_t m = h % 60;
    const int32_t pk = (100 - s) * 60;
    const uint16_t p = Channel(v, pk);
    const uint16_t rising = Channel(v, pk + s * m);
    const uint16_t falling = Channel(v, pk + s * (60 - m));
    switch (h / 60) {
        case 0:
            return PickerRgb{top, rising, p};
        case 1:
            return PickerRgb{falling, top, p};
        case 2:
            return PickerRgb{p, top, rising};
        case 3:
            return PickerRgb{p, falling, top};
        case 4:
            return PickerRgb{rising, p, top};
        default:
            return PickerRgb{top, p, falling};
    }
}

void ColorModel::Create(ZColor colour) {
    m_current.rgb =
        PickerRgb{static_cast<uint16_t>(colour & 0xFF), static_cast<uint16_t>((colour >> 8) & 0xFF),
                  static_cast<uint16_t>((colour >> 16) & 0xFF)};
    m_current.hsv = HsvFromRgb(m_current.rgb);
    m_current.opacity = kPickerMaxPercent;
    m_original = m_current;
}

uint16_t ColorModel::Get(PickerComponent component) const {
    switch (component) {
        case PickerComponent::Red:
            return m_current.rgb.red;
        case PickerComponent::Green:
            return m_current.rgb.green;
        case PickerComponent::Blue:
            return m_current.rgb.blue;
        case PickerComponent::Hue:
            return m_current.hsv.hue;
        case PickerComponent::Saturation:
            return m_current.hsv.saturation;
        default:
            return m_current.hsv.value;
    }
}

bool ColorModel::SetRgb(int64_t red, int64_t green, int64_t blue) {
    const PickerRgb rgb{LimitValue(red, kPickerMaxChannel), LimitValue(green, kPickerMaxChannel),
                        LimitValue(blue, kPickerMaxChannel)};
    if (rgb == m_current.rgb) {
        return false;
    }
    m_current.rgb = rgb;
    m_current.hsv = HsvFromRgb(rgb);
    return true;
}

bool ColorModel::SetHsv(int64_t hue, int64_t saturation, int64_t value) {
    const PickerHsv hsv{LimitValue(hue, kPickerMaxHue), LimitValue(saturation, kPickerMaxPercent),
                        LimitValue(value, kPickerMaxPercent)};
    if (hsv == m_current.hsv) {
        return false;
    }
    m_current.hsv = hsv;
    m_current.rgb = RgbFromHsv(hsv);
    return true;
}

bool ColorModel::Set(PickerComponent component, int64_t value) {
    const PickerRgb rgb = m_current.rgb;
    const PickerHsv hsv = m_current.hsv;
    switch (component) {
        case PickerComponent::Red:
            return SetRgb(value, rgb.green, rgb.blue);
        case PickerComponent::Green:
            return SetRgb(rgb.red, value, rgb.blue);
        case PickerComponent::Blue:
            return SetRgb(rgb.red, rgb.green, value);
        case PickerComponent::Hue:
            return SetHsv(value, hsv.saturation, hsv.value);
        case PickerComponent::Saturation:
            return SetHsv(hsv.hue, value, hsv.value);
        default:
            return SetHsv(hsv.hue, hsv.saturation, value);
    }
}

bool ColorModel::SetOpacity(int64_t opacity) {
    const uint16_t limited = LimitValue(opacity, kPickerMaxPercent);
    const bool changed = limited != m_current.opacity;
    m_current.opacity = limited;
    return changed;
}

uint16_t ParseFieldValue(const wchar_t* text, uint16_t current, uint16_t limit) {
    if (text == nullptr) {
        return current;
    }
    while (*text != L'\0' && std::iswspace(static_cast<wint_t>(*text))) {
        ++text;
    }
    bool negative = false;
    if (*text == L'+' || *text == L'-') {
        negative = *text == L'-';
        ++text;
    }
    if (*text < L'0' || *text > L'9') {
        return current;
    }
    int64_t number = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        number = std::min<int64_t>(number * 10 + (*text - L'0'), int64_t{1} << 40);
    }
    return LimitValue(negative ? -number : number, limit);
}

void FormatHexColor(PickerRgb rgb, wchar_t* out) {
    std::swprintf(out, 7, L"%02X%02X%02X", std::min(rgb.red, kPickerMaxChannel),
                  std::min(rgb.green, kPickerMaxChannel), std::min(rgb.blue, kPickerMaxChannel));
}

}  // namespace zentrova
