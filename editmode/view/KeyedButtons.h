// KeyedButtons: a skin picture of frames side by side whose frame 0 is drawn and whose other
// frames mark hot areas: in frame k every pixel that is not magenta (0xFF00FF) belongs to button
// k. The scroll arrows (5 frames: picture and 4 arrows) and the previous / next buttons
// (3 frames) are made this way.
// Portable; no window system.
#pragma once

#include <cstdint>
#include <vector>

#include "image/ZImage.h"

namespace zentrova {

constexpr ZColor kKeyMagenta = 0x00FF00FF;

class KeyedButtons {
  public:
    // Takes frames side by side from picture (any depth; kept as a 24-bit copy). False, and
    // empty, when the picture is empty or narrower than frames pixels.
    bool Load(const ZImage& picture, int32_t frames);
    void Release();
    bool IsLoaded() const { return m_frameWidth > 0; }

    int32_t GetFrameWidth() const { return m_frameWidth; }
    int32_t GetFrameHeight() const { return m_frameHeight; }
    // The whole 24-bit picture; frame 0 occupies columns 0 .. frame width - 1.
    const ZImage& GetPicture() const { return m_picture; }

    // The button (1 .. frames - 1) whose hot area holds the point (x, y) of frame 0's
    // coordinates, the first one when several do; 0 for none or a point outside the frame.
    int32_t HitTest(int32_t x, int32_t y) const;
    // True when pixel (x, y) of frame 0 belongs to button's hot area.
    bool InHotArea(int32_t button, int32_t x, int32_t y) const;

  private:
    ZImage m_picture;
    std::vector<uint8_t> m_hot;  // per frame-0 pixel: bit k-1 set when in button k's area
    int32_t m_frames = 0;
    int32_t m_frameWidth = 0;
    int32_t m_frameHeight = 0;
};

}  // namespace zentrova
