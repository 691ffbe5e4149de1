#include "config/win/CapturePage_win.h"

#include <commctrl.h>
#include <prsht.h>

#include <iterator>
#include <string>

#include "config/ListChoice.h"
#include "config/win/FolderBrowser_win.h"
#include "config/win/SettingsIds.h"
#include "lang/LanguageKeys.h"
#include "lang/TextLookup.h"
#include "ui/dialogs/ButtonTags.h"
#include "ui/dialogs/MessageBoxes.h"

namespace zentrova {

namespace {

using R = SettingsRecord;

constexpr const wchar_t* kSection = L"Dlg_SettingsCapture";

const wchar_t* const kFormats[] = {
    L"BMP - Windows Bitmap (*.bmp)",
    L"JPG - Joint Photographic Experts Group (*.jpg)",
    L"PNG - Portable Network Graphics (*.png)",
    L"PDF - Portable Document Format (*.pdf)",
};

const DialogCaption kCaptions[] = {
    {IDC_CAP_OUTPUT, L"Output"},
    {IDC_CAP_FORMAT_LABEL, L"OutputFormat"},
    {IDC_CAP_FOLDER_LABEL, L"OutputDirectory"},
    {IDC_CAP_BROWSE, L"Browse"},
    {IDC_CAP_BACKGROUND, L"Background"},
    {IDC_CAP_BACKGROUND_LABEL, L"BackgroundColor"},
    {IDC_CAP_SHADOW, L"Shadow"},
    {IDC_CAP_SHADOW_COLOR_LABEL, L"ShadowColor"},
    {IDC_CAP_INTENSITY_LABEL, L"ShadowIntensity"},
    {IDC_CAP_DIRECTION_LABEL, L"ShadowDirection"},
    {IDC_CAP_OFFSET_LABEL, L"ShadowOffset"},
    {IDC_CAP_DITHER_LABEL, L"ShadowDither"},
    {IDC_CAP_CURSOR, L"Cursor"},
    {IDC_CAP_CURSOR_SHADOW, L"CursorHasShadow"},
    {IDC_CAP_SPARKLE_LABEL, L"CursorSparkle"},
    {IDC_CAP_SHAPE, L"Shape"},
    {IDC_CAP_SHAPE_LABEL, L"ImageShape"},
    {IDC_CAP_DIRECTION_LIST_LABEL, L"ImageShapeDirection"},
    {IDC_CAP_FADER_LABEL, L"ImageFader"},
    {IDC_CAP_FIXED, L"FixedRegionSize"},
    {IDC_CAP_FIXED_WIDTH_LABEL, L"FixedWidth"},
    {IDC_CAP_FIXED_HEIGHT_LABEL, L"FixedHeight"},
};

const CheckField kChecks[] = {
    {IDC_CAP_CURSOR_SHADOW, &R::CaptureShadowCursorIsValid},
};

const SliderField kSliders[] = {
    {IDC_CAP_INTENSITY, IDC_CAP_INTENSITY_NUMBER, &R::CaptureShadowIntensity,
     kShadowIntensityRange},
    {IDC_CAP_DIRECTION, IDC_CAP_DIRECTION_NUMBER, &R::CaptureShadowDirection,
     kShadowDirectionRange},
    {IDC_CAP_OFFSET, IDC_CAP_OFFSET_NUMBER, &R::CaptureShadowOffset, kShadowOffsetRange},
    {IDC_CAP_DITHER, IDC_CAP_DITHER_NUMBER, &R::CaptureShadowDither, kShadowDitherRange},
};

const ColourField kColours[] = {
    {IDC_CAP_BACKGROUND_COLOR, IDC_CAP_BACKGROUND_SWATCH, &R::CaptureBackgroundColor},
    {IDC_CAP_SHADOW_COLOR, IDC_CAP_SHADOW_SWATCH, &R::CaptureShadowColor},
};

const ComboField kCombos[] = {
    {IDC_CAP_SPARKLE, L"CursorSparkleCBX", &R::CaptureCursorSparkle},
    {IDC_CAP_SHAPE_TYPE, L"ImageShapeCBX", &R::CaptureShapeType},
    {IDC_CAP_DIRECTION_LIST, L"ImageShapeDirectionCBX", &R::CaptureShapeTypeDirection},
    {IDC_CAP_FADER, L"ImageFaderCBX", &R::CaptureShapeFader},
};

std::wstring ItemText(HWND item) {
    const int length = GetWindowTextLengthW(item);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int got = GetWindowTextW(item, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

}  // namespace

CCapturePage::CCapturePage(SettingsHost& host)
    : CFieldsPage(host, Fields{kSection, kCaptions, std::size(kCaptions), kChecks, kSliders,
                               kColours, kCombos}) {}

int CCapturePage::TemplateId() const {
    return IDD_PAGE_CAPTURE;
}

void CCapturePage::FillMore() {
    const DialogCaption none[] = {{0, L""}};
    LoadDialogCaptions(Lang(), Window(), kSection, none, 0, true);
    const SettingsRecord& s = Host().Settings();
    HWND formats = Item(IDC_CAP_FORMAT);
    for (const wchar_t* format : kFormats) {
        SendMessageW(formats, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(format));
    }
    SendMessageW(formats, CB_SETCURSEL, s.CaptureOutputFormat, 0);
    SendMessageW(Item(IDC_CAP_FOLDER), EM_LIMITTEXT, std::size(s.CaptureOutputDirectory) - 1, 0);
    SetDlgItemTextW(Window(), IDC_CAP_FOLDER, s.CaptureOutputDirectory);
    SetButtonTag(Item(IDC_CAP_BROWSE), kTagBrowse);
    SetDlgItemInt(Window(), IDC_CAP_FIXED_WIDTH, s.CaptureFixedWidth, FALSE);
    SetDlgItemInt(Window(), IDC_CAP_FIXED_HEIGHT, s.CaptureFixedHeight, FALSE);
}

void CCapturePage::ApplyMore() {
    SettingsRecord& s = Host().Settings();
    s.CaptureOutputFormat = ChosenListIndex(SendMessageW(Item(IDC_CAP_FORMAT), CB_GETCURSEL, 0, 0),
                                            std::size(kFormats), s.CaptureOutputFormat);
    // Entries were checked when the page was left; one that is still wrong keeps its value.
    uint32_t size = 0;
    if (ParseFixedCaptureSize(ItemText(Item(IDC_CAP_FIXED_WIDTH)), &size)) {
        s.CaptureFixedWidth = size;
    }
    if (ParseFixedCaptureSize(ItemText(Item(IDC_CAP_FIXED_HEIGHT)), &size)) {
        s.CaptureFixedHeight = size;
    }
    const std::wstring folder = ItemText(Item(IDC_CAP_FOLDER));
    if (IsUsableOutputFolder(folder) && folder.size() < std::size(s.CaptureOutputDirectory)) {
        folder.copy(s.CaptureOutputDirectory, folder.size());
        s.CaptureOutputDirectory[folder.size()] = L'\0';
    }
}

bool CCapturePage::CommandMore(int control, int code) {
    if (control == IDC_CAP_SHAPE_TYPE && code == CBN_SELCHANGE) {
        UpdateEnabled();
        return true;
    }
    if (control == IDC_CAP_BROWSE && code == BN_CLICKED) {
        Browse();
        return true;
    }
    return false;
}

bool CCapturePage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
    if (message == WM_NOTIFY && lParam != 0 &&
        reinterpret_cast<const NMHDR*>(lParam)->code == PSN_KILLACTIVE) {
        // TRUE keeps the page (and the sheet) open.
        SetWindowLongPtrW(Window(), DWLP_MSGRESULT, CheckEntries() ? FALSE : TRUE);
        *result = TRUE;
        return true;
    }
    return CFieldsPage::OnMessage(message, wParam, lParam, result);
}

void CCapturePage::UpdateEnabled() {
    const auto shape = SendMessageW(Item(IDC_CAP_SHAPE_TYPE), CB_GETCURSEL, 0, 0);
    const bool directions = shape >= 0 && ShapeHasDirection(static_cast<uint32_t>(shape));
    Enable(IDC_CAP_DIRECTION_LIST, directions);
    Enable(IDC_CAP_DIRECTION_LIST_LABEL, directions);
}

bool CCapturePage::CheckEntries() {
    if (!CheckSize(IDC_CAP_FIXED_WIDTH, &R::CaptureFixedWidth, L"FixedWidthInvalid") ||
        !CheckSize(IDC_CAP_FIXED_HEIGHT, &R::CaptureFixedHeight, L"FixedHeightInvalid")) {
        return false;
    }
    if (!IsUsableOutputFolder(ItemText(Item(IDC_CAP_FOLDER)))) {
        SetDlgItemTextW(Window(), IDC_CAP_FOLDER, Host().Settings().CaptureOutputDirectory);
        Refuse(IDC_CAP_FOLDER, L"OutputFolderEmpty");
        return false;
    }
    return true;
}

bool CCapturePage::CheckSize(int control, uint32_t SettingsRecord::*value, const wchar_t* message) {
    uint32_t size = 0;
    if (ParseFixedCaptureSize(ItemText(Item(control)), &size)) {
        return true;
    }
    SetDlgItemInt(Window(), control, Host().Settings().*value, FALSE);
    Refuse(control, message);
    return false;
}

void CCapturePage::Refuse(int control, const wchar_t* message) {
    wchar_t text[kLanguageTextChars];
    GetLanguageText(Lang(), text, kLanguageTextChars, kSection, message,
                    lang::BuiltInText(kSection, message));
    ShowOkBox(Host().Ui(), GetParent(Window()), L"%ls", text);
    SetFocus(Item(control));
    SendMessageW(Item(control), EM_SETSEL, 0, -1);
}

void CCapturePage::Browse() {
    std::wstring folder;
    if (BrowseForFolder(GetParent(Window()), ItemText(Item(IDC_CAP_FOLDER)), &folder)) {
        SetDlgItemTextW(Window(), IDC_CAP_FOLDER, folder.c_str());
    }
}

}  // namespace zentrova
