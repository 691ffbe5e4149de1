// The finishing steps one by one (settings, data file names, cursor position, the cursor's
// shadow, the shape masks, the fader), then the whole pipeline on pictures: order of the steps,
// the data files beside the program, the platform seam (a test platform that draws simple
// shapes) and the decisions on a missing mask file and on free style; exact pixels throughout.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "capture/finish/FinishPipeline.h"
#include "codecs/ZImageCodecPng.h"
#include "config/SettingsRecord.h"
#include "core/FileSystem.h"
#include "image/ZCompositing.h"
#include "tests/image/CompositingTestSupport.h"
#include "tests/support/TestPixels.h"
#include "tests/support/TempFolder.h"

namespace zentrova {
namespace {

using testing::ColourAt;
using testing::SetPixel;

constexpr ZColor kMagenta = 0xFF00FF;

using test::Solid;

// Each listed pixel (x, y, colour 0x00BBGGRR) of image has its colour.
struct Expected {
    uint32_t x, y;
    ZColor colour;
};
void ExpectColours(const ZImage& image, std::initializer_list<Expected> pixels) {
    for (const Expected& p : pixels) {
        EXPECT_EQ(ColourAt(image, p.x, p.y), p.colour) << p.x << "," << p.y;
    }
}

// The colours of row y from column 0 on.
std::vector<ZColor> RowColours(const ZImage& image, uint32_t y = 0) {
    std::vector<ZColor> colours;
    for (uint32_t x = 0; x < image.GetWidth(); ++x) {
        colours.push_back(ColourAt(image, x, y));
    }
    return colours;
}

// Settings ---------------------------------------------------------------------------------------

TEST(FinishOptions, DataFileNamesAndPaths) {
    EXPECT_EQ(SparkleFileName(0), nullptr);
    EXPECT_STREQ(SparkleFileName(1), L"mouse-balls.png");
    EXPECT_EQ(SparkleFileName(7), nullptr);
    EXPECT_STREQ(ShapeMaskFileName(3), L"CaptureShapeEffect_cloudy.png");
    EXPECT_STREQ(ShapeMaskFileName(8), L"CaptureShapeEffect_zigzag.png");
    EXPECT_EQ(ShapeMaskFileName(9), nullptr);
    const std::wstring p = std::wstring(L"prog") + kNativeSeparator;
    EXPECT_EQ(ShapeMaskPath(L"prog", 7),
              p + L"Masks" + kNativeSeparator + L"CaptureShapeEffect_torn.png");
    EXPECT_EQ(SparklePath(p, 6), p + L"Mouse" + kNativeSeparator + L"mouse-x.png");
    EXPECT_TRUE(ShapeMaskPath(L"prog", 2).empty());
}

TEST(FinishOptions, CursorPositionPerMode) {
    // Cursor (cx, cy), window corner (wx, wy), virtual screen (vx, vy), displacement (dx, dy).
    const struct {
        CaptureMode mode;
        int32_t cx, cy, wx, wy, vx, vy, dx, dy, x, y;
    } cases[] = {
        // Window modes: relative to the window's top-left, then moved by (dx, dy).
        {CaptureMode::SingleWindow, 500, 400, 100, 50, -1280, -200, 0, 0, 400, 350},
        {CaptureMode::ActiveWindow, 90, 40, 100, 50, 0, 0, 3, 4, -7, -6},
        // Region and desktop modes: virtual-screen coordinates (absolute values of its origin).
        {CaptureMode::FreeRectangle, -100, 10, 7, 7, -1280, -200, -300, -20, 880, 190},
        {CaptureMode::FullDesktop, 5, 6, 99, 99, 1280, 200, 0, 0, 1285, 206},
        // Fixed region: only (dx, dy), the region's half size.
        {CaptureMode::FixedRegion, 777, 888, 1, 1, -5, -5, 320, 240, 320, 240}};
    for (const auto& c : cases) {
        int32_t x = 0, y = 0;
        CursorPositionInCapture(c.mode, c.cx, c.cy, c.wx, c.wy, c.vx, c.vy, c.dx, c.dy, x, y);
        EXPECT_EQ(std::pair(x, y), std::pair(c.x, c.y)) << &c - cases;
    }
}

// Cursor ------------------------------------------------------------------------------------------

TEST(FinishCursor, ShadowColourFromIntensity) {
    // 100 %: the shadow colour itself; 0 %: the background colour.
    EXPECT_EQ(CursorShadowColour(0x102030, 0xF0E0D0, 100), 0x102030u);
    EXPECT_EQ(CursorShadowColour(0x102030, 0xF0E0D0, 0), 0xF0E0D0u);
    // 50 %: t = 127; red 0 + 255 * 128 / 255 = 128; green 200 + (100 - 200) * 128 / 255 = 150
    // (-12800 / 255 = -50.19, truncated to -50); blue 255 + (0 - 255) * 128 / 255 = 127.
    EXPECT_EQ(CursorShadowColour(0xFFC800, 0x0064FF, 50), 0x7F9680u);
    // Intensities above 100 count as 100.
    EXPECT_EQ(CursorShadowColour(0x102030, 0xF0E0D0, 250), 0x102030u);
}

TEST(FinishCursor, DisplacementByDirection) {
    const struct {
        uint32_t direction;
        int32_t ox, oy;
    } cases[] = {{89, -4, 4}, {90, -4, -4}, {180, 4, -4}, {270, 4, 4}, {359, 4, 4}, {360, 0, 0}};
    for (const auto& c : cases) {
        int32_t ox = 99, oy = 99;
        CursorShadowDisplacement(c.direction, 4, ox, oy);
        EXPECT_EQ(std::pair(ox, oy), std::pair(c.ox, c.oy)) << c.direction;
    }
}

TEST(FinishCursor, ShadowMaskIsTheBlurredInvertedSilhouette) {
    // 3 x 3, cursor (anything but exact magenta) only in the centre: the ring is not filtered
    // (255, inverted 0); the centre's mean of 8 x 255 and itself, truncated, five times:
    // 0 -> 2040 / 9 = 226 -> 2266 / 9 = 251 -> 2291 / 9 = 254 -> 254 -> 254, inverted 1.
    Solid mask(3, 3, kMagenta);
    SetPixel(mask, 1, 1, 255, 1, 255);
    ASSERT_TRUE(MakeCursorShadowMask(mask));
    EXPECT_EQ(RowColours(mask, 0), std::vector<ZColor>(3, 0));
    EXPECT_EQ(RowColours(mask, 1), (std::vector<ZColor>{0, 0x010101, 0}));
    // Deep inside a silhouette the full weight.
    Solid deep(16, 16, 0x000000);
    ASSERT_TRUE(MakeCursorShadowMask(deep));
    ExpectColours(deep, {{8, 8, 0xFFFFFFu}, {0, 0, 0xFFFFFFu}});
    Solid shallow(4, 4, kMagenta, 32);
    EXPECT_FALSE(MakeCursorShadowMask(shallow));
}

TEST(FinishCursor, ShadowBlendMixesTheColourThroughTheMask) {
    Solid capture(6, 5, 0xFFFFFF);
    Solid mask(3, 2, 0x000000);
    SetPixel(mask, 0, 0, 255, 255, 255);
    SetPixel(mask, 1, 0, 128, 128, 128);
    SetPixel(mask, 2, 1, 10, 10, 10);
    // Colour red 0, green 0x80, blue 0x40 on white at (2, 1).
    ASSERT_TRUE(BlendShadowMask(capture, mask, 0x408000, 2, 1));
    EXPECT_EQ(ColourAt(capture, 2, 1), 0x408000u);
    // 255 + trunc((0 - 255) * 128 / 255) = 127; 255 + trunc((128 - 255) * 128 / 255) = 192;
    // 255 + trunc((64 - 255) * 128 / 255) = 160.
    ExpectColours(capture, {{3, 1, 0xA0C07Fu}, {4, 1, 0xFFFFFFu}});
    // 255 + trunc(-255 * 10 / 255) = 245; 255 + trunc(-127 * 10 / 255) = 251 (-4.98 -> -4);
    // 255 + trunc(-191 * 10 / 255) = 248 (-7.49 -> -7).
    ExpectColours(capture, {{4, 2, 0xF8FBF5u}, {1, 1, 0xFFFFFFu}});

    // Partly off the left edge: the mask's column 1 lands on column 0.
    Solid clipped(6, 5, 0xFFFFFF);
    ASSERT_TRUE(BlendShadowMask(clipped, mask, 0x000000, -1, 0));
    EXPECT_EQ(ColourAt(clipped, 0, 0), 0x7F7F7Fu);
    // Wholly outside: nothing to do, and that is no failure.
    Solid outside(6, 5, 0xFFFFFF);
    EXPECT_TRUE(BlendShadowMask(outside, mask, 0x000000, 6, 0));
    EXPECT_TRUE(BlendShadowMask(outside, mask, 0x000000, -3, 0));
    EXPECT_EQ(RowColours(outside), std::vector<ZColor>(6, 0xFFFFFF));
}

TEST(FinishCursor, SparkleIsCentredOnTheCursor) {
    Solid capture(20, 20, 0x000000);
    Solid sparkle(5, 4, 0x000000, 32);
    testing::FillAll(sparkle, 0, 0, 0, 0);    // fully transparent
    SetPixel(sparkle, 0, 0, 0, 0, 255, 255);  // opaque red at the top-left
    SetPixel(sparkle, 4, 3, 255, 0, 0, 255);  // opaque blue at the bottom-right
    SetPixel(sparkle, 2, 1, 0, 255, 0, 128);  // half green
    // Top-left = (10 - 5 / 2, 10 - 4 / 2) = (8, 8).
    ASSERT_TRUE(DrawSparkle(capture, sparkle, 10, 10));
    ExpectColours(capture, {{8, 8, 0x0000FFu}, {12, 11, 0xFF0000u}});
    EXPECT_EQ(ColourAt(capture, 10, 9), 0x008000u);  // 255 * 128 / 255 on black
    EXPECT_EQ(ColourAt(capture, 9, 8), 0x000000u);   // transparent
    // Off the picture: nothing drawn, not a failure.
    EXPECT_TRUE(DrawSparkle(capture, sparkle, -10, 5));
    Solid notAlpha(3, 3, 0x0000FF);
    EXPECT_FALSE(DrawSparkle(capture, notAlpha, 5, 5));
}

TEST(FinishCursor, SparkleWithoutAlphaBecomesOpaque) {
    Solid sparkle(3, 2, 0x00FF00);
    ASSERT_TRUE(PrepareSparkle(sparkle));
    ASSERT_EQ(sparkle.GetBitsPerPixel(), 32);
    EXPECT_EQ(testing::PixelAt(sparkle, 2, 1)[3], 255);
    Solid capture(4, 4, 0x000000);
    ASSERT_TRUE(DrawSparkle(capture, sparkle, 1, 1));
    EXPECT_EQ(ColourAt(capture, 0, 0), 0x00FF00u);
    EXPECT_EQ(RowColours(capture, 1), (std::vector<ZColor>{0x00FF00, 0x00FF00, 0x00FF00, 0}));

    Solid withAlpha(2, 2, 0x00FF00, 32);
    testing::SetPixel(withAlpha, 0, 0, 0, 255, 0, 7);
    ASSERT_TRUE(PrepareSparkle(withAlpha));
    EXPECT_EQ(testing::PixelAt(withAlpha, 0, 0)[3], 7);  // its own alpha is kept
}

// Shape ---------------------------------------------------------------------------------------

TEST(FinishShape, DirectionRectangles) {
    const struct {
        uint32_t direction;
        int32_t l, t, r, b;
    } cases[] = {{0, 0, 0, 300, 100},   {1, 100, 0, 400, 100}, {2, 0, 0, 300, 200},
                 {3, 100, 0, 400, 200}, {4, 0, 100, 400, 200}, {5, 0, 0, 400, 100}};
    for (const auto& c : cases) {
        int32_t l = -1, t = -1, r = -1, b = -1;
        ASSERT_TRUE(MaskDirectionRect(c.direction, 400, 200, l, t, r, b)) << c.direction;
        EXPECT_EQ((std::vector<int32_t>{l, t, r, b}), (std::vector<int32_t>{c.l, c.t, c.r, c.b}))
            << c.direction;
    }
    int32_t l = 0, t = 0, r = 0, b = 0;
    EXPECT_FALSE(MaskDirectionRect(6, 400, 200, l, t, r, b));
    EXPECT_FALSE(MaskDirectionRect(99, 400, 200, l, t, r, b));
}

// A 24-bit mask file w x h: white left of column `edge`, black from it on.
bool MakeHalfMask(ZImage& file, uint32_t w, uint32_t h, int32_t edge) {
    return file.Create(w, h, 24, 0x000000, nullptr) &&
           FillSolidRect(file, 0, 0, edge, static_cast<int32_t>(h), 0xFFFFFF);
}

TEST(FinishShape, MaskFileOutlineAllEdges) {
    ZImage file;
    ASSERT_TRUE(MakeHalfMask(file, 8, 6, 4));
    Solid m(8, 6, kMagenta);
    ASSERT_TRUE(DrawMaskFileOutline(m, file, 6));  // all four edges: nothing painted white
    // White inverted is black; column 3 is white next to black: mean 6 * 255 / 9 = 170, inverted
    // 85, full weight; the outer ring is not filtered (plain white there).
    const ZColor M = kMagenta;
    for (uint32_t y = 0; y < 6; ++y) {
        EXPECT_EQ(RowColours(m, y),
                  (std::vector<ZColor>{0, 0, 0, y == 0 || y == 5 ? 0 : 0x555555u, M, M, M, M}))
            << y;
    }
}

TEST(FinishShape, MaskFileOutlineGreyEdgeMixesWithMagenta) {
    Solid file(5, 5, 0x000000);
    ASSERT_TRUE(FillSolidRect(file, 0, 0, 2, 5, 0xFFFFFF));
    ASSERT_TRUE(FillSolidRect(file, 2, 0, 1, 5, 0x808080));
    Solid m(5, 5, kMagenta);
    ASSERT_TRUE(DrawMaskFileOutline(m, file, 7));
    // Column 2, row 2: filtered (3 * 255 + 3 * 128 + 0) / 9 = 127, inverted 128, weight 128:
    // blue 255 + trunc((128 - 255) * 128 / 255) = 192, green 0 + 128 * 128 / 255 = 64,
    // red as blue.
    EXPECT_EQ(ColourAt(m, 2, 2), 0xC040C0u);
    // Column 1: (3 * 255 + 3 * 255 + 3 * 128) / 9 = 212, inverted 43, weight 255.
    EXPECT_EQ(ColourAt(m, 1, 2), 0x2B2B2Bu);
}

TEST(FinishShape, MaskFileDirectionPaintsTheStraightEdgesWhite) {
    // Direction 5 (bottom shaped) on a 150 x 130 file that is black everywhere: the top
    // 30 rows (0 .. h - 100) become white, the rest stays the black outside.
    Solid file(150, 130, 0x000000);
    Solid m(150, 130, kMagenta);
    ASSERT_TRUE(DrawMaskFileOutline(m, file, 5));
    EXPECT_EQ(ColourAt(m, 75, 0), 0x000000u);
    EXPECT_EQ(ColourAt(m, 75, 29), 0x555555u);  // white row next to black: 170 -> 85
    ExpectColours(m, {{75, 30, kMagenta}, {75, 129, kMagenta}});
}

TEST(FinishShape, MaskFileIsScaledToTheCapture) {
    // A 40 x 40 file white in its left half, scaled to a 200 x 100 capture.
    ZImage file;
    ASSERT_TRUE(MakeHalfMask(file, 40, 40, 20));
    Solid m(200, 100, kMagenta);
    ASSERT_TRUE(DrawMaskFileOutline(m, file, 6));
    ExpectColours(m, {{10, 50, 0x000000u}, {110, 50, kMagenta}, {199, 99, kMagenta}});
    // An 8-bit grey file is taken too.
    ZImage grey;
    const auto palette = testing::GreyPalette();
    ASSERT_TRUE(grey.Create(10, 10, 8, 0xFFFFFF, palette.data()));
    Solid m8(30, 30, kMagenta);
    ASSERT_TRUE(DrawMaskFileOutline(m8, grey, 6));
    EXPECT_EQ(ColourAt(m8, 15, 15), 0x000000u);
}

TEST(FinishShape, CutOutKeepsTheCaptureInsideOnly) {
    Solid capture(4, 1, 0x1E140A);         // red 10, green 20, blue 30
    SetPixel(capture, 1, 0, 255, 0, 255);  // screen magenta inside
    Solid m(4, 1, kMagenta);
    SetPixel(m, 0, 0, 0, 0, 0);     // inside
    SetPixel(m, 1, 0, 0, 0, 0);     // inside
    SetPixel(m, 2, 0, 85, 85, 85);  // the edge
    ZImage withShadow;
    ASSERT_TRUE(withShadow.CopyFrom(capture));
    ZImage m2;
    ASSERT_TRUE(m2.CopyFrom(m));

    // The magenta inside stays the key for the shadow. Column 2: V = 255 - 85 = 170:
    // 85 + trunc((10 - 85) * 170 / 255) = 35, 85 + trunc(-65 * 2 / 3) = 42 (-43.3 -> -43),
    // 85 + trunc(-55 * 2 / 3) = 49 (-36.7 -> -36).
    ASSERT_TRUE(CutOutShape(capture, m, true, 0x00FF00));
    EXPECT_EQ(RowColours(capture), (std::vector<ZColor>{0x1E140A, kMagenta, 0x312A23, kMagenta}));
    // Shadow off: outside and the magenta inside become the background colour.
    ASSERT_TRUE(CutOutShape(withShadow, m2, false, 0x00FF00));
    EXPECT_EQ(RowColours(withShadow),
              (std::vector<ZColor>{0x1E140A, 0x00FF00, 0x312A23, 0x00FF00}));

    Solid small(3, 1, kMagenta);
    EXPECT_FALSE(CutOutShape(withShadow, small, true, 0));
}

// Fader --------------------------------------------------------------------------------------

// White capture faded into black: the result is the mask weight itself (9999: channels differ).
std::vector<uint32_t> FadeWhite(uint32_t fader, uint32_t w, uint32_t h) {
    Solid capture(w, h, 0xFFFFFF);
    EXPECT_TRUE(ApplyFader(capture, fader, 0x000000));
    std::vector<uint32_t> values = testing::AllColours(capture);
    for (uint32_t& c : values) {
        c = c == (c & 0xFF) * 0x010101u ? c & 0xFF : 9999;
    }
    return values;
}

TEST(FinishFader, EachDirectionWeighsByPosition) {
    // Column i of 4: 255 * i / 4 = 0, 63, 127, 191; reversed: 255 - 255 * i / 4 (truncated).
    EXPECT_EQ(FadeWhite(1, 4, 1), (std::vector<uint32_t>{0, 63, 127, 191}));
    EXPECT_EQ(FadeWhite(5, 4, 1), (std::vector<uint32_t>{255, 192, 128, 64}));
    EXPECT_EQ(FadeWhite(3, 1, 4), (std::vector<uint32_t>{0, 63, 127, 191}));
    EXPECT_EQ(FadeWhite(7, 1, 4), (std::vector<uint32_t>{255, 192, 128, 64}));
    // Diagonals and mirrors, 2 x 2: k = x + y over w + h = 4.
    EXPECT_EQ(FadeWhite(2, 2, 2), (std::vector<uint32_t>{0, 63, 63, 127}));
    EXPECT_EQ(FadeWhite(4, 2, 2), (std::vector<uint32_t>{63, 0, 127, 63}));
    EXPECT_EQ(FadeWhite(6, 2, 2), (std::vector<uint32_t>{255, 192, 192, 128}));
    EXPECT_EQ(FadeWhite(8, 2, 2), (std::vector<uint32_t>{192, 255, 128, 192}));
}

TEST(FinishFader, LeftEdgeIsTheBackgroundAndRightEdgeNearlyTheCapture) {
    const uint32_t w = 300;
    Solid capture(w, 3, 0x6496C8);                  // red 200, green 150, blue 100
    ASSERT_TRUE(ApplyFader(capture, 1, 0x0A141E));  // red 30, green 20, blue 10
    ExpectColours(capture, {{0, 0, 0x0A141Eu}, {0, 2, 0x0A141Eu}});
    // Weight 255 * 299 / 300 = 254: red 30 + 170 * 254 / 255 = 199, green 20 + 130 * 254 / 255
    // = 149, blue 10 + 90 * 254 / 255 = 99.
    EXPECT_EQ(ColourAt(capture, w - 1, 1), 0x6395C7u);
}

// The whole pipeline ------------------------------------------------------------------------------

// Draws what the system would draw, in simple exact forms: the "arrow" is a 12 x 12 black block
// at (x, y); shape 1 is black but for a 1-pixel magenta border, shape 2 but for a 2-pixel one.
class TestPlatform final : public FinishPlatform {
  public:
    bool IsAvailable() const override { return true; }
    bool PlayCaptureSound() override { return ++sounds, true; }
    bool GetIconSize(int32_t& width, int32_t& height) override { return width = height = 16, true; }
    bool DrawArrowCursor(ZImage& target, int32_t x, int32_t y) override {
        arrows.push_back({x, y});
        return FillSolidRect(target, x, y, 12, 12, 0x000000);
    }
    bool DrawShapeMask(ZImage& mask, uint32_t shapeType) override {
        const int32_t inset = shapeType == 1 ? 1 : 2;
        return FillSolidRect(mask, inset, inset, static_cast<int32_t>(mask.GetWidth()) - 2 * inset,
                             static_cast<int32_t>(mask.GetHeight()) - 2 * inset, 0x000000);
    }

