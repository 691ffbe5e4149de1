#include "editmode/commands/RenameCommand.h"

#include <cwctype>

#include "editmode/EditSession.h"
#include "editmode/actions/CaptureRename.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kSection = L"Dlg_Rename";

bool IsDeviceName(const std::wstring& name) {
    static const wchar_t* const kDevices[] = {L"CON", L"PRN", L"AUX", L"NUL"};
    std::wstring upper;
    for (wchar_t c : name) {
        upper += static_cast<wchar_t>(std::towupper(c));
    }
    for (const wchar_t* device : kDevices) {
        if (upper == device) {
            return true;
        }
    }
    return upper.size() == 4 &&
           (upper.compare(0, 3, L"COM") == 0 || upper.compare(0, 3, L"LPT") == 0) &&
           upper[3] >= L'1' && upper[3] <= L'9';
}

}  // namespace

NameCheck CheckCaptureName(const std::wstring& name) {
    if (name.empty()) {
        return NameCheck::Empty;
    }
    for (wchar_t c : name) {
        if (c < 32 || std::wstring(L"\\/:*?\"<>|$").find(c) != std::wstring::npos) {
            return NameCheck::Forbidden;
        }
    }
    if (name.find(L"%%") != std::wstring::npos || name.back() == L' ' || name.back() == L'.' ||
        IsDeviceName(name)) {
        return NameCheck::Forbidden;
    }
    return NameCheck::Ok;
}

std::wstring NameWithoutExtension(const std::wstring& fileName) {
    const size_t dot = fileName.rfind(L'.');
    return dot == std::wstring::npos ? fileName : fileName.substr(0, dot);
}

RenameOutcome TryRenameCapture(EditSession& session, const std::wstring& name) {
    if (CheckCaptureName(name) != NameCheck::Ok) {
        return RenameOutcome::Refused;
    }
    const std::wstring source = session.GetCurrentPath();
    const std::wstring oldName = FileNameOf(source);
    const size_t dot = oldName.rfind(L'.');
    const std::wstring newName = name + (dot == std::wstring::npos ? L"" : oldName.substr(dot));
    if (newName == oldName) {
        return RenameOutcome::Identical;
    }
    OutputFiles& files = session.Files();
    const std::wstring target = SiblingPath(source, newName);
    if (files.Exists(target.c_str())) {
        return RenameOutcome::Exists;
    }
    return RenameCurrentCapture(session, newName) ? RenameOutcome::Renamed : RenameOutcome::Failed;
}

bool RenameCommand::Run(EditSession& session) {
    EditHost& host = session.Host();
    const std::wstring current = NameWithoutExtension(FileNameOf(session.GetCurrentPath()));
    const auto attempt = [&session, &host](const std::wstring& name) {
        switch (TryRenameCapture(session, name)) {
            case RenameOutcome::Renamed:
                host.Repaint();
                return true;
            case RenameOutcome::Refused:
                host.Beep();
                break;
            case RenameOutcome::Identical:
                host.ShowError(host.LanguageText(kSection, L"MsgFileIdentical",
                                                 L"Failed to rename because source and "
                                                 L"destination are identical")
                                   .c_str());
                break;
            case RenameOutcome::Exists:
                host.ShowError(host.LanguageText(kSection, L"MsgFileExists",
                                                 L"A file of that name exists already.")
                                   .c_str());
                break;
            case RenameOutcome::Failed:
                host.ShowError(host.LanguageText(kSection, L"MsgRenameFailed",
                                                 L"The capture could not be renamed.")
                                   .c_str());
                break;
        }
        return false;
    };
    return host.AskCaptureName(current, attempt);
}

}  // namespace zentrova
