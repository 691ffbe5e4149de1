// A rectangle by its edges, as the system's RECT: left and top inside, right and bottom one past
// the last column and row. The one rectangle type of the portable layout code (overlay placement,
// button bars, button frames, menu items), so that geometry passes between them unchanged.
#pragma once

#include <cstdint>

namespace zentrova {

struct ZRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int32_t x, int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    bool operator==(const ZRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
    bool operator!=(const ZRect& other) const { return !(*this == other); }
};

}  // namespace zentrova
