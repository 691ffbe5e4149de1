// The settings record as the program's documentation lists it: every value in load order with its
// kind and default. The tests hold the code's table against this list.
#pragma once

#include <array>
#include <cstdint>

#include "config/SettingsRecord.h"

namespace zentrova::test {

enum class Computed { No, Skin, Printer, Pictures, Background };

struct ExpectedSetting {
    const wchar_t* name;
    SettingKind kind;
    uint32_t number;      // numbers
    const wchar_t* text;  // texts with a constant default
    Computed computed;
};

inline const std::array<ExpectedSetting, 105> kExpectedSettings = {{
    {L"LanguageDetected", SettingKind::Flag, 0, nullptr, Computed::No},
    {L"LanguageFile", SettingKind::Text32, 0, L"en-us", Computed::No},
    {L"SkinName", SettingKind::Text260, 0, nullptr, Computed::Skin},
    {L"GeneralStartWithWindows", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"GeneralShowSplashScreen", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"GeneralBBCaptureAlignment", SettingKind::ListIndex, 1, nullptr, Computed::No},
    {L"GeneralPlaySoundOnCapture", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"GeneralMonitorWindowsCaptureKey", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"GeneralShowCaptureBar", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"GeneralHotkeyScrollingWindowText", SettingKind::KeyCode, 0, nullptr, Computed::No},
    {L"GeneralHotkeyScrollingWindowTextMod", SettingKind::HotkeyModifiers, 0, nullptr,
     Computed::No},
    {L"GeneralHotkeyScrollingWindowWebsite", SettingKind::KeyCode, 120, nullptr, Computed::No},
    {L"GeneralHotkeyScrollingWindowWebsiteMod", SettingKind::HotkeyModifiers, 2, nullptr,
     Computed::No},
    {L"GeneralHotkeySingleWindow", SettingKind::KeyCode, 120, nullptr, Computed::No},
    {L"GeneralHotkeySingleWindowMod", SettingKind::HotkeyModifiers, 1, nullptr, Computed::No},
    {L"GeneralHotkeyFixedRegion", SettingKind::KeyCode, 0, nullptr, Computed::No},
    {L"GeneralHotkeyFixedRegionMod", SettingKind::HotkeyModifiers, 0, nullptr, Computed::No},
    {L"GeneralHotkeyFreeRectRegion", SettingKind::KeyCode, 120, nullptr, Computed::No},
    {L"GeneralHotkeyFreeRectRegionMod", SettingKind::HotkeyModifiers, 0, nullptr, Computed::No},
    {L"GeneralHotkeyFreeStyleRegion", SettingKind::KeyCode, 0, nullptr, Computed::No},
    {L"GeneralHotkeyFreeStyleRegionMod", SettingKind::HotkeyModifiers, 0, nullptr, Computed::No},
    {L"EditModeDeleteCaptureAfterAction", SettingKind::Flag, 0, nullptr, Computed::No},
    {L"EditModePrintStyle", SettingKind::ListIndex, 2, nullptr, Computed::No},
    {L"EditModePrintOrientation", SettingKind::ListIndex, 0, nullptr, Computed::No},
    {L"EditModePrintPrinter", SettingKind::Text260, 0, nullptr, Computed::Printer},
    {L"EditModeEmailUseSpecified", SettingKind::Flag, 0, nullptr, Computed::No},
    {L"EditModeEmailUseSpecifiedText", SettingKind::Text260, 0, L"", Computed::No},
    {L"EditModeEditBarStyle", SettingKind::ListIndex, 0, nullptr, Computed::No},
    {L"EditModePrintCommandDoNotAdvanceToNextCapture", SettingKind::Flag, 0, nullptr, Computed::No},
    {L"CaptureBackgroundColor", SettingKind::Colour, 0xFFFFFF, nullptr, Computed::No},
    {L"CaptureType", SettingKind::ListIndex, 0, nullptr, Computed::No},
    {L"CaptureOutputFormat", SettingKind::ListIndex, 2, nullptr, Computed::No},
    {L"CaptureOutputDirectory", SettingKind::Text260, 0, nullptr, Computed::Pictures},
    {L"CaptureFixedWidth", SettingKind::Number, 640, nullptr, Computed::No},
    {L"CaptureFixedHeight", SettingKind::Number, 480, nullptr, Computed::No},
    {L"CaptureShadowIsValid", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"CaptureShadowCursorIsValid", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"CaptureShadowColor", SettingKind::Colour, 0, nullptr, Computed::No},
    {L"CaptureShadowIntensity", SettingKind::Number, 100, nullptr, Computed::No},
    {L"CaptureShadowDirection", SettingKind::Number, 315, nullptr, Computed::No},
    {L"CaptureShadowOffset", SettingKind::Number, 3, nullptr, Computed::No},
    {L"CaptureShadowDither", SettingKind::Number, 8, nullptr, Computed::No},
    {L"CaptureCursorIsValid", SettingKind::Flag, 0, nullptr, Computed::No},
    {L"CaptureCursorSparkle", SettingKind::ListIndex, 0, nullptr, Computed::No},
    {L"CaptureShapeType", SettingKind::ListIndex, 0, nullptr, Computed::No},
    {L"CaptureShapeTypeDirection", SettingKind::ListIndex, 5, nullptr, Computed::No},
    {L"CaptureShapeFader", SettingKind::ListIndex, 0, nullptr, Computed::No},
    {L"MToolsHighQuality", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"MToolsMarkerWidth", SettingKind::Number, 20, nullptr, Computed::No},
    {L"MToolsMarkerColor", SettingKind::ListIndex, 0, nullptr, Computed::No},
    {L"MToolsPencilWidth", SettingKind::Number, 5, nullptr, Computed::No},
    {L"MToolsPencilColor", SettingKind::Colour, 0x0000FF, nullptr, Computed::No},
    {L"MToolsRoundedRectColor", SettingKind::Colour, 0x29B9FF, nullptr, Computed::No},
    {L"MToolsRoundedRectWidth", SettingKind::Number, 6, nullptr, Computed::No},
    {L"MToolsRoundedRectCorner", SettingKind::Number, 32, nullptr, Computed::No},
    {L"MToolsRoundedRectFill", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"MToolsRoundedRectFillColor", SettingKind::Colour, 0xA1FDFE, nullptr, Computed::No},
    {L"MToolsDrawTextFontColor", SettingKind::Colour, 0, nullptr, Computed::No},
    {L"MToolsDrawTextFontSize", SettingKind::Number, 40, nullptr, Computed::No},
    {L"MToolsDrawTextFontHeight", SettingKind::Signed, 0, nullptr, Computed::No},
    {L"MToolsDrawTextFontWidth", SettingKind::Signed, 0, nullptr, Computed::No},
    {L"MToolsDrawTextFontEscapement", SettingKind::Signed, 0, nullptr, Computed::No},
    {L"MToolsDrawTextFontOrientation", SettingKind::Signed, 0, nullptr, Computed::No},
    {L"MToolsDrawTextFontWeight", SettingKind::Signed, 400, nullptr, Computed::No},
    {L"MToolsDrawTextFontItalic", SettingKind::Byte, 1, nullptr, Computed::No},
    {L"MToolsDrawTextFontUnderline", SettingKind::Byte, 0, nullptr, Computed::No},
    {L"MToolsDrawTextFontStrikeOut", SettingKind::Byte, 0, nullptr, Computed::No},
    {L"MToolsDrawTextFontCharSet", SettingKind::Byte, 0, nullptr, Computed::No},
    {L"MToolsDrawTextFontOutPrecision", SettingKind::Byte, 0, nullptr, Computed::No},
    {L"MToolsDrawTextFontClipPrecision", SettingKind::Byte, 0, nullptr, Computed::No},
    {L"MToolsDrawTextFontQuality", SettingKind::Byte, 0, nullptr, Computed::No},
    {L"MToolsDrawTextFontPitchAndFamily", SettingKind::Byte, 0, nullptr, Computed::No},
    {L"MToolsDrawTextFontFaceName", SettingKind::Text32, 0, L"", Computed::No},
    {L"MToolsDrawTextAlignment", SettingKind::ListIndex, 1, nullptr, Computed::No},
    {L"MToolsArrowColor", SettingKind::Colour, 0x008AFF, nullptr, Computed::No},
    {L"MToolsArrowStyle", SettingKind::ListIndex, 1, nullptr, Computed::No},
    {L"MToolsArrowLineStyle", SettingKind::ListIndex, 0, nullptr, Computed::No},
    {L"MToolsSpotLightShape", SettingKind::ListIndex, 4, nullptr, Computed::No},
    {L"MToolsSpotLightColor", SettingKind::Colour, 0xFFAD46, nullptr, Computed::No},
    {L"MToolsErasorColor", SettingKind::Colour, 0, nullptr, Computed::Background},
    {L"MToolsErasorSize", SettingKind::Number, 20, nullptr, Computed::No},
    {L"MToolsHighLightColor", SettingKind::Colour, 0x646464, nullptr, Computed::No},
    {L"MToolsHighLightTransparency", SettingKind::Number, 50, nullptr, Computed::No},
    {L"MToolsLineColor", SettingKind::Colour, 0xBE5A00, nullptr, Computed::No},
    {L"MToolsLineWeight", SettingKind::Number, 5, nullptr, Computed::No},
    {L"MToolsLineStyle", SettingKind::ListIndex, 1, nullptr, Computed::No},
    {L"MToolsCalloutColorBorder", SettingKind::Colour, 0x005814, nullptr, Computed::No},
    {L"MToolsCalloutColorFill", SettingKind::Colour, 0x91F0FF, nullptr, Computed::No},
    {L"MToolsCalloutLineStyle", SettingKind::ListIndex, 0, nullptr, Computed::No},
    {L"MToolsCalloutTransparency", SettingKind::Flag, 0, nullptr, Computed::No},
    {L"MToolsShadowEnabled", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"MToolsShadowColor", SettingKind::Colour, 0, nullptr, Computed::No},
    {L"MToolsShadowSmoothed", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"MToolsShadowIntensity", SettingKind::Number, 100, nullptr, Computed::No},
    {L"MToolsShadowDirection", SettingKind::Number, 316, nullptr, Computed::No},
    {L"MToolsShadowOffset", SettingKind::Number, 3, nullptr, Computed::No},
    {L"MToolsShadowDither", SettingKind::Number, 4, nullptr, Computed::No},
    {L"ResizeCanvasColor", SettingKind::Colour, 0, nullptr, Computed::Background},
    {L"ResizeCanvasPosition", SettingKind::ListIndex, 0, nullptr, Computed::No},
    {L"ResizeScaleType", SettingKind::Number, 2, nullptr, Computed::No},
    {L"ResizeConstrainProportions", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"IntroWindowWelcomeShow", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"IntroWindowCaptureShow", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"IntroWindowCaptureScrollShow", SettingKind::Flag, 1, nullptr, Computed::No},
    {L"IntroWindowEditModeWelcomeShow", SettingKind::Flag, 1, nullptr, Computed::No},
}};

// The values "Factory Defaults" leaves alone.
inline const std::array<const wchar_t*, 11> kSurvivingReset = {{
    L"LanguageDetected",
    L"LanguageFile",
    L"SkinName",
    L"GeneralHotkeyFreeRectRegion",
    L"GeneralHotkeyFreeRectRegionMod",
    L"GeneralHotkeyFreeStyleRegion",
    L"GeneralHotkeyFreeStyleRegionMod",
    L"IntroWindowWelcomeShow",
    L"IntroWindowCaptureShow",
    L"IntroWindowCaptureScrollShow",
    L"IntroWindowEditModeWelcomeShow",
}};

inline const std::array<const wchar_t*, 8> kLegacyValues = {{
    L"GeneralGlobalHotkey",
    L"GeneralGlobalHotkeyModifier",
    L"GeneralHotkeyFreeRegion",
    L"GeneralHotkeyFreeRegionMod",
    L"EditModeStartEditMode",
    L"CaptureMode",
    L"CaptureZoomFactor",
    L"CaptureZoomFilter",
}};

}  // namespace zentrova::test
