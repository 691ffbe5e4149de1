#include "ui/dialogs/ButtonGeometry.h"

namespace zentrova {

uint32_t SkinnedButtonState(uint32_t itemState, bool enabled, bool cursorInside) {
    uint32_t state = itemState;
    if (enabled && cursorInside) {
        state |= kButtonHover;
    }
    if (!enabled) {
        state |= kButtonDisabled;
    }
    return state;
}

int ButtonFrameRow(uint32_t state) {
    if ((state & kButtonHover) != 0) {
        return (state & kButtonPressed) != 0 ? 4 : 1;
    }
    if ((state & (kButtonGrayed | kButtonDisabled)) != 0) {
        return 2;
    }
    if ((state & (kButtonFocused | kButtonDefault)) != 0) {
        return 3;
    }
    return 0;
}

ButtonTextColour ButtonTextColourFor(uint32_t state) {
    if ((state & kButtonHover) != 0) {
        return ButtonTextColour::Hilight;
    }
    if ((state & kButtonDisabled) != 0) {
        return ButtonTextColour::Disabled;
    }
    return ButtonTextColour::Default;
}

const wchar_t* ButtonTextColourKey(ButtonTextColour colour) {
    switch (colour) {
        case ButtonTextColour::Hilight:
            return L"ButtonTextColorHilight";
        case ButtonTextColour::Disabled:
            return L"ButtonTextColorDisabled";
        case ButtonTextColour::Default:
            break;
    }
    return L"ButtonTextColorDefault";
}

std::array<FramePiece, 9> ButtonFramePieces(int width, int height, int row) {
    constexpr int p = kButtonFramePiece;
    const int top = row * kButtonFrameSize;
    // Source columns and rows of the three bands, target columns and rows of the three bands.
    const int sx[3] = {0, p, 2 * p};
    const int sy[3] = {top, top + p, top + 2 * p};
    const int tx[4] = {0, p, width - p, width};
    const int ty[4] = {0, p, height - p, height};
    std::array<FramePiece, 9> pieces{};
    for (int j = 0; j < 3; ++j) {
        for (int i = 0; i < 3; ++i) {
            FramePiece& piece = pieces[j * 3 + i];
            piece.source = {sx[i], sy[j], sx[i] + p, sy[j] + p};
            piece.target = {tx[i], ty[j], tx[i + 1], ty[j + 1]};
        }
    }
    return pieces;
}

int ButtonPressedOffset(uint32_t state) {
    return (state & kButtonPressed) != 0 ? 1 : 0;
}

ButtonPoint ButtonIconPosition(int height, int iconHeight, int pressedOffset) {
    return {3 + pressedOffset, (height - iconHeight) / 2 + pressedOffset + 1};
}

ZRect ButtonTextRect(int width, int height, bool hasIcon, int iconWidth) {
    return {hasIcon ? iconWidth + 8 : 2, 0, width - 2, height};
}

ZRect MultiLineTextRect(const ZRect& textRect, int width, int height, int textHeight,
                             int pressedOffset) {
    ZRect r = textRect;
    r.top = (height - textHeight) / 2;
    r.right = width - 2;
    r.bottom = height;
    return OffsetButtonRect(r, pressedOffset);
}

ZRect OffsetButtonRect(const ZRect& r, int d) {
    return {r.left + d, r.top + d, r.right + d, r.bottom + d};
}

}  // namespace zentrova
