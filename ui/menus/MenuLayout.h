// Geometry of the owner-drawn menus: item sizes, the icons by command, the rectangles of the
// selection, the icon and the texts inside an item, and the text colour of an item's state.
// Everything here is plain arithmetic; MenuSkin_win.cpp measures and draws with it.
//
// Rectangles are RECT-like: left and top inside, right and bottom one past the last pixel.
#pragma once

#include <cstdint>
#include <string>

#include "core/ZRect.h"
#include "image/ZImage.h"

namespace zentrova {

struct MenuSize {
    int32_t cx = 0;
    int32_t cy = 0;
};

// Icons of the "MenuHot" and "MenuCold" strips are 16 x 16 pixels; icon k starts at x = 16 k.
constexpr int32_t kMenuIconSize = 16;
// No icon for a command.
constexpr int kMenuNoIcon = -1;
// Item texts are read into buffers of this many characters (259 characters and the terminator).
constexpr uint32_t kMenuItemTextChars = 260;

// The icon column: filled with the gradient's left colour up to this x, a line in the border colour
// at it, the gradient from the next column on.
constexpr int32_t kMenuIconColumnWidth = 25;
constexpr int32_t kMenuGradientStart = 26;
// A separator's line is drawn at top + 4 from x = 28 to right - 1.
constexpr int32_t kMenuSeparatorLineTop = 4;
constexpr int32_t kMenuSeparatorLineLeft = 28;
// Texts start 32 pixels into the item.
constexpr int32_t kMenuTextIndent = 32;
// Measured in place of the tab between label and shortcut.
constexpr int32_t kMenuShortcutGap = 20;

// The top-level items of the configure dialog's menu bar: drawn in the title font by the title
// painter.
constexpr uint32_t kMenuFirstTitleItem = 65531;
constexpr uint32_t kMenuLastTitleItem = 65534;
// The menu-bar item whose right edge reaches to the window's right edge.
constexpr uint32_t kMenuLastTitlePosition = 3;

inline bool IsMenuTitleItem(uint32_t id) {
    return id >= kMenuFirstTitleItem && id <= kMenuLastTitleItem;
}
inline bool IsMenuSeparator(uint32_t id) {
    return id == 0;
}

// Index of the command's icon in the strips, kMenuNoIcon when it has none. "Show CaptureBar"
// (40152) shows icon 23 while its item carries a check mark, 22 otherwise.
int MenuIconForCommand(uint32_t command, bool checked);

// True for the languages whose menu texts are laid out right to left: "he-il" and "ar-sa" (in
// any case). Null is left to right.
bool IsRightToLeftLanguage(const wchar_t* tag);

// The size an item asks for (WM_MEASUREITEM): separators (identifier 0) 10 x 9; title items the
// text extent unchanged; other items text width - overhang + 31 by text height + 5, at least 21.
MenuSize MeasureMenuItem(uint32_t id, MenuSize textExtent, int32_t overhang);

// An item's text split at its first tab into the label and the shortcut. The text is cut to
// kMenuItemTextChars - 1 characters first.
struct MenuTextParts {
    std::wstring label;
    std::wstring shortcut;
    bool hasShortcut = false;
};
MenuTextParts SplitMenuText(const wchar_t* text);

// Where the label and the shortcut of an item go (each drawn on one line, vertically centred,
// in its rectangle with its alignment).
enum class MenuTextAlign : uint8_t { Left, Right };
struct MenuTextBox {
    ZRect rect;
    MenuTextAlign align = MenuTextAlign::Left;
};
struct MenuTextLayout {
    MenuTextBox label;
    MenuTextBox shortcut;  // meaningful only with a shortcut
};
// Text rectangle = item with left + 32. With a shortcut the right edge moves in by 4 and the
// shortcut goes there first. Left to right: shortcut right-aligned, label left-aligned. Right to
// left: shortcut left-aligned, then the right edge moves out by 10; the label is right-aligned
// after the right edge moved in by 14.
MenuTextLayout LayoutMenuText(const ZRect& item, bool hasShortcut, bool rightToLeft);

// The state bits of an item as drawn.
struct MenuItemState {
    bool selected = false;
    bool grayed = false;
    bool checked = false;
};

// The selection of a normal item: (left + 28, top + 1, right - 2, bottom - 2), filled (unless
// grayed) and framed. Of a title item: (left, top, right - 1, bottom - 1).
ZRect MenuSelectionRect(const ZRect& item);
ZRect TitleSelectionRect(const ZRect& item);

// Where an item's icon is drawn from and to: selected and not grayed from "MenuHot" at
// (left + 3, centre - 8), otherwise from "MenuCold" at (left + 4, centre - 7), constant alpha 127
// when grayed, else 255. The centre is (top + bottom) / 2.
enum class MenuStrip : uint8_t { Cold, Hot };
struct MenuIconPlacement {
    MenuStrip strip = MenuStrip::Cold;
    int32_t x = 0;
    int32_t y = 0;
    uint8_t alpha = 255;
};
MenuIconPlacement PlaceMenuIcon(const ZRect& item, const MenuItemState& state);

// The skin's menu colours ("MenuBorderColor", "MenuGradientLeftColor", ...).
struct MenuColors {
    ZColor border = 0;
    ZColor gradientLeft = 0;
    ZColor gradientRight = 0;
    ZColor selected = 0;
    ZColor text = 0;
    ZColor textGrayed = 0;
    ZColor textSelected = 0;
};

// "MenuTextGrayedColor" when grayed, else "MenuTextSelectedColor" when selected, else
// "MenuTextColor".
ZColor MenuTextColorFor(const MenuColors& colors, const MenuItemState& state);

// The right edge of a title item as painted: the item at position 3 of the menu bar reaches to
// clientWidth + 2 * borderWidth + 1; the others keep their own.
int32_t TitleItemPaintRight(const ZRect& item, uint32_t position, int32_t clientWidth,
                            int32_t borderWidth);

}  // namespace zentrova
