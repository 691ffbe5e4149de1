// The settings' "Language" page: every language of the language files with its flag, author and
// tag. OK starts the chosen language and refreshes the open windows, menus and bars.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "config/win/SettingsPage.h"

namespace zentrova {

class CLanguagePage : public CSettingsPage {
  public:
    using CSettingsPage::CSettingsPage;
    ~CLanguagePage() override;
    int Index() const override { return kPageLanguage; }
    int TemplateId() const override;
    const wchar_t* HelpTopic() const override { return HelpTopicName(HelpTopic::LanguagePage); }

  protected:
    void OnInit() override;
    void OnApply() override;

  private:
    void AddColumns();
    void FillList();
    int AddFlag(const wchar_t* tag);
    // The tag of the selected item; empty without a selection.
    std::wstring SelectedTag() const;

    HIMAGELIST m_flags = nullptr;
};

}  // namespace zentrova
