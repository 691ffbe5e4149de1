// Image effects: whole-picture operations used by the editor's image commands, the annotation
// tools on a selected region and the capture finishing step.
//
// Conventions
// -----------
// * Every effect works in place on a ZImage (bottom-up rows, B-G-R(-A) pixels, colours
//   0x00BBGGRR; see ZImage.h). "Memory row" r is the stored row (0 = bottom of the picture);
//   "picture row" y counts from the top (memory row height - 1 - y).
// * Every effect returns false and leaves the image unchanged when the image is empty, of a depth
//   the effect does not take, when an argument is out of range, or when a working buffer cannot be
//   allocated before the image was touched.
// * Pixelize, box blur and spin blur also report their failures to the error log under the module
//   "Image\ZImageEffects" with the codes below.
#pragma once

#include <cstdint>

#include "image/ZImage.h"

namespace zentrova {

// Error-log codes of the effects.
constexpr int kEffectErrorNoMemory = 12;    // no memory for a working buffer or image
constexpr int kEffectErrorInvalid = 13;     // invalid argument or image; working copy not made
constexpr int kEffectErrorTooShallow = 14;  // the image is empty or has fewer than 24 bits

constexpr const wchar_t* kEffectsModule = L"Image\\ZImageEffects";

// Drop shadow ------------------------------------------------------------------------------------

struct DropShadowOptions {
    ZColor shadowColour = 0x000000;
    ZColor backgroundColour = 0xFFFFFF;
    int directionDegrees = 315;   // 0..359; anything else puts the shadow straight under
    int dither = 8;               // blur radius; 0 leaves the shadow sharp
    int intensityPercent = 50;    // 100 = the shadow colour, 0 = the background colour
    int offset = 3;               // shadow displacement in pixels
    bool plainRectangle = false;  // build the shadow from a small sample (pictures > 200 px)
    ZColor keyColour = 0xFF00FF;  // pixels of this colour count as outside the picture
};

// The margin added on every side: 2 * offset + trunc(2.5 * dither).
int DropShadowMargin(int offset, int dither);

// 24 or 32 bits. The image grows by DropShadowMargin on every side and becomes a 24-bit picture
// over the background colour with its shadow. Offset and dither must not be negative; the
// intensity is limited to 0..100.
bool ApplyDropShadow(ZImage& image, const DropShadowOptions& options);

// Neighbourhood filters ---------------------------------------------------------------------------

// Filter indices 1..12, in this fixed order.
enum class NeighbourhoodFilter : int {
    Mean3 = 1,        // mean of the 3 x 3 neighbourhood
    Mean5 = 2,        // mean of the 5 x 5 neighbourhood
    SoftBlur = 3,     // (4c + 4 neighbours) >> 3
    Sharpen = 4,      // (9c - 4 neighbours) / 5
    SharpenMore = 5,  // (6c - 4 neighbours) / 2
    Edges = 6,        // 8c + 128 - 8 neighbours
    EmbossDiagonal = 7,
    EmbossVertical = 8,
    EmbossAntiDiagonal = 9,
    Maximum = 10,         // dilate
    Minimum = 11,         // erode
    MaxMinusCentre = 12,  // outline (pencil drawing)
};

constexpr int kFirstFilterIndex = 1;
constexpr int kLastFilterIndex = 12;

// 24 or 32 bits, index 1..12. The outer border (1 pixel, 2 for index 2) and alpha stay as they
// were; a picture no larger than its border stays unchanged (true).
bool ApplyFilter(ZImage& image, int filterIndex);

// Blocks and blurs --------------------------------------------------------------------------------

// 24 or 32 bits, block size 1..width. Blocks are aligned to the bottom-left corner; every byte of
// a block (alpha included) becomes the block's truncated mean. Logs code 14 (line 17) for an
// empty or shallow picture, 12 (line 21) when out of memory; a bad block size is not logged.
bool Pixelize(ZImage& image, int blockSize);

// The loops an effect may run: the fastest the processor allows, or the plain portable ones
// (which must give the same bytes; the tests compare them).
enum class EffectKernel { Fastest, Portable };

// Exactly 24 bits, radius >= 1: `passes` times a vertical then a horizontal running mean over
// 2 * radius + 1 samples with the edge pixels repeated.
bool BoxBlur(ZImage& image, int radius, int passes, EffectKernel kernel = EffectKernel::Fastest);

// 24 or 32 bits: every pixel becomes the mean of 64 samples each way along the arc through it
// around the picture's centre (angle in the same units the annotation tool passes, 3.0 there;
// the arc turns by about the angle in degrees each way). Rows are taken as memory rows; alpha is
// kept. Angles that are not finite or beyond +-360 are refused. Logs code 14 (line 146) for an
// empty or shallow picture, 13 (line 151) when the working copy cannot be made.
bool SpinBlur(ZImage& image, double angle, EffectKernel kernel = EffectKernel::Fastest);
// The spin blur computed only for the part x, y, w, h (picture coordinates from the top, clipped
// to the picture): every sample still comes from the whole picture around its centre, so the
// part's pixels come out exactly as SpinBlur gives them; the rest stays unchanged.
bool SpinBlurPart(ZImage& image, double angle, int32_t x, int32_t y, int32_t w, int32_t h,
                  EffectKernel kernel = EffectKernel::Fastest);

// 24 or 32 bits: a raised-button frame `frameWidth` wide, light top and left, dark bottom and
// right; strength 0..1. A frame wider or taller than the picture becomes min(width, height) - 1;
// a negative frame width or a strength that is not finite is refused.
bool Buttonize(ZImage& image, int frameWidth, double strength);

// Colour ------------------------------------------------------------------------------------------

// Any depth: the image becomes 8-bit grey, each pixel the blue byte of its 24-bit form. The
// image commands then make it 24 bits again with ZImage::SetBitDepth(24).
bool Grayscale(ZImage& image);

// Any depth: filter 12, invert, grayscale, back to 24 bits.
bool PencilDrawing(ZImage& image);

// Any depth: palettes of 8 bits or fewer are inverted; deeper images invert every byte.
bool Invert(ZImage& image);

// 24 or 32 bits: adds the offsets to red, green and blue, clamped to 0..255; alpha kept.
bool ColorOffset(ZImage& image, int redOffset, int greenOffset, int blueOffset);

// Geometry ----------------------------------------------------------------------------------------

// Any depth: every row reversed left to right.
bool Mirror(ZImage& image);

// Any depth: a quarter turn clockwise; (x, y) moves to (h - 1 - y, x). Palette, resolution and
// transparent index are kept (also for RotateLeft).
bool RotateRight(ZImage& image);

// Any depth: a quarter turn counter-clockwise; (x, y) moves to (y, w - 1 - x).
bool RotateLeft(ZImage& image);

// Canvas anchors: 0 top-left, 1 top, 2 top-right, 3 left, 4 centre, 5 right, 6 bottom-left,
// 7 bottom, 8 bottom-right.
constexpr int kFirstCanvasAnchor = 0;
constexpr int kLastCanvasAnchor = 8;

// Any depth, width and height >= 1, anchor 0..8: the picture is placed on a new canvas of the
// given size filled with `fill` (cut where it does not fit); the resolution becomes 96 dpi.
bool ResizeCanvas(ZImage& image, int width, int height, int anchor, ZColor fill);

}  // namespace zentrova
