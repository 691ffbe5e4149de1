#include "editmode/commands/SelectionArithmetic.h"

#include <algorithm>
#include <cstring>

#include "editmode/view/EditView.h"

namespace zentrova {

namespace {

int32_t Clamp32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

bool ClipSelection(const ZRect& selection, int32_t width, int32_t height, ZRect& clipped) {
    clipped = ZRect{std::max(selection.left, 0), std::max(selection.top, 0),
                    std::min(selection.right, width), std::min(selection.bottom, height)};
    return !clipped.IsEmpty();
}

bool CopyRegion(const ZImage& picture, const ZRect& rect, ZImage& part) {
    const int32_t w = static_cast<int32_t>(picture.GetWidth());
    const int32_t h = static_cast<int32_t>(picture.GetHeight());
    if (!picture.IsValid() || picture.GetBitsPerPixel() != 24 || rect.IsEmpty() || rect.left < 0 ||
        rect.top < 0 || rect.right > w || rect.bottom > h ||
        !part.CreateForOverwrite(static_cast<uint32_t>(rect.Width()),
                                 static_cast<uint32_t>(rect.Height()), 24, nullptr)) {
        return false;
    }
    const size_t bytes = 3 * static_cast<size_t>(rect.Width());
    for (int32_t y = 0; y < rect.Height(); ++y) {
        const uint8_t* from =
            picture.GetRow(static_cast<uint32_t>(h - 1 - (rect.top + y))) + 3 * size_t(rect.left);
        std::memcpy(part.GetRow(static_cast<uint32_t>(rect.Height() - 1 - y)), from, bytes);
    }
    return true;
}

bool PutRegion(ZImage& picture, const ZImage& part, int32_t x, int32_t y) {
    const int64_t w = picture.GetWidth();
    const int64_t h = picture.GetHeight();
    const int64_t pw = part.GetWidth();
    const int64_t ph = part.GetHeight();
    if (!picture.IsValid() || !part.IsValid() || picture.GetBitsPerPixel() != 24 ||
        part.GetBitsPerPixel() != 24 || x < 0 || y < 0 || x + pw > w || y + ph > h) {
        return false;
    }
    const size_t bytes = 3 * static_cast<size_t>(pw);
    for (int64_t row = 0; row < ph; ++row) {
        std::memcpy(picture.GetRow(static_cast<uint32_t>(h - 1 - (y + row))) + 3 * size_t(x),
                    part.GetRow(static_cast<uint32_t>(ph - 1 - row)), bytes);
    }
    return true;
}

std::array<ZRect, 4> SelectionButtonRects(const ZRect& frame, int32_t textWidth) {
    const int32_t least = std::max(kSelectionButtonMinWidth, textWidth);
    const int32_t b =
        std::clamp(frame.Width() / 4, least, std::max(least, kSelectionButtonMaxWidth));
    const int32_t centre = frame.left + frame.Width() / 2;
    const int32_t top = frame.bottom + 4;
    std::array<ZRect, 4> rects;
    for (int32_t i = 0; i < 4; ++i) {
        const int32_t left = centre + (i - 2) * b;
        rects[static_cast<size_t>(i)] = ZRect{left, top, left + b, top + kSelectionButtonHeight};
    }
    return rects;
}

bool ZoomIntoSelection(const ZRect& selection, int32_t imageWidth, int32_t imageHeight,
                       int32_t windowWidth, int32_t windowHeight, SelectionZoom& result) {
    if (selection.IsEmpty() || windowWidth < 1 || windowHeight < 1) {
        return false;
    }
    const int64_t byWidth = int64_t{windowWidth} * kZoomOne / selection.Width();
    const int64_t byHeight = int64_t{windowHeight} * kZoomOne / selection.Height();
    const auto zoom =
        static_cast<int32_t>(std::clamp<int64_t>(std::min(byWidth, byHeight), kZoomMin, kZoomMax));
    result.zoom = zoom;
    // The view puts the picture at (window - drawn) / 2 + scroll: the scroll that makes that the
    // negative of the selection's scaled corner.
    const int64_t drawnWidth = std::max<int64_t>(1, ScaleByZoom(imageWidth, zoom));
    const int64_t drawnHeight = std::max<int64_t>(1, ScaleByZoom(imageHeight, zoom));
    result.scrollX = Clamp32(-ScaleByZoom(selection.left, zoom) - (windowWidth - drawnWidth) / 2);
    result.scrollY = Clamp32(-ScaleByZoom(selection.top, zoom) - (windowHeight - drawnHeight) / 2);
    return true;
}

}  // namespace zentrova
