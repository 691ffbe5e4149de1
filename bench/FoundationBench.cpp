// Foundation benchmarks: whole-image copies, flips, BMP write/read and the undo history, each
// next to its baseline (memcpy, fwrite, fread of the same bytes) measured in the same run.
//
// The picture is the 3840 x 2160 24-bit desktop made by make_test_picture.py; its path comes
// from the environment variable CLARIVUE_BENCH_PICTURE (bench/report.py sets it).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "codecs/ZImageCodecBmp.h"
#include "core/FileSystem.h"
#include "core/WideText.h"
#include "editmode/EditHistory.h"
#include "bench/BenchPicture.h"
#include "image/ZImage.h"

namespace zentrova {
namespace {

const ZImage& Picture() {
    return BenchPicture();
}

std::string ScratchPath(const char* name) {
    return ToUtf8(GetTempFolder()) + name;
}

// Copies -----------------------------------------------------------------------------------------

void BM_Memcpy(benchmark::State& state) {
    RunMemcpyBaseline(state);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

void BM_CopyFrom(benchmark::State& state) {
    const ZImage& picture = Picture();
    ZImage copy;
    for (auto _ : state) {
        copy.CopyFrom(picture);
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_CopyFrom)->Unit(benchmark::kMillisecond);

void BM_FlipVertical(benchmark::State& state) {
    ZImage image;
    image.CopyFrom(Picture());
    for (auto _ : state) {
        image.FlipVertical();
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_FlipVertical)->Unit(benchmark::kMillisecond);

// BMP against stdio
// --------------------------------------------------------------------------------

constexpr size_t kBmpHeaderBytes = 54;

// Captures are written as new files: each round writes a file that does not exist yet. (Rewriting
// the same file would time the file system's flush on truncation instead of the writer.)
void RemoveUntimed(benchmark::State& state, const std::string& path) {
    state.PauseTiming();
    std::remove(path.c_str());
    state.ResumeTiming();
}

void BM_StdioWrite(benchmark::State& state) {
    const ZImage& picture = Picture();
    const std::string path = ScratchPath("zbench-stdio.bmp");
    uint8_t header[kBmpHeaderBytes] = {'B', 'M'};
    for (auto _ : state) {
        RemoveUntimed(state, path);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(header, 1, sizeof header, f);
        std::fwrite(picture.GetBits(), 1, picture.GetPixelMemorySize(), f);
        std::fclose(f);
    }
    std::remove(path.c_str());
    SetPictureBytes(state);
}
BENCHMARK(BM_StdioWrite)->Unit(benchmark::kMillisecond);

void BM_BmpWrite(benchmark::State& state) {
    const ZImage& picture = Picture();
    const std::wstring path = FromUtf8(ScratchPath("zbench-write.bmp"));
    for (auto _ : state) {
        RemoveUntimed(state, ToUtf8(path));
        if (!WriteBmp(path.c_str(), picture)) {
            state.SkipWithError("write failed");
        }
    }
    DeleteFileAt(path.c_str());
    SetPictureBytes(state);
}
BENCHMARK(BM_BmpWrite)->Unit(benchmark::kMillisecond);

void BM_StdioRead(benchmark::State& state) {
    const ZImage& picture = Picture();
    const std::wstring wide = FromUtf8(ScratchPath("zbench-read.bmp"));
    WriteBmp(wide.c_str(), picture);
    const std::string path = ToUtf8(wide);
    std::vector<uint8_t> header(kBmpHeaderBytes);
    std::vector<uint8_t> pixels(picture.GetPixelMemorySize());
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        benchmark::DoNotOptimize(std::fread(header.data(), 1, header.size(), f));
        benchmark::DoNotOptimize(std::fread(pixels.data(), 1, pixels.size(), f));
        std::fclose(f);
    }
    DeleteFileAt(wide.c_str());
    SetPictureBytes(state);
}
BENCHMARK(BM_StdioRead)->Unit(benchmark::kMillisecond);

void BM_BmpRead(benchmark::State& state) {
    const std::wstring path = FromUtf8(ScratchPath("zbench-read.bmp"));
    WriteBmp(path.c_str(), Picture());
    ZImage image;
    for (auto _ : state) {
        if (!ReadBmp(image, path.c_str(), nullptr)) {
            state.SkipWithError("read failed");
        }
    }
    DeleteFileAt(path.c_str());
    SetPictureBytes(state);
}
BENCHMARK(BM_BmpRead)->Unit(benchmark::kMillisecond);

// Undo history against stdio -------------------------------------------------------------------

void BM_StdioWriteRead(benchmark::State& state) {
    const ZImage& picture = Picture();
    const std::string path = ScratchPath("zbench-state.tmp");
    std::vector<uint8_t> pixels(picture.GetPixelMemorySize());
    uint8_t header[20] = {};
    for (auto _ : state) {
        RemoveUntimed(state, path);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(header, 1, sizeof header, f);
        std::fwrite(picture.GetBits(), 1, pixels.size(), f);
        std::fclose(f);
        f = std::fopen(path.c_str(), "rb");
        benchmark::DoNotOptimize(std::fread(header, 1, sizeof header, f));
        benchmark::DoNotOptimize(std::fread(pixels.data(), 1, pixels.size(), f));
        std::fclose(f);
    }
    std::remove(path.c_str());
    SetPictureBytes(state);
}
BENCHMARK(BM_StdioWriteRead)->Unit(benchmark::kMillisecond);

void BM_HistoryPushUndo(benchmark::State& state) {
    const ZImage& picture = Picture();
    EditHistory history;
    ZImage working;
    // Each round saves the picture as the first state of an empty history and undoes to it: one
    // state file written and one read. Emptying the history (deleting the file of the round
    // before) is not timed, as the baseline's removal of its file is not.
    for (auto _ : state) {
        state.PauseTiming();
        history.Reset();
        state.ResumeTiming();
        history.Push(picture);
        if (!history.Undo(working)) {
            state.SkipWithError("undo failed");
        }
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_HistoryPushUndo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrova

BENCHMARK_MAIN();
