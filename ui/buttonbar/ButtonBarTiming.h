// Timing of a button bar: the window timers, the 300-ms fades of the layered window and the
// auto-hide decision taken on every tick of the auto-hide timer.
#pragma once

#include <cstdint>

namespace zentrova {

// Timers of the bar window: 1 keeps it on top, 2 watches the cursor (auto-hide), 3 drives a fade.
constexpr uintptr_t kBarKeepOnTopTimer = 1;
constexpr uintptr_t kBarAutoHideTimer = 2;
constexpr uintptr_t kBarFadeTimer = 3;
constexpr uint32_t kBarKeepOnTopMs = 100;
constexpr uint32_t kBarAutoHideMs = 100;
constexpr uint32_t kBarFadeStepMs = 20;
// A fade takes this long from fully transparent to opaque or back.
constexpr uint32_t kBarFadeMs = 300;

enum class FadeDirection : int32_t { None = 0, In = 1, Out = 2 };

// Alpha of a fade elapsedMs after its start: in, elapsed * 255 / 300 up to 255; out, 255 minus that
// down to 0; 255 when there is no fade. elapsedMs is a GetTickCount difference (wraps safely).
uint8_t FadeAlpha(FadeDirection direction, uint32_t elapsedMs);
// True when the fade has reached its end (255 in, 0 out); always true without a fade.
bool FadeFinished(FadeDirection direction, uint32_t elapsedMs);
// Start time for a fade in direction that begins at the alpha a fade in the other direction has
// reached, so that reversing a running fade does not jump: the time at which a fresh fade in
// direction would have had that alpha (now for a fade starting from its own beginning).
uint32_t FadeStartForAlpha(FadeDirection direction, uint8_t currentAlpha, uint32_t nowMs);

// What a tick of the auto-hide timer does.
enum class AutoHideAction : int32_t {
    None = 0,
    ShowTooltip,            // cursor on a bar without auto-hide
    ExpandAndFadeIn,        // cursor on a bar that was collapsed at the previous tick
    HideTooltipAndFadeOut,  // cursor left a bar that was shown at the previous tick
    HideTooltipAndRepaint,  // cursor off a bar without auto-hide
};

struct AutoHideState {
    bool hidden = false;      // collapsed now (m_bHidden)
    bool prevHidden = false;  // collapsed at the previous tick (m_bPrevHidden)
};

// One tick: updates state (hidden, then prevHidden = hidden) and says what the bar must do.
AutoHideAction AutoHideTick(bool cursorInside, bool autoHide, AutoHideState& state);

}  // namespace zentrova
