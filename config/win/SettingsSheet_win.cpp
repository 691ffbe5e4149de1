#include "config/win/SettingsSheet_win.h"

#include <commctrl.h>
#include <prsht.h>

#include <string>

#include "config/win/CapturePage_win.h"
#include "config/win/EditModePage_win.h"
#include "config/win/GeneralPage_win.h"
#include "config/win/LanguagePage_win.h"
#include "config/win/MouseToolsPage1_win.h"
#include "config/win/MouseToolsPage2_win.h"
#include "config/win/SettingsIds.h"
#include "config/win/SkinPage_win.h"
#include "core/ZError.h"
#include "lang/LanguageKeys.h"
#include "lang/TextLookup.h"
#include "ui/dialogs/MessageBoxes.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kModule = L"Config\\SettingsSheet";
constexpr const wchar_t* kSheetProperty = L"ZentrovaSettingsSheet";
constexpr int kProgramIconId = 102;
constexpr int kCancelWidening = 10;

}  // namespace

bool CSettingsSheet::Open(HWND owner, int page, HWND notify, UINT closedMessage) {
    if (m_hwnd != nullptr && SendMessageW(m_hwnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0) {
        Destroy();  // closed, its destruction still on the way
    }
    if (m_hwnd != nullptr) {
        SelectPage(page);
        ShowWindow(m_hwnd, SW_SHOWNORMAL);
        SetForegroundWindow(m_hwnd);
        return true;
    }
    INITCOMMONCONTROLSEX controls{
        sizeof(INITCOMMONCONTROLSEX),
        ICC_HOTKEY_CLASS | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    m_notify = notify;
    m_closedMessage = closedMessage;
    m_pages.clear();
    m_pages.push_back(std::make_unique<CGeneralPage>(m_host));
    m_pages.push_back(std::make_unique<CSkinPage>(m_host));
    m_pages.push_back(std::make_unique<CLanguagePage>(m_host));
    m_pages.push_back(std::make_unique<CMouseToolsPage1>(m_host));
    m_pages.push_back(std::make_unique<CMouseToolsPage2>(m_host));
    m_pages.push_back(std::make_unique<CCapturePage>(m_host));
    m_pages.push_back(std::make_unique<CEditModePage>(m_host));

    const ZtvLangManHandle lang = m_host.Ui().Lang();
    const std::vector<std::wstring> captions =
        GetLanguageList(lang, L"SettingsCaptions", L"Captions",
                        lang::BuiltInText(L"SettingsCaptions", L"Captions"));
    std::vector<PROPSHEETPAGEW> sheetPages(m_pages.size());
    for (size_t i = 0; i < m_pages.size(); ++i) {
        PROPSHEETPAGEW& p = sheetPages[i];
        p.dwSize = sizeof(p);
        p.dwFlags = PSP_USETITLE | PSP_HASHELP;
        p.hInstance = GetModuleHandleW(nullptr);
        p.pszTemplate = MAKEINTRESOURCEW(m_pages[i]->TemplateId());
        p.pfnDlgProc = &CSettingsPage::Procedure;
        const size_t title = static_cast<size_t>(m_pages[i]->Index()) + 1;
        p.pszTitle = title < captions.size() ? captions[title].c_str() : L"";
        p.lParam = reinterpret_cast<LPARAM>(m_pages[i].get());
    }
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW | PSH_HASHELP | PSH_NOCONTEXTHELP |
                     PSH_USEICONID | PSH_PROPSHEETPAGE;
    header.hwndParent = owner;
    header.hInstance = GetModuleHandleW(nullptr);
    header.pszIcon = MAKEINTRESOURCEW(kProgramIconId);
    header.pszCaption = !captions.empty() ? captions[0].c_str() : L"";
    header.nPages = static_cast<UINT>(sheetPages.size());
    header.nStartPage = static_cast<UINT>(PositionOf(page));
    header.ppsp = sheetPages.data();
    const auto sheet = reinterpret_cast<HWND>(PropertySheetW(&header));
    if (sheet == nullptr || sheet == reinterpret_cast<HWND>(-1)) {
        ZTrace(kModule, __LINE__, L"property sheet not created, error %lu\n", GetLastError());
        m_pages.clear();
        m_host.ResumeCaptureHotkeys(nullptr);
        if (!ShowOkBox(m_host.Ui(), owner, L"%ls", L"Failed to create Settingsdialog!")) {
            MessageBoxW(owner, L"Failed to create Settingsdialog!", L"Zentrova Clarivue 2.1",
                        MB_OK | MB_ICONERROR);
        }
        return false;
    }
    m_hwnd = sheet;
    SetPropW(m_hwnd, kSheetProperty, this);
    m_original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SheetProc)));
    SetTimer(m_hwnd, kSkinnedTimerId, kSkinnedTimerMs, nullptr);
    SkinButtons();
    return true;
}

