#include "config/win/ConfigureDialog_win.h"

#include <algorithm>
#include <climits>

#include "config/win/SettingsIds.h"
#include "config/win/SettingsPage.h"
#include "core/HelpTopics.h"
#include "image/ZResample.h"
#include "lang/LanguageKeys.h"
#include "lang/TextLookup.h"
#include "lang/TextLookupWin.h"
#include "ui/menus/MenuSkin.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kSection = L"Dlg_Configure";
constexpr const wchar_t* kTitle = L"Zentrova Clarivue 2";
constexpr DWORD kSlideMs = 230;
constexpr int kScreenDpi = 96;

const DialogCaption kCaptions[] = {
    {IDC_CONFIGURE_INFO, L"InfoMsg"},
    {IDC_CONFIGURE_INFO2, L"InfoMsg2"},
    {IDC_CONFIGURE_TYPE_GROUP, L"CaptureType"},
    {IDC_CONFIGURE_SINGLE, L"CaptureTypeSingle"},
    {IDC_CONFIGURE_MULTIPLE, L"CaptureTypeMultiple"},
    {IDC_CONFIGURE_SHADOW, L"ImageHasShadow"},
    {IDC_CONFIGURE_CURSOR, L"IncludeCursor"},
    {IDC_CONFIGURE_ADVANCED, L"Advanced"},
    {IDOK, L"Ok"},
    {IDCANCEL, L"Cancel"},
    {IDC_CONFIGURE_HELP, L"Help"},
};

struct MenuText {
    UINT command;
    const wchar_t* name;
};
const MenuText kMenuTexts[] = {
    {40128, L"File_CaptureScrollingText"},
    {40127, L"File_CaptureScrollingWindow"},
    {40107, L"File_CaptureWindow"},
    {40108, L"File_CaptureFreeRectRegion"},
    {40155, L"File_CaptureFreeStyleRegion"},
    {40109, L"File_CaptureArea"},
    {40106, L"File_Exit"},
    {40110, L"Config_ChooseLanguage"},
    {40116, L"Config_ConfigureNewsChannels"},
    {40114, L"Config_ConfigureCapture"},
    {40115, L"Config_Settings"},
    {40008, L"Internet_Recommend"},
    {40009, L"Internet_SpecialOffers"},
    {40010, L"Internet_Newsletter"},
    {40011, L"Internet_Homepage"},
    {40012, L"Internet_Products"},
    {40013, L"Internet_Support"},
    {40081, L"Internet_MyZentrova"},
    {40015, L"Internet_OnlineUpdate"},
    {40118, L"Help_Help"},
    {40117, L"Help_About"},
};
constexpr const wchar_t* kTopMenuNames[] = {L"File", L"Config", L"Internet", L"Help"};
constexpr UINT kTranslateCommand = 40017;

// The menu commands the dialog passes on to the main window unchanged.
bool IsMainWindowCommand(UINT command) {
    return (command >= 40008 && command <= 40013) || command == 40015 || command == 40017 ||
           command == 40081 || (command >= 40106 && command <= 40110) ||
           (command >= 40114 && command <= 40118) || command == 40127 || command == 40128 ||
           command == 40155;
}

// Slide directions: in, away from the capture bar's edge; out, towards it.
DWORD SlideIn(uint32_t edge) {
    static constexpr DWORD kIn[] = {AW_HOR_POSITIVE, AW_VER_POSITIVE, AW_HOR_NEGATIVE,
                                    AW_VER_NEGATIVE};
    return edge < 4 ? kIn[edge] : AW_VER_POSITIVE;
}
DWORD SlideOut(uint32_t edge) {
    static constexpr DWORD kOut[] = {AW_HOR_NEGATIVE, AW_VER_NEGATIVE, AW_HOR_POSITIVE,
                                     AW_VER_POSITIVE};
    return edge < 4 ? kOut[edge] : AW_VER_NEGATIVE;
}

}  // namespace

int CConfigureDialog::Run(HWND owner, const std::function<bool(MSG&)>& route, bool animate) {
    if (m_hwnd != nullptr) {
        SetForegroundWindow(m_hwnd);
        return -1;
    }
    m_owner = owner;
    m_animate = animate;
    m_ended = false;
    m_result = 0;
    HWND dialog =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CONFIGURE), owner,
                           &CConfigureDialog::Procedure, reinterpret_cast<LPARAM>(this));
    if (dialog == nullptr) {
        Beep(200, 200);
        return -1;
    }
    const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerWasEnabled) {
        EnableWindow(owner, FALSE);
    }
    MSG msg{};
    bool quit = false;
    while (!m_ended && IsWindow(dialog)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            quit = got == 0;
            break;
        }
        if (!route(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (ownerWasEnabled && IsWindow(owner)) {
        EnableWindow(owner, TRUE);
    }
    if (IsWindow(dialog)) {
        DestroyWindow(dialog);
    }
    if (quit) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // for the program's own loop
    }
    return m_ended ? m_result : 0;
}

