#include "ui/menus/MenuPaint.h"

#include <algorithm>

#include "image/ZCompositing.h"

namespace zentrova {

namespace {

bool IsCanvas(const ZImage& canvas) {
    return canvas.IsValid() && (canvas.GetBitsPerPixel() == 24 || canvas.GetBitsPerPixel() == 32);
}

int32_t Width(const ZImage& image) {
    return static_cast<int32_t>(image.GetWidth());
}
int32_t Height(const ZImage& image) {
    return static_cast<int32_t>(image.GetHeight());
}

// Fills the RECT-like rectangle (right and bottom excluded).
void FillRectangle(ZImage& canvas, const ZRect& rect, ZColor colour) {
    FillSolidRect(canvas, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                  colour);
}

uint32_t DivRound255(uint32_t value) {
    return (value + 127) / 255;
}

}  // namespace

bool DrawMenuFrame(ZImage& canvas, const ZRect& rect, ZColor colour) {
    if (!IsCanvas(canvas)) {
        return false;
    }
    const int32_t width = rect.right - rect.left + 1;
    const int32_t height = rect.bottom - rect.top + 1;
    if (width < 1 || height < 1) {
        return true;
    }
    FillSolidRect(canvas, rect.left, rect.top, width, 1, colour);     // top
    FillSolidRect(canvas, rect.left, rect.top, 1, height, colour);    // left
    FillSolidRect(canvas, rect.left, rect.bottom, width, 1, colour);  // bottom
    FillSolidRect(canvas, rect.right, rect.top, 1, height, colour);   // right, to the bottom row
    return true;
}

bool BlendMenuIcon(ZImage& canvas, const ZImage& strip, int index, int32_t x, int32_t y,
                   uint8_t constantAlpha) {
    if (!IsCanvas(canvas) || !strip.IsValid() || strip.GetBitsPerPixel() != 32 || index < 0) {
        return false;
    }
    const int64_t sourceLeft = static_cast<int64_t>(index) * kMenuIconSize;
    if (sourceLeft + kMenuIconSize > strip.GetWidth() ||
        static_cast<int64_t>(strip.GetHeight()) < kMenuIconSize) {
        return false;
    }
    const uint32_t targetBytes = canvas.GetBitsPerPixel() / 8u;
    const int32_t canvasWidth = Width(canvas);
    const int32_t canvasHeight = Height(canvas);
    for (int32_t row = 0; row < kMenuIconSize; ++row) {
        const int32_t ty = y + row;
        if (ty < 0 || ty >= canvasHeight) {
            continue;
        }
        const uint8_t* source =
            strip.GetRow(strip.GetHeight() - 1 - static_cast<uint32_t>(row)) + sourceLeft * 4;
        uint8_t* target = canvas.GetRow(static_cast<uint32_t>(canvasHeight - 1 - ty));
        for (int32_t column = 0; column < kMenuIconSize; ++column) {
            const int32_t tx = x + column;
            if (tx < 0 || tx >= canvasWidth) {
                continue;
            }
            const uint8_t* s = source + column * 4;
            uint8_t* d = target + static_cast<size_t>(tx) * targetBytes;
            const uint32_t alpha = DivRound255(uint32_t{s[3]} * constantAlpha);
            for (int channel = 0; channel < 3; ++channel) {
                const uint32_t colour = DivRound255(uint32_t{s[channel]} * constantAlpha);
                d[channel] = static_cast<uint8_t>(
                    std::min<uint32_t>(255, colour + DivRound255(d[channel] * (255 - alpha))));
            }
            if (targetBytes == 4) {
                d[3] = static_cast<uint8_t>(
                    std::min<uint32_t>(255, alpha + DivRound255(d[3] * (255 - alpha))));
            }
        }
    }
    return true;
}

bool PaintMenuItem(ZImage& canvas, const MenuColors& colors, bool separator,
                   const MenuItemState& state, int icon, const ZImage& hot, const ZImage& cold) {
    if (!IsCanvas(canvas)) {
        return false;
    }
    const int32_t width = Width(canvas);
    const int32_t height = Height(canvas);
    const ZRect item{0, 0, width, height};

    FillSolidRect(canvas, 0, 0, std::min(width, kMenuIconColumnWidth), height, colors.gradientLeft);
    FillSolidRect(canvas, kMenuIconColumnWidth, 0, 1, height, colors.border);
    if (width > kMenuGradientStart) {
        FillGradient(canvas, kMenuGradientStart, 0, width - kMenuGradientStart, height,
                     colors.gradientLeft, colors.gradientRight, kGradientHorizontal);
    }

    if (separator) {
        FillSolidRect(canvas, kMenuSeparatorLineLeft, kMenuSeparatorLineTop,
                      width - 1 - kMenuSeparatorLineLeft, 1, colors.border);
        return true;
    }

    if (state.selected) {
        const ZRect selection = MenuSelectionRect(item);
        if (!state.grayed) {
            FillRectangle(canvas, selection, colors.selected);
        }
        DrawMenuFrame(canvas, selection, colors.border);
    }

    if (icon != kMenuNoIcon) {
        const MenuIconPlacement placement = PlaceMenuIcon(item, state);
        const ZImage& strip = placement.strip == MenuStrip::Hot ? hot : cold;
        if (strip.IsValid()) {
            BlendMenuIcon(canvas, strip, icon, placement.x, placement.y, placement.alpha);
        }
    }
    return true;
}

bool PaintTitleItem(ZImage& canvas, const MenuColors& colors, const MenuItemState& state) {
    if (!IsCanvas(canvas)) {
        return false;
    }
    const int32_t width = Width(canvas);
    const int32_t height = Height(canvas);
    FillGradient(canvas, 0, 0, width, height, colors.gradientLeft, colors.gradientRight,
                 kGradientVertical);
    if (state.selected && !state.grayed) {
        const ZRect selection = TitleSelectionRect(ZRect{0, 0, width, height});
        FillRectangle(canvas, selection, colors.selected);
        DrawMenuFrame(canvas, selection, colors.border);
    }
    return true;
}

}  // namespace zentrova
