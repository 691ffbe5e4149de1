// Resampling benchmarks on the 3840 x 2160 24-bit desktop picture: the five filters and the
// display resampler, each to 1920 x 1080, single-threaded. Pillow's figures for the same picture
// come from peers.py in the same session (resize_box_1080p, resize_bicubic_1080p,
// resize_lanczos_1080p, reduce_2).
//
// The picture's path comes from the environment variable CLARIVUE_BENCH_PICTURE.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "codecs/ZImageCodecBmp.h"
#include "core/WideText.h"
#include "bench/BenchPicture.h"
#include "image/ZImage.h"
#include "image/ZResample.h"

namespace zentrova {
namespace {

const ZImage& Picture() {
    return BenchPicture();
}

constexpr uint32_t kWidth = 1920;
constexpr uint32_t kHeight = 1080;

// The buffer-level resample into a preallocated destination, as Pillow's resize returns a new
// picture of the result size.
void BM_ResampleBuffer(benchmark::State& state) {
    const ZImage& picture = Picture();
    const int filter = static_cast<int>(state.range(0));
    std::vector<uint8_t> target(size_t{ZImage::StrideFor(kWidth, 24)} * kHeight);
    for (auto _ : state) {
        if (!ResampleBuffer(target.data(), kWidth, kHeight, picture.GetBits(), picture.GetWidth(),
                            picture.GetHeight(), 24, filter)) {
            state.SkipWithError("resample failed");
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ResampleBuffer)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// The whole image operation: resample, recreate the image.
void BM_Resize(benchmark::State& state) {
    const int filter = static_cast<int>(state.range(0));
    ZImage image;
    for (auto _ : state) {
        state.PauseTiming();
        image.CopyFrom(Picture());
        state.ResumeTiming();
        if (!Resize(image, kWidth, kHeight, filter)) {
            state.SkipWithError("resize failed");
        }
    }
}
BENCHMARK(BM_Resize)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_AreaAverageBuffer(benchmark::State& state) {
    const ZImage& picture = Picture();
    std::vector<uint8_t> target(size_t{ZImage::StrideFor(kWidth, 24)} * kHeight);
    for (auto _ : state) {
        if (!AreaAverageBuffer(target.data(), kWidth, kHeight, picture.GetBits(),
                               picture.GetWidth(), picture.GetHeight(), 24, nullptr)) {
            state.SkipWithError("area average failed");
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AreaAverageBuffer)->Unit(benchmark::kMillisecond);

void BM_ResizeForDisplay(benchmark::State& state) {
    ZImage image;
    for (auto _ : state) {
        state.PauseTiming();
        image.CopyFrom(Picture());
        state.ResumeTiming();
        if (!ResizeForDisplay(image, kWidth, kHeight)) {
            state.SkipWithError("resize failed");
        }
    }
}
BENCHMARK(BM_ResizeForDisplay)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrova

BENCHMARK_MAIN();