bool CConfigureDialog::RouteMessage(MSG& msg) {
    if (m_hwnd == nullptr || (msg.hwnd != m_hwnd && !IsChild(m_hwnd, msg.hwnd))) {
        return false;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1) {
        m_host.OpenHelp(HelpTopicName(HelpTopic::ConfigureDialog));
        return true;
    }
    return IsDialogMessageW(m_hwnd, &msg) != FALSE;
}

void CConfigureDialog::CloseWithOk() {
    if (m_hwnd != nullptr) {
        SendMessageW(m_hwnd, WM_COMMAND, IDOK, 0);
    }
}

INT_PTR CALLBACK CConfigureDialog::Procedure(HWND dialog, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        auto* self = reinterpret_cast<CConfigureDialog*>(lParam);
        self->m_hwnd = dialog;
    }
    auto* self = reinterpret_cast<CConfigureDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    const INT_PTR result = self->Handle(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        self->m_hwnd = nullptr;
        self->m_background.Destroy();
    }
    return result;
}

INT_PTR CConfigureDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInit();
            return FALSE;  // the focus is set
        case WM_PAINT:
            Paint();
            return TRUE;
        case WM_ERASEBKGND:
            return TRUE;  // the picture covers the whole dialog
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
        case WM_MEASUREITEM:
        case WM_DRAWITEM: {
            // Menu items are drawn by the main window's menu painter.
            const UINT type = message == WM_MEASUREITEM
                                  ? reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlType
                                  : reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlType;
            if (type == ODT_MENU) {
                const LRESULT done =
                    SendMessageW(m_host.MainWindowHandle(), message, wParam, lParam);
                SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, done);
                return TRUE;
            }
            break;
        }
        case WM_COMMAND:
            if (lParam == 0 && HIWORD(wParam) == 0 && IsMainWindowCommand(LOWORD(wParam))) {
                PostMessageW(m_host.MainWindowHandle(), WM_COMMAND, LOWORD(wParam), 0);
                return TRUE;
            }
            switch (LOWORD(wParam)) {
                case IDOK:
                    OnOk();
                    return TRUE;
                case IDCANCEL:
                    End(0);
                    return TRUE;
                case IDC_CONFIGURE_ADVANCED:
                    m_host.OpenSettings(kPageCapture, m_hwnd);
                    return TRUE;
                case IDC_CONFIGURE_HELP:
                    m_host.OpenHelp(HelpTopicName(HelpTopic::ConfigureDialog));
                    return TRUE;
                default:
                    break;
            }
            break;
        default:
            if (message == UM_CONFIGURE_RELOAD) {
                LoadLook();
                RedrawWindow(m_hwnd, nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
                return TRUE;
            }
            break;
    }
    INT_PTR result = 0;
    if (HandleSkinnedDialogMessage(m_host.Ui(), m_hwnd, message, wParam, lParam, &result,
                                   &m_background)) {
        return result;
    }
    return FALSE;
}

void CConfigureDialog::OnInit() {
    StartSkinnedDialog(m_hwnd, nullptr);
    m_layout.clear();
    for (HWND child = GetWindow(m_hwnd, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&rect), 2);
        m_layout.emplace_back(child, rect);
    }
    LoadLook();
    const SettingsRecord& s = m_host.Settings();
    CheckRadioButton(m_hwnd, IDC_CONFIGURE_SINGLE, IDC_CONFIGURE_MULTIPLE,
                     s.CaptureType == 0 ? IDC_CONFIGURE_SINGLE : IDC_CONFIGURE_MULTIPLE);
    CheckDlgButton(m_hwnd, IDC_CONFIGURE_SHADOW, s.CaptureShadowIsValid != 0 ? BST_CHECKED : 0);
    CheckDlgButton(m_hwnd, IDC_CONFIGURE_CURSOR, s.CaptureCursorIsValid != 0 ? BST_CHECKED : 0);
    CenterWindowOn(m_hwnd, nullptr);
    if (!m_animate ||
        !AnimateWindow(m_hwnd, kSlideMs,
                       AW_SLIDE | AW_ACTIVATE | SlideIn(s.GeneralBBCaptureAlignment))) {
        ShowWindow(m_hwnd, SW_SHOW);
    }
    SetForegroundWindow(m_hwnd);
    SetFocus(GetDlgItem(m_hwnd, IDOK));
}

