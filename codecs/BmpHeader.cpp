#include "codecs/BmpHeader.h"

namespace zentrova::bmp {

namespace {

// Little-endian reads from a buffer of size bytes; bytes past its end read as 0.
class ByteView {
  public:
    ByteView(const uint8_t* bytes, size_t size) : m_bytes(bytes), m_size(size) {}

    uint8_t At(uint64_t offset) const {
        return (m_bytes != nullptr && offset < m_size) ? m_bytes[offset] : 0;
    }
    uint16_t U16(uint64_t offset) const {
        return static_cast<uint16_t>(At(offset) | (At(offset + 1) << 8));
    }
    uint32_t U32(uint64_t offset) const {
        return uint32_t{At(offset)} | (uint32_t{At(offset + 1)} << 8) |
               (uint32_t{At(offset + 2)} << 16) | (uint32_t{At(offset + 3)} << 24);
    }
    int32_t I32(uint64_t offset) const { return static_cast<int32_t>(U32(offset)); }

  private:
    const uint8_t* m_bytes;
    size_t m_size;
};

// Offsets inside the info header (from its first byte, file offset 14).
constexpr uint32_t kWidthAt = 4;
constexpr uint32_t kHeightAt = 8;
constexpr uint32_t kBitCountAt = 14;
constexpr uint32_t kCompressionAt = 16;
constexpr uint32_t kPixelsPerMetreXAt = 24;
constexpr uint32_t kPixelsPerMetreYAt = 28;
constexpr uint32_t kRedMaskAt = 40;
constexpr uint32_t kAlphaMaskAt = 52;

}  // namespace

bool HasBmpSignature(const uint8_t* bytes, size_t size) {
    return size >= 2 && ByteView(bytes, size).U16(0) == kSignature;
}

void ParseBmpHeader(const uint8_t* bytes, size_t size, BmpHeader& header) {
    const ByteView view(bytes, size);
    header = BmpHeader{};
    header.pixelDataOffset = view.U32(10);
    header.headerSize = view.U32(kFileHeaderSize);
    const uint64_t info = kFileHeaderSize;
    const uint64_t headerSize = header.headerSize;

    if (header.headerSize == kCoreHeaderSize) {
        // OS/2 1.x core header: 16-bit unsigned sizes, no compression, no resolution.
        header.isCore = true;
        header.width = view.U16(info + 4);
        header.height = view.U16(info + 6);
        header.bitCount = view.U16(info + 10);
        header.paletteOffset = info + kCoreHeaderSize;
        header.paletteEntryBytes = 3;
        return;
    }

    // Windows (and OS/2 2.x) layout; a field counts only when the header is long enough for it.
    const auto present = [headerSize](uint32_t at, uint32_t bytesOfField) {
        return uint64_t{at} + bytesOfField <= headerSize;
    };
    if (present(kWidthAt, 4)) {
        header.width = view.I32(info + kWidthAt);
    }
    if (present(kHeightAt, 4)) {
        header.height = view.I32(info + kHeightAt);
    }
    if (present(kBitCountAt, 2)) {
        header.bitCount = view.U16(info + kBitCountAt);
    }
    if (present(kCompressionAt, 4)) {
        header.compression = view.U32(info + kCompressionAt);
    }
    if (present(kPixelsPerMetreXAt, 4)) {
        header.pixelsPerMetreX = view.I32(info + kPixelsPerMetreXAt);
    }
    if (present(kPixelsPerMetreYAt, 4)) {
        header.pixelsPerMetreY = view.I32(info + kPixelsPerMetreYAt);
    }

    header.paletteOffset = info + headerSize;
    uint64_t masksAt = 0;
    if (present(kRedMaskAt, kMaskBytes)) {
        masksAt = info + kRedMaskAt;  // the masks are part of the header (52 bytes and more)
        if (present(kAlphaMaskAt, 4)) {
            header.alphaMask = view.U32(info + kAlphaMaskAt);
        }
    } else if (header.compression == kCompressionBitFields) {
        masksAt = info + headerSize;  // three masks follow a shorter header
        header.paletteOffset += kMaskBytes;
    }
    if (masksAt != 0) {
        header.redMask = view.U32(masksAt);
        header.greenMask = view.U32(masksAt + 4);
        header.blueMask = view.U32(masksAt + 8);
    }
}

bool HasDefaultMasks32(const BmpHeader& header) {
    const bool allZero = header.redMask == 0 && header.greenMask == 0 && header.blueMask == 0;
    const bool standard = header.redMask == kDefaultRedMask &&
                          header.greenMask == kDefaultGreenMask &&
                          header.blueMask == kDefaultBlueMask;
    return allZero || standard;
}

}  // namespace zentrova::bmp
