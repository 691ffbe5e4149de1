// TextBoxTool: what Text and Callout share. A drag makes the frame; on the release the window
// opens the text editor over it with the text controls under it ("ABC Text", all selected).
// While the text waits, the frame can be moved and resized or a new one drawn: the editor
// follows and keeps what was typed. "Yes" lays the text (and for Callout the bubble first) into
// the picture and pushes one history state; "No", another tool, another capture or an undo drop
// it.
// Portable (the editor through EditHost, the text through PaintToolText).
#pragma once

#include "editmode/tools/FrameTool.h"

namespace zentrova {

class TextBoxTool : public FrameTool {
  public:
    explicit TextBoxTool(bool callout) : m_callout(callout) {}
    bool Press(EditSession& session, const ToolPointer& pointer) override;
    void Release(EditSession& session, const ToolPointer& pointer) override;
    void Cancel(EditSession& session) override;
    void Confirm(EditSession& session, bool yes) override;
    bool UsesTextControls() const override { return true; }

  protected:
    void Commit(EditSession& session, const ZRect& frame) override;
    bool KeepsPendingOnClick() const override { return true; }
    // What is drawn under the text (the callout's bubble); true when it drew something.
    virtual bool DrawBehindText(EditSession& /*session*/, ZImage& /*picture*/,
                                const ZRect& /*frame*/) {
        return false;
    }

  private:
    void CloseEditor(EditSession& session);

    bool m_callout;
    bool m_editorOpen = false;
};

// Text (tool 12): the text alone.
class TextTool final : public TextBoxTool {
  public:
    TextTool() : TextBoxTool(false) {}
    ToolNumber Number() const override { return ToolNumber::Text; }

  protected:
    void DrawPreview(const EditSession&, ZImage&, const ZRect&, const ZRect&) const override {}
};

}  // namespace zentrova
