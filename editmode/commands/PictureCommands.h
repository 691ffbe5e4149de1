// The image bar's commands on the whole picture: Rotate 90° Left (40045) and Right (40044),
// Mirror (40119), Flip (40120), Effect Drop Shadow (40121), Effect Pencil Drawing (40122) and
// Effect Grayscale (40123). They differ only in the effect, so one class takes the effect as its
// parameter.
//
// The effect runs on a copy of the picture: only when it succeeds does the copy become the
// picture and one history state get pushed. A failure beeps and leaves picture and history as
// they were.
#pragma once

#include "config/SettingsRecord.h"
#include "editmode/commands/EditCommand.h"
#include "image/ZImage.h"

namespace zentrova {

enum class PictureEffect { RotateLeft, RotateRight, Mirror, Flip, DropShadow, Pencil, Grayscale };

// Applies effect to picture (24 bits in, 24 bits out); the drop shadow takes the capture shadow
// settings. False when the effect failed (picture then in an unspecified state: work on a copy).
bool ApplyPictureEffect(PictureEffect effect, const SettingsRecord& settings, ZImage& picture);

class PictureEffectCommand final : public EditCommand {
  public:
    explicit PictureEffectCommand(PictureEffect effect) : m_effect(effect) {}
    bool Run(EditSession& session) override;

  private:
    PictureEffect m_effect;
};

// The pending state of the current tool is dropped before a command replaces the picture.
void DropToolState(EditSession& session);
// Makes changed the working picture and pushes it as one state.
bool ReplacePicture(EditSession& session, ZImage& changed);

}  // namespace zentrova
