// The main window as the host of the configure dialog and the settings sheet: the commands that
// open them and the effects of changed settings (hot keys, log-on entry, capture bar, skin,
// language, factory defaults).
#include <string>

#include "config/Hotkeys.h"
#include "config/SessionValues.h"
#include "config/StartWithWindows.h"
#include "config/win/SettingsPage.h"
#include "core/FileSystem.h"
#include "core/ZError.h"
#include "core/win/CommandIds.h"
#include "core/win/MainWindow.h"
#include "core/win/PrivateMessages.h"
#include "lang/LanguageKeys.h"
#include "lang/TextLookup.h"
#include "ui/dialogs/MessageBoxes.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kModule = L"Core\\MainWindowSettings";
constexpr const wchar_t* kGeneralSection = L"Dlg_General";

// The name of a hot key as the general page labels it, without the label's colon.
std::wstring HotkeyName(ZtvLangManHandle lang, int id) {
    if (id == kHotkeyIdPrintScreen) {
        return L"PrintScreen";
    }
    if (id == kHotkeyIdAltPrintScreen) {
        return L"Alt+PrintScreen";
    }
    static constexpr const wchar_t* kLabels[] = {
        L"HotkeyScrollingWindowText", L"HotkeyScrollingWindowWebsite",
        L"HotkeySingleWindow",        L"HotkeyFreeRectRegion",
        L"HotkeyFixedRegion",         L"HotkeyFreeStyleRegion"};
    const int index = id - kHotkeyIdScrollingWindowText;
    if (index < 0 || index >= 6) {
        return std::to_wstring(id);
    }
    wchar_t text[kLanguageTextChars];
    std::wstring name =
        GetLanguageText(lang, text, kLanguageTextChars, kGeneralSection, kLabels[index],
                        lang::BuiltInText(kGeneralSection, kLabels[index]));
    while (!name.empty() && (name.back() == L':' || name.back() == L' ')) {
        name.pop_back();
    }
    return name;
}

std::wstring GeneralText(ZtvLangManHandle lang, const wchar_t* name) {
    wchar_t text[kLanguageTextChars];
    return GetLanguageText(lang, text, kLanguageTextChars, kGeneralSection, name,
                           lang::BuiltInText(kGeneralSection, name));
}

}  // namespace

bool MainWindow::RouteDialogMessage(MSG& msg) {
    return m_sheet.RouteMessage(msg) || m_configure.RouteMessage(msg) || m_intro.RouteMessage(msg);
}

bool MainWindow::OnSettingsCommand(uint32_t command) {
    HWND owner = m_configure.Window() != nullptr ? m_configure.Window() : m_hwnd;
    switch (command) {
        case kCmdConfigure:
            RunConfigureDialog();
            return true;
        case kCmdChooseLanguage:
            OpenSettings(kPageLanguage, owner);
            return true;
        case kCmdConfigureCapture:
            OpenSettings(kPageCapture, owner);
            return true;
        case kCmdSettings:
            OpenSettings(kPageGeneral, owner);
            return true;
        default:
            return false;
    }
}

void MainWindow::RunConfigureDialog() {
    if (m_configure.Window() != nullptr) {
        SetForegroundWindow(m_configure.Window());
        return;
    }
    m_configure.Run(
        m_hwnd, [this](MSG& msg) { return RouteDialogMessage(msg); }, !m_app.version.newerWindows);
}

void MainWindow::OpenToolSettings() {
    if (m_shutDown) {
        return;
    }
    // The Edit Mode's tool starts anew from the stored values once the sheet has closed.
    m_reselectTool = true;
    OpenSettings(kPageMouseTools1, m_hwnd);
}

void MainWindow::OpenSettings(int page, HWND owner) {
    if (m_shutDown) {
        return;
    }
    m_sheet.Open(owner != nullptr ? owner : m_hwnd, page, m_hwnd, UM_SETTINGS_CLOSED);
}

