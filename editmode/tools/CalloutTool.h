// Callout (tool 11): the text in a bubble (the frame grown by 12, rounded, filled with
// MToolsCalloutColorFill, framed 4 wide in MToolsCalloutColorBorder and MToolsCalloutLineStyle;
// with MToolsCalloutTransparency the picture shows through) with a tail: an arrow from its base
// on the bubble to the tip. Both points can be dragged by their squares; the base stays on the
// bubble.
#pragma once

#include "editmode/tools/TextBoxTool.h"
#include "editmode/tools/TextGeometry.h"

namespace zentrova {

class CalloutTool final : public TextBoxTool {
  public:
    CalloutTool() : TextBoxTool(true) {}
    ToolNumber Number() const override { return ToolNumber::Callout; }
    void Activate(EditSession& session) override;
    bool Press(EditSession& session, const ToolPointer& pointer) override;
    void Move(EditSession& session, const ToolPointer& pointer) override;
    void Release(EditSession& session, const ToolPointer& pointer) override;
    void Cancel(EditSession& session) override;
    // The move cursor over the tip and base squares.
    ToolCursor CursorAt(const EditSession& session, const ToolPointer& pointer,
                        bool dragging) const override;

    ZPoint GetTip() const { return m_tip; }
    // Relative to the frame's top-left, on the bubble.
    ZPoint GetBase() const { return m_base; }

  protected:
    void DrawPreview(const EditSession& session, ZImage& buffer, const ZRect& frame,
                     const ZRect& onScreen) const override;
    bool DrawBehindText(EditSession& session, ZImage& picture, const ZRect& frame) override;

  private:
    enum class Handle { None, Tip, Base };
    // The handle a press at the window point would grab.
    Handle HandleAt(const EditSession& session, ZPoint window) const;
    Handle m_handle = Handle::None;
    ZPoint m_tip{0, 40};
    ZPoint m_base = kCalloutStartBase;
    ZPoint m_baseDragged;  // where the base would be without the snapping
    PixelAccumulator m_motion;
};

}  // namespace zentrova
