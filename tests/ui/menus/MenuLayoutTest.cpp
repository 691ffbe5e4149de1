// The menu geometry: icons by command, item sizes, text split and placement, selection and icon
// rectangles, text colours.
#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <string>

#include "core/WideText.h"
#include "ui/menus/MenuLayout.h"

namespace zentrova {
namespace {

using Box = std::array<int32_t, 4>;

Box BoxOf(const ZRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

TEST(MenuLayout, RightToLeftLanguages) {
    for (const wchar_t* tag : {L"he-il", L"ar-sa", L"HE-IL", L"Ar-Sa"}) {
        EXPECT_TRUE(IsRightToLeftLanguage(tag)) << ToUtf8(tag);
    }
    for (const wchar_t* tag : {L"en-us", L"de-de", L"he", L"he-il2", L"ar-eg", L""}) {
        EXPECT_FALSE(IsRightToLeftLanguage(tag)) << ToUtf8(tag);
    }
    EXPECT_FALSE(IsRightToLeftLanguage(nullptr));
}

TEST(MenuLayout, MeasureItems) {
    // Separators (0) are 10 x 9 whatever their text; title items (65531..65534) keep the text
    // extent; normal items: width - overhang + 31, height + 5 but at least 21.
    const struct {
        uint32_t id;
        MenuSize text;
        int32_t overhang, cx, cy;
    } cases[] = {{0, {300, 40}, 3, 10, 9},       {65532, {57, 13}, 2, 57, 13},
                 {40106, {100, 15}, 0, 131, 21}, {40106, {100, 16}, 0, 131, 21},
                 {40106, {100, 17}, 2, 129, 22}, {40106, {0, 0}, 0, 31, 21},
                 {65530, {57, 13}, 2, 86, 21},   {65531, {57, 13}, 2, 57, 13},
                 {65534, {57, 13}, 2, 57, 13},   {65535, {57, 13}, 2, 86, 21}};
    for (const auto& c : cases) {
        const MenuSize size = MeasureMenuItem(c.id, c.text, c.overhang);
        EXPECT_EQ(std::make_pair(c.cx, c.cy), std::make_pair(size.cx, size.cy)) << c.id;
    }
}

TEST(MenuLayout, SplitTexts) {
    // Only the first tab splits; an empty shortcut still counts as one. Texts are cut to 259
    // characters before splitting: a tab at index 258 still splits (into an empty shortcut), one
    // at index 259 is cut away.
    const std::wstring x258(258, L'x');
    const struct {
        std::wstring text;
        bool null;
        std::wstring label, shortcut;
        bool hasShortcut;
    } cases[] = {{L"Capture a Region\tShift+F11", false, L"Capture a Region", L"Shift+F11", true},
                 {L"Configure...", false, L"Configure...", L"", false},
                 {L"A\tB\tC", false, L"A", L"B\tC", true},
                 {L"Label\t", false, L"Label", L"", true},
                 {L"", true, L"", L"", false},
                 {x258 + L"\tF1", false, x258, L"", true},
                 {x258 + L"y\tF1", false, x258 + L"y", L"", false}};
    for (const auto& c : cases) {
        const MenuTextParts parts = SplitMenuText(c.null ? nullptr : c.text.c_str());
        EXPECT_EQ(c.label, parts.label) << ToUtf8(c.text);
        EXPECT_EQ(c.shortcut, parts.shortcut) << ToUtf8(c.text);
        EXPECT_EQ(c.hasShortcut, parts.hasShortcut) << ToUtf8(c.text);
    }
}

TEST(MenuLayout, TextPlacementLeftToRight) {
    const ZRect item{5, 40, 205, 61};
    MenuTextLayout layout = LayoutMenuText(item, true, false);
    EXPECT_EQ(BoxOf(layout.shortcut.rect), (Box{37, 40, 201, 61}));
    EXPECT_EQ(MenuTextAlign::Right, layout.shortcut.align);
    EXPECT_EQ(BoxOf(layout.label.rect), (Box{37, 40, 201, 61}));
    EXPECT_EQ(MenuTextAlign::Left, layout.label.align);

    layout = LayoutMenuText(item, false, false);
    EXPECT_EQ(BoxOf(layout.label.rect), (Box{37, 40, 205, 61}));
    EXPECT_EQ(MenuTextAlign::Left, layout.label.align);
}

TEST(MenuLayout, TextPlacementRightToLeftSwapsSides) {
    const ZRect item{5, 40, 205, 61};
    MenuTextLayout layout = LayoutMenuText(item, true, true);
    // Shortcut on the left, inside right - 4; then right - 4 + 10 - 14 for the label.
    EXPECT_EQ(BoxOf(layout.shortcut.rect), (Box{37, 40, 201, 61}));
    EXPECT_EQ(MenuTextAlign::Left, layout.shortcut.align);
    EXPECT_EQ(BoxOf(layout.label.rect), (Box{37, 40, 197, 61}));
    EXPECT_EQ(MenuTextAlign::Right, layout.label.align);

    layout = LayoutMenuText(item, false, true);
    EXPECT_EQ(BoxOf(layout.label.rect), (Box{37, 40, 191, 61}));
    EXPECT_EQ(MenuTextAlign::Right, layout.label.align);
}

TEST(MenuLayout, SelectionRectangles) {
    const ZRect item{10, 21, 150, 42};
    EXPECT_EQ(BoxOf(MenuSelectionRect(item)), (Box{38, 22, 148, 40}));
    EXPECT_EQ(BoxOf(TitleSelectionRect(item)), (Box{10, 21, 149, 41}));
}

TEST(MenuLayout, IconPlacementByState) {
    // Centre of rows 21..41 is (21 + 42) / 2 = 31.
    const ZRect item{10, 21, 150, 42};
    // Grayed: the cold strip at half alpha, also under the mouse.
    const struct {
        bool selected, grayed;
        MenuStrip strip;
        int32_t x, y, alpha;
    } cases[] = {{true, false, MenuStrip::Hot, 13, 23, 255},
                 {false, false, MenuStrip::Cold, 14, 24, 255},
                 {false, true, MenuStrip::Cold, 14, 24, 127},
                 {true, true, MenuStrip::Cold, 14, 24, 127}};
    for (const auto& c : cases) {
        const MenuIconPlacement p = PlaceMenuIcon(item, {c.selected, c.grayed, false});
        EXPECT_EQ(c.strip, p.strip) << c.selected << c.grayed;
        EXPECT_EQ((Box{c.x, c.y, c.alpha, 0}), (Box{p.x, p.y, p.alpha, 0}))
            << c.selected << c.grayed;
    }
    // An even height: rows 0..21, centre 11.
    EXPECT_EQ(3, PlaceMenuIcon(ZRect{0, 0, 100, 22}, {true, false, false}).y);
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