void CConfigureDialog::LoadLook() {
    // The skin's picture at the screen's resolution; the dialog's client area takes its size.
    m_background.Destroy();
    if (m_host.Ui().GetSkin().LoadJpg(m_background, L"Configure")) {
        HDC screen = GetDC(nullptr);
        const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
        const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        if (dpiX != kScreenDpi || dpiY != kScreenDpi) {
            Resize(m_background,
                   static_cast<int32_t>(int64_t{m_background.GetWidth()} * dpiX / kScreenDpi),
                   static_cast<int32_t>(int64_t{m_background.GetHeight()} * dpiY / kScreenDpi),
                   kFilterBilinear);
        }
        RECT frame = {0, 0, static_cast<LONG>(m_background.GetWidth()),
                      static_cast<LONG>(m_background.GetHeight())};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(m_hwnd, GWL_STYLE)), TRUE,
                           static_cast<DWORD>(GetWindowLongPtrW(m_hwnd, GWL_EXSTYLE)));
        SetWindowPos(m_hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    PlaceControls();
    LoadTexts();
    LoadMenuBar();
}

void CConfigureDialog::PlaceControls() {
    constexpr LONG kMargin = 12;
    RECT block = {LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (const auto& [child, rect] : m_layout) {
        block.left = std::min(block.left, rect.left);
        block.top = std::min(block.top, rect.top);
        block.right = std::max(block.right, rect.right);
        block.bottom = std::max(block.bottom, rect.bottom);
    }
    RECT client{};
    GetClientRect(m_hwnd, &client);
    const LONG dx = std::clamp(block.right + kMargin - client.right, LONG{0},
                               std::max(LONG{0}, block.left - kMargin));
    const LONG dy = std::clamp(block.bottom + kMargin - client.bottom, LONG{0},
                               std::max(LONG{0}, block.top - kMargin));
    for (const auto& [child, rect] : m_layout) {
        SetWindowPos(child, nullptr, rect.left - dx, rect.top - dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CConfigureDialog::LoadTexts() {
    const ZtvLangManHandle lang = m_host.Ui().Lang();
    // The template's English texts first, so that a language without a text leaves no text of
    // the previous language behind.
    for (const DialogCaption& caption : kCaptions) {
        SetDlgItemTextW(m_hwnd, caption.controlId, lang::BuiltInText(kSection, caption.name));
    }
    LoadDialogCaptions(lang, m_hwnd, kSection, kCaptions, true);
    SetButtonTag(GetDlgItem(m_hwnd, IDC_CONFIGURE_HELP), kTagHelp);
    SetButtonTag(GetDlgItem(m_hwnd, IDOK), kTagOk);
    SetButtonTag(GetDlgItem(m_hwnd, IDCANCEL), kTagCancel);
    SetWindowTextW(m_hwnd, kTitle);
}

void CConfigureDialog::LoadMenuBar() {
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_CONFIGURE_MENU));
    if (menu == nullptr) {
        return;
    }
    const ZtvLangManHandle lang = m_host.Ui().Lang();
    for (UINT position = 0; position < 4; ++position) {
        SetMenuItemFromLanguageByPosition(lang, menu, kTopMenuNames[position], position);
    }
    for (const MenuText& item : kMenuTexts) {
        SetMenuItemFromLanguage(lang, menu, item.name, item.command);
    }
    wchar_t format[kLanguageTextChars];
    GetLanguageMessage(lang, format, kLanguageTextChars, L"TranslateApp",
                       lang::BuiltInText(kMessagesSection, L"TranslateApp"));
    const std::wstring translate = FillLanguageText(format, kTitle);
    ModifyMenuW(menu, kTranslateCommand, MF_BYCOMMAND | MF_STRING, kTranslateCommand,
                translate.c_str());
    MakeMenuOwnerDrawn(menu);
    HMENU old = GetMenu(m_hwnd);
    SetMenu(m_hwnd, menu);
    if (old != nullptr) {
        DestroyMenu(old);
    }
    DrawMenuBar(m_hwnd);
}

void CConfigureDialog::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hwnd, &paint);
    if (m_background.IsValid()) {
        m_background.Draw(dc, 0, 0, SRCCOPY);
    } else {
        FillRect(dc, &paint.rcPaint, m_host.Ui().GetSkin().GetBackgroundBrush());
    }
    EndPaint(m_hwnd, &paint);
}

void CConfigureDialog::OnOk() {
    SettingsRecord& s = m_host.Settings();
    s.CaptureType = IsDlgButtonChecked(m_hwnd, IDC_CONFIGURE_MULTIPLE) == BST_CHECKED ? 1 : 0;
    s.CaptureShadowIsValid =
        IsDlgButtonChecked(m_hwnd, IDC_CONFIGURE_SHADOW) == BST_CHECKED ? 1 : 0;
    s.CaptureCursorIsValid =
        IsDlgButtonChecked(m_hwnd, IDC_CONFIGURE_CURSOR) == BST_CHECKED ? 1 : 0;
    if (m_animate) {
        AnimateWindow(m_hwnd, kSlideMs, AW_SLIDE | AW_HIDE | SlideOut(s.GeneralBBCaptureAlignment));
    }
    End(1);
}

void CConfigureDialog::End(int result) {
    m_result = result;
    m_ended = true;
}

}  // namespace zentrova
