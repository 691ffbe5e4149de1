#include "ui/menus/MenuLayout.h"

#include <algorithm>
#include <cwctype>

namespace zentrova {

namespace {

struct CommandIcon {
    uint32_t command;
    int icon;
};

constexpr uint32_t kShowCaptureBarCommand = 40152;
constexpr int kShowCaptureBarIcon = 22;
constexpr int kShowCaptureBarCheckedIcon = 23;

constexpr CommandIcon kCommandIcons[] = {
    {40006, 16}, {40114, 16}, {40008, 1},  {40009, 2},  {40010, 3},  {40011, 4},  {40012, 5},
    {40013, 6},  {40015, 7},  {40017, 8},  {40026, 15}, {40027, 14}, {40081, 18}, {40106, 17},
    {40107, 24}, {40108, 27}, {40109, 28}, {40110, 9},  {40115, 10}, {40116, 11}, {40117, 13},
    {40118, 12}, {40127, 26}, {40128, 25}, {40139, 19}, {40140, 20}, {40141, 21}, {40142, 30},
    {40143, 31}, {40144, 35}, {40145, 34}, {40146, 32}, {40147, 33}, {40151, 29}, {40155, 36},
};

bool EqualsIgnoringCase(const wchar_t* a, const wchar_t* b) {
    for (; *a != L'\0' && *b != L'\0'; ++a, ++b) {
        if (std::towlower(static_cast<wint_t>(*a)) != std::towlower(static_cast<wint_t>(*b))) {
            return false;
        }
    }
    return *a == *b;
}

}  // namespace

int MenuIconForCommand(uint32_t command, bool checked) {
    if (command == kShowCaptureBarCommand) {
        return checked ? kShowCaptureBarCheckedIcon : kShowCaptureBarIcon;
    }
    for (const CommandIcon& entry : kCommandIcons) {
        if (entry.command == command) {
            return entry.icon;
        }
    }
    return kMenuNoIcon;
}

bool IsRightToLeftLanguage(const wchar_t* tag) {
    return tag != nullptr &&
           (EqualsIgnoringCase(tag, L"he-il") || EqualsIgnoringCase(tag, L"ar-sa"));
}

MenuSize MeasureMenuItem(uint32_t id, MenuSize textExtent, int32_t overhang) {
    if (IsMenuSeparator(id)) {
        return {10, 9};
    }
    if (IsMenuTitleItem(id)) {
        return textExtent;
    }
    return {textExtent.cx - overhang + 31, std::max(textExtent.cy + 5, 21)};
}

MenuTextParts SplitMenuText(const wchar_t* text) {
    MenuTextParts parts;
    if (text == nullptr) {
        return parts;
    }
    std::wstring whole(text);
    if (whole.size() > kMenuItemTextChars - 1) {
        whole.resize(kMenuItemTextChars - 1);
    }
    const size_t tab = whole.find(L'\t');
    if (tab == std::wstring::npos) {
        parts.label = whole;
        return parts;
    }
    parts.label = whole.substr(0, tab);
    parts.shortcut = whole.substr(tab + 1);
    parts.hasShortcut = true;
    return parts;
}

MenuTextLayout LayoutMenuText(const ZRect& item, bool hasShortcut, bool rightToLeft) {
    MenuTextLayout layout;
    ZRect rect = item;
    rect.left += kMenuTextIndent;
    if (hasShortcut) {
        rect.right -= 4;
        layout.shortcut.rect = rect;
        layout.shortcut.align = rightToLeft ? MenuTextAlign::Left : MenuTextAlign::Right;
        if (rightToLeft) {
            rect.right += 10;
        }
    }
    if (rightToLeft) {
        rect.right -= 14;
        layout.label.align = MenuTextAlign::Right;
    } else {
        layout.label.align = MenuTextAlign::Left;
    }
    layout.label.rect = rect;
    return layout;
}

ZRect MenuSelectionRect(const ZRect& item) {
    return {item.left + 28, item.top + 1, item.right - 2, item.bottom - 2};
}

ZRect TitleSelectionRect(const ZRect& item) {
    return {item.left, item.top, item.right - 1, item.bottom - 1};
}

MenuIconPlacement PlaceMenuIcon(const ZRect& item, const MenuItemState& state) {
    const int32_t centre = (item.top + item.bottom) / 2;
    MenuIconPlacement placement;
    if (state.selected && !state.grayed) {
        placement.strip = MenuStrip::Hot;
        placement.x = item.left + 3;
        placement.y = centre - 8;
        placement.alpha = 255;
    } else {
        placement.strip = MenuStrip::Cold;
        placement.x = item.left + 4;
        placement.y = centre - 7;
        placement.alpha = state.grayed ? 127 : 255;
    }
    return placement;
}

ZColor MenuTextColorFor(const MenuColors& colors, const MenuItemState& state) {
    if (state.grayed) {
        return colors.textGrayed;
    }
    return state.selected ? colors.textSelected : colors.text;
}

int32_t TitleItemPaintRight(const ZRect& item, uint32_t position, int32_t clientWidth,
                            int32_t borderWidth) {
    if (position != kMenuLastTitlePosition) {
        return item.right;
    }
    return clientWidth + 2 * borderWidth + 1;
}

}  // namespace zentrova
