// The capture hot keys of the main window and the capture commands: which registrations the
// settings ask for, which capture mode a hot-key event or a command starts. Portable (no Win32):
// the main window feeds in what WM_HOTKEY and WM_COMMAND carry.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "capture/overlay/CaptureMode.h"
#include "config/SettingsRecord.h"

namespace zentrova {

// One of the six capture hot keys of the record: its registration identifier, its key code and
// modifiers as stored (1 Shift, 2 Control, 4 Alt, 8 extended) and the mode it starts.
struct CaptureHotkey {
    int id = 0;
    uint32_t keyCode = 0;
    uint32_t storedModifiers = 0;
    CaptureMode mode = CaptureMode::SingleWindow;
};

// The six capture hot keys in matching order: scrolling text (6), scrolling website (7), single
// window (8), free rectangle (9), fixed region (10), free style (11).
std::array<CaptureHotkey, 6> GetCaptureHotkeys(const SettingsRecord& record);

// One RegisterHotKey call: identifier, system modifiers (1 Alt, 2 Control, 4 Shift, 8 Windows
// key, 0x4000 no repeat) and virtual key.
struct HotkeyRegistration {
    int id = 0;
    uint32_t systemModifiers = 0;
    uint32_t virtualKey = 0;
};

// The registrations the record asks for, in this order: the six capture hot keys (identifiers
// 6-11, modifiers converted to the system's form; a hot key without a key code, 0, is not
// registered: it has no key to watch), then with "GeneralMonitorWindowsCaptureKey" PrintScreen
// without modifier (2) and Alt+PrintScreen (3). Every registration carries kSystemModNoRepeat:
// holding a key down starts one capture, not one per keyboard repeat.
std::vector<HotkeyRegistration> GetHotkeyRegistrations(const SettingsRecord& record);

// Two registrations of the record that ask for the same combination of key and modifiers: the
// identifiers of the one registered first (which holds the combination) and of the later one
// (whose registration fails).
struct HotkeyClash {
    int holder = 0;
    int refused = 0;
};

// Every clash among GetHotkeyRegistrations(record), in registration order of the refused one;
// a registration refused because of an earlier one is listed once, with the first holder.
std::vector<HotkeyClash> FindHotkeyClashes(const SettingsRecord& record);

// Who holds the combination of a registration that was refused: the identifier of the record's
// own registration that took it first, or 0 when none of them did (another program holds it).
int FindHotkeyHolder(const SettingsRecord& record, int refusedId);

// Every identifier the main window may have registered: 6-11, 2 and 3.
constexpr std::array<int, 8> kAllHotkeyIds = {6, 7, 8, 9, 10, 11, 2, 3};

// What WM_HOTKEY carries: the identifier, the event's system modifiers (low word of lParam) and
// its virtual key (high word of lParam).
struct HotkeyEvent {
    int id = 0;
    uint32_t systemModifiers = 0;
    uint32_t virtualKey = 0;
};

// The decision on one hot-key event.
struct HotkeyDecision {
    bool start = false;  // start a capture in mode
    CaptureMode mode = CaptureMode::SingleWindow;
};

// Decides what a hot-key event does:
//  1. identifier 2 or 3 with "GeneralMonitorWindowsCaptureKey": mode 7 when the identifier is 3
//     or isFullScreen() answers true, else mode 6 (isFullScreen is asked only for identifier 2,
//     since asking it hides the capture bar when it answers true);
//  2. otherwise the six capture hot keys in matching order: the first whose key code equals the
//     event's key and whose converted modifiers are all among the event's wins; it starts its
//     mode only when no capture is active (a hot key during a running capture is ignored).
HotkeyDecision DecideHotkey(const SettingsRecord& record, const HotkeyEvent& event,
                            bool captureActive, const std::function<bool()>& isFullScreen);

// The capture commands (40107, 40108, 40109, 40127, 40128, 40155).
enum class IntroGroup : uint8_t { Capture, CaptureScroll };
struct CaptureCommand {
    CaptureMode mode = CaptureMode::SingleWindow;
    // Region modes (free rectangle, free style) remove the capture bar so that it is not frozen
    // into the picture; the other modes only hide its tool tip.
    bool regionMode = false;
    // Which intro window ("Capture" or "CaptureScroll") comes before the capture when due.
    IntroGroup intro = IntroGroup::Capture;
};
// False for any other command.
bool GetCaptureCommand(uint32_t command, CaptureCommand& out);

// Whether the intro window of group is due by the record ("IntroWindowCaptureShow",
// "IntroWindowCaptureScrollShow").
bool IsIntroDue(const SettingsRecord& record, IntroGroup group);

// Whether a mode remembered for an intro window starts when that intro window is closed:
// "Capture" starts 0, 3, 4 and 5; "CaptureScroll" starts 1 and 2.
bool IntroStartsMode(IntroGroup group, CaptureMode mode);

}  // namespace zentrova
