#include "editmode/commands/PictureCommands.h"

#include "editmode/EditSession.h"
#include "image/ZImageEffects.h"

namespace zentrova {

namespace {

DropShadowOptions CaptureShadowOptions(const SettingsRecord& settings) {
    DropShadowOptions options;
    options.shadowColour = settings.CaptureShadowColor;
    options.backgroundColour = settings.CaptureBackgroundColor;
    options.directionDegrees = static_cast<int>(settings.CaptureShadowDirection);
    options.dither = static_cast<int>(settings.CaptureShadowDither);
    options.intensityPercent = static_cast<int>(settings.CaptureShadowIntensity);
    options.offset = static_cast<int>(settings.CaptureShadowOffset);
    options.plainRectangle = true;
    options.keyColour = 0xFF00FF;
    return options;
}

}  // namespace

bool ApplyPictureEffect(PictureEffect effect, const SettingsRecord& settings, ZImage& picture) {
    bool done = false;
    switch (effect) {
        case PictureEffect::RotateLeft:
            done = RotateLeft(picture);
            break;
        case PictureEffect::RotateRight:
            done = RotateRight(picture);
            break;
        case PictureEffect::Mirror:
            done = Mirror(picture);
            break;
        case PictureEffect::Flip:
            done = picture.FlipVertical();
            break;
        case PictureEffect::DropShadow:
            done = ApplyDropShadow(picture, CaptureShadowOptions(settings));
            break;
        case PictureEffect::Pencil:
            done = PencilDrawing(picture);
            break;
        case PictureEffect::Grayscale:
            done = Grayscale(picture);
            break;
    }
    return done && (picture.GetBitsPerPixel() == 24 || picture.SetBitDepth(24));
}

void DropToolState(EditSession& session) {
    if (session.GetTool() != nullptr) {
        session.GetTool()->Cancel(session);
    }
}

bool ReplacePicture(EditSession& session, ZImage& changed) {
    session.GetPictureForChange().Swap(changed);
    return session.CommitChange();
}

bool PictureEffectCommand::Run(EditSession& session) {
    DropToolState(session);
    ZImage work;
    if (!work.CopyFrom(session.GetPicture()) ||
        !ApplyPictureEffect(m_effect, session.Settings(), work)) {
        session.Host().Beep();
        return false;
    }
    return ReplacePicture(session, work);
}

}  // namespace zentrova
