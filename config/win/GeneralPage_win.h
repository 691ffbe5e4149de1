// The settings' "General" page: start-up options, PrintScreen keys, sound, the capture bar and
// its edge, the six capture hot keys, factory defaults and the intro windows.
#pragma once

#include "config/win/SettingsPage.h"

namespace zentrova {

class CGeneralPage : public CSettingsPage {
  public:
    using CSettingsPage::CSettingsPage;
    int Index() const override { return kPageGeneral; }
    int TemplateId() const override;
    const wchar_t* HelpTopic() const override { return HelpTopicName(HelpTopic::GeneralPage); }

  protected:
    void OnInit() override;
    void OnApply() override;
    bool OnCommand(int control, int code) override;

  private:
    void LoadCaptions();
    void FillControls();
    void EnableAlignment();
    void AskFactoryDefaults();
    void AskResetIntroWindows();
};

}  // namespace zentrova
