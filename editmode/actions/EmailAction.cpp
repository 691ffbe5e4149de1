#include "editmode/actions/EmailAction.h"

#include <cwchar>
#include <string>

#include "capture/StoreCapture.h"
#include "core/WideText.h"
#include "editmode/EditSession.h"
#include "editmode/actions/KeepAction.h"

namespace zentrova {

namespace {

// The format of the copy: PNG for a BMP output, else the output's own.
int32_t AttachmentFormat(const std::wstring& written) {
    for (int32_t format = 1; format <= 3; ++format) {
        const std::wstring extension = OutputExtension(format);
        if (written.size() > extension.size() &&
            EqualsNoCase(written.substr(written.size() - extension.size()), extension)) {
            return format;
        }
    }
    return static_cast<int32_t>(OutputFormat::Png);
}

}  // namespace

bool EmailAction::Run(EditSession& session) {
    if (session.MailAttachments().size() >= kMaxMailAttachments) {
        session.Host().Beep();
        return false;
    }
    std::wstring written;
    if (!WriteCaptureOutput(session, written)) {
        return false;
    }
    const size_t slash = written.find_last_of(L"\\/");
    const std::wstring copy = session.Files().TempFolder() +
                              (slash == std::wstring::npos ? written : written.substr(slash + 1));
    std::wstring attached;
    wchar_t errorText[kMaxPathChars] = L"";
    if (!WriteOutput(session.Files(), copy, AttachmentFormat(written), session.GetPicture(),
                     attached, errorText, kMaxPathChars)) {
        session.Host().Beep();
        wchar_t message[kMessageBoxMaxChars + 1] = L"";
        std::swprintf(message, kMessageBoxMaxChars + 1, kFailedSaveCaptureFormat, errorText);
        session.Host().ShowError(message);
        // The capture goes on under its written output's name.
        session.SetCurrentPath(written);
        return false;
    }
    const bool deleteAfter = session.Settings().EditModeDeleteCaptureAfterAction != 0;
    session.MailAttachments().push_back({attached, deleteAfter ? written : std::wstring()});
    session.FinishCurrentCapture();
    return true;
}

}  // namespace zentrova
