// Quarter turns: the new pixel memory (width and height exchanged) is built in a buffer and the
// image recreated from it with ZImage::CreateFromBits; palette, resolution and transparent index
// are kept.
//
// In memory rows (0 = bottom), with w, h the old size:
//   right (clockwise):        new row R, column X = old row X,         column w - 1 - R;
//   left (counter-clockwise): new row R, column X = old row h - 1 - X, column R.
// Whole-byte pixels are moved in square tiles so that the rows read and written stay in cache;
// 1- and 4-bit pixels are moved one by one.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "image/ZImageEffects.h"
#include "image/ZImagePixels.h"
#include "image/effects/ZPackedRow.h"

namespace zentrova {

namespace {

struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
};

constexpr uint32_t kTile = 64;

// Old row and column of new row R, column X.
struct Mapping {
    bool clockwise;
    uint32_t w, h;
    uint32_t OldRow(uint32_t, uint32_t X) const { return clockwise ? X : h - 1 - X; }
    uint32_t OldColumn(uint32_t R, uint32_t) const { return clockwise ? w - 1 - R : R; }
};

template <uint32_t Bytes>
void RotateWhole(const ZImage& image, const Mapping& map, uint8_t* out, uint32_t outStride) {
    const uint32_t newHeight = map.w;
    const uint32_t newWidth = map.h;
    const uint8_t* rows[kTile];
    for (uint32_t r0 = 0; r0 < newHeight; r0 += kTile) {
        const uint32_t rEnd = std::min(r0 + kTile, newHeight);
        for (uint32_t x0 = 0; x0 < newWidth; x0 += kTile) {
            const uint32_t xCount = std::min(kTile, newWidth - x0);
            for (uint32_t i = 0; i < xCount; ++i) {
                rows[i] = image.GetRow(map.OldRow(0, x0 + i));
            }
            for (uint32_t R = r0; R < rEnd; ++R) {
                uint8_t* o = out + size_t{R} * outStride + size_t{x0} * Bytes;
                const size_t column = size_t{map.OldColumn(R, 0)} * Bytes;
                for (uint32_t i = 0; i < xCount; ++i, o += Bytes) {
                    std::memcpy(o, rows[i] + column, Bytes);
                }
            }
        }
    }
}

void RotatePacked(const ZImage& image, const Mapping& map, uint8_t* out, uint32_t outStride) {
    const uint32_t bits = image.GetBitsPerPixel();
    for (uint32_t R = 0; R < map.w; ++R) {
        uint8_t* o = out + size_t{R} * outStride;
        const uint32_t column = map.OldColumn(R, 0);
        for (uint32_t X = 0; X < map.h; ++X) {
            pixels::SetPackedIndex(
                o, bits, X, effects::PackedIndex(image.GetRow(map.OldRow(R, X)), bits, column));
        }
    }
}

bool Rotate(ZImage& image, bool clockwise) {
    if (!image.IsValid()) {
        return false;
    }
    const uint32_t w = image.GetWidth();
    const uint32_t h = image.GetHeight();
    const uint32_t bits = image.GetBitsPerPixel();
    const uint32_t outStride = ZImage::StrideFor(h, bits);
    const size_t outBytes = size_t{outStride} * w;
    std::unique_ptr<uint8_t, FreeDeleter> buffer(static_cast<uint8_t*>(std::malloc(outBytes)));
    if (!buffer) {
        return false;
    }
    image.FlushDrawing();
    const Mapping map{clockwise, w, h};
    switch (bits) {
        case 32:
            RotateWhole<4>(image, map, buffer.get(), outStride);
            break;
        case 24:
            RotateWhole<3>(image, map, buffer.get(), outStride);
            break;
        case 16:
            RotateWhole<2>(image, map, buffer.get(), outStride);
            break;
        case 8:
            RotateWhole<1>(image, map, buffer.get(), outStride);
            break;
        default:
            std::memset(buffer.get(), 0, outBytes);
            RotatePacked(image, map, buffer.get(), outStride);
            break;
    }
    // Row padding carries no meaning; keep it defined.
    const size_t used = (size_t{h} * bits + 7) / 8;
    if (used < outStride && bits >= 8) {
        for (uint32_t R = 0; R < w; ++R) {
            std::memset(buffer.get() + size_t{R} * outStride + used, 0, outStride - used);
        }
    }
    uint8_t palette[ZImage::kPaletteBytes];
    image.GetPalette(palette);
    const int32_t dpiX = image.dpiX;
    const int32_t dpiY = image.dpiY;
    const bool hasTransparentIndex = image.hasTransparentIndex;
    const uint8_t transparentIndex = image.transparentIndex;
    if (!image.CreateFromBits(h, w, bits, buffer.get(), palette)) {
        return false;
    }
    image.dpiX = dpiX;
    image.dpiY = dpiY;
    image.hasTransparentIndex = hasTransparentIndex;
    image.transparentIndex = transparentIndex;
    return true;
}

}  // namespace

bool RotateRight(ZImage& image) {
    return Rotate(image, true);
}

bool RotateLeft(ZImage& image) {
    return Rotate(image, false);
}

}  // namespace zentrova
