// Compositing: laying one ZImage over another, premultiplication, colour keying, moving single
// channels between a colour image and an 8-bit grey image, and the gradient and rectangle fills
// from which masks, faders and backgrounds are drawn.
//
// Conventions
// -----------
// * x, y are picture coordinates from the top-left of the destination (memory row
//   height - 1 - y, see ZImage.h). Colours are 0x00BBGGRR.
// * A mask is an image of 8, 24 or 32 bits; its weight at a pixel is the pixel's first byte (the
//   index of an 8-bit mask, the blue byte otherwise): 0 keeps the destination, 255 takes the
//   source, values between mix.
// * Channel numbers: 1 red, 2 green, 3 blue, 4 alpha.
// * Every operation returns false and changes nothing on an empty image or an unsupported depth.
// * Operations that draw through a device context exist in the Windows build only and use GDI.
//   Where their result is exactly defined, a portable equivalent drawing into a ZImage exists in
//   both builds and gives the same pixels (24- and 32-bit targets; a 32-bit target's alpha byte
//   becomes 0 wherever a fill or gradient draws, as GDI does).
#pragma once

#include <cstdint>

#include "image/ZImage.h"

namespace zentrova {

// Masked blend -----------------------------------------------------------------------------------

// Lays `source` through `mask` onto `destination` with the mask's top-left at (x, y). The mask
// gives the size; source and mask are read from the same coordinates, so the source must be at
// least as large as the mask. Columns and rows left of or above the destination are skipped,
// those beyond its right or bottom edge cut off. Per colour byte: d += trunc((s - d) * m / 255),
// the product signed; the destination's alpha byte is never changed.
// False (nothing changed) when the destination or source has fewer than 24 bits, the mask is not
// 8, 24 or 32 bits, the source is smaller than the mask, or nothing of the mask lies on the
// destination. The destination may also be the source or the mask: it is then read as it was
// before the blend.
bool BlendMasked(ZImage& destination, const ZImage& source, const ZImage& mask, int32_t x,
                 int32_t y);

// Alpha blend of a 32-bit picture
// ------------------------------------------------------------------

// Draws the 32-bit `source` onto `target` at (x, y) with its own per-pixel alpha and a constant
// alpha (clamped to 0..255), source over destination. The source is premultiplied on a copy.
// Windows: GDI AlphaBlend into the target's device context. Native build: AlphaBlendImagePixels.
bool AlphaBlendImage(ZImage& target, const ZImage& source, int32_t x, int32_t y,
                     int32_t constantAlpha);

// The portable equivalent, in both builds, for 24- and 32-bit targets. With a the pixel's alpha,
// C the constant alpha, c the premultiplied colour and all divisions rounded to nearest:
//   a' = a * C / 255, c' = c * C / 255, d = c' + d * (255 - a') / 255 (and likewise for a
//   32-bit target's alpha byte with a' in place of c').
bool AlphaBlendImagePixels(ZImage& target, const ZImage& source, int32_t x, int32_t y,
                           int32_t constantAlpha);

// Premultiply and colour keys
// ----------------------------------------------------------------------

// 32 bits only: blue, green, red of every pixel become trunc(c * a / 255); alpha is kept.
bool Premultiply(ZImage& image);

// 24 bits only: every pixel equal to `key` becomes `replacement`.
bool ReplaceColor(ZImage& image, ZColor key, ZColor replacement);

// 24 bits only: every pixel different from `key` becomes `replacement`; pixels equal to `key`
// stay.
bool ReplaceAllButColor(ZImage& image, ZColor key, ZColor replacement);

// Channels ---------------------------------------------------------------------------------------

constexpr int kChannelRed = 1;
constexpr int kChannelGreen = 2;
constexpr int kChannelBlue = 3;
constexpr int kChannelAlpha = 4;

// Makes `target` a new 8-bit grey image (palette entry i = (i, i, i)) of the source's size whose
// bytes are the chosen channel of the 24- or 32-bit source. False, target unchanged, for another
// source depth, a channel outside 1..4 or alpha of a 24-bit source. target may be the source.
bool ExtractChannel(const ZImage& source, int channel, ZImage& target);

// Writes the bytes of the 8-bit `channelImage` (same size) into the chosen channel of the 24- or
// 32-bit `image`. False for another depth, a channel outside 1..4, alpha of a 24-bit image, or a
// channel image that is empty, not 8 bits or of another size.
bool InsertChannel(ZImage& image, int channel, const ZImage& channelImage);

// Gradients and rectangles
// -------------------------------------------------------------------------

constexpr int kGradientHorizontal = 0;
constexpr int kGradientVertical = 1;
constexpr int kGradientDiagonal = 2;
constexpr int kGradientRadial = 3;

// Fills the rectangle x, y, w, h of `target` with a gradient from colour `from` to colour `to`
// (every division an integer division truncating towards zero, per channel):
//   0 horizontal: column i gets from + (to - from) * i / w;
//   1 vertical: row j gets from + (to - from) * j / h;
//   2 diagonal: the 45-degree line of pixels with column + row = k (counted inside the
//     rectangle from its top-left) gets from + (to - from) * k / (w + h);
//   3 radial: the picture of FillRadialGradientImage laid at (x, y).
// w < 1 or h < 1: false. A mode above 3 draws nothing and returns true. The rectangle is clipped
// to the image.
bool FillGradient(ZImage& target, int32_t x, int32_t y, int32_t w, int32_t h, ZColor from,
                  ZColor to, int mode);

// Fills the w x h picture `image` (24 bits) with the radial gradient: with integer halves
// cx = w / 2, cy = h / 2 and R = sqrt(cx^2 + cy^2), the pixel at column i of memory row j has
// t = sqrt(((i - cx)^2 + (j - cy)^2) / R^2) and colour trunc(from * (1 - t) + to * t) per
// channel where t < 1, `to` elsewhere (double precision; the squares are exact, so the corners
// get exactly `to`). A 1 x 1 picture (R = 0) is its centre and gets `from`. Used by both
// gradient fills.
bool FillRadialGradientImage(ZImage& image, ZColor from, ZColor to);

// Fills the rectangle x, y, w, h (clipped to the image) with colour; nothing when w or h < 1.
// False on an empty image or a target of fewer than 24 bits.
bool FillSolidRect(ZImage& target, int32_t x, int32_t y, int32_t w, int32_t h, ZColor colour);

// Device-context drawing (Windows build only)
// --------------------------------------------------------

// GDI version of FillGradient: modes 0 and 1 as solid rectangles, mode 2 as 1-pixel pen lines,
// mode 3 as a radial picture copied with SRCCOPY. Gives the same pixels as the portable version.
bool FillGradient(HDC__* dc, int32_t x, int32_t y, int32_t w, int32_t h, ZColor from, ZColor to,
                  int mode);

// ExtTextOutW with ETO_OPAQUE over x, y, x + w, y + h in the colour.
void FillSolidRect(HDC__* dc, int32_t x, int32_t y, int32_t w, int32_t h, ZColor colour);

// RoundRect with a null brush and a solid pen of penWidth and colour, the corner size as both
// ellipse width and height. The device context's pen and brush are restored.
void DrawRoundedFrame(HDC__* dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      int32_t penWidth, ZColor colour, int32_t cornerSize);

}  // namespace zentrova
