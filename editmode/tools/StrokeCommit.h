// StrokeCommit: how a tool lays its finished figure into the working picture and keeps it: the
// stroke rendering (shadow, smoothing) with the tool settings of this moment, then one history
// state.
// Portable (the pens are drawn through PaintToolShape).
#pragma once

#include "editmode/tools/ToolCompositing.h"
#include "editmode/tools/ToolShape.h"

namespace zentrova {

class EditSession;

// The shadow and quality settings read now, with the stroke's colour.
StrokeLook ReadStrokeLook(const SettingsRecord& settings, ZColor colour);

// Renders shape through RenderStroke and commits the change. False (nothing pushed) when the
// shape is empty or lies wholly off the picture.
bool CommitStroke(EditSession& session, const ToolShape& shape, const StrokeLook& look);

// Draws the shape as PaintToolShape does, for the compositing steps.
ShapeDraw DrawWith(const ToolShape& shape, bool maskPen);

}  // namespace zentrova
