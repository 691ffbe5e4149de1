#include "editmode/mail/SendCollectedMail.h"

#include <cwchar>
#include <string>

namespace zentrova {

namespace {

constexpr size_t kMessageChars = 1024;

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring NameOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

void TellWhere(EditHost& host, const wchar_t* format, uint32_t code, const std::wstring& folder) {
    wchar_t text[kMessageChars] = L"";
    if (format == kMailSendFailed) {
        std::swprintf(text, kMessageChars, format, static_cast<unsigned>(code), folder.c_str());
    } else {
        std::swprintf(text, kMessageChars, format, folder.c_str());
    }
    host.Beep();
    host.ShowError(text);
}

}  // namespace

bool SendCollectedMail(std::vector<MailAttachment>& attachments, const SettingsRecord& settings,
                       MailSender& sender, EditHost& host, OutputFiles& files) {
    if (attachments.empty()) {
        return false;
    }
    MailMessage message;
    message.to = settings.EditModeEmailUseSpecified != 0
                     ? std::wstring(settings.EditModeEmailUseSpecifiedText)
                     : host.LanguageText(L"Messages", L"EmailCaptureRecipient",
                                         L"Please enter the recipient");
    message.subject = NameOf(attachments.front().file);
    message.note = kMailNote;
    for (const MailAttachment& attachment : attachments) {
        message.files.push_back(attachment.file);
    }
    uint32_t code = 0;
    const MailResult result = sender.Send(message, code);
    const std::wstring folder = FolderOf(attachments.front().file);
    switch (result) {
        case MailResult::Sent:
            for (const MailAttachment& attachment : attachments) {
                if (!attachment.outputToDelete.empty()) {
                    files.Remove(attachment.outputToDelete.c_str());
                }
            }
            break;
        case MailResult::NotInstalled:
            if (host.AskYesNo(kMailNotInstalled)) {
                host.ShowFiles(message.files);
            }
            break;
        case MailResult::LogonFailed:
            TellWhere(host, kMailLogonFailed, code, folder);
            break;
        case MailResult::SendFailed:
            TellWhere(host, kMailSendFailed, code, folder);
            break;
        case MailResult::Cancelled:
            break;
    }
    attachments.clear();
    return result == MailResult::Sent;
}

}  // namespace zentrova
