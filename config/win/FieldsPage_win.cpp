#include "config/win/FieldsPage_win.h"

#include <commctrl.h>

#include "config/ListChoice.h"
#include "editmode/colorpicker/ColorPicker.h"
#include "lang/LanguageKeys.h"
#include "lang/TextLookup.h"
#include "ui/dialogs/ButtonTags.h"

namespace zentrova {

namespace {

// The swatch beside a colour button, in pixels.
constexpr int kSwatchWidth = 30;
constexpr int kSwatchHeight = 22;

HBITMAP MakeSwatch(uint32_t colour) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kSwatchWidth, kSwatchHeight);
    HDC dc = CreateCompatibleDC(screen);
    if (bitmap != nullptr && dc != nullptr) {
        HGDIOBJ old = SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(colour & 0xFFFFFFu);
        RECT all{0, 0, kSwatchWidth, kSwatchHeight};
        FillRect(dc, &all, brush);
        FrameRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        DeleteObject(brush);
        SelectObject(dc, old);
    }
    if (dc != nullptr) {
        DeleteDC(dc);
    }
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace

CFieldsPage::CFieldsPage(SettingsHost& host, const Fields& fields)
    : CSettingsPage(host),
      m_fields(fields),
      m_colours(fields.colours.count, 0),
      m_swatches(fields.colours.count, nullptr) {}

CFieldsPage::~CFieldsPage() {
    for (HBITMAP bitmap : m_swatches) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
    }
}

void CFieldsPage::OnInit() {
    LoadDialogCaptions(Lang(), Window(), m_fields.section, m_fields.captions, m_fields.captionCount,
                       false);
    wchar_t choose[kLanguageTextChars];
    GetLanguageMessage(Lang(), choose, kLanguageTextChars, L"ChooseColor",
                       lang::BuiltInText(L"Messages", L"ChooseColor"));
    const SettingsRecord& s = Host().Settings();
    for (const CheckField& field : m_fields.checks) {
        Check(field.control, s.*field.value);
    }
    for (const SliderField& field : m_fields.sliders) {
        HWND bar = Item(field.slider);
        SendMessageW(bar, TBM_SETRANGE, FALSE, MAKELPARAM(field.range.low, field.range.high));
        SendMessageW(bar, TBM_SETTICFREQ, 1, 0);
        SendMessageW(bar, TBM_SETPOS, TRUE,
                     static_cast<LPARAM>(ClampToRange(s.*field.value, field.range)));
        ShowSliderNumber(field);
    }
    for (size_t i = 0; i < m_fields.colours.count; ++i) {
        const ColourField& field = m_fields.colours.items[i];
        SetWindowTextW(Item(field.button), choose);
        SetButtonTag(Item(field.button), kTagColor);
        m_colours[i] = s.*field.value;
        PaintSwatch(i);
    }
    for (const ComboField& field : m_fields.combos) {
        FillComboFromLanguage(Lang(), Item(field.control), m_fields.section, field.list,
                              static_cast<int>(s.*field.value),
                              lang::BuiltInText(m_fields.section, field.list));
    }
    FillMore();
    UpdateEnabled();
}

void CFieldsPage::OnApply() {
    SettingsRecord& s = Host().Settings();
    for (const CheckField& field : m_fields.checks) {
        s.*field.value = IsChecked(field.control) ? 1 : 0;
    }
    for (const SliderField& field : m_fields.sliders) {
        const auto position = SendMessageW(Item(field.slider), TBM_GETPOS, 0, 0);
        s.*field.value =
            ClampToRange(static_cast<uint32_t>(position < 0 ? 0 : position), field.range);
    }
    for (size_t i = 0; i < m_fields.colours.count; ++i) {
        s.*(m_fields.colours.items[i].value) = m_colours[i];
    }
    for (const ComboField& field : m_fields.combos) {
        HWND combo = Item(field.control);
        const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
        s.*field.value =
            ChosenListIndex(SendMessageW(combo, CB_GETCURSEL, 0, 0),
                            count > 0 ? static_cast<size_t>(count) : 0, s.*field.value);
    }
    ApplyMore();
}

bool CFieldsPage::OnCommand(int control, int code) {
    if (code == BN_CLICKED) {
        for (size_t i = 0; i < m_fields.colours.count; ++i) {
            if (m_fields.colours.items[i].button == control) {
                ChooseColour(i);
                return true;
            }
        }
        for (const CheckField& field : m_fields.checks) {
            if (field.control == control) {
                UpdateEnabled();
                return true;
            }
        }
    }
    return CommandMore(control, code);
}

bool CFieldsPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
    (void)wParam;
    if (message != WM_HSCROLL || lParam == 0) {
        return false;
    }
    const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
    for (const SliderField& field : m_fields.sliders) {
        if (field.slider == id) {
            ShowSliderNumber(field);
            *result = 0;
            return true;
        }
    }
    return false;
}

void CFieldsPage::ShowSliderNumber(const SliderField& field) {
    const auto position = SendMessageW(Item(field.slider), TBM_GETPOS, 0, 0);
    SetDlgItemInt(Window(), field.number, static_cast<UINT>(position < 0 ? 0 : position), FALSE);
}

void CFieldsPage::PaintSwatch(size_t index) {
    HBITMAP bitmap = MakeSwatch(m_colours[index]);
    if (bitmap == nullptr) {
        return;
    }
    SendMessageW(Item(m_fields.colours.items[index].swatch), STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(bitmap));
    if (m_swatches[index] != nullptr) {
        DeleteObject(m_swatches[index]);
    }
    m_swatches[index] = bitmap;
}

void CFieldsPage::ChooseColour(size_t index) {
    CColorPicker picker(Host().Ui());
    picker.Create(GetParent(Window()), m_colours[index]);
    if (!picker.Show(0)) {
        return;
    }
    // Kept for OK: Cancel leaves the record's colour as it was.
    m_colours[index] = picker.GetColor();
    PaintSwatch(index);
}

}  // namespace zentrova
