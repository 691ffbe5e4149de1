// Compositing benchmarks: the masked blend of the 3840 x 2160 24-bit test picture with a
// full-size 8-bit mask, next to a memcpy of the same picture bytes measured in the same run, and
// the other whole-picture compositing operations for reference.
//
// The picture comes from the environment variable CLARIVUE_BENCH_PICTURE (a BMP made by
// make_test_picture.py). The second picture is the first shifted by one pixel and the mask holds
// the weight ((x / 7 + y / 5) mod 256), as in the peer timing of Pillow's Image.composite.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "codecs/ZImageCodecBmp.h"
#include "core/WideText.h"
#include "image/ZCompositing.h"
#include "bench/BenchPicture.h"
#include "image/ZImage.h"

namespace zentrova {
namespace {

const ZImage& Picture() {
    return BenchPicture();
}

// The picture moved one pixel to the right (the first column wraps around).
const ZImage& Shifted() {
    static ZImage shifted;
    if (!shifted.IsValid()) {
        const ZImage& picture = Picture();
        shifted.CopyFrom(picture);
        const uint32_t bytes = picture.GetBitsPerPixel() / 8u;
        const size_t rowBytes = size_t{picture.GetWidth()} * bytes;
        for (uint32_t r = 0; r < picture.GetHeight(); ++r) {
            std::memcpy(shifted.GetRow(r) + bytes, picture.GetRow(r), rowBytes - bytes);
            std::memcpy(shifted.GetRow(r), picture.GetRow(r) + rowBytes - bytes, bytes);
        }
    }
    return shifted;
}

const ZImage& Mask() {
    static ZImage mask;
    if (!mask.IsValid()) {
        const ZImage& picture = Picture();
        uint8_t grey[ZImage::kPaletteBytes];
        for (int i = 0; i < ZImage::kPaletteEntries; ++i) {
            grey[3 * i] = grey[3 * i + 1] = grey[3 * i + 2] = static_cast<uint8_t>(i);
        }
        mask.Create(picture.GetWidth(), picture.GetHeight(), 8, 0, grey);
        const uint32_t h = picture.GetHeight();
        for (uint32_t y = 0; y < h; ++y) {
            uint8_t* row = mask.GetRow(h - 1 - y);
            for (uint32_t x = 0; x < picture.GetWidth(); ++x) {
                row[x] = static_cast<uint8_t>(x / 7 + y / 5);
            }
        }
    }
    return mask;
}

void BM_Memcpy(benchmark::State& state) {
    RunMemcpyBaseline(state);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

// The destination is refreshed from the picture outside the timing, so that every round blends
// the same bytes (Pillow's composite makes a new picture each round).
void BM_BlendMasked(benchmark::State& state) {
    const ZImage& source = Shifted();
    const ZImage& mask = Mask();
    ZImage destination;
    destination.CopyFrom(Picture());
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(destination.GetBits(), Picture().GetBits(), Picture().GetPixelMemorySize());
        state.ResumeTiming();
        if (!BlendMasked(destination, source, mask, 0, 0)) {
            state.SkipWithError("blend failed");
        }
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_BlendMasked)->Unit(benchmark::kMillisecond);

void BM_Premultiply(benchmark::State& state) {
    ZImage image;
    image.CopyFrom(Picture());
    image.SetBitDepth(32);
    for (auto _ : state) {
        Premultiply(image);
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_Premultiply)->Unit(benchmark::kMillisecond);

void BM_ReplaceAllButColor(benchmark::State& state) {
    ZImage image;
    image.CopyFrom(Picture());
    for (auto _ : state) {
        ReplaceAllButColor(image, 0xFF00FF, 0x000000);
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_ReplaceAllButColor)->Unit(benchmark::kMillisecond);

void BM_ExtractChannel(benchmark::State& state) {
    ZImage channel;
    for (auto _ : state) {
        ExtractChannel(Picture(), kChannelGreen, channel);
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_ExtractChannel)->Unit(benchmark::kMillisecond);

void BM_GradientRadial(benchmark::State& state) {
    ZImage image;
    image.CopyFrom(Picture());
    for (auto _ : state) {
        FillGradient(image, 0, 0, static_cast<int32_t>(image.GetWidth()),
                     static_cast<int32_t>(image.GetHeight()), 0x000000, 0xFFFFFF, kGradientRadial);
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_GradientRadial)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrova

BENCHMARK_MAIN();
