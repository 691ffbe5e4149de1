// Portable pixel logic of ZImage. The platform attachment lives in ZImage_win.cpp (DIB section and
// memory device context) or ZImage_mem.cpp (plain memory, native build).
#include "image/ZImage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

#include "image/ZImagePixels.h"

namespace zentrova {

namespace {

struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
};
using OwnedBuffer = std::unique_ptr<uint8_t, FreeDeleter>;

uint8_t* AllocateBuffer(size_t bytes) {
    return static_cast<uint8_t*>(std::malloc(bytes == 0 ? 1 : bytes));
}

bool IsDirectDepth(uint32_t bits) {
    return bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

ZImage::~ZImage() {
    Destroy();
}

// Queries ----------------------------------------------------------------------------------------

uint32_t ZImage::StrideFor(uint32_t width, uint32_t bitsPerPixel) {
    const uint64_t bitsPerRow = uint64_t{width} * bitsPerPixel;
    const uint64_t stride = ((bitsPerRow + 31) / 32) * 4;
    return stride > UINT32_MAX ? 0 : static_cast<uint32_t>(stride);
}

uint8_t ZImage::RoundBitsPerPixel(uint32_t requestedBits) {
    if (requestedBits <= 1)
        return 1;
    if (requestedBits <= 4)
        return 4;
    if (requestedBits <= 8)
        return 8;
    if (requestedBits <= 16)
        return 16;
    if (requestedBits <= 24)
        return 24;
    return 32;
}

bool ZImage::IsSizeAcceptable(uint32_t width, uint32_t height, uint32_t bitsPerPixel) {
    if (width < 1 || height < 1) {
        return false;
    }
    if (uint64_t{width} * height > kMaxPixels) {
        return false;
    }
    const uint32_t stride = StrideFor(width, RoundBitsPerPixel(bitsPerPixel));
    if (stride == 0) {
        return false;
    }
    // With at most 2^28 pixels of at most 4 bytes plus row padding the product stays below 2^31,
    // but it is checked against size_t all the same.
    const uint64_t bytes = uint64_t{stride} * height;
    return bytes <= SIZE_MAX && bytes <= (uint64_t{1} << 32);
}

uint8_t* ZImage::GetRow(uint32_t r) {
    if (m_bits == nullptr || r >= m_height) {
        return nullptr;
    }
    return m_bits + static_cast<size_t>(r) * m_stride;
}

const uint8_t* ZImage::GetRow(uint32_t r) const {
    return const_cast<ZImage*>(this)->GetRow(r);
}

uint8_t ZImage::GetPixelIndex(uint32_t x, uint32_t r) const {
    if (!m_valid || m_bitsPerPixel > 8 || x >= m_width || r >= m_height) {
        return 0;
    }
    FlushDrawing();
    const uint8_t* row = GetRow(r);
    switch (m_bitsPerPixel) {
        case 8:
            return row[x];
        case 4:
            return (x & 1) ? (row[x / 2] & 0x0F) : (row[x / 2] >> 4);
        default:
            return (row[x / 8] >> (7 - (x & 7))) & 1;
    }
}

bool ZImage::GetPalette(uint8_t* rgbOut) const {
    if (!m_valid || rgbOut == nullptr) {
        return false;
    }
    for (int i = 0; i < kPaletteEntries; ++i) {
        rgbOut[3 * i + 0] = m_palette[3 * i + 2];
        rgbOut[3 * i + 1] = m_palette[3 * i + 1];
        rgbOut[3 * i + 2] = m_palette[3 * i + 0];
    }
    return true;
}

// Creation ---------------------------------------------------------------------------------------

void ZImage::ClearFields() {
    m_width = m_height = 0;
    m_bitsPerPixel = 0;
    m_stride = 0;
    m_bits = nullptr;
    std::memset(m_palette, 0, sizeof m_palette);
    m_paletteHandle = nullptr;
    m_bitmapHandle = nullptr;
    m_previousBitmap = nullptr;
    m_dc = nullptr;
    dpiX = dpiY = 0;
    hasTransparentIndex = false;
    transparentIndex = 0;
    m_valid = false;
}

bool ZImage::CreateEmpty(uint32_t width, uint32_t height, uint32_t requestedBits,
                         const uint8_t* palette) {
    const uint8_t bits = RoundBitsPerPixel(requestedBits);
    if (!IsSizeAcceptable(width, height, bits) || (bits <= 8 && palette == nullptr)) {
        Destroy();
        return false;
    }
    // Re-creating an image at its own size and depth keeps the pixel memory it already owns:
    // the result is the same as releasing and allocating again, without the cost of fresh pages.
    const bool reuse = m_valid && m_bits != nullptr && m_width == width && m_height == height &&
                       m_bitsPerPixel == bits;
    if (!reuse) {
        Destroy();
        m_width = width;
        m_height = height;
        m_bitsPerPixel = bits;
        m_stride = StrideFor(width, bits);
    }
    dpiX = dpiY = 96;
    hasTransparentIndex = false;
    transparentIndex = 0;
    std::memset(m_palette, 0, sizeof m_palette);
    if (bits <= 8) {
        for (int i = 0; i < kPaletteEntries; ++i) {
            m_palette[3 * i + 0] = palette[3 * i + 2];
            m_palette[3 * i + 1] = palette[3 * i + 1];
            m_palette[3 * i + 2] = palette[3 * i + 0];
        }
    }
    if (reuse) {
        UploadColorTable();
        return true;
    }
    if (!AttachPixelMemory()) {
        ReleasePixelMemory();
        ClearFields();
        return false;
    }
    m_valid = true;
    return true;
}

bool ZImage::Create(uint32_t width, uint32_t height, uint32_t requestedBits, ZColor fillColour,
                    const uint8_t* palette) {
    if (!CreateEmpty(width, height, requestedBits, palette)) {
        return false;
    }
    return Fill(fillColour);
}

bool ZImage::CreateForOverwrite(uint32_t width, uint32_t height, uint32_t requestedBits,
                                const uint8_t* palette) {
    return CreateEmpty(width, height, requestedBits, palette);
}

bool ZImage::CreateFromBits(uint32_t width, uint32_t height, uint32_t requestedBits,
                            const uint8_t* bits, const uint8_t* palette) {
    if (bits == nullptr) {
        Destroy();
        return false;
    }
    if (!CreateEmpty(width, height, requestedBits, palette)) {
        return false;
    }
    std::memcpy(m_bits, bits, GetPixelMemorySize());
    return true;
}

bool ZImage::CopyFrom(const ZImage& source) {
    if (!source.m_valid || &source == this) {
        return &source == this && m_valid;
    }
    uint8_t palette[kPaletteBytes];
    source.GetPalette(palette);
    if (!CreateEmpty(source.m_width, source.m_height, source.m_bitsPerPixel, palette)) {
        return false;
    }
    dpiX = source.dpiX;
    dpiY = source.dpiY;
    if (source.hasTransparentIndex) {
        hasTransparentIndex = true;
        transparentIndex = source.transparentIndex;
    }
    source.FlushDrawing();
    std::memcpy(m_bits, source.m_bits, GetPixelMemorySize());
    return true;
}

void ZImage::Swap(ZImage& other) noexcept {
    std::swap(m_width, other.m_width);
    std::swap(m_height, other.m_height);
    std::swap(m_bitsPerPixel, other.m_bitsPerPixel);
    std::swap(m_stride, other.m_stride);
    std::swap(m_bits, other.m_bits);
    std::swap(m_palette, other.m_palette);
    std::swap(m_paletteHandle, other.m_paletteHandle);
    std::swap(m_bitmapHandle, other.m_bitmapHandle);
    std::swap(m_previousBitmap, other.m_previousBitmap);
    std::swap(m_dc, other.m_dc);
    std::swap(m_valid, other.m_valid);
    std::swap(dpiX, other.dpiX);
    std::swap(dpiY, other.dpiY);
    std::swap(hasTransparentIndex, other.hasTransparentIndex);
    std::swap(transparentIndex, other.transparentIndex);
}

bool ZImage::Destroy() {
    const bool wasValid = m_valid || m_bits != nullptr;
    ReleasePixelMemory();
    ClearFields();
    return wasValid;
}

// Pixel operations -------------------------------------------------------------------------------

bool ZImage::Fill(ZColor colour) {
    return FillRect(0, 0, int32_t(m_width), int32_t(m_height), colour);
}

bool ZImage::FillRect(int32_t x, int32_t y, int32_t w, int32_t h, ZColor colour) {
    if (!m_valid) {
        return false;
    }
    // Clip in 64 bits so that huge or negative rectangles cannot overflow.
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t{x} + std::max(w, 0), m_width);
    const int64_t bottom = std::min<int64_t>(int64_t{y} + std::max(h, 0), m_height);
    if (left >= right || top >= bottom) {
        return true;
    }
    FlushDrawing();
    const uint8_t red = colour & 0xFF;
    const uint8_t green = (colour >> 8) & 0xFF;
    const uint8_t blue = (colour >> 16) & 0xFF;
    const auto x0 = static_cast<uint32_t>(left);
    const auto count = static_cast<uint32_t>(right - left);

    // Build the first row's span once, then copy it into the other rows.
    const uint32_t firstMemoryRow = m_height - 1 - static_cast<uint32_t>(top);
    uint8_t* first = GetRow(firstMemoryRow);
    size_t spanOffset = 0;
    size_t spanBytes = 0;
    switch (m_bitsPerPixel) {
        case 32:
        case 24: {
            const uint32_t bpp = m_bitsPerPixel / 8;
            uint8_t* p = first + size_t{x0} * bpp;
            if (bpp == 4) {
                const uint32_t word = blue | (green << 8) | (uint32_t{red} << 16);  // alpha 0
                for (uint32_t i = 0; i < count; ++i) {
                    std::memcpy(p + 4 * i, &word, 4);
                }
            } else {
                for (uint32_t i = 0; i < count; ++i, p += 3) {
                    p[0] = blue, p[1] = green, p[2] = red;
                }
            }
            spanOffset = size_t{x0} * bpp;
            spanBytes = size_t{count} * bpp;
            break;
        }
        case 16: {
            const uint16_t v = pixels::Pack555(blue, green, red);
            uint8_t* p = first + size_t{x0} * 2;
            for (uint32_t i = 0; i < count; ++i, p += 2) {
                p[0] = static_cast<uint8_t>(v), p[1] = static_cast<uint8_t>(v >> 8);
            }
            spanOffset = size_t{x0} * 2;
            spanBytes = size_t{count} * 2;
            break;
        }
        default: {
            const uint8_t index =
                pixels::NearestPaletteIndex(m_palette, 1 << m_bitsPerPixel, blue, green, red);
            if (m_bitsPerPixel == 8) {
                std::memset(first + x0, index, count);
                spanOffset = x0;
                spanBytes = count;
            } else if (x0 == 0 && count == m_width) {
                // Whole packed rows: the row's bytes (padding included) are all the same.
                const uint8_t byte = m_bitsPerPixel == 4 ? static_cast<uint8_t>(index * 0x11)
                                                         : static_cast<uint8_t>(index ? 0xFF : 0);
                std::memset(first, byte, m_stride);
                spanBytes = m_stride;
            } else {
                for (uint32_t i = 0; i < count; ++i) {
                    pixels::SetPackedIndex(first, m_bitsPerPixel, x0 + i, index);
                }
            }
            break;
        }
    }
    if (x0 == 0 && count == m_width) {
        // Whole rows: clear the padding too, so that no stale memory ever reaches a file.
        const size_t used = (size_t{m_width} * m_bitsPerPixel + 7) / 8;
        if (spanBytes > 0 && spanBytes < m_stride) {
            std::memset(first + used, 0, m_stride - used);
            spanOffset = 0;
            spanBytes = m_stride;
        }
    }
    const auto rows = static_cast<uint32_t>(bottom - top);
    for (uint32_t i = 1; i < rows; ++i) {
        uint8_t* row = GetRow(firstMemoryRow - i);
        if (spanBytes > 0) {
            std::memcpy(row + spanOffset, first + spanOffset, spanBytes);
        } else {
            // A packed span that starts or ends inside a byte: set its pixels one by one.
            const uint8_t index = GetPixelIndex(x0, firstMemoryRow);
            for (uint32_t c = 0; c < count; ++c) {
                pixels::SetPackedIndex(row, m_bitsPerPixel, x0 + c, index);
            }
        }
    }
    return true;
}

bool ZImage::SetColorTable(const uint8_t* entries, int count) {
    if (!m_valid || entries == nullptr || count < 0 || m_bitsPerPixel > 8) {
        return false;
    }
    count = std::min(count, kPaletteEntries);
    for (int i = 0; i < count; ++i) {
        m_palette[3 * i + 0] = entries[4 * i + 0];
        m_palette[3 * i + 1] = entries[4 * i + 1];
        m_palette[3 * i + 2] = entries[4 * i + 2];
    }
    UploadColorTable();
    return true;
}

uint8_t* ZImage::GetBitsAs(uint32_t bits) const {
    if (!m_valid || !IsDirectDepth(bits)) {
        return nullptr;
    }
    const uint32_t stride = StrideFor(m_width, bits);
    uint8_t* buffer = AllocateBuffer(size_t{stride} * m_height);
    if (buffer == nullptr) {
        return nullptr;
    }
    FlushDrawing();
    if (bits == m_bitsPerPixel) {
        std::memcpy(buffer, m_bits, GetPixelMemorySize());
        return buffer;
    }
    for (uint32_t r = 0; r < m_height; ++r) {
        pixels::ConvertRowToDirect(GetRow(r), m_bitsPerPixel, m_palette, m_width,
                                   buffer + size_t{r} * stride, bits);
    }
    return buffer;
}

uint8_t* ZImage::GetRowAs(uint32_t bits, uint32_t r) const {
    if (!m_valid || !IsDirectDepth(bits) || r >= m_height) {
        return nullptr;
    }
    uint8_t* buffer = AllocateBuffer(StrideFor(m_width, bits));
    if (buffer == nullptr) {
        return nullptr;
    }
    FlushDrawing();
    pixels::ConvertRowToDirect(GetRow(r), m_bitsPerPixel, m_palette, m_width, buffer, bits);
    return buffer;
}

bool ZImage::SetBitsFrom(uint32_t bits, const uint8_t* buffer) {
    if (!m_valid || !IsDirectDepth(bits) || buffer == nullptr) {
        return false;
    }
    const uint32_t stride = StrideFor(m_width, bits);
    FlushDrawing();
    for (uint32_t r = 0; r < m_height; ++r) {
        pixels::ConvertRowFromDirect(buffer + size_t{r} * stride, bits, m_width, GetRow(r),
                                     m_bitsPerPixel, m_palette);
    }
    return true;
}

bool ZImage::SetRowFrom(uint32_t bits, uint32_t r, const uint8_t* buffer) {
    if (!m_valid || !IsDirectDepth(bits) || buffer == nullptr || r >= m_height) {
        return false;
    }
    FlushDrawing();
    pixels::ConvertRowFromDirect(buffer, bits, m_width, GetRow(r), m_bitsPerPixel, m_palette);
    return true;
}

bool ZImage::SetBitDepth(uint32_t bits) {
    if (!m_valid) {
        return false;
    }
    // 16 behaves as 24 with the 16-bit conversion: only 16, 24 and 32 are targets.
    if (!IsDirectDepth(bits)) {
        return false;
    }
    if (bits == m_bitsPerPixel) {
        return true;
    }
    const int32_t keepDpiX = dpiX, keepDpiY = dpiY;
    if (bits < m_bitsPerPixel) {
        OwnedBuffer converted(GetBitsAs(bits));
        if (!converted) {
            return false;
        }
        const uint32_t width = m_width, height = m_height;
        if (!CreateFromBits(width, height, bits, converted.get(), nullptr)) {
            return false;
        }
        dpiX = keepDpiX, dpiY = keepDpiY;
        return true;
    }
    ZImage copy;
    if (!copy.CopyFrom(*this)) {
        return false;
    }
    if (!CreateEmpty(copy.m_width, copy.m_height, bits, nullptr)) {
        return false;
    }
    dpiX = keepDpiX, dpiY = keepDpiY;
    const bool keyed = bits == 32 && copy.hasTransparentIndex && copy.m_bitsPerPixel <= 8;
    for (uint32_t r = 0; r < m_height; ++r) {
        uint8_t* row = GetRow(r);
        pixels::ConvertRowToDirect(copy.GetRow(r), copy.m_bitsPerPixel, copy.m_palette, m_width,
                                   row, bits);
        if (bits == 32) {
            for (uint32_t x = 0; x < m_width; ++x) {
                row[4 * x + 3] =
                    keyed && copy.GetPixelIndex(x, r) == copy.transparentIndex ? 0 : 255;
            }
        }
    }
    return true;
}

bool ZImage::FlipVertical() {
    if (!m_valid || m_bits == nullptr) {
        return false;
    }
    FlushDrawing();
    // Rows are exchanged in place through registers, 32 bytes at a time: one pass over the
    // memory and no scratch row to allocate, so the flip cannot fail half-way.
    uint8_t* top = GetRow(m_height - 1);
    uint8_t* bottom = m_bits;
    for (uint32_t i = 0; i < m_height / 2; ++i, bottom += m_stride, top -= m_stride) {
        pixels::SwapBytes(bottom, top, m_stride);
    }
    return true;
}

}  // namespace zentrova