    int sounds = 0;
    std::vector<std::pair<int32_t, int32_t>> arrows;
};

// The pipeline without a platform.
FinishReport Finish(ZImage& capture, const FinishOptions& o, const FinishRequest& request = {}) {
    NoFinishPlatform none;
    return FinishImage(capture, o, request, none);
}

// Every step is off by default; the background green.
FinishOptions AllOff() {
    FinishOptions o;
    o.background = 0x00FF00;
    return o;
}

// A picture of distinct colours with a few magenta pixels (screen pixels that are magenta) and
// one almost magenta, and a copy of it when asked for.
bool MakeCapture(ZImage& image, uint32_t w, uint32_t h, ZImage* copy = nullptr) {
    if (!image.Create(w, h, 24, 0, nullptr)) {
        return false;
    }
    for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < w; ++x) {
            SetPixel(image, x, y, static_cast<uint8_t>(x * 7), static_cast<uint8_t>(y * 5),
                     static_cast<uint8_t>(100 + (x + y) % 50));
        }
    }
    SetPixel(image, 1, 1, 255, 0, 255);
    SetPixel(image, 2, 1, 255, 0, 254);
    SetPixel(image, w - 2, h - 2, 255, 0, 255);
    return copy == nullptr || copy->CopyFrom(image);
}

