#include "editmode/tools/ToolShape.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace zentrova {

namespace {

void Include(ZRect& bounds, bool& any, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (!any) {
        bounds = ZRect{left, top, right, bottom};
        any = true;
        return;
    }
    bounds.left = std::min(bounds.left, left);
    bounds.top = std::min(bounds.top, top);
    bounds.right = std::max(bounds.right, right);
    bounds.bottom = std::max(bounds.bottom, bottom);
}

int32_t Trunc(double value) {
    return static_cast<int32_t>(std::trunc(value));
}

int32_t ScaledWidth(int32_t width, int32_t zoom) {
    if (width <= 0) {
        return 0;
    }
    return static_cast<int32_t>(std::max<int64_t>(1, ScaleByZoom(width, zoom)));
}

}  // namespace

ZRect ToolShape::Bounds() const {
    ZRect bounds;
    bool any = false;
    for (const Figure& f : figures) {
        const int32_t grow = std::max(f.penWidth, 1) / 2 + 2;
        if (f.kind == FigureKind::Polyline || f.kind == FigureKind::Polygon) {
            for (const ZPoint& p : f.points) {
                Include(bounds, any, p.x - grow, p.y - grow, p.x + grow + 1, p.y + grow + 1);
            }
        } else {
            Include(bounds, any, std::min(f.rect.left, f.rect.right) - grow,
                    std::min(f.rect.top, f.rect.bottom) - grow,
                    std::max(f.rect.left, f.rect.right) + grow + 1,
                    std::max(f.rect.top, f.rect.bottom) + grow + 1);
        }
    }
    return bounds;
}

ToolShape ToolShape::OnScreen(const EditView& view) const {
    ToolShape screen = *this;
    const int32_t zoom = view.GetZoom();
    for (Figure& f : screen.figures) {
        for (ZPoint& p : f.points) {
            p = view.ImageToWindow(p.x, p.y);
        }
        const ZPoint a = view.ImageToWindow(f.rect.left, f.rect.top);
        const ZPoint b = view.ImageToWindow(f.rect.right, f.rect.bottom);
        f.rect = ZRect{a.x, a.y, b.x, b.y};
        f.corner = static_cast<int32_t>(ScaleByZoom(f.corner, zoom));
        if (!f.dottedPen) {
            f.penWidth = ScaledWidth(f.penWidth, zoom);
        }
    }
    return screen;
}

ArrowGeometry MakeArrowGeometry(ZPoint tip, ZPoint tail, ArrowStyle style) {
    ArrowGeometry g;
    const double dx = static_cast<double>(tip.x) - tail.x;
    const double dy = static_cast<double>(tip.y) - tail.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length < 1.0) {
        return g;
    }
    g.drawn = true;
    const double theta = std::atan2(dy, dx);
    const double s = std::sin(theta);
    const double c = std::cos(theta);
    double h = 20.0;
    g.penWidth = 4;
    if (style == ArrowStyle::Growing) {
        h = length / 5.0;
        g.penWidth = Trunc(length) / 24;
    }
    g.headLength = h;
    const double k = h / 400.0;
    g.shaftFrom = ZPoint{tip.x + Trunc(k * s - h * c), tip.y - Trunc(k * c + h * s)};
    g.shaftTo = tail;
    g.head[0] = ZPoint{tip.x - Trunc(h / 2 * s + h * c), tip.y + Trunc(h / 2 * c - h * s)};
    g.head[1] = ZPoint{tip.x + Trunc(h / 2 * s - h * c), tip.y - Trunc(h / 2 * c + h * s)};
    g.head[2] = tip;
    if (style == ArrowStyle::DualHead) {
        g.dualHead = true;
        g.shaftTo = ZPoint{tail.x - Trunc(k * s - h * c), tail.y + Trunc(k * c + h * s)};
        g.tailHead[0] =
            ZPoint{tail.x + Trunc(h / 2 * s + h * c), tail.y - Trunc(h / 2 * c - h * s)};
        g.tailHead[1] =
            ZPoint{tail.x - Trunc(h / 2 * s - h * c), tail.y + Trunc(h / 2 * c + h * s)};
        g.tailHead[2] = tail;
    }
    return g;
}

ToolShape MakeArrowShape(ZPoint tip, ZPoint tail, ArrowStyle style, int32_t lineStyle) {
    ToolShape shape;
    const ArrowGeometry g = MakeArrowGeometry(tip, tail, style);
    if (!g.drawn) {
        return shape;
    }
    if (g.penWidth > 0) {
        Figure shaft;
        shaft.kind = FigureKind::Polyline;
        shaft.points = {g.shaftFrom, g.shaftTo};
        shaft.penWidth = g.penWidth;
        shaft.lineStyle = lineStyle;
        shape.figures.push_back(shaft);
    }
    Figure head;
    head.kind = FigureKind::Polygon;
    head.points.assign(g.head, g.head + 3);
    head.penWidth = 1;
    head.filled = true;
    shape.figures.push_back(head);
    if (g.dualHead) {
        head.points.assign(g.tailHead, g.tailHead + 3);
        shape.figures.push_back(head);
    }
    return shape;
}

ToolShape MakeLineShape(ZPoint a, ZPoint b, int32_t width, int32_t lineStyle) {
    ToolShape shape;
    if (a == b) {
        return shape;
    }
    Figure line;
    line.points = {a, b};
    line.penWidth = width;
    line.lineStyle = lineStyle;
    shape.figures.push_back(line);
    return shape;
}

ToolShape MakePolylineShape(const std::vector<ZPoint>& points, int32_t width) {
    ToolShape shape;
    if (points.empty()) {
        return shape;
    }
    Figure line;
    line.points = points;
    if (line.points.size() == 1) {
        line.points.push_back(points.front());
    }
    line.penWidth = width;
    shape.figures.push_back(line);
    return shape;
}

}  // namespace zentrova
