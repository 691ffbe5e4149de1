// Native build: the drop shadow's pieces are copied by the portable stretch.
#include "image/effects/ZShadowPieces.h"

namespace zentrova::effects {

bool CopyShadowPieces(ZImage& result, const ZImage& sample, int32_t margin) {
    return CopyShadowPiecesPixels(result, sample, margin);
}

}  // namespace zentrova::effects
