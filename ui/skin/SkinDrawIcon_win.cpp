// Drawing one icon of the skin's "ButtonIcons" strip into a device context.
#include <windows.h>

#include "image/ZImageEffects.h"
#include "ui/skin/Skin.h"

namespace zentrova {

bool Skin::DrawIcon(int index, uint32_t state, HDC__* dc, int x, int y) const {
    if (dc == nullptr || !m_buttonIcons.IsValid() || m_iconWidth == 0 || m_iconHeight == 0 ||
        index < 0 || static_cast<uint32_t>(index) >= kButtonIconCount) {
        return false;
    }
    const bool disabled = (state & kIconStateDisabled) != 0;
    const int width = m_iconWidth;
    const int height = m_iconHeight;
    const int sourceX = index * width;

    if (m_buttonIcons.GetBitsPerPixel() == 32) {
        BLENDFUNCTION blend = {};
        blend.BlendOp = AC_SRC_OVER;
        blend.SourceConstantAlpha = disabled ? kDisabledIconAlpha : 255;
        blend.AlphaFormat = AC_SRC_ALPHA;  // premultiplied when the skin was loaded
        return AlphaBlend(dc, x, y, width, height, m_buttonIcons.GetDC(), sourceX, 0, width, height,
                          blend) != FALSE;
    }

    // A keyed strip: the colour of its top-left pixel is transparent. A disabled button's icon is
    // drawn from a grey copy.
    ZImage grey;
    const ZImage* strip = &m_buttonIcons;
    if (disabled) {
        if (!grey.CopyFrom(m_buttonIcons) || !Grayscale(grey) || !grey.SetBitDepth(24)) {
            return false;
        }
        strip = &grey;
    }
    HDC source = strip->GetDC();
    const COLORREF key = GetPixel(source, 0, 0);
    return TransparentBlt(dc, x, y, width, height, source, sourceX, 0, width, height, key) != FALSE;
}

}  // namespace zentrova
