#include "lang/LanguageKeys.h"

#include <cwchar>

namespace zentrova::lang {

namespace {

constexpr bool kList = true;

std::vector<LanguageKey> MakeTable() {
    return {
        // ---- Main window: message boxes, tray menu, capture bar ----
        {L"Messages", L"CaptureStopNoCaptures",
         L"No captures have been created in the last session. Therefore the Edit Mode can not "
         L"be started. You need to create a capture first."},
        // Help commands when the help file or the system's help viewer is missing (%s: the help
        // folder).
        {L"Messages", L"HelpNotAvailable",
         L"The help could not be opened. Either no help file was found in the folder \"%s\", or "
         L"this system has no HTML Help viewer."},
        // Tray menu. The menu resource shows fixed shortcut hints, but the capture hot keys are
        // configurable (and by default not F11), so the language files leave the hints out.
        {L"Menu", L"File_CaptureScrollingText", L"Capture a scrolling Window (Text)"},
        {L"Menu", L"File_CaptureScrollingWindow", L"Capture a scrolling Window (Website)"},
        {L"Menu", L"File_CaptureWindow", L"Capture a Window\tF11", false, L"Capture a Window"},
        {L"Menu", L"File_CaptureFreeRectRegion", L"Capture a Region\tShift+F11", false,
         L"Capture a Region"},
        {L"Menu", L"File_CaptureFreeStyleRegion", L"Capture a Free Style Region\tShift+F11", false,
         L"Capture a Free Style Region"},
        {L"Menu", L"File_CaptureArea", L"Capture a Predefined Area\tCtrl+F11", false,
         L"Capture a Predefined Area"},
        {L"Menu", L"Tray_Configure", L"Configure..."},
        {L"Menu", L"Tray_ShowCaptureBar", L"Show CaptureBar"},
        {L"Menu", L"Tray_StartEditMode", L"Start Edit Mode"},
        {L"Menu", L"Tray_Help", L"&Help"},
        {L"Menu", L"Tray_Exit", L"Exit"},
        // Capture bar tooltips, one per button.
        {L"ButtonLabels", L"Capture",
         L"Capture Scrolling Window (Text)|Capture Scrolling Window (Website)|Capture Single "
         L"Window|Capture Free Rect Region|Capture Free Style Region|Capture Fixed Region|Stop "
         L"Capture/Enter Edit Mode|Configure...|Open Help",
         kList},

        // ---- Capture overlay captions ----
        {L"Messages", L"CaptureWebsiteCaption", L"Left Button: Capture | Right Button: Cancel"},
        {L"Messages", L"CaptureWebsiteCaptionInProgress",
         L"Please wait until the operation has finished"},
        {L"Messages", L"CaptureWebsiteCaptionFreeRegion",
         L"Left Button: Hold Down and Drag to Select | Right Button: Cancel"},
        {L"Messages", L"CaptureWebsiteFreeRegionCapture",
         L"Left click into the selection to capture"},

        // ---- Edit Mode bars ----
        {L"ButtonLabels", L"EditActions",
         L"Erase Image|Keep Image|Keep Image and open the Output Folder|Save As|Copy to "
         L"Clipboard|Send by eMail|Print Image|Open the Help",
         kList},
        {L"ButtonLabels", L"EditImage",
         L"Undo|Redo|Zoom In|Zoom 100%|Zoom Out|Rotate 90\u00B0 Left|Rotate 90\u00B0 "
         L"Right|Mirror|Flip|Effect Drop Shadow|Effect Pencil Drawing|Effect Grayscale|Resize "
         L"Image...|Resize Canvas...|Rename...|Open the Help",
         kList},
        {L"ButtonLabels", L"EditMouseTools",
         L"Scroll|Select|Rubber|Rectangle|Ellipse|Marker|Pencil|Line|Arrow|Spotlight|"
         L"HighlightArea|Callout|Text|Configure...|Help",
         kList},
        {L"ButtonLabels", L"EditChooseColor",
         L"To choose a color move your mouse and press the left mouse button..."},

        // ---- Edit Mode tools: confirm buttons, text tool, selection tool ----
        {L"Messages", L"Yes", L"Yes"},
        {L"Messages", L"No", L"No"},
        {L"MouseTools", L"TextAlignCBX", L"Left|Center|Right", kList},
        {L"MouseTools", L"ChooseFont", L"Choose Font..."},
        {L"MouseTools", L"TextColor", L"Text Color..."},
        {L"MouseTools", L"DrawShadow", L"Draw Shadow"},
        {L"MouseTools", L"ShadowColor", L"Shadow Color..."},
        {L"MouseTools", L"SelectCrop", L"Crop"},
        {L"MouseTools", L"SelectPixelize", L"Pixelize"},
        {L"MouseTools", L"SelectZoom", L"Zoom"},
        {L"MouseTools", L"SelectMore", L"More..."},
        // Selection menu ("More...").
        {L"Menu", L"SelectCopy", L"Copy"},
        {L"Menu", L"SelectPaste", L"Paste"},
        {L"Menu", L"SelectCut", L"Cut"},
        {L"Menu", L"SelectCrop", L"Crop"},
        {L"Menu", L"SelectButtonize", L"Buttonize"},
        {L"Menu", L"SelectPixelize", L"Pixelize"},
        {L"Menu", L"SelectBlur", L"Blur"},
        {L"Menu", L"SelectSharpen", L"Sharpen"},
        {L"Menu", L"SelectZoom", L"Zoom into Selection"},

        // ---- Resize dialog ----
        {L"Dlg_Resize", L"Title", L"Resize Image"},
        {L"Dlg_Resize", L"NewWidth", L"Width:"},
        {L"Dlg_Resize", L"NewHeight", L"Height:"},
        {L"Dlg_Resize", L"Proportions", L"Constrain Proportions"},
        {L"Dlg_Resize", L"ScaleFilter", L"Filter:"},
        {L"Dlg_Resize", L"Ok", L"Ok"},
        {L"Dlg_Resize", L"Cancel", L"Cancel"},
        {L"Dlg_Resize", L"UnitCBX", L"Percent|Pixel|Centimeter|Inch", kList},
        {L"Dlg_Resize", L"ScaleFilterCBX", L"No Smoothing|Bresenham|Bicubic|Gaussian|Bilinear",
         kList},

        // ---- Resize canvas dialog ----
        {L"Dlg_ResizeCanvas", L"Title", L"Resize Canvas"},
        {L"Dlg_ResizeCanvas", L"NewWidth", L"Width:"},
        {L"Dlg_ResizeCanvas", L"NewHeight", L"Height:"},
        {L"Dlg_ResizeCanvas", L"CanvasSize", L"Canvas Size"},
        {L"Dlg_ResizeCanvas", L"ImagePosition", L"Image Position:"},
        {L"Dlg_ResizeCanvas", L"FillColor", L"Fill Color:"},
        {L"Dlg_ResizeCanvas", L"Ok", L"Ok"},
        {L"Dlg_ResizeCanvas", L"Cancel", L"Cancel"},
        {L"Dlg_ResizeCanvas", L"PositionCBX",
         L"TopLeft|TopCenter|TopRight|LeftCenter|Center|RightCenter|BottomLeft|BottomCenter|"
         L"BottomRight",
         kList},
        // Every "Choose Color..." button of the dialogs and settings pages.
        {L"Messages", L"ChooseColor", L"Choose Color..."},
        {L"Messages", L"MsgResizeCanvasFailed", L"Failed to resize canvas!"},

        // ---- Rename dialog ----
        {L"Dlg_Rename", L"Title", L"Rename"},
        {L"Dlg_Rename", L"Ok", L"Ok"},
        {L"Dlg_Rename", L"Cancel", L"Cancel"},
        {L"Dlg_Rename", L"MsgFileIdentical",
         L"Failed to rename because source and destination are identical"},
        {L"Dlg_Rename", L"MsgFileExists", L"A file of that name exists already."},
        {L"Dlg_Rename", L"MsgRenameFailed", L"The capture could not be renamed."},

        // ---- Print dialog ----
        {L"Dlg_Print", L"Title", L"Print Image"},
        {L"Dlg_Print", L"Ok", L"Ok"},
        {L"Dlg_Print", L"Cancel", L"Cancel"},
        {L"Dlg_Print", L"Printer", L"Printer:"},
        {L"Dlg_Print", L"Configure", L"Configure..."},
        {L"Dlg_Print", L"Print", L"Layout"},
        {L"Dlg_Print", L"PrintOriginalSize", L"Print the image in original size (DPI)"},
        {L"Dlg_Print", L"PrintBestFit", L"Best fit the image into page size"},
        {L"Dlg_Print", L"PrintBestFitOnlyBig", L"Best fit only big images - small images in 100%"},
        {L"Dlg_Print", L"PrintMultiPageVertically", L"Print on multiple pages - vertically"},
        {L"Dlg_Print", L"PrintMultiPageHorizontally", L"Print on multiple pages - horizontally"},
        {L"Dlg_Print", L"DPI", L"Resolution (DPI):"},
        {L"Dlg_Print", L"DPIInfo",
         L"The resolution decides how large the image is printed in original size."},
        {L"Dlg_Print", L"Orientation", L"Orientation"},
        {L"Dlg_Print", L"Portrait", L"Portrait"},
        {L"Dlg_Print", L"Landscape", L"Landscape"},

        // ---- E-mail ----
        {L"Messages", L"EmailCaptureRecipient", L"Please enter the recipient"},

        // ---- Colour picker ----
        {L"Dlg_ColorPicker", L"Title", L"Choose Color"},
        {L"Dlg_ColorPicker", L"OriginalColor", L"Original"},
        {L"Dlg_ColorPicker", L"SelectedColor", L"Selected"},
        {L"Dlg_ColorPicker", L"Opacity", L"Opacity:"},
        {L"Dlg_ColorPicker", L"Ok", L"Ok"},
        {L"Dlg_ColorPicker", L"Cancel", L"Cancel"},

        // ---- Settings dialog: sheet ----
        {L"SettingsCaptions", L"Captions",
         L"Zentrova Clarivue Settings|General|Skin|Language|Mouse Tools 1|Mouse Tools 2|"
         L"Capture|Edit Mode",
         kList},
        {L"Messages", L"Ok", L"Ok"},
        {L"Messages", L"Cancel", L"Cancel"},
        {L"Messages", L"Help", L"Help"},

        // ---- Settings dialog: general page ----
        {L"Dlg_General", L"Application", L"Application"},
        {L"Dlg_General", L"StartWithWindows", L"Start when Windows starts"},
        {L"Dlg_General", L"ShowSplashScreen", L"Show Splash Screen on Start Up"},
        {L"Dlg_General", L"Capture", L"Capture"},
        {L"Dlg_General", L"MonitorWindowsCaptureHotKey", L"Monitor Windows Capture Hotkey "},
        {L"Dlg_General", L"PlaySound", L"Play Sound on Capture"},
        {L"Dlg_General", L"CaptureBarShow", L"Show Capture Bar at the screen border"},
        {L"Dlg_General", L"CaptureBarAlignment", L"Alignment:"},
        {L"Dlg_General", L"CaptureBarAlignmentCBX", L"Left|Top|Right|Bottom", kList},
        {L"Dlg_General", L"Hotkeys", L"Hotkeys"},
        {L"Dlg_General", L"HotkeyScrollingWindowText", L"Scrolling Window (Text):"},
        {L"Dlg_General", L"HotkeyScrollingWindowWebsite", L"Scrolling Window (Website):"},
        {L"Dlg_General", L"HotkeySingleWindow", L"Single Window:"},
        {L"Dlg_General", L"HotkeyFreeRectRegion", L"Free Rect Region:"},
        {L"Dlg_General", L"HotkeyFixedRegion", L"Fixed Region:"},
        {L"Dlg_General", L"HotkeyFreeStyleRegion", L"Free Style Region:"},
        // Group box and title of the factory defaults question.
        {L"Dlg_General", L"FactoryDefaults", L"Factory Defaults"},
        {L"Dlg_General", L"ResetDefaults", L"Reset to Factory Default"},
        {L"Dlg_General", L"ResetDefaultsYesNo",
         L"Are you sure you want to reset the configuration to the factory defaults?"},
        // Button and title of the intro windows question.
        {L"Dlg_General", L"ResetIntroWindows", L"Reset Intro Windows"},
        {L"Dlg_General", L"ResetIntroWindowsYesNo",
         L"Are you sure you want to show the introduction windows again?"},
        // Hot keys that cannot be registered: a heading, then one line each (%s: the names).
        {L"Dlg_General", L"HotkeysNotRegistered",
         L"These hot keys are kept as chosen but start no capture until they are changed:"},
        {L"Dlg_General", L"HotkeyClash", L"\"%s\" has the same hot key as \"%s\"."},
        {L"Dlg_General", L"HotkeyTaken", L"The hot key of \"%s\" is used by another program."},

        // ---- Settings dialog: skin page and skin preview ----
        {L"Dlg_Skin", L"Skin", L"Skin"},
        {L"Dlg_Skin", L"Default", L"Default"},
        {L"Dlg_Skin", L"Small", L"Small"},
        {L"Dlg_Skin", L"Tiny", L"Tiny"},
        {L"Dlg_Skin", L"EditTextColor", L"Edit Text Color"},
        {L"Dlg_Skin", L"StaticTextColor", L"Static Text Color"},
        {L"Dlg_Skin", L"ButtonText", L"A Button"},
        {L"Dlg_Skin", L"SkinName", L"Name:"},
        {L"Dlg_Skin", L"SkinAuthor", L"Author:"},

        // ---- Settings dialog: language page ----
        {L"Dlg_Language", L"Title", L"Language"},
        {L"Dlg_Language", L"Ok", L"Ok"},
        {L"Dlg_Language", L"Cancel", L"Cancel"},
        {L"Dlg_Language", L"ListHeaders", L"File|Author|Language", kList},

        // ---- Settings dialog: mouse tools 1 page ----
        {L"Dlg_MouseTools1", L"AllTools", L"All Tools"},
        {L"Dlg_MouseTools1", L"HighQuality", L"High Quality (Anti-Alias, Smoothing)"},
        {L"Dlg_MouseTools1", L"ShadowEnabled", L"Draw Shadow"},
        {L"Dlg_MouseTools1", L"ShadowSmoothed", L"High Quality (Anti-Alias, Smoothing)"},
        {L"Dlg_MouseTools1", L"Shadow", L"Shadow"},
        {L"Dlg_MouseTools1", L"ShadowColor", L"Color:"},
        {L"Dlg_MouseTools1", L"ShadowIntensity", L"Intensity:"},
        {L"Dlg_MouseTools1", L"ShadowDirection", L"Direction:"},
        {L"Dlg_MouseTools1", L"ShadowOffset", L"Offset:"},
        {L"Dlg_MouseTools1", L"ShadowDither", L"Softness:"},
        {L"Dlg_MouseTools1", L"RoundedRectTool", L"Rectangle and Ellipse"},
        {L"Dlg_MouseTools1", L"RoundedRectWidth", L"Line Width:"},
        {L"Dlg_MouseTools1", L"RoundedRectCorner", L"Corner Size:"},
        {L"Dlg_MouseTools1", L"RoundedRectFill", L"Fill with specified color:"},
        {L"Dlg_MouseTools1", L"RoundedRectBorderColor", L"Border Color:"},
        {L"Dlg_MouseTools1", L"PencilTool", L"Pencil"},
        {L"Dlg_MouseTools1", L"PencilWidth", L"Width:"},
        {L"Dlg_MouseTools1", L"MarkerTool", L"Marker"},
        {L"Dlg_MouseTools1", L"MarkerWidth", L"Width:"},
        {L"Dlg_MouseTools1", L"MarkerColor", L"Color:"},
        {L"Dlg_MouseTools1", L"MarkerColorCBX", L"Green|Yellow|Red|Blue|Pink", kList},

        // ---- Settings dialog: mouse tools 2 page ----
        {L"Dlg_MouseTools2", L"ArrowTool", L"Arrow"},
        {L"Dlg_MouseTools2", L"ArrowStyle", L"Style:"},
        {L"Dlg_MouseTools2", L"ArrowStyleCBX", L"Default|Dual Head|Growing", kList},
        {L"Dlg_MouseTools2", L"ArrowLineStyle", L"Line Style:"},
        {L"Dlg_MouseTools2", L"ArrowLineStyleCBX", L"Solid|Dash|Dot|Dash Dot|Dash Dot Dot", kList},
        {L"Dlg_MouseTools2", L"LineTool", L"Line"},
        {L"Dlg_MouseTools2", L"LineWidth", L"Width:"},
        {L"Dlg_MouseTools2", L"LineStyle", L"Line Style:"},
        {L"Dlg_MouseTools2", L"HighlightTool", L"Highlight Area"},
        {L"Dlg_MouseTools2", L"HighlightTransparency", L"Transparency:"},
        {L"Dlg_MouseTools2", L"ErasorTool", L"Rubber"},
        {L"Dlg_MouseTools2", L"ErasorSize", L"Size:"},
        {L"Dlg_MouseTools2", L"SpotlightTool", L"Spotlight"},
        {L"Dlg_MouseTools2", L"SpotlightStyle", L"Shape:"},
        {L"Dlg_MouseTools2", L"SpotlightStyleCBX", L"Circle|Circle Soft|Crystal|Rectangle|ZigZag",
         kList},
        {L"Dlg_MouseTools2", L"CalloutTool", L"Callout"},
        {L"Dlg_MouseTools2", L"CalloutLineStyle", L"Line Style:"},
        {L"Dlg_MouseTools2", L"CalloutBorderColor", L"Border Color:"},
        {L"Dlg_MouseTools2", L"CalloutFillColor", L"Fill Color:"},
        {L"Dlg_MouseTools2", L"CalloutTransparency", L"Make fill color translucent"},
        {L"Dlg_MouseTools2", L"Color", L"Color:"},

        // ---- Settings dialog: capture page ----
        {L"Dlg_SettingsCapture", L"Title", L"Capture"},
        {L"Dlg_SettingsCapture", L"Output", L"Output"},
        {L"Dlg_SettingsCapture", L"OutputFormat", L"Format:"},
        {L"Dlg_SettingsCapture", L"OutputDirectory", L"Folder:"},
        {L"Dlg_SettingsCapture", L"Browse", L"Browse..."},
        {L"Dlg_SettingsCapture", L"Background", L"Background"},
        {L"Dlg_SettingsCapture", L"BackgroundColor", L"Color:"},
        {L"Dlg_SettingsCapture", L"Shadow", L"Drop Shadow"},
        {L"Dlg_SettingsCapture", L"ShadowColor", L"Color:"},
        {L"Dlg_SettingsCapture", L"ShadowIntensity", L"Intensity:"},
        {L"Dlg_SettingsCapture", L"ShadowDirection", L"Direction:"},
        {L"Dlg_SettingsCapture", L"ShadowOffset", L"Offset:"},
        {L"Dlg_SettingsCapture", L"ShadowDither", L"Softness:"},
        {L"Dlg_SettingsCapture", L"Zoom", L"Zoom"},
        {L"Dlg_SettingsCapture", L"ZoomFactor", L"Factor:"},
        {L"Dlg_SettingsCapture", L"ZoomFilter", L"Filter:"},
        {L"Dlg_SettingsCapture", L"Cursor", L"Mouse Cursor"},
        {L"Dlg_SettingsCapture", L"CursorHasShadow", L"Cursor has a Shadow"},
        {L"Dlg_SettingsCapture", L"CursorSparkle", L"Decoration:"},
        {L"Dlg_SettingsCapture", L"CursorSparkleCBX",
         L"None|Balls|Blob|Crosshair|Explosive|Asterisk|X", kList},
        {L"Dlg_SettingsCapture", L"Shape", L"Shape"},
        {L"Dlg_SettingsCapture", L"ImageShape", L"Shape:"},
        {L"Dlg_SettingsCapture", L"ImageShapeCBX",
         L"AutoShape|RoundRect|Ellipse|Effect Cloudy|Effect Concave|Effect Convex|Effect "
         L"Saw|Effect Torn|Effect ZigZag",
         kList},
        // Shares its control with "ZoomFactor" and is set after it.
        {L"Dlg_SettingsCapture", L"ImageShapeDirection", L"Edges:"},
        {L"Dlg_SettingsCapture", L"ImageShapeDirectionCBX",
         L"RightBottom|LeftBottom|Right|Left|Top|Bottom|All", kList},
        {L"Dlg_SettingsCapture", L"ImageFader", L"Fade out:"},
        {L"Dlg_SettingsCapture", L"ImageFaderCBX",
         L"None|Left|TopLeft|Top|TopRight|Right|BottomRight|Bottom|BottomLeft", kList},
        {L"Dlg_SettingsCapture", L"FixedRegionSize", L"Fixed Region Size"},
        {L"Dlg_SettingsCapture", L"FixedWidth", L"Width:"},
        {L"Dlg_SettingsCapture", L"FixedHeight", L"Height:"},
        {L"Dlg_SettingsCapture", L"FixedWidthInvalid",
         L"The width of the fixed region must be a number from 1 to 16384."},
        {L"Dlg_SettingsCapture", L"FixedHeightInvalid",
         L"The height of the fixed region must be a number from 1 to 16384."},
        {L"Dlg_SettingsCapture", L"OutputFolderEmpty", L"The output folder must not be empty."},

        // ---- Settings dialog: edit mode page ----
        {L"Dlg_EditMode", L"EditMode", L"Edit Mode"},
        {L"Dlg_EditMode", L"DeleteCapture",
         L"Delete Capture when using CopyToClipboard/eMail command."},
        {L"Dlg_EditMode", L"EmailRecipient", L"When using the email command use this email adress"},
        {L"Dlg_EditMode", L"PrintDoNotAdvance",
         L"Do not advance to next Capture after Print command used."},
        {L"Dlg_EditMode", L"EditBars", L"Edit Bars"},
        {L"Dlg_EditMode", L"EditBarsAutoHide",
         L"Automatically hide when not used - show when mouse over"},
        {L"Dlg_EditMode", L"EditBarsShowAlways", L"Always show bars"},

        // ---- Configure dialog and its menu bar ----
        {L"Dlg_Configure", L"Title", L"Configure"},
        {L"Dlg_Configure", L"InfoMsg", L"Choose how the next captures are taken."},
        {L"Dlg_Configure", L"InfoMsg2", L"All other options are under \"Advanced...\"."},
        {L"Dlg_Configure", L"CaptureType", L"Capture Type"},
        {L"Dlg_Configure", L"CaptureTypeSingle", L"Single capture: edit each capture at once"},
        {L"Dlg_Configure", L"CaptureTypeMultiple", L"Multiple captures: edit them later"},
        {L"Dlg_Configure", L"ImageHasShadow", L"Add a drop shadow"},
        {L"Dlg_Configure", L"IncludeCursor", L"Include the mouse cursor"},
        {L"Dlg_Configure", L"Advanced", L"Advanced..."},
        {L"Dlg_Configure", L"Ok", L"Ok"},
        {L"Dlg_Configure", L"Cancel", L"Cancel"},
        {L"Dlg_Configure", L"Help", L"Help"},
        // Top-level items of the menu bar, set by position.
        {L"Menu", L"File", L"&File"},
        {L"Menu", L"Config", L"&Settings"},
        {L"Menu", L"Internet", L"&Internet"},
        {L"Menu", L"Help", L"&Help"},
        {L"Menu", L"File_Exit", L"Exit"},
        {L"Menu", L"Config_ChooseLanguage", L"Choose Language..."},
        {L"Menu", L"Config_ConfigureNewsChannels", L"Configure News Channels..."},
        {L"Menu", L"Config_ConfigureCapture", L"Configure Capture..."},
        {L"Menu", L"Config_Settings", L"Settings..."},
        {L"Menu", L"Internet_Recommend", L"Recommend to a Friend..."},
        {L"Menu", L"Internet_SpecialOffers", L"Special Offers"},
        {L"Menu", L"Internet_Newsletter", L"Newsletter"},
        {L"Menu", L"Internet_Homepage", L"Zentrova Homepage"},
        {L"Menu", L"Internet_Products", L"Products"},
        {L"Menu", L"Internet_Support", L"Support"},
        {L"Menu", L"Internet_MyZentrova", L"My Zentrova"},
        {L"Menu", L"Internet_OnlineUpdate", L"Check for Updates..."},
        {L"Menu", L"Help_Help", L"Help"},
        {L"Menu", L"Help_About", L"About..."},
        // Formatted with the product name.
        {L"Messages", L"TranslateApp", L"Translate %s"},

        // ---- Intro windows' buttons ----
        {L"Messages", L"IntroWindowNext", L"Next"},
        {L"Messages", L"IntroWindowClose", L"Close"},
        {L"Messages", L"IntroWindowShowNextTime", L"Show window"},

        // ---- About box ----
        {L"Dlg_About", L"Development", L"Draft & Development"},
        {L"Dlg_About", L"Management", L"Project Management"},
        {L"Dlg_About", L"Graphics", L"Graphics & Design"},
        {L"Dlg_About", L"Helpfile", L"Help & Documentation"},
    };
}

}  // namespace

const std::vector<LanguageKey>& AllLanguageKeys() {
    static const std::vector<LanguageKey> table = MakeTable();
    return table;
}

const LanguageKey* FindLanguageKey(const wchar_t* section, const wchar_t* name) {
    if (section == nullptr || name == nullptr) {
        return nullptr;
    }
    for (const LanguageKey& key : AllLanguageKeys()) {
        if (std::wcscmp(key.section, section) == 0 && std::wcscmp(key.name, name) == 0) {
            return &key;
        }
    }
    return nullptr;
}

const wchar_t* BuiltInText(const wchar_t* section, const wchar_t* name) {
    const LanguageKey* key = FindLanguageKey(section, name);
    return key == nullptr ? L"" : key->english;
}

std::wstring LanguageKeyPath(const LanguageKey& key) {
    return std::wstring(key.section) + L"." + key.name;
}

const std::vector<std::wstring>& IntroWindowNames() {
    static const std::vector<std::wstring> names = {
        L"Welcome",           L"Capture",          L"CaptureScroll",     L"EditModeWelcome",
        L"EditModeActionBar", L"EditModeImageBar", L"EditModeMToolsBar",
    };
    return names;
}

std::wstring IntroLineName(const std::wstring& intro, int line) {
    const int number = line < 0 ? 0 : line % 100;  // always two digits
    const wchar_t digits[] = {static_cast<wchar_t>(L'0' + number / 10),
                              static_cast<wchar_t>(L'0' + number % 10), L'\0'};
    return intro + digits;
}

}  // namespace zentrova::lang
