// Where a window goes when it is centred on another window or on a monitor's work area.
#pragma once

#include "ui/dialogs/ButtonGeometry.h"

namespace zentrova {

// The top-left corner of a window of width x height centred on reference ((reference width -
// width) / 2 from its left, likewise from its top; integer division towards zero), then moved
// back inside workArea where it sticks out: first so that its right and bottom edges are inside,
// then so that its left and top edges are (left and top win when the window is larger than the
// work area).
ButtonPoint CenteredPosition(int width, int height, const ZRect& reference,
                             const ZRect& workArea);

}  // namespace zentrova
