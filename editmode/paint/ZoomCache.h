// ZoomCache: the working picture already scaled to the current zoom, so that a repaint after a
// pan or a frame drag only copies pixels.
//
// The cache is a 24-bit picture of the drawn size. It is made by area averaging when the zoom
// shrinks the picture and by repeating pixels (sharp cells) when it enlarges it. Whoever changes
// the working picture calls Invalidate; the cache then belongs to no picture until rebuilt.
// Portable; no window system.
#pragma once

#include <cstdint>

#include "image/ZImage.h"

namespace zentrova {

class ZoomCache {
  public:
    void Invalidate();
    // True when the cache holds the picture scaled at zoom.
    bool IsCurrent(int32_t zoom) const { return m_valid && m_zoom == zoom; }
    // Scales image to width x height for zoom. False, cache empty, when it cannot be made (the
    // caller then draws directly).
    bool Rebuild(const ZImage& image, int32_t zoom, int32_t width, int32_t height);
    const ZImage& Get() const { return m_picture; }

  private:
    ZImage m_picture;
    int32_t m_zoom = 0;
    bool m_valid = false;
};

}  // namespace zentrova
