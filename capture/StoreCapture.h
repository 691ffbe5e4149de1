// Storing a finished capture: the BMP file in the output folder, the entry in the CaptureList
// and the first state of its undo history.
//
// The main window runs CaptureStore::StoreCapture when the capture engine reports a finished
// capture (UM_CAPTURE_DONE). What belongs to the engine and the main window is reached through
// CaptureStoreHost; the two settings read here are passed in CaptureStoreSettings.
#pragma once

#include <cstdint>
#include <string>

#include "capture/CaptureFileName.h"
#include "capture/CaptureList.h"
#include "image/ZImage.h"

namespace zentrova {

// "Stop Capture/Enter Edit Mode": posted after a stored capture in single-capture mode.
constexpr uint32_t kCommandEnterEditMode = 40026;
// Capture types of the setting "CaptureType".
constexpr int32_t kCaptureTypeSingle = 0;
constexpr int32_t kCaptureTypeMultiple = 1;
// The short beep of minor failures.
constexpr uint32_t kFailureBeepHz = 200;
constexpr uint32_t kFailureBeepMs = 200;
// Longest text of the main window's message box, in characters.
constexpr size_t kMessageBoxMaxChars = 1024;
constexpr const wchar_t* kFailedSaveCaptureFormat = L"Failed Save Capture: %ls";

// What the store needs from the capture engine and the main window.
class CaptureStoreHost {
  public:
    virtual ~CaptureStoreHost() = default;
    // The engine's finished result image, or null when there is none (or it is not valid).
    virtual const ZImage* GetFinishedCapture() = 0;
    // The screen's logical resolution (pixels per inch) horizontally and vertically.
    virtual void GetScreenDpi(int32_t& dpiX, int32_t& dpiY) = 0;
    // The current local time.
    virtual CaptureTime GetLocalTime() = 0;
    virtual void Beep(uint32_t frequencyHz, uint32_t durationMs) = 0;
    // The main window's message box ("Zentrova Clarivue 2.1", information icon, topmost).
    virtual void ShowMessage(const wchar_t* text) = 0;
    // Releases the engine's overlay window, hot keys, timers, mouse hook and images.
    virtual void TearDownEngine() = 0;
    // Posts a command (WM_COMMAND) to the main window.
    virtual void PostCommand(uint32_t command) = 0;
};

// The settings the store reads ("CaptureOutputDirectory", "CaptureType").
struct CaptureStoreSettings {
    std::wstring outputFolder;
    int32_t captureType = kCaptureTypeSingle;
};

class CaptureStore {
  public:
    // Stores the host's finished capture:
    //  1. copies the finished image (none, or the copy fails: returns false, nothing else done);
    //  2. gives the copy the screen's dpi;
    //  3. creates the output folder (one level) when it is missing;
    //  4.-7. takes the local time, counts the capture and builds its path (MakeCapturePath);
    //  8. writes the copy as BMP; on failure beeps and shows "Failed Save Capture: <text>";
    //  9. enters it into list while the list has room (also after a failed write; not when no
    //     path could be built);
    // 10. tears the engine down;
    // 11. after a successful write in single-capture mode posts kCommandEnterEditMode;
    // 12. returns true.
    bool StoreCapture(CaptureStoreHost& host, const CaptureStoreSettings& settings,
                      CaptureList& list);

    // Number of the last capture stored in this run (0 before the first one). Never reset.
    uint32_t GetSessionCounter() const { return m_sessionCounter; }

  private:
    uint32_t m_sessionCounter = 0;
};

}  // namespace zentrova
