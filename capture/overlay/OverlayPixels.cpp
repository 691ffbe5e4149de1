#include "capture/overlay/OverlayPixels.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>

#include "capture/overlay/OverlayPlacement.h"

namespace zentrova {
namespace {

bool IsDirectColour(const ZImage& image) {
    return image.IsValid() && (image.GetBitsPerPixel() == 24 || image.GetBitsPerPixel() == 32);
}

uint32_t BytesPerPixel(const ZImage& image) {
    return image.GetBitsPerPixel() / 8u;
}

// Pixel (x, y) from the top, unchecked.
uint8_t* PixelAt(ZImage& image, int32_t x, int32_t y) {
    return image.GetRow(image.GetHeight() - 1u - static_cast<uint32_t>(y)) +
           static_cast<size_t>(x) * BytesPerPixel(image);
}
const uint8_t* PixelAt(const ZImage& image, int32_t x, int32_t y) {
    return image.GetRow(image.GetHeight() - 1u - static_cast<uint32_t>(y)) +
           static_cast<size_t>(x) * BytesPerPixel(image);
}

bool Contains(const ZImage& image, int32_t x, int32_t y) {
    return x >= 0 && y >= 0 && static_cast<uint32_t>(x) < image.GetWidth() &&
           static_cast<uint32_t>(y) < image.GetHeight();
}

void PutPixel(ZImage& image, int32_t x, int32_t y, ZColor colour) {
    if (!Contains(image, x, y)) {
        return;
    }
    uint8_t* p = PixelAt(image, x, y);
    p[0] = static_cast<uint8_t>(colour >> 16);
    p[1] = static_cast<uint8_t>(colour >> 8);
    p[2] = static_cast<uint8_t>(colour);
}

// Rectangle [x0, x1) x [y0, y1) clipped to the image; false when nothing is left.
bool ClipRect(const ZImage& image, int32_t& x0, int32_t& y0, int32_t& x1, int32_t& y1) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min<int64_t>(x1, image.GetWidth());
    y1 = std::min<int64_t>(y1, image.GetHeight());
    return x0 < x1 && y0 < y1;
}

void FillArea(ZImage& image, int32_t x0, int32_t y0, int32_t x1, int32_t y1, ZColor colour) {
    if (!ClipRect(image, x0, y0, x1, y1)) {
        return;
    }
    for (int32_t y = y0; y < y1; ++y) {
        for (int32_t x = x0; x < x1; ++x) {
            PutPixel(image, x, y, colour);
        }
    }
}

// One tinted area [x0, x1) x [y0, y1): edges black, inside without blue.
void TintArea(ZImage& image, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    const int32_t ax0 = x0, ay0 = y0, ax1 = x1, ay1 = y1;
    if (!ClipRect(image, x0, y0, x1, y1)) {
        return;
    }
    for (int32_t y = y0; y < y1; ++y) {
        for (int32_t x = x0; x < x1; ++x) {
            uint8_t* p = PixelAt(image, x, y);
            if (x == ax0 || x == ax1 - 1 || y == ay0 || y == ay1 - 1) {
                p[0] = p[1] = p[2] = 0;
            } else {
                p[0] = 0;
            }
        }
    }
}

}  // namespace

uint32_t OverlayImageDepth(int32_t screenBits) {
    return screenBits == 32 ? 32u : 24u;
}

bool CopyArea(const ZImage& source, int32_t x, int32_t y, ZImage& target) {
    if (!IsDirectColour(source) || !IsDirectColour(target)) {
        return false;
    }
    target.FlushDrawing();
    source.FlushDrawing();
    const int64_t tw = target.GetWidth();
    const int64_t th = target.GetHeight();
    const int64_t x0 = std::max<int64_t>(0, -int64_t{x});
    const int64_t y0 = std::max<int64_t>(0, -int64_t{y});
    const int64_t x1 = std::min<int64_t>(tw, int64_t{source.GetWidth()} - x);
    const int64_t y1 = std::min<int64_t>(th, int64_t{source.GetHeight()} - y);
    const uint32_t sb = BytesPerPixel(source);
    const uint32_t tb = BytesPerPixel(target);
    for (int64_t ty = y0; ty < y1; ++ty) {
        const uint8_t* s =
            PixelAt(source, static_cast<int32_t>(x + x0), static_cast<int32_t>(y + ty));
        uint8_t* t = PixelAt(target, static_cast<int32_t>(x0), static_cast<int32_t>(ty));
        for (int64_t tx = x0; tx < x1; ++tx) {
            t[0] = s[0];
            t[1] = s[1];
            t[2] = s[2];
            if (tb == 4) {
                t[3] = 255;
            }
            s += sb;
            t += tb;
        }
    }
    return true;
}