void MainWindow::SuspendCaptureHotkeys() {
    UnregisterCaptureHotkeys(m_hwnd);
}

void MainWindow::ResumeCaptureHotkeys(HWND reportTo) {
    if (m_shutDown || m_hwnd == nullptr) {
        return;
    }
    UnregisterCaptureHotkeys(m_hwnd);
    if (m_app.editModeActive) {
        return;  // only stored: leaving the Edit Mode registers them
    }
    const std::vector<int> refused = RegisterCaptureHotkeys(m_hwnd, m_app.settings);
    if (reportTo != nullptr && !refused.empty()) {
        ReportHotkeys(reportTo, refused);
    }
}

void MainWindow::ReportHotkeys(HWND owner, const std::vector<int>& refused) {
    const ZtvLangManHandle lang = m_app.language.Handle();
    std::wstring message = GeneralText(lang, L"HotkeysNotRegistered");
    for (int id : refused) {
        const std::wstring name = HotkeyName(lang, id);
        const int holder = FindHotkeyHolder(m_app.settings, id);
        if (holder != 0) {
            const std::wstring text = GeneralText(lang, L"HotkeyClash");
            message +=
                L"\n" + FillLanguageText(FillLanguageText(text.c_str(), name.c_str()).c_str(),
                                         HotkeyName(lang, holder).c_str());
        } else {
            message +=
                L"\n" + FillLanguageText(GeneralText(lang, L"HotkeyTaken").c_str(), name.c_str());
        }
    }
    if (!ShowOkBox(m_app.ui, owner, L"%ls", message.c_str())) {
        ShowMainMessage(owner, L"%ls", message.c_str());
    }
}

void MainWindow::ApplyStartWithWindows() {
    if (!zentrova::ApplyStartWithWindows(m_app.settings, RegistryKey(RegistryRoot::CurrentUser),
                                         m_app.system)) {
        ZTrace(kModule, __LINE__, L"log-on entry not applied\n");
    }
}

void MainWindow::RefreshCaptureBar() {
    DestroyCaptureBar();
    if (!m_app.editModeActive) {
        CreateCaptureBar();  // when "GeneralShowCaptureBar" is set
    }
}

void MainWindow::ReloadSkin() {
    m_app.skin.Load(m_app.settings.SkinName);
    m_app.skinFound = PathExists(m_app.skin.GetIniPath().c_str());
    RefreshOpenWindows();
}

void MainWindow::RestartLanguage() {
    m_app.language.Start(ProgramFolder(), m_app.settings.LanguageFile);
    RefreshOpenWindows();
}

void MainWindow::RefreshOpenWindows() {
    if (m_app.skinFound) {
        if (!m_app.menuSkin.Init(m_hwnd, m_app.skin, &m_app.language)) {
            ZTrace(kModule, __LINE__, L"menu painter not started again\n");
        }
    } else {
        m_app.menuSkin.Release();
    }
    if (m_configure.Window() != nullptr) {
        SendMessageW(m_configure.Window(), UM_CONFIGURE_RELOAD, 0, 0);
    }
    if (m_sheet.IsOpen()) {
        RedrawWindow(m_sheet.Window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    if (m_app.editModeActive) {
        m_edit.RefreshLook();
    } else {
        RefreshCaptureBar();
    }
}

void MainWindow::FactoryReset() {
    const SettingsRecord before = m_app.settings;
    m_app.settingsStore.ResetSettingsToDefaults(m_app.settings);
    // The language, skin, intro flags and kept hot keys as the program uses them now.
    KeepSessionValues(before, m_app.settings);
    ApplyStartWithWindows();
    RefreshCaptureBar();
    // The sheet that asked is closed (its page's old values are not applied) and opened anew;
    // closing it registers the hot keys with the reset values.
    PostMessageW(m_hwnd, UM_OPEN_SETTINGS, kPageGeneral, 1);
}

void MainWindow::SaveSettingsNow() {
    m_app.settingsStore.SaveSettings(m_app.settings);
}

}  // namespace zentrova
