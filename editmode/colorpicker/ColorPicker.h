// CColorPicker: the program's own modal colour dialog (Windows build).
//
// Every place that lets the user choose a colour creates one with the current colour, shows it
// and, when Show returns true, reads the new colour back:
//
//   CColorPicker picker(ui);
//   picker.Create(owner, colour);        // 0x00BBGGRR
//   picker.SetOpacity(percent);          // optional, used in the opacity mode 1
//   if (picker.Show(1)) { colour = picker.GetColor(); percent = picker.GetOpacity(); }
//
// Show(0) shows the template "COLORPICKERDLG" (no opacity); any other mode shows
// "COLORPICKERALPHADLG", 2 with the opacity controls disabled (opacity 100), any number but 0
// and 2 as 1. The colour when the dialog opens is the original colour (its swatch, a click on
// which restores it). The templates are in ColorPicker.rc, which ui/dialogs/dialogs.rc includes;
// the texts come from the language section "Dlg_ColorPicker".
#pragma once

#include <windows.h>

#include <cstdint>

#include "editmode/colorpicker/ColorModel.h"
#include "ui/dialogs/SkinnedDialog.h"

namespace zentrova {

constexpr const wchar_t* kColorPickerSection = L"Dlg_ColorPicker";
constexpr const wchar_t* kColorPickerTemplate = L"COLORPICKERDLG";
constexpr const wchar_t* kColorPickerAlphaTemplate = L"COLORPICKERALPHADLG";

class CColorPicker {
  public:
    // ui must outlive the picker.
    explicit CColorPicker(const SkinnedUi& ui) : m_ui(ui) {}
    CColorPicker(const CColorPicker&) = delete;
    CColorPicker& operator=(const CColorPicker&) = delete;

    // The colour to edit, opacity 100. parent: the dialog's owner; the dialog is centred on it
    // while it is visible, else on the desktop.
    void Create(HWND parent, ZColor colour);
    // Shows the modal dialog. True when it was closed with OK. When it cannot be created the
    // program beeps and the result is false.
    bool Show(int32_t opacityMode);

    ZColor GetColor() const { return m_model.GetColor(); }
    uint16_t GetRed() const { return m_model.GetRgb().red; }
    uint16_t GetGreen() const { return m_model.GetRgb().green; }
    uint16_t GetBlue() const { return m_model.GetRgb().blue; }
    uint16_t GetHue() const { return m_model.GetHsv().hue; }
    uint16_t GetSaturation() const { return m_model.GetHsv().saturation; }
    uint16_t GetValue() const { return m_model.GetHsv().value; }
    // The opacity in percent; always 100 unless shown in the opacity mode 1.
    uint16_t GetOpacity() const { return m_model.GetOpacity(); }

    // Limited to 0..100; in force in the opacity mode 1.
    void SetOpacity(int64_t percent) { m_model.SetOpacity(percent); }
    // Limited to 255; hue, saturation and value follow.
    void SetRed(int64_t red) { m_model.Set(PickerComponent::Red, red); }
    void SetGreen(int64_t green) { m_model.Set(PickerComponent::Green, green); }
    void SetBlue(int64_t blue) { m_model.Set(PickerComponent::Blue, blue); }
    // Limited to 359, 100 and 100; red, green and blue follow.
    void SetHue(int64_t hue) { m_model.Set(PickerComponent::Hue, hue); }
    void SetSaturation(int64_t saturation) { m_model.Set(PickerComponent::Saturation, saturation); }
    void SetValue(int64_t value) { m_model.Set(PickerComponent::Value, value); }
    void RestoreOriginal() { m_model.RestoreOriginal(); }

  private:
    const SkinnedUi& m_ui;
    HWND m_parent = nullptr;
    ColorModel m_model;
};

}  // namespace zentrova
