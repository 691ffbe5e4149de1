// The pieces of the drop shadow's plain-rectangle path (internal to the image effects): the small
// blurred sample is spread over the margins of the result by eight stretched copies.
#pragma once

#include <cstdint>

#include "image/ZImage.h"

namespace zentrova::effects {

// The portable equivalent of a SRCCOPY stretch (ZImage::DrawPart) between two 24-bit pictures:
// the source rectangle sx, sy, sw, sh is stretched into the target rectangle dx, dy, dw, dh
// (picture coordinates from the top). Columns and rows are mapped the way the platform's stretch
// maps an enlargement: target position j (counted inside the rectangle) takes source position
// ((2j + 1) * sw - 1) div (2 * dw), the source pixel under the target pixel's centre with a
// centre on a boundary going to the earlier pixel (likewise for rows). Both rectangles must lie
// inside their pictures, with sw <= dw and sh <= dh; false (nothing drawn) otherwise.
bool DrawPartPixels(ZImage& target, int32_t dx, int32_t dy, int32_t dw, int32_t dh,
                    const ZImage& source, int32_t sx, int32_t sy, int32_t sw, int32_t sh);

// Copies the eight pieces of the sample P (24 bits, (2m + 200) squared) into the result R
// (24 bits, at least 2m + 1 each way) in this order, Pw, Ph and Rw, Rh being their sizes:
// top strip (Pw/2, 0, m, m) to (0, 0, Rw, m); bottom strip (Pw/2, Ph - m, m, m) to
// (0, Rh - m, Rw, m); left strip (0, Ph/2, m, m) to (0, 0, m, Rh); right strip
// (Pw - m, Ph/2, m, m) to (Rw - m, 0, m, Rh); then the 2m x 2m corners (0, 0), (Pw - 2m, 0),
// (Pw - 2m, Ph - 2m), (0, Ph - 2m) of P unscaled to (0, 0), (Rw - 2m, 0), (Rw - 2m, Rh - 2m),
// (0, Rh - 2m) of R. m = 0 copies nothing.
// CopyShadowPieces draws with ZImage::DrawPart into R's device context on Windows and is
// CopyShadowPiecesPixels natively; CopyShadowPiecesPixels exists in both builds.
bool CopyShadowPieces(ZImage& result, const ZImage& sample, int32_t margin);
bool CopyShadowPiecesPixels(ZImage& result, const ZImage& sample, int32_t margin);

}  // namespace zentrova::effects
