// PaintToolText of the native build: there are no fonts without the window system, so nothing
// is drawn (the compositing around it is tested with drawings of the tests' own).
#include "editmode/tools/ToolText.h"

namespace zentrova {

bool PaintToolText(ZImage&, const ToolText&, int32_t, int32_t, ZColor) {
    return false;
}

int32_t ScreenDotsPerInchY() {
    return 96;
}

}  // namespace zentrova
