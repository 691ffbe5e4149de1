// The settings' "Capture" page: output format and folder, background and drop-shadow, mouse
// cursor, shape and fader of the captures and the fixed region's size.
#pragma once

#include "config/win/FieldsPage_win.h"

namespace zentrova {

class CCapturePage : public CFieldsPage {
  public:
    explicit CCapturePage(SettingsHost& host);
    int Index() const override { return kPageCapture; }
    int TemplateId() const override;
    const wchar_t* HelpTopic() const override { return HelpTopicName(HelpTopic::CapturePage); }

  protected:
    void FillMore() override;
    void ApplyMore() override;
    bool CommandMore(int control, int code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;
    void UpdateEnabled() override;

  private:
    // The typed size and folder before the page may be left (or the sheet applied): a wrong
    // one is named in a message, its field shows the stored value again, and false.
    bool CheckEntries();
    bool CheckSize(int control, uint32_t SettingsRecord::*value, const wchar_t* message);
    void Refuse(int control, const wchar_t* message);
    void Browse();
};

}  // namespace zentrova
