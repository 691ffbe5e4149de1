// Zoom In (40041), Zoom 100% (40042), Zoom Out (40043).
#pragma once

#include "editmode/commands/EditCommand.h"

namespace zentrova {

class ZoomCommand final : public EditCommand {
  public:
    enum class Kind { In, One, Out };
    explicit ZoomCommand(Kind kind) : m_kind(kind) {}
    bool Run(EditSession& session) override;

  private:
    Kind m_kind;
};

}  // namespace zentrova
