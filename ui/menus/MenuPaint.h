// The pixels of an owner-drawn menu item other than its text, painted into an off-screen picture
// of the item's size (item rectangle (0, 0, width, height)); MenuSkin_win.cpp then writes the
// texts into the same picture and copies it to the menu in one block.
//
// The canvas is a 24- or 32-bit ZImage; every function returns false and paints nothing on an
// empty canvas or another depth.
#pragma once

#include <cstdint>

#include "image/ZImage.h"
#include "ui/menus/MenuLayout.h"

namespace zentrova {

// A frame in the border colour: four lines, top, left, bottom and the right edge one pixel longer
// at the bottom; the pixels of the outline of columns left..right and rows top..bottom, both
// included (so one column right of and one row below a fill of the same rectangle).
bool DrawMenuFrame(ZImage& canvas, const ZRect& rect, ZColor colour);

// Draws icon `index` of a premultiplied 32-bit strip of 16 x 16 icons at (x, y) with a constant
// alpha, source over destination (the blend of AlphaBlend with per-pixel alpha): with a the
// pixel's alpha, C the constant alpha and c a premultiplied colour byte, all divisions rounded to
// nearest: a' = a * C / 255, c' = c * C / 255, d = c' + d * (255 - a') / 255. Parts outside the
// canvas are cut off. False, nothing drawn, for a strip that is not 32 bits, an index < 0 or an
// icon not wholly inside the strip.
bool BlendMenuIcon(ZImage& canvas, const ZImage& strip, int index, int32_t x, int32_t y,
                   uint8_t constantAlpha);

// Paints a normal item (everything but its text): the icon column in the gradient's left colour
// (x < 25), the border line at x = 25, the horizontal gradient from x = 26 to the right edge
// (column i of it: left + (right - left) * i / (width - 26), per channel, truncated); for a
// separator the line at y = 4 from x = 28 to width - 2 and nothing else; otherwise the selection
// (fill unless grayed, frame always) and the icon (hot or cold strip as PlaceMenuIcon says;
// icon kMenuNoIcon or a missing strip draws none).
bool PaintMenuItem(ZImage& canvas, const MenuColors& colors, bool separator,
                   const MenuItemState& state, int icon, const ZImage& hot, const ZImage& cold);

// Paints a title item (everything but its text): the vertical gradient from the left to the right
// colour over the whole canvas; when selected and not grayed the title selection filled and
// framed.
bool PaintTitleItem(ZImage& canvas, const MenuColors& colors, const MenuItemState& state);

}  // namespace zentrova
