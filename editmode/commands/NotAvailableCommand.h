// A command whose feature this build does not have yet: a beep and a log line, nothing changed.
#pragma once

#include <cstdint>

#include "editmode/commands/EditCommand.h"

namespace zentrova {

class NotAvailableCommand final : public EditCommand {
  public:
    explicit NotAvailableCommand(uint32_t id) : m_id(id) {}
    bool Run(EditSession& session) override;
    bool WorksWithoutPicture() const override { return true; }

  private:
    uint32_t m_id;
};

}  // namespace zentrova
