// The settings' "Mouse Tools 1" page: quality and shadow of all tools, rectangle and ellipse,
// pencil and marker.
#pragma once

#include "config/win/FieldsPage_win.h"

namespace zentrova {

class CMouseToolsPage1 : public CFieldsPage {
  public:
    explicit CMouseToolsPage1(SettingsHost& host);
    int Index() const override { return kPageMouseTools1; }
    int TemplateId() const override;
    const wchar_t* HelpTopic() const override { return HelpTopicName(HelpTopic::MouseTools1Page); }

  protected:
    void UpdateEnabled() override;
};

}  // namespace zentrova
