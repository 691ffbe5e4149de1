// The Edit Mode window's part in e-mail: the collected attachments leave when the Edit Mode is
// left; without a mail program their folder opens with them selected.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "core/win/Application.h"
#include "editmode/mail/SendCollectedMail.h"
#include "editmode/win/EditWindow_win.h"
#include "editmode/win/MapiMailer_win.h"

namespace zentrova {

void EditWindow::SendCollectedAttachments() {
    MapiMailer mailer;
    SendCollectedMail(m_session.MailAttachments(), m_app.settings, mailer, *this,
                      m_session.Files());
}

void EditWindow::ShowFiles(const std::vector<std::wstring>& files) {
    if (files.empty()) {
        return;
    }
    const std::wstring& first = files.front();
    const std::wstring folder = first.substr(0, first.find_last_of(L'\\'));
    PIDLIST_ABSOLUTE folderList = ILCreateFromPathW(folder.c_str());
    if (folderList == nullptr) {
        return;
    }
    std::vector<PIDLIST_ABSOLUTE> items;
    for (const std::wstring& file : files) {
        if (PIDLIST_ABSOLUTE item = ILCreateFromPathW(file.c_str())) {
            items.push_back(item);
        }
    }
    std::vector<PCUITEMID_CHILD> children;
    for (PIDLIST_ABSOLUTE item : items) {
        children.push_back(ILFindLastID(item));
    }
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(SHOpenFolderAndSelectItems(folderList, static_cast<UINT>(children.size()),
                                          children.empty() ? nullptr : children.data(), 0))) {
        ShellExecuteW(nullptr, L"open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    for (PIDLIST_ABSOLUTE item : items) {
        ILFree(item);
    }
    ILFree(folderList);
}

}  // namespace zentrova
