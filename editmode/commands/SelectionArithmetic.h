// The arithmetic of the Select tool's commands: the selection clipped to the picture, copying a
// rectangle out of a picture and back, the four buttons under the selection and the zoom into
// the selection.
// Portable; no window system.
#pragma once

#include <array>
#include <cstdint>

#include "core/ZRect.h"
#include "image/ZImage.h"

namespace zentrova {

// The selection clipped to a picture of width x height; false when nothing of it is left (or it
// was empty).
bool ClipSelection(const ZRect& selection, int32_t width, int32_t height, ZRect& clipped);

// part becomes a 24-bit copy of rect of picture (a 24-bit picture; rect inside it).
bool CopyRegion(const ZImage& picture, const ZRect& rect, ZImage& part);
// Writes the 24-bit part into picture with its top-left at (x, y); it must fit.
bool PutRegion(ZImage& picture, const ZImage& part, int32_t x, int32_t y);

// The buttons under the selection: Crop, Pixelize, Zoom and More..., in that order.
constexpr int32_t kSelectionButtonHeight = 22;
constexpr int32_t kSelectionButtonMinWidth = 24;
constexpr int32_t kSelectionButtonMaxWidth = 100;
// frame: the selection on the screen. Each button is b = width / 4 (24 ... 100) wide and 22 high,
// 4 pixels under the frame, the four side by side centred under it. textWidth: the width the
// longest button text needs; no button is made narrower than that, so that every text can be read
// under a small frame.
std::array<ZRect, 4> SelectionButtonRects(const ZRect& frame, int32_t textWidth = 0);

// Zoom into the selection: the largest zoom at which the selection fits the window, limited to
// the editor's range (thousandths), and the pan offsets that bring the selection's top-left
// corner to the window's top-left corner. 64-bit arithmetic throughout.
struct SelectionZoom {
    int32_t zoom = 1000;
    int32_t scrollX = 0;
    int32_t scrollY = 0;
};
// False for an empty selection or window.
bool ZoomIntoSelection(const ZRect& selection, int32_t imageWidth, int32_t imageHeight,
                       int32_t windowWidth, int32_t windowHeight, SelectionZoom& result);

}  // namespace zentrova
