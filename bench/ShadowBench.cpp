// Box blur, drop shadow and geometry benchmarks on the 3840 x 2160 24-bit test picture, next to
// a memcpy of the drop shadow's result measured in the same run.
//
// Peers (bench/report.py, Pillow): box blur radius 8, 3 passes against `box_blur_8_3`; the drop
// shadow's outline path (offset 3, dither 8) against `box_blur_8_3` too; mirror against `mirror`;
// rotate right against `rotate_90`. The plain-rectangle path is held against the memcpy of its
// result's bytes (BM_MemcpyShadowResult).
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/BenchPicture.h"
#include "image/ZImage.h"
#include "image/ZImageEffects.h"

namespace zentrova {
namespace {

DropShadowOptions ShadowOptions(bool plain) {
    DropShadowOptions o;
    o.shadowColour = 0x000000;
    o.backgroundColour = 0xFFFFFF;
    o.directionDegrees = 315;
    o.dither = 8;
    o.intensityPercent = 50;
    o.offset = 3;
    o.plainRectangle = plain;
    o.keyColour = 0xFF00FF;
    return o;
}

void BM_Memcpy(benchmark::State& state) {
    RunMemcpyBaseline(state);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

// memcpy of as many bytes as the drop shadow's result holds (the picture grown by the margin).
void BM_MemcpyShadowResult(benchmark::State& state) {
    const ZImage& picture = BenchPicture();
    const uint32_t m = static_cast<uint32_t>(DropShadowMargin(3, 8));
    const size_t bytes =
        size_t{ZImage::StrideFor(picture.GetWidth() + 2 * m, 24)} * (picture.GetHeight() + 2 * m);
    std::vector<uint8_t> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_MemcpyShadowResult)->Unit(benchmark::kMillisecond);

// The blur works in place: every round blurs a fresh copy of the picture (copied untimed).
void BM_BoxBlur_8_3(benchmark::State& state) {
    ZImage image;
    image.CopyFrom(BenchPicture());
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(image.GetBits(), BenchPicture().GetBits(), image.GetPixelMemorySize());
        state.ResumeTiming();
        if (!BoxBlur(image, 8, 3)) {
            state.SkipWithError("box blur failed");
        }
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_BoxBlur_8_3)->Unit(benchmark::kMillisecond);

// The shadow grows the picture: every round starts from a copy of the picture (copied untimed).
void RunDropShadow(benchmark::State& state, bool plain) {
    ZImage image;
    const DropShadowOptions options = ShadowOptions(plain);
    for (auto _ : state) {
        state.PauseTiming();
        image.CopyFrom(BenchPicture());
        state.ResumeTiming();
        if (!ApplyDropShadow(image, options)) {
            state.SkipWithError("drop shadow failed");
        }
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}

void BM_DropShadowPlain(benchmark::State& state) {
    RunDropShadow(state, true);
}
BENCHMARK(BM_DropShadowPlain)->Unit(benchmark::kMillisecond);

void BM_DropShadowOutline(benchmark::State& state) {
    RunDropShadow(state, false);
}
BENCHMARK(BM_DropShadowOutline)->Unit(benchmark::kMillisecond);

void BM_Mirror(benchmark::State& state) {
    ZImage image;
    image.CopyFrom(BenchPicture());
    for (auto _ : state) {
        Mirror(image);
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_Mirror)->Unit(benchmark::kMillisecond);

void BM_RotateRight(benchmark::State& state) {
    ZImage image;
    image.CopyFrom(BenchPicture());
    for (auto _ : state) {
        RotateRight(image);
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_RotateRight)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrova

BENCHMARK_MAIN();
