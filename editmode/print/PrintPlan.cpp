#include "editmode/print/PrintPlan.h"

#include <algorithm>

namespace zentrova {

namespace {

// trunc(log * pixels / dpi) in 64 bits, from 1 (a picture never vanishes) to the largest 32-bit
// value.
int32_t DevicePixels(int64_t pixels, int32_t log, int32_t dpi) {
    const int64_t device = pixels * log / dpi;
    return static_cast<int32_t>(std::clamp<int64_t>(device, 1, INT32_MAX));
}

// How many picture pixels at dpi fit into room device pixels at log (at least one).
int32_t PixelsThatFit(int32_t room, int32_t log, int32_t dpi) {
    const int64_t pixels = static_cast<int64_t>(room) * dpi / log;
    return static_cast<int32_t>(std::clamp<int64_t>(pixels, 1, INT32_MAX));
}

// The picture as it lies on the page: turned left in landscape, so that its width runs along
// the device's height.
struct Oriented {
    int32_t width, height;  // picture pixels along the device's x and y
    int32_t dpiX, dpiY;
};

Oriented Orient(const PrintSource& p, bool landscape) {
    return landscape ? Oriented{p.height, p.width, p.dpiY, p.dpiX}
                     : Oriented{p.width, p.height, p.dpiX, p.dpiY};
}

ZRect AtPhysicalSize(const Oriented& o, const PrinterMetrics& m, bool landscape) {
    const int32_t w = DevicePixels(o.width, m.logPixelsX, o.dpiX);
    const int32_t h = DevicePixels(o.height, m.logPixelsY, o.dpiY);
    const int32_t top = landscape ? m.vertRes - h : 0;
    return ZRect{0, top, w, top + h};
}

ZRect FittedAndCentred(const Oriented& o, const PrinterMetrics& m) {
    const double scale = std::min(static_cast<double>(m.horzRes) / o.width,
                                  static_cast<double>(m.vertRes) / o.height);
    const int32_t w = std::max<int32_t>(1, static_cast<int32_t>(o.width * scale));
    const int32_t h = std::max<int32_t>(1, static_cast<int32_t>(o.height * scale));
    const int32_t left = (m.horzRes - w) / 2;
    const int32_t top = (m.vertRes - h) / 2;
    return ZRect{left, top, left + w, top + h};
}

void PlanStrips(const PrintSource& p, bool byRows, bool landscape, const PrinterMetrics& m,
                std::vector<PrintPage>& pages) {
    const Oriented o = Orient(p, landscape);
    // Rows of the picture run along the device's y unless turned; columns along its x.
    const bool alongDeviceX = byRows == landscape;
    const int32_t room = alongDeviceX ? m.horzRes : m.vertRes;
    const int32_t log = alongDeviceX ? m.logPixelsX : m.logPixelsY;
    const int32_t dpi = byRows ? p.dpiY : p.dpiX;
    const int32_t total = byRows ? p.height : p.width;
    const int32_t strip = PixelsThatFit(room, log, dpi);
    for (int32_t start = 0; start < total; start += std::min(strip, total - start)) {
        const int32_t count = std::min(strip, total - start);
        PrintPage page;
        page.turnLeft = landscape;
        page.source = byRows ? ZRect{0, start, p.width, start + count}
                             : ZRect{start, 0, start + count, p.height};
        Oriented part = o;
        (alongDeviceX ? part.width : part.height) = count;
        page.target = AtPhysicalSize(part, m, landscape);
        pages.push_back(page);
    }
}

}  // namespace

bool PlanPrint(const PrintSource& picture, PrintStyle style, bool landscape,
               const PrinterMetrics& printer, std::vector<PrintPage>& pages) {
    pages.clear();
    if (picture.width < 1 || picture.height < 1 || picture.dpiX < 1 || picture.dpiY < 1 ||
        printer.horzRes < 1 || printer.vertRes < 1 || printer.logPixelsX < 1 ||
        printer.logPixelsY < 1) {
        return false;
    }
    switch (style) {
        case PrintStyle::PagesVertically:
        case PrintStyle::PagesHorizontally:
            PlanStrips(picture, style == PrintStyle::PagesVertically, landscape, printer, pages);
            return true;
        default:
            break;
    }
    const Oriented o = Orient(picture, landscape);
    PrintPage page;
    page.source = ZRect{0, 0, picture.width, picture.height};
    page.turnLeft = landscape;
    page.target = AtPhysicalSize(o, printer, landscape);
    const bool fits =
        page.target.Width() <= printer.horzRes && page.target.Height() <= printer.vertRes;
    if (style == PrintStyle::BestFit || (style == PrintStyle::BestFitOnlyBig && !fits)) {
        page.target = FittedAndCentred(o, printer);
    }
    pages.push_back(page);
    return true;
}

}  // namespace zentrova
