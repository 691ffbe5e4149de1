#include "editmode/win/ResizeDialogs_win.h"

#include <iterator>
#include <vector>

#include "editmode/colorpicker/ColorPicker.h"
#include "editmode/commands/ResizeCommands.h"
#include "editmode/win/EditDialogIds.h"
#include "editmode/win/EditDialog_win.h"
#include "lang/TextLookup.h"
#include "lang/TextLookupWin.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kResizeSection = L"Dlg_Resize";
constexpr const wchar_t* kCanvasSection = L"Dlg_ResizeCanvas";
constexpr int kFieldChars = 350;

constexpr DialogCaption kResizeCaptions[] = {
    {IDC_RESIZE_WIDTH_LABEL, L"NewWidth"},
    {IDC_RESIZE_HEIGHT_LABEL, L"NewHeight"},
    {IDC_RESIZE_PROPORTIONS, L"Proportions"},
    {IDC_RESIZE_FILTER_LABEL, L"ScaleFilter"},
    {IDOK, L"Ok"},
    {IDCANCEL, L"Cancel"},
};
constexpr DialogCaption kCanvasCaptions[] = {
    {IDC_CANVAS_WIDTH_LABEL, L"NewWidth"},
    {IDC_CANVAS_HEIGHT_LABEL, L"NewHeight"},
    {IDC_CANVAS_GROUP, L"CanvasSize"},
    {IDC_CANVAS_POSITION_LABEL, L"ImagePosition"},
    {IDC_CANVAS_FILL_LABEL, L"FillColor"},
    {IDOK, L"Ok"},
    {IDCANCEL, L"Cancel"},
};

void StartDialog(const SkinnedUi& ui, HWND dialog, const wchar_t* section,
                 const DialogCaption* captions, size_t count) {
    StartSkinnedDialog(dialog, nullptr);
    LoadDialogCaptions(ui.Lang(), dialog, section, captions, count, true);
    SetButtonTag(GetDlgItem(dialog, IDOK), kTagOk);
    SetButtonTag(GetDlgItem(dialog, IDCANCEL), kTagCancel);
}

std::wstring FieldText(HWND dialog, int id) {
    std::vector<wchar_t> text(kFieldChars, L'\0');
    GetDlgItemTextW(dialog, id, text.data(), kFieldChars);
    return text.data();
}

