// EditPainter: everything the Edit Mode's screen shows that is made of pixels, painted into the
// 24-bit screen-sized back buffer in this order:
//   1. the background picture (white without one), so no earlier paint survives;
//   2. the working picture at its place and zoom: 1:1 copy, the zoom cache, or the visible part
//      scaled straight from the picture when no cache can be had;
//   3. the canvas frame, dotted (the buffer ANDed with the frame colour on every other pixel),
//      with eight 4 x 4 handles at the corners and edge middles;
//   4. the scroll arrows (lower right corner) and the previous / next buttons (lower left),
//      magenta transparent, the hovered button lightened.
// The window code draws the tools' live drawing and the capture text over it and copies the
// buffer to the screen in one block.
// Portable; no window system.
#pragma once

#include <cstdint>

#include "core/ZRect.h"
#include "editmode/paint/ZoomCache.h"
#include "editmode/view/EditView.h"
#include "editmode/view/KeyedButtons.h"
#include "image/ZImage.h"

namespace zentrova {

struct EditPaintScene {
    const ZImage* background = nullptr;  // screen-sized 24-bit, or null
    const ZImage* image = nullptr;       // the working picture, or null while there is none
    const EditView* view = nullptr;
    ZoomCache* cache = nullptr;  // rebuilt here when stale and small enough
    ZRect frame;                 // the canvas frame in window pixels
    bool drawFrame = true;
    ZColor frameColour = 0;
    const KeyedButtons* scrollButtons = nullptr;
    int32_t scrollHover = 0;
    const KeyedButtons* prevNextButtons = nullptr;
    int32_t prevNextHover = 0;
};

// Paints the scene into backBuffer (24 bits). False when the buffer is not a 24-bit picture.
bool PaintEditScene(ZImage& backBuffer, const EditPaintScene& scene);

// The pieces, for the tools' live drawing and the tests. All clip to the buffer.
// Copies w x h pixels of source (24 bits) from (sx, sy) to (dx, dy) of the 24-bit buffer.
void CopyPixels(ZImage& buffer, int32_t dx, int32_t dy, const ZImage& source, int32_t sx,
                int32_t sy, int32_t w, int32_t h);
// Draws source scaled by its whole size onto rect (window pixels) by nearest pixels, only where
// rect meets the buffer.
void DrawNearestScaled(ZImage& buffer, const ZRect& rect, const ZImage& source);
// The dotted frame and its handles.
void DrawCanvasFrame(ZImage& buffer, const ZRect& frame, ZColor colour);
// Frame 0 of the keyed picture with its top-left corner at (x, y), magenta left out; hover > 0
// lightens that button's hot area.
void DrawKeyedButtons(ZImage& buffer, const KeyedButtons& buttons, int32_t x, int32_t y,
                      int32_t hover);

}  // namespace zentrova
