#include "tests/codecs/CodecTestSupport.h"

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <filesystem>

#include <png.h>

#include "core/ZError.h"

namespace zentrova::test {

uint8_t IndexAt(const ZImage& image, uint32_t x, uint32_t y) {
    return image.GetPixelIndex(x, image.GetHeight() - 1 - y);
}

Rgb PaletteAt(const ZImage& image, int i) {
    const uint8_t* e = image.GetPaletteEntryBgr(i);
    return Rgb{e[2], e[1], e[0]};
}

Rgb ColorAt(const ZImage& image, uint32_t x, uint32_t y) {
    if (image.GetBitsPerPixel() <= 8) {
        return PaletteAt(image, IndexAt(image, x, y));
    }
    const uint8_t* p = PixelAt(image, x, y);
    return Rgb{p[2], p[1], p[0]};
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes) {
        out.push_back(static_cast<char>(b & 0xFF));
    }
    return out;
}

uint32_t FieldAt(const std::string& bytes, size_t at, int size) {
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) {
        v = (v << 8) | (at + i < bytes.size() ? static_cast<uint8_t>(bytes[at + i]) : 0u);
    }
    return v;
}

std::string ReadErrorLog() {
    return ReadWholeFile(kErrorLogFileName);
}

std::string LastLogLine() {
    const std::string log = ReadErrorLog();
    const size_t start = log.size() < 2 ? std::string::npos : log.rfind('\n', log.size() - 2);
    return log.size() < 2 ? std::string() : log.substr(start == std::string::npos ? 0 : start + 1);
}

std::vector<std::string> FilesOf(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(TestDataPath(folder)), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() >= suffix.size() &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

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

// Only plain data lives in this frame, so a longjmp out of libpng skips no destructor.
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
    const size_t rowBytes = png_get_rowbytes(png, info);
    out.sampleBytes = png_get_bit_depth(png, info) == 16 ? 2 : 1;
    for (uint32_t y = 0; y < out.height; ++y) {
        out.rows.emplace_back(png_get_rows(png, info)[y], png_get_rows(png, info)[y] + rowBytes);
    }
    png_colorp palette = nullptr;
    png_bytep trans = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &palette, &count)) {
        out.palette.assign(&palette[0].red, &palette[0].red + 3 * count);
    }
    if (png_get_tRNS(png, info, &trans, &count, nullptr) && trans != nullptr &&
        out.colourType == PNG_COLOR_TYPE_PALETTE) {
        out.transAlpha.assign(trans, trans + count);
    }
    png_uint_32 physX = 0, physY = 0;
    out.hasPhys = png_get_pHYs(png, info, &physX, &physY, &out.physUnit) != 0;
    out.physX = physX, out.physY = physY;
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

}  // namespace zentrova::test
