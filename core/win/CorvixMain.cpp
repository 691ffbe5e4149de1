// Entry of corvix.exe, the resident program. Start-up, in order: the "-exit" request, the single
// instance, COM, the settings, (the splash), the main window with the version check, the
// language, (the skin), the capture hot keys and (the capture bar), then (the welcome intro or
// the online check) and the message loop with its busy-cursor watchdog. The exit code is the
// quit message's, 1 after "-exit" and -1 when another instance runs or start-up fails.
#include <windows.h>
#include <objbase.h>

#include <memory>
#include <string>

#include "core/FileSystem.h"
#include "core/ZError.h"
#include "core/win/Application.h"
#include "config/RegistryKey.h"
#include "config/Settings.h"
#include "core/win/BusyCursorWatchdog.h"
#include "core/win/CommandIds.h"
#include "core/win/MainWindow.h"
#include "core/win/SingleInstance.h"

namespace zentrova {
namespace {

constexpr const wchar_t* kModule = L"Core\\CorvixMain";
constexpr int kExitAfterExitRequest = 1;
constexpr int kExitFailure = -1;
constexpr uint32_t kDefaultUpdateType = 3;
constexpr uint32_t kSplashDisplayMs = 3000;
constexpr uint32_t kSplashFadeMs = 1500;

// COM for the user-interface thread, released at the end of the run.
class ComScope {
  public:
    ComScope() : m_initialised(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComScope() {
        if (m_initialised) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool Initialised() const { return m_initialised; }

  private:
    bool m_initialised;
};

// The version check: sets the application's flags; an unsupported system is only warned about.
void CheckVersion(Application& app) {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL known = GetVersionExW(&info);
#pragma GCC diagnostic pop
    const WindowsVersionCheck check =
        known ? CheckWindowsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion)
              : CheckWindowsVersion(0xFFFFFFFFu, 0, 0);
    app.version = check.flags;
    if (check.warning != nullptr) {
        ShowMainMessage(nullptr, L"%ls", check.warning);
    }
}

// Creating the main window: version check, language, the window, the skin, the hot keys, the
// capture bar. False when the window cannot be created.
bool StartMainWindow(Application& app, MainWindow& window) {
    CheckVersion(app);

    std::wstring programFolder;
    app.system.GetProgramFolder(programFolder);
    app.language.StartFromSettings(app.settings, app.system, programFolder);

    HWND hwnd = window.Create();
    if (hwnd == nullptr) {
        return false;
    }

    // The skin named by "SkinName". Without its files every window draws plainly.
    app.skin.Load(app.settings.SkinName);
    app.skinFound = PathExists(app.skin.GetIniPath().c_str());
    // The skinned, owner-drawn menus; without the skin's files the system draws them.
    if (app.skinFound && !app.menuSkin.Init(hwnd, app.skin, &app.language)) {
        ZTrace(kModule, __LINE__, L"menu painter not started\n");
    }

    RegisterCaptureHotkeys(hwnd, app.settings);

    window.CreateCaptureBar();
    return true;
}

int RunMessageLoop(Application& app, MainWindow& window) {
    BusyCursorWatchdog watchdog;
    MSG msg{};
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(msg.wParam);
        }
        if (got == -1) {
            return kExitFailure;
        }
        watchdog.Start();  // with the first message; later calls do nothing
        watchdog.BeforeDispatch();
        if (window.RouteDialogMessage(msg)) {
            watchdog.AfterDispatch();
            continue;
        }
        const bool accelerator = app.editShortcuts && app.accelerators != nullptr &&
                                 app.mainWindow != nullptr &&
                                 TranslateAcceleratorW(app.mainWindow, app.accelerators, &msg);
        if (!accelerator) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        watchdog.AfterDispatch();
    }
}

int RunProgram(HINSTANCE instance, const wchar_t* commandLine) {
    RegisterMainWindowClass(instance);

    if (CommandLineRequestsExit(commandLine)) {
        CloseRunningInstance();
        return kExitAfterExitRequest;
    }

    InstanceMutex mutex;
    if (mutex.AlreadyExisted()) {
        if (!ActivateRunningInstance()) {
            ShowMainMessage(nullptr,
                            L"Failed to find Zentrova Clarivue Instance!\nPlease restart.");
        }
        return kExitFailure;
    }

    ComScope com;
    if (!com.Initialised()) {
        return kExitFailure;
    }

    auto app = std::make_unique<Application>(instance);
    app->settingsStore.LoadSettings(app->settings);
    app->updateType = RegistryKey(RegistryRoot::CurrentUser)
                          .ReadDword(kSettingsKeyPath, L"UpdateType", kDefaultUpdateType);

    if (app->settings.GeneralShowSplashScreen != 0 &&
        !app->splash.Show(GetDesktopWindow(), instance, kSplashDisplayMs, kSplashFadeMs,
                          L"IMG_SPLASH")) {
        ZTrace(kModule, __LINE__, L"splash picture not shown\n");
    }

    MainWindow window(*app);
    if (!StartMainWindow(*app, window)) {
        return kExitFailure;
    }

    // The "Welcome" intro with its two pointing arrows (once the splash has gone, so that it
    // does not hide behind the picture), or the online information check (with the Welcome
    // window, the first online command starts it).
    if (app->settings.IntroWindowWelcomeShow != 0) {
        if (app->splash.IsOpen()) {
            app->splash.OnFaded([&window] { window.ShowWelcome(); });
        } else {
            window.ShowWelcome();
        }
    } else {
        StartOnlineServices(*app);
    }

    app->accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(kAcceleratorTableId));
    const int exitCode = RunMessageLoop(*app, window);

    app->online.Stop();
    app->splash.Close();  // COM is released by its scope
    return exitCode;
}

}  // namespace
}  // namespace zentrova

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    return zentrova::RunProgram(instance, commandLine);
}
