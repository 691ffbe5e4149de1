#include "editmode/actions/EraseAction.h"

#include <string>

#include "editmode/EditSession.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kNotDeleted = L"The capture file could not be deleted:\n%ls";

}  // namespace

bool EraseAction::Run(EditSession& session) {
    const std::wstring path = session.GetCurrentPath();
    OutputFiles& files = session.Files();
    if (!path.empty() && !files.Remove(path.c_str()) && files.Exists(path.c_str())) {
        session.Host().Beep();
        std::wstring message(kNotDeleted);
        message.replace(message.find(L"%ls"), 3, path);
        session.Host().ShowError(message.c_str());
        return false;
    }
    session.FinishCurrentCapture();
    return true;
}

}  // namespace zentrova
