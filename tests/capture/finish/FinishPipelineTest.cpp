// The whole finishing pipeline on pictures: order of the steps, the data files beside the
// program, the platform seam (a test platform that draws simple shapes) and the decisions on a
// missing mask file and on free style.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "capture/finish/FinishPipeline.h"
#include "codecs/ZImageCodecPng.h"
#include "config/SettingsRecord.h"
#include "core/FileSystem.h"
#include "image/ZCompositing.h"
#include "image/ZImageEffects.h"
#include "tests/image/CompositingTestSupport.h"
#include "tests/support/TempFolder.h"

namespace zentrova {
namespace {

using testing::ColourAt;
using testing::SetPixel;

constexpr ZColor kMagenta = 0xFF00FF;

// Draws what the system would draw, in simple exact forms: the "arrow" is a 12 x 12 black block
// at (x, y); shape 1 is black but for a 1-pixel magenta border, shape 2 but for a 2-pixel one.
class TestPlatform final : public FinishPlatform {
  public:
    bool IsAvailable() const override { return true; }
    bool PlayCaptureSound() override {
        ++sounds;
        return true;
    }
    bool GetIconSize(int32_t& width, int32_t& height) override {
        width = 16;
        height = 16;
        return true;
    }
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
    ZImage capture;
    ASSERT_TRUE(capture.Create(64, 64, 24, 0x404040, nullptr));
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
    EXPECT_EQ(ColourAt(capture, 25, 35), 0x000000u);
    EXPECT_EQ(ColourAt(capture, 24, 35), 0x404040u);
}

// The cursor shadow at the test arrow: the block 8..19 of the 32 x 32 mask is fully black after
// five 3 x 3 means only at 13..14, i.e. at capture (x + ox - 3 .. x + ox - 2).
TEST(FinishPipeline, CursorShadowHasTheShadowColourAtFullIntensity) {
    ZImage capture;
    ASSERT_TRUE(capture.Create(64, 64, 24, 0x404040, nullptr));
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
    EXPECT_EQ(ColourAt(capture, 24, 30), 0x0000FFu);
    EXPECT_EQ(ColourAt(capture, 24, 31), 0x0000FFu);
    EXPECT_EQ(ColourAt(capture, 25, 30), 0x000000u);  // under the arrow
    EXPECT_EQ(ColourAt(capture, 5, 5), 0x404040u);    // far away
}

TEST(FinishPipeline, SparkleFromTheMouseFolderAndAMissingOne) {
    ProgramFolder folder;
    ZImage sparkle;
    ASSERT_TRUE(sparkle.Create(3, 3, 32, 0, nullptr));
    for (uint32_t i = 0; i < 9; ++i) {
        SetPixel(sparkle, i % 3, i / 3, 255, 0, 0, i % 3 == 1 ? 255 : 0);  // a vertical blue bar
    }
    ASSERT_TRUE(WritePng(folder.Mouse(L"mouse-x.png").c_str(), sparkle, nullptr, 0));
    ZImage capture;
    ASSERT_TRUE(capture.Create(10, 10, 24, 0x000000, nullptr));
    FinishOptions o = AllOff();
    o.cursor = true;
    o.sparkle = 6;
    FinishRequest request{CaptureMode::FixedRegion, 5, 5, folder.Path()};
    NoFinishPlatform none;
    FinishReport report = FinishImage(capture, o, request, none);
    EXPECT_EQ(report.sparkle, StepOutcome::Done);
    EXPECT_EQ(report.cursor, StepOutcome::Unavailable);
    EXPECT_FALSE(report.AllWorked());
    EXPECT_EQ(ColourAt(capture, 5, 6), 0xFF0000u);

    // Sparkle 2 has no file: left out, the rest of the pipeline still runs.
    ZImage other;
    ASSERT_TRUE(other.Create(10, 10, 24, 0x000000, nullptr));
    o.sparkle = 2;
    o.fader = 1;
    o.background = 0x0000FF;
    report = FinishImage(other, o, request, none);
    EXPECT_EQ(report.sparkle, StepOutcome::Skipped);
    EXPECT_EQ(report.fader, StepOutcome::Done);
    EXPECT_EQ(ColourAt(other, 0, 5), 0x0000FFu);
}

// Mask file: white left of `edge`, black from there (all four edges: direction 6).
bool WriteHalfMask(const std::wstring& path, uint32_t w, uint32_t h, int32_t edge) {
    ZImage mask;
    return mask.Create(w, h, 24, 0x000000, nullptr) &&
           FillSolidRect(mask, 0, 0, edge, static_cast<int32_t>(h), 0xFFFFFF) &&
           WritePng(path.c_str(), mask, nullptr, 0);
}

TEST(FinishPipeline, MaskShapeCutsTheCaptureOut) {
    ProgramFolder folder;
    ASSERT_TRUE(WriteHalfMask(folder.Masks(L"CaptureShapeEffect_torn.png"), 20, 10, 10));
    ZImage capture, original;
    ASSERT_TRUE(MakeCapture(capture, 20, 10, &original));
    FinishOptions o = AllOff();
    o.shapeType = 7;
    o.shapeDirection = 6;
    FinishRequest request{CaptureMode::FreeRectangle, 0, 0, folder.Path()};
    NoFinishPlatform none;
    const FinishReport report = FinishImage(capture, o, request, none);
    EXPECT_EQ(report.shape, StepOutcome::Done);
    EXPECT_TRUE(report.AllWorked());
    // Inside: the capture (its magenta pixels become the background); outside the background.
    EXPECT_EQ(ColourAt(capture, 5, 5), ColourAt(original, 5, 5));
    EXPECT_EQ(ColourAt(capture, 1, 1), 0x00FF00u);
    EXPECT_EQ(ColourAt(capture, 10, 4), 0x00FF00u);
    EXPECT_EQ(ColourAt(capture, 19, 9), 0x00FF00u);
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
        FinishRequest request{CaptureMode::FreeRectangle, 0, 0, folder.Path()};
        NoFinishPlatform none;
        const FinishReport report = FinishImage(capture, o, request, none);
        EXPECT_EQ(report.shape, StepOutcome::Skipped);
        EXPECT_TRUE(report.AllWorked());
        const uint32_t m = shadow ? 2 * 1 + 5 * 2 / 2 : 0;  // margin 7
        ASSERT_EQ(std::pair(capture.GetWidth(), capture.GetHeight()),
                  std::pair(250 + 2 * m, 210 + 2 * m));
        // Unshaped: the picture is all there. Shadow off: screen magenta became background;
        // shadow on, rectangle mode: the plain-rectangle shadow keeps the picture as it is.
        EXPECT_EQ(ColourAt(capture, m + 100, m + 100), ColourAt(original, 100, 100));
        EXPECT_EQ(ColourAt(capture, m + 1, m + 1), shadow ? kMagenta : 0x00FF00u);
        EXPECT_EQ(ColourAt(capture, m + 248, m + 208), shadow ? kMagenta : 0x00FF00u);
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
    FinishRequest request{CaptureMode::SingleWindow};
    NoFinishPlatform none;
    FinishImage(capture, o, request, none);
    EXPECT_EQ(ColourAt(capture, 7 + 1, 7 + 1), 0x00FF00u);
    // Fixed region (mode 5) without a shape: the plain path keeps the picture as a rectangle.
    ZImage fixed;
    ASSERT_TRUE(MakeCapture(fixed, 250, 210));
    request.mode = CaptureMode::FixedRegion;
    FinishImage(fixed, o, request, none);
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
    EXPECT_EQ(ColourAt(capture, 2, 4), ColourAt(original, 2, 4));
    EXPECT_EQ(ColourAt(capture, 9, 6), ColourAt(original, 9, 6));
    EXPECT_EQ(ColourAt(capture, 10, 6), 0x00FF00u);

    // Without the platform shapes 1 and 2 are unavailable and the capture stays unshaped.
    ZImage plain;
    ASSERT_TRUE(MakeCapture(plain, 12, 9));
    o.shapeType = 1;
    NoFinishPlatform none;
    report = FinishImage(plain, o, request, none);
    EXPECT_EQ(report.shape, StepOutcome::Unavailable);
    EXPECT_EQ(ColourAt(plain, 0, 0), ColourAt(original, 0, 0));
    EXPECT_EQ(ColourAt(plain, 1, 1), 0x00FF00u);  // the screen's magenta
}

TEST(FinishPipeline, FaderRunsLastOnTheGrownPicture) {
    ZImage capture;
    ASSERT_TRUE(capture.Create(100, 20, 24, 0xFFFFFF, nullptr));
    FinishOptions o = AllOff();
    o.background = 0x000000;
    o.shadow = true;
    o.shadowIntensity = 0;  // the shadow is the background colour
    o.shadowOffset = 5;
    o.shadowDither = 0;  // margin 10
    o.fader = 1;
    FinishRequest request{CaptureMode::FreeRectangle};
    NoFinishPlatform none;
    const FinishReport report = FinishImage(capture, o, request, none);
    EXPECT_EQ(report.shadow, StepOutcome::Done);
    EXPECT_EQ(report.fader, StepOutcome::Done);
    ASSERT_EQ(capture.GetWidth(), 120u);
    // Column 30 of 120 (column 20 of the picture): 255 * 30 / 120 = 63.
    EXPECT_EQ(ColourAt(capture, 30, 15), 0x3F3F3Fu);
    EXPECT_EQ(ColourAt(capture, 0, 15), 0x000000u);
}

TEST(FinishPipeline, RefusesAnythingButA24BitCapture) {
    ZImage deep;
    ASSERT_TRUE(deep.Create(4, 4, 32, 0x123456, nullptr));
    NoFinishPlatform none;
    FinishOptions o = AllOff();
    const FinishReport report = FinishImage(deep, o, FinishRequest(), none);
    EXPECT_EQ(report.shape, StepOutcome::Failed);
    EXPECT_FALSE(report.AllWorked());
    EXPECT_EQ(deep.GetBitsPerPixel(), 32);
    ZImage empty;
    EXPECT_FALSE(FinishImage(empty, o, FinishRequest(), none).AllWorked());
}

}  // namespace
}  // namespace zentrova
