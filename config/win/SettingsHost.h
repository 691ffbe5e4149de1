// What the configure dialog and the settings pages need from the resident program: its record,
// look and language, and the effects a changed setting has at once (hot keys, log-on entry,
// capture bar, skin, language, help). The main window implements it.
#pragma once

#include <windows.h>

#include <string>

#include "config/SettingsRecord.h"
#include "config/SystemInfo.h"
#include "ui/dialogs/SkinnedDialog.h"

namespace zentrova {

class SettingsHost {
  public:
    virtual ~SettingsHost() = default;

    virtual SettingsRecord& Settings() = 0;
    virtual const SkinnedUi& Ui() = 0;
    virtual const SystemInfo& System() = 0;
    virtual std::wstring ProgramFolder() = 0;
    virtual HWND MainWindowHandle() = 0;
    virtual bool IsEditModeActive() = 0;

    // Opens the help file at topic.
    virtual void OpenHelp(const wchar_t* topic) = 0;
    // Opens the settings sheet on page (or brings it to the front there), owned by owner.
    virtual void OpenSettings(int page, HWND owner) = 0;

    // Releases the capture hot keys (so that a hot-key control can receive them).
    virtual void SuspendCaptureHotkeys() = 0;
    // Registers the record's capture hot keys again, unless the Edit Mode is active (it registers
    // them when it ends). With reportTo, a hot key that cannot be registered is named in a
    // message box owned by that window.
    virtual void ResumeCaptureHotkeys(HWND reportTo) = 0;
    // The log-on entry after "GeneralStartWithWindows".
    virtual void ApplyStartWithWindows() = 0;
    // The capture bar after "GeneralShowCaptureBar" and its edge (none during the Edit Mode).
    virtual void RefreshCaptureBar() = 0;
    // Loads the skin of "SkinName" and refreshes every open window and bar.
    virtual void ReloadSkin() = 0;
    // Starts the language of "LanguageFile" and refreshes every open window, menu and bar.
    virtual void RestartLanguage() = 0;
    // "Factory Defaults": resets the record (the values kept by the reset as the program uses
    // them), applies the effects at once and reopens the settings on page 0 through a posted
    // message (the sheet asking for it is closed first).
    virtual void FactoryReset() = 0;
    // Writes the record to the registry now.
    virtual void SaveSettingsNow() = 0;
};

}  // namespace zentrova
