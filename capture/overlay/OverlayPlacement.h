// Where the overlay's parts go: the frame round a window, the fixed-region frame, the caption
// band and magnifier box of the region modes, and the rectangle a window capture takes.
#pragma once

#include <cstdint>

#include "capture/overlay/SelectionGeometry.h"
#include "core/ZRect.h"

namespace zentrova {

// Position and size of the virtual screen (SM_XVIRTUALSCREEN ... SM_CYVIRTUALSCREEN) and the
// primary screen's size (SM_CXSCREEN, SM_CYSCREEN; the primary screen's top-left corner is the
// screen origin 0, 0).
struct ScreenLayout {
    int32_t virtualX = 0;
    int32_t virtualY = 0;
    int32_t virtualWidth = 0;
    int32_t virtualHeight = 0;
    int32_t primaryWidth = 0;
    int32_t primaryHeight = 0;
};

// Screen position to virtual-screen coordinates: plus the absolute values of the virtual
// screen's origin (which is never right of or below the primary screen's corner).
SelectionPoint ToVirtualScreen(const ScreenLayout& screen, int32_t screenX, int32_t screenY);

// The overlay framing a window (window rectangle in screen coordinates): 4 pixels round it, and
// the caption band of captionHeight above it.
ZRect FrameAroundWindow(const ZRect& window, int32_t captionHeight);

// The fixed-region overlay centred on the cursor (screen coordinates): position
// (x - w/2 - 4, y - h/2 - captionHeight - 4), size (w + 8, captionHeight + h + 8).
ZRect FixedRegionFrame(int32_t cursorX, int32_t cursorY, int32_t width, int32_t height,
                       int32_t captionHeight);
// Where the fixed region's pixels are taken: the frame's position plus (4, captionHeight).
ZRect FixedRegionSource(const ZRect& frame, int32_t width, int32_t height, int32_t captionHeight);

// Region modes, in virtual-screen coordinates: the caption band over the primary screen's whole
// width, captionHeight high, at the primary screen's top.
ZRect RegionCaptionBand(const ScreenLayout& screen, int32_t captionHeight);

// The magnifier box: kMagnifierWidth wide, kMagnifierSize + 2 * captionHeight high, 50 pixels
// from the primary screen's right and bottom edges; moved up to 50 pixels below the virtual
// screen's top while the cursor (virtual-screen coordinates) is within 300 pixels of both the
// right and the bottom edge of the primary screen.
constexpr int32_t kMagnifierWidth = 200;
constexpr int32_t kMagnifierSize = 200;   // the enlarged picture, 25 x 25 pixels times 8
constexpr int32_t kMagnifierSource = 25;  // source pixels across
constexpr int32_t kMagnifierZoom = 8;
constexpr int32_t kMagnifierMargin = 50;
constexpr int32_t kMagnifierAvoidDistance = 300;
ZRect MagnifierBox(const ScreenLayout& screen, int32_t cursorX, int32_t cursorY,
                   int32_t captionHeight);

// The part of a window that a window capture takes from its window rectangle (screen
// coordinates): right and bottom limited to the virtual screen's width and height, left and top
// raised to the virtual screen's origin; (offsetX, offsetY) is what was cut off on the left and
// top, i.e. where the taken part starts inside the window.
struct WindowCaptureArea {
    ZRect rect;
    int32_t offsetX = 0;
    int32_t offsetY = 0;
};
WindowCaptureArea LimitWindowCaptureArea(const ScreenLayout& screen, const ZRect& window);

// The frame the system draws round windows on newer Windows versions, by window kind.
enum class WindowFrameKind {
    Plain,        // taken as limited
    FixedDialog,  // captioned fixed-size dialog frame: 5 pixels larger on every side
    Maximised,    // client width, 8 pixels less height; origin: see below
};
// The screen rectangle a window capture takes again from the screen on newer Windows.
//
// Maximised windows: the window rectangle of a maximised window reaches past its monitor by the
// sizing border on every side, b = (window width - client width) / 2. The rectangle taken starts
// at the window's top-left corner moved inward by b, (window left + b, window top + b), but not
// left of or above the virtual screen's origin, and is client width x (limited height - 8)
// large: for a window maximised on a monitor this is the part visible on that monitor.
// (screen gives the virtual screen's origin.)
ZRect NewerWindowsCaptureRect(const ScreenLayout& screen, const WindowCaptureArea& area,
                              const ZRect& window, WindowFrameKind kind, int32_t clientWidth);

// Window styles relevant to the frame kind (the Win32 bits, so that this stays portable).
struct WindowStyleBits {
    bool caption = false;      // WS_CAPTION fully present
    bool dialogFrame = false;  // WS_DLGFRAME or WS_EX_DLGMODALFRAME
    bool thickFrame = false;   // WS_THICKFRAME
    bool maximiseBox = false;  // WS_MAXIMIZEBOX
    bool appWindow = false;    // WS_EX_APPWINDOW
    bool maximised = false;    // IsZoomed
};
WindowFrameKind ClassifyWindowFrame(const WindowStyleBits& bits);
// The rounded clip (corner 9 x 9) applies to captioned windows that are not maximised.
bool UsesRoundedCorners(const WindowStyleBits& bits);

// True for Windows versions newer than XP (6.0 and above, or 5.3 and above).
constexpr bool IsNewerThanXp(uint32_t major, uint32_t minor) {
    return major >= 6 || (major == 5 && minor >= 3);
}

}  // namespace zentrova
