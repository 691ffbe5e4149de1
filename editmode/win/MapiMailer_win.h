// The mail program through Simple MAPI ("MAPI32.DLL", loaded for one message and freed again):
// a logon (with the mail program's own logon dialog when it needs one), the recipient resolved,
// the message shown by the mail program with every attachment, the logoff. Windows build only.
#pragma once

#include "editmode/mail/MailMessage.h"

namespace zentrova {

class MapiMailer final : public MailSender {
  public:
    MailResult Send(const MailMessage& message, uint32_t& code) override;
};

}  // namespace zentrova
