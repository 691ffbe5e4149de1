// print_bench.exe PICTURE.bmp [ROUNDS]: times a print of PICTURE (the 3840 x 2160 test desktop) on
// the default printer, from the start of the document to its end (the pages planned, each page's
// part copied and drawn, the document closed), for the one-page best fit and for page-high
// strips at 96 dpi. Prints the median, the fastest and the slowest of ROUNDS (default 5) rounds
// in ms. Budget: 2,000 ms. Run by hand under Wine with the PostScript test printer of the print
// test as the default printer, or on Windows.
#include <windows.h>

#include "bench/win/BenchTiming_win.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "codecs/ZImageCodecBmp.h"
#include "editmode/print/PrintPlan.h"
#include "editmode/win/PrinterDevice_win.h"
#include "image/ZImage.h"

namespace {

using namespace zentrova;
using namespace zentrova::bench;

}  // namespace

int wmain(int argc, wchar_t** argv) {
    ZImage picture;
    if (argc < 2 || !ReadBmp(picture, argv[1]) || !picture.SetBitDepth(24)) {
        std::fputs("usage: print_bench PICTURE.bmp [ROUNDS]\n", stderr);
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 5;
    picture.dpiX = picture.dpiY = 96;
    const PrintSource source{static_cast<int32_t>(picture.GetWidth()),
                             static_cast<int32_t>(picture.GetHeight()), 96, 96};
    PrinterDevice printer;
    const std::wstring name = PrinterDevice::DefaultPrinter();
    for (const PrintStyle style : {PrintStyle::BestFit, PrintStyle::PagesVertically}) {
        std::vector<double> times;
        size_t pageCount = 0;
        for (int round = 0; round < rounds; ++round) {
            if (!printer.Open(name)) {
                std::fputs("no printer\n", stderr);
                return 1;
            }
            const double start = Now();
            std::vector<PrintPage> pages;
            PlanPrint(source, style, false, printer.Metrics(), pages);
            PrintPages(printer, picture, pages, L"print_bench");
            times.push_back(Now() - start);
            pageCount = pages.size();
            printer.Close();
        }
        std::sort(times.begin(), times.end());
        std::printf("style %d (%zu pages): median %.1f ms, fastest %.1f, slowest %.1f\n",
                    static_cast<int>(style), pageCount, times[times.size() / 2], times.front(),
                    times.back());
    }
    return 0;
}
