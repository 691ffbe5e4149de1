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

std::wstring Extension(const std::wstring& file) {
    const size_t dot = file.find_last_of(L'.');
    const size_t slash = file.find_last_of(L"\\/");
    return dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)
               ? std::wstring()
               : file.substr(dot);
}

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

// An 8-bit path for file: its own, else its short form, else (for a folder the code page cannot
// hold) a copy in the temporary folder named "Capture N" with the file's extension.
bool AttachablePath(const std::wstring& file, size_t index, std::string& out) {
    if (ToAnsi(file, out)) {
        return true;
    }
    wchar_t shortPath[MAX_PATH] = L"";
    const DWORD chars = GetShortPathNameW(file.c_str(), shortPath, MAX_PATH);
    if (chars > 0 && chars < MAX_PATH && ToAnsi(shortPath, out)) {
        return true;
    }
    std::wstring copy = GetTempFolder();
    if (!copy.empty() && copy.back() != L'\\') {
        copy += L'\\';
    }
    copy += L"Capture " + std::to_wstring(index + 1) + Extension(file);
    return ToAnsi(copy, out) && CopyFileW(file.c_str(), copy.c_str(), FALSE);
}

// The name the mail shows for file: its own, or "Capture N" with its extension.
std::string AttachmentName(const std::wstring& file, size_t index) {
    const size_t slash = file.find_last_of(L"\\/");
    std::string name;
    if (ToAnsi(slash == std::wstring::npos ? file : file.substr(slash + 1), name)) {
        return name;
    }
    ToAnsi(L"Capture " + std::to_wstring(index + 1) + Extension(file), name);
    return name;
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
        names[i] = AttachmentName(message.files[i], i);
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