void CSettingsSheet::SkinButtons() {
    const ZtvLangManHandle lang = m_host.Ui().Lang();
    struct SheetButton {
        int id;
        const wchar_t* name;
        int tag;
    };
    const SheetButton buttons[] = {{IDOK, L"Ok", kTagOk},
                                   {IDCANCEL, L"Cancel", kTagCancel},
                                   {IDC_SHEET_HELP, L"Help", kTagHelp}};
    for (const SheetButton& b : buttons) {
        HWND button = GetDlgItem(m_hwnd, b.id);
        if (button == nullptr) {
            continue;
        }
        LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        style = (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW;
        SetWindowLongPtrW(button, GWL_STYLE, style);
        wchar_t text[kLanguageTextChars];
        GetLanguageMessage(lang, text, kLanguageTextChars, b.name, b.name);
        SetWindowTextW(button, text);
        SetButtonTag(button, b.tag);
    }
    HWND cancel = GetDlgItem(m_hwnd, IDCANCEL);
    RECT rect{};
    if (cancel != nullptr && GetWindowRect(cancel, &rect)) {
        SetWindowPos(cancel, nullptr, 0, 0, rect.right - rect.left + kCancelWidening,
                     rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CSettingsSheet::Destroy() {
    if (m_hwnd != nullptr) {
        DestroyWindow(m_hwnd);  // WM_DESTROY: OnClosed
    }
    m_pages.clear();
}

int CSettingsSheet::PositionOf(int page) const {
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i]->Index() == page) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

void CSettingsSheet::SelectPage(int page) {
    SendMessageW(m_hwnd, PSM_SETCURSEL, static_cast<WPARAM>(PositionOf(page)), 0);
}

void CSettingsSheet::ShowCurrentHelp() {
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(m_hwnd, PSM_GETTABCONTROL, 0, 0));
    const auto position = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    if (position >= 0 && static_cast<size_t>(position) < m_pages.size()) {
        m_host.OpenHelp(m_pages[static_cast<size_t>(position)]->HelpTopic());
    }
}

bool CSettingsSheet::RouteMessage(MSG& msg) {
    if (m_hwnd == nullptr || (msg.hwnd != m_hwnd && !IsChild(m_hwnd, msg.hwnd))) {
        return false;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1) {
        ShowCurrentHelp();
        return true;
    }
    if (SendMessageW(m_hwnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&msg)) == 0) {
        return false;
    }
    if (SendMessageW(m_hwnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0) {
        OnClosed();  // Enter or Escape closed it
    }
    return true;
}

LRESULT CALLBACK CSettingsSheet::SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<CSettingsSheet*>(GetPropW(hwnd, kSheetProperty));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT CSettingsSheet::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (message != WM_DESTROY &&
        HandleSkinnedDialogMessage(m_host.Ui(), m_hwnd, message, wParam, lParam, &result)) {
        return result;
    }
    const WNDPROC original = m_original;
    HWND hwnd = m_hwnd;
    if (message == WM_DESTROY) {
        KillTimer(hwnd, kSkinnedTimerId);
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(hwnd, kSheetProperty);
        m_hwnd = nullptr;
        m_original = nullptr;
        // However the sheet went (OK, Cancel, closed, destroyed with its owner), the capture
        // hot keys are registered again with the record's values.
        m_host.ResumeCaptureHotkeys(nullptr);
        return CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
    const LRESULT answer = CallWindowProcW(original, hwnd, message, wParam, lParam);
    if ((message == WM_COMMAND || message == WM_SYSCOMMAND) && m_hwnd != nullptr &&
        SendMessageW(m_hwnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0) {
        OnClosed();
    }
    return answer;
}

void CSettingsSheet::OnClosed() {
    // The sheet is finished but still exists: its owner destroys it once this message comes.
    if (m_notify != nullptr && m_closedMessage != 0) {
        PostMessageW(m_notify, m_closedMessage, 0, 0);
    }
}

}  // namespace zentrova
