// One scrolling capture without the window: the first page, then a page per step; each step's
// overlap search, the rows it appends, the bands that stay in place and the decision to go on.
// The window code only scrolls, takes the pages and hands them over.
//
// A step first searches the whole pages as they are. Only when that finds nothing at the first
// step are bands looked for that stayed in place (a header, a footer: FindStickyBands); from
// then on they are left out of the search, the header stays once at the top (it is part of the
// first page) and the footer comes once at the end. Pages without such bands give exactly the
// plain search's picture.
#pragma once

#include <cstdint>

#include "capture/scroll/ScrollRules.h"
#include "capture/scroll/ScrollStitcher.h"
#include "capture/scroll/StickyBands.h"
#include "image/ZImage.h"
#include "image/overlap/ZOverlapSearch.h"

namespace zentrova {

class ScrollSession {
  public:
    // Starts over with the first page (the full page); false when it cannot be kept. The
    // website mode compares only the bottom band of kWebsiteBandRows rows from here on.
    bool Begin(ScrollKind kind, const ZImage& firstPage);
    // A step's page (taken as StepPage says): searched against the previous one, the new rows
    // appended, the page kept as the next previous one (current is left empty). True to go on.
    bool Step(ZImage& current);
    // A step whose page could not be taken: no rows. True to go on.
    bool StepWithoutPage();
    // The picture of everything collected (the footer added once); false when nothing was
    // collected. The session is empty afterwards.
    bool Finish(ZImage& out);
    void Clear();

    const ZImage& PreviousPage() const { return m_previous; }
    const OverlapResult& LastOverlap() const { return m_last; }
    const StickyBands& Bands() const { return m_bands; }
    int32_t CollectedRows() const { return m_stitcher.GetHeight(); }
    // Appends rows drawn elsewhere (an EDIT control's lines), the first one starting the picture.
    bool AppendDrawnRows(const ZImage& rows);

  private:
    OverlapResult Search(const ZImage& current, const ZImage& previous) const;

    ScrollKind m_kind = ScrollKind::Text;
    ScrollStitcher m_stitcher;
    ScrollProgress m_progress;
    StickyBands m_bands;
    ZImage m_previous;
    OverlapResult m_last;
    bool m_firstStep = false;
    bool m_broken = false;  // the picture's limit was reached: stop
};

}  // namespace zentrova
