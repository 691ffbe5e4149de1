// Resampling: giving a ZImage a new pixel size.
//
// Two resamplers:
// * the filtered resize (Resize, ResampleBuffer) with five filters, used wherever a picture gets
//   a new size for keeps. It works on blue, green and red; the alpha of a 32-bit image is carried
//   along separately and always resampled with No Smoothing;
// * the display resampler (ResizeForDisplay, AreaAverageBuffer, DrawScaled): exact area
//   averaging in 12-bit fixed point from any source depth straight into 24 bits.
//
// Conventions
// -----------
// * Buffers are bottom-up with rows padded to 4 bytes, as ZImage keeps its pixels (ZImage.h).
//   w, h are the source's width and height, W, H the destination's. Every row mapping starts at
//   memory row 0 (the bottom row), every column mapping at the left column.
// * Filters 1 to 4 and the display resampler compute blue, green and red only; bytes beyond the
//   third of a pixel are left as they were in the destination buffer. Filter 0 copies whole
//   pixels.
// * Every operation on an empty image, an unsupported depth or filter returns false and changes
//   nothing (DrawScaled then draws nothing).
#pragma once

#include <cstdint>

#include "image/ZImage.h"

namespace zentrova {

// Filter indices, listed to the user as "No Smoothing|Bresenham|Bicubic|Gaussian|Bilinear".
constexpr int kFilterNoSmoothing = 0;
constexpr int kFilterBresenham = 1;
constexpr int kFilterBicubic = 2;
constexpr int kFilterGaussian = 3;
constexpr int kFilterBilinear = 4;

// Replaces the image by its resampled version of width x height (values below 1 become 1) with
// the chosen filter. The result is 24 bits, or 32 bits when the image was 32 bits (its alpha then
// resampled with No Smoothing). dpiX and dpiY are kept. False, image unchanged, on an empty image,
// a filter outside 0..4, a size beyond ZImage's limits or a failed allocation.
bool Resize(ZImage& image, int32_t width, int32_t height, int filter);

// As Resize, with the area-average resampler (AreaAverageBuffer) reading the image at whatever
// depth it has. The result is 24 bits (32 bits with the alpha resampled as in Resize).
bool ResizeForDisplay(ZImage& image, int32_t width, int32_t height);

// The five filters on buffers of `depth` bits per pixel (whole bytes; the buffers have that
// depth's stride). Supported depths: filter 0 any whole-byte depth (whole pixels are copied);
// filters 1, 2 and 3 24 and 32 bits; filter 4 24 bits only. Equal sizes copy the source.
// Returns false, destination untouched, for an unsupported depth or filter, a zero size or a
// failed allocation of scratch memory.
//   0 No Smoothing: integer error stepping, strict comparison (2 -> 4 gives columns 0,0,0,1).
//   1 Bresenham: exact box averaging, horizontal pass first, each pass truncated.
//   2 Bicubic: 4 x 4 cubic B-spline around x = i * w / W, y = j * h / H, single precision.
//   3 Gaussian: 8 x 8 unnormalised Gaussian samples from x - 4, y - 4, single precision.
//   4 Bilinear: exact box averaging, vertical pass first.
bool ResampleBuffer(uint8_t* destination, uint32_t width, uint32_t height, const uint8_t* source,
                    uint32_t sourceWidth, uint32_t sourceHeight, uint32_t depth, int filter);

// The display resampler: writes the width x height 24-bit destination from a source of 1, 4, 8,
// 16, 24 or 32 bits (palette: 256 red, green, blue triplets, required for 8 bits or fewer).
// Shrinking in both axes averages every source pixel into the destination cells with the product
// of 12-bit column and row weights (output = sum >> 24; single-precision weights when the source
// is 4001 pixels or more wide or high). Otherwise each destination pixel mixes at most 2 x 2
// source pixels; an axis that shrinks while the other grows is sampled. Equal sizes convert the
// source to 24 bits. Returns false, destination untouched, when a size is 0, the depth is not
// supported, the palette is missing or scratch memory cannot be had.
bool AreaAverageBuffer(uint8_t* destination, uint32_t width, uint32_t height, const uint8_t* source,
                       uint32_t sourceWidth, uint32_t sourceHeight, uint32_t sourceDepth,
                       const uint8_t* palette);

// Windows build only: draws the image scaled into x, y, width, height of dc (sizes below 1
// become 1). Sizes with width + height > 20000, the image's own size, and one axis growing while
// the other shrinks or stays go through the platform stretch (COLORONCOLOR); otherwise the
// area-average resampler makes the picture, put on dc with StretchDIBits. Channel modes 1, 2 and
// 3 draw only red, green or blue as a grey picture; the other modes draw the colours.
void DrawScaled(const ZImage& image, HDC__* dc, int x, int y, int width, int height,
                int channelMode);

namespace resample {

// out[i] = the source column (or row) of destination sample i under No Smoothing, for n source
// and m destination samples, by the error stepping of filter 0 (also used to stretch masks).
void NearestSteps(uint32_t n, uint32_t m, uint32_t* out);

}  // namespace resample

}  // namespace zentrova
