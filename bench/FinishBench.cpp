// The capture finishing pipeline on the 3840 x 2160 24-bit test picture: each step of the
// default settings plus shape 7 ("torn", direction 5 = bottom edge) and fader 7 (fading out at
// the bottom), and the whole pipeline. Single-threaded, native build (no sound, no cursor: the
// defaults have the cursor off). Budget of the whole: 300 ms.
//
// The mask file is read from $CLARIVUE_PROGRAM_DIR/Masks when that is set and holds it;
// otherwise a 1024 x 768 torn-edge mask of the same kind is drawn and written to a temporary
// folder, so the benchmark always measures the file path too.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/BenchPicture.h"
#include "capture/finish/FinishPipeline.h"
#include "codecs/ZImageCodecPng.h"
#include "config/SettingsRecord.h"
#include "core/FileSystem.h"
#include "core/LoadImage.h"
#include "core/WideText.h"
#include "image/ZCompositing.h"
#include "image/ZImageEffects.h"

namespace zentrova {
namespace {

constexpr uint32_t kShape = 7;
constexpr uint32_t kDirection = 5;
constexpr uint32_t kFader = 7;

FinishOptions BenchOptions() {
    SettingsRecord record{};
    FillSettingNumberDefaults(record);
    record.CaptureShapeType = kShape;
    record.CaptureShapeTypeDirection = kDirection;
    record.CaptureShapeFader = kFader;
    return FinishOptionsFromSettings(record);
}

// A torn-paper mask: white, with a ragged black band along every edge.
bool DrawTornMask(ZImage& mask) {
    const int w = 1024, h = 768;
    if (!mask.Create(w, h, 24, 0xFFFFFF, nullptr)) {
        return false;
    }
    auto depth = [](int i) {
        return 20 + static_cast<int>(12 * std::fabs(std::sin(i * 0.37)) + 9 * ((i * 7919) % 5));
    };
    for (int i = 0; i < w; ++i) {
        FillSolidRect(mask, i, 0, 1, depth(i), 0);
        FillSolidRect(mask, i, h - depth(i + 3), 1, depth(i + 3), 0);
    }
    for (int j = 0; j < h; ++j) {
        FillSolidRect(mask, 0, j, depth(j + 5), 1, 0);
        FillSolidRect(mask, w - depth(j + 9), j, depth(j + 9), 1, 0);
    }
    return true;
}

// The program folder holding Masks/CaptureShapeEffect_torn.png.
const std::wstring& ProgramFolder() {
    static const std::wstring folder = [] {
        const char* env = std::getenv("CLARIVUE_PROGRAM_DIR");
        if (env != nullptr) {
            const std::wstring given = FromUtf8(env);
            if (PathExists(ShapeMaskPath(given, kShape).c_str())) {
                return given;
            }
        }
        std::wstring temp;
        CreateTempFile(L"zfb", temp);
        DeleteFileAt(temp.c_str());
        CreateOneDirectory(temp.c_str());
        const std::wstring masks = temp + kNativeSeparator + L"Masks";
        CreateOneDirectory(masks.c_str());
        ZImage mask;
        if (!DrawTornMask(mask) ||
            !WritePng(ShapeMaskPath(temp, kShape).c_str(), mask, nullptr, 0)) {
            std::fprintf(stderr, "cannot write the mask file\n");
            std::exit(1);
        }
        return temp;
    }();
    return folder;
}

void Fail(benchmark::State& state, bool worked, const char* what) {
    if (!worked) {
        state.SkipWithError(what);
    }
}

// Steps -------------------------------------------------------------------------------------------

void BM_Step_MaskLoad(benchmark::State& state) {
    const std::wstring path = ShapeMaskPath(ProgramFolder(), kShape);
    for (auto _ : state) {
        ZImage mask;
        Fail(state, LoadImageFromFile(mask, path.c_str()), "mask load failed");
        benchmark::DoNotOptimize(mask.GetBits());
    }
}
BENCHMARK(BM_Step_MaskLoad)->Unit(benchmark::kMillisecond);

// Shape steps 3-7 as the pipeline runs them for a mask file (one pass, shadow on), the mask
// file's loading excluded.
void BM_Step_MaskCutOut(benchmark::State& state) {
    ZImage file;
    if (!LoadImageFromFile(file, ShapeMaskPath(ProgramFolder(), kShape).c_str())) {
        state.SkipWithError("mask load failed");
        return;
    }
    ZImage capture, maskFile;
    for (auto _ : state) {
        state.PauseTiming();
        capture.CopyFrom(BenchPicture());
        maskFile.CopyFrom(file);
        state.ResumeTiming();
        Fail(state, CutOutThroughMaskFile(capture, maskFile, kDirection, true, 0xFFFFFF),
             "cut-out failed");
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_Step_MaskCutOut)->Unit(benchmark::kMillisecond);

// The drop shadow as the pipeline passes it after a shape (outline path, defaults).
void BM_Step_DropShadow(benchmark::State& state) {
    const FinishOptions o = BenchOptions();
    DropShadowOptions shadow;
    shadow.shadowColour = o.shadowColour;
    shadow.backgroundColour = o.background;
    shadow.directionDegrees = static_cast<int>(o.shadowDirection);
    shadow.dither = static_cast<int>(o.shadowDither);
    shadow.intensityPercent = static_cast<int>(o.shadowIntensity);
    shadow.offset = static_cast<int>(o.shadowOffset);
    shadow.plainRectangle = PlainRectangleFlag(CaptureMode::FreeRectangle, true);
    shadow.keyColour = kFinishKeyColour;
    ZImage capture;
    for (auto _ : state) {
        state.PauseTiming();
        capture.CopyFrom(BenchPicture());
        state.ResumeTiming();
        Fail(state, ApplyDropShadow(capture, shadow), "drop shadow failed");
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_Step_DropShadow)->Unit(benchmark::kMillisecond);

void BM_Step_Fader(benchmark::State& state) {
    ZImage capture;
    for (auto _ : state) {
        state.PauseTiming();
        capture.CopyFrom(BenchPicture());
        state.ResumeTiming();
        Fail(state, ApplyFader(capture, kFader, 0xFFFFFF), "fader failed");
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_Step_Fader)->Unit(benchmark::kMillisecond);

// The whole pipeline
// -------------------------------------------------------------------------------

void BM_FinishWhole(benchmark::State& state) {
    const FinishOptions options = BenchOptions();
    FinishRequest request;
    request.mode = CaptureMode::FreeRectangle;
    request.programFolder = ProgramFolder();
    NoFinishPlatform platform;
    ZImage capture;
    for (auto _ : state) {
        state.PauseTiming();
        capture.CopyFrom(BenchPicture());
        state.ResumeTiming();
        const FinishReport report = FinishImage(capture, options, request, platform);
        if (report.shape != StepOutcome::Done || report.shadow != StepOutcome::Done ||
            report.fader != StepOutcome::Done) {
            state.SkipWithError("a step failed");
        }
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_FinishWhole)->Unit(benchmark::kMillisecond);

void BM_Memcpy(benchmark::State& state) {
    RunMemcpyBaseline(state);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrova

BENCHMARK_MAIN();
