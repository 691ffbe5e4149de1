// Canvas resize: the picture placed on a new canvas of the same depth and palette, filled with a
// colour, at the position of one of nine anchors (integer halves for the centred ones); whatever
// falls outside the canvas is cut.
#include <algorithm>
#include <cstring>

#include "image/ZImageEffects.h"
#include "image/ZImagePixels.h"
#include "image/effects/ZPackedRow.h"

namespace zentrova {

namespace {

// Position of the picture's top-left corner on the canvas for an anchor.
void AnchorPosition(int anchor, int64_t canvasW, int64_t canvasH, int64_t w, int64_t h, int64_t& x,
                    int64_t& y) {
    const int column = anchor % 3;  // 0 left, 1 centre, 2 right
    const int row = anchor / 3;     // 0 top, 1 middle, 2 bottom
    x = column == 0 ? 0 : column == 1 ? canvasW / 2 - w / 2 : canvasW - w;
    y = row == 0 ? 0 : row == 1 ? canvasH / 2 - h / 2 : canvasH - h;
}

}  // namespace

bool ResizeCanvas(ZImage& image, int width, int height, int anchor, ZColor fill) {
    if (!image.IsValid() || width < 1 || height < 1 || anchor < kFirstCanvasAnchor ||
        anchor > kLastCanvasAnchor) {
        return false;
    }
    const int64_t w = image.GetWidth();
    const int64_t h = image.GetHeight();
    const uint32_t bits = image.GetBitsPerPixel();
    uint8_t palette[ZImage::kPaletteBytes];
    image.GetPalette(palette);
    ZImage canvas;
    if (!canvas.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), bits, fill,
                       palette)) {
        return false;
    }
    int64_t x = 0, y = 0;
    AnchorPosition(anchor, width, height, w, h, x, y);

    // The overlap in canvas coordinates, and where it starts in the picture.
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t right = std::min<int64_t>(x + w, width);
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t bottom = std::min<int64_t>(y + h, height);
    image.FlushDrawing();
    for (int64_t cy = top; cy < bottom && left < right; ++cy) {
        const uint8_t* in = image.GetRow(static_cast<uint32_t>(h - 1 - (cy - y)));
        uint8_t* out = canvas.GetRow(static_cast<uint32_t>(height - 1 - cy));
        if (bits >= 8) {
            const size_t bytes = bits / 8;
            std::memcpy(out + static_cast<size_t>(left) * bytes,
                        in + static_cast<size_t>(left - x) * bytes,
                        static_cast<size_t>(right - left) * bytes);
        } else {
            for (int64_t cx = left; cx < right; ++cx) {
                pixels::SetPackedIndex(
                    out, bits, static_cast<uint32_t>(cx),
                    effects::PackedIndex(in, bits, static_cast<uint32_t>(cx - x)));
            }
        }
    }
    return image.CopyFrom(canvas);
}

}  // namespace zentrova
