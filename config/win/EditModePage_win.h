// The settings' "Edit Mode" page: deleting a capture after clipboard or e-mail, the e-mail
// address to use, printing without advancing, and the edit bars' style.
#pragma once

#include "config/win/FieldsPage_win.h"

namespace zentrova {

class CEditModePage : public CFieldsPage {
  public:
    explicit CEditModePage(SettingsHost& host);
    int Index() const override { return kPageEditMode; }
    int TemplateId() const override;
    const wchar_t* HelpTopic() const override { return HelpTopicName(HelpTopic::EditModePage); }

  protected:
    void FillMore() override;
    void ApplyMore() override;
    void UpdateEnabled() override;
};

}  // namespace zentrova
