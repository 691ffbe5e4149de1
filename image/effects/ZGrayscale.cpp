// Grayscale: the picture becomes an 8-bit grey image (palette entry i = (i, i, i)) whose byte at
// each pixel is the blue byte of the pixel in its 24-bit form (not a weighted mix of the
// channels). The resolution is kept. Palette and 16-bit pictures go through ZImage::GetRowAs(24)
// one row at a time.
#include <cstdlib>
#include <memory>
#include <new>

#include "image/ZImageEffects.h"

namespace zentrova {

bool Grayscale(ZImage& image) {
    if (!image.IsValid()) {
        return false;
    }
    const uint32_t width = image.GetWidth();
    const uint32_t height = image.GetHeight();
    const uint32_t bits = image.GetBitsPerPixel();
    const uint32_t greyStride = ZImage::StrideFor(width, 8);
    std::unique_ptr<uint8_t[]> grey(new (std::nothrow) uint8_t[size_t{greyStride} * height]());
    if (!grey) {
        return false;
    }

    image.FlushDrawing();
    for (uint32_t r = 0; r < height; ++r) {
        uint8_t* out = grey.get() + size_t{r} * greyStride;
        if (bits == 24 || bits == 32) {
            const uint32_t step = bits / 8u;
            const uint8_t* p = image.GetRow(r);
            for (uint32_t x = 0; x < width; ++x, p += step) {
                out[x] = p[0];
            }
            continue;
        }
        std::unique_ptr<uint8_t, decltype(&std::free)> row(image.GetRowAs(24, r), &std::free);
        if (!row) {
            return false;
        }
        for (uint32_t x = 0; x < width; ++x) {
            out[x] = row.get()[3 * x];
        }
    }

    uint8_t palette[ZImage::kPaletteBytes];
    for (int i = 0; i < ZImage::kPaletteEntries; ++i) {
        palette[3 * i] = palette[3 * i + 1] = palette[3 * i + 2] = static_cast<uint8_t>(i);
    }
    // Built beside the picture and swapped in, so that a failure leaves the picture as it was.
    ZImage result;
    if (!result.CreateFromBits(width, height, 8, grey.get(), palette)) {
        return false;
    }
    result.dpiX = image.dpiX;
    result.dpiY = image.dpiY;
    image.Swap(result);
    return true;
}

}  // namespace zentrova
