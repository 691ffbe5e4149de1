#include "editmode/tools/ToolCompositing.h"

#include <algorithm>
#include <cstdlib>

#include "editmode/paint/EditPainter.h"
#include "image/ZCompositing.h"
#include "image/ZImageEffects.h"

namespace zentrova {

namespace {

constexpr ZColor kWhite = 0xFFFFFF;
constexpr ZColor kBlack = 0x000000;
constexpr int32_t kPlainShadowAlpha = 96;
constexpr int32_t kStraightBarSpread = 20;

uint8_t* PixelAt(ZImage& image, int32_t x, int32_t y) {
    return image.GetRow(image.GetHeight() - 1 - static_cast<uint32_t>(y)) + 3 * x;
}

const uint8_t* PixelAt(const ZImage& image, int32_t x, int32_t y) {
    return image.GetRow(image.GetHeight() - 1 - static_cast<uint32_t>(y)) + 3 * x;
}

bool Is24Bits(const ZImage& image) {
    return image.IsValid() && image.GetBitsPerPixel() == 24;
}

ZRect Intersect(const ZRect& a, const ZRect& b) {
    return ZRect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
}

ZRect PictureRect(const ZImage& picture) {
    return ZRect{0, 0, static_cast<int32_t>(picture.GetWidth()),
                 static_cast<int32_t>(picture.GetHeight())};
}

// A 24-bit copy of the picture under rect (inside the picture).
bool CopyPart(const ZImage& picture, const ZRect& rect, ZImage& part) {
    if (!part.Create(static_cast<uint32_t>(rect.Width()), static_cast<uint32_t>(rect.Height()), 24,
                     kWhite, nullptr)) {
        return false;
    }
    picture.FlushDrawing();
    CopyPixels(part, 0, 0, picture, rect.left, rect.top, rect.Width(), rect.Height());
    return true;
}

bool WhiteMask(const ZRect& rect, ZImage& mask) {
    return mask.Create(static_cast<uint32_t>(rect.Width()), static_cast<uint32_t>(rect.Height()),
                       24, kWhite, nullptr);
}

// The platform's constant-alpha blend of one byte.
inline uint8_t BlendByte(uint32_t destination, uint32_t source, uint32_t alpha) {
    return static_cast<uint8_t>((source * alpha + destination * (255 - alpha) + 127) / 255);
}

}  // namespace

ZPoint ShadowOffset(int32_t d, int32_t o) {
    if (d >= 0 && d < 90) {
        return ZPoint{-o, o};
    }
    if (d >= 90 && d < 180) {
        return ZPoint{-o, -o};
    }
    if (d >= 180 && d < 270) {
        return ZPoint{o, -o};
    }
    if (d >= 270 && d < 360) {
        return ZPoint{o, o};
    }
    return ZPoint{0, 0};
}

ZColor ShadowColour(ZColor colour, int32_t intensity) {
    const int32_t i = std::clamp(intensity, 0, 100);
    const uint32_t a = 255u - static_cast<uint32_t>(i * 255 / 100);
    ZColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t c = (colour >> shift) & 0xFF;
        result |= (c + (255 - c) * a / 255) << shift;
    }
    return result;
}

ZRect StrokeWorkRect(const ZRect& b, const ToolShadow& shadow, int32_t pictureWidth,
                     int32_t pictureHeight) {
    // 64-bit while growing: a shape far outside the picture must not overflow.
    const int64_t w = std::llabs(int64_t{b.right} - b.left);
    const int64_t h = std::llabs(int64_t{b.bottom} - b.top);
    int64_t grow = 4 * int64_t{shadow.dither} + std::max(w / 8, h / 8);
    if (shadow.enabled) {
        grow += shadow.offset;
    }
    const int64_t left = std::max<int64_t>(int64_t{std::min(b.left, b.right)} - grow, 0);
    const int64_t top = std::max<int64_t>(int64_t{std::min(b.top, b.bottom)} - grow, 0);
    const int64_t right =
        std::min<int64_t>(int64_t{std::max(b.left, b.right)} + grow, pictureWidth);
    const int64_t bottom =
        std::min<int64_t>(int64_t{std::max(b.top, b.bottom)} + grow, pictureHeight);
    if (left >= right || top >= bottom) {
        return ZRect{};
    }
    return ZRect{static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right),
                 static_cast<int32_t>(bottom)};
}

