// The main window of the resident program, the hub every command goes through: tray icon and
// menu, hot keys, capture commands, finished captures, Edit Mode commands.
//
// One hidden popup window of the class "ZentrovaClarivue2Class" stands for the running instance:
// a second start finds it to bring it to the front, "-exit" finds it to close it.
#pragma once

#include <windows.h>

#include <cstdint>

#include <vector>

#include "config/win/ConfigureDialog_win.h"
#include "config/win/SettingsHost.h"
#include "config/win/SettingsSheet_win.h"
#include "core/win/Application.h"
#include "core/win/HtmlHelpViewer.h"
#include "core/win/IntroChain.h"
#include "core/win/TrayIcon.h"
#include "editmode/win/EditWindow_win.h"
#include "ui/buttonbar/ButtonBar.h"
#include "ui/intro/IntroWindow.h"
#include "ui/intro/PointingArrow.h"

namespace zentrova {

constexpr const wchar_t* kMainWindowClass = L"ZentrovaClarivue2Class";
constexpr const wchar_t* kMainWindowTitle = L"Zentrova Clarivue 2";
constexpr const wchar_t* kProductName = L"Zentrova Clarivue 2";
constexpr const wchar_t* kMessageBoxCaption = L"Zentrova Clarivue 2.1";

// Timers of the main window (2 belongs to the Edit Mode).
constexpr UINT_PTR kTimerHover = 1;
constexpr UINT kTimerHoverMs = 50;
constexpr UINT_PTR kTimerCaptureBarWatch = 3;
constexpr UINT kTimerCaptureBarWatchMs = 1500;

// Registers the main window class: no class style, the main window procedure, the program icon
// (resource 102), no cursor, background of the system colour COLOR_APPWORKSPACE.
bool RegisterMainWindowClass(HINSTANCE instance);

// Shows a message box owned by owner with the text filled from format (printf rules, wide
// strings with %ls, at most 1024 characters: longer texts are cut), the caption
// "Zentrova Clarivue 2.1", the information icon, topmost and in the foreground.
void ShowMainMessage(HWND owner, const wchar_t* format, ...);
// The same for 8-bit text.
void ShowMainMessageA(HWND owner, const char* format, ...);

// Registers the record's capture hot keys on hwnd (identifiers 6-11; 2 and 3 for PrintScreen
// and Alt+PrintScreen with "GeneralMonitorWindowsCaptureKey"). A key that another program holds
// is not an error: it is logged, and its command stays reachable from the tray menu. Returns the
// identifiers that could not be registered.
std::vector<int> RegisterCaptureHotkeys(HWND hwnd, const SettingsRecord& record);
// Unregisters identifiers 6-11, 2 and 3.
void UnregisterCaptureHotkeys(HWND hwnd);

// Starts the online information check for the main window (unless it runs): the library from
// beside the program, the product's values with the current language. False when it did not
// start (already running, or no library).
bool StartOnlineServices(Application& app);

class MainWindow : public SettingsHost {
  public:
    explicit MainWindow(Application& app)
        : m_app(app),
          m_edit(
              app, [this](const wchar_t* topic) { OpenHelp(topic); },
              [this] { OpenToolSettings(); }),
          m_configure(*this),
          m_sheet(*this) {}
    // Destroys the window when it still exists (the session's end quits the message loop
    // without destroying it), so that no message reaches this object once it is gone.
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Creates the window (topmost popup without owner at the default place and size, kept
    // hidden: it has no visible area of its own until the Edit Mode paints it) and notes it in
    // the application. On WM_CREATE it starts timers 1 and 3 and adds the tray icon; the icon
    // is added again when the taskbar is re-created ("TaskbarCreated") and, when the first add
    // failed, on timer 3 until it succeeds. Null on failure.
    HWND Create();

    // Full-screen check: true while the Edit Mode is active; otherwise true when the foreground
    // window is a visible, not minimised popup (not "Program Manager") that covers at least the
    // whole primary screen, in which case the capture bar is removed.
    bool IsFullScreenInFront();

    // The capture bar, docked to the edge of "GeneralBBCaptureAlignment", while
    // "GeneralShowCaptureBar" is set and the skin has its picture (timer 3 re-creates it).
    void CreateCaptureBar();

    // The "Welcome" intro with its two pointing arrows (start-up, "IntroWindowWelcomeShow").
    void ShowWelcome();

    // The keyboard messages of the open configure dialog and settings sheet (navigation, F1);
    // the message loop offers every message here first. True when the message was used.
    bool RouteDialogMessage(MSG& msg);

    // SettingsHost (MainWindowSettings.cpp).
    SettingsRecord& Settings() override { return m_app.settings; }
    const SkinnedUi& Ui() override { return m_app.ui; }
    const SystemInfo& System() override { return m_app.system; }
    std::wstring ProgramFolder() override;
    HWND MainWindowHandle() override { return m_hwnd; }
    bool IsEditModeActive() override { return m_app.editModeActive; }
    void OpenHelp(const wchar_t* topic) override;
    void OpenSettings(int page, HWND owner) override;
    // The Edit Mode's tool settings button: the sheet on the mouse tools page.
    void OpenToolSettings();
    void SuspendCaptureHotkeys() override;
    void ResumeCaptureHotkeys(HWND reportTo) override;
    void ApplyStartWithWindows() override;
    void RefreshCaptureBar() override;
    void ReloadSkin() override;
    void RestartLanguage() override;
    void FactoryReset() override;
    void SaveSettingsNow() override;

  private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    // The Edit Mode's share of the messages; true when it took the message.
    bool HandleEditMode(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void OnShutdown();
    void OnTimer(UINT_PTR id);
    void OnHotkey(WPARAM wParam, LPARAM lParam);
    void OnTrayNotify(LPARAM lParam);
    // UM_INTRO_CLOSED (MainWindowIntro.cpp): taken only for the intro that is open (IntroChain.h).
    void OnIntroClosed(WPARAM wParam, LPARAM lParam);
    // Opens the intro id (an open one is replaced); false when it could not be shown.
    bool ShowIntroWindow(IntroId id);
    // Shows arrow at target with the skin's "PointingArrow" (halved on 800-pixel screens).
    void ShowArrow(PointingArrow& arrow, const ArrowTarget& target);
    // Leaving the Edit Mode: its intro and arrows go at once.
    void CloseEditModeIntros();
    void OnCaptureDone();
    // Stores a capture that is finished but not stored yet (its UM_CAPTURE_DONE still waits in
    // the queue): before a new capture starts or the engine is torn down, so that none is lost.
    void StoreWaitingCapture();
    void AddTrayIcon();
    // WM_COMMAND; false for numbers this window does not handle (default handling).
    bool OnCommand(uint32_t command);
    void StartCaptureCommand(uint32_t command);
    void StartCapture(CaptureMode mode);
    void StopCaptureEnterEditMode();
    void EnterEditMode();
    void LeaveEditMode();
    void ToggleCaptureBar();
    void DestroyCaptureBar();
    // 40015 by "UpdateType", and 40116; the main window is hidden meanwhile and shown again
    // only when it was visible. Beep when the services are not available.
    void OnlineUpdate();
    void ConfigureOnlineServices();
    // The About box (40117), one at a time; its link opens the maker's home page.
    void ShowAbout();
    // The configure dialog (40006) and the settings commands (40110, 40114, 40115).
    void RunConfigureDialog();
    bool OnSettingsCommand(uint32_t command);
    // After a skin or language change: every open window, menu and bar anew.
    void RefreshOpenWindows();
    // Names the hot keys that could not be registered (refused: their identifiers).
    void ReportHotkeys(HWND owner, const std::vector<int>& refused);

    Application& m_app;
    HWND m_hwnd = nullptr;
    TrayIcon m_tray;
    CButtonBar m_captureBar;  // created while "GeneralShowCaptureBar" is set
    HtmlHelpViewer m_help;
    EditWindow m_edit;  // the Edit Mode on this window
    CConfigureDialog m_configure;
    CSettingsSheet m_sheet;
    // The sheet was opened by the Edit Mode's tool settings button: its tool is selected again
    // when the sheet closes.
    bool m_reselectTool = false;
    bool m_shutDown = false;
    bool m_menuOpen = false;    // the tray menu is being tracked
    bool m_aboutOpen = false;   // the About box is open
    UINT m_taskbarCreated = 0;  // the shell's "TaskbarCreated" message
    IntroWindow m_intro;
    bool m_introOpen = false;  // m_intro shows m_openIntro and has not told its close yet
    IntroId m_openIntro = IntroId::Welcome;
    PointingArrow m_startArrows[2];  // beside "Welcome"
    // The Edit Mode chain's arrows, used in turn (one fades out while the next appears).
    PointingArrow m_chainArrows[2];
    int m_chainArrow = 0;
};

}  // namespace zentrova
