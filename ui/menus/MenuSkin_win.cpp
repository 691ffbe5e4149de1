// Measuring and drawing the owner-drawn menu items with the skin.
#include "ui/menus/MenuSkin.h"

#include <algorithm>

#include "image/ZCompositing.h"
#include "lang/LanguageStartup.h"
#include "lang/ztv_lang/ztv_lang.h"
#include "ui/menus/MenuPaint.h"
#include "ui/skin/Skin.h"

namespace zentrova {

namespace {

constexpr LONG kTitleFontWeight = 600;

// The item's text read by command; empty when the item has none.
MenuTextParts ReadItemText(HMENU menu, UINT id) {
    wchar_t text[kMenuItemTextChars] = L"";
    if (menu != nullptr) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING;
        info.dwTypeData = text;
        info.cch = kMenuItemTextChars;
        if (!GetMenuItemInfoW(menu, id, FALSE, &info)) {
            text[0] = L'\0';
        }
        text[kMenuItemTextChars - 1] = L'\0';
    }
    return SplitMenuText(text);
}

// Width and height of text on one line in the device context's font (prefix characters "&" as
// DrawTextW shows them).
MenuSize TextExtent(HDC dc, const std::wstring& text) {
    RECT rect{0, 0, 0, 0};
    if (text.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        return {0, metrics.tmHeight};
    }
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void DrawTextIn(HDC dc, const std::wstring& text, const MenuTextBox& box, UINT extraFlags) {
    if (text.empty()) {
        return;
    }
    RECT rect{box.rect.left, box.rect.top, box.rect.right, box.rect.bottom};
    const UINT align = box.align == MenuTextAlign::Right ? DT_RIGHT : DT_LEFT;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              align | DT_SINGLELINE | DT_VCENTER | extraFlags);
}

MenuItemState StateOf(const DRAWITEMSTRUCT& data) {
    MenuItemState state;
    state.selected = (data.itemState & ODS_SELECTED) != 0;
    state.grayed = (data.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    state.checked = (data.itemState & ODS_CHECKED) != 0;
    return state;
}

// The position of the item with identifier id in menu, or -1.
int PositionOf(HMENU menu, UINT id) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID;
        if (GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) && info.wID == id) {
            return position;
        }
    }
    return -1;
}

bool LoadStrip(const Skin& skin, ZImage& strip, const wchar_t* name) {
    if (!skin.LoadPng(strip, name)) {
        return false;
    }
    if (strip.GetBitsPerPixel() != 32) {
        // Icons need their alpha: a strip without it is not drawn.
        strip.Destroy();
        return false;
    }
    return Premultiply(strip);
}

}  // namespace

bool MenuSkin::Init(HWND owner, const Skin& skin, const LanguageSession* language) {
    // A menu bar the owner shows stays attached: only fonts, colours and strips are renewed.
    ReleaseResources();

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        return false;
    }
    LOGFONTW titleFont = metrics.lfMenuFont;
    titleFont.lfWeight = kTitleFontWeight;
    titleFont.lfItalic = FALSE;
    titleFont.lfUnderline = TRUE;
    m_font = CreateFontIndirectW(&metrics.lfMenuFont);
    m_titleFont = CreateFontIndirectW(&titleFont);
    if (m_font == nullptr || m_titleFont == nullptr) {
        ReleaseResources();
        return false;
    }

    m_colors.border = skin.GetColor(L"MenuBorderColor");
    m_colors.gradientLeft = skin.GetColor(L"MenuGradientLeftColor");
    m_colors.gradientRight = skin.GetColor(L"MenuGradientRightColor");
    m_colors.selected = skin.GetColor(L"MenuSelectedColor");
    m_colors.text = skin.GetColor(L"MenuTextColor");
    m_colors.textGrayed = skin.GetColor(L"MenuTextGrayedColor");
    m_colors.textSelected = skin.GetColor(L"MenuTextSelectedColor");

    LoadStrip(skin, m_cold, L"MenuCold");
    LoadStrip(skin, m_hot, L"MenuHot");

    m_owner = owner;
    m_language = language;
    m_active = true;
    return true;
}