bool TintOutsideSelection(ZImage& image, const SelectionRect& s) {
    if (!IsDirectColour(image)) {
        return false;
    }
    image.FlushDrawing();
    const int32_t w = static_cast<int32_t>(image.GetWidth());
    const int32_t h = static_cast<int32_t>(image.GetHeight());
    TintArea(image, 0, 0, w, s.top);                       // above
    TintArea(image, 0, s.bottom + 1, w, h);                // below
    TintArea(image, 0, s.top, s.left, s.bottom + 1);       // left
    TintArea(image, s.right + 1, s.top, w, s.bottom + 1);  // right
    return true;
}

bool DrawSelectionHandles(ZImage& image, const SelectionRect& selection, ZColor colour) {
    if (!IsDirectColour(image)) {
        return false;
    }
    image.FlushDrawing();
    constexpr int32_t kSide = kHandleSize + 2;
    for (const SelectionPoint& p : SelectionHandleCentres(selection)) {
        FillArea(image, p.x - kSide / 2, p.y - kSide / 2, p.x - kSide / 2 + kSide,
                 p.y - kSide / 2 + kSide, colour);
    }
    return true;
}

bool DrawCrossHair(ZImage& image, int32_t x, int32_t y, ZColor colour) {
    if (!IsDirectColour(image)) {
        return false;
    }
    image.FlushDrawing();
    const int32_t w = static_cast<int32_t>(image.GetWidth());
    const int32_t h = static_cast<int32_t>(image.GetHeight());
    FillArea(image, 0, y, w, y + 1, colour);
    FillArea(image, x, 0, x + 1, h, colour);
    return true;
}

bool DrawMagnifierPicture(const ZImage& source, int32_t centreX, int32_t centreY, ZImage& target,
                          int32_t left, int32_t top) {
    if (!IsDirectColour(source) || !IsDirectColour(target)) {
        return false;
    }
    source.FlushDrawing();
    target.FlushDrawing();
    constexpr int32_t kHalf = kMagnifierSource / 2;
    for (int32_t sy = 0; sy < kMagnifierSource; ++sy) {
        for (int32_t sx = 0; sx < kMagnifierSource; ++sx) {
            const int32_t px = centreX - kHalf + sx;
            const int32_t py = centreY - kHalf + sy;
            ZColor colour = 0;
            if (Contains(source, px, py)) {
                const uint8_t* p = PixelAt(source, px, py);
                colour = ZColor{p[2]} | (ZColor{p[1]} << 8) | (ZColor{p[0]} << 16);
            }
            const int32_t x0 = left + sx * kMagnifierZoom;
            const int32_t y0 = top + sy * kMagnifierZoom;
            FillArea(target, x0, y0, x0 + kMagnifierZoom, y0 + kMagnifierZoom, colour);
        }
    }
    // The cross-hair: through the middle of the centre square, which stays free with a margin.
    constexpr int32_t kCentreStart = kHalf * kMagnifierZoom;       // 96
    constexpr int32_t kCentreEnd = kCentreStart + kMagnifierZoom;  // 104 (exclusive)
    constexpr int32_t kLine = kCentreStart + kMagnifierZoom / 2;   // 100
    constexpr int32_t kGap = 3;
    constexpr int32_t kSize = kMagnifierSource * kMagnifierZoom;  // 200
    FillArea(target, left + kLine, top, left + kLine + 1, top + kCentreStart - kGap, 0);
    FillArea(target, left + kLine, top + kCentreEnd + kGap, left + kLine + 1, top + kSize, 0);
    FillArea(target, left, top + kLine, left + kCentreStart - kGap, top + kLine + 1, 0);
    FillArea(target, left + kCentreEnd + kGap, top + kLine, left + kSize, top + kLine + 1, 0);
    return true;
}

bool ReadPixelRgb(const ZImage& source, int32_t x, int32_t y, uint8_t& red, uint8_t& green,
                  uint8_t& blue) {
    red = green = blue = 0;
    if (!IsDirectColour(source) || !Contains(source, x, y)) {
        return false;
    }
    source.FlushDrawing();
    const uint8_t* p = PixelAt(source, x, y);
    blue = p[0];
    green = p[1];
    red = p[2];
    return true;
}

std::wstring FormatMagnifierText(int32_t x, int32_t y, int32_t width, int32_t height, int red,
                                 int green, int blue) {
    wchar_t text[160];
    std::swprintf(text, sizeof(text) / sizeof(text[0]),
                  L"X: %d | Y: %d\r\nW: %d | H: %d\r\n(%d, %d, %d)", static_cast<int>(x),
                  static_cast<int>(y), static_cast<int>(width), static_cast<int>(height), red,
                  green, blue);
    return text;
}

}  // namespace zentrova
