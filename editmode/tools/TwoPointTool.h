// TwoPointTool: what Line and Arrow share. A drag runs from the pressed pixel to the pixel under
// the mouse (never normalised: the direction matters); the figure is drawn live on the screen
// and committed on the release through the stroke rendering. A drag shorter than 1 pixel draws
// nothing; horizontal, vertical and leftward drags are drawn like any other.
// Portable.
#pragma once

#include "config/SettingsRecord.h"
#include "editmode/tools/EditTool.h"
#include "editmode/tools/ToolShape.h"

namespace zentrova {

class TwoPointTool : public EditTool {
  public:
    bool Press(EditSession& session, const ToolPointer& pointer) override;
    void Move(EditSession& session, const ToolPointer& pointer) override;
    void Release(EditSession& session, const ToolPointer& pointer) override;
    void Cancel(EditSession& session) override;
    ToolCursor CursorAt(const EditSession& session, const ToolPointer& pointer,
                        bool dragging) const override;
    void DrawLive(const EditSession& session, ZImage& buffer) const override;

    // The figure from `from` (where the drag started) to `to`, in picture pixels.
    virtual ToolShape MakeShape(const SettingsRecord& settings, ZPoint from, ZPoint to) const = 0;
    virtual ZColor Colour(const SettingsRecord& settings) const = 0;

  private:
    bool m_dragging = false;
    ZPoint m_from;
    ZPoint m_to;
};

}  // namespace zentrova
