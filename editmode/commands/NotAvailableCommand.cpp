#include "editmode/commands/NotAvailableCommand.h"

#include "core/ZError.h"
#include "editmode/EditSession.h"

namespace zentrova {

bool NotAvailableCommand::Run(EditSession& session) {
    ZTrace(L"EditMode\\Commands", __LINE__, L"command %u is not available in this build\n", m_id);
    session.Host().Beep();
    return false;
}

}  // namespace zentrova
