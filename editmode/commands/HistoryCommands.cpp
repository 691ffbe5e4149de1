#include "editmode/commands/HistoryCommands.h"

#include "editmode/EditSession.h"

namespace zentrova {

bool UndoCommand::Run(EditSession& session) {
    return session.Undo();
}

bool RedoCommand::Run(EditSession& session) {
    return session.Redo();
}

}  // namespace zentrova
