// The compositing steps of the annotation tools, exact pixels on small pictures. The pen drawing
// is replaced by a filled square (the tools pass GDI's pens in the Windows build).
#include "editmode/tools/ToolCompositing.h"

#include <gtest/gtest.h>

#include "core/ZError.h"
#include "image/ZImageEffects.h"
#include "tests/editmode/EditTestPictures.h"
#include "tests/image/effects/EffectPictures.h"

namespace zentrova {
namespace {

ZColor PixelAt(const ZImage& image, int32_t x, int32_t y) {
    return test::PixelAt(image, x, y);
}

constexpr ZColor kGrey = 0xC0C0C0;

// A figure: the square [x, x + size) x [y, y + size) of the picture.
ShapeDraw Square(int32_t x, int32_t y, int32_t size) {
    return [=](ZImage& target, int32_t dx, int32_t dy, ZColor colour) {
        return target.FillRect(x + dx, y + dy, size, size, colour);
    };
}

// A 24-bit picture of one colour.
struct Flat : ZImage {
    Flat(int32_t w, int32_t h, ZColor colour) {
        EXPECT_TRUE(
            Create(static_cast<uint32_t>(w), static_cast<uint32_t>(h), 24, colour, nullptr));
    }
};

// The square (10, 10) - (14, 14) in colour on 40 x 40 grey, with a shadow of black.
void ShadowedSquare(ZImage& picture, bool smoothed, int32_t intensity, int32_t direction,
                    int32_t offset, ZColor colour) {
    picture.Create(40, 40, 24, kGrey, nullptr);
    StrokeLook look;
    look.shadow = ToolShadow{true, smoothed, 0x000000, intensity, direction, offset, 0};
    look.colour = colour;
    EXPECT_TRUE(RenderStroke(picture, ZRect{10, 10, 14, 14}, look, Square(10, 10, 4)));
}

TEST(ToolShadow, OffsetByDirectionAndColourByIntensity) {
    const std::pair<int32_t, ZPoint> cases[] = {{89, {-3, 3}},  {90, {-3, -3}}, {179, {-3, -3}},
                                                {180, {3, -3}}, {270, {3, 3}},  {359, {3, 3}},
                                                {360, {0, 0}},  {-1, {0, 0}}};
    for (const auto& [direction, expected] : cases) {
        const ZPoint p = ShadowOffset(direction, 3);
        EXPECT_TRUE(p == expected) << direction << ": " << p.x << "," << p.y;
    }
    // The colour moves towards white with lower intensity.
    EXPECT_EQ(ShadowColour(0x204080, 100), 0x204080u);
    EXPECT_EQ(ShadowColour(0x204080, 0), 0xFFFFFFu);
    // I = 50: a = 255 - 127 = 128; 0x80 + 127 * 128 / 255 = 128 + 63, 0x40 + 191 * 128 / 255 =
    // 64 + 95, 0x20 + 223 * 128 / 255 = 32 + 111.
    EXPECT_EQ(ShadowColour(0x204080, 50), 0x8F9FBFu);
    EXPECT_EQ(ShadowColour(0x204080, 500), 0x204080u);  // clamped to 100
}

TEST(ToolShadow, WorkRectHoldsDitherMarginAndOffset) {
    ToolShadow shadow;
    shadow.enabled = true;
    shadow.dither = 2;
    shadow.offset = 5;
    // 80 x 16 bounds: 4 x 2 + 80 / 8 + 5 = 23 on every side, clipped to the picture.
    EXPECT_TRUE(StrokeWorkRect(ZRect{100, 50, 180, 66}, shadow, 1000, 1000) ==
                (ZRect{77, 27, 203, 89}));
    EXPECT_TRUE(StrokeWorkRect(ZRect{10, 10, 90, 26}, shadow, 100, 40) == (ZRect{0, 0, 100, 40}));
    shadow.enabled = false;  // no shadow, no offset
    EXPECT_TRUE(StrokeWorkRect(ZRect{100, 50, 180, 66}, shadow, 1000, 1000) ==
                (ZRect{82, 32, 198, 84}));
    EXPECT_TRUE(StrokeWorkRect(ZRect{2000, 0, 2010, 10}, shadow, 100, 100).IsEmpty());
}

TEST(ToolShadow, PlainShadowBlendsTheBackgroundBackAt96) {
    ZImage picture;
    ShadowedSquare(picture, false, 100, 316, 3, 0x0000FF);
    // Shadow only (shifted by (3, 3)): (192 * 96 + 0 * 159 + 127) / 255 = 72.
    EXPECT_EQ(PixelAt(picture, 16, 16), 0x484848u);
    EXPECT_EQ(PixelAt(picture, 12, 12), 0x0000FFu);  // the shape over it
    EXPECT_EQ(PixelAt(picture, 18, 18), kGrey);      // beside
}

TEST(ToolShadow, SmoothedShadowWithDitherZeroIsSharpAndLogsNothing) {
    test::ClearErrorLog();
    ZImage picture;
    ShadowedSquare(picture, true, 50, 0, 2, 0x00FF00);  // direction 0: (-o, +o)
    EXPECT_EQ(test::ErrorLog(), "");
    // The shadow is the lightened colour, sharp: 0 + 255 * 128 / 255 = 128.
    EXPECT_EQ(PixelAt(picture, 8, 15), 0x808080u);
    EXPECT_EQ(PixelAt(picture, 7, 15), kGrey);
    EXPECT_EQ(PixelAt(picture, 12, 12), 0x00FF00u);
}

TEST(ToolStroke, HighQualityShapeIsSmoothedAtItsEdges) {
    Flat picture(30, 30, 0xFFFFFF);
    StrokeLook look;
    look.highQuality = true;
    look.colour = 0x000000;
    ASSERT_TRUE(RenderStroke(picture, ZRect{10, 10, 16, 16}, look, Square(10, 10, 6)));
    EXPECT_EQ(PixelAt(picture, 12, 12), 0x000000u);  // inside: mean of black is black
    // The corner pixel: 4 of 9 black in the copy and in the mask; the inverted mask weight is
    // 255 - trunc(5 * 255 / 9) = 114, the copy trunc(5 * 255 / 9) = 141:
    // 255 + trunc((141 - 255) * 114 / 255) = 205.
    EXPECT_EQ(PixelAt(picture, 10, 10), 0xCDCDCDu);
    EXPECT_EQ(PixelAt(picture, 8, 8), 0xFFFFFFu);
}

TEST(ToolHighlight, FourStripsOutsideTheFrameWithinTheArea) {
    // 0x646464 over C0C0C0: alpha trunc(T * 255 / 100); (100 * a + 192 * (255 - a) + 127) / 255.
    // Area, frame, colour, transparency, the colour outside the frame; the last frame reaches
    // out of its area, where no strip may be laid twice.
    const std::tuple<ZRect, ZRect, ZColor, int32_t, ZColor> cases[] = {
        {{0, 0, 20, 16}, {5, 4, 12, 10}, 0x646464, 0, kGrey},
        {{0, 0, 20, 16}, {5, 4, 12, 10}, 0x646464, 50, 0x929292},
        {{0, 0, 20, 16}, {5, 4, 12, 10}, 0x646464, 100, 0x646464},
        {{0, 0, 20, 16}, {5, 4, 12, 10}, 0x646464, 250, 0x646464},
        {{2, 2, 8, 8}, {-5, 4, 6, 20}, 0x000000, 100, 0x000000}};
    for (const auto& [area, frame, colour, transparency, outside] : cases) {
        Flat picture(20, 16, kGrey);
        ASSERT_TRUE(HighlightOutside(picture, area, frame, colour, transparency));
        EXPECT_TRUE(test::PixelsAre(picture, 20, 16,
                                    [a = area, f = frame, o = outside](int32_t x, int32_t y) {
                                        return a.Contains(x, y) && !f.Contains(x, y) ? o : kGrey;
                                    }))
            << transparency;
    }
}

TEST(ToolLive, LayerPixelsTakeTheColourOrAndIt) {
    Flat buffer(8, 8, kGrey), layer(8, 8, 0xFFFFFF);
    layer.FillRect(2, 2, 3, 1, 0x000000);
    ASSERT_TRUE(LayStrokeLayer(buffer, layer, ZRect{0, 0, 4, 8}, 0x00FFFF, true));
    EXPECT_EQ(PixelAt(buffer, 2, 2), 0x00C0C0u);
    EXPECT_EQ(PixelAt(buffer, 4, 2), kGrey);  // outside the rectangle laid
    ASSERT_TRUE(LayStrokeLayer(buffer, layer, ZRect{0, 0, 8, 8}, 0x0000FF, false));
    EXPECT_EQ(PixelAt(buffer, 4, 2), 0x0000FFu);
    EXPECT_EQ(PixelAt(buffer, 4, 3), kGrey);
}

// What the masks do is seen in the window test's spotlight pixels; here the guard.
TEST(ToolSpotlight, AnAreaOutsideThePictureIsRefused) {
    Flat picture(40, 30, kGrey);
    EXPECT_FALSE(ApplySpotlight(picture, ZRect{50, 50, 60, 60}, 0x00FFFF, nullptr, nullptr));
}

TEST(ToolSpotlight, SpinBlurPartEqualsTheWholeBlurThere) {
    ZImage whole, part, original;
    ASSERT_TRUE(test::MakePattern(whole, 37, 23, 4));
    ASSERT_TRUE(part.CopyFrom(whole));
    ASSERT_TRUE(original.CopyFrom(whole));
    ASSERT_TRUE(SpinBlur(whole, 3.0));
    ASSERT_TRUE(SpinBlurPart(part, 3.0, 5, 4, 20, 12));
    EXPECT_TRUE(test::PixelsAre(part, 37, 23, [&](int32_t x, int32_t y) {
        return ZRect{5, 4, 25, 16}.Contains(x, y) ? PixelAt(whole, x, y) : PixelAt(original, x, y);
    }));
}

}  // namespace
}  // namespace zentrova
