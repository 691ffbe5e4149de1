#include "tests/codecs/PngReference.h"

#include <csetjmp>
#include <cstring>

#include <png.h>

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
bool Decode(MemorySource* source, PngPicture& out) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, source, ReadFromMemory);
    png_read_info(png, info);
    if (png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    out.width = png_get_image_width(png, info);
    out.height = png_get_image_height(png, info);
    if (png_get_rowbytes(png, info) != size_t{out.width} * 4) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    out.rgba.resize(size_t{out.width} * out.height * 4);
    for (uint32_t y = 0; y < out.height; ++y) {
        png_read_row(png, out.rgba.data() + size_t{y} * out.width * 4, nullptr);
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

}  // namespace

bool ReadPngReference(const std::wstring& path, PngPicture& out) {
    out = PngPicture{};
    const std::string bytes = ReadWholeFile(path);
    if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8)) {
        return false;
    }
    MemorySource source{&bytes, 0};
    return Decode(&source, out);
}

}  // namespace zentrova::test
