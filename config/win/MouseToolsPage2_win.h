// The settings' "Mouse Tools 2" page: arrow, line, highlight, rubber, spotlight and callout.
#pragma once

#include "config/win/FieldsPage_win.h"

namespace zentrova {

class CMouseToolsPage2 : public CFieldsPage {
  public:
    explicit CMouseToolsPage2(SettingsHost& host);
    int Index() const override { return kPageMouseTools2; }
    int TemplateId() const override;
    const wchar_t* HelpTopic() const override { return HelpTopicName(HelpTopic::MouseTools2Page); }
};

}  // namespace zentrova
