// Masked blend: a source laid through a mask onto a destination.
//
// Each destination row is blended by the byte kernel of ZBlendRow.h (exact integer arithmetic:
// d += trunc((s - d) * m / 255)). To keep that kernel a plain byte loop, every row first gets
// a weight per destination byte (the mask weight on blue, green and red, 0 on a 32-bit
// destination's alpha, so that alpha is never changed) and, when the source's depth differs from
// the destination's, a copy of the source row in the destination's layout.
#include <algorithm>
#include <memory>
#include <new>

#include "image/ZBlendRow.h"
#include "image/ZCompositing.h"

namespace zentrova {

namespace {

// Blue, green, red of a source row rewritten with the destination's bytes per pixel (a 4th byte,
// which gets weight 0, is set to 0).
void RepackRow(const uint8_t* sourceRow, uint32_t sourceBytes, uint32_t width,
               uint32_t destinationBytes, uint8_t* out) {
    for (uint32_t i = 0; i < width; ++i, sourceRow += sourceBytes, out += destinationBytes) {
        out[0] = sourceRow[0];
        out[1] = sourceRow[1];
        out[2] = sourceRow[2];
        if (destinationBytes == 4) {
            out[3] = 0;
        }
    }
}

bool IsMaskDepth(uint32_t bits) {
    return bits == 8 || bits == 24 || bits == 32;
}

}  // namespace

bool BlendMasked(ZImage& destination, const ZImage& source, const ZImage& mask, int32_t x,
                 int32_t y) {
    if (!destination.IsValid() || !source.IsValid() || !mask.IsValid()) {
        return false;
    }
    if (destination.GetBitsPerPixel() < 24 || source.GetBitsPerPixel() < 24 ||
        !IsMaskDepth(mask.GetBitsPerPixel())) {
        return false;
    }
    // Source and mask are read at the same coordinates: the source must cover the mask.
    if (source.GetWidth() < mask.GetWidth() || source.GetHeight() < mask.GetHeight()) {
        return false;
    }
    // A destination that is also the source or the mask is read as it was before the blend.
    if (&destination == &source || &destination == &mask) {
        ZImage before;
        if (!before.CopyFrom(destination)) {
            return false;
        }
        return BlendMasked(destination, &source == &destination ? before : source,
                           &mask == &destination ? before : mask, x, y);
    }

    // Clipping, in 64 bits so that no coordinate can overflow. (sx, sy) is the first mask and
    // source pixel used, (dx, dy) the destination pixel it lands on.
    const int64_t destinationWidth = destination.GetWidth();
    const int64_t destinationHeight = destination.GetHeight();
    int64_t w = mask.GetWidth();
    int64_t h = mask.GetHeight();
    int64_t sx = 0;
    int64_t sy = 0;
    int64_t dx = x;
    int64_t dy = y;
    if (dx < 0) {
        sx = -dx;
        w -= sx;
        dx = 0;
    }
    if (dy < 0) {
        sy = -dy;
        h -= sy;
        dy = 0;
    }
    if (w < 1 || h < 1 || dx >= destinationWidth || dy >= destinationHeight) {
        return false;
    }
    w = std::min(w, destinationWidth - dx);
    h = std::min(h, destinationHeight - dy);

    const uint32_t dBytes = destination.GetBitsPerPixel() / 8u;
    const uint32_t sBytes = source.GetBitsPerPixel() / 8u;
    const uint32_t mBytes = mask.GetBitsPerPixel() / 8u;
    const auto width = static_cast<uint32_t>(w);
    const size_t rowBytes = size_t{width} * dBytes;
    std::unique_ptr<uint8_t[]> weights(new (std::nothrow) uint8_t[rowBytes + blend::kWeightSlack]);
    std::unique_ptr<uint8_t[]> repacked;
    if (sBytes != dBytes) {
        repacked.reset(new (std::nothrow) uint8_t[rowBytes]);
    }
    if (!weights || (sBytes != dBytes && !repacked)) {
        return false;
    }

    destination.FlushDrawing();
    source.FlushDrawing();
    mask.FlushDrawing();
    const uint32_t dTop = destination.GetHeight() - 1;
    const uint32_t sTop = source.GetHeight() - 1;
    const uint32_t mTop = mask.GetHeight() - 1;
    for (int64_t j = 0; j < h; ++j) {
        uint8_t* dRow = destination.GetRow(static_cast<uint32_t>(dTop - (dy + j))) + dx * dBytes;
        const uint8_t* sRow = source.GetRow(static_cast<uint32_t>(sTop - (sy + j))) + sx * sBytes;
        const uint8_t* mRow = mask.GetRow(static_cast<uint32_t>(mTop - (sy + j))) + sx * mBytes;
        blend::SpreadWeights(mRow, mBytes, width, dBytes, weights.get());
        if (repacked) {
            RepackRow(sRow, sBytes, width, dBytes, repacked.get());
            sRow = repacked.get();
        }
        blend::BlendBytes(dRow, sRow, weights.get(), rowBytes);
    }
    return true;
}

}  // namespace zentrova
