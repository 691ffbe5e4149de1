// Apply filter: one of the 12 neighbourhood filters over a 24- or 32-bit picture.
//
// The table below is the fixed filter table (index 0 empty); each entry holds the border width and
// the row kernel (ZFilterRows.h). Memory rows below the border and from height - border on, the
// first and last `border` pixels of every row and every alpha byte keep their values.
//
// Every output row is computed from the original rows around it. Instead of a second picture, the
// rows are filtered in place from the bottom up while the original of the last border + 1 rows is
// kept in a small ring of row copies: row r is saved before it is overwritten, and rows r - border
// ... r are read from the ring, rows r + 1 ... r + border from the picture (not yet written). The
// result is the same as filtering into a new buffer, with one pass over the pixel memory.
#include <cstring>
#include <memory>
#include <new>

#include "image/ZImageEffects.h"
#include "image/effects/ZFilterRows.h"

namespace zentrova {

namespace {

struct FilterEntry {
    uint32_t border;
    effects::FilterRowKernel kernel;
};

constexpr FilterEntry kFilters[kLastFilterIndex + 1] = {
    {0, nullptr},
    {1, effects::MeanRow3},
    {2, effects::MeanRow5},
    {1, effects::SoftBlurRow},
    {1, effects::SharpenRow},
    {1, effects::SharpenMoreRow},
    {1, effects::EdgesRow},
    {1, effects::EmbossDiagonalRow},
    {1, effects::EmbossVerticalRow},
    {1, effects::EmbossAntiDiagonalRow},
    {1, effects::MaximumRow},
    {1, effects::MinimumRow},
    {1, effects::MaxMinusCentreRow},
};

constexpr uint32_t kMaxBorder = 2;

}  // namespace

bool ApplyFilter(ZImage& image, int filterIndex) {
    if (!image.IsValid() || (image.GetBitsPerPixel() != 24 && image.GetBitsPerPixel() != 32)) {
        return false;
    }
    if (filterIndex < kFirstFilterIndex || filterIndex > kLastFilterIndex) {
        return false;
    }
    const FilterEntry& filter = kFilters[filterIndex];
    const uint32_t border = filter.border;
    const uint32_t width = image.GetWidth();
    const uint32_t height = image.GetHeight();
    if (width <= 2 * border || height <= 2 * border) {
        return true;  // every pixel lies in the border
    }

    const uint32_t bytesPerPixel = image.GetBitsPerPixel() / 8u;
    const size_t rowBytes = size_t{width} * bytesPerPixel;
    const uint32_t slots = border + 1;
    const size_t scratchBytes = effects::ScratchBytesFor(width, bytesPerPixel);
    const size_t ringBytes = (slots * rowBytes + 31) & ~size_t{31};  // scratch stays aligned
    std::unique_ptr<uint8_t[]> memory(new (std::nothrow) uint8_t[ringBytes + scratchBytes]);
    if (!memory) {
        return false;
    }
    uint8_t* ring = memory.get();
    void* scratch = ring + ringBytes;
    auto slot = [&](uint32_t r) { return ring + (r % slots) * rowBytes; };

    image.FlushDrawing();
    for (uint32_t r = 0; r < border; ++r) {
        std::memcpy(slot(r), image.GetRow(r), rowBytes);
    }
    const uint8_t* rows[2 * kMaxBorder + 1];
    for (uint32_t r = border; r + border < height; ++r) {
        uint8_t* out = image.GetRow(r);
        uint8_t* original = slot(r);
        std::memcpy(original, out, rowBytes);
        for (uint32_t k = 0; k <= 2 * border; ++k) {
            const uint32_t source = r - border + k;
            rows[k] = source <= r ? slot(source) : image.GetRow(source);
        }
        filter.kernel(rows, out, width, bytesPerPixel, scratch);
        if (bytesPerPixel == 4) {
            for (uint32_t x = border; x + border < width; ++x) {
                out[4 * x + 3] = original[4 * x + 3];
            }
        }
    }
    return true;
}

}  // namespace zentrova
