#include "ui/intro/Fade.h"

namespace zentrova {

uint8_t FadeAlpha(uint32_t start, uint32_t now, uint32_t duration, uint8_t from, uint8_t to) {
    const uint32_t elapsed = now - start;  // modulo 2^32: survives the wrap of the tick count
    if (elapsed >= duration) {
        return to;
    }
    const int64_t step = (static_cast<int64_t>(to) - from) * elapsed / duration;
    return static_cast<uint8_t>(from + step);
}

bool FadeDone(uint32_t start, uint32_t now, uint32_t duration) {
    return now - start >= duration;
}

}  // namespace zentrova
