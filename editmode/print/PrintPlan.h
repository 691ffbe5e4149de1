// The page layout of a print: which part of the picture goes on which page, turned or not, and
// where on the page in device pixels. Pure arithmetic; the Windows side only draws what the plan
// says.
//
// Styles: 0 physical size at the page's top left, 1 scaled to fit and centred, 2 as 0 unless the
// physical size does not fit (then as 1), 3 page-high strips one per page, 4 page-wide strips one
// per page. Landscape turns every page's picture left (the page's top left is then the device's
// bottom left, where pictures of physical size are anchored).
//
// Physical size: a picture of W pixels at d dots per inch covers trunc(LOG * W / d) device pixels,
// LOG being the printer's pixels per inch along the same paper edge. Strips hold whole picture
// pixels: as many as fit the page at physical size (at least one), and as many pages as the
// picture needs, the last strip narrower, so that no column or row is lost and no page is blank.
#pragma once

#include <cstdint>
#include <vector>

#include "core/ZRect.h"

namespace zentrova {

enum class PrintStyle : int32_t {
    OriginalSize = 0,
    BestFit = 1,
    BestFitOnlyBig = 2,
    PagesVertically = 3,
    PagesHorizontally = 4,
};

// What the printer reports: the printable area and its pixels per inch.
struct PrinterMetrics {
    int32_t horzRes = 0;
    int32_t vertRes = 0;
    int32_t logPixelsX = 0;
    int32_t logPixelsY = 0;
};

struct PrintSource {
    int32_t width = 0;
    int32_t height = 0;
    int32_t dpiX = 0;
    int32_t dpiY = 0;
};

// One page: source in picture pixels (before turning), turned left when landscape, drawn
// stretched into target (device pixels, inside the printable area).
struct PrintPage {
    ZRect source;
    bool turnLeft = false;
    ZRect target;
};

// The pages of a print; false (pages empty) for an empty picture, a resolution below 1 or a
// printable area without pixels.
bool PlanPrint(const PrintSource& picture, PrintStyle style, bool landscape,
               const PrinterMetrics& printer, std::vector<PrintPage>& pages);

}  // namespace zentrova
