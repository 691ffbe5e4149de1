// Rectangle (tool 3) and Ellipse (tool 4): a frame MToolsRoundedRectWidth wide in
// MToolsRoundedRectColor (the rectangle with corners of MToolsRoundedRectCorner), through the
// stroke rendering; with MToolsRoundedRectFill the inside is first tinted (ANDed) with
// MToolsRoundedRectFillColor. The two differ only in the figure.
#pragma once

#include "editmode/tools/FrameTool.h"
#include "editmode/tools/ToolShape.h"

namespace zentrova {

class ShapeFrameTool final : public FrameTool {
  public:
    explicit ShapeFrameTool(bool ellipse) : m_ellipse(ellipse) {}
    ToolNumber Number() const override {
        return m_ellipse ? ToolNumber::Ellipse : ToolNumber::Rectangle;
    }
    // The frame (filled: the fill, without a pen) over rect in picture pixels.
    ToolShape MakeShape(const SettingsRecord& settings, const ZRect& rect, bool fill) const;

  protected:
    void DrawPreview(const EditSession& session, ZImage& buffer, const ZRect& frame,
                     const ZRect& onScreen) const override;
    void Commit(EditSession& session, const ZRect& frame) override;

  private:
    bool m_ellipse;
};

}  // namespace zentrova
