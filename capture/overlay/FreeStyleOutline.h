// The free-style (lasso) outline: its bounded point list, its bounding box and the cut-out of
// the frozen desktop through the outline's polygon.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "capture/overlay/OverlayPlacement.h"
#include "image/ZImage.h"

namespace zentrova {

constexpr ZColor kKeyColour = 0x00FF00FF;  // magenta: outside the outline

class FreeStyleOutline {
  public:
    // Makes room for capacity points (allocated here, once per capture) and empties the list.
    // False when the room cannot be had.
    bool Start(size_t capacity);
    // Releases the room.
    void Release();

    // Appends a point; false (nothing changed) when the list is full or was not started.
    bool Append(int32_t x, int32_t y);
    // Appends the first point once more, closing the outline, when there is room; false
    // otherwise (also for an empty list).
    bool Close();

    size_t Count() const { return m_count; }
    size_t Capacity() const { return m_capacity; }
    // Points as x, y pairs (2 * Count() values).
    const int32_t* Points() const { return m_points.data(); }

    // The bounding box of all points (right and bottom exclusive: the last column and row are
    // inside), grown by margin pixels on every side. Empty for an empty list.
    ZRect BoundingBox(int32_t margin) const;

  private:
    std::vector<int32_t> m_points;
    size_t m_capacity = 0;
    size_t m_count = 0;
};

// Rasterises the closed polygon points (count x, y pairs), moved by (dx, dy), into a width x
// height mask of 0 and 1 bytes (rows from the top) with the non-zero winding rule: a pixel is
// inside when its centre (x + 0.5, y + 0.5) has a non-zero winding number. False when the size
// is not acceptable.
bool RasterisePolygonWinding(const int32_t* points, size_t count, int32_t dx, int32_t dy,
                             int32_t width, int32_t height, std::vector<uint8_t>& mask);

// The free-style cut-out: target becomes a 24-bit picture of box's size filled with magenta, in
// which the pixels inside the outline are copied from frozen (24 or 32 bits; box in its
// coordinates; pixels of the box outside frozen stay magenta). False when the image cannot be
// made (target then empty).
bool CutOutOutline(const ZImage& frozen, const FreeStyleOutline& outline, const ZRect& box,
                   ZImage& target);

}  // namespace zentrova
