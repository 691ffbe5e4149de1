#include "editmode/commands/ZoomCommands.h"

#include "editmode/EditSession.h"

namespace zentrova {

bool ZoomCommand::Run(EditSession& session) {
    const int32_t zoom = session.View().GetZoom();
    switch (m_kind) {
        case Kind::In:
            return session.SetZoom(ZoomStepIn(zoom));
        case Kind::Out:
            return session.SetZoom(ZoomStepOut(zoom));
        case Kind::One:
            break;
    }
    return session.SetZoom(kZoomOne);
}

}  // namespace zentrova
