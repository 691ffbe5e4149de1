// Single channels moved between a 24- or 32-bit image and an 8-bit grey image.
#include <cstring>

#include "image/ZCompositing.h"

namespace zentrova {

namespace {

// Byte offset of a channel inside a blue, green, red(, alpha) pixel, or -1 when the channel does
// not exist at that many bytes per pixel.
int ChannelOffset(int channel, uint32_t bytesPerPixel) {
    switch (channel) {
        case kChannelRed:
            return 2;
        case kChannelGreen:
            return 1;
        case kChannelBlue:
            return 0;
        case kChannelAlpha:
            return bytesPerPixel == 4 ? 3 : -1;
        default:
            return -1;
    }
}

bool IsColourDepth(uint32_t bits) {
    return bits == 24 || bits == 32;
}

// Fills `target` (already created 8 bits, the source's size) from the channel at `offset`; the
// row padding becomes 0.
void CopyChannelOut(const ZImage& source, int offset, ZImage& target) {
    const uint32_t bytes = source.GetBitsPerPixel() / 8u;
    const uint32_t width = source.GetWidth();
    const uint32_t stride = target.GetStride();
    for (uint32_t r = 0; r < source.GetHeight(); ++r) {
        const uint8_t* p = source.GetRow(r) + offset;
        uint8_t* out = target.GetRow(r);
        for (uint32_t i = 0; i < width; ++i, p += bytes) {
            out[i] = *p;
        }
        std::memset(out + width, 0, stride - width);
    }
}

}  // namespace

bool ExtractChannel(const ZImage& source, int channel, ZImage& target) {
    if (!source.IsValid() || !IsColourDepth(source.GetBitsPerPixel())) {
        return false;
    }
    const int offset = ChannelOffset(channel, source.GetBitsPerPixel() / 8u);
    if (offset < 0) {
        return false;
    }
    uint8_t grey[ZImage::kPaletteBytes];
    for (int i = 0; i < ZImage::kPaletteEntries; ++i) {
        grey[3 * i] = grey[3 * i + 1] = grey[3 * i + 2] = static_cast<uint8_t>(i);
    }
    source.FlushDrawing();
    if (&target == &source) {
        // The source is replaced by its own channel: build the channel apart first.
        ZImage channelImage;
        if (!channelImage.CreateForOverwrite(source.GetWidth(), source.GetHeight(), 8, grey)) {
            return false;
        }
        CopyChannelOut(source, offset, channelImage);
        return target.CopyFrom(channelImage);
    }
    if (!target.CreateForOverwrite(source.GetWidth(), source.GetHeight(), 8, grey)) {
        return false;
    }
    CopyChannelOut(source, offset, target);
    return true;
}

bool InsertChannel(ZImage& image, int channel, const ZImage& channelImage) {
    if (!image.IsValid() || !IsColourDepth(image.GetBitsPerPixel())) {
        return false;
    }
    if (!channelImage.IsValid() || channelImage.GetBitsPerPixel() != 8 ||
        channelImage.GetWidth() != image.GetWidth() ||
        channelImage.GetHeight() != image.GetHeight()) {
        return false;
    }
    const uint32_t bytes = image.GetBitsPerPixel() / 8u;
    const int offset = ChannelOffset(channel, bytes);
    if (offset < 0) {
        return false;
    }
    image.FlushDrawing();
    channelImage.FlushDrawing();
    const uint32_t width = image.GetWidth();
    for (uint32_t r = 0; r < image.GetHeight(); ++r) {
        uint8_t* p = image.GetRow(r) + offset;
        const uint8_t* in = channelImage.GetRow(r);
        for (uint32_t i = 0; i < width; ++i, p += bytes) {
            *p = in[i];
        }
    }
    return true;
}

}  // namespace zentrova
