// The menu skin on real menus and device contexts: owner-drawn items through sub-menus, measuring
// with the system's menu font, one item drawn into a bitmap and read back, and the right-to-left
// languages of a real language session.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "config/SystemInfo.h"
#include "image/ZImage.h"
#include "lang/LanguageStartup.h"
#include "tests/support/TempFolder.h"
#include "ui/menus/MenuSkin.h"
#include "ui/skin/Skin.h"

namespace zentrova {
namespace {

class ProgramFolderSystem final : public SystemInfo {
  public:
    explicit ProgramFolderSystem(std::wstring folder) : m_folder(std::move(folder)) {}
    bool GetDefaultPrinterName(std::wstring&) const override { return false; }
    bool GetPictureFolder(std::wstring&) const override { return false; }
    int32_t GetPrimaryScreenWidth() const override { return 0; }
    uint32_t GetSystemDefaultLocale() const override { return 0; }
    bool GetLocaleText(uint32_t, LocaleItem, std::wstring&) const override { return false; }
    bool GetProgramFolder(std::wstring& folder) const override {
        folder = m_folder;
        return true;
    }

  private:
    std::wstring m_folder;
};

std::wstring ShippedProgramFolder() {
    std::wstring folder = L"" CLARIVUE_TEST_PROGRAM_DIR;
    for (wchar_t& c : folder) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return folder;
}

ZColor PixelAt(const ZImage& image, uint32_t x, uint32_t y) {
    image.FlushDrawing();
    const uint8_t* p = image.GetRow(image.GetHeight() - 1 - y) + x * 3;
    return p[2] | (p[1] << 8) | (p[0] << 16);
}

UINT ItemType(HMENU menu, UINT position, ULONG_PTR* data = nullptr) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    EXPECT_TRUE(GetMenuItemInfoW(menu, position, TRUE, &info));
    if (data != nullptr) {
        *data = info.dwItemData;
    }
    return info.fType;
}

std::wstring ItemText(HMENU menu, UINT command) {
    wchar_t text[260] = L"";
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 260;
    GetMenuItemInfoW(menu, command, FALSE, &info);
    return text;
}

class MenuSkinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = CreateWindowExW(0, L"STATIC", L"menu skin test", WS_POPUP, 0, 0, 200, 100, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, window);
        ASSERT_TRUE(skin.Load(L"Default"));
        menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, 40108, L"Capture a Region\tShift+F11");
        AppendMenuW(menu, MF_STRING, 40006, L"Capture a Region");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, 40152, L"Show CaptureBar");
        ASSERT_TRUE(MakeMenuOwnerDrawn(menu));
    }
    void TearDown() override {
        menuSkin.Release();
        DestroyMenu(menu);
        DestroyWindow(window);
    }

    MEASUREITEMSTRUCT Measure(UINT id) {
        MEASUREITEMSTRUCT data{};
        data.CtlType = ODT_MENU;
        data.itemID = id;
        data.itemData = reinterpret_cast<ULONG_PTR>(menu);
        EXPECT_TRUE(menuSkin.MeasureItem(window, &data, nullptr));
        return data;
    }

    ProgramFolderSystem system{ShippedProgramFolder()};
    Skin skin{system};
    MenuSkin menuSkin;
    HWND window = nullptr;
    HMENU menu = nullptr;
};

TEST_F(MenuSkinTest, OwnerDrawnThroughSubMenus) {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    HMENU deeper = CreatePopupMenu();
    AppendMenuW(deeper, MF_STRING, 40011, L"Homepage");
    AppendMenuW(file, MF_STRING, 40128, L"Capture\tF9");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_POPUP, reinterpret_cast<UINT_PTR>(deeper), L"Internet");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File");
    ASSERT_TRUE(MakeMenuOwnerDrawn(bar));

    ULONG_PTR data = 0;
    EXPECT_NE(0u, ItemType(bar, 0, &data) & MFT_OWNERDRAW);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(bar), data);
    EXPECT_NE(0u, ItemType(file, 0, &data) & MFT_OWNERDRAW);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(file), data);
    const UINT separator = ItemType(file, 1);
    EXPECT_NE(0u, separator & MFT_OWNERDRAW);
    EXPECT_NE(0u, separator & MFT_SEPARATOR);
    EXPECT_NE(0u, ItemType(file, 2) & MFT_OWNERDRAW);
    EXPECT_NE(0u, ItemType(deeper, 0, &data) & MFT_OWNERDRAW);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(deeper), data);
    // The texts stay with the items for the painter.
    EXPECT_EQ(L"Capture\tF9", ItemText(bar, 40128));
    EXPECT_EQ(L"Homepage", ItemText(bar, 40011));
    DestroyMenu(bar);
    EXPECT_FALSE(MakeMenuOwnerDrawn(nullptr));
}

