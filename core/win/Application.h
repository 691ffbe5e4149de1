// The application object: everything the resident program owns for the whole run. Created once
// by the program entry (on the heap: the capture list with its histories is large), reached by
// the main window through its window data.
#pragma once

#include <windows.h>

#include "capture/CaptureList.h"
#include "capture/StoreCapture.h"
#include "capture/overlay/CaptureEngine.h"
#include "config/Settings.h"
#include "config/SettingsRecord.h"
#include "config/SystemInfo.h"
#include "core/win/CaptureHotkeys.h"
#include "core/win/WindowsVersion.h"
#include "editmode/EditSession.h"
#include "editmode/actions/OutputFiles.h"
#include "lang/LanguageStartup.h"
#include "lang/OnlineServices.h"
#include "lang/OnlineServices_win.h"
#include "ui/dialogs/SkinnedDialog.h"
#include "ui/intro/Splash.h"
#include "ui/menus/MenuSkin.h"
#include "ui/skin/Skin.h"

namespace zentrova {

struct Application {
    explicit Application(HINSTANCE moduleInstance)
        : instance(moduleInstance),
          settingsStore(RegistryKey(RegistryRoot::CurrentUser), system),
          skin(system) {}
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    HINSTANCE instance;
    HostSystemInfo system;
    SettingsStore settingsStore;
    SettingsRecord settings{};
    WindowsVersionFlags version;
    LanguageSession language;
    Skin skin;
    // The skin's files were found: its colours stand (otherwise windows draw plainly).
    bool skinFound = false;
    // What the skinned dialogs and message boxes share (ShowOkBox, ShowYesNoBox).
    SkinnedUi ui{skin, language};
    // The owner-drawn menus (tray menu), started once the skin is loaded.
    MenuSkin menuSkin;
    CaptureList captures;
    CaptureStore store;
    CaptureEngine engine;
    // The Edit Mode's editor and the files its actions write.
    DiskOutputFiles outputFiles;
    EditSession editSession{captures, settings, outputFiles};

    HWND mainWindow = nullptr;
    // The splash picture at start-up ("GeneralShowSplashScreen").
    Splash splash;
    HACCEL accelerators = nullptr;

    // The Edit Mode's state as the main window sees it: active, and whether its keyboard
    // shortcuts are wanted (off while a dialog or text field has the keyboard).
    bool editModeActive = false;
    bool editShortcuts = false;

    // The online services through ztv_inet.dll beside the program (none when it is missing).
    WinInetLibrary inetLibrary;
    WinOnlineHost onlineHost;
    OnlineServices online{inetLibrary, onlineHost, OnlineProductInfo{}};
    // "UpdateType" of the settings key, read with the settings: how command 40015 checks.
    uint32_t updateType = 3;

    // The capture mode waiting for its intro window to be closed.
    CaptureMode introMode = CaptureMode::SingleWindow;
};

}  // namespace zentrova
