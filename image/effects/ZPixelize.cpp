// Pixelize: blocks of s x s pixels, aligned to the bottom-left corner (memory row 0, column 0),
// each byte of every pixel of a block (alpha included) set to the truncated mean of that byte over
// the block. Blocks at the right and top edges are cut to what lies inside the picture.
//
// One band of block rows at a time: the sums of every byte position of every block are gathered
// row by row, then written back. Sums are 64-bit (a block may cover the whole picture).
#include <algorithm>
#include <memory>
#include <new>

#include "core/ZError.h"
#include "image/ZImageEffects.h"

namespace zentrova {

bool Pixelize(ZImage& image, int blockSize) {
    if (!image.IsValid() || image.GetBitsPerPixel() < 24) {
        return ZError(nullptr, kEffectErrorTooShallow, kEffectsModule, 17);
    }
    const uint32_t width = image.GetWidth();
    const uint32_t height = image.GetHeight();
    if (blockSize < 1 || static_cast<uint32_t>(blockSize) > width) {
        return false;
    }
    const uint32_t s = static_cast<uint32_t>(blockSize);
    const uint32_t bytesPerPixel = image.GetBitsPerPixel() / 8u;
    const uint32_t blocksAcross = (width + s - 1) / s;
    const size_t sumCount = size_t{blocksAcross} * bytesPerPixel;
    std::unique_ptr<uint64_t[]> sums(new (std::nothrow) uint64_t[sumCount]);
    if (!sums) {
        return ZError(nullptr, kEffectErrorNoMemory, kEffectsModule, 21);
    }

    image.FlushDrawing();
    for (uint32_t band = 0; band < height; band += s) {
        const uint32_t bandRows = std::min(s, height - band);
        std::fill(sums.get(), sums.get() + sumCount, uint64_t{0});
        for (uint32_t r = band; r < band + bandRows; ++r) {
            const uint8_t* p = image.GetRow(r);
            uint64_t* blockSums = sums.get();
            for (uint32_t x0 = 0; x0 < width; x0 += s, blockSums += bytesPerPixel) {
                const uint32_t x1 = std::min(width, x0 + s);
                for (uint32_t x = x0; x < x1; ++x, p += bytesPerPixel) {
                    for (uint32_t c = 0; c < bytesPerPixel; ++c) {
                        blockSums[c] += p[c];
                    }
                }
            }
        }
        uint8_t means[4];
        for (uint32_t x0 = 0, b = 0; x0 < width; x0 += s, ++b) {
            const uint32_t x1 = std::min(width, x0 + s);
            const uint64_t count = uint64_t{x1 - x0} * bandRows;
            for (uint32_t c = 0; c < bytesPerPixel; ++c) {
                means[c] = static_cast<uint8_t>(sums[size_t{b} * bytesPerPixel + c] / count);
            }
            for (uint32_t r = band; r < band + bandRows; ++r) {
                uint8_t* p = image.GetRow(r) + size_t{x0} * bytesPerPixel;
                for (uint32_t x = x0; x < x1; ++x, p += bytesPerPixel) {
                    for (uint32_t c = 0; c < bytesPerPixel; ++c) {
                        p[c] = means[c];
                    }
                }
            }
        }
    }
    return true;
}

}  // namespace zentrova
