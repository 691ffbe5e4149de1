// The intro windows as the main window chains them: which intro a UM_INTRO_CLOSED names, which
// setting keeps its check box, which capture starts, which intro and pointing arrow follow.
// Portable (no Win32): the main window feeds in what the message carries.
#pragma once

#include <cstddef>
#include <cstdint>

#include "config/SettingsRecord.h"
#include "core/win/CaptureHotkeys.h"
#include "ui/intro/ArrowLayout.h"

namespace zentrova {

// The intros, in the order of lang::IntroWindowNames(). UM_INTRO_CLOSED carries this index in
// lParam (never a pointer: any process may post the message).
enum class IntroId : uint8_t {
    Welcome,
    Capture,
    CaptureScroll,
    EditModeWelcome,
    EditModeActionBar,
    EditModeImageBar,
    EditModeMToolsBar,
};
constexpr size_t kIntroCount = 7;

// "Welcome", "Capture", ... for the language's line names.
const wchar_t* IntroName(IntroId id);

// Where a pointing arrow of the chain points, on a screen of the given size.
enum class IntroArrowSpot : uint8_t {
    None,
    RightEdge,  // (screen width - 15, screen height / 2), pointing right: the action bar
    LeftEdge,   // (15, screen height / 2), pointing left: the mouse tools bar
    TopEdge,    // (screen width / 2, 15), pointing up: the image bar
};
struct ArrowTarget {
    ArrowDirection direction = ArrowDirection::Left;
    int32_t x = 0;
    int32_t y = 0;
};
ArrowTarget ArrowTargetOf(IntroArrowSpot spot, int32_t screenWidth, int32_t screenHeight);
// The two arrows beside the "Welcome" intro: up at the capture bar (screen width / 2, 15) and
// down at the notification area (screen width, screen height - 15).
void StartUpArrowTargets(int32_t screenWidth, int32_t screenHeight, ArrowTarget out[2]);

// What follows the closing of an intro.
struct IntroStep {
    // The setting that takes the check box (null: none for this intro).
    uint32_t SettingsRecord::*flag = nullptr;
    bool startsCapture = false;  // the remembered capture mode of this group starts
    IntroGroup group = IntroGroup::Capture;
    bool fadeStartUpArrows = false;
    bool fadeChainArrow = false;  // the arrow of the previous chain step
    bool hasNext = false;         // this intro shows "Next" and opens `next` when closed
    IntroId next = IntroId::Welcome;
    IntroArrowSpot nextArrow = IntroArrowSpot::None;  // shown with `next`
};
const IntroStep& IntroStepOf(IntroId id);

// A UM_INTRO_CLOSED decoded: accepted only for the intro the main window has open (`open`,
// none when hasOpen is false), a name index within the table and a show-again value of 0 or 1.
// Anything else (posted by another process, or a late second notice) is refused.
struct IntroClosed {
    IntroId id = IntroId::Welcome;
    uint32_t showAgain = 0;
};
bool DecodeIntroClosed(uint64_t wParam, int64_t lParam, bool hasOpen, IntroId open,
                       IntroClosed& out);

}  // namespace zentrova