// A program folder with Masks/ and Mouse/ in a temporary folder.
struct ProgramFolder : test::TempFolder {
    ProgramFolder() {
        CreateOneDirectory(File(L"Masks").c_str());
        CreateOneDirectory(File(L"Mouse").c_str());
    }
    std::wstring Masks(const wchar_t* name) const {
        return File(L"Masks") + kNativeSeparator + name;
    }
    std::wstring Mouse(const wchar_t* name) const {
        return File(L"Mouse") + kNativeSeparator + name;
    }
};

TEST(FinishPipeline, EverythingOffKeepsThePixelsButMagenta) {
    for (uint32_t mode = 0; mode < kCaptureModeCount; ++mode) {
        ZImage capture, original;
        ASSERT_TRUE(MakeCapture(capture, 9, 7, &original));
        FinishRequest request{static_cast<CaptureMode>(mode)};
        TestPlatform platform;
        const FinishReport report = FinishImage(capture, AllOff(), request, platform);
        EXPECT_TRUE(report.AllWorked());
        EXPECT_EQ(report.shape, StepOutcome::Off);
        EXPECT_EQ(report.shadow, StepOutcome::Off);
        ASSERT_EQ(std::pair(capture.GetWidth(), capture.GetHeight()), std::pair(9u, 7u));
        std::vector<uint32_t> expected = testing::AllColours(original);
        std::replace(expected.begin(), expected.end(), kMagenta, 0x00FF00u);
        EXPECT_EQ(testing::AllColours(capture), expected) << mode;
        EXPECT_EQ(platform.sounds, 0);
        EXPECT_TRUE(platform.arrows.empty());
    }
}

