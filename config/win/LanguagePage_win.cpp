#include "config/win/LanguagePage_win.h"

#include <cwchar>
#include <vector>

#include "config/LanguageTag.h"
#include "config/win/SettingsIds.h"
#include "lang/FlagPicture.h"
#include "lang/LanguageKeys.h"
#include "lang/TextLookup.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kSection = L"Dlg_Language";
constexpr int kFlagSize = 16;
constexpr int kTagColumn = 2;
constexpr size_t kTagChars = 64;

const DialogCaption kCaptions[] = {{IDOK, L"Ok"}, {IDCANCEL, L"Cancel"}};

const wchar_t* OrEmpty(const wchar_t* text) {
    return text != nullptr ? text : L"";
}

}  // namespace

CLanguagePage::~CLanguagePage() {
    if (m_flags != nullptr) {
        ImageList_Destroy(m_flags);
    }
}

int CLanguagePage::TemplateId() const {
    return IDD_PAGE_LANGUAGE;
}

void CLanguagePage::OnInit() {
    LoadDialogCaptions(Lang(), Window(), kSection, kCaptions, true);
    HWND list = Item(IDC_LANGUAGE_LIST);
    DWORD extended = LVS_EX_FULLROWSELECT;
    const wchar_t* current = Host().Settings().LanguageFile;
    if (_wcsicmp(current, L"zh-cn") != 0 && _wcsicmp(current, L"zh-tw") != 0) {
        extended |= LVS_EX_GRIDLINES;
    }
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    if (m_flags != nullptr) {
        ImageList_Destroy(m_flags);
    }
    m_flags = ImageList_Create(kFlagSize, kFlagSize, ILC_COLOR24, 4, 4);
    // The list does not own the image list: the page destroys it.
    SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_flags));
    AddColumns();
    FillList();
}

void CLanguagePage::AddColumns() {
    const std::vector<std::wstring> headers = GetLanguageList(
        Lang(), kSection, L"ListHeaders", lang::BuiltInText(kSection, L"ListHeaders"));
    // Left to right: the language (item 2), the author (item 1), the tag (item 0).
    const size_t items[] = {2, 1, 0};
    const int widths[] = {100, 100, 105 - GetSystemMetrics(SM_CXVSCROLL)};
    HWND list = Item(IDC_LANGUAGE_LIST);
    for (int column = 0; column < 3; ++column) {
        std::wstring text = items[column] < headers.size() ? headers[items[column]] : L"";
        LVCOLUMNW lvColumn{};
        lvColumn.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        lvColumn.pszText = text.data();
        lvColumn.cx = widths[column];
        lvColumn.iSubItem = column;
        SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&lvColumn));
    }
}

int CLanguagePage::AddFlag(const wchar_t* tag) {
    const std::wstring folder = Host().ProgramFolder();
    std::wstring path = FlagPicturePath(folder, tag);
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, kFlagSize, kFlagSize, LR_LOADFROMFILE));
    if (bitmap == nullptr) {
        path = UnknownFlagPicturePath(folder);
        bitmap = static_cast<HBITMAP>(
            LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, kFlagSize, kFlagSize, LR_LOADFROMFILE));
    }
    const int index = bitmap != nullptr ? ImageList_Add(m_flags, bitmap, nullptr) : -1;
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    if (index < 0) {
        Beep(200, 200);
    }
    return index;
}

void CLanguagePage::FillList() {
    HWND list = Item(IDC_LANGUAGE_LIST);
    ZtvLangManHandle lang = Lang();
    const int count = ztvLangMan_getLangCount(lang);
    const wchar_t* current = Host().Settings().LanguageFile;
    int selected = -1;
    for (int i = 0; i < count; ++i) {
        const wchar_t* tag = OrEmpty(ztvLangMan_getLangID(lang, i));
        std::wstring name = std::wstring(OrEmpty(ztvLangMan_getNativeLangName(lang, i))) + L" (" +
                            OrEmpty(ztvLangMan_getEnglishLangName(lang, i)) + L")";
        std::wstring comment = OrEmpty(ztvLangMan_getLangComment(lang, i));
        std::wstring tagText = tag;
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = name.data();
        item.iImage = AddFlag(tag);
        const auto row = static_cast<int>(
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (row < 0) {
            continue;
        }
        LVITEMW sub{};
        sub.iSubItem = 1;
        sub.pszText = comment.data();
        SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&sub));
        sub.iSubItem = kTagColumn;
        sub.pszText = tagText.data();
        SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&sub));
        if (_wcsicmp(tag, current) == 0) {
            selected = row;
        }
    }
    for (int column = 0; column < 3; ++column) {
        SendMessageW(list, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE_USEHEADER);
    }
    if (selected >= 0) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, selected, reinterpret_cast<LPARAM>(&state));
        SendMessageW(list, LVM_ENSUREVISIBLE, selected, FALSE);
    }
}

std::wstring CLanguagePage::SelectedTag() const {
    HWND list = Item(IDC_LANGUAGE_LIST);
    const auto row = static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0) {
        return {};
    }
    std::vector<wchar_t> text(kTagChars, L'\0');
    LVITEMW item{};
    item.iSubItem = kTagColumn;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return text.data();
}

void CLanguagePage::OnApply() {
    const std::wstring tag = SelectedTag();
    SettingsRecord& s = Host().Settings();
    // No selection, or a tag that does not fit the record: the language in use stays.
    if (tag.empty() || tag.size() >= kLanguageTagChars ||
        _wcsicmp(tag.c_str(), s.LanguageFile) == 0) {
        return;
    }
    wcsncpy(s.LanguageFile, tag.c_str(), kLanguageTagChars - 1);
    s.LanguageFile[kLanguageTagChars - 1] = L'\0';
    Host().RestartLanguage();
}

}  // namespace zentrova
