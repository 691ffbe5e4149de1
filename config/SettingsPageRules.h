// The rules the settings pages apply to what the user enters: the ranges of the sliders, the
// fixed capture size and the output folder, and which capture shapes take an edge direction.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zentrova {

// The inclusive range of a slider.
struct SliderRange {
    uint32_t low;
    uint32_t high;
};

constexpr SliderRange kShadowIntensityRange{0, 100};
constexpr SliderRange kShadowDirectionRange{0, 360};
constexpr SliderRange kShadowOffsetRange{0, 20};
constexpr SliderRange kShadowDitherRange{0, 20};
constexpr SliderRange kRoundedRectWidthRange{1, 20};
constexpr SliderRange kRoundedRectCornerRange{0, 50};
constexpr SliderRange kPencilWidthRange{1, 30};
constexpr SliderRange kMarkerWidthRange{1, 50};
constexpr SliderRange kLineWeightRange{1, 50};
constexpr SliderRange kTransparencyRange{0, 100};
constexpr SliderRange kErasorSizeRange{4, 100};

// value moved into range (a stored value outside it shows at the nearest end).
constexpr uint32_t ClampToRange(uint32_t value, SliderRange range) {
    return value < range.low ? range.low : value > range.high ? range.high : value;
}

// The largest width or height of the fixed capture region.
constexpr uint32_t kFixedCaptureSizeMax = 16384;

// The fixed capture size typed into an edit box: decimal digits only (blanks around them
// allowed), 1..kFixedCaptureSizeMax. False, *size untouched, for anything else.
bool ParseFixedCaptureSize(const std::wstring& text, uint32_t* size);

// The output folder: any text but an empty or blank one.
bool IsUsableOutputFolder(const std::wstring& text);

// The capture shapes from this list index on (the effect shapes) take an edge direction.
constexpr uint32_t kFirstShapeWithDirection = 3;
constexpr bool ShapeHasDirection(uint32_t shape) {
    return shape >= kFirstShapeWithDirection;
}

}  // namespace zentrova
