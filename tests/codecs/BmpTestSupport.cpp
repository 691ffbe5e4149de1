#include "tests/codecs/BmpTestSupport.h"

#include "core/ZError.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {

std::string U16(uint32_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

std::string U32(uint32_t v) {
    return U16(v & 0xFFFF) + U16(v >> 16);
}

uint32_t FieldAt(const std::string& bytes, size_t at, int size) {
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) {
        v = (v << 8) | (at + i < bytes.size() ? static_cast<uint8_t>(bytes[at + i]) : 0u);
    }
    return v;
}

std::string Bytes(std::initializer_list<int> bytes) {
    std::string out;
    for (int b : bytes) {
        out.push_back(static_cast<char>(b & 0xFF));
    }
    return out;
}

std::string PadRows(const std::vector<std::string>& rows) {
    std::string out;
    for (const std::string& row : rows) {
        out += row;
        out.append((4 - row.size() % 4) % 4, '\0');
    }
    return out;
}

std::string BuildBmp(const BmpLayout& layout) {
    std::string info(layout.headerSize, '\0');
    const auto put = [&info](size_t at, const std::string& bytes) {
        for (size_t i = 0; i < bytes.size() && at + i < info.size(); ++i) {
            info[at + i] = bytes[i];
        }
    };
    put(0, U32(layout.headerSizeOverride >= 0 ? static_cast<uint32_t>(layout.headerSizeOverride)
                                              : layout.headerSize));
    const bool core = layout.headerSize == 12;
    std::string afterHeader;
    if (core) {
        put(4, U16(static_cast<uint32_t>(layout.width)));
        put(6, U16(static_cast<uint32_t>(layout.height)));
        put(8, U16(1));
        put(10, U16(layout.bitCount));
    } else {
        put(4, U32(static_cast<uint32_t>(layout.width)));
        put(8, U32(static_cast<uint32_t>(layout.height)));
        put(12, U16(1));
        put(14, U16(layout.bitCount));
        put(16, U32(layout.compression));
        put(20, U32(static_cast<uint32_t>(layout.pixels.size())));
        put(24, U32(static_cast<uint32_t>(layout.ppmX)));
        put(28, U32(static_cast<uint32_t>(layout.ppmY)));
        put(32, U32(static_cast<uint32_t>(layout.palette.size())));
        if (layout.headerSize >= 52) {
            for (size_t i = 0; i < layout.masks.size() && i < 4; ++i) {
                put(40 + 4 * i, U32(layout.masks[i]));
            }
        } else if (layout.compression == 3) {
            for (size_t i = 0; i < layout.masks.size() && i < 3; ++i) {
                afterHeader += U32(layout.masks[i]);
            }
        }
    }
    std::string table;
    for (const Rgb& c : layout.palette) {
        table.push_back(static_cast<char>(c.b));
        table.push_back(static_cast<char>(c.g));
        table.push_back(static_cast<char>(c.r));
        if (!core) {
            table.push_back('\0');
        }
    }
    const std::string beforePixels = info + afterHeader + table + layout.gapBeforePixels;
    const uint32_t offset = layout.pixelOffsetOverride >= 0
                                ? static_cast<uint32_t>(layout.pixelOffsetOverride)
                                : static_cast<uint32_t>(14 + beforePixels.size());
    const std::string body = beforePixels + layout.pixels;
    return U16(layout.signature) + U32(static_cast<uint32_t>(14 + body.size())) + U32(0) +
           U32(offset) + body;
}

BmpLayout Layout(int32_t width, int32_t height, uint16_t bitCount, const std::string& pixels,
                 uint32_t compression, const std::vector<Rgb>& palette) {
    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitCount = bitCount;
    layout.pixels = pixels;
    layout.compression = compression;
    layout.palette = palette;
    return layout;
}

namespace {

uint32_t MemoryRow(const ZImage& image, uint32_t y) {
    return image.GetHeight() - 1 - y;
}

}  // namespace

uint8_t IndexAt(const ZImage& image, uint32_t x, uint32_t y) {
    return image.GetPixelIndex(x, MemoryRow(image, y));
}

Rgb PaletteAt(const ZImage& image, int i) {
    const uint8_t* e = image.GetPaletteEntryBgr(i);
    return Rgb{e[2], e[1], e[0]};
}

Rgb ColorAt(const ZImage& image, uint32_t x, uint32_t y) {
    const uint8_t bits = image.GetBitsPerPixel();
    if (bits <= 8) {
        return PaletteAt(image, IndexAt(image, x, y));
    }
    const uint8_t* row = image.GetRow(MemoryRow(image, y));
    const uint8_t* p = row + x * (bits / 8);
    return Rgb{p[2], p[1], p[0]};
}

uint8_t AlphaAt(const ZImage& image, uint32_t x, uint32_t y) {
    return image.GetRow(MemoryRow(image, y))[4 * x + 3];
}

uint16_t WordAt(const ZImage& image, uint32_t x, uint32_t y) {
    const uint8_t* p = image.GetRow(MemoryRow(image, y)) + 2 * x;
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

const uint8_t kDocumentedWiden5[32] = {0,   8,   16,  25,  33,  41,  49,  58,  66,  74,  82,
                                       90,  99,  107, 115, 123, 132, 140, 148, 156, 165, 173,
                                       181, 189, 197, 206, 214, 222, 230, 239, 247, 255};

std::string ReadErrorLog() {
    return ReadWholeFile(kErrorLogFileName);
}

std::string LastLogLine() {
    const std::string log = ReadErrorLog();
    if (log.size() < 2) {
        return std::string();
    }
    const size_t start = log.rfind('\n', log.size() - 2);
    return log.substr(start == std::string::npos ? 0 : start + 1);
}

}  // namespace zentrova::test
