#include "editmode/tools/FreehandTool.h"

#include <algorithm>

#include "editmode/EditSession.h"
#include "editmode/tools/ToolCompositing.h"

namespace zentrova {

namespace {

constexpr ZColor kWhite = 0xFFFFFF;

ZRect Union(const ZRect& a, const ZRect& b) {
    if (a.IsEmpty()) {
        return b;
    }
    return ZRect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                 std::max(a.bottom, b.bottom)};
}

}  // namespace

bool FreehandTool::Press(EditSession& session, const ToolPointer& pointer) {
    if (!session.HasPicture()) {
        return false;
    }
    const EditView& view = session.View();
    const auto w = static_cast<uint32_t>(view.GetScreenWidth());
    const auto h = static_cast<uint32_t>(view.GetScreenHeight());
    if (m_layer.IsValid() && m_layer.GetWidth() == w && m_layer.GetHeight() == h) {
        m_layer.FillRect(m_dirty.left, m_dirty.top, m_dirty.Width(), m_dirty.Height(), kWhite);
    } else if (!m_layer.Create(w, h, 24, kWhite, nullptr)) {
        return false;
    }
    m_dirty = ZRect{};
    m_points.clear();
    m_points.reserve(kMaxFreehandPoints);
    m_liveColour = StrokeColour(session.Settings());
    m_liveWidth = static_cast<int32_t>(
        std::max<int64_t>(1, ScaleByZoom(StrokeWidth(session.Settings()), view.GetZoom())));
    m_drawing = true;
    AddPoint(session, pointer.pixel);
    session.Host().Repaint();
    return true;
}

void FreehandTool::Move(EditSession& session, const ToolPointer& pointer) {
    if (!m_drawing) {
        return;
    }
    if (!m_points.empty() && m_points.back() == pointer.pixel) {
        return;
    }
    AddPoint(session, pointer.pixel);
    session.Host().Repaint();
}

void FreehandTool::AddPoint(const EditSession& session, ZPoint pixel) {
    if (m_points.size() >= kMaxFreehandPoints) {
        return;
    }
    const EditView& view = session.View();
    const ZPoint to = view.ImageToWindow(pixel.x, pixel.y);
    const ZPoint from =
        m_points.empty() ? to : view.ImageToWindow(m_points.back().x, m_points.back().y);
    m_points.push_back(pixel);
    const ToolShape piece = MakePolylineShape({from, to}, m_liveWidth);
    PaintToolShape(m_layer, piece, 0, 0, ShapeInk{0x000000, false});
    m_dirty = Union(m_dirty, piece.Bounds());
}

void FreehandTool::Release(EditSession& session, const ToolPointer& pointer) {
    if (!m_drawing) {
        return;
    }
    Move(session, pointer);
    m_drawing = false;
    std::vector<ZPoint> points;
    points.swap(m_points);
    if (!points.empty() && session.HasPicture()) {
        Commit(session, points);
    }
    session.Host().Repaint();
}

void FreehandTool::Cancel(EditSession&) {
    m_drawing = false;
    m_points.clear();
}

ToolCursor FreehandTool::CursorAt(const EditSession&, const ToolPointer&, bool) const {
    switch (Number()) {
        case ToolNumber::Pencil:
            return ToolCursor::Pencil;
        case ToolNumber::Marker:
            return ToolCursor::Marker;
        case ToolNumber::Rubber:
            return ToolCursor::Rubber;
        default:
            return ToolCursor::Cross;
    }
}

void FreehandTool::DrawLive(const EditSession&, ZImage& buffer) const {
    if (m_drawing) {
        LayStrokeLayer(buffer, m_layer, m_dirty, m_liveColour, AndsColour());
    }
}

}  // namespace zentrova
