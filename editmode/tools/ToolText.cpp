#include "editmode/tools/ToolText.h"

#include "editmode/tools/ToolSettings.h"

namespace zentrova {

ToolFont ReadTextFont(const SettingsRecord& s, int32_t height) {
    ToolFont f;
    f.height = height;
    f.width = s.MToolsDrawTextFontWidth;
    f.escapement = s.MToolsDrawTextFontEscapement;
    f.orientation = s.MToolsDrawTextFontOrientation;
    f.weight = s.MToolsDrawTextFontWeight;
    f.italic = static_cast<uint8_t>(s.MToolsDrawTextFontItalic);
    f.underline = static_cast<uint8_t>(s.MToolsDrawTextFontUnderline);
    f.strikeOut = static_cast<uint8_t>(s.MToolsDrawTextFontStrikeOut);
    f.charSet = static_cast<uint8_t>(s.MToolsDrawTextFontCharSet);
    f.outPrecision = static_cast<uint8_t>(s.MToolsDrawTextFontOutPrecision);
    f.clipPrecision = static_cast<uint8_t>(s.MToolsDrawTextFontClipPrecision);
    f.pitchAndFamily = static_cast<uint8_t>(s.MToolsDrawTextFontPitchAndFamily);
    f.antialiased = ReadHighQuality(s);
    f.faceName = s.MToolsDrawTextFontFaceName;
    return f;
}

int32_t TextScreenHeight(const SettingsRecord& s) {
    const auto h = static_cast<int32_t>(s.MToolsDrawTextFontSize);
    return h == 0 ? 1 : h;
}

int32_t TextAlignment(const SettingsRecord& s) {
    return s.MToolsDrawTextAlignment <= 2 ? static_cast<int32_t>(s.MToolsDrawTextAlignment) : 1;
}

}  // namespace zentrova
