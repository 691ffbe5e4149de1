// EditView: zoom arithmetic, placement on the screen, pan limits and the point mappings.
#include "editmode/view/EditView.h"

#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace zentrova {
namespace {

TEST(EditViewTest, ZoomStepsAreClampedAndDrawnSizeIsTruncated) {
    EXPECT_EQ(ZoomStepIn(kZoomMax), kZoomMax);
    EditView view;
    view.SetScreen(800, 600);
    view.ShowNewImage(320, 250);
    EXPECT_TRUE(view.SetZoom(800));
    EXPECT_EQ(std::pair(view.DrawnWidth(), view.DrawnHeight()), std::pair(256, 200));
    EXPECT_TRUE(view.SetZoom(333));
    EXPECT_EQ(view.DrawnWidth(), 106);  // 106.56

    EXPECT_TRUE(view.SetZoom(5));
    EXPECT_FALSE(view.SetZoom(kZoomMin));  // 5 became the least zoom
    view.ShowNewImage(3, 2);
    view.SetZoom(kZoomMin);
    EXPECT_EQ(std::pair(view.DrawnWidth(), view.DrawnHeight()), std::pair(1, 1));  // never less
}

TEST(EditViewTest, DrawPathFollowsZoomCacheStateAndCacheSizeLimit) {
    // 13981013 x 1 x 3 bytes is just below 40960 KB, 13981014 x 1 reaches it.
    using P = ImageDrawPath;
    const std::tuple<int32_t, int32_t, int32_t, bool, ImageDrawPath> cases[] = {
        {1000, 13981014, 1, false, P::Copy},
        {1000, 10, 10, true, P::Copy},
        {500, 10, 10, true, P::Cache},
        {500, 13981013, 1, false, P::RebuildCache},
        {1100, 13981014, 1, false, P::Direct}};
    for (const auto& [zoom, width, height, cacheCurrent, expected] : cases) {
        EXPECT_EQ(ChooseImageDrawPath(zoom, width, height, cacheCurrent), expected)
            << zoom << " " << width;
    }
}

TEST(EditViewTest, PictureIsCentredWithHalvesTowardZeroOrShowsItsTop) {
    EditView view;
    view.SetScreen(801, 601);
    view.ShowNewImage(100, 51);
    EXPECT_EQ(view.GetImageRect(), (ZRect{350, 275, 450, 326}));

    // Wider than the screen: (100 - 301) / 2 is -100, not -101.
    view.SetScreen(100, 100);
    view.ShowNewImage(301, 20);
    view.SetScroll(0, 0);
    EXPECT_EQ(view.GetImageRect(), (ZRect{-100, 40, 201, 60}));

    // Taller than the screen: starts panned to show its top.
    view.SetScreen(800, 600);
    view.ShowNewImage(400, 1000);
    EXPECT_EQ(std::pair(view.GetScrollX(), view.GetScrollY()),
              std::pair(0, 210));  // 500 - 300 + 10
    EXPECT_EQ(view.GetImageRect(), (ZRect{200, 10, 600, 1010}));
}

TEST(EditViewTest, PanStopsWhereThePictureTouchesTheCentreLines) {
    EditView view;
    view.SetScreen(800, 600);
    view.ShowNewImage(400, 300);
    EXPECT_TRUE(view.Pan(1000, -1000));
    EXPECT_EQ(std::pair(view.GetScrollX(), view.GetScrollY()), std::pair(200, -150));
    // Left edge on the vertical centre line, bottom edge on the horizontal one.
    EXPECT_EQ(view.GetImageRect(), (ZRect{400, 0, 800, 300}));
    EXPECT_FALSE(view.Pan(1, -1));

    // Offsets set as they are still place the picture on the centre lines.
    view.SetScroll(-5000, 5000);
    EXPECT_EQ(view.GetImageRect(), (ZRect{0, 300, 400, 600}));

    // A smaller picture limits the pan again; the zoom stays.
    view.SetScroll(200, 0);
    view.SetZoom(2000);
    view.SetImageSize(50, 300);
    EXPECT_EQ(std::tuple(view.GetZoom(), view.GetScrollX(), view.GetImageRect().left),
              std::tuple(2000, 50, 400));
}

TEST(EditViewTest, WindowAndPicturePointsMapWithTruncationTowardZero) {
    EditView view;
    view.SetScreen(800, 600);
    view.ShowNewImage(400, 300);
    view.SetZoom(1500);  // drawn 600 x 450 at (100, 75)
    EXPECT_EQ((std::vector<ZPoint>{view.WindowToImage(100, 75), view.WindowToImage(101, 76),
                                   view.WindowToImage(102, 78), view.WindowToImage(98, 72),
                                   view.ImageToWindow(1, 3), view.ImageToWindow(400, 300)}),
              (std::vector<ZPoint>{{0, 0}, {0, 0}, {1, 2}, {-1, -2}, {101, 79}, {700, 525}}));

    // Products beyond 32 bits.
    view.SetZoom(kZoomMax);
    const ZRect r = view.GetImageRect();
    EXPECT_EQ(view.ImageToWindow(50000, 0).x, r.left + 2500000);
    view.SetZoom(kZoomOne);
    EXPECT_EQ(view.WindowToImage(view.GetImageRect().left + 3000000, 0).x, 3000000);
}

}  // namespace
}  // namespace zentrova
