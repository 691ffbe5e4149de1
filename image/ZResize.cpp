// The dispatcher of the five filters and the image-level resize operations.
//
// Resizing a 32-bit image keeps its alpha apart: the alpha bytes are resampled with No Smoothing
// (whatever filter the colours use) and put back into the recreated 32-bit image.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "image/ZResample.h"
#include "image/ZResampleInternal.h"

namespace zentrova {

namespace {

using resample::ConstPlane;
using resample::Plane;
using resample::Scratch;

bool IsFilterDepth(int filter, uint32_t depth) {
    if (depth % 8 != 0 || depth == 0 || depth > 32) {
        return false;
    }
    switch (filter) {
        case kFilterNoSmoothing:
            return true;
        case kFilterBresenham:
        case kFilterBicubic:
        case kFilterGaussian:
            return depth >= 24;
        case kFilterBilinear:
            return depth == 24;
        default:
            return false;
    }
}

// Copies the alpha bytes of a 32-bit image into an 8-bit buffer of the image's size (8-bit
// stride).
bool ExtractAlpha(const ZImage& image, Scratch<uint8_t>& alpha) {
    const uint32_t width = image.GetWidth();
    const size_t stride = ZImage::StrideFor(width, 8);
    if (!alpha.Allocate(stride * image.GetHeight())) {
        return false;
    }
    for (uint32_t r = 0; r < image.GetHeight(); ++r) {
        const uint8_t* p = image.GetRow(r) + 3;
        uint8_t* out = alpha.Get() + r * stride;
        for (uint32_t x = 0; x < width; ++x, p += 4) {
            out[x] = *p;
        }
    }
    return true;
}

// The alpha of a 32-bit image resampled to width x height with No Smoothing.
bool ResampleAlpha(const ZImage& image, uint32_t width, uint32_t height,
                   Scratch<uint8_t>& resized) {
    Scratch<uint8_t> alpha;
    if (!ExtractAlpha(image, alpha) ||
        !resized.Allocate(size_t{ZImage::StrideFor(width, 8)} * height)) {
        return false;
    }
    return ResampleBuffer(resized.Get(), width, height, alpha.Get(), image.GetWidth(),
                          image.GetHeight(), 8, kFilterNoSmoothing);
}

// Recreates the image from the 24-bit pixels (and, when given, the 8-bit alpha) of
// width x height, keeping its resolution.
bool Recreate(ZImage& image, uint32_t width, uint32_t height, const uint8_t* pixels,
              const uint8_t* alpha) {
    const int32_t dpiX = image.dpiX;
    const int32_t dpiY = image.dpiY;
    if (alpha == nullptr) {
        if (!image.CreateFromBits(width, height, 24, pixels, nullptr)) {
            return false;
        }
    } else {
        if (!image.CreateForOverwrite(width, height, 32, nullptr)) {
            return false;
        }
        const size_t pixelStride = ZImage::StrideFor(width, 24);
        const size_t alphaStride = ZImage::StrideFor(width, 8);
        for (uint32_t r = 0; r < height; ++r) {
            const uint8_t* in = pixels + r * pixelStride;
            const uint8_t* a = alpha + r * alphaStride;
            uint8_t* out = image.GetRow(r);
            for (uint32_t x = 0; x < width; ++x, in += 3, out += 4) {
                out[0] = in[0];
                out[1] = in[1];
                out[2] = in[2];
                out[3] = a[x];
            }
        }
    }
    image.dpiX = dpiX;
    image.dpiY = dpiY;
    return true;
}

// W and H below 1 become 1; false when the new size is beyond the image limits.
bool NewSize(int32_t width, int32_t height, uint32_t& w, uint32_t& h) {
    w = width < 1 ? 1u : static_cast<uint32_t>(width);
    h = height < 1 ? 1u : static_cast<uint32_t>(height);
    return ZImage::IsSizeAcceptable(w, h, 32);
}

struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
};

}  // namespace

bool ResampleBuffer(uint8_t* destination, uint32_t width, uint32_t height, const uint8_t* source,
                    uint32_t sourceWidth, uint32_t sourceHeight, uint32_t depth, int filter) {
    if (destination == nullptr || source == nullptr || width == 0 || height == 0 ||
        sourceWidth == 0 || sourceHeight == 0 || !IsFilterDepth(filter, depth)) {
        return false;
    }
    const ConstPlane src = {source, sourceWidth, sourceHeight,
                            ZImage::StrideFor(sourceWidth, depth), depth / 8};
    const Plane dst = {destination, width, height, ZImage::StrideFor(width, depth), depth / 8};
    if (src.stride == 0 || dst.stride == 0) {
        return false;  // rows too long to address
    }
    if (width == sourceWidth && height == sourceHeight) {
        std::memcpy(destination, source, src.stride * sourceHeight);
        return true;
    }
    switch (filter) {
        case kFilterNoSmoothing:
            return resample::ResampleNearest(src, dst);
        case kFilterBresenham:
            return resample::ResampleBresenham(src, dst);
        case kFilterBicubic:
            return resample::ResampleBicubic(src, dst);
        case kFilterGaussian:
            return resample::ResampleGaussian(src, dst);
        default:
            return resample::ResampleBilinear(src, dst);
    }
}

bool Resize(ZImage& image, int32_t width, int32_t height, int filter) {
    uint32_t w = 0, h = 0;
    if (!image.IsValid() || filter < kFilterNoSmoothing || filter > kFilterBilinear ||
        !NewSize(width, height, w, h)) {
        return false;
    }
    image.FlushDrawing();
    // The source pixels: the image's own memory at 24 bits, a 24-bit copy otherwise.
    std::unique_ptr<uint8_t, FreeDeleter> converted;
    const uint8_t* source = image.GetBits();
    if (image.GetBitsPerPixel() != 24) {
        converted.reset(image.GetBitsAs(24));
        if (!converted) {
            return false;
        }
        source = converted.get();
    }
    Scratch<uint8_t> alpha;
    if (image.GetBitsPerPixel() == 32 && !ResampleAlpha(image, w, h, alpha)) {
        return false;
    }
    Scratch<uint8_t> pixels;
    if (!pixels.Allocate(size_t{ZImage::StrideFor(w, 24)} * h) ||
        !ResampleBuffer(pixels.Get(), w, h, source, image.GetWidth(), image.GetHeight(), 24,
                        filter)) {
        return false;
    }
    return Recreate(image, w, h, pixels.Get(),
                    image.GetBitsPerPixel() == 32 ? alpha.Get() : nullptr);
}

bool ResizeForDisplay(ZImage& image, int32_t width, int32_t height) {
    uint32_t w = 0, h = 0;
    if (!image.IsValid() || !NewSize(width, height, w, h)) {
        return false;
    }
    image.FlushDrawing();
    Scratch<uint8_t> alpha;
    if (image.GetBitsPerPixel() == 32 && !ResampleAlpha(image, w, h, alpha)) {
        return false;
    }
    uint8_t palette[ZImage::kPaletteBytes] = {};
    image.GetPalette(palette);
    Scratch<uint8_t> pixels;
    if (!pixels.Allocate(size_t{ZImage::StrideFor(w, 24)} * h) ||
        !AreaAverageBuffer(pixels.Get(), w, h, image.GetBits(), image.GetWidth(), image.GetHeight(),
                           image.GetBitsPerPixel(), palette)) {
        return false;
    }
    return Recreate(image, w, h, pixels.Get(),
                    image.GetBitsPerPixel() == 32 ? alpha.Get() : nullptr);
}

}  // namespace zentrova
