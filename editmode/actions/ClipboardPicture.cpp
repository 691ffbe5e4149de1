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

uint32_t Get(const uint8_t* bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value |= uint32_t{bytes[at + static_cast<size_t>(i)]} << (8 * i);
    }
    return value;
}

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kInfoHeaderBytes = 40;

}  // namespace

bool ReadPackedDib(const uint8_t* bytes, size_t size, ZImage& picture) {
    if (bytes == nullptr || size < kInfoHeaderBytes) {
        return false;
    }
    const uint32_t headerBytes = Get(bytes, 0, 4);
    const auto width = static_cast<int32_t>(Get(bytes, 4, 4));
    const auto rawHeight = static_cast<int32_t>(Get(bytes, 8, 4));
    const uint32_t bits = Get(bytes, 14, 2);
    const uint32_t compression = Get(bytes, 16, 4);
    if (headerBytes < kInfoHeaderBytes || headerBytes > size || width < 1 || rawHeight == 0 ||
        rawHeight == INT32_MIN || (bits != 24 && bits != 32)) {
        return false;
    }
    size_t offset = headerBytes;
    if (compression == kBiBitfields) {
        if (bits != 32) {
            return false;
        }
        // A BITMAPINFOHEADER keeps its three masks after itself; later headers inside.
        const size_t masksAt = headerBytes == kInfoHeaderBytes ? kInfoHeaderBytes : 40;
        if (masksAt + 12 > size || Get(bytes, masksAt, 4) != 0x00FF0000 ||
            Get(bytes, masksAt + 4, 4) != 0x0000FF00 || Get(bytes, masksAt + 8, 4) != 0x000000FF) {
            return false;
        }
        if (headerBytes == kInfoHeaderBytes) {
            offset += 12;
        }
    } else if (compression != kBiRgb) {
        return false;
    }
    const bool topDown = rawHeight < 0;
    const uint32_t height = static_cast<uint32_t>(topDown ? -int64_t{rawHeight} : rawHeight);
    const uint32_t stride = ZImage::StrideFor(static_cast<uint32_t>(width), bits);
    if (stride == 0 || !ZImage::IsSizeAcceptable(static_cast<uint32_t>(width), height, 24) ||
        (size - offset) / stride < height ||
        !picture.CreateForOverwrite(static_cast<uint32_t>(width), height, 24, nullptr)) {
        return false;
    }
    const size_t step = bits / 8;
    for (uint32_t r = 0; r < height; ++r) {
        const uint8_t* from = bytes + offset + size_t{stride} * (topDown ? height - 1 - r : r);
        uint8_t* to = picture.GetRow(r);
        for (int32_t x = 0; x < width; ++x) {
            std::memcpy(to + 3 * size_t(x), from + step * size_t(x), 3);
        }
    }
    return true;
}

bool ReadPngBytes(const uint8_t* bytes, size_t size, ZImage& picture) {
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    if (bytes == nullptr || !png_image_begin_read_from_memory(&image, bytes, size)) {
        return false;
    }
    image.format = PNG_FORMAT_BGR;
    if (!ZImage::IsSizeAcceptable(image.width, image.height, 24) ||
        !picture.CreateForOverwrite(image.width, image.height, 24, nullptr)) {
        png_image_free(&image);
        return false;
    }
    // White behind transparent pixels, as the picture is pasted onto paper.
    png_color background{255, 255, 255};
    const auto stride = -static_cast<png_int_32>(picture.GetStride());
    const bool ok =
        png_image_finish_read(&image, &background, picture.GetBits(), stride, nullptr) != 0;
    png_image_free(&image);
    if (!ok) {
        picture.Destroy();
    }
    return ok;
}

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

namespace {

// The PNG writer's state between the library's frames: plain data only, as the library leaves
// by a long jump on errors.
struct PngSink {
    uint8_t* data = nullptr;
    size_t size = 0;
    size_t capacity = 0;
    bool full = false;
};

void WritePngBytes(png_structp png, png_bytep bytes, png_size_t count) {
    auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
    if (sink->full || count > sink->capacity - sink->size) {
        sink->full = true;
        png_error(png, "buffer full");
    }
    std::memcpy(sink->data + sink->size, bytes, count);
    sink->size += count;
}

void FlushPngBytes(png_structp) {}

// Up to this many bytes of rows the PNG is compressed (zlib level 1, a few tens of milliseconds);
// beyond, it is stored uncompressed, so that copying a 4K picture stays well under 150 ms.
constexpr size_t kCompressedPngBytes = size_t{8} << 20;

// Writes the rows (top row first) of width x height pixels of the given depth into sink, without
// row filters, at zlib level `level`. False on any error.
bool WriteFastPng(PngSink& sink, const uint8_t* const* rows, uint32_t width, uint32_t height,
                  uint32_t bits, int level) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &sink, WritePngBytes, FlushPngBytes);
    png_set_IHDR(png, info, width, height, 8, bits == 32 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, level);
    png_write_info(png, info);
    png_set_bgr(png);
    png_write_rows(png, const_cast<png_bytepp>(rows), height);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool MakePngBytes(const ZImage& picture, std::vector<uint8_t>& out) {
    const uint32_t bits = picture.GetBitsPerPixel();
    if (!picture.IsValid() || (bits != 24 && bits != 32)) {
        return false;
    }
    picture.FlushDrawing();
    // The picture's rows top first; a buffer of the largest size the PNG can have (a filter byte
    // per row, stored or barely compressible deflate blocks with their headers, 12 bytes around
    // every 8 KB chunk, the chunks before and after).
    const uint32_t height = picture.GetHeight();
    std::vector<const uint8_t*> rows(height);
    for (uint32_t y = 0; y < height; ++y) {
        rows[y] = picture.GetRow(height - 1 - y);
    }
    const size_t rowBytes = size_t{picture.GetWidth()} * (bits / 8) + 1;
    const size_t raw = rowBytes * height;
    out.resize(raw + raw / 512 + 65536);
    PngSink sink;
    sink.data = out.data();
    sink.capacity = out.size();
    const bool ok = WriteFastPng(sink, rows.data(), picture.GetWidth(), height, bits,
                                 raw <= kCompressedPngBytes ? 1 : 0);
    out.resize(ok ? sink.size : 0);
    return ok;
}

}  // namespace zentrova
