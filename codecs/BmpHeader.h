// Parsing of the BMP file header and info header from bytes already read into memory.
//
// Nothing here is trusted: every field is taken as the file states it, sizes and offsets are
// kept in 64-bit values so that later arithmetic on them cannot overflow, and fields that lie
// beyond the declared header size (or beyond the bytes given) read as 0.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zentrova::bmp {

constexpr uint16_t kSignature = 0x4D42;  // 'B', 'M'
constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kMaskBytes = 12;  // red, green, blue masks following a 40-byte header
// Bytes that hold every field the reader looks at: the file header, the largest (124-byte)
// info header and three masks after it.
constexpr size_t kHeaderProbeBytes = kFileHeaderSize + 124 + kMaskBytes;

enum Compression : uint32_t {
    kCompressionNone = 0,
    kCompressionRle8 = 1,
    kCompressionRle4 = 2,
    kCompressionBitFields = 3,
};

// Default 32-bit masks: the pixel bytes are blue, green, red, fourth byte.
constexpr uint32_t kDefaultRedMask = 0x00FF0000;
constexpr uint32_t kDefaultGreenMask = 0x0000FF00;
constexpr uint32_t kDefaultBlueMask = 0x000000FF;
// Green mask of a 16-bit 5-6-5 file; any other green mask is read as 5-5-5.
constexpr uint32_t kGreenMask565 = 0x07E0;

struct BmpHeader {
    uint32_t pixelDataOffset = 0;
    uint32_t headerSize = 0;
    bool isCore = false;  // 12-byte header: 16-bit sizes, 3-byte palette entries
    int64_t width = 0;    // as stored (may be negative or 0)
    int64_t height = 0;   // as stored; negative means top-down rows
    uint32_t bitCount = 0;
    uint32_t compression = 0;
    int32_t pixelsPerMetreX = 0;
    int32_t pixelsPerMetreY = 0;
    uint32_t redMask = 0;
    uint32_t greenMask = 0;
    uint32_t blueMask = 0;
    uint32_t alphaMask = 0;
    uint64_t paletteOffset = 0;  // where the colour table starts
    uint32_t paletteEntryBytes = 4;
};

// Reads the signature only; false when fewer than 2 bytes are given.
bool HasBmpSignature(const uint8_t* bytes, size_t size);

// Fills header from the first bytes of a file (size may be short; missing bytes read as 0).
void ParseBmpHeader(const uint8_t* bytes, size_t size, BmpHeader& header);

// The three colour masks are the default blue-green-red ones (or all 0, meaning the same).
bool HasDefaultMasks32(const BmpHeader& header);

}  // namespace zentrova::bmp
