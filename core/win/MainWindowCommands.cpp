// The main window's commands: one dispatcher for the tray menu, accelerators, hot keys and the
// button bars.
#include <cwchar>
#include <string>

#include "config/JoinPath.h"
#include "core/HelpTopics.h"
#include "core/ZError.h"
#include "core/win/CommandIds.h"
#include "core/win/MainWindow.h"
#include "core/win/WebLinks.h"
#include "lang/WebLink.h"
#include "core/win/PrivateMessages.h"
#include "lang/LanguageKeys.h"
#include "lang/TextLookup.h"
#include "lang/ztv_lang/ztv_lang.h"
#include "ui/dialogs/MessageBoxes.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kModule = L"Core\\MainWindowCommands";

// Commands whose windows and actions are not part of this program yet: the web links and online
// services, the Edit Mode's actions, image commands, colour picker and mouse tools.
void NotAvailableYet(uint32_t command) {
    ZTrace(kModule, __LINE__, L"command %u is not available in this build\n", command);
}

}  // namespace

bool MainWindow::OnCommand(uint32_t command) {
    if (command < kFirstCommand || command > kLastCommand) {
        return false;
    }
    // While the Edit Mode is active, menu, accelerator and bar commands are first offered to it.
    if (m_edit.OnCommand(command)) {
        return true;
    }
    if (OnSettingsCommand(command)) {
        return true;
    }
    switch (command) {
        case kCmdCaptureWindow:
        case kCmdCaptureFreeRectRegion:
        case kCmdCaptureArea:
        case kCmdCaptureScrollingWebsite:
        case kCmdCaptureScrollingText:
        case kCmdCaptureFreeStyleRegion:
            StartCaptureCommand(command);
            return true;
        case kCmdStopCaptureEnterEditMode:
        case kCmdStartEditMode:
            StopCaptureEnterEditMode();
            return true;
        case kCmdEnterEditMode:
            EnterEditMode();
            return true;
        case kCmdLeaveEditMode:
            LeaveEditMode();
            return true;
        case kCmdShowCaptureBar:
            ToggleCaptureBar();
            return true;
        case kCmdHelp:
            OpenHelp(nullptr);
            return true;
        case kCmdHelpTopicCapture:
            OpenHelp(HelpTopicName(HelpTopic::Capture));
            return true;
        case kCmdAbout:
            ShowAbout();
            return true;
        case kCmdOnlineUpdate:
            OnlineUpdate();
            return true;
        case kCmdConfigureOnlineServices:
            ConfigureOnlineServices();
            return true;
        case kCmdExit:
            PostMessageW(m_hwnd, WM_CLOSE, 0, 0);
            return true;
        default:
            if (const wchar_t* target = WebLinkTargetOf(command)) {
                OpenWebLink(m_app.settings, target);
                return true;
            }
            NotAvailableYet(command);
            return true;
    }
}

void MainWindow::StartCaptureCommand(uint32_t command) {
    CaptureCommand capture;
    if (!GetCaptureCommand(command, capture)) {
        return;
    }
    // An open configure dialog takes its choices and closes, as with its OK button.
    m_configure.CloseWithOk();
    if (capture.regionMode) {
        DestroyCaptureBar();  // not to be frozen into the picture
    } else if (m_captureBar.IsCreated()) {
        m_captureBar.HideTooltip();
    }
    if (IsIntroDue(m_app.settings, capture.intro)) {
        // The capture starts when the intro is closed (UM_INTRO_CLOSED); at once when it cannot
        // be shown.
        m_app.introMode = capture.mode;
        if (ShowIntroWindow(capture.intro == IntroGroup::Capture ? IntroId::Capture
                                                                 : IntroId::CaptureScroll)) {
            return;
        }
    }
    StartCapture(capture.mode);
}

void MainWindow::StartCapture(CaptureMode mode) {
    CaptureEngineContext context;
    context.settings = &m_app.settings;
    context.language = m_app.language.Handle();
    if (m_app.skinFound) {
        context.borderColour = m_app.skin.GetColor(L"CaptureBorderColor");
        context.textColour = m_app.skin.GetColor(L"CaptureTextColor");
    }
    // A capture finished a moment ago (a second PrintScreen queued behind the first) is stored
    // before the new one replaces it in the engine.
    StoreWaitingCapture();
    if (!m_app.engine.Start(m_hwnd, m_app.instance, mode, UM_CAPTURE_DONE, context)) {
        ZTrace(kModule, __LINE__, L"capture mode %u did not start\n", static_cast<uint32_t>(mode));
    }
    // The capture bar comes back through timer 3.
}

