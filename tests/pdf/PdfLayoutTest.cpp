// The page layout of the PDF export: page size by width, landscape, scaling, page count.
#include "pdf/PdfLayout.h"

#include <tuple>

#include <gtest/gtest.h>

namespace zentrova::pdf {
namespace {

TEST(PdfLayoutTest, PageSizeScaleAndPageCount) {
    struct Case {
        uint32_t width, height;
        uint32_t pageWidth, pageHeight;
        uint64_t scaledWidth, scaledHeight, pages;
    };
    const Case cases[] = {
        {500, 400, 842, 595, 500, 400, 1},            // landscape A4, not enlarged
        {1000, 3000, 1190, 1684, 1190, 3570, 3},      // portrait, enlarged to the page width
        {595, 842, 595, 842, 595, 842, 1},            // exactly one page: no blank second one
        {595, 1684, 595, 842, 595, 1684, 2},          // exactly two pages
        {595, 1685, 595, 842, 595, 1685, 3},          // one row on the third page
        {3840, 2160, 3368, 2380, 3368, 1894, 1},      // 4K: the largest page, landscape
        {300, 400, 595, 842, 300, 400, 1},            // fits the page: as it is
        {300, 900, 595, 842, 595, 1785, 3},           // taller than the page: enlarged
        {596, 596, 842, 1190, 596, 596, 1},           // square is portrait; fits A3 as it is
        {611, 1200, 842, 1190, 842, 1653, 2},         // single precision would give 841
        {1106, 2000, 1190, 1684, 1190, 2151, 2},      // ... 1189
        {2055, 3400, 2380, 3368, 2380, 3937, 2},      // ... 2379
        {4000, 1000, 3368, 2380, 3368, 842, 1},       // landscape limited by the width
        {1700, 1600, 3368, 2380, 1700, 1600, 1},      // landscape that fits: not enlarged
        {4000, 3999, 3368, 2380, 2380, 2380, 1},      // landscape limited by the height
        {1, 1, 595, 842, 1, 1, 1},                    // the smallest picture
        {1, 100000, 595, 842, 595, 59500000, 70666},  // a line: far beyond the image limits
    };
    for (const Case& c : cases) {
        PageLayout layout;
        ASSERT_TRUE(ComputePageLayout(c.width, c.height, layout)) << c.width << "x" << c.height;
        EXPECT_EQ(
            std::make_tuple(layout.pageWidth, layout.pageHeight, layout.scaledWidth,
                            layout.scaledHeight, layout.pageCount),
            std::make_tuple(c.pageWidth, c.pageHeight, c.scaledWidth, c.scaledHeight, c.pages))
            << c.width << "x" << c.height;
    }
}

TEST(PdfLayoutTest, EmptyPictureHasNoLayout) {
    PageLayout layout;
    EXPECT_FALSE(ComputePageLayout(0, 10, layout) || ComputePageLayout(10, 0, layout));
}

}  // namespace
}  // namespace zentrova::pdf
