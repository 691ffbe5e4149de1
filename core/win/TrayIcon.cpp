#include "core/win/TrayIcon.h"

#include <shellapi.h>

#include <cwchar>

#include "ui/menus/MenuSkin.h"
#include "core/WideText.h"
#include "core/win/CommandIds.h"
#include "core/win/PrivateMessages.h"
#include "core/win/resource.h"
#include "lang/TextLookupWin.h"

namespace zentrova {

namespace {

HICON LoadTrayIcon(HINSTANCE instance) {
    HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(kTrayIconResourceId), IMAGE_ICON, 0, 0,
                             LR_SHARED | LR_DEFAULTSIZE);
    if (icon == nullptr) {
        icon = LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, 0, 0,
                          LR_SHARED | LR_DEFAULTSIZE);
    }
    return static_cast<HICON>(icon);
}

// The tray menu's items and the names of their texts ("Menu." + name).
struct TrayMenuText {
    UINT command;
    const wchar_t* name;
};
constexpr TrayMenuText kTrayMenuTexts[] = {
    {kCmdCaptureScrollingText, L"File_CaptureScrollingText"},
    {kCmdCaptureScrollingWebsite, L"File_CaptureScrollingWindow"},
    {kCmdCaptureWindow, L"File_CaptureWindow"},
    {kCmdCaptureFreeRectRegion, L"File_CaptureFreeRectRegion"},
    {kCmdCaptureFreeStyleRegion, L"File_CaptureFreeStyleRegion"},
    {kCmdCaptureArea, L"File_CaptureArea"},
    {kCmdConfigure, L"Tray_Configure"},
    {kCmdShowCaptureBar, L"Tray_ShowCaptureBar"},
    {kCmdStartEditMode, L"Tray_StartEditMode"},
    {kCmdHelp, L"Tray_Help"},
    {kCmdExit, L"Tray_Exit"},
};

}  // namespace

bool TrayIcon::Add(HWND owner, HINSTANCE instance, const wchar_t* toolTip) {
    Remove();
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = UM_TRAY_NOTIFY;
    data.hIcon = LoadTrayIcon(instance);
    CopyText(data.szTip, sizeof(data.szTip) / sizeof(data.szTip[0]), toolTip);
    // A busy shell may time out on the add and still take the icon: then it can be modified.
    if (!Shell_NotifyIconW(NIM_ADD, &data) && !Shell_NotifyIconW(NIM_MODIFY, &data)) {
        return false;
    }
    m_owner = owner;
    return true;
}

void TrayIcon::Remove() {
    if (m_owner == nullptr) {
        return;
    }
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = m_owner;
    data.uID = kTrayIconId;
    Shell_NotifyIconW(NIM_DELETE, &data);
    m_owner = nullptr;
}

uint32_t TrackTrayMenu(HWND owner, HWND foreground, HINSTANCE instance, ZtvLangManHandle lang,
                       bool showCaptureBar, bool ownerDrawn) {
    HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(kTrayMenuId));
    if (menu == nullptr) {
        return 0;
    }
    HMENU popup = GetSubMenu(menu, 0);
    if (popup == nullptr) {
        DestroyMenu(menu);
        return 0;
    }
    for (const TrayMenuText& item : kTrayMenuTexts) {
        SetMenuItemFromLanguage(lang, popup, item.name, item.command);
    }
    if (ownerDrawn) {
        MakeMenuOwnerDrawn(popup);
    }
    CheckMenuItem(popup, kCmdShowCaptureBar,
                  MF_BYCOMMAND | (showCaptureBar ? MF_CHECKED : MF_UNCHECKED));

    SetForegroundWindow(foreground);
    POINT cursor{};
    GetCursorPos(&cursor);
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                         cursor.x, cursor.y, 0, owner, nullptr));
    // Lets the menu close properly when the user clicks outside it.
    PostMessageW(foreground, WM_NULL, 0, 0);
    DestroyMenu(menu);
    return chosen;
}

}  // namespace zentrova
