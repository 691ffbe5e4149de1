#include "editmode/actions/HelpCommand.h"

#include "editmode/EditSession.h"

namespace zentrova {

bool HelpCommand::Run(EditSession& session) {
    session.Host().OpenHelp(m_topic);
    return true;
}

}  // namespace zentrova
