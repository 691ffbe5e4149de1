#include "editmode/commands/ConfirmCommand.h"

#include "editmode/EditSession.h"

namespace zentrova {

bool ConfirmCommand::Run(EditSession& session) {
    EditTool* tool = session.GetTool();
    if (tool == nullptr || !tool->IsAwaitingConfirm()) {
        return false;
    }
    tool->Confirm(session, m_yes);
    return true;
}

}  // namespace zentrova
