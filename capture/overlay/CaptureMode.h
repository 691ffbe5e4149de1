// The capture modes of the CaptureEngine and what distinguishes them.
#pragma once

#include <cstdint>

namespace zentrova {

// Stored and passed as an unsigned 32-bit value.
enum class CaptureMode : uint32_t {
    SingleWindow = 0,      // command 40107: the window under the cursor
    ScrollingWebsite = 1,  // command 40127: scrolling capture of the window under the cursor
    ScrollingText = 2,     // command 40128: as ScrollingWebsite, text geometry
    FreeRectangle = 3,     // command 40108: a rectangle drawn on the frozen desktop
    FreeStyle = 4,         // command 40155: a lasso outline drawn on the frozen desktop
    FixedRegion = 5,       // command 40109: a frame of the fixed size following the cursor
    FullDesktop = 6,       // PrintScreen: the whole virtual screen at once
    ActiveWindow = 7,      // Alt+PrintScreen: the foreground window at once
};

constexpr uint32_t kCaptureModeCount = 8;

// value as a mode; false (out untouched) for values of 8 and above.
inline bool CaptureModeFromValue(uint32_t value, CaptureMode& out) {
    if (value >= kCaptureModeCount) {
        return false;
    }
    out = static_cast<CaptureMode>(value);
    return true;
}

// Region modes freeze the desktop and select on the frozen picture.
constexpr bool IsRegionMode(CaptureMode mode) {
    return mode == CaptureMode::FreeRectangle || mode == CaptureMode::FreeStyle;
}
// Scrolling modes: the window under the cursor is scrolled and stitched.
constexpr bool IsScrollingMode(CaptureMode mode) {
    return mode == CaptureMode::ScrollingWebsite || mode == CaptureMode::ScrollingText;
}
// Modes whose overlay frames the window under the cursor.
constexpr bool IsWindowFramingMode(CaptureMode mode) {
    return mode == CaptureMode::SingleWindow || IsScrollingMode(mode);
}

}  // namespace zentrova
