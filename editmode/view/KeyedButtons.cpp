#include "editmode/view/KeyedButtons.h"

namespace zentrova {

bool KeyedButtons::Load(const ZImage& picture, int32_t frames) {
    Release();
    if (!picture.IsValid() || frames < 1 || frames > 9 ||
        picture.GetWidth() < static_cast<uint32_t>(frames)) {
        return false;
    }
    if (!m_picture.CopyFrom(picture) || !m_picture.SetBitDepth(24)) {
        Release();
        return false;
    }
    m_frames = frames;
    m_frameWidth = static_cast<int32_t>(picture.GetWidth()) / frames;
    m_frameHeight = static_cast<int32_t>(picture.GetHeight());
    m_hot.assign(static_cast<size_t>(m_frameWidth) * m_frameHeight, 0);
    for (int32_t y = 0; y < m_frameHeight; ++y) {
        const uint8_t* row = m_picture.GetRow(static_cast<uint32_t>(m_frameHeight - 1 - y));
        for (int32_t k = 1; k < frames; ++k) {
            for (int32_t x = 0; x < m_frameWidth; ++x) {
                const uint8_t* p = row + 3 * (static_cast<size_t>(k) * m_frameWidth + x);
                const bool key = p[0] == 0xFF && p[1] == 0x00 && p[2] == 0xFF;
                if (!key) {
                    m_hot[static_cast<size_t>(y) * m_frameWidth + x] |=
                        static_cast<uint8_t>(1u << (k - 1));
                }
            }
        }
    }
    return true;
}

void KeyedButtons::Release() {
    m_picture.Destroy();
    m_hot.clear();
    m_frames = 0;
    m_frameWidth = 0;
    m_frameHeight = 0;
}

bool KeyedButtons::InHotArea(int32_t button, int32_t x, int32_t y) const {
    if (button < 1 || button >= m_frames || x < 0 || y < 0 || x >= m_frameWidth ||
        y >= m_frameHeight) {
        return false;
    }
    return (m_hot[static_cast<size_t>(y) * m_frameWidth + x] >> (button - 1)) & 1u;
}

int32_t KeyedButtons::HitTest(int32_t x, int32_t y) const {
    for (int32_t k = 1; k < m_frames; ++k) {
        if (InHotArea(k, x, y)) {
            return k;
        }
    }
    return 0;
}

}  // namespace zentrova
