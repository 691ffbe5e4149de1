// The row kernels of the masked blend (internal to the image library).
//
// For each of count bytes: d = d + trunc((s - d) * w / 255), the product signed and the division
// truncating towards zero. w = 0 keeps d, w = 255 gives s.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zentrova::blend {

// Plain C++ reference: one byte at a time with an exact integer division.
void BlendBytesScalar(uint8_t* destination, const uint8_t* source, const uint8_t* weights,
                      size_t count);

// The fastest kernel of this build (SSE2 on x86-64); the same bytes as BlendBytesScalar.
void BlendBytes(uint8_t* destination, const uint8_t* source, const uint8_t* weights, size_t count);

// Bytes a weight row needs beyond width * destinationBytes for SpreadWeights.
constexpr size_t kWeightSlack = 16;

// The weight of every destination byte of a row from a mask row: the first byte of each mask
// pixel (maskBytes 1, 3 or 4 apart) on blue, green and red, 0 on the alpha byte of a 4-byte
// destination pixel. weights holds width * destinationBytes + kWeightSlack bytes; the slack may
// be overwritten.
void SpreadWeightsScalar(const uint8_t* maskRow, uint32_t maskBytes, uint32_t width,
                         uint32_t destinationBytes, uint8_t* weights);

// The same with byte shuffles (SSSE3, when the processor has it) for 8-bit masks.
void SpreadWeights(const uint8_t* maskRow, uint32_t maskBytes, uint32_t width,
                   uint32_t destinationBytes, uint8_t* weights);

}  // namespace zentrova::blend
