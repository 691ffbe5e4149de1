#include "editmode/actions/ClipboardAction.h"

#include <string>

#include "editmode/EditSession.h"
#include "editmode/actions/KeepAction.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kNotDeleted = L"The capture file could not be deleted:\n";

}  // namespace

bool ClipboardAction::Run(EditSession& session) {
    EditHost& host = session.Host();
    if (!host.CopyToClipboard(session.GetPicture())) {
        host.Beep();
        host.ShowError(kClipboardFailed);
        return false;
    }
    if (!session.Settings().EditModeDeleteCaptureAfterAction) {
        std::wstring written;
        if (!WriteCaptureOutput(session, written)) {
            return false;
        }
    } else {
        // The clipboard holds the picture now; the file goes.
        const std::wstring path = session.GetCurrentPath();
        OutputFiles& files = session.Files();
        if (!files.Remove(path.c_str()) && files.Exists(path.c_str())) {
            host.Beep();
            host.ShowError((kNotDeleted + path).c_str());
            return false;
        }
    }
    session.FinishCurrentCapture();
    return true;
}

}  // namespace zentrova
