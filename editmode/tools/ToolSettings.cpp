#include "editmode/tools/ToolSettings.h"

#include <algorithm>

namespace zentrova {

namespace {

int32_t Clamp(uint32_t value, int32_t low, int32_t high) {
    return static_cast<int32_t>(
        std::clamp<uint32_t>(value, static_cast<uint32_t>(low), static_cast<uint32_t>(high)));
}

int32_t ListIndex(uint32_t value, int32_t count, int32_t fallback) {
    return value < static_cast<uint32_t>(count) ? static_cast<int32_t>(value) : fallback;
}

}  // namespace

ToolShadow ReadToolShadow(const SettingsRecord& s) {
    ToolShadow shadow;
    shadow.enabled = s.MToolsShadowEnabled != 0;
    shadow.smoothed = s.MToolsShadowSmoothed != 0;
    shadow.colour = AsColour(s.MToolsShadowColor);
    shadow.intensity = Clamp(s.MToolsShadowIntensity, 0, 100);
    shadow.direction = Clamp(s.MToolsShadowDirection, 0, 360);
    shadow.offset = Clamp(s.MToolsShadowOffset, 0, 20);
    shadow.dither = Clamp(s.MToolsShadowDither, 0, 20);
    return shadow;
}

bool ReadHighQuality(const SettingsRecord& s) {
    return s.MToolsHighQuality != 0;
}

ZColor MarkerColour(uint32_t index) {
    static constexpr ZColor kColours[] = {0x00FF00, 0x00FFFF, 0x0000FF, 0xFF0000, 0xFF00FF};
    return kColours[ListIndex(index, 5, 0)];
}

int32_t MarkerWidth(const SettingsRecord& s) {
    return Clamp(s.MToolsMarkerWidth, 1, 50);
}
int32_t PencilWidth(const SettingsRecord& s) {
    return Clamp(s.MToolsPencilWidth, 1, 30);
}
int32_t RubberWidth(const SettingsRecord& s) {
    return Clamp(s.MToolsErasorSize, 4, 100);
}
int32_t LineWeight(const SettingsRecord& s) {
    return Clamp(s.MToolsLineWeight, 1, 50);
}
int32_t LineStyle(const SettingsRecord& s) {
    return ListIndex(s.MToolsLineStyle, kLineStyleCount, 1);
}
int32_t ArrowLineStyle(const SettingsRecord& s) {
    return ListIndex(s.MToolsArrowLineStyle, kLineStyleCount, 0);
}

int32_t CalloutLineStyle(const SettingsRecord& s) {
    return ListIndex(s.MToolsCalloutLineStyle, kLineStyleCount, 0);
}
ArrowStyle ReadArrowStyle(const SettingsRecord& s) {
    return static_cast<ArrowStyle>(ListIndex(s.MToolsArrowStyle, 3, 1));
}
int32_t FrameWidth(const SettingsRecord& s) {
    return Clamp(s.MToolsRoundedRectWidth, 1, 20);
}
int32_t FrameCorner(const SettingsRecord& s) {
    return Clamp(s.MToolsRoundedRectCorner, 0, 50);
}
int32_t HighlightTransparency(const SettingsRecord& s) {
    return Clamp(s.MToolsHighLightTransparency, 0, 100);
}
int32_t SpotlightShapeIndex(const SettingsRecord& s) {
    return ListIndex(s.MToolsSpotLightShape, 5, 4);
}

bool StorePickedColour(SettingsRecord& s, ToolNumber tool, uint32_t colour, bool fill) {
    if (colour > 0xFFFFFF) {
        return false;
    }
    uint32_t* target = nullptr;
    switch (tool) {
        case ToolNumber::Rubber:
            target = &s.MToolsErasorColor;
            break;
        case ToolNumber::Rectangle:
        case ToolNumber::Ellipse:
            target = fill ? &s.MToolsRoundedRectFillColor : &s.MToolsRoundedRectColor;
            break;
        case ToolNumber::Pencil:
            target = &s.MToolsPencilColor;
            break;
        case ToolNumber::Line:
            target = &s.MToolsLineColor;
            break;
        case ToolNumber::Arrow:
            target = &s.MToolsArrowColor;
            break;
        case ToolNumber::HighlightArea:
            target = &s.MToolsHighLightColor;
            break;
        case ToolNumber::Callout:
            target = fill ? &s.MToolsCalloutColorFill : &s.MToolsCalloutColorBorder;
            break;
        case ToolNumber::Text:
            target = &s.MToolsDrawTextFontColor;
            break;
        default:
            break;
    }
    if (target == nullptr) {
        return false;
    }
    *target = colour;
    return true;
}

bool ToolShowsColourBar(ToolNumber tool) {
    switch (tool) {
        case ToolNumber::Scroll:
        case ToolNumber::Select:
        case ToolNumber::Spotlight:
        case ToolNumber::Marker:
            return false;
        default:
            return true;
    }
}

}  // namespace zentrova