TEST(FinishPipeline, SoundAndCursorGoThroughThePlatform) {
    Solid capture(64, 64, 0x404040);
    FinishOptions o = AllOff();
    o.playSound = true;
    o.cursor = true;
    FinishRequest request{CaptureMode::FreeRectangle, 30, 40};
    TestPlatform platform;
    const FinishReport report = FinishImage(capture, o, request, platform);
    EXPECT_EQ(report.sound, StepOutcome::Done);
    EXPECT_EQ(report.cursor, StepOutcome::Done);
    EXPECT_EQ(platform.sounds, 1);
    // The arrow at (x - 16 / 3, y - 16 / 3).
    EXPECT_EQ(platform.arrows, (std::vector<std::pair<int32_t, int32_t>>{{25, 35}}));
    ExpectColours(capture, {{25, 35, 0x000000u}, {24, 35, 0x404040u}});
}

// The cursor shadow at the test arrow: the block 8..19 of the 32 x 32 mask is fully black after
// five 3 x 3 means only at 13..14, i.e. at capture (x + ox - 3 .. x + ox - 2).
TEST(FinishPipeline, CursorShadowHasTheShadowColourAtFullIntensity) {
    Solid capture(64, 64, 0x404040);
    FinishOptions o = AllOff();
    o.cursor = true;
    o.cursorShadow = true;
    o.shadowColour = 0x0000FF;
    o.shadowIntensity = 100;
    o.shadowDirection = 45;  // (-3, +3)
    o.shadowOffset = 3;
    FinishRequest request{CaptureMode::FreeStyle, 30, 30};
    TestPlatform platform;
    EXPECT_EQ(FinishImage(capture, o, request, platform).cursorShadow, StepOutcome::Done);
    // The mask's arrow was drawn at (8, 8), the capture's at (25, 25).
    EXPECT_EQ(platform.arrows, (std::vector<std::pair<int32_t, int32_t>>{{8, 8}, {25, 25}}));
    ExpectColours(capture, {{24, 30, 0x0000FFu}, {24, 31, 0x0000FFu}});
    EXPECT_EQ(ColourAt(capture, 25, 30), 0x000000u);  // under the arrow
    EXPECT_EQ(ColourAt(capture, 5, 5), 0x404040u);    // far away
}

