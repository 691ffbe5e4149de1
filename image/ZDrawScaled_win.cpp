// Drawing an image scaled into a device context: the area-average resampler where both axes
// shrink or both grow, the platform's nearest-neighbour stretch otherwise.
#include <windows.h>

#include <cstdlib>
#include <memory>

#include "image/ZResample.h"

namespace zentrova {

namespace {

constexpr int kLargestAveragedSum = 20000;  // width + height above this: platform stretch

struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
};

// The platform stretch: rows and columns dropped or repeated.
void StretchPlain(const ZImage& image, HDC dc, int x, int y, int width, int height) {
    SetStretchBltMode(dc, COLORONCOLOR);
    image.DrawStretched(dc, x, y, width, height, SRCCOPY);
}

bool UsesPlatformStretch(const ZImage& image, int width, int height) {
    const uint32_t w = image.GetWidth();
    const uint32_t h = image.GetHeight();
    const uint32_t W = static_cast<uint32_t>(width);
    const uint32_t H = static_cast<uint32_t>(height);
    return int64_t{width} + height > kLargestAveragedSum || (w <= W && h >= H) ||
           (w >= W && h <= H);
}

// The picture scaled to width x height as 24-bit pixels: area-averaged, or a plain 24-bit copy
// of the image when the platform stretch does the scaling.
bool MakeScaledPicture(const ZImage& image, int width, int height, bool averaged, ZImage& picture) {
    if (!averaged) {
        if (!picture.CopyFrom(image)) {
            return false;
        }
        return picture.GetBitsPerPixel() == 24 || picture.SetBitDepth(24);
    }
    if (!picture.CreateForOverwrite(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24,
                                    nullptr)) {
        return false;
    }
    uint8_t palette[ZImage::kPaletteBytes] = {};
    image.GetPalette(palette);
    image.FlushDrawing();
    return AreaAverageBuffer(picture.GetBits(), picture.GetWidth(), picture.GetHeight(),
                             image.GetBits(), image.GetWidth(), image.GetHeight(),
                             image.GetBitsPerPixel(), palette);
}

// One channel of a 24-bit picture (1 red, 2 green, 3 blue) as an 8-bit grey picture.
bool MakeChannelPicture(const ZImage& picture, int channelMode, ZImage& grey) {
    uint8_t palette[ZImage::kPaletteBytes];
    for (int i = 0; i < ZImage::kPaletteEntries; ++i) {
        palette[3 * i] = palette[3 * i + 1] = palette[3 * i + 2] = static_cast<uint8_t>(i);
    }
    if (!grey.Create(picture.GetWidth(), picture.GetHeight(), 8, 0, palette)) {
        return false;
    }
    const int offset = 3 - channelMode;  // red is byte 2, green 1, blue 0
    for (uint32_t r = 0; r < picture.GetHeight(); ++r) {
        const uint8_t* in = picture.GetRow(r) + offset;
        uint8_t* out = grey.GetRow(r);
        for (uint32_t x = 0; x < picture.GetWidth(); ++x, in += 3) {
            out[x] = *in;
        }
    }
    return true;
}

}  // namespace

void DrawScaled(const ZImage& image, HDC__* dc, int x, int y, int width, int height,
                int channelMode) {
    if (!image.IsValid() || dc == nullptr) {
        return;
    }
    width = width < 1 ? 1 : width;
    height = height < 1 ? 1 : height;
    const bool plain = UsesPlatformStretch(image, width, height);
    if (channelMode >= 1 && channelMode <= 3) {
        ZImage picture;
        ZImage grey;
        if (MakeScaledPicture(image, width, height, !plain, picture) &&
            MakeChannelPicture(picture, channelMode, grey)) {
            StretchPlain(grey, dc, x, y, width, height);
        }
        return;
    }
    if (plain) {
        StretchPlain(image, dc, x, y, width, height);
        return;
    }
    const uint32_t W = static_cast<uint32_t>(width);
    const uint32_t H = static_cast<uint32_t>(height);
    if (!ZImage::IsSizeAcceptable(W, H, 24)) {
        StretchPlain(image, dc, x, y, width, height);
        return;
    }
    std::unique_ptr<uint8_t, FreeDeleter> pixels(
        static_cast<uint8_t*>(std::malloc(size_t{ZImage::StrideFor(W, 24)} * H)));
    uint8_t palette[ZImage::kPaletteBytes] = {};
    image.GetPalette(palette);
    image.FlushDrawing();
    if (!pixels || !AreaAverageBuffer(pixels.get(), W, H, image.GetBits(), image.GetWidth(),
                                      image.GetHeight(), image.GetBitsPerPixel(), palette)) {
        StretchPlain(image, dc, x, y, width, height);
        return;
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    StretchDIBits(dc, x, y, width, height, 0, 0, width, height, pixels.get(), &info, DIB_RGB_COLORS,
                  SRCCOPY);
}

}  // namespace zentrova