void MenuSkin::Release() {
    if (m_owner != nullptr && IsWindow(m_owner)) {
        SetMenu(m_owner, nullptr);
    }
    ReleaseResources();
}

void MenuSkin::ReleaseResources() {
    m_owner = nullptr;
    if (m_font != nullptr) {
        DeleteObject(m_font);
        m_font = nullptr;
    }
    if (m_titleFont != nullptr) {
        DeleteObject(m_titleFont);
        m_titleFont = nullptr;
    }
    m_hot.Destroy();
    m_cold.Destroy();
    m_canvas.Destroy();
    m_language = nullptr;
    m_active = false;
}

bool MenuSkin::IsRightToLeft() const {
    if (m_language == nullptr) {
        return false;
    }
    ZtvLangManHandle handle = m_language->Handle();
    if (handle == nullptr) {
        return false;
    }
    return IsRightToLeftLanguage(ztvLangMan_getLangID(handle, ztvLangMan_getCurrentLang(handle)));
}

bool MenuSkin::MeasureItem(HWND window, MEASUREITEMSTRUCT* data, HMENU menu) const {
    if (!m_active || data == nullptr || data->CtlType != ODT_MENU) {
        return false;
    }
    const UINT id = data->itemID;
    MenuSize extent{};
    int32_t overhang = 0;
    if (!IsMenuSeparator(id)) {
        if (menu == nullptr) {
            menu = reinterpret_cast<HMENU>(data->itemData);
        }
        const MenuTextParts text = ReadItemText(menu, id);
        HWND measureWindow = window != nullptr ? window : m_owner;
        HDC dc = GetDC(measureWindow);
        if (dc == nullptr) {
            return false;
        }
        HGDIOBJ oldFont = SelectObject(dc, IsMenuTitleItem(id) ? m_titleFont : m_font);
        if (IsMenuTitleItem(id)) {
            extent = TextExtent(dc, text.label);
        } else {
            extent = TextExtent(dc, text.label);
            if (text.hasShortcut) {
                // Label and shortcut are measured apart with a gap between them: the tab itself
                // has no useful width.
                const MenuSize shortcut = TextExtent(dc, text.shortcut);
                extent.cx += kMenuShortcutGap + shortcut.cx;
                extent.cy = std::max(extent.cy, shortcut.cy);
            }
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc, &metrics);
            overhang = metrics.tmOverhang;
        }
        SelectObject(dc, oldFont);
        ReleaseDC(measureWindow, dc);
    }
    const MenuSize size = MeasureMenuItem(id, extent, overhang);
    data->itemWidth = static_cast<UINT>(std::max(size.cx, 0));
    data->itemHeight = static_cast<UINT>(std::max(size.cy, 0));
    return true;
}

bool MenuSkin::DrawItem(const DRAWITEMSTRUCT* data, HMENU menu) const {
    if (!m_active || data == nullptr || data->CtlType != ODT_MENU) {
        return false;
    }
    if ((data->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) == 0) {
        return true;  // focus changes alone change nothing
    }
    if (menu == nullptr) {
        menu = reinterpret_cast<HMENU>(data->hwndItem);
    }
    return IsMenuTitleItem(data->itemID) ? DrawTitleItem(*data, menu) : DrawNormalItem(*data, menu);
}

