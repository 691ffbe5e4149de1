// ToolSettings: the mouse tools' settings as the tools use them, read from the settings record
// at the moment of drawing, so that a change in the settings dialog applies to the next stroke.
//
// Every value is brought into its range here: numbers are clamped to the range the settings
// dialog offers, list indices past their table fall back to the value's default. Nothing later
// reads a table with a stored index or computes with an unlimited width.
// Portable.
#pragma once

#include <cstdint>

#include "config/SettingsRecord.h"
#include "editmode/tools/EditTool.h"
#include "image/ZImage.h"

namespace zentrova {

// Line styles of arrows, lines and callouts: 0 solid, 1 dash, 2 dot, 3 dash dot, 4 dash dot dot.
constexpr int32_t kLineStyleCount = 5;

// Arrow styles.
enum class ArrowStyle : int32_t { Default = 0, DualHead = 1, Growing = 2 };

// The tool shadow.
struct ToolShadow {
    bool enabled = false;
    bool smoothed = true;
    ZColor colour = 0;        // MToolsShadowColor as stored
    int32_t intensity = 100;  // 0..100
    int32_t direction = 316;  // 0..360 (360 puts no offset)
    int32_t offset = 3;       // 0..20
    int32_t dither = 4;       // 0..20, 0 = not blurred
};

ToolShadow ReadToolShadow(const SettingsRecord& settings);
bool ReadHighQuality(const SettingsRecord& settings);

// The marker colour of list index `index` (0 green, 1 yellow, 2 red, 3 blue, 4 pink); an index
// past the table is the default, green.
ZColor MarkerColour(uint32_t index);

int32_t MarkerWidth(const SettingsRecord& settings);            // 1..50
int32_t PencilWidth(const SettingsRecord& settings);            // 1..30
int32_t RubberWidth(const SettingsRecord& settings);            // 4..100
int32_t LineWeight(const SettingsRecord& settings);             // 1..50
int32_t LineStyle(const SettingsRecord& settings);              // 0..4, default 1
int32_t ArrowLineStyle(const SettingsRecord& settings);         // 0..4, default 0
int32_t CalloutLineStyle(const SettingsRecord& settings);       // 0..4, default 0
ArrowStyle ReadArrowStyle(const SettingsRecord& settings);      // default Dual Head
int32_t FrameWidth(const SettingsRecord& settings);             // MToolsRoundedRectWidth, 1..20
int32_t FrameCorner(const SettingsRecord& settings);            // MToolsRoundedRectCorner, 0..50
int32_t HighlightTransparency(const SettingsRecord& settings);  // 0..100
int32_t SpotlightShapeIndex(const SettingsRecord& settings);    // 0..4, default 4

// A colour setting as a colour: only its low 24 bits.
inline ZColor AsColour(uint32_t stored) {
    return stored & 0xFFFFFF;
}

// The colour bar: stores colour as the current tool's colour; fill (a right click) stores the
// fill colour instead for Rectangle, Ellipse and Callout, the one colour for the others. False,
// nothing stored, for a tool without a colour there (Scroll, Select, Marker, Spotlight) or a
// colour beyond 0xFFFFFF (the system's answer when no pixel could be read).
bool StorePickedColour(SettingsRecord& settings, ToolNumber tool, uint32_t colour, bool fill);

// Whether the colour bar is shown while the tool is chosen: for every tool with a colour of its
// own to pick (not Scroll, Select, Spotlight, nor Marker, whose colours are a fixed list).
bool ToolShowsColourBar(ToolNumber tool);

}  // namespace zentrova
