// The help buttons of the bars: the help file at the bar's topic; the capture stays current.
#pragma once

#include "editmode/commands/EditCommand.h"

namespace zentrova {

class HelpCommand final : public EditCommand {
  public:
    explicit HelpCommand(const wchar_t* topic) : m_topic(topic) {}
    bool Run(EditSession& session) override;
    bool WorksWithoutPicture() const override { return true; }

  private:
    const wchar_t* m_topic;
};

}  // namespace zentrova
