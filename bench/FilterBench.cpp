// Effect benchmarks on the 3840 x 2160 24-bit test picture: the neighbourhood filters (Pillow's
// smooth_3x3, blur_5x5 and max_3x3 are the peers of filters 1, 2 and 10), the other effects for
// reference, and the spin blur on a 1920 x 1080 cut of the picture next to its baseline, the
// literal per-pixel loop (bench/SpinBlurLiteral.h), which must give the same
// bytes (checked once, outside the timing).
//
// Every round starts from the original picture (restored outside the timing), as Pillow's filters
// make a new picture each round.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>

#include "bench/BenchPicture.h"
#include "image/ZImage.h"
#include "image/ZImageEffects.h"
#include "bench/SpinBlurLiteral.h"

namespace zentrova {
namespace {

constexpr double kSpinAngle = 3.0;

// Runs operation on a fresh copy of `source` every round.
template <typename Operation>
void RunOnCopy(benchmark::State& state, const ZImage& source, Operation operation) {
    ZImage image;
    image.CopyFrom(source);
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(image.GetBits(), source.GetBits(), source.GetPixelMemorySize());
        state.ResumeTiming();
        if (!operation(image)) {
            state.SkipWithError("effect failed");
            break;
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(source.GetPixelMemorySize()));
}

// The top-left 1920 x 1080 of the test picture.
const ZImage& SpinPicture() {
    static ZImage cut;
    if (!cut.IsValid()) {
        const ZImage& picture = BenchPicture();
        const uint32_t w = std::min(1920u, picture.GetWidth());
        const uint32_t h = std::min(1080u, picture.GetHeight());
        cut.Create(w, h, 24, 0, nullptr);
        for (uint32_t y = 0; y < h; ++y) {
            std::memcpy(cut.GetRow(h - 1 - y), picture.GetRow(picture.GetHeight() - 1 - y),
                        size_t{w} * 3);
        }
    }
    return cut;
}

void BM_Memcpy(benchmark::State& state) {
    RunMemcpyBaseline(state);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

void BM_Filter(benchmark::State& state) {
    const int index = static_cast<int>(state.range(0));
    RunOnCopy(state, BenchPicture(), [&](ZImage& image) { return ApplyFilter(image, index); });
}
BENCHMARK(BM_Filter)->DenseRange(1, 12)->Unit(benchmark::kMillisecond);

void BM_Pixelize8(benchmark::State& state) {
    RunOnCopy(state, BenchPicture(), [](ZImage& image) { return Pixelize(image, 8); });
}
BENCHMARK(BM_Pixelize8)->Unit(benchmark::kMillisecond);

void BM_Buttonize(benchmark::State& state) {
    RunOnCopy(state, BenchPicture(), [](ZImage& image) { return Buttonize(image, 20, 0.5); });
}
BENCHMARK(BM_Buttonize)->Unit(benchmark::kMillisecond);

void BM_Invert(benchmark::State& state) {
    RunOnCopy(state, BenchPicture(), [](ZImage& image) { return Invert(image); });
}
BENCHMARK(BM_Invert)->Unit(benchmark::kMillisecond);

void BM_ColorOffset(benchmark::State& state) {
    RunOnCopy(state, BenchPicture(), [](ZImage& image) { return ColorOffset(image, 20, -10, 5); });
}
BENCHMARK(BM_ColorOffset)->Unit(benchmark::kMillisecond);

void BM_Grayscale(benchmark::State& state) {
    ZImage image;
    for (auto _ : state) {
        state.PauseTiming();
        image.CopyFrom(BenchPicture());
        state.ResumeTiming();
        Grayscale(image);
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_Grayscale)->Unit(benchmark::kMillisecond);

void BM_SpinBlurLiteral(benchmark::State& state) {
    RunOnCopy(state, SpinPicture(),
              [](ZImage& image) { return test::SpinBlurReference(image, kSpinAngle); });
}
BENCHMARK(BM_SpinBlurLiteral)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SpinBlur(benchmark::State& state) {
    static const bool identical = [] {
        ZImage fast;
        ZImage literal;
        fast.CopyFrom(SpinPicture());
        literal.CopyFrom(SpinPicture());
        return SpinBlur(fast, kSpinAngle) && test::SpinBlurReference(literal, kSpinAngle) &&
               std::equal(fast.GetBits(), fast.GetBits() + fast.GetPixelMemorySize(),
                          literal.GetBits());
    }();
    if (!identical) {
        state.SkipWithError("spin blur differs from the literal loop");
        return;
    }
    RunOnCopy(state, SpinPicture(), [](ZImage& image) { return SpinBlur(image, kSpinAngle); });
}
BENCHMARK(BM_SpinBlur)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrova

BENCHMARK_MAIN();
