// The PDF export: time for the 3840 x 2160 desktop of make_test_picture.py (one landscape page
// of 3368 x 2380 with the picture scaled by filter 4), next to the PNG write of the same picture
// in bench/report.py; and the memory of a 1920 x 50,000 picture's export (62 pages of
// 2380 x 3368, the picture enlarged to 2380 x 61,979): the export builds the pages row by row,
// so its peak memory stays near the picture's own size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "bench/BenchPicture.h"
#include "codecs/ZPdfExport.h"
#include "core/FileSystem.h"
#include "core/WideText.h"
#include "image/ZImage.h"

namespace zentrova {
namespace {

std::wstring ScratchPath(const char* name) {
    return GetTempFolder() + FromUtf8(name);
}

void BM_PdfExport(benchmark::State& state) {
    const ZImage& picture = BenchPicture();
    const std::wstring path = ScratchPath("zbench-export.pdf");
    wchar_t error[kMaxPathChars] = L"";
    for (auto _ : state) {
        state.PauseTiming();
        DeleteFileAt(path.c_str());
        state.ResumeTiming();
        if (!WritePdf(path.c_str(), picture, path.c_str(), error, kMaxPathChars)) {
            state.SkipWithError("export failed");
        }
    }
    SetPictureBytes(state);
    DeleteFileAt(path.c_str());
}
BENCHMARK(BM_PdfExport)->Unit(benchmark::kMillisecond);

// A field of /proc/self/status in kB ("VmRSS", "VmHWM"); -1 when it cannot be read.
long StatusKb(const char* field) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) {
        return -1;
    }
    char line[256];
    long value = -1;
    const size_t n = std::strlen(field);
    while (std::fgets(line, sizeof(line), status) != nullptr) {
        if (std::strncmp(line, field, n) == 0 && line[n] == ':') {
            value = std::strtol(line + n + 1, nullptr, 10);
        }
    }
    std::fclose(status);
    return value;
}

// Restarts the peak (VmHWM) at the present resident size.
bool ResetPeak() {
    std::FILE* clear = std::fopen("/proc/self/clear_refs", "w");
    if (clear == nullptr) {
        return false;
    }
    const bool ok = std::fputs("5", clear) >= 0;
    return std::fclose(clear) == 0 && ok;
}

// counters: picture_mb, export_peak_mb (resident growth from before the picture was made to the
// export's peak, the picture included) and their ratio.
void BM_PdfTallMemory(benchmark::State& state) {
    const std::wstring path = ScratchPath("zbench-tall.pdf");
    wchar_t error[kMaxPathChars] = L"";
    for (auto _ : state) {
        state.PauseTiming();
        const long before = StatusKb("VmRSS");
        ZImage picture;
        if (!picture.Create(1920, 50000, 24, 0, nullptr)) {
            state.SkipWithError("no picture");
            break;
        }
        for (uint32_t r = 0; r < picture.GetHeight(); ++r) {
            uint8_t* row = picture.GetRow(r);
            for (uint32_t i = 0; i < picture.GetStride(); ++i) {
                row[i] = static_cast<uint8_t>(r * 7 + i / 3);
            }
        }
        if (!ResetPeak()) {
            state.SkipWithError("peak memory cannot be measured here");
            break;
        }
        state.ResumeTiming();
        if (!WritePdf(path.c_str(), picture, path.c_str(), error, kMaxPathChars)) {
            state.SkipWithError("export failed");
        }
        state.PauseTiming();
        const double peakMb = static_cast<double>(StatusKb("VmHWM") - before) / 1024.0;
        const double pictureMb = static_cast<double>(picture.GetPixelMemorySize()) / 1048576.0;
        state.counters["picture_mb"] = pictureMb;
        state.counters["export_peak_mb"] = peakMb;
        state.counters["peak_ratio"] = peakMb / pictureMb;
        DeleteFileAt(path.c_str());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PdfTallMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace zentrova

BENCHMARK_MAIN();
