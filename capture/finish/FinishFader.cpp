// The fader: the capture fades into the background colour towards an edge or a corner.
//
// Defined as: A = the capture's size in the background colour; G = a gradient from black (all
// background) to white (all capture) over the whole picture (FillGradient, mode 0, 1 or 2),
// mirrored for the faders 4 and 8; the capture laid onto A through G; A becomes the capture.
// This computes the same pixels in one pass in place: the weight of a pixel is the gradient's
// value there, from + (to - from) * k / n truncated towards zero, with k and n per mode.
#include <memory>
#include <new>

#include "capture/finish/FinishPipeline.h"
#include "image/ZCompositing.h"

namespace zentrova {

namespace {

struct FaderGradient {
    int mode;
    bool rising;  // black (0) to white (255); else white to black
    bool mirrored;
};

// Index = the fader value 1..8.
constexpr FaderGradient kFaders[] = {
    {kGradientHorizontal, true, false},   // 1: fades out to the left
    {kGradientDiagonal, true, false},     // 2: to the top-left corner
    {kGradientVertical, true, false},     // 3: to the top
    {kGradientDiagonal, true, true},      // 4: to the top-right corner
    {kGradientHorizontal, false, false},  // 5: to the right
    {kGradientDiagonal, false, false},    // 6: to the bottom-right corner
    {kGradientVertical, false, false},    // 7: to the bottom
    {kGradientDiagonal, false, true},     // 8: to the bottom-left corner
};

// The gradient's value at step k of n.
inline int GradientWeight(bool rising, int64_t k, int64_t n) {
    const int64_t delta = 255 * k / n;  // |to - from| = 255, truncated towards zero
    return static_cast<int>(rising ? delta : 255 - delta);
}

}  // namespace

bool ApplyFader(ZImage& capture, uint32_t fader, ZColor background) {
    if (!capture.IsValid() || capture.GetBitsPerPixel() != 24) {
        return false;
    }
    if (fader < 1 || fader > 8) {
        return true;
    }
    const FaderGradient& g = kFaders[fader - 1];
    const uint32_t w = capture.GetWidth();
    const uint32_t h = capture.GetHeight();
    // Per column: the weight of horizontal gradients, or the column's share k of a diagonal.
    std::unique_ptr<int[]> columns(new (std::nothrow) int[w]);
    if (!columns) {
        return false;
    }
    for (uint32_t x = 0; x < w; ++x) {
        const uint32_t drawnAt = g.mirrored ? w - 1 - x : x;  // Mirror: column x shows w - 1 - x
        columns[x] = g.mode == kGradientHorizontal ? GradientWeight(g.rising, drawnAt, w)
                                                   : static_cast<int>(drawnAt);
    }
    const int bg[3] = {static_cast<int>((background >> 16) & 0xFF),
                       static_cast<int>((background >> 8) & 0xFF),
                       static_cast<int>(background & 0xFF)};
    // Diagonals: the weight of each line column + row = k, k = 0 .. w + h - 2.
    const size_t lines = g.mode == kGradientDiagonal ? size_t{w} + h : 0;
    std::unique_ptr<uint8_t[]> diagonal(new (std::nothrow) uint8_t[lines + 1]);
    if (!diagonal) {
        return false;
    }
    for (size_t k = 0; k < lines; ++k) {
        diagonal[k] = static_cast<uint8_t>(
            GradientWeight(g.rising, static_cast<int64_t>(k), static_cast<int64_t>(lines)));
    }
    capture.FlushDrawing();
    for (uint32_t y = 0; y < h; ++y) {
        uint8_t* p = capture.GetRow(h - 1 - y);
        if (g.mode == kGradientVertical) {
            // One weight for the whole row: a table per channel.
            const int weight = GradientWeight(g.rising, y, h);
            uint8_t table[3][256];
            for (int k = 0; k < 3; ++k) {
                for (int s = 0; s < 256; ++s) {
                    table[k][s] = static_cast<uint8_t>(bg[k] + (s - bg[k]) * weight / 255);
                }
            }
            for (uint32_t x = 0; x < w; ++x, p += 3) {
                p[0] = table[0][p[0]];
                p[1] = table[1][p[1]];
                p[2] = table[2][p[2]];
            }
            continue;
        }
        for (uint32_t x = 0; x < w; ++x, p += 3) {
            const int weight = g.mode == kGradientHorizontal
                                   ? columns[x]
                                   : diagonal[static_cast<size_t>(columns[x]) + y];
            for (int k = 0; k < 3; ++k) {
                p[k] = static_cast<uint8_t>(bg[k] + (p[k] - bg[k]) * weight / 255);
            }
        }
    }
    return true;
}

}  // namespace zentrova
