// RLE8 and RLE4 decoding.
#include <algorithm>
#include <cstring>

#include "codecs/BmpDecode.h"

namespace zentrova::bmp {

namespace {

constexpr uint8_t kEscape = 0;
constexpr uint8_t kEndOfLine = 0;
constexpr uint8_t kEndOfBitmap = 1;
constexpr uint8_t kDelta = 2;

void PutNibble(uint8_t* line, uint32_t x, uint8_t value) {
    uint8_t& byte = line[x >> 1];
    byte = (x & 1) != 0 ? static_cast<uint8_t>((byte & 0xF0) | (value & 0x0F))
                        : static_cast<uint8_t>((byte & 0x0F) | (value << 4));
}

// One row of the picture being decoded with a column that never goes past the width, so that
// column arithmetic stays small and every write can be clipped with one comparison.
class RleCursor {
  public:
    explicit RleCursor(ZImage& image)
        : m_image(image), m_width(image.GetWidth()), m_height(image.GetHeight()) {
        m_line = m_image.GetRow(0);
    }

    bool InPicture() const { return m_row < m_height && m_line != nullptr; }
    uint8_t* Line() const { return m_line; }
    uint32_t Column() const { return m_column; }
    uint32_t Width() const { return m_width; }
    // Pixels of a run of n starting at the column that lie inside the row.
    uint32_t Visible(uint32_t n) const { return std::min(n, m_width - m_column); }

    void Advance(uint32_t n) { m_column += Visible(n); }
    void NextLine() { MoveTo(m_row + 1, 0); }
    void Delta(uint32_t dx, uint32_t dy) { MoveTo(m_row + dy, m_column + Visible(dx)); }

  private:
    void MoveTo(uint32_t row, uint32_t column) {
        m_row = row;  // row < height before, dy <= 255: no overflow
        m_column = column;
        m_line = m_row < m_height ? m_image.GetRow(m_row) : nullptr;
    }

    ZImage& m_image;
    uint32_t m_width;
    uint32_t m_height;
    uint32_t m_row = 0;
    uint32_t m_column = 0;
    uint8_t* m_line = nullptr;
};

// Shared escape handling. Returns false when decoding ends (end of bitmap, end of file, or
// the position left the picture, after which nothing can be written any more).
bool HandleEscape(BmpByteReader& reader, RleCursor& cursor, uint8_t escape) {
    if (escape == kEndOfLine) {
        cursor.NextLine();
        return cursor.InPicture();
    }
    if (escape == kEndOfBitmap) {
        return false;
    }
    uint8_t dx = 0;
    uint8_t dy = 0;
    if (!reader.ReadByte(dx) || !reader.ReadByte(dy)) {
        return false;
    }
    cursor.Delta(dx, dy);
    return cursor.InPicture();
}

}  // namespace

void DecodeRle8(BmpByteReader& reader, ZImage& image) {
    RleCursor cursor(image);
    while (cursor.InPicture()) {
        uint8_t count = 0;
        uint8_t value = 0;
        if (!reader.ReadByte(count) || !reader.ReadByte(value)) {
            return;
        }
        if (count != kEscape) {
            std::memset(cursor.Line() + cursor.Column(), value, cursor.Visible(count));
            cursor.Advance(count);
            continue;
        }
        if (value > kDelta) {
            // Absolute run: value bytes, padded to an even count.
            const uint32_t bytes = value;
            const size_t got = reader.Fill(bytes);
            std::memcpy(cursor.Line() + cursor.Column(), reader.Data(),
                        std::min<size_t>(got, cursor.Visible(bytes)));
            reader.Consume(got);
            if (got < bytes || ((bytes & 1) != 0 && !reader.Skip(1))) {
                return;
            }
            cursor.Advance(bytes);
            continue;
        }
        if (!HandleEscape(reader, cursor, value)) {
            return;
        }
    }
}

void DecodeRle4(BmpByteReader& reader, ZImage& image) {
    RleCursor cursor(image);
    while (cursor.InPicture()) {
        uint8_t count = 0;
        uint8_t value = 0;
        if (!reader.ReadByte(count) || !reader.ReadByte(value)) {
            return;
        }
        if (count != kEscape) {
            // Encoded run: high half-byte, low half-byte, alternately from the run's first pixel.
            const uint8_t halves[2] = {static_cast<uint8_t>(value >> 4),
                                       static_cast<uint8_t>(value & 0x0F)};
            const uint32_t start = cursor.Column();
            const uint32_t visible = cursor.Visible(count);
            for (uint32_t i = 0; i < visible; ++i) {
                PutNibble(cursor.Line(), start + i, halves[i & 1]);
            }
            cursor.Advance(count);
            continue;
        }
        if (value > kDelta) {
            // Absolute run: value pixels from consecutive half-bytes of (value + 1) / 2 bytes,
            // padded to an even number of bytes.
            const uint32_t pixels = value;
            const uint32_t bytes = (pixels + 1) / 2;
            const size_t got = reader.Fill(bytes);
            const uint8_t* data = reader.Data();
            const uint32_t start = cursor.Column();
            const uint32_t visible =
                std::min<uint32_t>(cursor.Visible(pixels), static_cast<uint32_t>(got * 2));
            for (uint32_t i = 0; i < visible; ++i) {
                const uint8_t byte = data[i >> 1];
                PutNibble(cursor.Line(), start + i,
                          static_cast<uint8_t>((i & 1) != 0 ? byte & 0x0F : byte >> 4));
            }
            reader.Consume(got);
            if (got < bytes || ((bytes & 1) != 0 && !reader.Skip(1))) {
                return;
            }
            cursor.Advance(pixels);
            continue;
        }
        if (!HandleEscape(reader, cursor, value)) {
            return;
        }
    }
}

}  // namespace zentrova::bmp
