// Geometry of a skinned push button: its draw state, the frame row of the skin's "Button"
// picture, the nine pieces of the frame, and where the icon and the text go.
//
// The "Button" picture holds five 24 x 24 frames in rows: 0 normal, 1 under the mouse, 2
// disabled, 3 focused or default, 4 pressed under the mouse. A frame is drawn as nine pieces of
// 8 x 8 source pixels: the corners unscaled, the edges stretched along their edge, the centre
// stretched both ways.
#pragma once

#include <array>
#include <cstdint>

#include "core/ZRect.h"

namespace zentrova {

// Draw-state bits (the values of ODS_SELECTED, ODS_GRAYED, ODS_DISABLED, ODS_FOCUS, ODS_DEFAULT
// and ODS_HOTLIGHT).
constexpr uint32_t kButtonPressed = 1;
constexpr uint32_t kButtonGrayed = 2;
constexpr uint32_t kButtonDisabled = 4;
constexpr uint32_t kButtonFocused = 16;
constexpr uint32_t kButtonDefault = 32;
constexpr uint32_t kButtonHover = 64;

constexpr int kButtonFrameSize = 24;
constexpr int kButtonFramePiece = 8;
constexpr int kButtonFrameRows = 5;

// The state the painter works with: the item state of WM_DRAWITEM plus kButtonHover when the
// button is enabled and the cursor lies inside its window, plus kButtonDisabled when the button
// is disabled.
uint32_t SkinnedButtonState(uint32_t itemState, bool enabled, bool cursorInside);

// Frame row for state: under the mouse 4 when pressed, else 1; else grayed or disabled 2; else
// focused or default 3; else 0.
int ButtonFrameRow(uint32_t state);

// Which text colour of the skin a state uses.
enum class ButtonTextColour { Hilight, Disabled, Default };
ButtonTextColour ButtonTextColourFor(uint32_t state);
// The skin's key of that colour ("ButtonTextColorHilight", ...).
const wchar_t* ButtonTextColourKey(ButtonTextColour colour);

// One piece of the frame: source rectangle in the "Button" picture (picture coordinates, from
// the top) and target rectangle in the button.
struct FramePiece {
    ZRect source;
    ZRect target;
};
// The nine pieces for a button of width x height with the frame of row, in the order top-left,
// top, top-right, left, centre, right, bottom-left, bottom, bottom-right. Stretched pieces of a
// button smaller than 16 pixels get a width or height of 0 or less (nothing is drawn for them).
std::array<FramePiece, 9> ButtonFramePieces(int width, int height, int row);

// The pressed offset: 1 when state has kButtonPressed, else 0.
int ButtonPressedOffset(uint32_t state);

// Top-left corner of the icon: x = 3 + p, y = (height - iconHeight) / 2 + p + 1.
struct ButtonPoint {
    int x = 0;
    int y = 0;
};
ButtonPoint ButtonIconPosition(int height, int iconHeight, int pressedOffset);

// The text rectangle before the pressed offset: left = iconWidth + 8 with an icon, 2 without;
// top 0; right = width - 2; bottom = height.
ZRect ButtonTextRect(int width, int height, bool hasIcon, int iconWidth);

// A multi-line button's text rectangle once its text has been measured (textHeight), moved by
// the pressed offset: top = (height - textHeight) / 2 (not clamped: taller text gives a negative
// top), right = width - 2, bottom = height, left kept.
ZRect MultiLineTextRect(const ZRect& textRect, int width, int height, int textHeight,
                             int pressedOffset);

// Moves r by (d, d).
ZRect OffsetButtonRect(const ZRect& r, int d);

}  // namespace zentrova