bool BlendConstantAlpha(ZImage& picture, const ZImage& source, int32_t x, int32_t y,
                        int32_t alpha) {
    if (!Is24Bits(picture) || !Is24Bits(source)) {
        return false;
    }
    const auto a = static_cast<uint32_t>(std::clamp(alpha, 0, 255));
    const ZRect on =
        Intersect(PictureRect(picture), ZRect{x, y, x + static_cast<int32_t>(source.GetWidth()),
                                              y + static_cast<int32_t>(source.GetHeight())});
    picture.FlushDrawing();
    source.FlushDrawing();
    for (int32_t py = on.top; py < on.bottom; ++py) {
        uint8_t* d = PixelAt(picture, on.left, py);
        const uint8_t* s = PixelAt(source, on.left - x, py - y);
        for (int32_t i = 0; i < 3 * (on.right - on.left); ++i) {
            d[i] = BlendByte(d[i], s[i], a);
        }
    }
    return true;
}

bool BlendColourRect(ZImage& picture, const ZRect& rect, ZColor colour, int32_t alpha) {
    if (!Is24Bits(picture)) {
        return false;
    }
    const auto a = static_cast<uint32_t>(std::clamp(alpha, 0, 255));
    const uint8_t bgr[3] = {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                            static_cast<uint8_t>(colour)};
    const ZRect on = Intersect(PictureRect(picture), rect);
    picture.FlushDrawing();
    for (int32_t py = on.top; py < on.bottom; ++py) {
        uint8_t* d = PixelAt(picture, on.left, py);
        for (int32_t i = 0; i < 3 * (on.right - on.left); ++i) {
            d[i] = BlendByte(d[i], bgr[i % 3], a);
        }
    }
    return true;
}

namespace {

// Draws the shape into a copy of the picture's part under rect (drawCopy in copyColour) and in
// black into a white mask of that size (drawMask), smooths the mask (and with smoothCopy the copy)
// with the 3 x 3 mean, and blends the copy back through the inverted mask.
bool BlendThroughSmoothedMask(ZImage& picture, const ZRect& rect, const ShapeDraw& drawCopy,
                              ZColor copyColour, const ShapeDraw& drawMask, bool smoothCopy) {
    const ZRect work = Intersect(PictureRect(picture), rect);
    if (!Is24Bits(picture) || work.IsEmpty()) {
        return false;
    }
    ZImage copy;
    ZImage mask;
    if (!CopyPart(picture, work, copy) || !WhiteMask(work, mask)) {
        return false;
    }
    drawCopy(copy, -work.left, -work.top, copyColour);
    drawMask(mask, -work.left, -work.top, kBlack);
    if (smoothCopy) {
        ApplyFilter(copy, static_cast<int>(NeighbourhoodFilter::Mean3));
    }
    ApplyFilter(mask, static_cast<int>(NeighbourhoodFilter::Mean3));
    Invert(mask);
    return BlendMasked(picture, copy, mask, work.left, work.top);
}

}  // namespace

bool RenderSmoothStroke(ZImage& picture, const ZRect& rect, ZColor colour, const ShapeDraw& draw) {
    return BlendThroughSmoothedMask(picture, rect, draw, colour, draw, true);
}

