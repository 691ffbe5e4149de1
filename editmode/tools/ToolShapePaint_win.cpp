// PaintToolShape with GDI: the figures drawn through the target picture's device context with
// the pens, brushes and mix modes the tools ask for.
#include <windows.h>

#include <vector>

#include "editmode/tools/ToolShape.h"

namespace zentrova {

namespace {

// The pen of a figure: a 1-pixel dotted pen for previews, a 1-pixel solid pen for filled
// polygons (arrow heads), otherwise a geometric pen with square ends and bevel joins.
HPEN MakePen(const Figure& f, ZColor colour) {
    if (f.dottedPen) {
        return CreatePen(PS_DOT, 1, colour);
    }
    if (f.penWidth <= 0) {
        return static_cast<HPEN>(GetStockObject(NULL_PEN));
    }
    if (f.kind == FigureKind::Polygon) {
        return CreatePen(PS_SOLID, f.penWidth, colour);
    }
    LOGBRUSH brush{BS_SOLID, colour, 0};
    const DWORD dash = static_cast<DWORD>(f.lineStyle >= 0 && f.lineStyle < kLineStyleCount
                                              ? f.lineStyle
                                              : 0);  // PS_SOLID ... PS_DASHDOTDOT
    return ExtCreatePen(PS_GEOMETRIC | PS_JOIN_BEVEL | PS_ENDCAP_SQUARE | dash,
                        static_cast<DWORD>(f.penWidth), &brush, 0, nullptr);
}

void DrawFigure(HDC dc, const Figure& f, int32_t dx, int32_t dy) {
    std::vector<POINT> points;
    points.reserve(f.points.size());
    for (const ZPoint& p : f.points) {
        points.push_back(POINT{p.x + dx, p.y + dy});
    }
    const int count = static_cast<int>(points.size());
    switch (f.kind) {
        case FigureKind::Polyline:
            if (count >= 2) {
                Polyline(dc, points.data(), count);
            }
            break;
        case FigureKind::Polygon:
            if (count >= 3) {
                Polygon(dc, points.data(), count);
            }
            break;
        case FigureKind::RoundRect:
            RoundRect(dc, f.rect.left + dx, f.rect.top + dy, f.rect.right + dx, f.rect.bottom + dy,
                      f.corner, f.corner);
            break;
        case FigureKind::Ellipse:
            Ellipse(dc, f.rect.left + dx, f.rect.top + dy, f.rect.right + dx, f.rect.bottom + dy);
            break;
    }
}

}  // namespace

bool PaintToolShape(ZImage& target, const ToolShape& shape, int32_t dx, int32_t dy,
                    const ShapeInk& ink) {
    HDC dc = target.GetDC();
    if (dc == nullptr || shape.IsEmpty()) {
        return false;
    }
    const ZColor colour = ink.colour & 0xFFFFFF;
    const int oldRop = SetROP2(dc, ink.maskPen ? R2_MASKPEN : R2_COPYPEN);
    const int oldBk = SetBkMode(dc, TRANSPARENT);
    for (const Figure& f : shape.figures) {
        HPEN pen = MakePen(f, colour);
        HBRUSH brush =
            f.filled ? CreateSolidBrush(colour) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        DrawFigure(dc, f, dx, dy);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(pen);  // stock objects ignore the deletion
        DeleteObject(brush);
    }
    SetBkMode(dc, oldBk);
    SetROP2(dc, oldRop);
    GdiFlush();
    return true;
}

}  // namespace zentrova
