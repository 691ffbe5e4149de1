// The scrolling capture's rules and its stitcher.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "capture/scroll/ScrollRules.h"
#include "capture/scroll/ScrollSession.h"
#include "capture/scroll/ScrollStitcher.h"
#include "capture/scroll/StickyBands.h"

namespace zentrova {
namespace {

TEST(ScrollRules, PageGeometryOfOrdinaryWindowsAndTheBrowserControl) {
    ScrollWindowFacts plain{false, 800, 600, 800, 600, 1, 1, 17, 17};
    ScrollWindowFacts browser{true, 800, 600, 800, 600, 1, 1, 17, 17};
    ScrollWindowFacts framed{true, 780, 580, 800, 600, 1, 1, 17, 17};
    // Plain text; a plain website (bottom band); the browser control (cuts and offset); the
    // browser control inside a frame (no cuts).
    const struct {
        ScrollWindowFacts facts;
        ScrollKind kind;
        ScrollPage full, step;
    } cases[] = {
        {plain, ScrollKind::Text, {0, 0, 0, 0, 0, 800, 600}, {0, 0, 0, 0, 0, 800, 600}},
        {plain, ScrollKind::Website, {0, 0, 0, 0, 0, 800, 600}, {0, 0, 0, 0, 300, 800, 300}},
        {browser, ScrollKind::Website, {2, 19, 19, 2, 2, 779, 579}, {2, 19, 19, 2, 279, 779, 300}},
        {framed, ScrollKind::Website, {2, 0, 0, 2, 2, 778, 578}, {2, 0, 0, 2, 278, 778, 300}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        for (const auto& [got, want] :
             {std::pair{FullPage(c.facts), c.full}, std::pair{StepPage(c.facts, c.kind), c.step}}) {
            const auto fields = [](const ScrollPage& p) {
                return std::vector<int32_t>{p.browserOffset, p.rightCut, p.bottomCut, p.x, p.y,
                                            p.width,         p.height};
            };
            EXPECT_EQ(fields(got), fields(want));
        }
    }
    // 300 usable rows are not enough for the band: the full page.
    ScrollWindowFacts short300{false, 800, 300, 800, 300, 1, 1, 17, 17};
    EXPECT_EQ(StepPage(short300, ScrollKind::Website).height, 300);
    EXPECT_EQ(StepPage(short300, ScrollKind::Website).y, 0);
}

TEST(ScrollRules, ComparedWidthRightHalfWheelPoint) {
    const struct {
        ScrollKind kind;
        int32_t page, compared;
    } widths[] = {{ScrollKind::Text, 1920, 1920},   {ScrollKind::Website, 500, 500},
                  {ScrollKind::Website, 600, 600},  {ScrollKind::Website, 601, 600},
                  {ScrollKind::Website, 1199, 600}, {ScrollKind::Website, 1200, 600},
                  {ScrollKind::Website, 1920, 960}};
    for (const auto& c : widths) {
        EXPECT_EQ(ComparedWidth(c.kind, c.page), c.compared) << c.page;
    }
    const auto range = [](const ColumnRange& r) { return std::pair{r.x0, r.w}; };
    EXPECT_EQ(range(RightHalf(800, 800)), std::pair(399, 400));
    EXPECT_EQ(range(RightHalf(800, 500)), std::pair(399, 101));  // never past the page
    EXPECT_EQ(RightHalf(800, 300).w, 0);
    const WheelPoint p = WheelPointFor(100, 900, 700, 19);
    EXPECT_EQ(std::pair(p.x, p.y), std::pair(880, 290));  // 700 / 2 - 60
    EXPECT_EQ(WheelPointFor(500, 900, 700, 0).y, 501);
}

TEST(ScrollRules, StopsAfterFourStepsWithoutProgressOrAnUnchangedView) {
    // (percent, shift) per step, and whether the capture goes on after it.
    const struct {
        const char* what;
        std::vector<std::pair<int32_t, int32_t>> steps;
        std::vector<bool> goOn;
    } cases[] = {
        {"already at the end", {{100, 0}}, {false}},
        {"scrolling, then the end", {{99, 40}, {100, 40}, {100, 0}}, {true, true, false}},
        {"a blinking caret four times",
         {{99, 0}, {99, 0}, {99, 0}, {99, 0}},
         {true, true, true, false}},
        {"progress does not reset the counter",
         {{99, 0}, {99, 0}, {99, 0}, {99, 5}, {99, 0}},
         {true, true, true, true, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        ScrollProgress progress;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            EXPECT_EQ(progress.AfterStep(c.steps[i].first, c.steps[i].second), c.goOn[i]) << i;
        }
    }
}

// A page whose picture row y has every byte (base + y) & 0xFF.
struct Rows : ZImage {
    Rows(uint32_t width, uint32_t height, uint8_t base, uint32_t bits = 24) {
        EXPECT_TRUE(Create(width, height, bits, 0, nullptr));
        for (uint32_t y = 0; y < height; ++y) {
            std::memset(GetRow(height - 1 - y), base + y, width * (bits / 8));
        }
    }
};

TEST(ScrollStitcher, CollectsExactlyTheRowsInOrder) {
    ScrollStitcher stitcher;
    ASSERT_TRUE(stitcher.Start(Rows(5, 4, 10)));                // rows 10..13
    ASSERT_TRUE(stitcher.AppendBottomRows(Rows(5, 4, 20), 2));  // 22, 23
    ASSERT_TRUE(stitcher.AppendBottomRows(Rows(5, 4, 30), 0));
    ASSERT_TRUE(stitcher.AppendTopRows(Rows(5, 4, 40, 32), 1));  // 40 (converted from 32 bits)
    EXPECT_FALSE(stitcher.AppendBottomRows(Rows(6, 4, 50), 1));  // another width
    EXPECT_FALSE(stitcher.AppendBottomRows(Rows(5, 4, 50), 5));  // more rows than the page has
    EXPECT_EQ(stitcher.GetHeight(), 7);
    ZImage result;
    ASSERT_TRUE(stitcher.TakeResult(result));
    ASSERT_EQ(result.GetHeight(), 7u);
    ASSERT_EQ(result.GetBitsPerPixel(), 24);
    std::vector<int> rows;
    for (uint32_t y = 0; y < 7; ++y) {
        rows.push_back(result.GetRow(6 - y)[0]);
    }
    EXPECT_EQ(rows, (std::vector<int>{10, 11, 12, 13, 22, 23, 40}));
    EXPECT_EQ(stitcher.GetHeight(), 0);
    EXPECT_FALSE(stitcher.TakeResult(result));
}

// What the window shows scrolled to `top`: `header` rows of the document's rows 5000... stay at
// the top, `footer` rows of 6000... at the bottom, the document's rows top... between them.
void View(ZImage& page, uint32_t width, int32_t height, int32_t top, int32_t header = 0,
          int32_t footer = 0) {
    ASSERT_TRUE(page.Create(width, static_cast<uint32_t>(height), 24, 0, nullptr));
    for (int32_t y = 0; y < height; ++y) {
        const int32_t c = y < header             ? 5000 + y
                          : y >= height - footer ? 6000 + y
                                                 : top + y - header;
        // Every pixel different within the row (no row is of one colour), every row different.
        uint8_t* row = page.GetRow(static_cast<uint32_t>(height - 1 - y));
        for (uint32_t x = 0; x < width; ++x) {
            row[3 * x] = static_cast<uint8_t>(c), row[3 * x + 1] = static_cast<uint8_t>(c >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(x * 16);
        }
    }
}

// Runs a capture over a document of `rows` scrolling rows, `step` rows per step; the result's
// rows as document row numbers.
std::vector<int32_t> Capture(ScrollKind kind, int32_t height, int32_t rows, int32_t step,
                             int32_t header = 0, int32_t footer = 0) {
    const uint32_t width = 8;
    const int32_t limit = std::max(0, rows - (height - header - footer));
    ScrollSession session;
    ZImage page;
    View(page, width, height, 0, header, footer);
    EXPECT_TRUE(session.Begin(kind, page));
    int32_t top = 0;
    for (int guard = 0; guard < 1000; ++guard) {
        top = std::min(top + step, limit);
        ZImage full;
        View(full, width, height, top, header, footer);
        ZImage stepPage;
        const ScrollPage geometry =
            StepPage(ScrollWindowFacts{false, 8, height, 8, height, 1, 1, 17, 17}, kind);
        EXPECT_TRUE(CopyPageRows(full, geometry.y, geometry.height, stepPage));
        if (!session.Step(stepPage)) {
            break;
        }
    }
    ZImage result;
    EXPECT_TRUE(session.Finish(result));
    std::vector<int32_t> out;
    for (uint32_t y = 0; y < result.GetHeight(); ++y) {
        const uint8_t* row = result.GetRow(result.GetHeight() - 1 - y);
        out.push_back(row[0] | row[1] << 8);
    }
    return out;
}

// The header's rows once, the document's rows 0 ... rows - 1, the footer's rows once.
std::vector<int32_t> Expected(int32_t rows, int32_t header = 0, int32_t footer = 0,
                              int32_t height = 0) {
    std::vector<int32_t> out;
    for (int32_t y = 0; y < header + rows + footer; ++y) {
        out.push_back(y < header          ? 5000 + y
                      : y < header + rows ? y - header
                                          : 6000 + height - footer + y - header - rows);
    }
    return out;
}

TEST(ScrollSession, StitchesTheWholeDocumentInBothModes) {
    EXPECT_EQ(Capture(ScrollKind::Text, 40, 250, 7), Expected(250));
    EXPECT_EQ(Capture(ScrollKind::Text, 40, 250, 1), Expected(250));  // one row per step
    EXPECT_EQ(Capture(ScrollKind::Text, 40, 30, 7), Expected(40));    // nothing to scroll
    EXPECT_EQ(Capture(ScrollKind::Website, 400, 1500, 120), Expected(1500));
    // A header and a footer that stay in place are kept once.
    EXPECT_EQ(Capture(ScrollKind::Text, 60, 300, 9, 6, 5), Expected(300, 6, 5, 60));
}

TEST(StickyBands, IdenticalRowsAtTheEdgesWithoutPlainOnes) {
    ZImage a, b;
    View(a, 8, 50, 0, 6, 4);
    View(b, 8, 50, 10, 6, 4);
    StickyBands bands = FindStickyBands(a, b);
    EXPECT_EQ(std::pair(bands.top, bands.bottom), std::pair(6, 4));
    EXPECT_FALSE(FindStickyBands(a, a).Any());  // nothing moved
    // A plain white row under the header belongs to no band.
    for (ZImage* page : {&a, &b}) {
        std::memset(page->GetRow(50 - 1 - 6), 0xFF, 8 * 3);
        std::memset(page->GetRow(50 - 1 - 0), 0xFF, 8 * 3);
    }
    bands = FindStickyBands(a, b);
    EXPECT_EQ(bands.top, 6);  // rows 0 (plain, but inside) to 5; row 6 plain at the band's end
    ZImage c;
    View(c, 8, 49, 10);
    EXPECT_FALSE(FindStickyBands(a, c).Any());  // another size
}

}  // namespace
}  // namespace zentrova
