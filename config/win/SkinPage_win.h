// The settings' "Skin" page: the skins of the skin folder, a preview of the chosen one drawn from
// its own pictures, its name and author. OK makes it the program's skin.
#pragma once

#include <string>
#include <vector>

#include "config/win/SettingsPage.h"

namespace zentrova {

class CSkinPage : public CSettingsPage {
  public:
    using CSettingsPage::CSettingsPage;
    int Index() const override { return kPageSkin; }
    int TemplateId() const override;
    const wchar_t* HelpTopic() const override { return HelpTopicName(HelpTopic::SkinPage); }

  protected:
    void OnInit() override;
    void OnApply() override;
    bool OnCommand(int control, int code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

  private:
    // The skin name (as its files are named) of the selected entry; empty without a selection.
    std::wstring SelectedSkin() const;
    void ShowSelected();
    void DrawPreview(const DRAWITEMSTRUCT& item);

    std::vector<std::wstring> m_skins;  // by list entry
};

}  // namespace zentrova
