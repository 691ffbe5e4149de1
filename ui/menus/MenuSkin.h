// MenuSkin: owner-drawn menus in the skin's colours with the "MenuHot" and "MenuCold" icon
// strips (Windows build).
//
// Use
// ---
// * The owner window (the main window, a dialog with a menu bar) keeps one MenuSkin, calls Init
//   once its window exists and again after the skin changed, and Release when it goes.
// * Every menu it shows is passed through MakeMenuOwnerDrawn after its texts are set.
// * The owner forwards WM_MEASUREITEM and WM_DRAWITEM of menus (CtlType ODT_MENU) to MeasureItem
//   and DrawItem and answers TRUE when they return true.
// * Texts follow the current language of the language session given to Init; for "he-il" and
//   "ar-sa" label and shortcut swap sides.
#pragma once

#include <windows.h>

#include "image/ZImage.h"
#include "ui/menus/MenuLayout.h"

namespace zentrova {

class LanguageSession;
class Skin;

class MenuSkin {
  public:
    MenuSkin() = default;
    ~MenuSkin() { Release(); }
    MenuSkin(const MenuSkin&) = delete;
    MenuSkin& operator=(const MenuSkin&) = delete;

    // Releases a previous state (a menu bar of the owner stays attached), creates the normal font
    // (the system's menu font) and the title font (the same with weight 600, not italic,
    // underlined), reads the menu colours and loads "MenuCold" and "MenuHot" from skin
    // (premultiplied), then sets the active flag. language (may be null: left to right) is asked
    // for the current language whenever an item is drawn; skin and language must outlive the menu
    // skin or the next Init. False when a font cannot be made (the menu skin then stays inactive);
    // missing images only leave the icons out.
    bool Init(HWND owner, const Skin& skin, const LanguageSession* language);
    // Detaches the menu bar from the owner window (SetMenu with none), deletes the fonts, releases
    // the images, clears the active flag.
    void Release();
    bool IsActive() const { return m_active; }

    // WM_MEASUREITEM of a menu item. The item's text is read from menu by command; with menu null
    // from the menu MakeMenuOwnerDrawn recorded in the item's data. window gives the device
    // context to measure with (the owner window when null). False when inactive or not a menu item.
    bool MeasureItem(HWND window, MEASUREITEMSTRUCT* data, HMENU menu) const;
    // WM_DRAWITEM of a menu item (ODA_DRAWENTIRE, and ODA_SELECT, which some systems send when the
    // selection moves): the whole item is painted off-screen and copied in one block. menu null
    // takes data->hwndItem, the menu of the item. False when inactive or not a menu item.
    bool DrawItem(const DRAWITEMSTRUCT* data, HMENU menu) const;

    const MenuColors& GetColors() const { return m_colors; }
    const ZImage& GetHotStrip() const { return m_hot; }
    const ZImage& GetColdStrip() const { return m_cold; }
    // The current language is laid out right to left.
    bool IsRightToLeft() const;

  private:
    // Deletes the fonts, releases the images, forgets owner and language, clears the active flag.
    void ReleaseResources();
    bool DrawNormalItem(const DRAWITEMSTRUCT& data, HMENU menu) const;
    bool DrawTitleItem(const DRAWITEMSTRUCT& data, HMENU menu) const;

    HWND m_owner = nullptr;
    bool m_active = false;
    HFONT m_font = nullptr;
    HFONT m_titleFont = nullptr;
    ZImage m_hot;
    ZImage m_cold;
    MenuColors m_colors;
    const LanguageSession* m_language = nullptr;
    // The off-screen picture of the item being drawn (kept: same-size items reuse its memory).
    mutable ZImage m_canvas;
};

// Gives every item of menu, recursively through its sub-menus, the type MFT_OWNERDRAW (by
// position) and records the menu in the item's data for MenuSkin::MeasureItem. False when an item
// could not be changed (the others still are).
bool MakeMenuOwnerDrawn(HMENU menu);

}  // namespace zentrova