TEST_F(MenuSkinTest, InactiveUntilInitAndAfterRelease) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = 40108;
    EXPECT_FALSE(menuSkin.MeasureItem(window, &measure, menu));
    ASSERT_TRUE(menuSkin.Init(window, skin, nullptr));
    EXPECT_TRUE(menuSkin.IsActive());
    // Not a menu item: left to the owner.
    measure.CtlType = ODT_BUTTON;
    EXPECT_FALSE(menuSkin.MeasureItem(window, &measure, menu));
    menuSkin.Release();
    EXPECT_FALSE(menuSkin.IsActive());
    measure.CtlType = ODT_MENU;
    EXPECT_FALSE(menuSkin.MeasureItem(window, &measure, menu));
}

TEST_F(MenuSkinTest, ReleaseDetachesTheMenuBarAndInitKeepsIt) {
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, 40118, L"Help");
    ASSERT_TRUE(SetMenu(window, bar));
    ASSERT_TRUE(menuSkin.Init(window, skin, nullptr));
    ASSERT_TRUE(menuSkin.Init(window, skin, nullptr));  // a skin change
    EXPECT_EQ(bar, GetMenu(window));
    menuSkin.Release();
    EXPECT_EQ(nullptr, GetMenu(window));
    DestroyMenu(bar);
}

TEST_F(MenuSkinTest, InitReadsTheSkin) {
    ASSERT_TRUE(menuSkin.Init(window, skin, nullptr));
    const MenuColors& colors = menuSkin.GetColors();
    EXPECT_EQ(skin.GetColor(L"MenuBorderColor"), colors.border);
    EXPECT_EQ(skin.GetColor(L"MenuGradientLeftColor"), colors.gradientLeft);
    EXPECT_EQ(skin.GetColor(L"MenuGradientRightColor"), colors.gradientRight);
    EXPECT_EQ(skin.GetColor(L"MenuSelectedColor"), colors.selected);
    EXPECT_EQ(skin.GetColor(L"MenuTextColor"), colors.text);
    EXPECT_EQ(skin.GetColor(L"MenuTextGrayedColor"), colors.textGrayed);
    EXPECT_EQ(skin.GetColor(L"MenuTextSelectedColor"), colors.textSelected);
    // 37 icons of 16 x 16, premultiplied: no colour byte above its alpha.
    for (const ZImage* strip : {&menuSkin.GetHotStrip(), &menuSkin.GetColdStrip()}) {
        ASSERT_TRUE(strip->IsValid());
        EXPECT_EQ(32, strip->GetBitsPerPixel());
        EXPECT_EQ(37u * 16u, strip->GetWidth());
        EXPECT_EQ(16u, strip->GetHeight());
        int over = 0;
        for (uint32_t r = 0; r < strip->GetHeight(); ++r) {
            const uint8_t* p = strip->GetRow(r);
            for (uint32_t x = 0; x < strip->GetWidth(); ++x, p += 4) {
                over += (p[0] > p[3] || p[1] > p[3] || p[2] > p[3]) ? 1 : 0;
            }
        }
        EXPECT_EQ(0, over);
    }
}

