#include "editmode/actions/CaptureRename.h"

#include "editmode/EditSession.h"

namespace zentrova {

std::wstring FileNameOf(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

std::wstring SiblingPath(const std::wstring& path, const std::wstring& name) {
    return path.substr(0, path.size() - FileNameOf(path).size()) + name;
}

bool RenameCurrentCapture(EditSession& session, const std::wstring& name) {
    const std::wstring source = session.GetCurrentPath();
    if (source.empty() || name.empty()) {
        return false;
    }
    const std::wstring target = SiblingPath(source, name);
    OutputFiles& files = session.Files();
    if (target == source || files.Exists(target.c_str()) ||
        !files.Replace(source.c_str(), target.c_str())) {
        return false;
    }
    session.SetCurrentPath(target);
    return true;
}

}  // namespace zentrova
