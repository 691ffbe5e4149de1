#include "editmode/win/MapiMailer_win.h"

#include <windows.h>

#include <mapi.h>

#include <string>
#include <vector>

#include "core/FileSystem.h"

namespace zentrova {

namespace {

constexpr ULONG kMapiUserAbort = 1;
constexpr FLAGS kForceDownload = 0x20;

// The library and its five entry points; all or nothing.
class MapiLibrary {
  public:
    ~MapiLibrary() {
        if (m_module != nullptr) {
            FreeLibrary(m_module);
        }
    }
    bool Load() {
        wchar_t path[MAX_PATH] = L"";
        if (GetProfileIntW(L"MAIL", L"MAPI", 0) == 0 ||
            SearchPathW(nullptr, L"MAPI32.DLL", nullptr, MAX_PATH, path, nullptr) == 0) {
            return false;
        }
        m_module = LoadLibraryW(L"MAPI32.DLL");
        if (m_module == nullptr) {
            return false;
        }
        logon = reinterpret_cast<LPMAPILOGON>(Entry("MAPILogon"));
        logoff = reinterpret_cast<LPMAPILOGOFF>(Entry("MAPILogoff"));
        send = reinterpret_cast<LPMAPISENDMAIL>(Entry("MAPISendMail"));
        resolve = reinterpret_cast<LPMAPIRESOLVENAME>(Entry("MAPIResolveName"));
        free = reinterpret_cast<LPMAPIFREEBUFFER>(Entry("MAPIFreeBuffer"));
        return logon != nullptr && logoff != nullptr && send != nullptr && resolve != nullptr &&
               free != nullptr;
    }

    LPMAPILOGON logon = nullptr;
    LPMAPILOGOFF logoff = nullptr;
    LPMAPISENDMAIL send = nullptr;
    LPMAPIRESOLVENAME resolve = nullptr;
    LPMAPIFREEBUFFER free = nullptr;

  private:
    void* Entry(const char* name) {
        return reinterpret_cast<void*>(GetProcAddress(m_module, name));
    }
    HMODULE m_module = nullptr;
};

// text in the system's 8-bit code page; false when a character has no place there.
bool ToAnsi(const std::wstring& text, std::string& out) {
    out.clear();
    if (text.empty()) {
        return true;
    }
    BOOL lost = FALSE;
    const int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr,
                                          0, nullptr, &lost);
    if (bytes <= 0 || lost) {
        return false;
    }
    std::vector<char> buffer(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, buffer.data(), bytes,
                        nullptr, &lost);
    out = buffer.data();
    return !lost;
}

// An 8-bit path for file: its own, or (for a name the code page cannot hold) a copy in the
// temporary folder named "Capture N" with the file's extension.
bool AttachablePath(const std::wstring& file, size_t index, std::string& out) {
    if (ToAnsi(file, out)) {
        return true;
    }
    const size_t dot = file.find_last_of(L'.');
    const std::wstring extension = dot == std::wstring::npos ? L"" : file.substr(dot);
    std::wstring copy = GetTempFolder();
    if (!copy.empty() && copy.back() != L'\\') {
        copy += L'\\';
    }
    copy += L"Capture " + std::to_wstring(index + 1) + extension;
    return ToAnsi(copy, out) && CopyFileW(file.c_str(), copy.c_str(), FALSE);
}

std::string FileName(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

MailResult MapiMailer::Send(const MailMessage& message, uint32_t& code) {
    MapiLibrary mapi;
    if (!mapi.Load()) {
        return MailResult::NotInstalled;
    }
    LHANDLE session = 0;
    ULONG result = mapi.logon(reinterpret_cast<ULONG_PTR>(GetDesktopWindow()), nullptr, nullptr,
                              MAPI_LOGON_UI | MAPI_NEW_SESSION | kForceDownload, 0, &session);
    if (result == kMapiUserAbort) {
        return MailResult::Cancelled;
    }
    if (result != SUCCESS_SUCCESS) {
        result = mapi.logon(0, nullptr, nullptr, 0, 0, &session);
        if (result != SUCCESS_SUCCESS) {
            code = result;
            return MailResult::LogonFailed;
        }
    }

    std::string to;
    ToAnsi(message.to, to);
    lpMapiRecipDesc resolved = nullptr;
    if (!to.empty() && mapi.resolve(session, 0, to.data(), 0, 0, &resolved) == SUCCESS_SUCCESS &&
        resolved != nullptr) {
        if (resolved->lpszName != nullptr) {
            to = resolved->lpszName;
        }
        mapi.free(resolved);
    }
    MapiRecipDesc recipient{};
    recipient.ulRecipClass = MAPI_TO;
    recipient.lpszName = to.data();
    recipient.lpszAddress = to.data();

    std::vector<std::string> paths(message.files.size());
    std::vector<std::string> names(message.files.size());
    std::vector<MapiFileDesc> files;
    for (size_t i = 0; i < message.files.size(); ++i) {
        if (!AttachablePath(message.files[i], i, paths[i])) {
            continue;
        }
        names[i] = FileName(paths[i]);
        MapiFileDesc file{};
        file.nPosition = static_cast<ULONG>(-1);
        file.lpszPathName = paths[i].data();
        file.lpszFileName = names[i].data();
        files.push_back(file);
    }
    std::string subject;
    std::string note;
    ToAnsi(message.subject, subject);
    ToAnsi(message.note, note);
    MapiMessage mail{};
    mail.lpszSubject = subject.data();
    mail.lpszNoteText = note.data();
    mail.nRecipCount = to.empty() ? 0 : 1;
    mail.lpRecips = to.empty() ? nullptr : &recipient;
    mail.nFileCount = static_cast<ULONG>(files.size());
    mail.lpFiles = files.empty() ? nullptr : files.data();
    result = mapi.send(session, 0, &mail, MAPI_DIALOG, 0);
    mapi.logoff(session, 0, 0, 0);
    if (result == SUCCESS_SUCCESS) {
        return MailResult::Sent;
    }
    if (result == kMapiUserAbort) {
        return MailResult::Cancelled;
    }
    code = result;
    return MailResult::SendFailed;
}

}  // namespace zentrova
