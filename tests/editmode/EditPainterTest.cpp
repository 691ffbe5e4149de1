// EditPainter, ZoomCache and KeyedButtons: the exact pixels of the Edit Mode's back buffer.
#include "editmode/paint/EditPainter.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/editmode/EditTestPictures.h"

namespace zentrova {
namespace {

using test::kWhite;
using test::MakePattern;
using test::PatternColour;
using test::PixelAt;
using test::PixelsAre;

constexpr ZColor kGrey = 0x808080;
constexpr ZColor kMagenta = kKeyMagenta;

struct Screen {
    Screen(int32_t width, int32_t height) {
        buffer.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24, 0x123456,
                      nullptr);
        view.SetScreen(width, height);
        scene.view = &view;
        scene.cache = &cache;
        scene.drawFrame = false;
    }
    void Show(const ZImage& image) {
        view.ShowNewImage(static_cast<int32_t>(image.GetWidth()),
                          static_cast<int32_t>(image.GetHeight()));
        scene.image = &image;
    }
    // The whole buffer is colourOf(x, y).
    template <typename Colour>
    ::testing::AssertionResult Shows(Colour colourOf) const {
        return PixelsAre(buffer, view.GetScreenWidth(), view.GetScreenHeight(), colourOf);
    }
    ZImage buffer;
    EditView view;
    ZoomCache cache;
    EditPaintScene scene;
};

ZColor Pattern(int32_t x, int32_t y) {
    return PatternColour(x, y);
}

// colourOf(x, y) of the drawn picture on rect (by default the pattern), white around it.
template <typename Colour = ZColor (*)(int32_t, int32_t)>
auto OnWhite(const ZRect& rect, Colour colourOf = Pattern) {
    return [=](int32_t x, int32_t y) {
        return rect.Contains(x, y) ? colourOf(x - rect.left, y - rect.top) : kWhite;
    };
}

TEST(EditPainterTest, EachPaintStartsFromBackgroundOrWhite) {
    Screen screen(6, 4);
    ASSERT_TRUE(PaintEditScene(screen.buffer, screen.scene));
    EXPECT_TRUE(screen.Shows([](int32_t, int32_t) { return kWhite; }));

    ZImage background;
    ASSERT_TRUE(MakePattern(background, 6, 4, 9));
    screen.scene.background = &background;
    ASSERT_TRUE(PaintEditScene(screen.buffer, screen.scene));
    EXPECT_TRUE(screen.Shows([](int32_t x, int32_t y) { return PatternColour(x, y, 9); }));
}

TEST(EditPainterTest, OneToOneCopyAtItsPlaceClippedAtScreenEdges) {
    // Centred; and panned so that the picture overlaps all four screen edges.
    // Picture and screen sizes, scroll, then where the picture lands.
    const int32_t cases[][8] = {{10, 8, 40, 30, 0, 0, 15, 11}, {30, 24, 20, 16, -2, 1, -7, -3}};
    for (const auto& [width, height, screenWidth, screenHeight, scrollX, scrollY, l, t] : cases) {
        ZImage image;
        ASSERT_TRUE(MakePattern(image, width, height));
        Screen screen(screenWidth, screenHeight);
        screen.Show(image);
        screen.view.SetScroll(scrollX, scrollY);
        ASSERT_TRUE(PaintEditScene(screen.buffer, screen.scene));
        EXPECT_TRUE(screen.Shows(OnWhite(ZRect{l, t, l + width, t + height}))) << width;
    }
}

TEST(EditPainterTest, HalfZoomBuildsCacheOfDrawnSizeAndCopiesIt) {
    // 2 x 2 blocks of one colour, so that halving gives exactly the block colours.
    ZImage image;
    ASSERT_TRUE(image.Create(40, 20, 24, 0, nullptr));
    for (int32_t y = 0; y < 10; ++y) {
        for (int32_t x = 0; x < 20; ++x) {
            image.FillRect(2 * x, 2 * y, 2, 2, PatternColour(x, y));
        }
    }
    Screen screen(50, 30);
    screen.Show(image);
    screen.view.SetZoom(500);
    ASSERT_TRUE(PaintEditScene(screen.buffer, screen.scene));
    EXPECT_TRUE(screen.cache.IsCurrent(500));
    EXPECT_EQ(std::pair(screen.cache.Get().GetWidth(), screen.cache.Get().GetHeight()),
              std::pair(20u, 10u));
    EXPECT_TRUE(screen.Shows(OnWhite(ZRect{15, 10, 35, 20})));
    // The next paint copies the cache as it is.
    ASSERT_TRUE(PaintEditScene(screen.buffer, screen.scene));
    EXPECT_TRUE(screen.Shows(OnWhite(ZRect{15, 10, 35, 20})));
}

TEST(EditPainterTest, WithoutCacheThePictureIsDrawnScaledDirectly) {
    ZImage image;
    ASSERT_TRUE(MakePattern(image, 3, 2));
    Screen screen(20, 10);
    screen.Show(image);
    screen.scene.cache = nullptr;
    screen.view.SetZoom(2000);
    ASSERT_TRUE(PaintEditScene(screen.buffer, screen.scene));
    EXPECT_TRUE(screen.Shows(OnWhite(
        ZRect{7, 3, 13, 7}, [](int32_t x, int32_t y) { return PatternColour(x / 2, y / 2); })));
}

TEST(EditPainterTest, CanvasFrameIsDottedOutsideThePictureWithSolidHandles) {
    ZImage buffer;
    ASSERT_TRUE(buffer.Create(40, 30, 24, kGrey, nullptr));
    constexpr ZColor kRed = 0x0000FF;
    constexpr ZColor kAnded = 0x000080;
    DrawCanvasFrame(buffer, ZRect{10, 10, 30, 20}, kRed);
    // Outline on columns 9 and 30, rows 9 and 20; dots where the distance from (9, 9) is even.
    // Then 4 x 4 handles at a corner, an edge middle and the opposite corner.
    const std::pair<ZPoint, ZColor> pixels[] = {
        {{13, 9}, kAnded}, {{14, 9}, kGrey}, {{9, 17}, kAnded}, {{30, 11}, kAnded},
        {{30, 16}, kGrey}, {{6, 7}, kGrey},  {{7, 7}, kRed},    {{17, 7}, kRed},
        {{7, 15}, kRed},   {{31, 21}, kRed}, {{32, 22}, kGrey}};
    for (const auto& [p, colour] : pixels) {
        EXPECT_EQ(PixelAt(buffer, p.x, p.y), colour) << p.x << "," << p.y;
    }
}

TEST(KeyedButtonsTest, HotAreasFromFramesAndPaintedInLowerCorners) {
    // Three frames of 3 x 2: frame 0 with a magenta pixel at (1, 0); button 1 holds (0, 0) and
    // (1, 0), button 2 holds (1, 0) and (2, 1).
    ZImage picture;
    ASSERT_TRUE(MakePattern(picture, 9, 2));
    picture.FillRect(3, 0, 6, 2, kMagenta);
    picture.FillRect(1, 0, 1, 1, kMagenta);
    for (const ZPoint p : {ZPoint{3, 0}, ZPoint{4, 0}, ZPoint{7, 0}, ZPoint{8, 1}}) {
        picture.FillRect(p.x, p.y, 1, 1, 0x000000);
    }
    KeyedButtons buttons;
    ASSERT_TRUE(buttons.Load(picture, 3));
    EXPECT_TRUE(buttons.InHotArea(2, 1, 0));
    // The first button wins at (1, 0); (0, 1) is in none, (3, 0) outside frame 0.
    EXPECT_EQ((std::vector<int>{buttons.HitTest(1, 0), buttons.HitTest(2, 1), buttons.HitTest(0, 1),
                                buttons.HitTest(3, 0)}),
              (std::vector<int>{1, 2, 0, 0}));

    Screen screen(8, 5);
    screen.scene.scrollButtons = &buttons;
    screen.scene.scrollHover = 2;
    screen.scene.prevNextButtons = &buttons;
    ASSERT_TRUE(PaintEditScene(screen.buffer, screen.scene));
    EXPECT_TRUE(screen.Shows([&](int32_t x, int32_t y) {
        if (y < 3 || x == 3 || x == 4 || (y == 3 && (x == 1 || x == 6))) {
            return kWhite;  // outside both, or the magenta pixel
        }
        if (x < 3) {
            return PatternColour(x, y - 3);  // previous / next: no hover
        }
        // Hovered pixel (2, 1), 0x192028, has each channel halfway to 255.
        return x == 7 && y == 4 ? 0x8C8F93u : PatternColour(x - 5, y - 3);
    }));
}

}  // namespace
}  // namespace zentrova
