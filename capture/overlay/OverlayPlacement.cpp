#include "capture/overlay/OverlayPlacement.h"

#include <algorithm>
#include <cstdlib>

namespace zentrova {

SelectionPoint ToVirtualScreen(const ScreenLayout& screen, int32_t screenX, int32_t screenY) {
    return {screenX + std::abs(screen.virtualX), screenY + std::abs(screen.virtualY)};
}

ZRect FrameAroundWindow(const ZRect& window, int32_t captionHeight) {
    ZRect frame;
    frame.left = window.left - 4;
    frame.top = window.top - captionHeight;
    frame.right = frame.left + window.Width() + 8;
    frame.bottom = frame.top + window.Height() + captionHeight + 4;
    return frame;
}

ZRect FixedRegionFrame(int32_t cursorX, int32_t cursorY, int32_t width, int32_t height,
                       int32_t captionHeight) {
    ZRect frame;
    frame.left = cursorX - width / 2 - 4;
    frame.top = cursorY - height / 2 - captionHeight - 4;
    frame.right = frame.left + width + 8;
    frame.bottom = frame.top + captionHeight + height + 8;
    return frame;
}

ZRect FixedRegionSource(const ZRect& frame, int32_t width, int32_t height, int32_t captionHeight) {
    ZRect source;
    source.left = frame.left + 4;
    source.top = frame.top + captionHeight;
    source.right = source.left + width;
    source.bottom = source.top + height;
    return source;
}

ZRect RegionCaptionBand(const ScreenLayout& screen, int32_t captionHeight) {
    const SelectionPoint origin = ToVirtualScreen(screen, 0, 0);
    return {origin.x, origin.y, origin.x + screen.primaryWidth, origin.y + captionHeight};
}

ZRect MagnifierBox(const ScreenLayout& screen, int32_t cursorX, int32_t cursorY,
                   int32_t captionHeight) {
    const SelectionPoint origin = ToVirtualScreen(screen, 0, 0);
    const int32_t primaryRight = origin.x + screen.primaryWidth;
    const int32_t primaryBottom = origin.y + screen.primaryHeight;
    const int32_t height = kMagnifierSize + 2 * captionHeight;
    ZRect box;
    box.left = primaryRight - kMagnifierMargin - kMagnifierWidth;
    box.top = primaryBottom - kMagnifierMargin - height;
    if (primaryRight - cursorX < kMagnifierAvoidDistance &&
        primaryBottom - cursorY < kMagnifierAvoidDistance) {
        box.top = kMagnifierMargin;
    }
    box.right = box.left + kMagnifierWidth;
    box.bottom = box.top + height;
    return box;
}

WindowCaptureArea LimitWindowCaptureArea(const ScreenLayout& screen, const ZRect& window) {
    WindowCaptureArea area;
    area.rect = window;
    area.rect.right = std::min(area.rect.right, screen.virtualWidth);
    area.rect.bottom = std::min(area.rect.bottom, screen.virtualHeight);
    if (area.rect.left < screen.virtualX) {
        area.offsetX = screen.virtualX - area.rect.left;
        area.rect.left = screen.virtualX;
    }
    if (area.rect.top < screen.virtualY) {
        area.offsetY = screen.virtualY - area.rect.top;
        area.rect.top = screen.virtualY;
    }
    return area;
}

ZRect NewerWindowsCaptureRect(const ScreenLayout& screen, const WindowCaptureArea& area,
                              const ZRect& window, WindowFrameKind kind, int32_t clientWidth) {
    ZRect rect = area.rect;
    switch (kind) {
        case WindowFrameKind::Plain:
            break;
        case WindowFrameKind::FixedDialog:
            rect.left -= 5;
            rect.top -= 5;
            rect.right += 5;
            rect.bottom += 5;
            break;
        case WindowFrameKind::Maximised: {
            const int32_t border = std::max(0, (window.Width() - clientWidth) / 2);
            rect.left = std::max(window.left + border, screen.virtualX);
            rect.top = std::max(window.top + border, screen.virtualY);
            rect.right = rect.left + clientWidth;
            rect.bottom = rect.top + area.rect.Height() - 8;
            break;
        }
    }
    return rect;
}

WindowFrameKind ClassifyWindowFrame(const WindowStyleBits& bits) {
    if (bits.maximised) {
        return WindowFrameKind::Maximised;
    }
    if (bits.caption && bits.dialogFrame && !bits.thickFrame && !bits.maximiseBox &&
        !bits.appWindow) {
        return WindowFrameKind::FixedDialog;
    }
    return WindowFrameKind::Plain;
}

bool UsesRoundedCorners(const WindowStyleBits& bits) {
    return bits.caption && !bits.maximised;
}

}  // namespace zentrova