TEST_F(MenuSkinTest, MeasuresWithTheMenuFont) {
    ASSERT_TRUE(menuSkin.Init(window, skin, nullptr));
    const MEASUREITEMSTRUCT separator = Measure(0);
    EXPECT_EQ(10u, separator.itemWidth);
    EXPECT_EQ(9u, separator.itemHeight);
    const MEASUREITEMSTRUCT withShortcut = Measure(40108);
    const MEASUREITEMSTRUCT labelOnly = Measure(40006);
    EXPECT_GE(labelOnly.itemHeight, 21u);
    EXPECT_EQ(labelOnly.itemHeight, withShortcut.itemHeight);

    // The label alone: its width in the system's menu font + 31 (no overhang with TrueType).
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE label{};
    SIZE shortcut{};
    GetTextExtentPoint32W(dc, L"Capture a Region", 16, &label);
    GetTextExtentPoint32W(dc, L"Shift+F11", 9, &shortcut);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    DeleteObject(font);
    EXPECT_EQ(static_cast<UINT>(label.cx + 31), labelOnly.itemWidth);
    EXPECT_EQ(static_cast<UINT>(std::max<LONG>(label.cy + 5, 21)), labelOnly.itemHeight);
    // Label, gap and shortcut side by side.
    EXPECT_EQ(static_cast<UINT>(label.cx + kMenuShortcutGap + shortcut.cx + 31),
              withShortcut.itemWidth);
}

