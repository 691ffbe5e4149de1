// The capture bar pictures of the three shipped skins: their cells have the skin's button size,
// and a bar of nine of them lands where it must on a 1024 x 768 screen at every edge.
#include <cwchar>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "tests/config/FakeSystemInfo.h"
#include "ui/buttonbar/ButtonBarGeometry.h"
#include "ui/skin/Skin.h"

namespace zentrova {
namespace {

struct SkinCase {
    const wchar_t* name;
    int32_t cell;  // the skin's cxPlayerButton = cyPlayerButton
    int32_t left;  // 512 - 9 * cell / 2: x of a horizontal bar
    int32_t top;   // 384 - 9 * cell / 2: y of a vertical bar
};

void PrintTo(const SkinCase& c, std::ostream* os) {
    *os << std::string(c.name, c.name + std::wcslen(c.name));
}

const SkinCase kCases[] = {
    {L"Default", 42, 323, 195},  // 9 * 42 = 378, half 189
    {L"Small", 34, 359, 231},    // 306, half 153
    {L"Tiny", 26, 395, 267},     // 234, half 117
};

const wchar_t* const kEdgePictures[] = {L"ButtonBarCaptureLeft", L"ButtonBarCaptureTop",
                                        L"ButtonBarCaptureRight", L"ButtonBarCaptureBottom"};

class ShippedCaptureBar : public ::testing::TestWithParam<SkinCase> {};

TEST_P(ShippedCaptureBar, CellsAndPlacesAtEveryEdge) {
    const SkinCase& c = GetParam();
    test::FakeSystemInfo system;
    system.programFolder = L"" CLARIVUE_TEST_PROGRAM_DIR;
    Skin skin(system);
    ASSERT_TRUE(skin.Load(c.name));
    EXPECT_EQ(skin.GetPlayerButtonWidth(), c.cell);
    EXPECT_EQ(skin.GetPlayerButtonHeight(), c.cell);

    const int32_t n = c.cell;
    for (uint32_t edge = 0; edge < 4; ++edge) {
        SCOPED_TRACE(edge);
        ZImage picture;
        ASSERT_TRUE(skin.LoadPng(picture, kEdgePictures[edge]));
        CellSize cell;
        ASSERT_TRUE(ComputeCellSize(picture.GetWidth(), picture.GetHeight(), 9, false, cell));
        EXPECT_EQ(cell.width, n);
        EXPECT_EQ(cell.height, n);
        // No spare pixels: the picture is exactly 9 x 3 cells.
        EXPECT_EQ(picture.GetWidth(), 9u * n);
        EXPECT_EQ(picture.GetHeight(), 3u * n);

        BarAlignment a{};
        ASSERT_TRUE(BarAlignmentFromValue(edge, a));
        const BarRect shown = ComputeBarRect(a, 1024, 768, 9, cell, false);
        const BarRect strip = ComputeBarRect(a, 1024, 768, 9, cell, true);
        const BarRect shownAt[4] = {{0, c.top, n, 9 * n},
                                    {c.left, 0, 9 * n, n},
                                    {1024 - n, c.top, n, 9 * n},
                                    {c.left, 768 - n, 9 * n, n}};
        const BarRect stripAt[4] = {{0, c.top, 4, 9 * n},
                                    {c.left, 0, 9 * n, 4},
                                    {1020, c.top, 4, 9 * n},
                                    {c.left, 764, 9 * n, 4}};
        EXPECT_EQ(shown, shownAt[edge]);
        EXPECT_EQ(strip, stripAt[edge]);
        // The last button's cell ends exactly at the bar's far end.
        const BarRect last = ButtonCellRect(a, 8, cell);
        EXPECT_EQ(last.x + last.width, shown.width);
        EXPECT_EQ(last.y + last.height, shown.height);
    }
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedCaptureBar, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<SkinCase>& info) {
                             return std::string(info.param.name,
                                                info.param.name + std::wcslen(info.param.name));
                         });

}  // namespace
}  // namespace zentrova
