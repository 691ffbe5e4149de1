// PdfLayout: where a picture goes in the PDF export. The page size follows the picture's width
// (pixels compared with points): A4 portrait 595 x 842, then 842 x 1190 above 595, 1190 x 1684
// above 842, 1684 x 2380 above 1190 and 2380 x 3368 above 1684. A picture wider than tall is put
// on the landscape page (width and height exchanged) and scaled to fit it, never enlarged; any
// other picture is scaled to the page width (enlarged too, unless it fits the page as it is).
// The scaled picture is cut into slices of one page height, one per page, the last one white
// below the picture's last row.
//
// All arithmetic is exact integer arithmetic: trunc(W x pageW / W) is pageW for every W.
#pragma once

#include <cstdint>

namespace zentrova::pdf {

struct PageLayout {
    uint32_t pageWidth = 0;  // points, also the slice's width in pixels
    uint32_t pageHeight = 0;
    uint64_t scaledWidth = 0;  // the picture on the pages, in pixels (1 point each)
    uint64_t scaledHeight = 0;
    uint64_t pageCount = 0;  // slices needed for scaledHeight rows, at least 1
};

// The layout of a width x height picture. False when a size is 0.
bool ComputePageLayout(uint32_t width, uint32_t height, PageLayout& layout);

}  // namespace zentrova::pdf
