#include "config/win/MouseToolsPage1_win.h"

#include <iterator>

#include "config/win/SettingsIds.h"

namespace zentrova {

namespace {

using R = SettingsRecord;

const DialogCaption kCaptions[] = {
    {IDC_MT1_ALL_TOOLS, L"AllTools"},
    {IDC_MT1_HIGH_QUALITY, L"HighQuality"},
    {IDC_MT1_SHADOW_ENABLED, L"ShadowEnabled"},
    {IDC_MT1_SHADOW_SMOOTHED, L"ShadowSmoothed"},
    {IDC_MT1_SHADOW, L"Shadow"},
    {IDC_MT1_SHADOW_COLOR_LABEL, L"ShadowColor"},
    {IDC_MT1_INTENSITY_LABEL, L"ShadowIntensity"},
    {IDC_MT1_DIRECTION_LABEL, L"ShadowDirection"},
    {IDC_MT1_OFFSET_LABEL, L"ShadowOffset"},
    {IDC_MT1_DITHER_LABEL, L"ShadowDither"},
    {IDC_MT1_RECT, L"RoundedRectTool"},
    {IDC_MT1_RECT_WIDTH_LABEL, L"RoundedRectWidth"},
    {IDC_MT1_RECT_CORNER_LABEL, L"RoundedRectCorner"},
    {IDC_MT1_RECT_FILL, L"RoundedRectFill"},
    {IDC_MT1_RECT_BORDER_LABEL, L"RoundedRectBorderColor"},
    {IDC_MT1_PENCIL, L"PencilTool"},
    {IDC_MT1_PENCIL_WIDTH_LABEL, L"PencilWidth"},
    {IDC_MT1_PENCIL_COLOR_LABEL, L"ShadowColor"},  // the same "Color:"
    {IDC_MT1_MARKER, L"MarkerTool"},
    {IDC_MT1_MARKER_WIDTH_LABEL, L"MarkerWidth"},
    {IDC_MT1_MARKER_COLOR_LABEL, L"MarkerColor"},
};

const CheckField kChecks[] = {
    {IDC_MT1_HIGH_QUALITY, &R::MToolsHighQuality},
    {IDC_MT1_SHADOW_ENABLED, &R::MToolsShadowEnabled},
    {IDC_MT1_SHADOW_SMOOTHED, &R::MToolsShadowSmoothed},
    {IDC_MT1_RECT_FILL, &R::MToolsRoundedRectFill},
};

const SliderField kSliders[] = {
    {IDC_MT1_INTENSITY, IDC_MT1_INTENSITY_NUMBER, &R::MToolsShadowIntensity, kShadowIntensityRange},
    {IDC_MT1_DIRECTION, IDC_MT1_DIRECTION_NUMBER, &R::MToolsShadowDirection, kShadowDirectionRange},
    {IDC_MT1_OFFSET, IDC_MT1_OFFSET_NUMBER, &R::MToolsShadowOffset, kShadowOffsetRange},
    {IDC_MT1_DITHER, IDC_MT1_DITHER_NUMBER, &R::MToolsShadowDither, kShadowDitherRange},
    {IDC_MT1_RECT_WIDTH, IDC_MT1_RECT_WIDTH_NUMBER, &R::MToolsRoundedRectWidth,
     kRoundedRectWidthRange},
    {IDC_MT1_RECT_CORNER, IDC_MT1_RECT_CORNER_NUMBER, &R::MToolsRoundedRectCorner,
     kRoundedRectCornerRange},
    {IDC_MT1_PENCIL_WIDTH, IDC_MT1_PENCIL_WIDTH_NUMBER, &R::MToolsPencilWidth, kPencilWidthRange},
    {IDC_MT1_MARKER_WIDTH, IDC_MT1_MARKER_WIDTH_NUMBER, &R::MToolsMarkerWidth, kMarkerWidthRange},
};

const ColourField kColours[] = {
    {IDC_MT1_SHADOW_COLOR, IDC_MT1_SHADOW_SWATCH, &R::MToolsShadowColor},
    {IDC_MT1_RECT_BORDER, IDC_MT1_RECT_BORDER_SWATCH, &R::MToolsRoundedRectColor},
    {IDC_MT1_RECT_FILL_COLOR, IDC_MT1_RECT_FILL_SWATCH, &R::MToolsRoundedRectFillColor},
    {IDC_MT1_PENCIL_COLOR, IDC_MT1_PENCIL_SWATCH, &R::MToolsPencilColor},
};

const ComboField kCombos[] = {
    {IDC_MT1_MARKER_COLOR, L"MarkerColorCBX", &R::MToolsMarkerColor},
};

// The controls the "Draw Shadow" check box enables.
const int kShadowControls[] = {
    IDC_MT1_SHADOW_SMOOTHED,  IDC_MT1_SHADOW_COLOR_LABEL, IDC_MT1_SHADOW_COLOR,
    IDC_MT1_SHADOW_SWATCH,    IDC_MT1_INTENSITY_LABEL,    IDC_MT1_INTENSITY,
    IDC_MT1_INTENSITY_NUMBER, IDC_MT1_DIRECTION_LABEL,    IDC_MT1_DIRECTION,
    IDC_MT1_DIRECTION_NUMBER, IDC_MT1_OFFSET_LABEL,       IDC_MT1_OFFSET,
    IDC_MT1_OFFSET_NUMBER,    IDC_MT1_DITHER_LABEL,       IDC_MT1_DITHER,
    IDC_MT1_DITHER_NUMBER,
};

}  // namespace

CMouseToolsPage1::CMouseToolsPage1(SettingsHost& host)
    : CFieldsPage(host, Fields{L"Dlg_MouseTools1", kCaptions, std::size(kCaptions), kChecks,
                               kSliders, kColours, kCombos}) {}

int CMouseToolsPage1::TemplateId() const {
    return IDD_PAGE_MOUSETOOLS1;
}

void CMouseToolsPage1::UpdateEnabled() {
    const bool shadow = IsChecked(IDC_MT1_SHADOW_ENABLED);
    for (const int id : kShadowControls) {
        Enable(id, shadow);
    }
}

}  // namespace zentrova
