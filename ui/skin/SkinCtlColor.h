// The colours of the standard controls in every skinned dialog (Windows build only).
//
// A skinned dialog answers WM_CTLCOLORDLG, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX,
// WM_CTLCOLORSCROLLBAR and WM_CTLCOLORSTATIC with SkinCtlColor (not WM_CTLCOLORBTN). It sets the
// text colour and background mode of the control's device context and returns the brush the
// control's background is painted with. With edit colour = "MainEditTextColor" and static colour
// = "MainStaticTextColor":
//
// * the dialog: transparent, edit colour, the skin's background brush;
// * WM_CTLCOLORLISTBOX (the list of a combo box): transparent, edit colour, the system window
//   brush (COLOR_WINDOW);
// * an edit control: editable opaque, edit colour, system window brush; read-only (ES_READONLY)
//   transparent, edit colour, the background brush;
// * a list box: static colour, system window brush; a combo box: edit colour, system window brush;
// * a trackbar: static colour, transparent; hollow with the Alt key down and a background image
//   given, the background brush on Windows 2000, otherwise on to the group box test;
// * a static control: static colour, transparent; hollow with the Alt key down, the background
//   brush without a background image; on Windows 2000 with a valid background image the part of
//   the image under the control is copied into its device context first; then on;
// * the group box test, for every control that gets here: style & 7 == 7 (BS_GROUPBOX): the
//   background colour "WindowBackColor", static colour, opaque; the background brush on Windows
//   2000, else hollow;
// * everything else, transparent: with a valid background image hollow (on systems after Windows
//   2000 the image under buttons, statics and trackbars is copied into their device context
//   first); without one, or with an empty one, the background brush (on Windows 2000 only for a
//   button with no image given at all, hollow otherwise).
//
// "Buttons" are the controls of the class "Button" (check boxes, radio buttons and push buttons
// alike); the image under a control is its client area's part of the background image, taken from
// where that client area lies in the dialog's client area.
//
// Any other message gives null (the dialog's default handling). The returned brushes belong to
// the skin or the system and are never deleted by the caller.
#pragma once

#include <cstdint>

#include "image/ZImage.h"
#include "ui/skin/Skin.h"

struct HWND__;
struct HBRUSH__;

namespace zentrova {

// What the colour rules ask of the running system.
class CtlColorSystem {
  public:
    virtual ~CtlColorSystem() = default;
    // True on Windows 2000 (version 5.0), whose controls paint their backgrounds differently.
    virtual bool IsWindows2000() const = 0;
    // True while the Alt key is down (the system then shows the keyboard cues of every control).
    virtual bool IsAltKeyDown() const = 0;
};

// The answers of the running system.
class HostCtlColorSystem final : public CtlColorSystem {
  public:
    bool IsWindows2000() const override;
    bool IsAltKeyDown() const override;
};

// background: the dialog's background image, or null when it has none.
HBRUSH__* SkinCtlColor(const Skin& skin, HWND__* dialog, uint32_t message, HDC__* dc,
                       HWND__* control, const ZImage* background);
HBRUSH__* SkinCtlColor(const Skin& skin, HWND__* dialog, uint32_t message, HDC__* dc,
                       HWND__* control, const ZImage* background, const CtlColorSystem& system);

}  // namespace zentrova
