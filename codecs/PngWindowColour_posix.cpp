// Native build: no system colour scheme; windows are white.
#include "codecs/PngWindowColour.h"

namespace zentrova {

ZColor GetPngBackgroundColour() {
    return 0x00FFFFFF;
}

}  // namespace zentrova
