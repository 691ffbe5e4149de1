// ToolText: the text the Text and Callout tools lay into the picture, and the one platform seam
// that draws it (PaintToolText, DrawTextW in the Windows build).
// Portable apart from PaintToolText and ScreenDotsPerInchY.
#pragma once

#include <cstdint>
#include <string>

#include "config/SettingsRecord.h"
#include "core/ZRect.h"
#include "image/ZImage.h"

namespace zentrova {

// The font description of the settings (MToolsDrawTextFontHeight ... FaceName).
struct ToolFont {
    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 400;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t pitchAndFamily = 0;
    bool antialiased = false;  // the quality: antialiased or not antialiased
    std::wstring faceName;
};

// The font description with the height `height` (the screen's MToolsDrawTextFontSize, or that
// divided by the zoom for the commit) and the quality from MToolsHighQuality.
ToolFont ReadTextFont(const SettingsRecord& settings, int32_t height);
// MToolsDrawTextFontSize as a font height (the font dialog stores negative character heights).
int32_t TextScreenHeight(const SettingsRecord& settings);
// MToolsDrawTextAlignment: 0 left, 1 centre, 2 right; past the list the default, centre.
int32_t TextAlignment(const SettingsRecord& settings);

struct ToolText {
    std::wstring text;  // at most kTextMaxChars characters
    ZRect rect;         // picture pixels
    ToolFont font;
    int32_t alignment = 0;
};

// Draws the text into the 24-bit target, moved by (dx, dy), word-wrapped in its rectangle as an
// edit control shows it, with a transparent background. Windows: DrawTextW. Native build: draws
// nothing and returns false.
bool PaintToolText(ZImage& target, const ToolText& text, int32_t dx, int32_t dy, ZColor colour);
// The screen's vertical dots per inch (96 in the native build).
int32_t ScreenDotsPerInchY();

}  // namespace zentrova
