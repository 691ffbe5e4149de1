// Pixel work of the overlay on ZImages (24 or 32 bits): copying the frozen desktop, the tint
// round the selection, the handles, the cross-hair and the magnifier picture. Picture
// coordinates count from the top-left; everything is clipped to the target.
#pragma once

#include <cstdint>
#include <string>

#include "capture/overlay/SelectionGeometry.h"
#include "image/ZImage.h"

namespace zentrova {

// Depth of the overlay's images (the frozen desktop, the back buffer) for a screen of
// screenBits bits per pixel: 32 for a 32-bit screen, 24 for any other (15, 16, 8 or fewer, or
// unknown). Copying the screen into the image converts its pixels, so the pixel work below,
// which takes 24 and 32 bits only, applies at every screen depth.
uint32_t OverlayImageDepth(int32_t screenBits);

// Copies the part of source that lies under target placed at (x, y) of source into target
// (target's size; pixels outside source keep target's colour). Both 24 or 32 bits (a 32-bit
// target's alpha byte becomes 255). False on an empty image or another depth.
bool CopyArea(const ZImage& source, int32_t x, int32_t y, ZImage& target);

// Tints the four areas round the selection (above, below, left and right of the columns
// left ... right and rows top ... bottom) the way a yellow brush and a black pen drawn with the
// AND mix would: inside each area the blue byte is cleared, its outermost pixels (its edges) are
// black. The selection's own pixels stay. Areas of no size are skipped.
bool TintOutsideSelection(ZImage& image, const SelectionRect& selection);

// The eight handles: solid squares of kHandleSize + 2 pixels (a kHandleSize square outlined
// with a 3-pixel pen) centred on the handle points, in colour.
bool DrawSelectionHandles(ZImage& image, const SelectionRect& selection, ZColor colour);

// A 1-pixel cross-hair through (x, y) over the whole image.
bool DrawCrossHair(ZImage& image, int32_t x, int32_t y, ZColor colour);

// The magnifier picture: the kMagnifierSource x kMagnifierSource pixels of source round
// (centreX, centreY) enlarged kMagnifierZoom times into target at (left, top); source pixels
// outside source are black. A black cross-hair, 1 pixel wide, runs through the middle of the
// centre pixel's enlarged square (offset 100 from the left and top), leaving out the centre
// square itself and a gap of 3 pixels round it.
bool DrawMagnifierPicture(const ZImage& source, int32_t centreX, int32_t centreY, ZImage& target,
                          int32_t left, int32_t top);

// Red, green, blue of source at (x, y); false (zeros) outside or on an empty image.
bool ReadPixelRgb(const ZImage& source, int32_t x, int32_t y, uint8_t& red, uint8_t& green,
                  uint8_t& blue);

// "X: %d | Y: %d\r\nW: %d | H: %d\r\n(%d, %d, %d)".
std::wstring FormatMagnifierText(int32_t x, int32_t y, int32_t width, int32_t height, int red,
                                 int green, int blue);

}  // namespace zentrova