bool MenuSkin::DrawNormalItem(const DRAWITEMSTRUCT& data, HMENU menu) const {
    const int32_t width = data.rcItem.right - data.rcItem.left;
    const int32_t height = data.rcItem.bottom - data.rcItem.top;
    if (width < 1 || height < 1) {
        return true;
    }
    if (!m_canvas.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24, 0,
                         nullptr)) {
        return false;
    }
    const bool separator = IsMenuSeparator(data.itemID);
    const MenuItemState state = StateOf(data);
    const int icon = separator ? kMenuNoIcon : MenuIconForCommand(data.itemID, state.checked);
    PaintMenuItem(m_canvas, m_colors, separator, state, icon, m_hot, m_cold);

    HDC canvasDc = m_canvas.GetDC();
    if (!separator) {
        const MenuTextParts text = ReadItemText(menu, data.itemID);
        const bool rightToLeft = IsRightToLeft();
        const MenuTextLayout layout =
            LayoutMenuText(ZRect{0, 0, width, height}, text.hasShortcut, rightToLeft);
        HGDIOBJ oldFont = SelectObject(canvasDc, m_font);
        SetBkMode(canvasDc, TRANSPARENT);
        SetTextColor(canvasDc, MenuTextColorFor(m_colors, state));
        const UINT reading = rightToLeft ? DT_RTLREADING : 0;
        if (text.hasShortcut) {
            DrawTextIn(canvasDc, text.shortcut, layout.shortcut, reading);
        }
        DrawTextIn(canvasDc, text.label, layout.label, reading);
        SelectObject(canvasDc, oldFont);
        GdiFlush();
    }
    return BitBlt(data.hDC, data.rcItem.left, data.rcItem.top, width, height, canvasDc, 0, 0,
                  SRCCOPY) != FALSE;
}

bool MenuSkin::DrawTitleItem(const DRAWITEMSTRUCT& data, HMENU menu) const {
    ZRect item{data.rcItem.left, data.rcItem.top, data.rcItem.right, data.rcItem.bottom};
    const int position = menu != nullptr ? PositionOf(menu, data.itemID) : -1;
    if (position >= 0 && m_owner != nullptr) {
        RECT client{};
        GetClientRect(m_owner, &client);
        item.right = TitleItemPaintRight(item, static_cast<uint32_t>(position), client.right,
                                         GetSystemMetrics(SM_CXBORDER));
    }
    const int32_t width = item.right - item.left;
    const int32_t height = item.bottom - item.top;
    if (width < 1 || height < 1) {
        return true;
    }
    if (!m_canvas.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24, 0,
                         nullptr)) {
        return false;
    }
    const MenuItemState state = StateOf(data);
    PaintTitleItem(m_canvas, m_colors, state);

    HDC canvasDc = m_canvas.GetDC();
    const MenuTextParts text = ReadItemText(menu, data.itemID);
    HGDIOBJ oldFont = SelectObject(canvasDc, m_titleFont);
    SetBkMode(canvasDc, TRANSPARENT);
    SetTextColor(canvasDc, MenuTextColorFor(m_colors, state));
    RECT rect{0, 0, width, height};
    DrawTextW(canvasDc, text.label.c_str(), static_cast<int>(text.label.size()), &rect,
              DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    SelectObject(canvasDc, oldFont);
    GdiFlush();
    return BitBlt(data.hDC, item.left, item.top, width, height, canvasDc, 0, 0, SRCCOPY) != FALSE;
}

bool MakeMenuOwnerDrawn(HMENU menu) {
    if (menu == nullptr) {
        return false;
    }
    bool all = true;
    const int count = GetMenuItemCount(menu);
    if (count < 0) {
        return false;
    }
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) {
            all = false;
            continue;
        }
        HMENU submenu = info.hSubMenu;
        MENUITEMINFOW change{};
        change.cbSize = sizeof(change);
        change.fMask = MIIM_FTYPE | MIIM_DATA;
        change.fType = info.fType | MFT_OWNERDRAW;
        change.dwItemData = reinterpret_cast<ULONG_PTR>(menu);
        if (!SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &change)) {
            all = false;
        }
        if (submenu != nullptr && !MakeMenuOwnerDrawn(submenu)) {
            all = false;
        }
    }
    return all;
}

}  // namespace zentrova