TEST(FinishPipeline, SparkleFromTheMouseFolderAndAMissingOne) {
    ProgramFolder folder;
    Solid sparkle(3, 3, 0, 32);
    for (uint32_t i = 0; i < 9; ++i) {
        SetPixel(sparkle, i % 3, i / 3, 255, 0, 0, i % 3 == 1 ? 255 : 0);  // a vertical blue bar
    }
    ASSERT_TRUE(WritePng(folder.Mouse(L"mouse-x.png").c_str(), sparkle, nullptr, 0));
    Solid capture(10, 10, 0x000000);
    FinishOptions o = AllOff();
    o.cursor = true;
    o.sparkle = 6;
    FinishReport report = Finish(capture, o, {CaptureMode::FixedRegion, 5, 5, folder.Path()});
    EXPECT_EQ(report.sparkle, StepOutcome::Done);
    EXPECT_EQ(report.cursor, StepOutcome::Unavailable);
    EXPECT_FALSE(report.AllWorked());
    EXPECT_EQ(ColourAt(capture, 5, 6), 0xFF0000u);

    // Sparkle 2 has no file: left out, the rest of the pipeline still runs.
    Solid other(10, 10, 0x000000);
    o.sparkle = 2;
    o.fader = 1;
    o.background = 0x0000FF;
    report = Finish(other, o, {CaptureMode::FixedRegion, 5, 5, folder.Path()});
    EXPECT_EQ(report.sparkle, StepOutcome::Skipped);
    EXPECT_EQ(report.fader, StepOutcome::Done);
    EXPECT_EQ(ColourAt(other, 0, 5), 0x0000FFu);
}

