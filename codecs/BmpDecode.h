// Pixel decoders of the BMP reader for the layouts that are not copied straight into memory.
//
// Each one writes into an image already created at the right size and depth, takes its bytes
// from the reader and stops quietly when the file ends: whatever was not decoded keeps the
// value the image was filled with. Nothing is ever written outside the image's rows.
#pragma once

#include <cstddef>
#include <cstdint>

#include "codecs/BmpByteReader.h"
#include "codecs/BmpHeader.h"
#include "image/ZImage.h"

namespace zentrova::bmp {

// Run-length encoded 8-bit data into an 8-bit image. Rows count from memory row 0 (the first
// row of the file); pixels of runs, absolute runs and deltas that fall outside the picture are
// dropped.
void DecodeRle8(BmpByteReader& reader, ZImage& image);

// Run-length encoded 4-bit data into a 4-bit image. Positions count pixels; an encoded run
// takes the high half-byte of its value, then the low one, alternately from its first pixel;
// an absolute run takes consecutive half-bytes of its bytes.
void DecodeRle4(BmpByteReader& reader, ZImage& image);

// Uncompressed 2-bit rows (most significant pair first) into a 4-bit image.
void Read2BitRows(BmpByteReader& reader, ZImage& image);

// 16-bit bit-field rows into a 24-bit image: 5-6-5 when the green mask is 0x7E0, otherwise
// 5-5-5; each 5-bit channel widened through the table round(i * 255 / 31) (the lowest green bit
// of 5-6-5 is dropped).
void ReadBitFields16Rows(BmpByteReader& reader, ZImage& image, uint32_t greenMask);

// The 5-bit to 8-bit widening table used above.
uint8_t Widen5(uint32_t value5);

// Decodes pixelCount 32-bit pixels in place through the header's masks into blue, green, red,
// alpha bytes. Each channel is scaled from its mask's range to 0-255; alpha is 255 when the
// header has no alpha mask.
void ApplyMasks32(uint8_t* pixels, size_t pixelCount, const BmpHeader& header);

}  // namespace zentrova::bmp
