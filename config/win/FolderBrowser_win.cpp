#include "config/win/FolderBrowser_win.h"

#include <shellapi.h>
#include <shlobj.h>

namespace zentrova {

namespace {

struct BrowseStart {
    const wchar_t* folder;
};

// Whether the browser may return the item: a real folder of the file system, not a shortcut.
bool IsAcceptable(LPCITEMIDLIST item) {
    wchar_t path[MAX_PATH] = L"";
    if (item == nullptr || !SHGetPathFromIDListW(item, path) || !IsFileSystemFolder(path)) {
        return false;
    }
    SHFILEINFOW info{};
    info.dwAttributes = SFGAO_LINK;
    if (SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item), 0, &info, sizeof(info),
                       SHGFI_PIDL | SHGFI_ATTRIBUTES | SHGFI_ATTR_SPECIFIED) != 0 &&
        (info.dwAttributes & SFGAO_LINK) != 0) {
        return false;
    }
    return true;
}

int CALLBACK BrowseCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data) {
    if (message == BFFM_INITIALIZED) {
        // No context-help button in the title bar.
        const LONG_PTR exStyle = GetWindowLongPtrW(browser, GWL_EXSTYLE);
        SetWindowLongPtrW(browser, GWL_EXSTYLE,
                          exStyle & ~static_cast<LONG_PTR>(WS_EX_CONTEXTHELP));
        const auto* start = reinterpret_cast<const BrowseStart*>(data);
        if (start != nullptr && start->folder != nullptr) {
            SendMessageW(browser, BFFM_SETSELECTIONW, TRUE,
                         reinterpret_cast<LPARAM>(start->folder));
        }
    } else if (message == BFFM_SELCHANGED) {
        SendMessageW(browser, BFFM_ENABLEOK, 0,
                     IsAcceptable(reinterpret_cast<LPCITEMIDLIST>(lParam)) ? TRUE : FALSE);
    }
    return 0;
}

}  // namespace

bool IsFileSystemFolder(const wchar_t* path) {
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool BrowseForFolder(HWND owner, const std::wstring& start, std::wstring* chosen) {
    wchar_t folder[MAX_PATH] = L"";
    if (start.empty() || start.size() >= MAX_PATH) {
        GetCurrentDirectoryW(MAX_PATH, folder);
    } else {
        start.copy(folder, start.size());
        folder[start.size()] = L'\0';
    }
    BrowseStart startData{folder};
    wchar_t display[MAX_PATH] = L"";
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = &BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&startData);
    LPITEMIDLIST item = SHBrowseForFolderW(&info);
    if (item == nullptr) {
        return false;
    }
    wchar_t path[MAX_PATH] = L"";
    // Checked again: the OK button's state is only as good as the last selection change.
    const bool ok = IsAcceptable(item) && SHGetPathFromIDListW(item, path);
    CoTaskMemFree(item);
    if (ok) {
        *chosen = path;
    }
    return ok;
}

}  // namespace zentrova
