// The "Yes" (40101) and "No" (40102) buttons under a waiting shape: commit it or drop it.
#pragma once

#include "editmode/commands/EditCommand.h"

namespace zentrova {

class ConfirmCommand final : public EditCommand {
  public:
    explicit ConfirmCommand(bool yes) : m_yes(yes) {}
    bool Run(EditSession& session) override;

  private:
    bool m_yes;
};

}  // namespace zentrova
