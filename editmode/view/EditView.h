// EditView: where the working picture sits on the Edit Mode's screen, and how window points and
// picture pixels map onto each other.
//
// * Zoom is held exactly in thousandths (1000 = 100 %), from kZoomMin to kZoomMax, so that steps
//   in and back out return to the same value and the drawn size is exact: a 320 x 250 picture at
//   800 is drawn 256 x 200.
// * The drawn size is trunc(width * zoom / 1000) x trunc(height * zoom / 1000), at least 1 x 1.
// * Placement: centred on the screen ((screen - drawn) / 2, halves toward zero) plus the pan
//   offset. While an offset is not 0 the picture may not leave the screen's centre line: its left
//   (top) edge never lies right of (below) the centre, its right (bottom) edge never left of
//   (above) it.
// * Window -> picture: (p - view origin) * 1000 / zoom, truncated toward zero. Picture -> window:
//   trunc(q * zoom / 1000) + view origin. Both use 64-bit arithmetic.
// Portable; no window system.
#pragma once

#include <cstdint>

#include "core/ZRect.h"

namespace zentrova {

constexpr int32_t kZoomOne = 1000;
constexpr int32_t kZoomMin = 100;
constexpr int32_t kZoomMax = 50000;
constexpr int32_t kZoomStep = 100;

// The pan step of Ctrl + arrow keys, and of the scroll arrows (slow, with the button down).
constexpr int32_t kKeyPanStep = 20;
constexpr int32_t kArrowPanStep = 8;
constexpr int32_t kArrowPanStepFast = 30;

// The zoom cache is made only below this many KB of 24-bit pixels (3 * W * H / 1024).
constexpr int64_t kZoomCacheLimitKb = 40960;

struct ZPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const ZPoint& other) const { return x == other.x && y == other.y; }
};

// trunc(value * zoom / 1000), in 64 bits; never overflows for 32-bit value and zoom.
int64_t ScaleByZoom(int64_t value, int32_t zoom);
// The zoom steps: +0.1 and -0.1, each clamped to kZoomMin ... kZoomMax.
int32_t ZoomStepIn(int32_t zoom);
int32_t ZoomStepOut(int32_t zoom);

// How the paint draws the picture.
enum class ImageDrawPath {
    Copy,          // zoom 1000: the visible part copied 1:1
    Cache,         // the zoom cache was made for this zoom and picture: copy it
    RebuildCache,  // make the zoom cache, then copy it
    Direct,  // too big for a cache: the visible part is drawn scaled straight from the picture
};
// cacheCurrent: the cache exists and was made for this zoom and picture.
ImageDrawPath ChooseImageDrawPath(int32_t zoom, int32_t drawnWidth, int32_t drawnHeight,
                                  bool cacheCurrent);

class EditView {
  public:
    void SetScreen(int32_t width, int32_t height);
    int32_t GetScreenWidth() const { return m_screenWidth; }
    int32_t GetScreenHeight() const { return m_screenHeight; }

    // A picture was loaded: zoom 1000; no pan, except that a picture taller (wider) than the
    // screen starts panned by height / 2 - screenHeight / 2 + 10 (width likewise), showing its
    // top (left) part.
    void ShowNewImage(int32_t width, int32_t height);
    // The picture changed its size (canvas, rotation): zoom and pan stay, the pan limited again.
    void SetImageSize(int32_t width, int32_t height);
    int32_t GetImageWidth() const { return m_imageWidth; }
    int32_t GetImageHeight() const { return m_imageHeight; }

    int32_t GetZoom() const { return m_zoom; }
    // Clamps to kZoomMin ... kZoomMax; true when the zoom changed.
    bool SetZoom(int32_t zoom);

    int32_t GetScrollX() const { return m_scrollX; }
    int32_t GetScrollY() const { return m_scrollY; }
    // Sets the pan offsets as they are (zoom to selection); the placement keeps the picture on
    // the centre lines.
    void SetScroll(int32_t scrollX, int32_t scrollY);
    // Adds to the pan offsets, then limits them so that the picture keeps touching both centre
    // lines. True when an offset changed.
    bool Pan(int32_t dx, int32_t dy);

    int32_t DrawnWidth() const;
    int32_t DrawnHeight() const;
    // The picture's rectangle on the screen (view origin and drawn size).
    ZRect GetImageRect() const;

    ZPoint WindowToImage(int32_t x, int32_t y) const;
    ZPoint ImageToWindow(int32_t x, int32_t y) const;

  private:
    int32_t PlaceAxis(int32_t screen, int32_t drawn, int32_t scroll) const;
    static int32_t LimitScroll(int32_t screen, int32_t drawn, int32_t scroll);

    int32_t m_screenWidth = 0;
    int32_t m_screenHeight = 0;
    int32_t m_imageWidth = 0;
    int32_t m_imageHeight = 0;
    int32_t m_zoom = kZoomOne;
    int32_t m_scrollX = 0;
    int32_t m_scrollY = 0;
};

}  // namespace zentrova
