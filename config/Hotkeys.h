// The hot keys of the settings record: how a key code and modifier pair is shown in a hot-key
// control, how its modifiers translate for registration, and the registration identifiers.
#pragma once

#include <cstdint>

namespace zentrova {

// Modifier bits as the record stores them (the hot-key control's flags).
constexpr uint32_t kHotkeyShift = 1;
constexpr uint32_t kHotkeyControl = 2;
constexpr uint32_t kHotkeyAlt = 4;
constexpr uint32_t kHotkeyExtended = 8;

// Modifier bits of the system's hot-key registration.
constexpr uint32_t kSystemModAlt = 1;
constexpr uint32_t kSystemModControl = 2;
constexpr uint32_t kSystemModShift = 4;
constexpr uint32_t kSystemModWin = 8;
// Registration only: a key held down reports once, not once per keyboard repeat (MOD_NOREPEAT).
constexpr uint32_t kSystemModNoRepeat = 0x4000;

// Identifiers the record's hot keys are registered under on the main window.
constexpr int kHotkeyIdPrintScreen = 2;
constexpr int kHotkeyIdAltPrintScreen = 3;
constexpr int kHotkeyIdScrollingWindowText = 6;
constexpr int kHotkeyIdScrollingWindowWebsite = 7;
constexpr int kHotkeyIdSingleWindow = 8;
constexpr int kHotkeyIdFreeRectRegion = 9;
constexpr int kHotkeyIdFixedRegion = 10;
constexpr int kHotkeyIdFreeStyleRegion = 11;
constexpr uint32_t kVirtualKeyPrintScreen = 44;

// The record's modifier set as the system's registration modifiers: Alt to 1, Control to 2,
// Shift to 4. The extended-key flag (8) says only which of two keys with one code was pressed
// (the right Control, the cursor block); it is kept in the record but is no modifier, least of
// all the Windows key, so it is dropped here with every other bit.
constexpr uint32_t ToSystemHotkeyModifiers(uint32_t modifiers) {
    return ((modifiers & kHotkeyAlt) != 0 ? kSystemModAlt : 0) |
           ((modifiers & kHotkeyControl) != 0 ? kSystemModControl : 0) |
           ((modifiers & kHotkeyShift) != 0 ? kSystemModShift : 0);
}

// The hot-key control's 16-bit word: low byte the key code, high byte the modifier set.
constexpr uint32_t MakeHotkeyWord(uint32_t keyCode, uint32_t modifiers) {
    return (keyCode & 0xFF) | ((modifiers & 0xFF) << 8);
}
constexpr uint32_t HotkeyWordKeyCode(uint32_t word) {
    return word & 0xFF;
}
constexpr uint32_t HotkeyWordModifiers(uint32_t word) {
    return (word >> 8) & 0xFF;
}

}  // namespace zentrova
