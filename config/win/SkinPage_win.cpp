#include "config/win/SkinPage_win.h"

#include <cwchar>

#include "config/JoinPath.h"
#include "config/win/SettingsIds.h"
#include "image/ZCompositing.h"
#include "lang/LanguageKeys.h"
#include "lang/TextLookup.h"
#include "ui/skin/Skin.h"
#include "ui/skin/SkinName.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kSection = L"Dlg_Skin";
constexpr int kPreviewWidth = 524;
constexpr int kPreviewHeight = 276;
constexpr ZColor kKeyColour = 0xFF00FF;
// Places inside the preview: the skin's picture on the left, the two text samples and the
// sample button on the right.
constexpr int kPictureLeft = 8;
constexpr RECT kEditTextRect = {340, 30, 520, 55};
constexpr RECT kStaticTextRect = {340, 60, 520, 85};
constexpr RECT kButtonRect = {340, 100, 490, 150};

std::wstring Text(ZtvLangManHandle lang, const wchar_t* name) {
    wchar_t text[kLanguageTextChars];
    return GetLanguageText(lang, text, kLanguageTextChars, kSection, name,
                           lang::BuiltInText(kSection, name));
}

void DrawSample(HDC dc, const std::wstring& text, ZColor colour, RECT rect) {
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

}  // namespace

int CSkinPage::TemplateId() const {
    return IDD_PAGE_SKIN;
}

void CSkinPage::OnInit() {
    SetDlgItemTextFromLanguage(Lang(), Window(), kSection, L"Skin", IDC_SKIN_LABEL);
    SetDlgItemTextW(Window(), IDC_SKIN_SAMPLE_BUTTON, Text(Lang(), L"ButtonText").c_str());
    // The preview is pixels, not dialog units: 524 x 276 below the list, the text beside it.
    RECT list{};
    GetWindowRect(Item(IDC_SKIN_LIST), &list);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&list), 2);
    SetWindowPos(Item(IDC_SKIN_PREVIEW), nullptr, 0, 0, kPreviewWidth, kPreviewHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(Item(IDC_SKIN_SAMPLE_BUTTON), nullptr, 0, 0, kButtonRect.right - kButtonRect.left,
                 kButtonRect.bottom - kButtonRect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    const std::wstring folder = JoinPath(Host().ProgramFolder(), kSkinsFolderName);
    m_skins = ListSkinNames(folder);
    HWND combo = Item(IDC_SKIN_LIST);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    const wchar_t* current = Host().Settings().SkinName;
    for (size_t i = 0; i < m_skins.size(); ++i) {
        const std::wstring shown =
            TranslateSkinName(Lang(), m_skins[i].c_str(), SkinNameDirection::ToShown);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
        if (_wcsicmp(m_skins[i].c_str(), current) == 0) {
            SendMessageW(combo, CB_SETCURSEL, i, 0);
        }
    }
    ShowSelected();
}

std::wstring CSkinPage::SelectedSkin() const {
    const LRESULT index = SendMessageW(Item(IDC_SKIN_LIST), CB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<size_t>(index) >= m_skins.size()) {
        return {};
    }
    return m_skins[static_cast<size_t>(index)];
}

void CSkinPage::ShowSelected() {
    const std::wstring name = SelectedSkin();
    std::wstring info;
    if (!name.empty()) {
        Skin skin(Host().System());
        skin.Load(name.c_str());
        info = Text(Lang(), L"SkinName") + L" " + skin.GetText(L"Name", kSkinPreviewTextChars) +
               L"\r\n" + Text(Lang(), L"SkinAuthor") + L" " +
               skin.GetText(L"Author", kSkinPreviewTextChars);
    }
    SetDlgItemTextW(Window(), IDC_SKIN_INFO, info.c_str());
    InvalidateRect(Item(IDC_SKIN_PREVIEW), nullptr, FALSE);
}

void CSkinPage::OnApply() {
    const std::wstring chosen = SelectedSkin();
    SettingsRecord& s = Host().Settings();
    // No selection (no skin found at all): the skin in use stays.
    if (chosen.empty() || chosen.size() >= TextCapacity(SettingKind::Text260) ||
        chosen == s.SkinName) {
        return;
    }
    wcsncpy(s.SkinName, chosen.c_str(), TextCapacity(SettingKind::Text260) - 1);
    s.SkinName[TextCapacity(SettingKind::Text260) - 1] = L'\0';
    Host().ReloadSkin();
}

bool CSkinPage::OnCommand(int control, int code) {
    if (control == IDC_SKIN_LIST && code == CBN_SELCHANGE) {
        ShowSelected();
        return true;
    }
    return false;
}

bool CSkinPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
    (void)wParam;
    if (message != WM_DRAWITEM) {
        return false;
    }
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item == nullptr || item->CtlID != IDC_SKIN_PREVIEW) {
        return false;
    }
    DrawPreview(*item);
    *result = TRUE;
    return true;
}

void CSkinPage::DrawPreview(const DRAWITEMSTRUCT& item) {
    Skin skin(Host().System());
    const std::wstring name = SelectedSkin();
    if (!name.empty()) {
        skin.Load(name.c_str());
    }
    const ZColor back = skin.GetColor(L"WindowBackColor");
    ZImage canvas;
    if (!canvas.Create(kPreviewWidth, kPreviewHeight, 24, back, nullptr)) {
        return;
    }
    HDC dc = canvas.GetDC();
    if (!name.empty()) {
        ZImage picture;
        if (skin.LoadJpg(picture, L"Preview")) {
            ReplaceColor(picture, kKeyColour, back);
            const int top = (kPreviewHeight - static_cast<int>(picture.GetHeight())) / 2;
            picture.Draw(dc, kPictureLeft, top > 0 ? top : 0, SRCCOPY);
        }
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0));
        HGDIOBJ oldFont = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        DrawSample(dc, Text(Lang(), L"EditTextColor"), skin.GetColor(L"MainEditTextColor"),
                   kEditTextRect);
        DrawSample(dc, Text(Lang(), L"StaticTextColor"), skin.GetColor(L"MainStaticTextColor"),
                   kStaticTextRect);
        SelectObject(dc, oldFont);
        HDC buttonDc = CreateCompatibleDC(dc);
        RECT buttonRect = {0, 0, kButtonRect.right - kButtonRect.left,
                           kButtonRect.bottom - kButtonRect.top};
        HBITMAP bitmap = CreateCompatibleBitmap(dc, buttonRect.right, buttonRect.bottom);
        HGDIOBJ oldBitmap = SelectObject(buttonDc, bitmap);
        PaintSkinnedButton(skin, Item(IDC_SKIN_SAMPLE_BUTTON), buttonDc, 0, buttonRect);
        BitBlt(dc, kButtonRect.left, kButtonRect.top, buttonRect.right, buttonRect.bottom, buttonDc,
               0, 0, SRCCOPY);
        SelectObject(buttonDc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(buttonDc);
    }
    canvas.Draw(item.hDC, item.rcItem.left, item.rcItem.top, SRCCOPY);
}

}  // namespace zentrova
