#include "editmode/actions/ToolSettingsCommand.h"

#include "editmode/EditSession.h"

namespace zentrova {

bool ToolSettingsCommand::Run(EditSession& session) {
    session.Host().OpenToolSettings();
    return true;
}

}  // namespace zentrova