TEST_F(MenuSkinTest, DrawsTheSelectedItemInOneBlock) {
    ASSERT_TRUE(menuSkin.Init(window, skin, nullptr));
    const MenuColors& colors = menuSkin.GetColors();
    ZImage target;
    ASSERT_TRUE(target.Create(240, 40, 24, 0xFFFFFF, nullptr));
    DRAWITEMSTRUCT data{};
    data.CtlType = ODT_MENU;
    data.itemID = 40108;
    data.itemAction = ODA_SELECT;  // drawn whole, as for ODA_DRAWENTIRE
    data.itemState = ODS_SELECTED;
    data.hwndItem = reinterpret_cast<HWND>(menu);
    data.hDC = target.GetDC();
    data.rcItem = RECT{10, 5, 210, 26};
    ASSERT_TRUE(menuSkin.DrawItem(&data, nullptr));

    // Nothing outside the item.
    EXPECT_EQ(0xFFFFFFu, PixelAt(target, 9, 10));
    EXPECT_EQ(0xFFFFFFu, PixelAt(target, 210, 10));
    EXPECT_EQ(0xFFFFFFu, PixelAt(target, 100, 4));
    EXPECT_EQ(0xFFFFFFu, PixelAt(target, 100, 26));
    // Icon column, its line, the selection frame and fill (item x + 28 .. 198, y + 1 .. 19).
    EXPECT_EQ(colors.gradientLeft, PixelAt(target, 10, 5));
    EXPECT_EQ(colors.border, PixelAt(target, 35, 5));
    EXPECT_EQ(colors.border, PixelAt(target, 38, 6));
    EXPECT_EQ(colors.border, PixelAt(target, 208, 24));
    EXPECT_EQ(colors.selected, PixelAt(target, 39, 7));
    EXPECT_EQ(colors.selected, PixelAt(target, 207, 23));
    // The hot icon 27 at (item x + 3, centre - 8): every opaque pixel of the strip shows as is.
    const ZImage& hot = menuSkin.GetHotStrip();
    int opaque = 0;
    int wrong = 0;
    for (uint32_t y = 0; y < 16; ++y) {
        const uint8_t* p = hot.GetRow(15 - y) + 27 * 16 * 4;
        for (uint32_t x = 0; x < 16; ++x, p += 4) {
            if (p[3] == 255) {
                ++opaque;
                const ZColor want = p[2] | (p[1] << 8) | (p[0] << 16);
                wrong += PixelAt(target, 13 + x, 15 - 8 + y) == want ? 0 : 1;
            }
        }
    }
    EXPECT_GT(opaque, 10);
    EXPECT_EQ(0, wrong);
    // Text left-aligned from x + 32; the shortcut ends near the right edge - 4.
    int first = -1;
    int last = -1;
    for (int x = 40; x < 207; ++x) {
        for (int y = 8; y < 22; ++y) {
            if (PixelAt(target, x, y) != colors.selected) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    EXPECT_GE(first, 42);
    EXPECT_LE(first, 45);
    EXPECT_LE(last, 205);
    EXPECT_GE(last, 200);
}

TEST_F(MenuSkinTest, TitleItemsOfAMenuBar) {
    ASSERT_TRUE(menuSkin.Init(window, skin, nullptr));
    const MenuColors& colors = menuSkin.GetColors();
    HMENU bar = CreateMenu();
    for (UINT position = 0; position < 4; ++position) {
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"Help");
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID;
        info.wID = kMenuFirstTitleItem + position;
        ASSERT_TRUE(SetMenuItemInfoW(bar, position, TRUE, &info));
    }
    ZImage target;
    ASSERT_TRUE(target.Create(260, 30, 24, 0xFFFFFF, nullptr));
    DRAWITEMSTRUCT data{};
    data.CtlType = ODT_MENU;
    data.itemAction = ODA_DRAWENTIRE;
    data.hwndItem = reinterpret_cast<HWND>(bar);
    data.hDC = target.GetDC();

    // Position 2: its own rectangle, selected: filled up to right - 2 and framed.
    data.itemID = kMenuFirstTitleItem + 2;
    data.itemState = ODS_SELECTED;
    data.rcItem = RECT{100, 0, 140, 19};
    ASSERT_TRUE(menuSkin.DrawItem(&data, nullptr));
    EXPECT_EQ(colors.border, PixelAt(target, 100, 0));
    EXPECT_EQ(colors.border, PixelAt(target, 139, 18));
    EXPECT_EQ(colors.selected, PixelAt(target, 101, 1));
    EXPECT_EQ(0xFFFFFFu, PixelAt(target, 140, 5));

    // Position 3 at rest: the vertical gradient reaches the client width (200) + 2 x the border
    // width + 1.
    data.itemID = kMenuFirstTitleItem + 3;
    data.itemState = 0;
    data.rcItem = RECT{150, 0, 180, 19};
    ASSERT_TRUE(menuSkin.DrawItem(&data, nullptr));
    const int32_t edge = 200 + 2 * GetSystemMetrics(SM_CXBORDER) + 1;
    EXPECT_EQ(colors.gradientLeft, PixelAt(target, 150, 0));
    EXPECT_EQ(colors.gradientLeft, PixelAt(target, edge - 1, 0));
    EXPECT_EQ(0xFFFFFFu, PixelAt(target, edge, 0));
    EXPECT_EQ(0xFFFFFFu, PixelAt(target, 149, 0));
    EXPECT_EQ(0xFFFFFFu, PixelAt(target, 160, 19));
    DestroyMenu(bar);
}

TEST_F(MenuSkinTest, RightToLeftFollowsTheCurrentLanguage) {
    test::TempFolder folder;
    ASSERT_TRUE(CreateDirectoryW(folder.File(L"Lang").c_str(), nullptr));
    for (const wchar_t* tag : {L"he-il", L"en-us", L"ar-sa"}) {
        std::string text = "[Language]\nID = ";
        for (const wchar_t* c = tag; *c; ++c) {
            text += static_cast<char>(*c);
        }
        text += "\n\n[Menu]\nTray_Exit = x\n";
        ASSERT_TRUE(test::WriteWholeFile(
            folder.File(std::wstring(L"Lang\\CVX-") + tag + L".ztvlang"), text));
    }
    LanguageSession language;
    ASSERT_TRUE(menuSkin.Init(window, skin, &language));
    language.Start(folder.Path(), L"he-il");
    EXPECT_TRUE(menuSkin.IsRightToLeft());
    language.Start(folder.Path(), L"en-us");
    EXPECT_FALSE(menuSkin.IsRightToLeft());
    language.Start(folder.Path(), L"AR-SA");
    EXPECT_TRUE(menuSkin.IsRightToLeft());
    // A language without a file falls back to "en-us".
    language.Start(folder.Path(), L"fr-fr");
    EXPECT_FALSE(menuSkin.IsRightToLeft());
    ASSERT_TRUE(menuSkin.Init(window, skin, nullptr));
    EXPECT_FALSE(menuSkin.IsRightToLeft());
}

}  // namespace
}  // namespace zentrova
