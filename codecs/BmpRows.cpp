// Row decoders: 2-bit rows, 16-bit bit fields and 32-bit masks.
#include <algorithm>
#include <array>

#include "codecs/BmpDecode.h"

namespace zentrova::bmp {

namespace {

// Bytes of one file row of width pixels at bitCount bits, padded to 4 bytes.
uint64_t FileStride(uint32_t width, uint32_t bitCount) {
    return ((uint64_t{width} * bitCount + 31) / 32) * 4;
}

constexpr std::array<uint8_t, 32> MakeWidenTable() {
    std::array<uint8_t, 32> table{};
    for (uint32_t i = 0; i < 32; ++i) {
        table[i] = static_cast<uint8_t>((i * 255 * 2 + 31) / 62);  // round(i * 255 / 31)
    }
    return table;
}
constexpr std::array<uint8_t, 32> kWiden5 = MakeWidenTable();

// Scales the bits of one mask to 0-255.
class ChannelMask {
  public:
    ChannelMask(uint32_t mask, uint8_t absent) : m_mask(mask), m_absent(absent) {
        if (mask != 0) {
            while (((mask >> m_shift) & 1) == 0) {
                ++m_shift;
            }
            m_max = mask >> m_shift;
        }
    }

    uint8_t Decode(uint32_t pixel) const {
        if (m_max == 0) {
            return m_absent;
        }
        const uint64_t value = (pixel & m_mask) >> m_shift;
        if (m_max == 0xFF) {
            return static_cast<uint8_t>(value);
        }
        return static_cast<uint8_t>((value * 255 + m_max / 2) / m_max);
    }

  private:
    uint32_t m_mask;
    uint8_t m_absent;
    uint32_t m_shift = 0;
    uint64_t m_max = 0;
};

}  // namespace

uint8_t Widen5(uint32_t value5) {
    return kWiden5[value5 & 31];
}

void Read2BitRows(BmpByteReader& reader, ZImage& image) {
    const uint32_t width = image.GetWidth();
    const uint32_t dataBytes = static_cast<uint32_t>((uint64_t{width} + 3) / 4);
    const uint64_t padding = FileStride(width, 2) - dataBytes;
    for (uint32_t r = 0; r < image.GetHeight(); ++r) {
        uint8_t* line = image.GetRow(r);
        for (uint32_t i = 0; i < dataBytes; ++i) {
            uint8_t byte = 0;
            if (!reader.ReadByte(byte)) {
                return;
            }
            // Four pixels, most significant pair first, each becoming one half-byte.
            const uint32_t x = i * 4;
            const uint8_t p0 = (byte >> 6) & 3;
            const uint8_t p1 = (byte >> 4) & 3;
            const uint8_t p2 = (byte >> 2) & 3;
            const uint8_t p3 = byte & 3;
            line[x / 2] = static_cast<uint8_t>((p0 << 4) | p1);
            if (x + 2 < width) {
                line[x / 2 + 1] = static_cast<uint8_t>((p2 << 4) | p3);
            }
        }
        if (!reader.Skip(padding)) {
            return;
        }
    }
}

void ReadBitFields16Rows(BmpByteReader& reader, ZImage& image, uint32_t greenMask) {
    const uint32_t width = image.GetWidth();
    const unsigned greenShift = greenMask == kGreenMask565 ? 6 : 5;
    const uint64_t padding = FileStride(width, 16) - uint64_t{width} * 2;
    for (uint32_t r = 0; r < image.GetHeight(); ++r) {
        uint8_t* out = image.GetRow(r);
        uint32_t left = width;
        while (left > 0) {
            const size_t got =
                reader.Fill(std::min<uint64_t>(uint64_t{left} * 2, BmpByteReader::kChunkBytes));
            const uint32_t pixels = static_cast<uint32_t>(got / 2);
            if (pixels == 0) {
                return;
            }
            const uint8_t* in = reader.Data();
            for (uint32_t i = 0; i < pixels; ++i, in += 2, out += 3) {
                const uint32_t v = in[0] | (uint32_t{in[1]} << 8);
                const uint32_t gr = v >> greenShift;
                out[0] = kWiden5[v & 31];
                out[1] = kWiden5[gr & 31];
                out[2] = kWiden5[(gr >> 5) & 31];
            }
            reader.Consume(size_t{pixels} * 2);
            left -= pixels;
        }
        if (!reader.Skip(padding)) {
            return;
        }
    }
}

void ApplyMasks32(uint8_t* pixels, size_t pixelCount, const BmpHeader& header) {
    const ChannelMask red(header.redMask, 0);
    const ChannelMask green(header.greenMask, 0);
    const ChannelMask blue(header.blueMask, 0);
    const ChannelMask alpha(header.alphaMask, 255);
    for (size_t i = 0; i < pixelCount; ++i, pixels += 4) {
        const uint32_t v = pixels[0] | (uint32_t{pixels[1]} << 8) | (uint32_t{pixels[2]} << 16) |
                           (uint32_t{pixels[3]} << 24);
        pixels[0] = blue.Decode(v);
        pixels[1] = green.Decode(v);
        pixels[2] = red.Decode(v);
        pixels[3] = alpha.Decode(v);
    }
}

}  // namespace zentrova::bmp
