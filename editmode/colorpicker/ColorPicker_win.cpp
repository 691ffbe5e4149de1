// The colour picker dialog: the skinned dialog around the colour model, its pictures and the
// mouse areas.
#include "editmode/colorpicker/ColorPicker.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>

#include "editmode/colorpicker/ColorPickerIds.h"
#include "editmode/colorpicker/PickerDrag.h"
#include "editmode/colorpicker/PickerPixels.h"
#include "lang/TextLookupWin.h"
#include "ui/dialogs/MessageBoxes.h"

namespace zentrova {

namespace {

constexpr DWORD kFailureBeepHz = 200;
constexpr DWORD kFailureBeepMs = 200;
// Pixels between the field and the slider, the slider and the opacity strip, and the last of
// them and the controls on the right.
constexpr int kSliderGap = 12;
constexpr int kStripGap = 8;
constexpr int kColumnGap = 16;
constexpr int kFieldTextChars = 32;
constexpr const wchar_t* kNoPickerText = L"Failed to get pointer to CColorPicker Class!";

struct FieldControl {
    int id;
    PickerComponent component;
};
constexpr FieldControl kFields[] = {
    {IDC_CP_EDIT_RED, PickerComponent::Red},
    {IDC_CP_EDIT_GREEN, PickerComponent::Green},
    {IDC_CP_EDIT_BLUE, PickerComponent::Blue},
    {IDC_CP_EDIT_HUE, PickerComponent::Hue},
    {IDC_CP_EDIT_SATURATION, PickerComponent::Saturation},
    {IDC_CP_EDIT_VALUE, PickerComponent::Value},
};
constexpr FieldControl kRadios[] = {
    {IDC_CP_RADIO_RED, PickerComponent::Red},
    {IDC_CP_RADIO_GREEN, PickerComponent::Green},
    {IDC_CP_RADIO_BLUE, PickerComponent::Blue},
    {IDC_CP_RADIO_HUE, PickerComponent::Hue},
    {IDC_CP_RADIO_SATURATION, PickerComponent::Saturation},
    {IDC_CP_RADIO_VALUE, PickerComponent::Value},
};
constexpr DialogCaption kCaptions[] = {
    {IDC_CP_LABEL_ORIGINAL, L"OriginalColor"},
    {IDC_CP_LABEL_SELECTED, L"SelectedColor"},
    {IDC_CP_OPACITY_LABEL, L"Opacity"},
    {IDOK, L"Ok"},
    {IDCANCEL, L"Cancel"},
};

bool IsPictureControl(int id) {
    return id == IDC_CP_FIELD || id == IDC_CP_SLIDER || id == IDC_CP_OPACITY_STRIP;
}

// The control's rectangle in the dialog's client coordinates (empty when it is missing).
RECT ClientRectOf(HWND dialog, HWND control) {
    RECT r = {};
    if (control != nullptr && GetWindowRect(control, &r)) {
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

ZRect ToZRect(const RECT& r) {
    return ZRect{r.left, r.top, r.right, r.bottom};
}

// The dialog while it is open.
class PickerDialog {
  public:
    PickerDialog(const SkinnedUi& ui, ColorModel& model, HWND parent)
        : m_ui(ui), m_model(model), m_parent(parent) {}

    const SkinnedUi& Ui() const { return m_ui; }

    void Init(HWND dialog) {
        m_dialog = dialog;
        StartSkinnedDialog(dialog,
                           m_parent != nullptr && IsWindowVisible(m_parent) ? m_parent : nullptr);
        SetWindowTitleFromLanguage(m_ui.Lang(), dialog, kColorPickerSection);
        LoadDialogCaptions(m_ui.Lang(), dialog, kColorPickerSection, kCaptions, false);
        Layout();
        CheckDlgButton(dialog, IDC_CP_RADIO_HUE, BST_CHECKED);
        if (m_model.GetOpacityMode() == OpacityMode::Fixed) {
            for (int id : {IDC_CP_OPACITY_LABEL, IDC_CP_EDIT_OPACITY, IDC_CP_OPACITY_UNIT}) {
                EnableWindow(GetDlgItem(dialog, id), FALSE);
            }
        }
        WriteFields();
        PaintPictures();
    }

    INT_PTR OnCommand(WPARAM wParam) {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (code == EN_SETFOCUS) {
            // After the edit control's own handling of the click that focused it.
            PostMessageW(GetDlgItem(m_dialog, id), EM_SETSEL, 0, -1);
            return TRUE;
        }
        if (code == EN_KILLFOCUS) {
            CommitField(id);
            return TRUE;
        }
        if (code != BN_CLICKED) {  // also STN_CLICKED
            return FALSE;
        }
        for (const FieldControl& radio : kRadios) {
            if (radio.id == id && m_chosen != radio.component) {
                m_chosen = radio.component;
                PaintPictures();
                return TRUE;
            }
        }
        switch (id) {
            case IDC_CP_SWATCH_ORIGINAL:
                m_model.RestoreOriginal();
                WriteFields();
                PaintPictures();
                return TRUE;
            case IDOK:
                // The focused field counts, whether or not its focus loss came first.
                CommitFocusedField();
                EndDialog(m_dialog, IDOK);
                return TRUE;
            case IDCANCEL:
                EndDialog(m_dialog, IDCANCEL);
                return TRUE;
            default:
                return FALSE;
        }
    }

    void OnButtonDown(int x, int y) {
        if (m_drag.Press(x, y) == PickerArea::None) {
            return;
        }
        CommitFocusedField();
        SetCapture(m_dialog);
        ApplyMouse(x, y);
    }

    void OnMouseMove(WPARAM keys, int x, int y) {
        if (m_drag.Dragging() != PickerArea::None && (keys & MK_LBUTTON) != 0) {
            ApplyMouse(x, y);
        }
    }

    void OnButtonUp() {
        if (m_drag.Dragging() != PickerArea::None) {
            m_drag.Release();
            ReleaseCapture();
        }
    }

    void OnCaptureLost() { m_drag.Release(); }

    BOOL OnDrawItem(const DRAWITEMSTRUCT* item) {
        if (item == nullptr || item->CtlType != ODT_STATIC) {
            return FALSE;
        }
        const ZImage* image = ImageOf(static_cast<int>(item->CtlID));
        if (image == nullptr || !image->IsValid()) {
            return FALSE;
        }
        image->Draw(item->hDC, item->rcItem.left, item->rcItem.top, SRCCOPY);
        return TRUE;
    }

  private:
    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }

    // Sizes the field, slider and opacity strip in pixels, puts the other controls kColumnGap
    // pixels to their right and fits the dialog's width to that (and its height to the strip).
    void Layout() {
        const RECT field = ClientRectOf(m_dialog, Item(IDC_CP_FIELD));
        SetWindowPos(Item(IDC_CP_FIELD), nullptr, field.left, field.top, kFieldSize, kFieldSize,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        int right = field.left + kFieldSize + kSliderGap;
        const int top = field.top - kStripPad;
        for (int id : {IDC_CP_SLIDER, IDC_CP_OPACITY_STRIP}) {
            if (Item(id) == nullptr) {
                continue;
            }
            SetWindowPos(Item(id), nullptr, right, top, kStripControlWidth, kStripControlHeight,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            right += kStripControlWidth + kStripGap;
        }
        right += kColumnGap - kStripGap;

        int columnLeft = INT32_MAX;
        for (HWND child = GetWindow(m_dialog, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsPictureControl(GetDlgCtrlID(child))) {
                columnLeft = std::min<int>(columnLeft, ClientRectOf(m_dialog, child).left);
            }
        }
        const int dx = columnLeft == INT32_MAX ? 0 : right - columnLeft;
        if (dx != 0) {
            for (HWND child = GetWindow(m_dialog, GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                if (!IsPictureControl(GetDlgCtrlID(child))) {
                    const RECT r = ClientRectOf(m_dialog, child);
                    SetWindowPos(child, nullptr, r.left + dx, r.top, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                }
            }
        }
        RECT client = {};
        GetClientRect(m_dialog, &client);
        const int dy = std::max<int>(0, top + kStripControlHeight + field.top - client.bottom);
        if (dx != 0 || dy > 0) {
            RECT window = {};
            GetWindowRect(m_dialog, &window);
            SetWindowPos(m_dialog, nullptr, window.left - dx / 2, window.top - dy / 2,
                         window.right - window.left + dx, window.bottom - window.top + dy,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        const bool opacityLive = m_model.GetOpacityMode() == OpacityMode::WithOpacity;
        m_drag.SetAreas(
            ToZRect(ClientRectOf(m_dialog, Item(IDC_CP_FIELD))),
            ToZRect(ClientRectOf(m_dialog, Item(IDC_CP_SLIDER))),
            opacityLive ? ToZRect(ClientRectOf(m_dialog, Item(IDC_CP_OPACITY_STRIP))) : ZRect{});
    }

    // Sets a field's text unless it already shows it (so that a focused field keeps its caret).
    void WriteField(int id, const wchar_t* text) {
        wchar_t shown[kFieldTextChars] = L"";
        GetDlgItemTextW(m_dialog, id, shown, kFieldTextChars);
        if (std::wcscmp(shown, text) != 0) {
            SetDlgItemTextW(m_dialog, id, text);
        }
    }

    void WriteFields() {
        wchar_t text[kFieldTextChars] = L"";
        for (const FieldControl& field : kFields) {
            std::swprintf(text, kFieldTextChars, L"%u",
                          static_cast<unsigned>(m_model.Get(field.component)));
            WriteField(field.id, text);
        }
        if (Item(IDC_CP_EDIT_OPACITY) != nullptr) {
            std::swprintf(text, kFieldTextChars, L"%u",
                          static_cast<unsigned>(m_model.GetOpacity()));
            WriteField(IDC_CP_EDIT_OPACITY, text);
        }
        FormatHexColor(m_model.GetRgb(), text);
        WriteField(IDC_CP_HEX, text);
    }

    // Reads a field that lost the focus: limited and written back; the colour changes (and the
    // other side is derived) only when its value changed.
    void CommitField(int id) {
        wchar_t text[kFieldTextChars] = L"";
        GetDlgItemTextW(m_dialog, id, text, kFieldTextChars);
        bool changed = false;
        bool known = false;
        for (const FieldControl& field : kFields) {
            if (field.id == id) {
                const uint16_t limit = ComponentLimit(field.component);
                const uint16_t current = m_model.Get(field.component);
                changed = m_model.Set(field.component, ParseFieldValue(text, current, limit));
                known = true;
            }
        }
        if (id == IDC_CP_EDIT_OPACITY && m_model.GetOpacityMode() == OpacityMode::WithOpacity) {
            const uint16_t opacity = m_model.GetOpacity();
            changed = m_model.SetOpacity(ParseFieldValue(text, opacity, kPickerMaxPercent));
            known = true;
        }
        if (!known) {
            return;
        }
        WriteFields();
        if (changed) {
            PaintPictures();
        }
    }

    void CommitFocusedField() {
        HWND focus = GetFocus();
        if (focus != nullptr && GetParent(focus) == m_dialog) {
            CommitField(GetDlgCtrlID(focus));
        }
    }

    void ApplyMouse(int x, int y) {
        if (m_drag.Apply(m_model, m_chosen, x, y)) {
            WriteFields();
            PaintPictures();
        }
    }

    const ZImage* ImageOf(int id) const {
        switch (id) {
            case IDC_CP_FIELD:
                return &m_field;
            case IDC_CP_SLIDER:
                return &m_slider;
            case IDC_CP_OPACITY_STRIP:
                return &m_strip;
            case IDC_CP_SWATCH_NEW:
                return &m_swatchNew;
            case IDC_CP_SWATCH_ORIGINAL:
                return &m_swatchOriginal;
            default:
                return nullptr;
        }
    }

    void PaintSwatchOf(int id, ZImage& image, PickerRgb rgb, uint16_t opacity) {
        RECT r = {};
        GetClientRect(Item(id), &r);
        PaintSwatch(image, r.right, r.bottom, rgb, opacity);
    }

    // Paints every picture and lets the controls show them.
    void PaintPictures() {
        const ZColor background = m_ui.GetSkin().GetBackgroundColor();
        PaintField(m_field, m_model, m_chosen);
        PaintSlider(m_slider, m_model, m_chosen, background);
        if (Item(IDC_CP_OPACITY_STRIP) != nullptr) {
            PaintOpacityStrip(m_strip, m_model, background);
        }
        PaintSwatchOf(IDC_CP_SWATCH_NEW, m_swatchNew, m_model.GetRgb(), m_model.GetOpacity());
        PaintSwatchOf(IDC_CP_SWATCH_ORIGINAL, m_swatchOriginal, m_model.GetOriginalRgb(),
                      m_model.GetOriginalOpacity());
        for (int id : {IDC_CP_FIELD, IDC_CP_SLIDER, IDC_CP_OPACITY_STRIP, IDC_CP_SWATCH_NEW,
                       IDC_CP_SWATCH_ORIGINAL}) {
            if (Item(id) != nullptr) {
                InvalidateRect(Item(id), nullptr, FALSE);
            }
        }
    }

    const SkinnedUi& m_ui;
    ColorModel& m_model;
    HWND m_parent;
    HWND m_dialog = nullptr;
    PickerComponent m_chosen = PickerComponent::Hue;
    PickerDrag m_drag;
    ZImage m_field;
    ZImage m_slider;
    ZImage m_strip;
    ZImage m_swatchNew;
    ZImage m_swatchOriginal;
};

INT_PTR CALLBACK PickerProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* picker = reinterpret_cast<PickerDialog*>(lParam);
        if (picker == nullptr) {
            MessageBoxW(dialog, kNoPickerText, kOkBoxCaption, MB_OK | MB_ICONERROR);
            EndDialog(dialog, -1);
            return TRUE;
        }
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        picker->Init(dialog);
        return TRUE;  // the focus goes to the first control that takes it
    }
    auto* picker = reinterpret_cast<PickerDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (picker == nullptr) {
        return FALSE;
    }
    INT_PTR result = 0;
    if (HandleSkinnedDialogMessage(picker->Ui(), dialog, message, wParam, lParam, &result)) {
        return result;
    }
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    switch (message) {
        case WM_COMMAND:
            return picker->OnCommand(wParam);
        case WM_DRAWITEM:
            return picker->OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_LBUTTONDOWN:
            picker->OnButtonDown(x, y);
            return TRUE;
        case WM_MOUSEMOVE:
            picker->OnMouseMove(wParam, x, y);
            return TRUE;
        case WM_LBUTTONUP:
            picker->OnButtonUp();
            return TRUE;
        case WM_CAPTURECHANGED:
            picker->OnCaptureLost();
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void CColorPicker::Create(HWND parent, ZColor colour) {
    m_parent = parent;
    m_model.Create(colour);
}

bool CColorPicker::Show(int32_t opacityMode) {
    m_model.SetOpacityMode(opacityMode);
    m_model.TakeOriginal();
    PickerDialog dialog(m_ui, m_model, m_parent);
    const wchar_t* name = m_model.GetOpacityMode() == OpacityMode::Plain
                              ? kColorPickerTemplate
                              : kColorPickerAlphaTemplate;
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), name, m_parent,
                                           PickerProcedure, reinterpret_cast<LPARAM>(&dialog));
    if (result == -1) {
        Beep(kFailureBeepHz, kFailureBeepMs);
        return false;
    }
    return result == IDOK;
}

}  // namespace zentrova
