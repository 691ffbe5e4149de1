#include "capture/scroll/StickyBands.h"

#include <cstring>

namespace zentrova {

namespace {

// Bytes of a row's pixels (the padding left out).
size_t PixelBytes(const ZImage& page) {
    return static_cast<size_t>(page.GetWidth()) * (page.GetBitsPerPixel() / 8u);
}

const uint8_t* PictureRow(const ZImage& page, int32_t y) {
    return page.GetRow(page.GetHeight() - 1 - static_cast<uint32_t>(y));
}

bool SameRow(const ZImage& a, const ZImage& b, int32_t y) {
    return std::memcmp(PictureRow(a, y), PictureRow(b, y), PixelBytes(a)) == 0;
}

bool PlainRow(const ZImage& page, int32_t y) {
    const size_t pixel = page.GetBitsPerPixel() / 8u;
    const uint8_t* row = PictureRow(page, y);
    const size_t bytes = PixelBytes(page);
    for (size_t i = pixel; i < bytes; i += pixel) {
        if (std::memcmp(row, row + i, pixel) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

StickyBands FindStickyBands(const ZImage& previous, const ZImage& current) {
    StickyBands bands;
    if (!previous.IsValid() || !current.IsValid() || previous.GetWidth() != current.GetWidth() ||
        previous.GetHeight() != current.GetHeight() ||
        previous.GetBitsPerPixel() != current.GetBitsPerPixel() ||
        (current.GetBitsPerPixel() != 24 && current.GetBitsPerPixel() != 32)) {
        return bands;
    }
    previous.FlushDrawing();
    current.FlushDrawing();
    const int32_t height = static_cast<int32_t>(current.GetHeight());
    int32_t top = 0;
    while (top < height && SameRow(previous, current, top)) {
        ++top;
    }
    if (top == height) {
        return bands;  // nothing moved
    }
    int32_t bottom = 0;
    while (bottom < height - top && SameRow(previous, current, height - 1 - bottom)) {
        ++bottom;
    }
    while (top > 0 && PlainRow(current, top - 1)) {
        --top;
    }
    while (bottom > 0 && PlainRow(current, height - bottom)) {
        --bottom;
    }
    if (height - top - bottom < 2) {
        return bands;
    }
    bands.top = top;
    bands.bottom = bottom;
    return bands;
}

bool CopyPageRows(const ZImage& page, int32_t first, int32_t count, ZImage& out) {
    if (!page.IsValid() || first < 0 || count < 1 ||
        int64_t{first} + count > static_cast<int64_t>(page.GetHeight()) ||
        !out.Create(page.GetWidth(), static_cast<uint32_t>(count), page.GetBitsPerPixel(), 0,
                    nullptr)) {
        return false;
    }
    page.FlushDrawing();
    for (int32_t y = 0; y < count; ++y) {
        std::memcpy(out.GetRow(static_cast<uint32_t>(count - 1 - y)), PictureRow(page, first + y),
                    PixelBytes(page));
    }
    return true;
}

}  // namespace zentrova
