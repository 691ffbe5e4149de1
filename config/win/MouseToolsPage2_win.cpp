#include "config/win/MouseToolsPage2_win.h"

#include <iterator>

#include "config/win/SettingsIds.h"

namespace zentrova {

namespace {

using R = SettingsRecord;

// The arrow's, the line's and the callout's line style share one list text.
constexpr const wchar_t* kLineStyles = L"ArrowLineStyleCBX";

const DialogCaption kCaptions[] = {
    {IDC_MT2_ARROW, L"ArrowTool"},
    {IDC_MT2_ARROW_STYLE_LABEL, L"ArrowStyle"},
    {IDC_MT2_ARROW_LINE_LABEL, L"ArrowLineStyle"},
    {IDC_MT2_LINE, L"LineTool"},
    {IDC_MT2_LINE_WIDTH_LABEL, L"LineWidth"},
    {IDC_MT2_LINE_STYLE_LABEL, L"LineStyle"},
    {IDC_MT2_HIGHLIGHT, L"HighlightTool"},
    {IDC_MT2_HIGHLIGHT_LABEL, L"HighlightTransparency"},
    {IDC_MT2_ERASOR, L"ErasorTool"},
    {IDC_MT2_ERASOR_LABEL, L"ErasorSize"},
    {IDC_MT2_SPOTLIGHT, L"SpotlightTool"},
    {IDC_MT2_SPOTLIGHT_LABEL, L"SpotlightStyle"},
    {IDC_MT2_CALLOUT, L"CalloutTool"},
    {IDC_MT2_CALLOUT_LINE_LABEL, L"CalloutLineStyle"},
    {IDC_MT2_CALLOUT_BORDER_LABEL, L"CalloutBorderColor"},
    {IDC_MT2_CALLOUT_FILL_LABEL, L"CalloutFillColor"},
    {IDC_MT2_CALLOUT_TRANSLUCENT, L"CalloutTransparency"},
    {IDC_MT2_ARROW_COLOR_LABEL, L"Color"},
    {IDC_MT2_LINE_COLOR_LABEL, L"Color"},
    {IDC_MT2_HIGHLIGHT_COLOR_LABEL, L"Color"},
    {IDC_MT2_ERASOR_COLOR_LABEL, L"Color"},
    {IDC_MT2_SPOTLIGHT_COLOR_LABEL, L"Color"},
};

const CheckField kChecks[] = {
    {IDC_MT2_CALLOUT_TRANSLUCENT, &R::MToolsCalloutTransparency},
};

const SliderField kSliders[] = {
    {IDC_MT2_LINE_WIDTH, IDC_MT2_LINE_WIDTH_NUMBER, &R::MToolsLineWeight, kLineWeightRange},
    {IDC_MT2_HIGHLIGHT_SLIDER, IDC_MT2_HIGHLIGHT_NUMBER, &R::MToolsHighLightTransparency,
     kTransparencyRange},
    {IDC_MT2_ERASOR_SLIDER, IDC_MT2_ERASOR_NUMBER, &R::MToolsErasorSize, kErasorSizeRange},
};

const ColourField kColours[] = {
    {IDC_MT2_ARROW_COLOR, IDC_MT2_ARROW_SWATCH, &R::MToolsArrowColor},
    {IDC_MT2_LINE_COLOR, IDC_MT2_LINE_SWATCH, &R::MToolsLineColor},
    {IDC_MT2_HIGHLIGHT_COLOR, IDC_MT2_HIGHLIGHT_SWATCH, &R::MToolsHighLightColor},
    {IDC_MT2_ERASOR_COLOR, IDC_MT2_ERASOR_SWATCH, &R::MToolsErasorColor},
    {IDC_MT2_SPOTLIGHT_COLOR, IDC_MT2_SPOTLIGHT_SWATCH, &R::MToolsSpotLightColor},
    {IDC_MT2_CALLOUT_BORDER, IDC_MT2_CALLOUT_BORDER_SWATCH, &R::MToolsCalloutColorBorder},
    {IDC_MT2_CALLOUT_FILL, IDC_MT2_CALLOUT_FILL_SWATCH, &R::MToolsCalloutColorFill},
};

const ComboField kCombos[] = {
    {IDC_MT2_ARROW_STYLE, L"ArrowStyleCBX", &R::MToolsArrowStyle},
    {IDC_MT2_ARROW_LINE, kLineStyles, &R::MToolsArrowLineStyle},
    {IDC_MT2_LINE_STYLE, kLineStyles, &R::MToolsLineStyle},
    {IDC_MT2_SPOTLIGHT_SHAPE, L"SpotlightStyleCBX", &R::MToolsSpotLightShape},
    {IDC_MT2_CALLOUT_LINE, kLineStyles, &R::MToolsCalloutLineStyle},
};

}  // namespace

CMouseToolsPage2::CMouseToolsPage2(SettingsHost& host)
    : CFieldsPage(host, Fields{L"Dlg_MouseTools2", kCaptions, std::size(kCaptions), kChecks,
                               kSliders, kColours, kCombos}) {}

int CMouseToolsPage2::TemplateId() const {
    return IDD_PAGE_MOUSETOOLS2;
}

}  // namespace zentrova
