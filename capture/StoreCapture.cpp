#include "capture/StoreCapture.h"

#include <cwchar>

#include "codecs/ZImageCodecBmp.h"
#include "core/FileSystem.h"
#include "core/WideText.h"

namespace zentrova {

bool CaptureStore::StoreCapture(CaptureStoreHost& host, const CaptureStoreSettings& settings,
                                CaptureList& list) {
    const ZImage* finished = host.GetFinishedCapture();
    if (finished == nullptr || !finished->IsValid()) {
        return false;
    }
    ZImage capture;
    if (!capture.CopyFrom(*finished)) {
        return false;
    }
    host.GetScreenDpi(capture.dpiX, capture.dpiY);

    const std::wstring& folder = settings.outputFolder;
    if (!DirectoryExists(folder.c_str())) {
        CreateOneDirectory(folder.c_str());  // a failure shows up as a failed write below
    }

    const CaptureTime time = host.GetLocalTime();
    const uint32_t number = ++m_sessionCounter;
    std::wstring path;
    const bool havePath = MakeCapturePath(folder, time, number, path);

    wchar_t errorText[kMaxPathChars] = {};
    bool written = false;
    if (havePath) {
        written = WriteBmp(path.c_str(), capture, errorText, kMaxPathChars);
    } else {
        // No usable name (too long, or every " (n)" taken): the file cannot be opened.
        CopyText(errorText, kMaxPathChars, bmp::kWriteOpenFailed);
    }
    if (!written) {
        host.Beep(kFailureBeepHz, kFailureBeepMs);
        // The writer's text is at most 259 characters, so the message always fits.
        wchar_t message[kMessageBoxMaxChars + 1] = {};
        std::swprintf(message, kMessageBoxMaxChars + 1, kFailedSaveCaptureFormat, errorText);
        host.ShowMessage(message);
    }

    if (havePath && !list.IsFull()) {
        list.Add(path.c_str(), capture);
    }

    host.TearDownEngine();

    if (written && settings.captureType == kCaptureTypeSingle) {
        host.PostCommand(kCommandEnterEditMode);
    }
    return true;
}

}  // namespace zentrova
