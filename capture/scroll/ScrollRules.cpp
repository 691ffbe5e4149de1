#include "capture/scroll/ScrollRules.h"

#include <algorithm>

namespace zentrova {

namespace {

constexpr int32_t kWebsiteComparedWidth = 600;

}  // namespace

int32_t MatchThreshold(ScrollKind kind) {
    return kind == ScrollKind::Website ? 98 : 99;
}

ScrollPage FullPage(const ScrollWindowFacts& f) {
    ScrollPage page;
    if (f.browser) {
        page.browserOffset = 2;  // the control's border, left and top
        if (f.clientWidth == f.windowWidth) {
            page.rightCut = f.borderX + f.vscrollX + 1;
        }
        if (f.clientHeight == f.windowHeight) {
            page.bottomCut = f.borderY + f.hscrollY + 1;
        }
    }
    page.x = page.browserOffset;
    page.y = page.browserOffset;
    page.width = f.clientWidth - page.rightCut - page.browserOffset;
    page.height = f.clientHeight - page.bottomCut - page.browserOffset;
    return page;
}

ScrollPage StepPage(const ScrollWindowFacts& facts, ScrollKind kind) {
    ScrollPage page = FullPage(facts);
    const int32_t usable = facts.clientHeight - page.bottomCut;
    if (kind == ScrollKind::Website && usable >= kWebsiteBandRows + 1) {
        const int32_t end = usable - page.browserOffset;  // one past the band's last client row
        page.y = end - kWebsiteBandRows;
        page.height = kWebsiteBandRows;
    }
    return page;
}

int32_t ComparedWidth(ScrollKind kind, int32_t pageWidth) {
    if (kind == ScrollKind::Text || pageWidth <= kWebsiteComparedWidth) {
        return pageWidth;
    }
    return std::max(kWebsiteComparedWidth, pageWidth / 2);
}

ColumnRange RightHalf(int32_t resultWidth, int32_t pageWidth) {
    ColumnRange range;
    range.x0 = resultWidth / 2 - 1;
    range.w = std::min(resultWidth / 2, pageWidth - range.x0);
    if (range.x0 < 0 || range.w < 1) {
        range = ColumnRange{0, 0};
    }
    return range;
}

WheelPoint WheelPointFor(int32_t windowTop, int32_t windowRight, int32_t windowBottom,
                         int32_t rightCut) {
    // Half of the bottom coordinate, not the window's middle.
    return WheelPoint{windowRight - rightCut - 1, std::max(windowBottom / 2 - 60, windowTop + 1)};
}

bool ScrollProgress::AfterStep(int32_t percent, int32_t shift) {
    if (percent != 100) {
        if (shift == 0) {
            ++m_noProgress;
        }
        return m_noProgress < kNoProgressLimit;
    }
    return shift > 0 && m_noProgress < kNoProgressLimit;
}

}  // namespace zentrova
