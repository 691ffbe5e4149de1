// The capture store's host on Windows: the engine's finished image, the screen's dpi, the local
// time, the beep, the main window's message box, the engine's tear-down and posted commands.
#pragma once

#include <windows.h>

#include "capture/StoreCapture.h"
#include "capture/overlay/CaptureEngine.h"

namespace zentrova {

class CaptureStoreHostWin final : public CaptureStoreHost {
  public:
    CaptureStoreHostWin(HWND mainWindow, CaptureEngine& engine)
        : m_mainWindow(mainWindow), m_engine(engine) {}

    const ZImage* GetFinishedCapture() override;
    void GetScreenDpi(int32_t& dpiX, int32_t& dpiY) override;
    CaptureTime GetLocalTime() override;
    void Beep(uint32_t frequencyHz, uint32_t durationMs) override;
    void ShowMessage(const wchar_t* text) override;
    void TearDownEngine() override;
    void PostCommand(uint32_t command) override;

  private:
    HWND m_mainWindow;
    CaptureEngine& m_engine;
};

}  // namespace zentrova