int ComboIndex(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

// The Resize dialog while it is open.
class ResizeDialog {
  public:
    ResizeDialog(const SkinnedUi& ui, const ResizeChoice& start,
                 const std::function<bool(const ResizeChoice&)>& attempt)
        : m_ui(ui), m_start(start), m_attempt(attempt) {}
    const SkinnedUi& Ui() const { return m_ui; }

    void Init(HWND dialog) {
        m_dialog = dialog;
        StartDialog(m_ui, dialog, kResizeSection, kResizeCaptions, std::size(kResizeCaptions));
        HDC screen = GetDC(nullptr);
        m_dpiX = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
        m_dpiY = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
        if (screen != nullptr) {
            ReleaseDC(nullptr, screen);
        }
        FillComboFromLanguage(m_ui.Lang(), GetDlgItem(dialog, IDC_RESIZE_UNIT), kResizeSection,
                              L"UnitCBX", static_cast<int>(ResizeUnit::Pixel),
                              L"Percent|Pixel|Centimeter|Inch");
        FillComboFromLanguage(m_ui.Lang(), GetDlgItem(dialog, IDC_RESIZE_FILTER), kResizeSection,
                              L"ScaleFilterCBX", m_start.filter,
                              L"No Smoothing|Bresenham|Bicubic|Gaussian|Bilinear");
        CheckDlgButton(dialog, IDC_RESIZE_PROPORTIONS,
                       m_start.proportions ? BST_CHECKED : BST_UNCHECKED);
        Write(IDC_RESIZE_WIDTH, m_start.width);
        Write(IDC_RESIZE_HEIGHT, m_start.height);
    }

    INT_PTR OnCommand(WPARAM wParam) {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (code == EN_CHANGE && (id == IDC_RESIZE_WIDTH || id == IDC_RESIZE_HEIGHT)) {
            OnFieldTyped(id);
            return TRUE;
        }
        if (code == CBN_SELCHANGE && id == IDC_RESIZE_UNIT) {
            OnUnitChanged();
            return TRUE;
        }
        if (code != BN_CLICKED) {
            return FALSE;
        }
        if (id == IDOK) {
            OnOk();
            return TRUE;
        }
        if (id == IDCANCEL) {
            EndDialog(m_dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }

  private:
    void Write(int id, double value) {
        m_writing = true;
        SetDlgItemTextW(m_dialog, id, FormatResizeField(value).c_str());
        m_writing = false;
    }

    // Both fields go from the old unit to pixels and on to the new one.
    void OnUnitChanged() {
        const int index = ComboIndex(m_dialog, IDC_RESIZE_UNIT);
        if (index < 0 || index > 3) {
            return;
        }
        const auto unit = static_cast<ResizeUnit>(index);
        double w = 0;
        double h = 0;
        if (ParseResizeField(FieldText(m_dialog, IDC_RESIZE_WIDTH), w) &&
            ParseResizeField(FieldText(m_dialog, IDC_RESIZE_HEIGHT), h)) {
            const double pw = ResizeToPixels(w, m_unit, m_start.width, m_dpiX);
            const double ph = ResizeToPixels(h, m_unit, m_start.height, m_dpiY);
            Write(IDC_RESIZE_WIDTH, ResizeFromPixels(pw, unit, m_start.width, m_dpiX));
            Write(IDC_RESIZE_HEIGHT, ResizeFromPixels(ph, unit, m_start.height, m_dpiY));
        }
        m_unit = unit;
    }

    // With the proportions kept, the other field follows (it is not re-evaluated in turn).
    void OnFieldTyped(int id) {
        double typed = 0;
        if (m_writing || IsDlgButtonChecked(m_dialog, IDC_RESIZE_PROPORTIONS) != BST_CHECKED ||
            !ParseResizeField(FieldText(m_dialog, id), typed)) {
            return;
        }
        const bool width = id == IDC_RESIZE_WIDTH;
        Write(width ? IDC_RESIZE_HEIGHT : IDC_RESIZE_WIDTH,
              ProportionalField(typed, m_unit, width ? m_start.width : m_start.height,
                                width ? m_start.height : m_start.width));
    }

    void OnOk() {
        double w = 0;
        double h = 0;
        if (!ParseResizeField(FieldText(m_dialog, IDC_RESIZE_WIDTH), w) ||
            !ParseResizeField(FieldText(m_dialog, IDC_RESIZE_HEIGHT), h)) {
            Beep(200, 200);
            return;
        }
        ResizeChoice choice;
        choice.width = ResizeFinalPixels(w, m_unit, m_start.width, m_dpiX);
        choice.height = ResizeFinalPixels(h, m_unit, m_start.height, m_dpiY);
        const int filter = ComboIndex(m_dialog, IDC_RESIZE_FILTER);
        choice.filter = filter >= 0 && filter <= 4 ? filter : 4;
        choice.proportions = IsDlgButtonChecked(m_dialog, IDC_RESIZE_PROPORTIONS) == BST_CHECKED;
        if (m_attempt(choice)) {
            EndDialog(m_dialog, IDOK);
        }
    }

  public:
    bool OnDrawItem(const DRAWITEMSTRUCT* /*item*/) const { return false; }

  private:
    const SkinnedUi& m_ui;
    ResizeChoice m_start;
    const std::function<bool(const ResizeChoice&)>& m_attempt;
    HWND m_dialog = nullptr;
    ResizeUnit m_unit = ResizeUnit::Pixel;
    double m_dpiX = 96;
    double m_dpiY = 96;
    bool m_writing = false;
};

// The Resize Canvas dialog while it is open.
class CanvasDialog {
  public:
    CanvasDialog(const SkinnedUi& ui, CanvasChoice& choice) : m_ui(ui), m_choice(choice) {}
    const SkinnedUi& Ui() const { return m_ui; }

    void Init(HWND dialog) {
        m_dialog = dialog;
        StartDialog(m_ui, dialog, kCanvasSection, kCanvasCaptions, std::size(kCanvasCaptions));
        wchar_t text[kLanguageTextChars] = L"";
        GetLanguageMessage(m_ui.Lang(), text, kLanguageTextChars, L"ChooseColor",
                           L"Choose Color...");
        SetDlgItemTextW(dialog, IDC_CANVAS_CHOOSE, text);
        SetButtonTag(GetDlgItem(dialog, IDC_CANVAS_CHOOSE), kTagColor);
        FillComboFromLanguage(m_ui.Lang(), GetDlgItem(dialog, IDC_CANVAS_POSITION), kCanvasSection,
                              L"PositionCBX", m_choice.anchor,
                              L"TopLeft|TopCenter|TopRight|LeftCenter|Center|RightCenter|"
                              L"BottomLeft|BottomCenter|BottomRight");
        SetDlgItemInt(dialog, IDC_CANVAS_WIDTH, static_cast<UINT>(m_choice.width), FALSE);
        SetDlgItemInt(dialog, IDC_CANVAS_HEIGHT, static_cast<UINT>(m_choice.height), FALSE);
        m_fill = m_choice.fill;
    }

    INT_PTR OnCommand(WPARAM wParam) {
        if (HIWORD(wParam) != BN_CLICKED) {
            return FALSE;
        }
        switch (LOWORD(wParam)) {
            case IDC_CANVAS_CHOOSE: {
                CColorPicker picker(m_ui);
                picker.Create(m_dialog, m_fill);
                if (picker.Show(0)) {
                    m_fill = picker.GetColor();
                    InvalidateRect(GetDlgItem(m_dialog, IDC_CANVAS_SWATCH), nullptr, TRUE);
                }
                return TRUE;
            }
            case IDOK: {
                BOOL widthRead = FALSE;
                BOOL heightRead = FALSE;
                const UINT w = GetDlgItemInt(m_dialog, IDC_CANVAS_WIDTH, &widthRead, FALSE);
                const UINT h = GetDlgItemInt(m_dialog, IDC_CANVAS_HEIGHT, &heightRead, FALSE);
                m_choice.width = LimitCanvasSize(widthRead ? w : 1);
                m_choice.height = LimitCanvasSize(heightRead ? h : 1);
                const int anchor = ComboIndex(m_dialog, IDC_CANVAS_POSITION);
                m_choice.anchor = anchor >= 0 && anchor <= 8 ? anchor : m_choice.anchor;
                m_choice.fill = m_fill;
                EndDialog(m_dialog, IDOK);
                return TRUE;
            }
            case IDCANCEL:
                EndDialog(m_dialog, IDCANCEL);
                return TRUE;
            default:
                return FALSE;
        }
    }

    // The swatch shows the fill colour.
    bool OnDrawItem(const DRAWITEMSTRUCT* item) const {
        if (item == nullptr || item->CtlID != IDC_CANVAS_SWATCH) {
            return false;
        }
        HBRUSH brush = CreateSolidBrush(m_fill);
        if (brush != nullptr) {
            FillRect(item->hDC, &item->rcItem, brush);
            DeleteObject(brush);
        }
        return true;
    }

  private:
    const SkinnedUi& m_ui;
    CanvasChoice& m_choice;
    HWND m_dialog = nullptr;
    ZColor m_fill = 0xFFFFFF;
};

}  // namespace

bool RunResizeDialog(const SkinnedUi& ui, HWND owner, const ResizeChoice& start,
                     const std::function<bool(const ResizeChoice&)>& attempt) {
    ResizeDialog dialog(ui, start, attempt);
    return RunEditDialog(L"RESIZEDLG", owner, dialog);
}

bool RunCanvasDialog(const SkinnedUi& ui, HWND owner, CanvasChoice& choice) {
    CanvasDialog dialog(ui, choice);
    return RunEditDialog(L"CANVASDLG", owner, dialog);
}

}  // namespace zentrova
