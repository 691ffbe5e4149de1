// The fades of the layered windows (splash, intro windows, pointing arrows): the opacity at a
// moment of a fade from one alpha to another over a duration, from tick counts.
#pragma once

#include <cstdint>

namespace zentrova {

// Time between two fade steps (a window timer).
constexpr uint32_t kFadeStepMs = 20;

// The alpha `now` milliseconds (tick count) into a fade that began at `start`: from + (to - from)
// x elapsed / duration, cut towards zero, and `to` once the duration is over. The elapsed time is
// the unsigned difference, so a tick count that wraps around between start and now counts right;
// a duration of 0 gives `to` at once.
uint8_t FadeAlpha(uint32_t start, uint32_t now, uint32_t duration, uint8_t from, uint8_t to);

// True once the fade has reached its end.
bool FadeDone(uint32_t start, uint32_t now, uint32_t duration);

}  // namespace zentrova
