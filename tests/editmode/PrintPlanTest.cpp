// PrintPlan: page targets of the one-page styles, strips that cover every pixel, bad input.
#include "editmode/print/PrintPlan.h"

#include "editmode/print/PrintChoice.h"

#include <tuple>

#include <gtest/gtest.h>

namespace zentrova {
namespace {

constexpr PrinterMetrics kLetter300{2400, 3000, 300, 300};  // 8 x 10 inch printable
constexpr PrinterMetrics kPrinter600{4800, 6000, 600, 600};

TEST(PrintPlanTest, OnePageStyles) {
    using S = PrintStyle;
    const std::tuple<PrintSource, PrintStyle, bool, PrinterMetrics, ZRect> cases[] = {
        // 10 x 5 inches at 600 dpi, past the page's width: physical size is kept.
        {{960, 480, 96, 96}, S::OriginalSize, false, kPrinter600, {0, 0, 6000, 3000}},
        {{480, 240, 96, 96}, S::BestFitOnlyBig, false, kLetter300, {0, 0, 1500, 750}},
        // 3000 x 1500 does not fit: scaled by 2.5 and centred.
        {{960, 480, 96, 96}, S::BestFitOnlyBig, false, kLetter300, {0, 900, 2400, 2100}},
        {{100, 50, 96, 96}, S::BestFit, false, kLetter300, {0, 900, 2400, 2100}},
        {{100, 50, 96, 96}, S::BestFit, true, kLetter300, {450, 0, 1950, 3000}},
        // Turned left: the top left of the turned page is the device's bottom left.
        {{400, 200, 100, 50}, S::OriginalSize, true, kLetter300, {0, 1800, 1200, 3000}},
        {{200, 100, 100, 100}, S::OriginalSize, true, kLetter300, {0, 2400, 300, 3000}},
        // A resolution far above the printer's still prints a pixel.
        {{3, 2, 10000, 10000}, S::OriginalSize, false, kLetter300, {0, 0, 1, 1}},
    };
    for (const auto& [picture, style, landscape, printer, target] : cases) {
        std::vector<PrintPage> pages;
        ASSERT_TRUE(PlanPrint(picture, style, landscape, printer, pages));
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(pages[0].source, (ZRect{0, 0, picture.width, picture.height}));
        EXPECT_EQ(pages[0].turnLeft, landscape);
        const ZRect& t = pages[0].target;
        EXPECT_EQ(t, target) << t.left << "," << t.top << "," << t.right << "," << t.bottom;
    }
}

TEST(PrintPlanTest, StripsCoverEveryPixelWithoutBlankPages) {
    using S = PrintStyle;
    // 300 device pixels an inch, 100 picture pixels an inch: 3 device pixels a picture pixel.
    // Picture, style, turned; picture pixels per full strip, pages, the last page's target.
    const std::tuple<PrintSource, PrintStyle, bool, int32_t, size_t, ZRect> cases[] = {
        {{1000, 100, 100, 100}, S::PagesHorizontally, false, 800, 2, {0, 0, 600, 300}},
        // Exactly two pages wide: two pages, not a third blank one.
        {{1600, 100, 100, 100}, S::PagesHorizontally, false, 800, 2, {0, 0, 2400, 300}},
        {{100, 2500, 100, 100}, S::PagesVertically, false, 1000, 3, {0, 0, 300, 1500}},
        // Turned: columns run along the device's height, rows along its width.
        {{2500, 100, 100, 100}, S::PagesHorizontally, true, 1000, 3, {0, 1500, 300, 3000}},
        {{100, 1000, 100, 100}, S::PagesVertically, true, 800, 2, {0, 2700, 600, 3000}},
    };
    for (const auto& [picture, style, landscape, strip, count, lastTarget] : cases) {
        std::vector<PrintPage> pages;
        ASSERT_TRUE(PlanPrint(picture, style, landscape, kLetter300, pages));
        ASSERT_EQ(pages.size(), count);
        const bool byRows = style == S::PagesVertically;
        int32_t next = 0;
        for (const PrintPage& page : pages) {
            const int32_t start = byRows ? page.source.top : page.source.left;
            const int32_t size = byRows ? page.source.Height() : page.source.Width();
            EXPECT_EQ(start, next);
            EXPECT_TRUE(size == strip || &page == &pages.back()) << size;
            EXPECT_EQ(byRows ? page.source.Width() : page.source.Height(),
                      byRows ? picture.width : picture.height);
            EXPECT_EQ(page.turnLeft, landscape);
            next = start + size;
        }
        EXPECT_EQ(next, byRows ? picture.height : picture.width);
        EXPECT_EQ(pages.back().target, lastTarget);
    }
}

TEST(PrintPlanTest, RefusesWhatCannotBePrintedAndResolutionsOutside1To10000) {
    const PrintSource bad[] = {{0, 10, 96, 96}, {10, 10, 0, 96}, {10, 10, 96, -5}};
    std::vector<PrintPage> pages(2);
    for (const PrintSource& picture : bad) {
        EXPECT_FALSE(PlanPrint(picture, PrintStyle::BestFit, false, kLetter300, pages));
        EXPECT_TRUE(pages.empty());
    }
    EXPECT_FALSE(
        PlanPrint({10, 10, 96, 96}, PrintStyle::BestFit, false, {0, 3000, 300, 300}, pages));
    // The resolution field takes whole numbers from 1 to 10000 (0: the text is refused).
    const std::pair<const wchar_t*, int32_t> cases[] = {
        {L"1", 1}, {L"300", 300}, {L"10000", 10000}, {L"0", 0},   {L"10001", 0},
        {L"", 0},  {L"-5", 0},    {L"3e2", 0},       {L" 96", 0}, {L"99999999999", 0}};
    for (const auto& [text, expected] : cases) {
        int32_t dpi = -1;
        EXPECT_EQ(ParsePrintDpi(text, dpi), expected != 0) << text;
        EXPECT_EQ(dpi, expected != 0 ? expected : -1) << text;
    }
}

}  // namespace
}  // namespace zentrova
