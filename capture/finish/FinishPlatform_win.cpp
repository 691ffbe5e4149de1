// The finishing pipeline's platform steps with Win32.
#include "capture/finish/FinishPlatform_win.h"

#include <windows.h>
#include <mmsystem.h>

namespace zentrova {

bool GdiFinishPlatform::PlayCaptureSound() {
    HINSTANCE module = m_instance != nullptr ? m_instance : GetModuleHandleW(nullptr);
    return PlaySoundW(MAKEINTRESOURCEW(kCaptureSoundResource), module,
                      SND_RESOURCE | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

bool GdiFinishPlatform::GetIconSize(int32_t& width, int32_t& height) {
    width = GetSystemMetrics(SM_CXICON);
    height = GetSystemMetrics(SM_CYICON);
    return width > 0 && height > 0;
}

bool GdiFinishPlatform::DrawArrowCursor(ZImage& target, int32_t x, int32_t y) {
    HDC dc = target.GetDC();
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    int32_t width = 0, height = 0;
    if (dc == nullptr || arrow == nullptr || !GetIconSize(width, height)) {
        return false;
    }
    const bool drawn = DrawIconEx(dc, x, y, arrow, width, height, 0, nullptr, DI_NORMAL) != FALSE;
    GdiFlush();
    return drawn;
}

bool GdiFinishPlatform::DrawShapeMask(ZImage& mask, uint32_t shapeType) {
    HDC dc = mask.GetDC();
    if (dc == nullptr || (shapeType != 1 && shapeType != 2)) {
        return false;
    }
    const int w = static_cast<int>(mask.GetWidth());
    const int h = static_cast<int>(mask.GetHeight());
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    const BOOL drawn = shapeType == 1
                           ? RoundRect(dc, 0, 0, w, h, kRoundedShapeCorner, kRoundedShapeCorner)
                           : Ellipse(dc, 0, 0, w, h);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    GdiFlush();
    return drawn != FALSE;
}

}  // namespace zentrova

namespace zentrova {

std::unique_ptr<FinishPlatform> MakeSystemFinishPlatform() {
    return std::make_unique<GdiFinishPlatform>(nullptr);
}

}  // namespace zentrova
