// ToolShape: what a tool draws, as pen and brush figures in picture pixels, and the one platform
// seam that draws it (PaintToolShape, GDI in the Windows build).
//
// The tools build their figure once from the mouse positions and the settings; the compositing
// steps (ToolCompositing.h) decide where it is drawn (into the picture, a copy of a part of it,
// a mask) and in which colour; the live drawing draws the same figure mapped onto the screen.
// Portable apart from PaintToolShape.
#pragma once

#include <cstdint>
#include <vector>

#include "core/ZRect.h"
#include "editmode/tools/ToolSettings.h"
#include "editmode/view/EditView.h"
#include "image/ZImage.h"

namespace zentrova {

enum class FigureKind : uint8_t {
    Polyline,   // the points joined by the pen
    Polygon,    // the points as a closed, filled polygon (brush and a 1-pixel pen)
    RoundRect,  // rect with corner x corner ellipses; the pen, and the brush when filled
    Ellipse,    // the ellipse inside rect; the pen, and the brush when filled
};

struct Figure {
    FigureKind kind = FigureKind::Polyline;
    std::vector<ZPoint> points;
    ZRect rect;
    int32_t corner = 0;
    // Pen: a geometric pen of this width with square ends and bevel joins in the line style; 0 is
    // no pen. Brush: filled figures only.
    int32_t penWidth = 1;
    int32_t lineStyle = 0;
    bool dottedPen = false;  // a 1-pixel dotted pen instead (previews)
    bool filled = false;
};

struct ToolShape {
    std::vector<Figure> figures;

    bool IsEmpty() const { return figures.empty(); }
    // The pixels the figures can touch: every point and rectangle, grown by half the pen width
    // and one pixel for the pen's square ends and rounding. Empty for an empty shape.
    ZRect Bounds() const;
    // The figure on the screen: every coordinate through the view, pen widths and corners
    // multiplied by the zoom (at least 1 for a pen).
    ToolShape OnScreen(const EditView& view) const;
};

// How PaintToolShape draws: the colour of pen and brush, and the mix mode: replace, or AND the
// target with the colour (a highlighter).
struct ShapeInk {
    ZColor colour = 0;
    bool maskPen = false;
};

// Draws the shape into the 24-bit target with every coordinate moved by (dx, dy). Windows: GDI
// through the target's device context. Native build: draws nothing and returns false.
bool PaintToolShape(ZImage& target, const ToolShape& shape, int32_t dx, int32_t dy,
                    const ShapeInk& ink);

// Arrows ------------------------------------------------------------------------------------

// The parts of an arrow from the tip (where the drag started) to the tail.
struct ArrowGeometry {
    bool drawn = false;  // false for an arrow shorter than 1 pixel
    double headLength = 0;
    int32_t penWidth = 0;
    ZPoint shaftFrom;  // the middle of the tip head's base
    ZPoint shaftTo;    // the tail, or the base of the second head
    ZPoint head[3];    // the tip head: two base corners and the tip
    bool dualHead = false;
    ZPoint tailHead[3];
};

// The geometry of an arrow in picture pixels; style 0 and 1 use a head of 20 and a shaft of 4,
// style 2 grows with the length L: a head of L / 5 and a shaft of trunc(L) / 24.
ArrowGeometry MakeArrowGeometry(ZPoint tip, ZPoint tail, ArrowStyle style);
// The arrow as figures: the shaft in the line style, the heads as filled triangles.
ToolShape MakeArrowShape(ZPoint tip, ZPoint tail, ArrowStyle style, int32_t lineStyle);

// A line from a to b; empty when the two points are the same.
ToolShape MakeLineShape(ZPoint a, ZPoint b, int32_t width, int32_t lineStyle);
// A polyline through the points (a single point is drawn as a line onto itself).
ToolShape MakePolylineShape(const std::vector<ZPoint>& points, int32_t width);

}  // namespace zentrova
