#include "capture/overlay/FreeStyleOutline.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zentrova {

bool FreeStyleOutline::Start(size_t capacity) {
    Release();
    if (capacity > std::numeric_limits<size_t>::max() / 2) {
        return false;
    }
    std::vector<int32_t> room;
    room.resize(capacity * 2);
    m_points.swap(room);
    m_capacity = capacity;
    return true;
}

void FreeStyleOutline::Release() {
    std::vector<int32_t>().swap(m_points);
    m_capacity = 0;
    m_count = 0;
}

bool FreeStyleOutline::Append(int32_t x, int32_t y) {
    if (m_count >= m_capacity) {
        return false;
    }
    m_points[2 * m_count] = x;
    m_points[2 * m_count + 1] = y;
    ++m_count;
    return true;
}

bool FreeStyleOutline::Close() {
    if (m_count == 0) {
        return false;
    }
    return Append(m_points[0], m_points[1]);
}

ZRect FreeStyleOutline::BoundingBox(int32_t margin) const {
    if (m_count == 0) {
        return {};
    }
    int32_t minX = m_points[0], maxX = m_points[0];
    int32_t minY = m_points[1], maxY = m_points[1];
    for (size_t i = 1; i < m_count; ++i) {
        minX = std::min(minX, m_points[2 * i]);
        maxX = std::max(maxX, m_points[2 * i]);
        minY = std::min(minY, m_points[2 * i + 1]);
        maxY = std::max(maxY, m_points[2 * i + 1]);
    }
    return {minX - margin, minY - margin, maxX + 1 + margin, maxY + 1 + margin};
}

bool RasterisePolygonWinding(const int32_t* points, size_t count, int32_t dx, int32_t dy,
                             int32_t width, int32_t height, std::vector<uint8_t>& mask) {
    if (width < 1 || height < 1 ||
        !ZImage::IsSizeAcceptable(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 8)) {
        return false;
    }
    mask.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    if (points == nullptr || count < 3) {
        return true;
    }
    struct Crossing {
        double x;
        int direction;
    };
    std::vector<Crossing> crossings;
    for (int32_t y = 0; y < height; ++y) {
        const double sampleY = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < count; ++i) {
            const size_t j = (i + 1) % count;
            const double x0 = static_cast<double>(points[2 * i]) + dx;
            const double y0 = static_cast<double>(points[2 * i + 1]) + dy;
            const double x1 = static_cast<double>(points[2 * j]) + dx;
            const double y1 = static_cast<double>(points[2 * j + 1]) + dy;
            if (y0 == y1) {
                continue;
            }
            // Half-open in y: an edge counts for sampleY in [min, max).
            const bool upward = y0 < y1;
            const double low = upward ? y0 : y1;
            const double high = upward ? y1 : y0;
            if (sampleY < low || sampleY >= high) {
                continue;
            }
            const double t = (sampleY - y0) / (y1 - y0);
            crossings.push_back({x0 + t * (x1 - x0), upward ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        int winding = 0;
        uint8_t* row = mask.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        for (size_t k = 0; k + 1 < crossings.size(); ++k) {
            winding += crossings[k].direction;
            if (winding == 0) {
                continue;
            }
            // Pixels whose centre lies in [crossings[k].x, crossings[k + 1].x).
            const double from = crossings[k].x - 0.5;
            const double to = crossings[k + 1].x - 0.5;
            int32_t first = static_cast<int32_t>(std::max(0.0, std::ceil(from)));
            const double lastExclusive = std::min(static_cast<double>(width), std::ceil(to));
            for (int32_t x = first; x < static_cast<int32_t>(lastExclusive); ++x) {
                row[x] = 1;
            }
        }
    }
    return true;
}

bool CutOutOutline(const ZImage& frozen, const FreeStyleOutline& outline, const ZRect& box,
                   ZImage& target) {
    target.Destroy();
    if (box.Width() < 1 || box.Height() < 1 || !frozen.IsValid() ||
        (frozen.GetBitsPerPixel() != 24 && frozen.GetBitsPerPixel() != 32)) {
        return false;
    }
    const uint32_t w = static_cast<uint32_t>(box.Width());
    const uint32_t h = static_cast<uint32_t>(box.Height());
    std::vector<uint8_t> mask;
    if (!RasterisePolygonWinding(outline.Points(), outline.Count(), -box.left, -box.top,
                                 box.Width(), box.Height(), mask)) {
        return false;
    }
    if (!target.Create(w, h, 24, kKeyColour, nullptr)) {
        return false;
    }
    frozen.FlushDrawing();
    const uint32_t sb = frozen.GetBitsPerPixel() / 8u;
    for (uint32_t y = 0; y < h; ++y) {
        const int64_t sy = int64_t{box.top} + y;
        if (sy < 0 || sy >= frozen.GetHeight()) {
            continue;
        }
        const uint8_t* srcRow = frozen.GetRow(frozen.GetHeight() - 1u - static_cast<uint32_t>(sy));
        uint8_t* dstRow = target.GetRow(h - 1u - y);
        const uint8_t* m = mask.data() + static_cast<size_t>(y) * w;
        for (uint32_t x = 0; x < w; ++x) {
            const int64_t sx = int64_t{box.left} + x;
            if (!m[x] || sx < 0 || sx >= frozen.GetWidth()) {
                continue;
            }
            const uint8_t* s = srcRow + static_cast<size_t>(sx) * sb;
            uint8_t* d = dstRow + static_cast<size_t>(x) * 3u;
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
        }
    }
    return true;
}

}  // namespace zentrova
