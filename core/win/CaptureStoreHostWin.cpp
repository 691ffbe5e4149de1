#include "core/win/CaptureStoreHostWin.h"

#include "core/win/MainWindow.h"

namespace zentrova {

const ZImage* CaptureStoreHostWin::GetFinishedCapture() {
    return m_engine.GetFinishedCapture();
}

void CaptureStoreHostWin::GetScreenDpi(int32_t& dpiX, int32_t& dpiY) {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return;  // the copy keeps the dpi it has
    }
    dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
}

CaptureTime CaptureStoreHostWin::GetLocalTime() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    CaptureTime time;
    time.year = now.wYear;
    time.month = now.wMonth;
    time.day = now.wDay;
    time.hour = now.wHour;
    time.minute = now.wMinute;
    return time;
}

void CaptureStoreHostWin::Beep(uint32_t frequencyHz, uint32_t durationMs) {
    ::Beep(frequencyHz, durationMs);
}

void CaptureStoreHostWin::ShowMessage(const wchar_t* text) {
    ShowMainMessage(m_mainWindow, L"%ls", text);
}

void CaptureStoreHostWin::TearDownEngine() {
    m_engine.TearDown();
}

void CaptureStoreHostWin::PostCommand(uint32_t command) {
    PostMessageW(m_mainWindow, WM_COMMAND, command, 0);
}

}  // namespace zentrova