// Mask file: white left of `edge`, black from there (all four edges: direction 6).
bool WriteHalfMask(const std::wstring& path, uint32_t w, uint32_t h, int32_t edge) {
    ZImage mask;
    return MakeHalfMask(mask, w, h, edge) && WritePng(path.c_str(), mask, nullptr, 0);
}

TEST(FinishPipeline, MaskShapeCutsTheCaptureOut) {
    ProgramFolder folder;
    ASSERT_TRUE(WriteHalfMask(folder.Masks(L"CaptureShapeEffect_torn.png"), 20, 10, 10));
    ZImage capture, original;
    ASSERT_TRUE(MakeCapture(capture, 20, 10, &original));
    FinishOptions o = AllOff();
    o.shapeType = 7;
    o.shapeDirection = 6;
    const FinishReport report =
        Finish(capture, o, {CaptureMode::FreeRectangle, 0, 0, folder.Path()});
    EXPECT_EQ(report.shape, StepOutcome::Done);
    EXPECT_TRUE(report.AllWorked());
    // Inside: the capture (its magenta pixels become the background); outside the background.
    ExpectColours(capture, {{5, 5, ColourAt(original, 5, 5)},
                            {1, 1, 0x00FF00u},
                            {10, 4, 0x00FF00u},
                            {19, 9, 0x00FF00u}});
}

