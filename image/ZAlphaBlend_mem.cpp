// Alpha blend of the native build: there is no device context, the pixels are blended directly.
#include "image/ZCompositing.h"

namespace zentrova {

bool AlphaBlendImage(ZImage& target, const ZImage& source, int32_t x, int32_t y,
                     int32_t constantAlpha) {
    return AlphaBlendImagePixels(target, source, x, y, constantAlpha);
}

}  // namespace zentrova
