#include "editmode/commands/SelectionCommands.h"

#include <algorithm>

#include "editmode/EditSession.h"
#include "editmode/actions/ClipboardAction.h"
#include "editmode/commands/PictureCommands.h"
#include "editmode/commands/SelectionArithmetic.h"
#include "image/ZImageEffects.h"
#include "image/ZResample.h"

namespace zentrova {

namespace {

constexpr int kBilinear = 4;
constexpr ZColor kWhite = 0xFFFFFF;

// The selection clipped to the picture; beeps when there is none.
bool SelectedRect(EditSession& session, ZRect& rect) {
    const ZImage& picture = session.GetPicture();
    if (!session.Selection().Exists() ||
        !ClipSelection(session.Selection().Get(), static_cast<int32_t>(picture.GetWidth()),
                       static_cast<int32_t>(picture.GetHeight()), rect)) {
        session.Host().Beep();
        return false;
    }
    return true;
}

// The selected pixels as a 24-bit part; beeps when there is no selection or no memory.
bool TakeSelection(EditSession& session, ZRect& rect, ZImage& part) {
    if (!SelectedRect(session, rect)) {
        return false;
    }
    if (!CopyRegion(session.GetPicture(), rect, part)) {
        session.Host().Beep();
        return false;
    }
    return true;
}

// part goes back into the picture at rect and the change is pushed.
bool PutBack(EditSession& session, const ZRect& rect, const ZImage& part) {
    if (!PutRegion(session.GetPictureForChange(), part, rect.left, rect.top)) {
        session.Host().Beep();
        return false;
    }
    return session.CommitChange();
}

bool Copy(EditSession& session, const ZImage& part) {
    if (!session.Host().CopyToClipboard(part)) {
        session.Host().Beep();
        session.Host().ShowError(kClipboardFailed);
        return false;
    }
    return true;
}

}  // namespace

bool ApplySelectionEffect(SelectionEffect effect, ZImage& part) {
    switch (effect) {
        case SelectionEffect::Pixelize:
            return Pixelize(
                part, std::min<int>(kSelectionPixelizeBlock, static_cast<int>(part.GetWidth())));
        case SelectionEffect::Blur:
            return ApplyFilter(part, static_cast<int>(NeighbourhoodFilter::Mean5));
        case SelectionEffect::Sharpen:
            return ApplyFilter(part, static_cast<int>(NeighbourhoodFilter::SharpenMore));
        case SelectionEffect::Buttonize:
            return Buttonize(part, kSelectionButtonFrame, kSelectionButtonStrength);
    }
    return false;
}

bool SelectionEffectCommand::Run(EditSession& session) {
    DropToolState(session);
    ZRect rect;
    ZImage part;
    if (!TakeSelection(session, rect, part)) {
        return false;
    }
    if (!ApplySelectionEffect(m_effect, part)) {
        session.Host().Beep();
        return false;
    }
    return PutBack(session, rect, part);
}

bool CropCommand::Run(EditSession& session) {
    DropToolState(session);
    ZRect rect;
    ZImage part;
    if (!TakeSelection(session, rect, part)) {
        return false;
    }
    session.Selection().Clear();
    return ReplacePicture(session, part);
}

bool CopySelectionCommand::Run(EditSession& session) {
    ZRect rect;
    ZImage part;
    return TakeSelection(session, rect, part) && Copy(session, part);
}

bool CutSelectionCommand::Run(EditSession& session) {
    DropToolState(session);
    ZRect rect;
    ZImage part;
    if (!TakeSelection(session, rect, part) || !Copy(session, part)) {
        return false;
    }
    session.GetPictureForChange().FillRect(rect.left, rect.top, rect.Width(), rect.Height(),
                                           kWhite);
    return session.CommitChange();
}

bool PasteSelectionCommand::Run(EditSession& session) {
    DropToolState(session);
    ZRect rect;
    if (!SelectedRect(session, rect)) {
        return false;
    }
    ZImage pasted;
    const EditHost::ClipboardRead read = session.Host().PasteFromClipboard(pasted);
    if (read == EditHost::ClipboardRead::Busy) {
        session.Host().ShowError(kClipboardBusy);  // nothing changed: the user may try again
        return false;
    }
    if (read != EditHost::ClipboardRead::Picture ||
        !Resize(pasted, rect.Width(), rect.Height(), kBilinear) ||
        (pasted.GetBitsPerPixel() != 24 && !pasted.SetBitDepth(24))) {
        session.Host().Beep();
        return false;
    }
    return PutBack(session, rect, pasted);
}

bool ZoomSelectionCommand::Run(EditSession& session) {
    ZRect rect;
    if (!SelectedRect(session, rect)) {
        return false;
    }
    EditView& view = session.View();
    SelectionZoom target;
    if (!ZoomIntoSelection(rect, view.GetImageWidth(), view.GetImageHeight(), view.GetScreenWidth(),
                           view.GetScreenHeight(), target)) {
        session.Host().Beep();
        return false;
    }
    session.SelectTool(ToolNumber::Scroll);
    session.Selection().Clear();
    view.SetZoom(target.zoom);
    view.SetScroll(target.scrollX, target.scrollY);
    session.Cache().Invalidate();
    session.Host().Repaint();
    return true;
}

}  // namespace zentrova
