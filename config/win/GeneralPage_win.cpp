#include "config/win/GeneralPage_win.h"

#include <commctrl.h>

#include "config/Hotkeys.h"
#include "config/ListChoice.h"
#include "config/win/SettingsIds.h"
#include "lang/LanguageKeys.h"
#include "lang/TextLookup.h"
#include "ui/dialogs/MessageBoxes.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kSection = L"Dlg_General";
constexpr size_t kAlignmentCount = 4;

const DialogCaption kCaptions[] = {
    {IDC_GEN_APPLICATION, L"Application"},
    {IDC_GEN_START_WITH_WINDOWS, L"StartWithWindows"},
    {IDC_GEN_SPLASH, L"ShowSplashScreen"},
    {IDC_GEN_CAPTURE, L"Capture"},
    {IDC_GEN_PRINTSCREEN, L"MonitorWindowsCaptureHotKey"},
    {IDC_GEN_SOUND, L"PlaySound"},
    {IDC_GEN_BAR_SHOW, L"CaptureBarShow"},
    {IDC_GEN_BAR_ALIGNMENT_LABEL, L"CaptureBarAlignment"},
    {IDC_GEN_HOTKEYS, L"Hotkeys"},
    {IDC_GEN_HK_TEXT_LABEL, L"HotkeyScrollingWindowText"},
    {IDC_GEN_HK_WEBSITE_LABEL, L"HotkeyScrollingWindowWebsite"},
    {IDC_GEN_HK_WINDOW_LABEL, L"HotkeySingleWindow"},
    {IDC_GEN_HK_RECT_LABEL, L"HotkeyFreeRectRegion"},
    {IDC_GEN_HK_FIXED_LABEL, L"HotkeyFixedRegion"},
    {IDC_GEN_HK_FREESTYLE_LABEL, L"HotkeyFreeStyleRegion"},
    {IDC_GEN_FACTORY, L"FactoryDefaults"},
    {IDC_GEN_RESET_DEFAULTS, L"ResetDefaults"},
    {IDC_GEN_RESET_INTRO, L"ResetIntroWindows"},
};

// The six hot-key controls with their pair of the record, in matching order.
struct HotkeyField {
    int control;
    uint32_t SettingsRecord::*key;
    uint32_t SettingsRecord::*modifiers;
};
const HotkeyField kHotkeyFields[] = {
    {IDC_GEN_HK_TEXT, &SettingsRecord::GeneralHotkeyScrollingWindowText,
     &SettingsRecord::GeneralHotkeyScrollingWindowTextMod},
    {IDC_GEN_HK_WEBSITE, &SettingsRecord::GeneralHotkeyScrollingWindowWebsite,
     &SettingsRecord::GeneralHotkeyScrollingWindowWebsiteMod},
    {IDC_GEN_HK_WINDOW, &SettingsRecord::GeneralHotkeySingleWindow,
     &SettingsRecord::GeneralHotkeySingleWindowMod},
    {IDC_GEN_HK_RECT, &SettingsRecord::GeneralHotkeyFreeRectRegion,
     &SettingsRecord::GeneralHotkeyFreeRectRegionMod},
    {IDC_GEN_HK_FIXED, &SettingsRecord::GeneralHotkeyFixedRegion,
     &SettingsRecord::GeneralHotkeyFixedRegionMod},
    {IDC_GEN_HK_FREESTYLE, &SettingsRecord::GeneralHotkeyFreeStyleRegion,
     &SettingsRecord::GeneralHotkeyFreeStyleRegionMod},
};

}  // namespace

int CGeneralPage::TemplateId() const {
    return IDD_PAGE_GENERAL;
}

void CGeneralPage::OnInit() {
    // The hot-key controls must receive the capture keys while the page is open; the sheet
    // registers them again whichever way it closes.
    Host().SuspendCaptureHotkeys();
    LoadCaptions();
    FillControls();
}

void CGeneralPage::LoadCaptions() {
    LoadDialogCaptions(Lang(), Window(), kSection, kCaptions, false);
    SetButtonTag(Item(IDC_GEN_RESET_DEFAULTS), kTagRefresh);
    SetButtonTag(Item(IDC_GEN_RESET_INTRO), kTagRefresh);
}

