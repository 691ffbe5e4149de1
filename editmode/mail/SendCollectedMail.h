// The collected attachments leave in one message when the Edit Mode is left: recipient from
// "EditModeEmailUseSpecifiedText" when "EditModeEmailUseSpecified" is on (else the hint text
// "EmailCaptureRecipient"), the first file's name as subject, a short greeting as note.
//
// Only once the mail program took the message are the outputs marked for deletion deleted. When
// it did not, every file stays and the user is told where the attachments are; without a mail
// program the user may open their folder with the files selected, to drag them into any mail.
// A cancel in the mail program is the user's own and reported to nobody. The list is empty
// afterwards in every case.
#pragma once

#include <vector>

#include "config/SettingsRecord.h"
#include "editmode/EditHost.h"
#include "editmode/actions/OutputFiles.h"
#include "editmode/mail/MailMessage.h"

namespace zentrova {

constexpr const wchar_t* kMailNote = L"Hi, \r\n\r\n\r\n\r\n\r\n\r\n";
constexpr const wchar_t* kMailNotInstalled =
    L"MAPI not installed. No e-mail program could take the message. Open the folder with the "
    L"attachments, to add them to a message yourself?";
constexpr const wchar_t* kMailLogonFailed =
    L"MAPI: Failed to log on. The attachments stay in \"%ls\".";
constexpr const wchar_t* kMailSendFailed =
    L"The e-mail program did not take the message (error %u). The attachments stay in "
    L"\"%ls\".";

// True when a message was handed over.
bool SendCollectedMail(std::vector<MailAttachment>& attachments, const SettingsRecord& settings,
                       MailSender& sender, EditHost& host, OutputFiles& files);

}  // namespace zentrova
