#include "ui/buttonbar/ButtonBarTiming.h"

namespace zentrova {

namespace {

// elapsed * 255 / 300, capped at 255 before the product can overflow.
uint32_t FadeProgress(uint32_t elapsedMs) {
    if (elapsedMs >= kBarFadeMs) {
        return 255;
    }
    return elapsedMs * 255u / kBarFadeMs;
}

}  // namespace

uint8_t FadeAlpha(FadeDirection direction, uint32_t elapsedMs) {
    switch (direction) {
        case FadeDirection::In:
            return static_cast<uint8_t>(FadeProgress(elapsedMs));
        case FadeDirection::Out:
            return static_cast<uint8_t>(255u - FadeProgress(elapsedMs));
        case FadeDirection::None:
        default:
            return 255;
    }
}

bool FadeFinished(FadeDirection direction, uint32_t elapsedMs) {
    switch (direction) {
        case FadeDirection::In:
            return FadeAlpha(direction, elapsedMs) == 255;
        case FadeDirection::Out:
            return FadeAlpha(direction, elapsedMs) == 0;
        case FadeDirection::None:
        default:
            return true;
    }
}

uint32_t FadeStartForAlpha(FadeDirection direction, uint8_t currentAlpha, uint32_t nowMs) {
    uint32_t progress = 0;  // the part of 255 the new fade has already covered
    if (direction == FadeDirection::In) {
        progress = currentAlpha;
    } else if (direction == FadeDirection::Out) {
        progress = 255u - currentAlpha;
    }
    // Smallest elapsed time whose progress reaches it: ceil(progress * 300 / 255).
    const uint32_t elapsed = (progress * kBarFadeMs + 254u) / 255u;
    return nowMs - elapsed;
}

AutoHideAction AutoHideTick(bool cursorInside, bool autoHide, AutoHideState& state) {
    AutoHideAction action = AutoHideAction::None;
    if (cursorInside) {
        if (!autoHide) {
            action = AutoHideAction::ShowTooltip;
        } else {
            state.hidden = false;
            if (state.prevHidden) {
                action = AutoHideAction::ExpandAndFadeIn;
            }
        }
    } else {
        if (autoHide) {
            state.hidden = true;
            if (!state.prevHidden) {
                action = AutoHideAction::HideTooltipAndFadeOut;
            }
        } else {
            action = AutoHideAction::HideTooltipAndRepaint;
        }
    }
    state.prevHidden = state.hidden;
    return action;
}

}  // namespace zentrova
