// The menu geometry: icons by command, item sizes, text split and placement, selection and icon
// rectangles, text colours.
#include <gtest/gtest.h>

#include <string>

#include "ui/menus/MenuLayout.h"

namespace zentrova {
namespace {

::testing::AssertionResult SameRect(const ZRect& actual, int32_t left, int32_t top,
                                    int32_t right, int32_t bottom) {
    if (actual.left == left && actual.top == top && actual.right == right &&
        actual.bottom == bottom) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "(" << actual.left << ", " << actual.top << ", " << actual.right << ", "
           << actual.bottom << ") instead of (" << left << ", " << top << ", " << right << ", "
           << bottom << ")";
}

TEST(MenuLayout, RightToLeftLanguages) {
    EXPECT_TRUE(IsRightToLeftLanguage(L"he-il"));
    EXPECT_TRUE(IsRightToLeftLanguage(L"ar-sa"));
    EXPECT_TRUE(IsRightToLeftLanguage(L"HE-IL"));
    EXPECT_TRUE(IsRightToLeftLanguage(L"Ar-Sa"));
    EXPECT_FALSE(IsRightToLeftLanguage(L"en-us"));
    EXPECT_FALSE(IsRightToLeftLanguage(L"de-de"));
    EXPECT_FALSE(IsRightToLeftLanguage(L"he"));
    EXPECT_FALSE(IsRightToLeftLanguage(L"he-il2"));
    EXPECT_FALSE(IsRightToLeftLanguage(L"ar-eg"));
    EXPECT_FALSE(IsRightToLeftLanguage(L""));
    EXPECT_FALSE(IsRightToLeftLanguage(nullptr));
}

TEST(MenuLayout, ItemKinds) {
    EXPECT_TRUE(IsMenuSeparator(0));
    EXPECT_FALSE(IsMenuSeparator(40106));
    EXPECT_FALSE(IsMenuTitleItem(65530));
    EXPECT_TRUE(IsMenuTitleItem(65531));
    EXPECT_TRUE(IsMenuTitleItem(65534));
    EXPECT_FALSE(IsMenuTitleItem(65535));
}

TEST(MenuLayout, MeasureItems) {
    // Separators are 10 x 9 whatever their text.
    MenuSize size = MeasureMenuItem(0, {300, 40}, 3);
    EXPECT_EQ(10, size.cx);
    EXPECT_EQ(9, size.cy);
    // Title items: the text extent unchanged.
    size = MeasureMenuItem(65532, {57, 13}, 2);
    EXPECT_EQ(57, size.cx);
    EXPECT_EQ(13, size.cy);
    // Normal items: width - overhang + 31, height + 5 but at least 21.
    size = MeasureMenuItem(40106, {100, 15}, 0);
    EXPECT_EQ(131, size.cx);
    EXPECT_EQ(21, size.cy);
    size = MeasureMenuItem(40106, {100, 16}, 0);
    EXPECT_EQ(21, size.cy);
    size = MeasureMenuItem(40106, {100, 17}, 2);
    EXPECT_EQ(129, size.cx);
    EXPECT_EQ(22, size.cy);
    size = MeasureMenuItem(40106, {0, 0}, 0);
    EXPECT_EQ(31, size.cx);
    EXPECT_EQ(21, size.cy);
}

TEST(MenuLayout, SplitTexts) {
    MenuTextParts parts = SplitMenuText(L"Capture a Region\tShift+F11");
    EXPECT_EQ(L"Capture a Region", parts.label);
    EXPECT_EQ(L"Shift+F11", parts.shortcut);
    EXPECT_TRUE(parts.hasShortcut);

    parts = SplitMenuText(L"Configure...");
    EXPECT_EQ(L"Configure...", parts.label);
    EXPECT_TRUE(parts.shortcut.empty());
    EXPECT_FALSE(parts.hasShortcut);

    // Only the first tab splits; an empty shortcut still counts as one.
    parts = SplitMenuText(L"A\tB\tC");
    EXPECT_EQ(L"A", parts.label);
    EXPECT_EQ(L"B\tC", parts.shortcut);
    parts = SplitMenuText(L"Label\t");
    EXPECT_TRUE(parts.hasShortcut);
    EXPECT_TRUE(parts.shortcut.empty());

    parts = SplitMenuText(nullptr);
    EXPECT_TRUE(parts.label.empty());
    EXPECT_FALSE(parts.hasShortcut);

    // Texts are cut to 259 characters before splitting: a tab at index 258 still splits (into an
    // empty shortcut), one at index 259 is cut away.
    std::wstring text(258, L'x');
    parts = SplitMenuText((text + L"\tF1").c_str());
    EXPECT_TRUE(parts.hasShortcut);
    EXPECT_EQ(258u, parts.label.size());
    EXPECT_TRUE(parts.shortcut.empty());
    parts = SplitMenuText((text + L"y\tF1").c_str());
    EXPECT_FALSE(parts.hasShortcut);
    EXPECT_EQ(259u, parts.label.size());
}

TEST(MenuLayout, TextPlacementLeftToRight) {
    const ZRect item{5, 40, 205, 61};
    MenuTextLayout layout = LayoutMenuText(item, true, false);
    EXPECT_TRUE(SameRect(layout.shortcut.rect, 37, 40, 201, 61));
    EXPECT_EQ(MenuTextAlign::Right, layout.shortcut.align);
    EXPECT_TRUE(SameRect(layout.label.rect, 37, 40, 201, 61));
    EXPECT_EQ(MenuTextAlign::Left, layout.label.align);

    layout = LayoutMenuText(item, false, false);
    EXPECT_TRUE(SameRect(layout.label.rect, 37, 40, 205, 61));
    EXPECT_EQ(MenuTextAlign::Left, layout.label.align);
}

TEST(MenuLayout, TextPlacementRightToLeftSwapsSides) {
    const ZRect item{5, 40, 205, 61};
    MenuTextLayout layout = LayoutMenuText(item, true, true);
    // Shortcut on the left, inside right - 4; then right - 4 + 10 - 14 for the label.
    EXPECT_TRUE(SameRect(layout.shortcut.rect, 37, 40, 201, 61));
    EXPECT_EQ(MenuTextAlign::Left, layout.shortcut.align);
    EXPECT_TRUE(SameRect(layout.label.rect, 37, 40, 197, 61));
    EXPECT_EQ(MenuTextAlign::Right, layout.label.align);

    layout = LayoutMenuText(item, false, true);
    EXPECT_TRUE(SameRect(layout.label.rect, 37, 40, 191, 61));
    EXPECT_EQ(MenuTextAlign::Right, layout.label.align);
}

TEST(MenuLayout, SelectionRectangles) {
    const ZRect item{10, 21, 150, 42};
    EXPECT_TRUE(SameRect(MenuSelectionRect(item), 38, 22, 148, 40));
    EXPECT_TRUE(SameRect(TitleSelectionRect(item), 10, 21, 149, 41));
}

TEST(MenuLayout, IconPlacementByState) {
    // Centre of rows 21..41 is (21 + 42) / 2 = 31.
    const ZRect item{10, 21, 150, 42};
    MenuIconPlacement placement = PlaceMenuIcon(item, {true, false, false});
    EXPECT_EQ(MenuStrip::Hot, placement.strip);
    EXPECT_EQ(13, placement.x);
    EXPECT_EQ(23, placement.y);
    EXPECT_EQ(255, placement.alpha);

    placement = PlaceMenuIcon(item, {false, false, false});
    EXPECT_EQ(MenuStrip::Cold, placement.strip);
    EXPECT_EQ(14, placement.x);
    EXPECT_EQ(24, placement.y);
    EXPECT_EQ(255, placement.alpha);

    // Grayed: the cold strip at half alpha, also under the mouse.
    for (bool selected : {false, true}) {
        placement = PlaceMenuIcon(item, {selected, true, false});
        EXPECT_EQ(MenuStrip::Cold, placement.strip);
        EXPECT_EQ(14, placement.x);
        EXPECT_EQ(24, placement.y);
        EXPECT_EQ(127, placement.alpha);
    }

    // An even height: rows 0..21, centre 11.
    placement = PlaceMenuIcon(ZRect{0, 0, 100, 22}, {true, false, false});
    EXPECT_EQ(3, placement.y);
}

TEST(MenuLayout, TextColours) {
    MenuColors colors;
    colors.text = 0x111111;
    colors.textGrayed = 0x222222;
    colors.textSelected = 0x333333;
    EXPECT_EQ(0x111111u, MenuTextColorFor(colors, {false, false, false}));
    EXPECT_EQ(0x111111u, MenuTextColorFor(colors, {false, false, true}));
    EXPECT_EQ(0x333333u, MenuTextColorFor(colors, {true, false, false}));
    EXPECT_EQ(0x222222u, MenuTextColorFor(colors, {true, true, false}));
    EXPECT_EQ(0x222222u, MenuTextColorFor(colors, {false, true, false}));
}

TEST(MenuLayout, LastTitleItemReachesTheWindowEdge) {
    const ZRect item{200, 0, 260, 19};
    EXPECT_EQ(260, TitleItemPaintRight(item, 0, 500, 1));
    EXPECT_EQ(260, TitleItemPaintRight(item, 2, 500, 1));
    EXPECT_EQ(503, TitleItemPaintRight(item, 3, 500, 1));
    EXPECT_EQ(505, TitleItemPaintRight(item, 3, 500, 2));
    EXPECT_EQ(260, TitleItemPaintRight(item, 4, 500, 1));
}

}  // namespace
}  // namespace zentrova
