// Gradient fills drawn into a device context with GDI: solid rectangles for the horizontal and
// vertical modes, 1-pixel pen lines for the diagonal mode and a radial picture copied with
// SRCCOPY. ZGradient.cpp draws the same pixels without a device context.
#include <windows.h>

#include "image/ZCompositing.h"
#include "image/ZGradientColors.h"

namespace zentrova {

namespace {

// Mode 2: step k is the 45-degree line from the start point (walking down the left edge, then
// along the bottom edge) to the end point (along the top edge, then down the right edge). LineTo
// leaves out the last pixel, so each line is drawn one diagonal step past its end point: the end
// point is painted too and no row or column of the rectangle stays unfilled.
void DrawDiagonal(HDC dc, int32_t x, int32_t y, int32_t w, int32_t h, ZColor from, ZColor to) {
    const int64_t steps = int64_t{w} + h;
    for (int64_t k = 0; k + 1 < steps; ++k) {
        const int32_t startColumn = static_cast<int32_t>(k < h ? 0 : k - h + 1);
        const int32_t startRow = static_cast<int32_t>(k < h ? k : h - 1);
        const int32_t endColumn = static_cast<int32_t>(k < w ? k : w - 1);
        const int32_t endRow = static_cast<int32_t>(k < w ? 0 : k - w + 1);
        HPEN pen = CreatePen(PS_SOLID, 1, gradient::Step(from, to, k, steps));
        if (pen == nullptr) {
            continue;
        }
        HGDIOBJ previous = SelectObject(dc, pen);
        MoveToEx(dc, x + startColumn, y + startRow, nullptr);
        LineTo(dc, x + endColumn + 1, y + endRow - 1);
        SelectObject(dc, previous);
        DeleteObject(pen);
    }
}

}  // namespace

bool FillGradient(HDC dc, int32_t x, int32_t y, int32_t w, int32_t h, ZColor from, ZColor to,
                  int mode) {
    if (w < 1 || h < 1) {
        return false;
    }
    switch (mode) {
        case kGradientHorizontal:
            for (int32_t i = 0; i < w; ++i) {
                FillSolidRect(dc, x + i, y, 1, h, gradient::Step(from, to, i, w));
            }
            return true;
        case kGradientVertical:
            for (int32_t j = 0; j < h; ++j) {
                FillSolidRect(dc, x, y + j, w, 1, gradient::Step(from, to, j, h));
            }
            return true;
        case kGradientDiagonal:
            DrawDiagonal(dc, x, y, w, h, from, to);
            return true;
        case kGradientRadial: {
            ZImage picture;
            if (!picture.CreateForOverwrite(static_cast<uint32_t>(w), static_cast<uint32_t>(h), 24,
                                            nullptr) ||
                !FillRadialGradientImage(picture, from, to)) {
                return false;
            }
            return picture.Draw(dc, x, y, SRCCOPY);
        }
        default:
            return true;
    }
}

}  // namespace zentrova
