#include "ui/intro/ArrowLayout.h"

#include <algorithm>

namespace zentrova {

namespace {

constexpr uint32_t kBlinkMs[2] = {1000, 300};

}  // namespace

ArrowRect ArrowFrameSize(int32_t pictureWidth, int32_t pictureHeight) {
    ArrowRect frame;
    frame.width = std::max(0, pictureWidth) / 4;
    frame.height = std::max(0, pictureHeight) / 2;
    return frame;
}

ArrowRect PlaceArrow(ArrowDirection direction, int32_t x, int32_t y, int32_t width, int32_t height,
                     int32_t screenWidth, int32_t screenHeight) {
    ArrowRect r;
    r.width = width;
    r.height = height;
    switch (direction) {
        case ArrowDirection::Left:
            r.x = x;
            r.y = y - height / 2;
            break;
        case ArrowDirection::Right:
            r.x = x - width;
            r.y = y - height / 2;
            break;
        case ArrowDirection::Up:
            r.x = x - width / 2;
            r.y = y;
            break;
        case ArrowDirection::Down:
            r.x = x - width / 2;
            r.y = y - height;
            break;
    }
    r.x = std::max(0, std::min(r.x, screenWidth - width));
    r.y = std::max(0, std::min(r.y, screenHeight - height));
    return r;
}

bool HalveArrowPicture(int32_t screenWidth) {
    return screenWidth == 800;
}

BlinkStep FirstBlink() {
    return BlinkStep{0, kBlinkMs[0]};
}

BlinkStep NextBlink(const BlinkStep& current) {
    const int phase = current.phase == 0 ? 1 : 0;
    return BlinkStep{phase, kBlinkMs[phase]};
}

}  // namespace zentrova
