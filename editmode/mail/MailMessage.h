// E-mail: the attachments the Edit Mode collects, the one message they leave in, and the seam to
// the mail program (Simple MAPI in the Windows build; a recording fake in the tests).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zentrova {

constexpr size_t kMaxMailAttachments = 200;

// A file to attach, and the capture's output to delete once the mail program took the message
// (empty: none; "EditModeDeleteCaptureAfterAction" was off).
struct MailAttachment {
    std::wstring file;
    std::wstring outputToDelete;
};

struct MailMessage {
    std::wstring to;  // one recipient, or a hint the user replaces
    std::wstring subject;
    std::wstring note;
    std::vector<std::wstring> files;
};

enum class MailResult {
    Sent,          // the mail program took the message
    Cancelled,     // the user cancelled in the mail program
    NotInstalled,  // no mail program to hand it to
    LogonFailed,
    SendFailed,
};

class MailSender {
  public:
    virtual ~MailSender() = default;
    // Hands message to the mail program, which shows it to the user before sending. code: the
    // mail interface's result of a failed step.
    virtual MailResult Send(const MailMessage& message, uint32_t& code) = 0;
};

}  // namespace zentrova
