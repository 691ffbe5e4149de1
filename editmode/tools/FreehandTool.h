// FreehandTool: what Pencil, Marker and Rubber share. A drag collects the mouse positions as
// picture pixels (at most kMaxFreehandPoints; further positions are ignored) and draws the
// stroke live; the release commits it (the tool's Commit) and the points start afresh.
//
// Live drawing: each new piece of the stroke is drawn once, in black, into a white layer of the
// screen's size; the paint lays the layer's black pixels onto the screen buffer in the stroke's
// colour (or ANDs them with it). A frame therefore costs the same after 10 and after 10,000
// points.
// Portable (the pieces are drawn through PaintToolShape).
#pragma once

#include <cstddef>
#include <vector>

#include "config/SettingsRecord.h"
#include "editmode/tools/EditTool.h"
#include "editmode/tools/ToolShape.h"

namespace zentrova {

constexpr size_t kMaxFreehandPoints = 16000;

class FreehandTool : public EditTool {
  public:
    bool Press(EditSession& session, const ToolPointer& pointer) override;
    void Move(EditSession& session, const ToolPointer& pointer) override;
    void Release(EditSession& session, const ToolPointer& pointer) override;
    void Cancel(EditSession& session) override;
    ToolCursor CursorAt(const EditSession& session, const ToolPointer& pointer,
                        bool dragging) const override;
    void DrawLive(const EditSession& session, ZImage& buffer) const override;

    const std::vector<ZPoint>& Points() const { return m_points; }

  protected:
    // The stroke's colour and pen width as the settings give them now.
    virtual ZColor StrokeColour(const SettingsRecord& settings) const = 0;
    virtual int32_t StrokeWidth(const SettingsRecord& settings) const = 0;
    // The live stroke ANDs the screen with its colour (the marker).
    virtual bool AndsColour() const { return false; }
    // Draws the collected points into the working picture and commits the change.
    virtual void Commit(EditSession& session, const std::vector<ZPoint>& points) = 0;

  private:
    void AddPoint(const EditSession& session, ZPoint pixel);

    std::vector<ZPoint> m_points;
    bool m_drawing = false;
    ZImage m_layer;
    ZRect m_dirty;  // the layer's pixels drawn since it was last cleared
    ZColor m_liveColour = 0;
    int32_t m_liveWidth = 1;
};

}  // namespace zentrova
