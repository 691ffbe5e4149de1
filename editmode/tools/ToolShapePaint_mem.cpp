// PaintToolShape of the native build: there are no pens without the window system, so nothing
// is drawn (the compositing around it is tested with drawings of the tests' own).
#include "editmode/tools/ToolShape.h"

namespace zentrova {

bool PaintToolShape(ZImage&, const ToolShape&, int32_t, int32_t, const ShapeInk&) {
    return false;
}

}  // namespace zentrova
