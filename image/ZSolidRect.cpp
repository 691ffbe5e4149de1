// Solid rectangle drawn into the pixels of a 24- or 32-bit picture: the portable equivalent of
// the device-context fill of ZSolidRect_win.cpp.
#include "image/ZCompositing.h"

namespace zentrova {

bool FillSolidRect(ZImage& target, int32_t x, int32_t y, int32_t w, int32_t h, ZColor colour) {
    if (!target.IsValid() || target.GetBitsPerPixel() < 24) {
        return false;
    }
    if (w < 1 || h < 1) {
        return true;
    }
    return target.FillRect(x, y, w, h, colour & 0x00FFFFFF);
}

}  // namespace zentrova
