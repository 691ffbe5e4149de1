// JPEG and PNG codec benchmarks on the 3840 x 2160 24-bit desktop of make_test_picture.py (its
// BMP path in the environment variable CLARIVUE_BENCH_PICTURE; bench/report.py sets it and puts
// the figures next to Pillow's, measured in the same run).
//
// Writers write a new file each round (removing the old one is not timed); the counter "bytes"
// is the size of the file written.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "codecs/ZFile.h"
#include "codecs/ZImageCodecBmp.h"
#include "codecs/ZImageCodecJpg.h"
#include "codecs/ZImageCodecPng.h"
#include "core/FileSystem.h"
#include "core/WideText.h"
#include "bench/BenchPicture.h"
#include "image/ZImage.h"

namespace zentrova {
namespace {

const ZImage& Picture() {
    return BenchPicture();
}

std::wstring ScratchPath(const char* name) {
    return GetTempFolder() + FromUtf8(name);
}

int64_t FileBytes(const std::wstring& path) {
    ZFile file;
    return file.Open(path.c_str(), ZFile::Mode::Read) ? file.GetSize() : -1;
}

void Finish(benchmark::State& state, const std::wstring& path) {
    state.counters["bytes"] = static_cast<double>(FileBytes(path));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(Picture().GetPixelMemorySize()));
}

template <typename Write>
void TimeWrites(benchmark::State& state, const char* name, Write write) {
    const ZImage& picture = Picture();
    const std::wstring path = ScratchPath(name);
    wchar_t error[kMaxPathChars] = L"";
    for (auto _ : state) {
        state.PauseTiming();
        DeleteFileAt(path.c_str());
        state.ResumeTiming();
        if (!write(path.c_str(), picture, error)) {
            state.SkipWithError("write failed");
        }
    }
    Finish(state, path);
    DeleteFileAt(path.c_str());
}

template <typename Write, typename Read>
void TimeReads(benchmark::State& state, const char* name, Write write, Read read) {
    const std::wstring path = ScratchPath(name);
    wchar_t error[kMaxPathChars] = L"";
    if (!write(path.c_str(), Picture(), error)) {
        state.SkipWithError("write failed");
        return;
    }
    ZImage image;
    for (auto _ : state) {
        if (!read(image, path.c_str(), nullptr)) {
            state.SkipWithError("read failed");
        }
    }
    Finish(state, path);
    DeleteFileAt(path.c_str());
}

bool WritePngPlain(const wchar_t* path, const ZImage& image, wchar_t* error) {
    return WritePng(path, image, error, kMaxPathChars, false);
}

// The program's JPEG settings: quality 90, optimised, baseline, with its comment.
bool WriteJpgDefault(const wchar_t* path, const ZImage& image, wchar_t* error) {
    return WriteJpg(path, image, error, kMaxPathChars);
}

// Quality 90 without the optimised Huffman tables: the settings of Pillow's default save.
bool WriteJpgPlain(const wchar_t* path, const ZImage& image, wchar_t* error) {
    return WriteJpg(path, image, error, kMaxPathChars, 90, false, 0.0, false, nullptr);
}

void BM_PngWrite(benchmark::State& state) {
    TimeWrites(state, "zbench-write.png", WritePngPlain);
}
BENCHMARK(BM_PngWrite)->Unit(benchmark::kMillisecond);

void BM_PngRead(benchmark::State& state) {
    TimeReads(state, "zbench-read.png", WritePngPlain,
              [](ZImage& image, const wchar_t* path, uint32_t* code) {
                  return ReadPng(image, path, code);
              });
}
BENCHMARK(BM_PngRead)->Unit(benchmark::kMillisecond);

void BM_JpgWrite(benchmark::State& state) {
    TimeWrites(state, "zbench-write.jpg", WriteJpgDefault);
}
BENCHMARK(BM_JpgWrite)->Unit(benchmark::kMillisecond);

void BM_JpgWritePlain(benchmark::State& state) {
    TimeWrites(state, "zbench-write-plain.jpg", WriteJpgPlain);
}
BENCHMARK(BM_JpgWritePlain)->Unit(benchmark::kMillisecond);

void BM_JpgRead(benchmark::State& state) {
    TimeReads(state, "zbench-read.jpg", WriteJpgPlain,
              [](ZImage& image, const wchar_t* path, uint32_t* code) {
                  return ReadJpg(image, path, code);
              });
}
BENCHMARK(BM_JpgRead)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrova

BENCHMARK_MAIN();
