#include "capture/scroll/ScrollSession.h"

namespace zentrova {

void ScrollSession::Clear() {
    m_stitcher.Clear();
    m_progress.Reset();
    m_bands = StickyBands{};
    m_previous.Destroy();
    m_last = OverlapResult{};
    m_firstStep = false;
    m_broken = false;
}

bool ScrollSession::Begin(ScrollKind kind, const ZImage& firstPage) {
    Clear();
    m_kind = kind;
    m_firstStep = true;
    if (!m_stitcher.Start(firstPage)) {
        return false;
    }
    const int32_t height = static_cast<int32_t>(firstPage.GetHeight());
    if (kind == ScrollKind::Website && height > kWebsiteBandRows) {
        return CopyPageRows(firstPage, height - kWebsiteBandRows, kWebsiteBandRows, m_previous);
    }
    return CopyPageRows(firstPage, 0, height, m_previous);
}

bool ScrollSession::AppendDrawnRows(const ZImage& rows) {
    return m_stitcher.GetHeight() == 0
               ? m_stitcher.Start(rows)
               : m_stitcher.AppendBottomRows(rows, static_cast<int32_t>(rows.GetHeight()));
}

OverlapResult ScrollSession::Search(const ZImage& current, const ZImage& previous) const {
    const int32_t pageWidth = static_cast<int32_t>(current.GetWidth());
    const int32_t threshold = MatchThreshold(m_kind);
    OverlapResult overlap =
        FindOverlap(current, previous, 0, ComparedWidth(m_kind, pageWidth), threshold);
    if (m_kind == ScrollKind::Website && !overlap.found) {
        const ColumnRange half = RightHalf(m_stitcher.GetWidth(), pageWidth);
        if (half.w > 0) {
            overlap = FindOverlap(current, previous, half.x0, half.w, threshold);
        }
    }
    return overlap;
}

bool ScrollSession::Step(ZImage& current) {
    if (m_broken || !current.IsValid()) {
        return StepWithoutPage();
    }
    const bool firstStep = m_firstStep;
    m_firstStep = false;
    m_last = OverlapResult{};
    if (!m_bands.Any()) {
        m_last = Search(current, m_previous);
        if (!m_last.found && firstStep) {
            m_bands = FindStickyBands(m_previous, current);
            if (m_bands.bottom > 0 && !m_stitcher.DropBottomRows(m_bands.bottom)) {
                m_bands = StickyBands{};  // the first page is all footer: no bands then
            }
        }
    }
    if (m_bands.Any()) {
        const int32_t rows =
            static_cast<int32_t>(current.GetHeight()) - m_bands.top - m_bands.bottom;
        ZImage middle;
        ZImage previousMiddle;
        if (rows >= 1 && CopyPageRows(current, m_bands.top, rows, middle) &&
            CopyPageRows(m_previous, m_bands.top, rows, previousMiddle)) {
            m_last = Search(middle, previousMiddle);
        }
    }
    const int32_t end = static_cast<int32_t>(current.GetHeight()) - m_bands.bottom;
    if (m_last.found && m_last.shift >= 1 &&
        !m_stitcher.AppendPageRows(current, end - m_last.shift, m_last.shift)) {
        m_broken = true;  // the picture's limit, or a page of another width
    }
    m_previous.Swap(current);
    current.Destroy();
    if (m_broken) {
        return false;
    }
    return m_progress.AfterStep(m_last.percent, m_last.found ? m_last.shift : 0);
}

bool ScrollSession::StepWithoutPage() {
    m_last = OverlapResult{};
    return !m_broken && m_progress.AfterStep(0, 0);
}

bool ScrollSession::Finish(ZImage& out) {
    if (m_bands.bottom > 0 && m_previous.IsValid()) {
        const int32_t height = static_cast<int32_t>(m_previous.GetHeight());
        m_stitcher.AppendPageRows(m_previous, height - m_bands.bottom, m_bands.bottom);
    }
    const bool made = m_stitcher.TakeResult(out);
    Clear();
    return made;
}

}  // namespace zentrova
