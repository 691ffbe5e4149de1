// FinishCapture: the engine's result image through the finishing pipeline.
#include "capture/finish/FinishCapture.h"

#include <windows.h>

#include "capture/finish/FinishPipeline.h"
#include "capture/finish/FinishPlatform_win.h"
#include "capture/overlay/CaptureEngine.h"
#include "config/SystemInfo.h"
#include "core/WideText.h"

namespace zentrova {

bool FinishCapture(CaptureEngine& engine, HWND window, int32_t dx, int32_t dy) {
    const SettingsRecord* settings = engine.GetContext().settings;
    ZImage& result = engine.GetResult();
    if (settings == nullptr || !result.IsValid()) {
        return false;
    }
    if (result.GetBitsPerPixel() != 24 && !result.SetBitDepth(24)) {
        return false;
    }
    FinishRequest request;
    request.mode = engine.GetMode();
    RECT windowRect{};
    if (window != nullptr &&
        (request.mode == CaptureMode::SingleWindow || request.mode == CaptureMode::ActiveWindow)) {
        GetWindowRect(window, &windowRect);
    }
    CursorPositionInCapture(request.mode, engine.GetCaptureCursorX(), engine.GetCaptureCursorY(),
                            windowRect.left, windowRect.top, GetSystemMetrics(SM_XVIRTUALSCREEN),
                            GetSystemMetrics(SM_YVIRTUALSCREEN), dx, dy, request.cursorX,
                            request.cursorY);
    wchar_t folder[kMaxPathChars] = {};
    if (GetProgramFolder(folder, kMaxPathChars)) {
        request.programFolder = folder;
    }
    GdiFinishPlatform platform(engine.GetInstance());
    return FinishImage(result, FinishOptionsFromSettings(*settings), request, platform).AllWorked();
}

}  // namespace zentrova