bool RenderStroke(ZImage& picture, const ZRect& shapeBounds, const StrokeLook& look,
                  const ShapeDraw& draw) {
    if (!Is24Bits(picture)) {
        return false;
    }
    const ZRect work =
        StrokeWorkRect(shapeBounds, look.shadow, static_cast<int32_t>(picture.GetWidth()),
                       static_cast<int32_t>(picture.GetHeight()));
    if (work.IsEmpty()) {
        return false;
    }
    const ToolShadow& shadow = look.shadow;
    if (shadow.enabled) {
        const ZPoint offset = ShadowOffset(shadow.direction, shadow.offset);
        ZImage copy;
        if (!CopyPart(picture, work, copy)) {
            return false;
        }
        if (shadow.smoothed) {
            ZImage mask;
            if (!WhiteMask(work, mask)) {
                return false;
            }
            const ZColor colour = ShadowColour(shadow.colour, shadow.intensity);
            draw(copy, offset.x - work.left, offset.y - work.top, colour);
            draw(mask, offset.x - work.left, offset.y - work.top, kBlack);
            if (shadow.dither > 0) {  // radius 0 is no blur, not a refused one
                BoxBlur(copy, shadow.dither, 1);
                BoxBlur(mask, shadow.dither, 2);
            }
            Invert(mask);
            BlendMasked(picture, copy, mask, work.left, work.top);
        } else {
            draw(picture, offset.x, offset.y, shadow.colour);
            BlendConstantAlpha(picture, copy, work.left, work.top, kPlainShadowAlpha);
        }
    }
    if (look.highQuality) {
        return RenderSmoothStroke(picture, work, look.colour, draw);
    }
    return draw(picture, 0, 0, look.colour);
}

bool MarkerUsesStraightBar(const std::vector<ZPoint>& points) {
    if (points.empty()) {
        return false;
    }
    int64_t spreadX = 0;
    int64_t spreadY = 0;
    for (const ZPoint& p : points) {
        spreadX = std::max<int64_t>(spreadX, std::llabs(int64_t{p.x} - points.front().x));
        spreadY = std::max<int64_t>(spreadY, std::llabs(int64_t{p.y} - points.front().y));
    }
    return spreadX < kStraightBarSpread || spreadY < kStraightBarSpread;
}

bool RenderMarkerStroke(ZImage& picture, const ZRect& rect, const ShapeDraw& drawAnd,
                        const ShapeDraw& drawMask) {
    return BlendThroughSmoothedMask(picture, rect, drawAnd, kBlack, drawMask, false);
}

bool HighlightOutside(ZImage& picture, const ZRect& area, const ZRect& selection, ZColor colour,
                      int32_t transparency) {
    if (!Is24Bits(picture)) {
        return false;
    }
    const int32_t alpha = std::clamp(transparency, 0, 100) * 255 / 100;
    // The selection limited to the area, so the strips never overlap.
    const ZRect s{std::clamp(selection.left, area.left, area.right),
                  std::clamp(selection.top, area.top, area.bottom),
                  std::clamp(selection.right, area.left, area.right),
                  std::clamp(selection.bottom, area.top, area.bottom)};
    const ZRect strips[4] = {
        ZRect{area.left, area.top, s.left, area.bottom},
        ZRect{s.right, area.top, area.right, area.bottom},
        ZRect{s.left, area.top, s.right, s.top},
        ZRect{s.left, s.bottom, s.right, area.bottom},
    };
    for (const ZRect& strip : strips) {
        BlendColourRect(picture, strip, colour, alpha);
    }
    return true;
}

bool LayStrokeLayer(ZImage& buffer, const ZImage& layer, const ZRect& rect, ZColor colour,
                    bool andColour) {
    if (!Is24Bits(buffer) || !Is24Bits(layer)) {
        return false;
    }
    const ZRect on = Intersect(Intersect(PictureRect(buffer), PictureRect(layer)), rect);
    const uint8_t bgr[3] = {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                            static_cast<uint8_t>(colour)};
    buffer.FlushDrawing();
    layer.FlushDrawing();
    for (int32_t y = on.top; y < on.bottom; ++y) {
        uint8_t* d = PixelAt(buffer, on.left, y);
        const uint8_t* s = PixelAt(layer, on.left, y);
        for (int32_t x = on.left; x < on.right; ++x, d += 3, s += 3) {
            if ((s[0] | s[1] | s[2]) != 0) {
                continue;
            }
            for (int c = 0; c < 3; ++c) {
                d[c] = andColour ? static_cast<uint8_t>(d[c] & bgr[c]) : bgr[c];
            }
        }
    }
    return true;
}

}  // namespace zentrova
