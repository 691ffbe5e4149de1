// The Select tool's commands on the selection (the buttons under it and the "More..." menu):
// Crop (40038, 40142), Pixelize (40036, 40145), Blur (40146), Sharpen (40147), Buttonize
// (40144), Copy (40139), Cut (40037, 40141), Paste (40140) and Zoom into Selection (40055,
// 40143).
//
// Every command works on the selection clipped to the picture (a frame left over from before a
// rotation or an undo never reaches outside); without a selection it beeps. Each change pushes
// one history state; Copy and Zoom change no pixels and push none. A command that fails tells the
// user and leaves the picture and the history as they were: Cut puts the pixels on the clipboard
// before it whitens them.
#pragma once

#include "editmode/commands/EditCommand.h"
#include "image/ZImage.h"

namespace zentrova {

// Pixel work on a 24-bit part taken out of the selection.
enum class SelectionEffect { Pixelize, Blur, Sharpen, Buttonize };
constexpr int kSelectionPixelizeBlock = 8;
constexpr int kSelectionButtonFrame = 20;
constexpr double kSelectionButtonStrength = 0.5;
bool ApplySelectionEffect(SelectionEffect effect, ZImage& part);

class SelectionEffectCommand final : public EditCommand {
  public:
    explicit SelectionEffectCommand(SelectionEffect effect) : m_effect(effect) {}
    bool Run(EditSession& session) override;

  private:
    SelectionEffect m_effect;
};

class CropCommand final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

class CopySelectionCommand final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

class CutSelectionCommand final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

// The clipboard's picture stretched (bilinear) into the selection.
class PasteSelectionCommand final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

// The selection fills the window (within the zoom range), its top-left corner at the window's;
// the selection goes and the Scroll tool is chosen.
class ZoomSelectionCommand final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

}  // namespace zentrova
