// Device-context rectangles: the solid fill and the rounded frame, drawn with GDI.
#include <windows.h>

#include "image/ZCompositing.h"

namespace zentrova {

void FillSolidRect(HDC dc, int32_t x, int32_t y, int32_t w, int32_t h, ZColor colour) {
    const RECT rect = {x, y, x + w, y + h};
    const COLORREF previous = SetBkColor(dc, colour & 0x00FFFFFF);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

void DrawRoundedFrame(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      int32_t penWidth, ZColor colour, int32_t cornerSize) {
    HPEN pen = CreatePen(PS_SOLID, penWidth, colour & 0x00FFFFFF);
    if (pen == nullptr) {
        return;
    }
    HGDIOBJ previousPen = SelectObject(dc, pen);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, left, top, right, bottom, cornerSize, cornerSize);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

}  // namespace zentrova
