#include "pdf/PdfLayout.h"

#include <algorithm>

namespace zentrova::pdf {

namespace {

struct PageSize {
    uint32_t minWidthAbove;  // the picture is wider than this
    uint32_t width;
    uint32_t height;
};

// Largest first: the first row whose threshold the width exceeds.
constexpr PageSize kPageSizes[] = {
    {1684, 2380, 3368}, {1190, 1684, 2380}, {842, 1190, 1684}, {595, 842, 1190}, {0, 595, 842},
};

}  // namespace

bool ComputePageLayout(uint32_t width, uint32_t height, PageLayout& layout) {
    layout = PageLayout{};
    if (width == 0 || height == 0) {
        return false;
    }
    uint64_t pageW = 0;
    uint64_t pageH = 0;
    for (const PageSize& size : kPageSizes) {
        if (width > size.minWidthAbove) {
            pageW = size.width;
            pageH = size.height;
            break;
        }
    }
    const uint64_t w = width;
    const uint64_t h = height;
    uint64_t scaledW = 0;
    uint64_t scaledH = 0;
    if (w > h) {
        std::swap(pageW, pageH);
        // s = min(pageW / w, pageH / h), compared as pageW * h against pageH * w.
        if (pageW * h <= pageH * w) {
            scaledW = pageW;
            scaledH = h * pageW / w;
        } else {
            scaledW = w * pageH / h;
            scaledH = pageH;
        }
        scaledW = std::min(scaledW, w);
        scaledH = std::min(scaledH, h);
    } else {
        scaledW = pageW;
        scaledH = h * pageW / w;
        if (w < pageW && h < pageH) {
            scaledW = std::min(scaledW, w);
            scaledH = std::min(scaledH, h);
        }
    }
    layout.pageWidth = static_cast<uint32_t>(pageW);
    layout.pageHeight = static_cast<uint32_t>(pageH);
    layout.scaledWidth = std::max<uint64_t>(scaledW, 1);
    layout.scaledHeight = std::max<uint64_t>(scaledH, 1);
    layout.pageCount = std::max<uint64_t>((layout.scaledHeight + pageH - 1) / pageH, 1);
    return true;
}

}  // namespace zentrova::pdf
