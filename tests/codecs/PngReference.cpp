#include "tests/codecs/PngReference.h"

#include <csetjmp>
#include <cstring>

#include "tests/support/TempFolder.h"

namespace zentrova::test {

namespace {

struct MemorySource {
    const std::string* bytes;
    size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep data, png_size_t length) {
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (source->pos + length > source->bytes->size()) {
        png_error(png, "read past the end of the data");
    }
    std::memcpy(data, source->bytes->data() + source->pos, length);
    source->pos += length;
}

// Decodes with libpng; only plain data lives in this frame, so a longjmp out of libpng skips
// no destructor.
bool Read(MemorySource* source, int transforms, png_structp* pngOut, png_infop* infoOut) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png == nullptr ? nullptr : png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, source, ReadFromMemory);
    png_read_png(png, info, transforms, nullptr);
    *pngOut = png;
    *infoOut = info;
    return true;
}

}  // namespace

bool DecodePng(const std::wstring& path, int transforms, DecodedPng& out) {
    out = DecodedPng{};
    const std::string bytes = ReadWholeFile(path);
    MemorySource source{&bytes, 0};
    png_structp png = nullptr;
    png_infop info = nullptr;
    if (bytes.size() < 26 || !Read(&source, transforms, &png, &info)) {
        return false;
    }
    out.width = png_get_image_width(png, info);
    out.height = png_get_image_height(png, info);
    out.bitDepth = static_cast<uint8_t>(bytes[24]);
    out.colourType = static_cast<uint8_t>(bytes[25]);
    out.interlace = png_get_interlace_type(png, info);
    out.channels = png_get_channels(png, info);
    png_bytepp rows = png_get_rows(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    for (uint32_t y = 0; y < out.height; ++y) {
        out.rows.emplace_back(rows[y], rows[y] + rowBytes);
    }
    png_colorp palette = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &palette, &count)) {
        out.palette.assign(palette, palette + count);
    }
    png_bytep trans = nullptr;
    if (png_get_tRNS(png, info, &trans, &count, nullptr) && trans != nullptr &&
        out.colourType == PNG_COLOR_TYPE_PALETTE) {
        out.transAlpha.assign(trans, trans + count);
    }
    out.hasPhys = png_get_pHYs(png, info, &out.physX, &out.physY, &out.physUnit) != 0;
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

bool ReadPngReference(const std::wstring& path, PngPicture& out) {
    out = PngPicture{};
    DecodedPng png;
    if (!DecodePng(path, PNG_TRANSFORM_EXPAND | PNG_TRANSFORM_SCALE_16 | PNG_TRANSFORM_GRAY_TO_RGB,
                   png)) {
        return false;
    }
    out.width = png.width;
    out.height = png.height;
    for (const auto& row : png.rows) {
        for (uint32_t x = 0; x < png.width; ++x) {
            const uint8_t* p = &row[size_t{x} * png.channels];
            out.rgba.insert(out.rgba.end(),
                            {p[0], p[1], p[2], png.channels == 4 ? p[3] : uint8_t{255}});
        }
    }
    return true;
}

}  // namespace zentrova::test
