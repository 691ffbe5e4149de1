// The colour palette transparency of PNG pictures is composited over.
#pragma once

#include "image/ZImage.h"

namespace zentrova {

// The system's window background colour as 0x00BBGGRR: GetSysColor(COLOR_WINDOW) on Windows,
// white (0x00FFFFFF) where there is no such setting.
ZColor GetPngBackgroundColour();

}  // namespace zentrova
