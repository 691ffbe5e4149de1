// Windows: the user's window colour.
#include "codecs/PngWindowColour.h"

#include <windows.h>

namespace zentrova {

ZColor GetPngBackgroundColour() {
    return static_cast<ZColor>(GetSysColor(COLOR_WINDOW)) & 0x00FFFFFF;
}

}  // namespace zentrova
