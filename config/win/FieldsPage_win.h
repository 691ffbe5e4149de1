// A settings page made of plain fields: check boxes, sliders with their number, colour buttons
// with their swatch and language list boxes, each tied to a value of the record by a table. The
// page fills them on WM_INITDIALOG and writes them back on OK; a chosen colour waits for OK like
// every other value. The mouse-tool, capture and Edit Mode pages derive from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "config/SettingsPageRules.h"
#include "config/win/SettingsPage.h"

namespace zentrova {

struct CheckField {
    int control;
    uint32_t SettingsRecord::*value;
};

// A trackbar and the static text beside it that shows its position.
struct SliderField {
    int slider;
    int number;
    uint32_t SettingsRecord::*value;
    SliderRange range;
};

// A "Choose Color..." button and the static control that shows the colour.
struct ColourField {
    int button;
    int swatch;
    uint32_t SettingsRecord::*value;
};

// A drop-down list filled from a language list text of the page's section.
struct ComboField {
    int control;
    const wchar_t* list;
    uint32_t SettingsRecord::*value;
};

template <typename T>
struct FieldTable {
    const T* items = nullptr;
    size_t count = 0;
    template <size_t N>
    FieldTable(const T (&table)[N]) : items(table), count(N) {}  // NOLINT: tables convert
    FieldTable() = default;
    const T* begin() const { return items; }
    const T* end() const { return items + count; }
};

class CFieldsPage : public CSettingsPage {
  public:
    struct Fields {
        const wchar_t* section;
        const DialogCaption* captions;
        size_t captionCount;
        FieldTable<CheckField> checks;
        FieldTable<SliderField> sliders;
        FieldTable<ColourField> colours;
        FieldTable<ComboField> combos;
    };

    CFieldsPage(SettingsHost& host, const Fields& fields);
    ~CFieldsPage() override;

  protected:
    void OnInit() override;
    void OnApply() override;
    bool OnCommand(int control, int code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

    // The page's own controls beyond the tables, after they are filled / stored.
    virtual void FillMore() {}
    virtual void ApplyMore() {}
    virtual bool CommandMore(int control, int code) {
        (void)control;
        (void)code;
        return false;
    }
    // Called when a check box of the table is clicked (to enable what depends on it).
    virtual void UpdateEnabled() {}

    void Enable(int id, bool on) { EnableWindow(Item(id), on ? TRUE : FALSE); }
    const wchar_t* Section() const { return m_fields.section; }

  private:
    void ShowSliderNumber(const SliderField& field);
    void PaintSwatch(size_t index);
    void ChooseColour(size_t index);

    const Fields m_fields;
    // The colours shown, stored on OK; the swatch bitmaps, owned here.
    std::vector<uint32_t> m_colours;
    std::vector<HBITMAP> m_swatches;
};

}  // namespace zentrova
