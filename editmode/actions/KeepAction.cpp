#include "editmode/actions/KeepAction.h"

#include <cwchar>
#include <string>

#include "capture/StoreCapture.h"
#include "core/WideText.h"
#include "core/ZError.h"
#include "editmode/EditSession.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kModule = L"EditMode\\KeepAction";

}  // namespace

bool WriteCaptureOutput(EditSession& session, std::wstring& written) {
    const std::wstring path = session.GetCurrentPath();
    wchar_t errorText[kMaxPathChars] = L"";
    const int32_t format = session.GetOutputFormat();
    if (path.empty() || !WriteOutput(session.Files(), path, format, session.GetPicture(), written,
                                     errorText, kMaxPathChars)) {
        session.Host().Beep();
        wchar_t message[kMessageBoxMaxChars + 1] = L"";
        std::swprintf(message, kMessageBoxMaxChars + 1, kFailedSaveCaptureFormat, errorText);
        session.Host().ShowError(message);
        return false;
    }
    session.UsePendingSaveAsType();
    if (!EqualsNoCase(written, path) && !session.Files().Remove(path.c_str())) {
        // The output is safe; the capture file merely stays behind.
        ZTrace(kModule, __LINE__, L"capture file %ls not deleted\n", path.c_str());
    }
    return true;
}

bool KeepAction::Run(EditSession& session) {
    std::wstring written;
    if (!WriteCaptureOutput(session, written)) {
        return false;
    }
    if (m_openFolder) {
        session.SetOpenFolderOnLeave(true);
    }
    session.FinishCurrentCapture();
    return true;
}

}  // namespace zentrova
