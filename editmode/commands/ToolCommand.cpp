#include "editmode/commands/ToolCommand.h"

#include "core/ZError.h"
#include "editmode/EditSession.h"

namespace zentrova {

bool ToolCommand::Run(EditSession& session) {
    if (session.SelectTool(m_tool)) {
        return true;
    }
    ZTrace(L"EditMode\\Commands", __LINE__, L"tool %d is not available in this build\n",
           static_cast<int>(m_tool));
    session.Host().Beep();
    return false;
}

}  // namespace zentrova
