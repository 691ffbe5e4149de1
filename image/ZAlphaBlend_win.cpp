// Alpha blend of a 32-bit picture into the device context of an image, with GDI's AlphaBlend.
#include <windows.h>

#include <algorithm>

#include "image/ZCompositing.h"

namespace zentrova {

bool AlphaBlendImage(ZImage& target, const ZImage& source, int32_t x, int32_t y,
                     int32_t constantAlpha) {
    if (!target.IsValid() || !source.IsValid() || source.GetBitsPerPixel() != 32) {
        return false;
    }
    // AlphaBlend takes premultiplied colours: premultiply a copy, released on every path.
    ZImage copy;
    if (!copy.CopyFrom(source) || !Premultiply(copy)) {
        return false;
    }
    BLENDFUNCTION blend = {};
    blend.BlendOp = AC_SRC_OVER;
    blend.BlendFlags = 0;
    blend.SourceConstantAlpha = static_cast<BYTE>(std::clamp<int32_t>(constantAlpha, 0, 255));
    blend.AlphaFormat = AC_SRC_ALPHA;
    const int w = static_cast<int>(copy.GetWidth());
    const int h = static_cast<int>(copy.GetHeight());
    // All rows at once: the same pixels as one call per row.
    AlphaBlend(target.GetDC(), x, y, w, h, copy.GetDC(), 0, 0, w, h, blend);
    return true;
}

}  // namespace zentrova