void MainWindow::StopCaptureEnterEditMode() {
    if (m_captureBar.IsCreated()) {
        SetFocus(m_captureBar.GetWindow());
    }
    StoreWaitingCapture();
    m_app.engine.TearDown();  // a running capture is abandoned
    if (m_app.captures.GetCount() == 0) {
        m_app.captures.Clear();
        wchar_t text[kLanguageTextChars] = L"";
        GetLanguageMessage(m_app.language.Handle(), text, kLanguageTextChars,
                           L"CaptureStopNoCaptures",
                           L"No captures have been created in the last session. Therefore the "
                           L"Edit Mode can not be started. You need to create a capture first.");
        if (!ShowOkBox(m_app.ui, m_hwnd, L"%ls", text)) {
            ShowMainMessage(m_hwnd, L"%ls", text);  // the dialog template could not be shown
        }
        return;
    }
    if (IsFullScreenInFront()) {
        return;
    }
    PostMessageW(m_hwnd, WM_COMMAND, kCmdEnterEditMode, 0);
}

void MainWindow::EnterEditMode() {
    if (m_edit.IsActive()) {
        return;
    }
    UnregisterCaptureHotkeys(m_hwnd);
    DestroyCaptureBar();
    m_app.editModeActive = true;
    m_app.editShortcuts = true;
    m_edit.Enter(m_hwnd);
    if (m_app.settings.IntroWindowEditModeWelcomeShow != 0) {
        ShowIntroWindow(IntroId::EditModeWelcome);
    }
}

void MainWindow::LeaveEditMode() {
    CloseEditModeIntros();
    m_app.captures.Clear();
    m_edit.Leave();
    m_app.editModeActive = false;
    m_app.editShortcuts = false;
    UnregisterCaptureHotkeys(m_hwnd);  // registered again exactly as at start-up
    RegisterCaptureHotkeys(m_hwnd, m_app.settings);
    CreateCaptureBar();
}

void MainWindow::ToggleCaptureBar() {
    DestroyCaptureBar();
    m_app.settings.GeneralShowCaptureBar = m_app.settings.GeneralShowCaptureBar != 0 ? 0 : 1;
    if (m_app.settings.GeneralShowCaptureBar != 0) {
        CreateCaptureBar();
    }
}

void MainWindow::DestroyCaptureBar() {
    m_captureBar.Destroy();
}

void MainWindow::CreateCaptureBar() {
    if (m_app.settings.GeneralShowCaptureBar == 0) {
        return;
    }
    // Docked to the edge of "GeneralBBCaptureAlignment" (0 left, 1 top, 2 right, 3 bottom) with
    // that edge's picture of the skin; without the picture there is no bar.
    static constexpr const wchar_t* kPictures[] = {L"ButtonBarCaptureLeft", L"ButtonBarCaptureTop",
                                                   L"ButtonBarCaptureRight",
                                                   L"ButtonBarCaptureBottom"};
    static constexpr uint32_t kCommands[] = {40128, 40127, 40107, 40108, 40155,
                                             40109, 40026, 40006, 40084};
    const uint32_t alignment = m_app.settings.GeneralBBCaptureAlignment;
    ZImage picture;
    if (alignment > 3 || !m_app.skin.LoadPng(picture, kPictures[alignment])) {
        ZTrace(kModule, __LINE__, L"no capture bar picture for edge %u\n", alignment);
        return;
    }
    wchar_t labels[kLanguageTextChars] = L"";
    GetLanguageText(m_app.language.Handle(), labels, kLanguageTextChars, L"ButtonLabels",
                    L"Capture", lang::BuiltInText(L"ButtonLabels", L"Capture"));
    if (!m_captureBar.Create(m_hwnd, m_app.instance, m_app.skin.GetColor(L"ButtonBarHiddenColor"),
                             m_app.skin.GetColor(L"ButtonBarToolTipBackColor"),
                             m_app.skin.GetColor(L"ButtonBarToolTipTextColor"), alignment, true,
                             false, true, 9, kCommands, labels, picture, false)) {
        ZTrace(kModule, __LINE__, L"capture bar not created\n");
    }
}

std::wstring MainWindow::ProgramFolder() {
    std::wstring programFolder;
    m_app.system.GetProgramFolder(programFolder);
    return programFolder;
}

void MainWindow::OpenHelp(const wchar_t* topic) {
    // Below other topmost windows, so that the help window can come to the front.
    SetWindowPos(m_hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const std::wstring helpFolder = JoinPath(ProgramFolder(), L"Help");
    // The help file of the current language, or the English one.
    const wchar_t* file = ztvLangMan_findLocalFile(m_app.language.Handle(), helpFolder.c_str(),
                                                   L"CVX-", L".chm", L"en-us");
    if (m_help.Show(m_hwnd, file, topic)) {
        return;
    }
    ZTrace(kModule, __LINE__, L"help topic %ls not shown (file %ls)\n",
           topic != nullptr ? topic : HelpTopicName(HelpTopic::Welcome),
           file != nullptr ? file : L"none");
    wchar_t text[kLanguageTextChars] = L"";
    GetLanguageMessage(m_app.language.Handle(), text, kLanguageTextChars, L"HelpNotAvailable",
                       lang::BuiltInText(kMessagesSection, L"HelpNotAvailable"));
    const std::wstring message = FillLanguageText(text, helpFolder.c_str());
    if (!ShowOkBox(m_app.ui, m_hwnd, L"%ls", message.c_str())) {
        ShowMainMessage(m_hwnd, L"%ls", message.c_str());
    }
}

}  // namespace zentrova
