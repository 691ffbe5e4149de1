#include "editmode/colorpicker/PickerDrag.h"

#include <algorithm>

#include "editmode/colorpicker/PickerPixels.h"

namespace zentrova {

namespace {

// Distance of (x, y) from rect along the farther axis (0 inside); -1 when the rectangle is empty
// or the point lies beyond its catch margin.
int32_t Distance(const ZRect& rect, int32_t x, int32_t y) {
    if (rect.IsEmpty()) {
        return -1;
    }
    const int32_t dx = std::max({rect.left - x, x - (rect.right - 1), 0});
    const int32_t dy = std::max({rect.top - y, y - (rect.bottom - 1), 0});
    const int32_t d = std::max(dx, dy);
    return d <= kCatchMargin ? d : -1;
}

}  // namespace

void PickerDrag::SetAreas(const ZRect& field, const ZRect& slider, const ZRect& opacity) {
    m_field = field;
    m_slider = slider;
    m_opacity = opacity;
}

PickerArea PickerDrag::HitTest(int32_t x, int32_t y) const {
    const struct {
        const ZRect& rect;
        PickerArea area;
    } areas[] = {{m_field, PickerArea::Field},
                 {m_slider, PickerArea::Slider},
                 {m_opacity, PickerArea::Opacity}};
    PickerArea best = PickerArea::None;
    int32_t bestDistance = kCatchMargin + 1;
    for (const auto& entry : areas) {
        const int32_t d = Distance(entry.rect, x, y);
        if (d >= 0 && d < bestDistance) {
            best = entry.area;
            bestDistance = d;
        }
    }
    return best;
}

PickerArea PickerDrag::Press(int32_t x, int32_t y) {
    m_area = HitTest(x, y);
    return m_area;
}

bool PickerDrag::Apply(ColorModel& model, PickerComponent chosen, int32_t x, int32_t y) const {
    switch (m_area) {
        case PickerArea::Field:
            return PickField(model, chosen, x - m_field.left, y - m_field.top);
        case PickerArea::Slider:
            return PickSlider(model, chosen, y - m_slider.top - kStripPad);
        case PickerArea::Opacity:
            return PickOpacity(model, y - m_opacity.top - kStripPad);
        default:
            return false;
    }
}

}  // namespace zentrova
