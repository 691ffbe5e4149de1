// Windows build: the drop shadow's eight pieces are stretched with ZImage::DrawPart (GDI
// StretchBlt, SRCCOPY) into the result's device context.
#include <windows.h>

#include "image/effects/ZShadowPieces.h"

namespace zentrova::effects {

bool CopyShadowPieces(ZImage& result, const ZImage& sample, int32_t m) {
    if (!result.IsValid() || !sample.IsValid() || result.GetBitsPerPixel() != 24 ||
        sample.GetBitsPerPixel() != 24 || m < 0) {
        return false;
    }
    if (m == 0) {
        return true;
    }
    const int pw = static_cast<int>(sample.GetWidth());
    const int ph = static_cast<int>(sample.GetHeight());
    const int rw = static_cast<int>(result.GetWidth());
    const int rh = static_cast<int>(result.GetHeight());
    const int d = 2 * m;
    if (pw < d || ph < d || rw < d || rh < d) {
        return false;
    }
    HDC dc = result.GetDC();
    sample.DrawPart(dc, 0, 0, rw, m, pw / 2, 0, m, m, SRCCOPY);
    sample.DrawPart(dc, 0, rh - m, rw, m, pw / 2, ph - m, m, m, SRCCOPY);
    sample.DrawPart(dc, 0, 0, m, rh, 0, ph / 2, m, m, SRCCOPY);
    sample.DrawPart(dc, rw - m, 0, m, rh, pw - m, ph / 2, m, m, SRCCOPY);
    sample.DrawPart(dc, 0, 0, d, d, 0, 0, d, d, SRCCOPY);
    sample.DrawPart(dc, rw - d, 0, d, d, pw - d, 0, d, d, SRCCOPY);
    sample.DrawPart(dc, rw - d, rh - d, d, d, pw - d, ph - d, d, d, SRCCOPY);
    sample.DrawPart(dc, 0, rh - d, d, d, 0, ph - d, d, d, SRCCOPY);
    GdiFlush();
    return true;
}

}  // namespace zentrova::effects
