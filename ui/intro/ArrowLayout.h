// Where a pointing arrow stands and how it blinks. Its picture holds four frames side by side
// (pointing left, right, up, down: direction 0 to 3) in two rows (the blink phases).
#pragma once

#include <cstdint>

namespace zentrova {

enum class ArrowDirection : uint8_t { Left = 0, Right = 1, Up = 2, Down = 3 };

// Opacity a pointing arrow fades in to (and out from), and the time of each fade.
constexpr uint8_t kArrowAlpha = 200;
constexpr uint32_t kArrowFadeMs = 500;

struct ArrowRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The size of one frame of a picture of pictureWidth x pictureHeight.
ArrowRect ArrowFrameSize(int32_t pictureWidth, int32_t pictureHeight);

// The arrow's window for a frame of width x height pointing at (x, y): left edge at x (pointing
// left), right edge at x (right), top edge at y (up) or bottom edge at y (down), centred across
// that; then moved inside the screen of screenWidth x screenHeight (its top-left corner wins when
// the arrow is larger than the screen).
ArrowRect PlaceArrow(ArrowDirection direction, int32_t x, int32_t y, int32_t width, int32_t height,
                     int32_t screenWidth, int32_t screenHeight);

// The picture is used at half its size on a screen exactly 800 pixels wide.
bool HalveArrowPicture(int32_t screenWidth);

// The blink: phase 0 shows for 1000 ms, phase 1 for 300 ms, and so on.
struct BlinkStep {
    int phase = 0;
    uint32_t showMs = 0;
};
BlinkStep FirstBlink();
BlinkStep NextBlink(const BlinkStep& current);

}  // namespace zentrova
