// The scrolling capture's inner loop: the overlap search, literal and fast side by side on the
// same pages, and the stitching of 50 pages.
//   BM_OverlapLiteral / BM_OverlapFast: a 1920 x 1000 text page scrolled by 240 rows (text mode)
//   BM_TextStep: one step of the text mode on a 1920 x 1080 window scrolled by 64 rows
//   BM_WebsiteStep: one step of the website mode (a 300-row band, 960 columns compared)
//   BM_Stitch50Pages: 50 pages of 1920 x 1000, 1000 new rows each, into one picture
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "capture/scroll/ScrollRules.h"
#include "capture/scroll/ScrollStitcher.h"
#include "image/ZImage.h"
#include "image/overlap/ZOverlapSearch.h"

namespace zentrova {
namespace {

constexpr int32_t kWidth = 1920;

// A document of text lines: 12 rows of glyph-like pixels (dark on white, about one in five),
// 6 blank rows between lines, margins of 40 pixels.
const std::vector<uint8_t>& TextDocument() {
    static const std::vector<uint8_t> doc = [] {
        const int32_t rows = 4000;
        std::vector<uint8_t> d(static_cast<size_t>(kWidth) * 3 * rows, 0xFF);
        std::mt19937 random(11);
        for (int32_t y = 0; y < rows; ++y) {
            if (y % 18 >= 12) {
                continue;
            }
            uint8_t* row = d.data() + static_cast<size_t>(y) * kWidth * 3;
            for (int32_t x = 40; x < kWidth - 40; ++x) {
                if (random() % 5 == 0) {
                    std::memset(row + x * 3, 0x30, 3);
                }
            }
        }
        return d;
    }();
    return doc;
}

void Page(int32_t first, int32_t height, ZImage& page) {
    page.Create(kWidth, static_cast<uint32_t>(height), 24, 0, nullptr);
    const std::vector<uint8_t>& doc = TextDocument();
    for (int32_t y = 0; y < height; ++y) {
        std::memcpy(page.GetRow(static_cast<uint32_t>(height - 1 - y)),
                    doc.data() + static_cast<size_t>(first + y) * kWidth * 3, kWidth * 3);
    }
}

template <OverlapResult (*Search)(const ZImage&, const ZImage&, int32_t, int32_t, int32_t)>
void RunSearch(benchmark::State& state, int32_t height, int32_t scroll, int32_t columns,
               int32_t threshold) {
    ZImage previous, current;
    Page(0, height, previous);
    Page(scroll, height, current);
    for (auto _ : state) {
        const OverlapResult r = Search(current, previous, 0, columns, threshold);
        if (!r.found || r.shift != scroll) {
            state.SkipWithError("wrong shift");
        }
    }
}

void BM_OverlapLiteral(benchmark::State& state) {
    RunSearch<FindOverlapLiteral>(state, 1000, 240, kWidth, 99);
}
void BM_OverlapFast(benchmark::State& state) {
    RunSearch<FindOverlap>(state, 1000, 240, kWidth, 99);
}
void BM_TextStep(benchmark::State& state) {
    RunSearch<FindOverlap>(state, 1080, 64, kWidth, MatchThreshold(ScrollKind::Text));
}
void BM_WebsiteStep(benchmark::State& state) {
    RunSearch<FindOverlap>(state, kWebsiteBandRows, 64, ComparedWidth(ScrollKind::Website, kWidth),
                           MatchThreshold(ScrollKind::Website));
}
BENCHMARK(BM_OverlapLiteral)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OverlapFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WebsiteStep)->Unit(benchmark::kMillisecond);

void BM_Stitch50Pages(benchmark::State& state) {
    ZImage page;
    Page(0, 1000, page);
    for (auto _ : state) {
        ScrollStitcher stitcher;
        stitcher.Start(page);
        for (int i = 1; i < 50; ++i) {
            stitcher.AppendBottomRows(page, 1000);
        }
        ZImage result;
        if (!stitcher.TakeResult(result) || result.GetHeight() != 50000) {
            state.SkipWithError("stitching failed");
        }
    }
}
BENCHMARK(BM_Stitch50Pages)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrova

BENCHMARK_MAIN();