TEST(FinishPipeline, MissingMaskFileLeavesTheCaptureUnshaped) {
    ProgramFolder folder;  // no mask files
    for (bool shadow : {false, true}) {
        ZImage capture, original;
        ASSERT_TRUE(MakeCapture(capture, 250, 210, &original));
        FinishOptions o = AllOff();
        o.shapeType = 8;
        o.shadow = shadow;
        o.shadowDither = 2;
        o.shadowOffset = 1;
        o.shadowIntensity = 100;
        const FinishReport report =
            Finish(capture, o, {CaptureMode::FreeRectangle, 0, 0, folder.Path()});
        EXPECT_EQ(report.shape, StepOutcome::Skipped);
        EXPECT_TRUE(report.AllWorked());
        const uint32_t m = shadow ? 2 * 1 + 5 * 2 / 2 : 0;  // margin 7
        ASSERT_EQ(std::pair(capture.GetWidth(), capture.GetHeight()),
                  std::pair(250 + 2 * m, 210 + 2 * m));
        // Unshaped: the picture is all there. Shadow off: screen magenta became background;
        // shadow on, rectangle mode: the plain-rectangle shadow keeps the picture as it is.
        ExpectColours(capture, {{m + 100, m + 100, ColourAt(original, 100, 100)},
                                {m + 1, m + 1, shadow ? kMagenta : 0x00FF00u},
                                {m + 248, m + 208, shadow ? kMagenta : 0x00FF00u}});
    }
}

