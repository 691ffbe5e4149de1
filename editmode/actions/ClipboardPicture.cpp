#include "editmode/actions/ClipboardPicture.h"

#include <png.h>

#include <cstring>

namespace zentrova {

namespace {

constexpr uint32_t kColourSpaceSrgb = 0x73524742;  // 'sRGB'
constexpr uint32_t kIntentImages = 4;              // LCS_GM_IMAGES

void Put(std::vector<uint8_t>& out, size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
    }
}

// dpi to pixels per metre, rounded.
uint32_t PerMetre(int32_t dpi) {
    return dpi > 0 ? static_cast<uint32_t>((static_cast<int64_t>(dpi) * 10000 + 127) / 254) : 0;
}

}  // namespace

bool MakeDibV5(const ZImage& picture, std::vector<uint8_t>& out) {
    const uint32_t bits = picture.GetBitsPerPixel();
    if (!picture.IsValid() || (bits != 24 && bits != 32)) {
        return false;
    }
    picture.FlushDrawing();
    const size_t pixels = picture.GetPixelMemorySize();
    if (pixels > UINT32_MAX - kDibV5HeaderBytes) {
        return false;
    }
    out.assign(kDibV5HeaderBytes + pixels, 0);
    Put(out, 0, kDibV5HeaderBytes, 4);
    Put(out, 4, picture.GetWidth(), 4);
    Put(out, 8, picture.GetHeight(), 4);  // positive: bottom-up, as kept
    Put(out, 12, 1, 2);
    Put(out, 14, bits, 2);
    Put(out, 16, 0, 4);  // BI_RGB
    Put(out, 20, static_cast<uint32_t>(pixels), 4);
    Put(out, 24, PerMetre(picture.dpiX), 4);
    Put(out, 28, PerMetre(picture.dpiY), 4);
    if (bits == 32) {
        // The masks of a 32-bit picture, alpha included, though BI_RGB does not need them.
        Put(out, 40, 0x00FF0000, 4);
        Put(out, 44, 0x0000FF00, 4);
        Put(out, 48, 0x000000FF, 4);
        Put(out, 52, 0xFF000000, 4);
    }
    Put(out, 56, kColourSpaceSrgb, 4);
    Put(out, 108, kIntentImages, 4);
    std::memcpy(out.data() + kDibV5HeaderBytes, picture.GetBits(), pixels);
    return true;
}

bool MakePngBytes(const ZImage& picture, std::vector<uint8_t>& out) {
    const uint32_t bits = picture.GetBitsPerPixel();
    if (!picture.IsValid() || (bits != 24 && bits != 32) ||
        picture.GetStride() > static_cast<uint32_t>(INT32_MAX)) {
        return false;
    }
    picture.FlushDrawing();
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = picture.GetWidth();
    image.height = picture.GetHeight();
    image.format = bits == 32 ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    // Rows bottom-up: a negative stride (in bytes, one byte per component here).
    const auto stride = -static_cast<png_int_32>(picture.GetStride());
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, picture.GetBits(), stride, nullptr)) {
        png_image_free(&image);
        return false;
    }
    out.resize(size);
    const bool ok = png_image_write_to_memory(&image, out.data(), &size, 0, picture.GetBits(),
                                              stride, nullptr) != 0;
    png_image_free(&image);
    out.resize(ok ? size : 0);
    return ok;
}

}  // namespace zentrova
