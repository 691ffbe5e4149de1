#include "editmode/tools/TextBoxTool.h"

#include <algorithm>

#include "editmode/EditSession.h"
#include "editmode/tools/StrokeCommit.h"
#include "editmode/tools/TextGeometry.h"
#include "editmode/tools/ToolText.h"

namespace zentrova {

bool TextBoxTool::Press(EditSession& session, const ToolPointer& pointer) {
    return FrameTool::Press(session, pointer);
}

void TextBoxTool::Release(EditSession& session, const ToolPointer& pointer) {
    FrameTool::Release(session, pointer);
    if (!IsAwaitingConfirm() || m_editorOpen) {
        return;
    }
    m_editorOpen = session.Host().OpenTextEditor(m_callout);
    if (!m_editorOpen) {
        FrameTool::Cancel(session);
        session.Host().Repaint();
    }
}

void TextBoxTool::CloseEditor(EditSession& session) {
    if (m_editorOpen) {
        m_editorOpen = false;
        session.Host().CloseTextEditor();
    }
}

void TextBoxTool::Cancel(EditSession& session) {
    FrameTool::Cancel(session);
    CloseEditor(session);
}

void TextBoxTool::Confirm(EditSession& session, bool yes) {
    if (!IsAwaitingConfirm()) {
        return;
    }
    FrameTool::Confirm(session, yes);
    CloseEditor(session);
    Activate(session);
}

void TextBoxTool::Commit(EditSession& session, const ZRect& frame) {
    EditHost::TypedText typed;
    if (!session.Host().ReadTextEditor(typed)) {
        session.Host().Beep();
        return;
    }
    SettingsRecord& s = session.Settings();
    s.MToolsDrawTextAlignment = static_cast<uint32_t>(std::clamp(typed.alignment, 0, 2));
    const EditView& view = session.View();
    ToolText text;
    text.text = typed.text.substr(0, kTextMaxChars);
    const ZPoint a = view.WindowToImage(typed.rect.left, typed.rect.top);
    const ZPoint b = view.WindowToImage(typed.rect.right, typed.rect.bottom);
    text.rect = ZRect{a.x, a.y, b.x, b.y};
    text.font = ReadTextFont(s, TextFontHeight(TextScreenHeight(s), view.GetZoom()));
    text.alignment = TextAlignment(s);

    ZImage& picture = session.GetPictureForChange();
    bool changed = DrawBehindText(session, picture, frame);
    if (!text.text.empty() && !text.rect.IsEmpty()) {
        StrokeLook look = ReadStrokeLook(s, AsColour(s.MToolsDrawTextFontColor));
        look.highQuality = false;  // the font itself is antialiased in high quality
        look.shadow.offset =
            std::min(look.shadow.offset, TextShadowLimit(text.font.height, ScreenDotsPerInchY()));
        changed |= RenderStroke(picture, text.rect, look,
                                [&text](ZImage& target, int32_t dx, int32_t dy, ZColor colour) {
                                    return PaintToolText(target, text, dx, dy, colour);
                                });
    }
    if (changed) {
        session.CommitChange();
    }
}

}  // namespace zentrova
