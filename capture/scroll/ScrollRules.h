// The rules of a scrolling capture that need no window: the page geometry, the compared width
// and threshold per mode, the wheel step and point, and when to stop.
#pragma once

#include <cstdint>

namespace zentrova {

enum class ScrollKind { Website, Text };

constexpr int32_t kScrollStepMs = 50;        // timer 3 of the overlay, re-armed after each step
constexpr int32_t kWebsiteBandRows = 300;    // the website mode's page height
constexpr int32_t kNoProgressLimit = 4;      // steps without new rows before the capture stops
constexpr int32_t kWheelStepWindow = -480;   // four notches
constexpr int32_t kWheelStepBrowser = -120;  // one notch for "Internet Explorer_Server"

int32_t MatchThreshold(ScrollKind kind);  // 98 website, 99 text

// What the window tells about itself at a step.
struct ScrollWindowFacts {
    bool browser = false;  // class "Internet Explorer_Server"
    int32_t clientWidth = 0;
    int32_t clientHeight = 0;
    int32_t windowWidth = 0;
    int32_t windowHeight = 0;
    int32_t borderX = 0;   // SM_CXBORDER
    int32_t borderY = 0;   // SM_CYBORDER
    int32_t vscrollX = 0;  // SM_CXVSCROLL
    int32_t hscrollY = 0;  // SM_CYHSCROLL
};

// The page: client rectangle x, y, width, height grabbed at each step.
struct ScrollPage {
    int32_t browserOffset = 0;
    int32_t rightCut = 0;
    int32_t bottomCut = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The full page of the window (the first grab, and every grab of the text mode). Width or height
// below 1 means there is nothing to grab.
ScrollPage FullPage(const ScrollWindowFacts& facts);
// The page grabbed at a step: the website mode takes only the bottom band of 300 rows when the
// client area (less the bottom cut) has at least 301 rows.
ScrollPage StepPage(const ScrollWindowFacts& facts, ScrollKind kind);

// Bytes compared per row, in pixels: the page width for text; for websites the page width up to
// 600, above that the larger of 600 and half the width.
int32_t ComparedWidth(ScrollKind kind, int32_t pageWidth);

// The website mode's second search over the right half of a picture resultWidth wide, clipped to
// a page pageWidth wide (a narrower page is never read past its end). w < 1: no second search.
struct ColumnRange {
    int32_t x0 = 0;
    int32_t w = 0;
};
ColumnRange RightHalf(int32_t resultWidth, int32_t pageWidth);

// The wheel message's point for a window without a vertical scroll bar (screen coordinates).
struct WheelPoint {
    int32_t x = 0;
    int32_t y = 0;
};
WheelPoint WheelPointFor(int32_t windowTop, int32_t windowRight, int32_t windowBottom,
                         int32_t rightCut);

// The decision after each step.
class ScrollProgress {
  public:
    // After a step that found `shift` new rows with the match percentage `percent`: true to go
    // on. A changed view (below 100) without new rows counts as a step without progress; an
    // unchanged view (100) goes on only when rows were added. Four steps without progress stop.
    bool AfterStep(int32_t percent, int32_t shift);
    int32_t GetNoProgress() const { return m_noProgress; }
    void Reset() { m_noProgress = 0; }

  private:
    int32_t m_noProgress = 0;
};

}  // namespace zentrova
