#include "config/win/EditModePage_win.h"

#include <iterator>
#include <string>

#include "config/win/SettingsIds.h"

namespace zentrova {

namespace {

using R = SettingsRecord;

const DialogCaption kCaptions[] = {
    {IDC_EM_GROUP, L"EditMode"},
    {IDC_EM_DELETE_CAPTURE, L"DeleteCapture"},
    {IDC_EM_EMAIL_USE, L"EmailRecipient"},
    {IDC_EM_PRINT_NO_ADVANCE, L"PrintDoNotAdvance"},
    {IDC_EM_BARS, L"EditBars"},
    {IDC_EM_BARS_AUTOHIDE, L"EditBarsAutoHide"},
    {IDC_EM_BARS_ALWAYS, L"EditBarsShowAlways"},
};

const CheckField kChecks[] = {
    {IDC_EM_DELETE_CAPTURE, &R::EditModeDeleteCaptureAfterAction},
    {IDC_EM_EMAIL_USE, &R::EditModeEmailUseSpecified},
    {IDC_EM_PRINT_NO_ADVANCE, &R::EditModePrintCommandDoNotAdvanceToNextCapture},
};

}  // namespace

CEditModePage::CEditModePage(SettingsHost& host)
    : CFieldsPage(host,
                  Fields{L"Dlg_EditMode", kCaptions, std::size(kCaptions), kChecks, {}, {}, {}}) {}

int CEditModePage::TemplateId() const {
    return IDD_PAGE_EDITMODE;
}

void CEditModePage::FillMore() {
    const SettingsRecord& s = Host().Settings();
    SendMessageW(Item(IDC_EM_EMAIL_ADDRESS), EM_LIMITTEXT,
                 std::size(s.EditModeEmailUseSpecifiedText) - 1, 0);
    SetDlgItemTextW(Window(), IDC_EM_EMAIL_ADDRESS, s.EditModeEmailUseSpecifiedText);
    CheckRadioButton(Window(), IDC_EM_BARS_AUTOHIDE, IDC_EM_BARS_ALWAYS,
                     s.EditModeEditBarStyle == 1 ? IDC_EM_BARS_ALWAYS : IDC_EM_BARS_AUTOHIDE);
}

void CEditModePage::ApplyMore() {
    SettingsRecord& s = Host().Settings();
    if (IsChecked(IDC_EM_EMAIL_USE)) {
        // The field holds at most the record's capacity less the terminator.
        const int got =
            GetDlgItemTextW(Window(), IDC_EM_EMAIL_ADDRESS, s.EditModeEmailUseSpecifiedText,
                            static_cast<int>(std::size(s.EditModeEmailUseSpecifiedText)));
        s.EditModeEmailUseSpecifiedText[got > 0 ? got : 0] = L'\0';
    }
    s.EditModeEditBarStyle = IsChecked(IDC_EM_BARS_ALWAYS) ? 1 : 0;
}

void CEditModePage::UpdateEnabled() {
    Enable(IDC_EM_EMAIL_ADDRESS, IsChecked(IDC_EM_EMAIL_USE));
}

}  // namespace zentrova