void CGeneralPage::FillControls() {
    const SettingsRecord& s = Host().Settings();
    Check(IDC_GEN_START_WITH_WINDOWS, s.GeneralStartWithWindows);
    Check(IDC_GEN_SPLASH, s.GeneralShowSplashScreen);
    Check(IDC_GEN_PRINTSCREEN, s.GeneralMonitorWindowsCaptureKey);
    Check(IDC_GEN_SOUND, s.GeneralPlaySoundOnCapture);
    Check(IDC_GEN_BAR_SHOW, s.GeneralShowCaptureBar);
    FillComboFromLanguage(Lang(), Item(IDC_GEN_BAR_ALIGNMENT), kSection, L"CaptureBarAlignmentCBX",
                          static_cast<int>(s.GeneralBBCaptureAlignment),
                          lang::BuiltInText(kSection, L"CaptureBarAlignmentCBX"));
    for (const HotkeyField& field : kHotkeyFields) {
        SendMessageW(Item(field.control), HKM_SETHOTKEY,
                     MakeHotkeyWord(s.*field.key, s.*field.modifiers), 0);
    }
    EnableAlignment();
}

void CGeneralPage::EnableAlignment() {
    const bool shown = IsChecked(IDC_GEN_BAR_SHOW);
    EnableWindow(Item(IDC_GEN_BAR_ALIGNMENT), shown ? TRUE : FALSE);
    EnableWindow(Item(IDC_GEN_BAR_ALIGNMENT_LABEL), shown ? TRUE : FALSE);
}

void CGeneralPage::OnApply() {
    SettingsRecord& s = Host().Settings();
    s.GeneralStartWithWindows = IsChecked(IDC_GEN_START_WITH_WINDOWS) ? 1 : 0;
    s.GeneralShowSplashScreen = IsChecked(IDC_GEN_SPLASH) ? 1 : 0;
    Host().ApplyStartWithWindows();
    for (const HotkeyField& field : kHotkeyFields) {
        const auto word =
            static_cast<uint32_t>(SendMessageW(Item(field.control), HKM_GETHOTKEY, 0, 0));
        // Kept as the control reports it, the extended-key flag included.
        s.*field.key = HotkeyWordKeyCode(word);
        s.*field.modifiers = HotkeyWordModifiers(word);
    }
    s.GeneralShowCaptureBar = IsChecked(IDC_GEN_BAR_SHOW) ? 1 : 0;
    s.GeneralBBCaptureAlignment =
        ChosenListIndex(SendMessageW(Item(IDC_GEN_BAR_ALIGNMENT), CB_GETCURSEL, 0, 0),
                        kAlignmentCount, s.GeneralBBCaptureAlignment);
    Host().RefreshCaptureBar();
    s.GeneralPlaySoundOnCapture = IsChecked(IDC_GEN_SOUND) ? 1 : 0;
    s.GeneralMonitorWindowsCaptureKey = IsChecked(IDC_GEN_PRINTSCREEN) ? 1 : 0;
    // The hot keys as now stored, every one of them (the PrintScreen keys included); the ones
    // that cannot be had are named to the user.
    Host().ResumeCaptureHotkeys(GetParent(Window()));
}

bool CGeneralPage::OnCommand(int control, int code) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (control) {
        case IDC_GEN_BAR_SHOW:
            EnableAlignment();
            return true;
        case IDC_GEN_RESET_DEFAULTS:
            AskFactoryDefaults();
            return true;
        case IDC_GEN_RESET_INTRO:
            AskResetIntroWindows();
            return true;
        default:
            return false;
    }
}

void CGeneralPage::AskFactoryDefaults() {
    wchar_t title[kLanguageTextChars];
    wchar_t text[kLanguageTextChars];
    GetLanguageText(Lang(), title, kLanguageTextChars, kSection, L"FactoryDefaults",
                    lang::BuiltInText(kSection, L"FactoryDefaults"));
    GetLanguageText(Lang(), text, kLanguageTextChars, kSection, L"ResetDefaultsYesNo",
                    lang::BuiltInText(kSection, L"ResetDefaultsYesNo"));
    if (ShowYesNoBox(Host().Ui(), GetParent(Window()), title, text)) {
        Host().FactoryReset();
    }
}

void CGeneralPage::AskResetIntroWindows() {
    wchar_t title[kLanguageTextChars];
    wchar_t text[kLanguageTextChars];
    GetLanguageText(Lang(), title, kLanguageTextChars, kSection, L"ResetIntroWindows",
                    lang::BuiltInText(kSection, L"ResetIntroWindows"));
    GetLanguageText(Lang(), text, kLanguageTextChars, kSection, L"ResetIntroWindowsYesNo",
                    lang::BuiltInText(kSection, L"ResetIntroWindowsYesNo"));
    if (!ShowYesNoBox(Host().Ui(), GetParent(Window()), title, text)) {
        return;
    }
    SettingsRecord& s = Host().Settings();
    s.IntroWindowWelcomeShow = 1;
    s.IntroWindowCaptureShow = 1;
    s.IntroWindowCaptureScrollShow = 1;
    s.IntroWindowEditModeWelcomeShow = 1;
    Host().SaveSettingsNow();
}

}  // namespace zentrova
