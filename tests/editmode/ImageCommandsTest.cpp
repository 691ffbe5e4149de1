// The image commands on the whole picture and the Select tool's commands: pixels, sizes, one
// history state per change, nothing changed on failure; the selection arithmetic. (The drop
// shadow's growth and pixelize's blocks are checked on the kept file by the window test.)
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecBmp.h"
#include "editmode/EditCommands.h"
#include "core/FileSystem.h"
#include "editmode/commands/RenameCommand.h"
#include "editmode/commands/ResizeCommands.h"
#include "editmode/commands/SelectionArithmetic.h"
#include "tests/editmode/EditBench.h"

namespace zentrova {
namespace {

using test::PatternColour;
using test::PixelAt;
using test::PixelsAre;

struct Editor : test::EditBench {
    explicit Editor(int32_t width = 6, int32_t height = 4) {
        AddCapture(L"capture.bmp", width, height);
        Begin(1600, 1000);
    }
};

// The 6 x 4 pattern of an Editor unchanged.
::testing::AssertionResult Unchanged(const ZImage& picture) {
    return PixelsAre(picture, 6, 4, [](int32_t x, int32_t y) { return PatternColour(x, y); });
}

ZColor Grey(ZColor c) {
    const ZColor b = c >> 16;
    return b | (b << 8) | (b << 16);
}

TEST(PictureCommandsTest, EachCommandTransformsThePictureAndPushesOneState) {
    struct Case {
        uint32_t command;
        int32_t width, height;
        ZColor (*at)(int32_t x, int32_t y);
    };
    // The 6 x 4 pattern P; each case gives the result's pixel (x, y).
    const Case cases[] = {
        {edit_cmd::kRotateRight, 4, 6,
         [](int32_t x, int32_t y) { return PatternColour(y, 3 - x); }},
        {edit_cmd::kRotateLeft, 4, 6, [](int32_t x, int32_t y) { return PatternColour(5 - y, x); }},
        {edit_cmd::kMirror, 6, 4, [](int32_t x, int32_t y) { return PatternColour(5 - x, y); }},
        {edit_cmd::kFlip, 6, 4, [](int32_t x, int32_t y) { return PatternColour(x, 3 - y); }},
        {edit_cmd::kGrayscale, 6, 4,
         [](int32_t x, int32_t y) { return Grey(PatternColour(x, y)); }},
    };
    for (const Case& c : cases) {
        Editor e;
        ASSERT_TRUE(e.session.RunCommand(c.command)) << c.command;
        EXPECT_EQ(e.Picture().GetBitsPerPixel(), 24);
        EXPECT_TRUE(PixelsAre(e.Picture(), c.width, c.height, c.at)) << c.command;
        EXPECT_EQ(e.States(), 1) << c.command;
        EXPECT_EQ(e.host.beeps, 0);
        ASSERT_TRUE(e.session.Undo());
        EXPECT_TRUE(Unchanged(e.Picture()));
    }
}

TEST(PictureCommandsTest, AFailingEffectBeepsAndLeavesPictureAndHistory) {
    Editor e;
    e.settings.CaptureShadowOffset = static_cast<decltype(e.settings.CaptureShadowOffset)>(-1);
    EXPECT_FALSE(e.session.RunCommand(edit_cmd::kDropShadow));
    EXPECT_EQ(e.host.beeps, 1);
    EXPECT_EQ(e.States(), 0);
    EXPECT_TRUE(Unchanged(e.Picture()));
}

TEST(SelectionArithmeticTest, ClipsTheSelectionToThePicture) {
    // What is left of each selection; nothing for the last two.
    const std::pair<ZRect, ZRect> cases[] = {{{2, 1, 5, 3}, {2, 1, 5, 3}},
                                             {{-3, -2, 20, 30}, {0, 0, 6, 4}},
                                             {{5, 3, 9, 9}, {5, 3, 6, 4}},
                                             {{6, 0, 9, 4}, {}},
                                             {{2, 2, 2, 3}, {}}};
    for (const auto& [selection, left] : cases) {
        ZRect clipped;
        EXPECT_EQ(ClipSelection(selection, 6, 4, clipped), !left.IsEmpty());
        EXPECT_EQ(clipped, left.IsEmpty() ? clipped : left);
    }
}

TEST(SelectionArithmeticTest, ZoomIntoSelectionIsLimitedAndPutsTheCornerTopLeft) {
    const std::tuple<ZRect, int32_t, int32_t, int32_t> cases[] = {
        {{40, 30, 240, 130}, 800, 600, 8000},  // min(8, 10)
        {{0, 0, 1, 1}, 800, 600, kZoomMax},    // 1600 x limited
        {{0, 0, 800000, 10}, 900000, 600, kZoomMin},
        {{1000, 7, 1003, 9}, 40000, 30000, kZoomMax}};
    for (const auto& [selection, imageWidth, imageHeight, zoom] : cases) {
        SelectionZoom z;
        ASSERT_TRUE(ZoomIntoSelection(selection, imageWidth, imageHeight, 1600, 1000, z));
        EXPECT_EQ(z.zoom, zoom);
        EditView view;
        view.SetScreen(1600, 1000);
        view.ShowNewImage(imageWidth, imageHeight);
        view.SetZoom(z.zoom);
        view.SetScroll(z.scrollX, z.scrollY);
        if (zoom != kZoomMin) {
            EXPECT_EQ(view.ImageToWindow(selection.left, selection.top), (ZPoint{0, 0}));
        }
    }
    SelectionZoom z;
    EXPECT_FALSE(ZoomIntoSelection(ZRect{}, 10, 10, 1600, 1000, z));
}

TEST(SelectionCommandsTest, CropGivesTheSelectionsPixelsAndUndoBringsThePictureBack) {
    Editor e(200, 120);
    e.Select(30, 40, 130, 90);
    ASSERT_TRUE(e.session.RunCommand(edit_cmd::kCrop));
    EXPECT_TRUE(PixelsAre(e.Picture(), 100, 50,
                          [](int32_t x, int32_t y) { return PatternColour(x + 30, y + 40); }));
    EXPECT_FALSE(e.session.Selection().Exists());
    EXPECT_EQ(e.States(), 1);
    ASSERT_TRUE(e.session.Undo());
    EXPECT_EQ(e.Size(), std::pair(200, 120));
    // Without a selection: a beep, nothing else.
    EXPECT_FALSE(e.session.RunCommand(edit_cmd::kMenuCrop));
    EXPECT_EQ(e.host.beeps, 1);
}

TEST(SelectionCommandsTest, CutCopiesFirstThenWhitensAndABusyClipboardLosesNothing) {
    for (const bool works : {true, false}) {
        Editor e(20, 10);
        e.host.clipboardWorks = works;
        e.Select(2, 3, 7, 9);
        EXPECT_EQ(e.session.RunCommand(edit_cmd::kCut), works);
        const auto inside = [](int32_t x, int32_t y) { return x >= 2 && x < 7 && y >= 3 && y < 9; };
        EXPECT_TRUE(PixelsAre(e.Picture(), 20, 10, [&](int32_t x, int32_t y) {
            return works && inside(x, y) ? test::kWhite : PatternColour(x, y);
        }));
        EXPECT_EQ(std::pair(e.States(), e.host.errors.size()),
                  std::pair(works ? 1 : 0, size_t{works ? 0u : 1u}));
        EXPECT_TRUE(!works || PixelsAre(e.host.clipboard, 5, 6, [](int32_t x, int32_t y) {
            return PatternColour(x + 2, y + 3);
        }));
    }
}

TEST(SelectionCommandsTest, PasteStretchesTheClipboardIntoTheSelection) {
    Editor e(300, 200);
    ASSERT_TRUE(e.host.clipboard.Create(10, 10, 24, 0x3366CC, nullptr));
    e.Select(50, 40, 250, 140);
    ASSERT_TRUE(e.session.RunCommand(edit_cmd::kMenuPaste));
    EXPECT_EQ(e.States(), 1);
    // The corners and the middle of the selection, then beside it.
    const ZImage& p = e.Picture();
    EXPECT_EQ((std::vector<ZColor>{PixelAt(p, 50, 40), PixelAt(p, 249, 139), PixelAt(p, 150, 90),
                                   PixelAt(p, 49, 40), PixelAt(p, 250, 139)}),
              (std::vector<ZColor>{0x3366CC, 0x3366CC, 0x3366CC, PatternColour(49, 40),
                                   PatternColour(250, 139)}));
    // A busy clipboard: the user is told, nothing pushed; an empty one: a beep.
    e.host.clipboardWorks = false;
    EXPECT_FALSE(e.session.RunCommand(edit_cmd::kMenuPaste));
    EXPECT_EQ(e.host.errors.size(), 1u);
    e.host.clipboardWorks = true;
    e.host.clipboard.Destroy();
    EXPECT_FALSE(e.session.RunCommand(edit_cmd::kMenuPaste));
    EXPECT_EQ(std::pair(e.host.beeps, e.States()), std::pair(1, 1));
}

TEST(RenameTest, NamesWindowsForbidsAreRefused) {
    EXPECT_EQ(CheckCaptureName(L"50% off"), NameCheck::Ok);
    EXPECT_EQ(CheckCaptureName(L"console"), NameCheck::Ok);
    EXPECT_EQ(CheckCaptureName(L""), NameCheck::Empty);
    for (const wchar_t* name :
         {L"a%%b", L"a$b", L"a\\b", L"a|b", L"a\tb", L"name.", L"name ", L"COM7"}) {
        EXPECT_EQ(CheckCaptureName(name), NameCheck::Forbidden) << std::wstring(name).size();
    }
    EXPECT_EQ(NameWithoutExtension(L"shot.001.bmp") + NameWithoutExtension(L"shot"),
              L"shot.001shot");
}

TEST(RenameTest, TheDialogStaysUntilANameWorksAndKeepsTheExtension) {
    Editor e;
    const std::wstring taken = e.folder.File(L"taken.bmp");
    ASSERT_TRUE(WriteBmp(taken.c_str(), e.Picture()));
    e.host.typedNames = {L"", L"a:b", L"capture", L"taken", L"new name"};
    ASSERT_TRUE(e.session.RunCommand(edit_cmd::kRename));
    EXPECT_EQ(e.host.shownName, L"capture");
    EXPECT_EQ(e.host.beeps, 2);  // empty, forbidden
    EXPECT_EQ(e.host.errors, (std::vector<std::wstring>{
                                 L"Failed to rename because source and destination are identical",
                                 L"A file of that name exists already."}));
    const std::wstring renamed = e.folder.File(L"new name.bmp");
    EXPECT_EQ(e.session.GetCurrentPath(), renamed);
    EXPECT_EQ(std::tuple(PathExists(renamed.c_str()),
                         PathExists(e.folder.File(L"capture.bmp").c_str()), e.States()),
              std::tuple(true, false, 0));
    // Cancelled: nothing changes.
    e.host.typedNames.clear();
    EXPECT_FALSE(e.session.RunCommand(edit_cmd::kRename));
    EXPECT_EQ(e.session.GetCurrentPath(), renamed);
}

TEST(ResizeArithmeticTest, UnitsDecimalsAndSignificantDigits) {
    // 50 % of 801 x 601 is 400 x 300; at 96 dpi 960 pixels are 10 inch; 2.5 inch are 240.
    EXPECT_EQ(ResizeFinalPixels(50, ResizeUnit::Percent, 801, 96), 400);
    EXPECT_EQ(ResizeFinalPixels(50, ResizeUnit::Percent, 601, 96), 300);
    EXPECT_EQ(FormatResizeField(ResizeFromPixels(960, ResizeUnit::Inch, 960, 96)), L"10");
    EXPECT_EQ(ResizeFinalPixels(2.5, ResizeUnit::Inch, 10, 96), 240);
    EXPECT_EQ(ResizeFinalPixels(0.2, ResizeUnit::Pixel, 10, 96), 1);
    EXPECT_EQ(ResizeFinalPixels(9000, ResizeUnit::Pixel, 10, 96), kResizeLimit);
    EXPECT_EQ(FormatResizeField(ResizeFromPixels(800, ResizeUnit::Centimeter, 800, 96)),
              L"21.166667");
    EXPECT_EQ(FormatResizeField(100.0 / 3), L"33.333333");
    // Proportions: Percent copies, Pixel whole pixels, the others 8 significant digits.
    EXPECT_EQ(ProportionalField(40, ResizeUnit::Percent, 801, 601), 40);
    EXPECT_EQ(ProportionalField(400, ResizeUnit::Pixel, 801, 601), 300);
    EXPECT_EQ(FormatResizeField(ProportionalField(10, ResizeUnit::Centimeter, 800, 600)), L"7.5");
    EXPECT_EQ(FormatResizeField(ProportionalField(10, ResizeUnit::Inch, 3, 1)), L"3.3333333");
    for (const auto& [text, expected] :
         {std::pair{L"2.5", 2.5}, std::pair{L" 2,5 ", 2.5}, std::pair{L"960", 960.0}}) {
        double value = -1;
        EXPECT_TRUE(ParseResizeField(text, value) && value == expected) << expected;
    }
    for (const wchar_t* text : {L"", L"1.2.3", L"-4", L"4x", L"."}) {
        double value = -1;
        EXPECT_FALSE(ParseResizeField(text, value)) << std::wstring(text).size();
    }
    EXPECT_EQ(std::pair(LimitCanvasSize(5001), LimitCanvasSize(0)), std::pair(5000, 1));
}

TEST(ResizeCommandsTest, ResizePushesOneStateAndAnUnchangedSizeNone) {
    Editor e(801, 601);
    e.settings.ResizeConstrainProportions = 1;
    e.host.resizeChoices = {ResizeChoice{801, 601, 2, false}};
    ASSERT_TRUE(e.session.RunCommand(edit_cmd::kResizeImage));
    // The dialog starts from the picture and the settings; the choice is remembered.
    EXPECT_EQ(std::tuple(e.host.resizeStart.width, e.host.resizeStart.proportions, e.States(),
                         e.settings.ResizeScaleType, e.settings.ResizeConstrainProportions),
              std::tuple(801, true, 0, 3u, 0u));

    e.host.resizeChoices = {ResizeChoice{400, 300, 0, true}};
    ASSERT_TRUE(e.session.RunCommand(edit_cmd::kResizeImage));
    EXPECT_EQ(std::tuple(e.Size(), e.Picture().GetBitsPerPixel(), e.States()),
              std::tuple(std::pair(400, 300), uint8_t{24}, 1));
}

TEST(ResizeCommandsTest, CanvasTakesSizeAnchorAndFillAndRemembersThem) {
    Editor e(6, 4);
    e.settings.ResizeCanvasPosition = 4;
    e.settings.ResizeCanvasColor = 0x123456;
    e.host.canvasAnswer = CanvasChoice{8, 5001, 8, 0x00FF00};
    ASSERT_TRUE(e.session.RunCommand(edit_cmd::kResizeCanvas));
    EXPECT_EQ(std::pair(e.host.canvasStart.anchor, e.host.canvasStart.fill),
              std::pair(4, 0x123456u));
    EXPECT_EQ(e.Size(), std::pair(8, 5000));  // the height limited
    // The fill at the top left, the picture at the bottom right (the anchor); both remembered.
    EXPECT_EQ(std::tuple(PixelAt(e.Picture(), 0, 0), PixelAt(e.Picture(), 7, 4999), e.States(),
                         e.settings.ResizeCanvasPosition, e.settings.ResizeCanvasColor),
              std::tuple(0x00FF00u, PatternColour(5, 3), 1, 8u, 0x00FF00u));
    e.host.canvasOk = false;  // cancelled
    EXPECT_FALSE(e.session.RunCommand(edit_cmd::kResizeCanvas));
    EXPECT_EQ(e.States(), 1);
}

}  // namespace
}  // namespace zentrova