TEST(FinishPipeline, PlainRectangleFlagFollowsTheMode) {
    // Single window (mode 0) never takes the plain path: magenta counts as outside.
    ZImage capture;
    ASSERT_TRUE(MakeCapture(capture, 250, 210));
    FinishOptions o = AllOff();
    o.shadow = true;
    o.shadowDither = 2;
    o.shadowOffset = 1;
    Finish(capture, o, {CaptureMode::SingleWindow});
    EXPECT_EQ(ColourAt(capture, 7 + 1, 7 + 1), 0x00FF00u);
    // Fixed region (mode 5) without a shape: the plain path keeps the picture as a rectangle.
    ZImage fixed;
    ASSERT_TRUE(MakeCapture(fixed, 250, 210));
    Finish(fixed, o, {CaptureMode::FixedRegion});
    EXPECT_EQ(ColourAt(fixed, 7 + 1, 7 + 1), kMagenta);
}

TEST(FinishPipeline, FreeStyleIsNeverShapedAndGetsTheBackground) {
    ProgramFolder folder;
    ASSERT_TRUE(WriteHalfMask(folder.Masks(L"CaptureShapeEffect_torn.png"), 20, 10, 10));
    ZImage capture, original;
    ASSERT_TRUE(MakeCapture(capture, 20, 10, &original));
    ASSERT_TRUE(FillSolidRect(capture, 15, 0, 5, 10, kMagenta));  // outside the outline
    FinishOptions o = AllOff();
    o.shapeType = 7;
    FinishRequest request{CaptureMode::FreeStyle, 0, 0, folder.Path()};
    TestPlatform platform;
    const FinishReport report = FinishImage(capture, o, request, platform);
    EXPECT_EQ(report.shape, StepOutcome::Off);
    EXPECT_EQ(ColourAt(capture, 12, 5), ColourAt(original, 12, 5));  // not cut by the mask
    EXPECT_EQ(ColourAt(capture, 17, 5), 0x00FF00u);                  // outside: background
}

TEST(FinishPipeline, DrawnShapesThroughThePlatform) {
    ZImage capture, original;
    ASSERT_TRUE(MakeCapture(capture, 12, 9, &original));
    FinishOptions o = AllOff();
    o.shapeType = 2;
    FinishRequest request{CaptureMode::FullDesktop};
    TestPlatform platform;
    FinishReport report = FinishImage(capture, o, request, platform);
    EXPECT_EQ(report.shape, StepOutcome::Done);
    EXPECT_EQ(ColourAt(capture, 1, 4), 0x00FF00u);  // in the 2-pixel border
    ExpectColours(
        capture,
        {{2, 4, ColourAt(original, 2, 4)}, {9, 6, ColourAt(original, 9, 6)}, {10, 6, 0x00FF00u}});

    // Without the platform shapes 1 and 2 are unavailable and the capture stays unshaped.
    ZImage plain;
    ASSERT_TRUE(MakeCapture(plain, 12, 9));
    o.shapeType = 1;
    report = Finish(plain, o, request);
    EXPECT_EQ(report.shape, StepOutcome::Unavailable);
    EXPECT_EQ(ColourAt(plain, 0, 0), ColourAt(original, 0, 0));
    EXPECT_EQ(ColourAt(plain, 1, 1), 0x00FF00u);  // the screen's magenta
}

TEST(FinishPipeline, FaderRunsLastOnTheGrownPicture) {
    Solid capture(100, 20, 0xFFFFFF);
    FinishOptions o = AllOff();
    o.background = 0x000000;
    o.shadow = true;
    o.shadowIntensity = 0;  // the shadow is the background colour
    o.shadowOffset = 5;
    o.shadowDither = 0;  // margin 10
    o.fader = 1;
    const FinishReport report = Finish(capture, o, {CaptureMode::FreeRectangle});
    EXPECT_EQ(report.shadow, StepOutcome::Done);
    EXPECT_EQ(report.fader, StepOutcome::Done);
    ASSERT_EQ(capture.GetWidth(), 120u);
    // Column 30 of 120 (column 20 of the picture): 255 * 30 / 120 = 63.
    ExpectColours(capture, {{30, 15, 0x3F3F3Fu}, {0, 15, 0x000000u}});
}

TEST(FinishPipeline, RefusesAnythingButA24BitCapture) {
    Solid deep(4, 4, 0x123456, 32);
    const FinishReport report = Finish(deep, AllOff());
    EXPECT_EQ(report.shape, StepOutcome::Failed);
    EXPECT_FALSE(report.AllWorked());
    EXPECT_EQ(deep.GetBitsPerPixel(), 32);
    ZImage empty;
    EXPECT_FALSE(Finish(empty, AllOff()).AllWorked());
}

}  // namespace
}  // namespace zentrova
