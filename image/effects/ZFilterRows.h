// Row kernels of the neighbourhood filters (internal to the image effects).
//
// A row kernel computes one memory row of a filter. It sees the 2 * border + 1 source rows around
// the row as `rows` (rows[border] is the row itself, rows[border - 1] the memory row below it,
// rows[border + 1] the one above) and writes, into `out`, every byte of the columns border ...
// width - border - 1, treating the row as a flat run of bytes in which the same channel of the
// next pixel lies bytesPerPixel bytes further. Alpha bytes of 32-bit rows are written too (with
// meaningless values); the caller puts the original alpha back. `out` never aliases a source row.
//
// `scratch` holds at least ScratchBytesFor(width, bytesPerPixel) bytes, 16-byte aligned.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zentrova::effects {

using FilterRowKernel = void (*)(const uint8_t* const* rows, uint8_t* out, uint32_t width,
                                 uint32_t bytesPerPixel, void* scratch);

// Scratch needed by every kernel: one row of 16-bit sums, with room for a vector's overrun.
inline size_t ScratchBytesFor(uint32_t width, uint32_t bytesPerPixel) {
    return (size_t{width} * bytesPerPixel + 32) * sizeof(uint16_t);
}

// Filters 1 and 2: mean of the 3 x 3 and 5 x 5 neighbourhood (ZFilterMean.cpp).
void MeanRow3(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
              void* scratch);
void MeanRow5(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
              void* scratch);

// Filters 10, 11 and 12: maximum, minimum, maximum minus centre of the 3 x 3 neighbourhood
// (ZFilterRank.cpp).
void MaximumRow(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
                void* scratch);
void MinimumRow(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
                void* scratch);
void MaxMinusCentreRow(const uint8_t* const* rows, uint8_t* out, uint32_t width,
                       uint32_t bytesPerPixel, void* scratch);

// Filters 3 to 9: the point kernels of the 3 x 3 neighbourhood (ZFilterPoint.cpp).
void SoftBlurRow(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
                 void* scratch);
void SharpenRow(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
                void* scratch);
void SharpenMoreRow(const uint8_t* const* rows, uint8_t* out, uint32_t width,
                    uint32_t bytesPerPixel, void* scratch);
void EdgesRow(const uint8_t* const* rows, uint8_t* out, uint32_t width, uint32_t bytesPerPixel,
              void* scratch);
void EmbossDiagonalRow(const uint8_t* const* rows, uint8_t* out, uint32_t width,
                       uint32_t bytesPerPixel, void* scratch);
void EmbossVerticalRow(const uint8_t* const* rows, uint8_t* out, uint32_t width,
                       uint32_t bytesPerPixel, void* scratch);
void EmbossAntiDiagonalRow(const uint8_t* const* rows, uint8_t* out, uint32_t width,
                           uint32_t bytesPerPixel, void* scratch);

}  // namespace zentrova::effects
