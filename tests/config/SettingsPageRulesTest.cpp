#include "config/SettingsPageRules.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

TEST(SettingsPageRules, FixedCaptureSizeAcceptsOnlyOneTo16384) {
    const struct {
        const wchar_t* text;
        bool accepted;
        uint32_t size;
    } cases[] = {{L"1", true, 1},           {L"16384", true, 16384},
                 {L" 640 ", true, 640},     {L"0", false, 0},
                 {L"16385", false, 0},      {L"  ", false, 0},
                 {L"-5", false, 0},         {L"6 4", false, 0},
                 {L"4294967297", false, 0}, {L"00000000000000000000000000000042", true, 42}};
    for (const auto& c : cases) {
        uint32_t size = 777;
        EXPECT_EQ(c.accepted, ParseFixedCaptureSize(c.text, &size)) << c.text;
        EXPECT_EQ(c.accepted ? c.size : 777u, size) << c.text;
    }
}

TEST(SettingsPageRules, OutputFolderMustNotBeBlank) {
    EXPECT_TRUE(IsUsableOutputFolder(L"C:\\Pictures"));
    EXPECT_TRUE(IsUsableOutputFolder(L" x"));
    EXPECT_FALSE(IsUsableOutputFolder(L""));
    EXPECT_FALSE(IsUsableOutputFolder(L" \t "));
}

TEST(SettingsPageRules, SliderValuesOutsideTheirRangeShowAtTheNearestEnd) {
    EXPECT_EQ(4u, ClampToRange(0, kErasorSizeRange));
    EXPECT_EQ(100u, ClampToRange(4000, kErasorSizeRange));
    EXPECT_EQ(30u, ClampToRange(0xFFFFFFFFu, kPencilWidthRange));
}

TEST(SettingsPageRules, OnlyTheEffectShapesTakeADirection) {
    EXPECT_FALSE(ShapeHasDirection(2));  // Ellipse
    EXPECT_TRUE(ShapeHasDirection(3));   // Effect Cloudy
    EXPECT_TRUE(ShapeHasDirection(8));
}

}  // namespace
}  // namespace zentrova
