#include "editmode/actions/SaveAsAction.h"

#include <cwchar>
#include <string>

#include "capture/StoreCapture.h"
#include "core/WideText.h"
#include "editmode/EditSession.h"
#include "editmode/actions/CaptureRename.h"

namespace zentrova {

namespace {

std::wstring Message(const wchar_t* format, const std::wstring& text) {
    wchar_t message[kMessageBoxMaxChars + 1] = L"";
    std::swprintf(message, kMessageBoxMaxChars + 1, format, text.c_str());
    return message;
}

}  // namespace

bool SaveAsAction::Run(EditSession& session) {
    EditHost& host = session.Host();
    const std::wstring capture = session.GetCurrentPath();
    int32_t index = session.GetSaveAsFilterIndex();
    std::wstring chosen;
    if (capture.empty() || !host.ChooseSaveAsPath(capture, index, chosen) || chosen.empty()) {
        return false;  // cancelled: nothing changes
    }
    if (index < 1 || index > 4) {
        index = session.GetSaveAsFilterIndex();
    }
    const int32_t type = index - 1;

    // The dialog asked about the name it returned; a name the type's extension changes is asked
    // about here. No is a cancel: nothing changes.
    const std::wstring target = ReplaceExtension(chosen, OutputExtension(type));
    if (!EqualsNoCase(target, chosen) && session.Files().Exists(target.c_str()) &&
        !host.AskYesNo(Message(kReplaceFileFormat, target).c_str())) {
        return false;
    }
    session.SetSaveAsFilterIndex(index);
    session.SetPendingSaveAsType(type);
    std::wstring written;
    wchar_t errorText[kMaxPathChars] = L"";
    if (!WriteOutput(session.Files(), target, type, session.GetPicture(), written, errorText,
                     kMaxPathChars)) {
        host.Beep();
        host.ShowError(Message(kFailedSaveCaptureFormat, errorText).c_str());
        return false;
    }

    // Saved as BMP beside the capture under a new name: the capture's new name is the saved
    // file itself, which the capture file must not replace; the capture keeps its name.
    const std::wstring name = ReplaceExtension(FileNameOf(target), L".bmp");
    if (!EqualsNoCase(name, FileNameOf(capture)) &&
        !EqualsNoCase(SiblingPath(capture, name), written) &&
        !RenameCurrentCapture(session, name)) {
        host.Beep();
        host.ShowError(Message(kRenameFailedFormat, name).c_str());
    }
    host.Repaint();
    return true;
}

}  // namespace zentrova
