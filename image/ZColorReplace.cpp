// Colour keys on 24-bit pictures: replace one colour, or every colour but one.
#include "image/ZCompositing.h"

namespace zentrova {

namespace {

// Walks every pixel and writes `replacement` where (pixel == key) equals `whereEqual`.
bool ReplaceWhere(ZImage& image, ZColor key, ZColor replacement, bool whereEqual) {
    if (!image.IsValid() || image.GetBitsPerPixel() != 24) {
        return false;
    }
    const uint8_t keyBlue = (key >> 16) & 0xFF;
    const uint8_t keyGreen = (key >> 8) & 0xFF;
    const uint8_t keyRed = key & 0xFF;
    const uint8_t newBlue = (replacement >> 16) & 0xFF;
    const uint8_t newGreen = (replacement >> 8) & 0xFF;
    const uint8_t newRed = replacement & 0xFF;
    image.FlushDrawing();
    const uint32_t width = image.GetWidth();
    for (uint32_t r = 0; r < image.GetHeight(); ++r) {
        uint8_t* p = image.GetRow(r);
        for (uint32_t i = 0; i < width; ++i, p += 3) {
            const bool equal = p[0] == keyBlue && p[1] == keyGreen && p[2] == keyRed;
            if (equal == whereEqual) {
                p[0] = newBlue;
                p[1] = newGreen;
                p[2] = newRed;
            }
        }
    }
    return true;
}

}  // namespace

bool ReplaceColor(ZImage& image, ZColor key, ZColor replacement) {
    return ReplaceWhere(image, key, replacement, true);
}

bool ReplaceAllButColor(ZImage& image, ZColor key, ZColor replacement) {
    return ReplaceWhere(image, key, replacement, false);
}

}  // namespace zentrova
