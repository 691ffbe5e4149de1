// Invert: pictures of 8 bits or fewer invert their palette (each of red, green and blue becomes
// 255 - value, the colour table is set again); deeper pictures invert every byte of the pixel
// memory, alpha and the bytes that pad each row included.
#include <cstring>

#include "image/ZImageEffects.h"

namespace zentrova {

bool Invert(ZImage& image) {
    if (!image.IsValid()) {
        return false;
    }
    if (image.GetBitsPerPixel() <= 8) {
        uint8_t entries[4 * ZImage::kPaletteEntries];
        for (int i = 0; i < ZImage::kPaletteEntries; ++i) {
            const uint8_t* bgr = image.GetPaletteEntryBgr(i);
            entries[4 * i] = static_cast<uint8_t>(255 - bgr[0]);
            entries[4 * i + 1] = static_cast<uint8_t>(255 - bgr[1]);
            entries[4 * i + 2] = static_cast<uint8_t>(255 - bgr[2]);
            entries[4 * i + 3] = 0;
        }
        return image.SetColorTable(entries, ZImage::kPaletteEntries);
    }
    image.FlushDrawing();
    uint8_t* p = image.GetBits();
    const size_t size = image.GetPixelMemorySize();
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        uint64_t word;
        std::memcpy(&word, p + i, 8);
        word = ~word;
        std::memcpy(p + i, &word, 8);
    }
    for (; i < size; ++i) {
        p[i] = static_cast<uint8_t>(~p[i]);
    }
    return true;
}

}  // namespace zentrova
