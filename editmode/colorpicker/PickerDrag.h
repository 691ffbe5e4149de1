// Which of the colour picker's three mouse areas (field, slider, opacity strip) a press takes and
// keeps while the button is held.
//
// Each area catches the mouse within kCatchMargin pixels round its control. A press inside a
// control takes that control; a press only in catch margins takes the control nearest to it (the
// field before the slider before the strip when equally near). The control taken keeps the drag
// until the button is released, wherever the mouse goes, also across another control's margin.
// Coordinates are the dialog's client pixels. Portable; no window system.
#pragma once

#include <cstdint>

#include "core/ZRect.h"
#include "editmode/colorpicker/ColorModel.h"

namespace zentrova {

constexpr int32_t kCatchMargin = 10;

enum class PickerArea { None, Field, Slider, Opacity };

class PickerDrag {
  public:
    // The controls' rectangles; an empty rectangle takes no presses (the opacity strip outside
    // the opacity mode 1).
    void SetAreas(const ZRect& field, const ZRect& slider, const ZRect& opacity);

    // The area a press at (x, y) takes, or None.
    PickerArea HitTest(int32_t x, int32_t y) const;
    // Starts a drag at (x, y); the area taken, None when the press took none.
    PickerArea Press(int32_t x, int32_t y);
    void Release() { m_area = PickerArea::None; }
    PickerArea Dragging() const { return m_area; }

    // Applies the mouse at (x, y) to the dragged area's component. True when the colour changed.
    bool Apply(ColorModel& model, PickerComponent chosen, int32_t x, int32_t y) const;

  private:
    ZRect m_field;
    ZRect m_slider;
    ZRect m_opacity;
    PickerArea m_area = PickerArea::None;
};

}  // namespace zentrova
