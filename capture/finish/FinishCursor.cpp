// The cursor step's image work: the sparkle picture and the cursor's blurred shadow.
#include <algorithm>

#include "capture/finish/FinishPipeline.h"
#include "image/ZCompositing.h"
#include "image/ZImageEffects.h"

namespace zentrova {

namespace {

constexpr ZColor kBlack = 0x000000;
constexpr ZColor kWhite = 0xFFFFFF;

// True when a w x h picture at (x, y) covers at least one pixel of the target.
bool Overlaps(const ZImage& target, int32_t x, int32_t y, uint32_t w, uint32_t h) {
    return int64_t{x} < int64_t{target.GetWidth()} && int64_t{y} < int64_t{target.GetHeight()} &&
           int64_t{x} + w > 0 && int64_t{y} + h > 0;
}

}  // namespace

bool PrepareSparkle(ZImage& sparkle) {
    if (!sparkle.IsValid()) {
        return false;
    }
    if (sparkle.GetBitsPerPixel() == 32) {
        return true;
    }
    if (!sparkle.SetBitDepth(32)) {
        return false;
    }
    sparkle.FlushDrawing();
    for (uint32_t r = 0; r < sparkle.GetHeight(); ++r) {
        uint8_t* p = sparkle.GetRow(r);
        for (uint32_t x = 0; x < sparkle.GetWidth(); ++x) {
            p[4 * x + 3] = 255;
        }
    }
    return true;
}

bool DrawSparkle(ZImage& capture, const ZImage& sparkle, int32_t x, int32_t y) {
    if (!capture.IsValid() || !sparkle.IsValid() || sparkle.GetBitsPerPixel() != 32) {
        return false;
    }
    const int32_t left = x - static_cast<int32_t>(sparkle.GetWidth() / 2);
    const int32_t top = y - static_cast<int32_t>(sparkle.GetHeight() / 2);
    if (!Overlaps(capture, left, top, sparkle.GetWidth(), sparkle.GetHeight())) {
        return true;
    }
    return AlphaBlendImage(capture, sparkle, left, top, 255);
}

ZColor CursorShadowColour(ZColor shadow, ZColor background, uint32_t intensityPercent) {
    const int32_t t = static_cast<int32_t>(std::min<uint32_t>(intensityPercent, 100)) * 255 / 100;
    ZColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int32_t s = static_cast<int32_t>((shadow >> shift) & 0xFF);
        const int32_t b = static_cast<int32_t>((background >> shift) & 0xFF);
        result |= static_cast<ZColor>(s + (b - s) * (255 - t) / 255) << shift;
    }
    return result;
}

void CursorShadowDisplacement(uint32_t direction, int32_t offset, int32_t& ox, int32_t& oy) {
    ox = 0;
    oy = 0;
    if (direction < 90) {
        ox = -offset;
        oy = offset;
    } else if (direction < 180) {
        ox = -offset;
        oy = -offset;
    } else if (direction < 270) {
        ox = offset;
        oy = -offset;
    } else if (direction < 360) {
        ox = offset;
        oy = offset;
    }
}

bool MakeCursorShadowMask(ZImage& mask) {
    if (!mask.IsValid() || mask.GetBitsPerPixel() != 24) {
        return false;
    }
    // A black silhouette on white, blurred, then turned into white on black.
    if (!ReplaceAllButColor(mask, kFinishKeyColour, kBlack) ||
        !ReplaceColor(mask, kFinishKeyColour, kWhite)) {
        return false;
    }
    for (int pass = 0; pass < kCursorShadowBlurPasses; ++pass) {
        if (!ApplyFilter(mask, static_cast<int>(NeighbourhoodFilter::Mean3))) {
            return false;
        }
    }
    return Invert(mask);
}

bool BlendShadowMask(ZImage& capture, const ZImage& mask, ZColor colour, int32_t x, int32_t y) {
    if (!capture.IsValid() || !mask.IsValid()) {
        return false;
    }
    if (!Overlaps(capture, x, y, mask.GetWidth(), mask.GetHeight())) {
        return true;
    }
    ZImage tint;
    if (!tint.Create(mask.GetWidth(), mask.GetHeight(), 24, colour, nullptr)) {
        return false;
    }
    return BlendMasked(capture, tint, mask, x, y);
}

}  // namespace zentrova
