#include "editmode/paint/ZoomCache.h"

#include "editmode/view/EditView.h"
#include "image/ZResample.h"

namespace zentrova {

void ZoomCache::Invalidate() {
    m_valid = false;
    m_zoom = 0;
}

bool ZoomCache::Rebuild(const ZImage& image, int32_t zoom, int32_t width, int32_t height) {
    Invalidate();
    if (!image.IsValid() || width < 1 || height < 1 ||
        !ZImage::IsSizeAcceptable(static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                                  24)) {
        m_picture.Destroy();
        return false;
    }
    // Re-creating at the same size reuses the pixel memory.
    if (!m_picture.CreateForOverwrite(static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                                      24, nullptr)) {
        m_picture.Destroy();
        return false;
    }
    bool made;
    if (zoom > kZoomOne && image.GetBitsPerPixel() == 24) {
        made = ResampleBuffer(m_picture.GetBits(), m_picture.GetWidth(), m_picture.GetHeight(),
                              image.GetBits(), image.GetWidth(), image.GetHeight(), 24,
                              kFilterNoSmoothing);
    } else {
        uint8_t palette[ZImage::kPaletteBytes];
        const bool indexed = image.GetBitsPerPixel() <= 8;
        if (indexed) {
            image.GetPalette(palette);
        }
        made = AreaAverageBuffer(m_picture.GetBits(), m_picture.GetWidth(), m_picture.GetHeight(),
                                 image.GetBits(), image.GetWidth(), image.GetHeight(),
                                 image.GetBitsPerPixel(), indexed ? palette : nullptr);
    }
    if (!made) {
        m_picture.Destroy();
        return false;
    }
    m_picture.dpiX = image.dpiX;
    m_picture.dpiY = image.dpiY;
    m_zoom = zoom;
    m_valid = true;
    return true;
}

}  // namespace zentrova
