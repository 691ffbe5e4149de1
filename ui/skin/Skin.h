// Skin: the look of every window, read from one skin of the skin folder.
//
// Files
// -----
// * The skin folder is the program folder joined with "Skins"; all skins lie flat in it.
// * A skin named N has the INI file "<folder>\N.ini" (section "Skin") and its images
//   "<folder>\N<image>.png" or ".jpg" (the skin "Blue" with the image "Button": BlueButton.png).
//   Paths use the platform's separator.
//
// Values
// ------
// * Colours: six hexadecimal digits, red, green, blue, upper or lower case; anything else,
//   including a missing key or file, gives black (kSkinFallbackColor, SkinColor.h).
// * Numbers: the profile functions' number of the key, 16 when missing or empty.
// * Images: a missing or unreadable image leaves the ZImage empty, and the painters then draw
//   nothing for it. A missing image file is silent; an image that cannot be decoded is reported to
//   the error log by its codec.
//
// Loading
// -------
// Load stores the name, computes the folder and INI paths, reads "cxPlayerButton",
// "cyPlayerButton", "cxPlayerImage", "cyPlayerImage", makes the background brush of
// "WindowBackColor" and loads the images "Button" and "ButtonIcons" (the icons premultiplied by
// alpha when 32 bits; icon width = image width / 19, icon height = image height). Until a skin is
// loaded (and after Release) the folder and INI path are computed from the program folder and the
// (empty) name.
//
// Names and paths hold at most 259 characters (fixed 260-character buffers elsewhere in the
// program): a longer name, or one whose paths would be longer, is refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "config/SystemInfo.h"
#include "image/ZImage.h"

struct HBRUSH__;

namespace zentrova {

constexpr const wchar_t* kSkinsFolderName = L"Skins";
constexpr const wchar_t* kSkinSection = L"Skin";
constexpr int32_t kSkinDefaultNumber = 16;
// Texts of the INI are read with buffers of this many characters ("Name" and "Author" of the
// skin preview with kSkinPreviewTextChars).
constexpr size_t kSkinTextChars = 260;
constexpr size_t kSkinPreviewTextChars = 128;

// The "ButtonIcons" strip holds this many icons side by side.
constexpr uint32_t kButtonIconCount = 19;
// Button draw-state bit of a disabled button (ODS_DISABLED); DrawIcon looks at no other bit.
constexpr uint32_t kIconStateDisabled = 4;
// Constant alpha of a disabled button's 32-bit icon.
constexpr uint8_t kDisabledIconAlpha = 100;

class Skin {
  public:
    // The program folder comes from the running system.
    Skin();
    // The program folder comes from system, which must outlive the skin.
    explicit Skin(const SystemInfo& system);
    ~Skin();
    Skin(const Skin&) = delete;
    Skin& operator=(const Skin&) = delete;

    // Loads the skin named name (see above). False, with the current skin kept, only for a null
    // or empty name or one that makes too long a path; a skin whose files are missing loads with
    // the defaults.
    bool Load(const wchar_t* name);
    // Releases both images and the brush, clears the name and paths and the loaded flag.
    void Release();
    bool IsLoaded() const { return m_loaded; }

    // The colour reference of key, from the INI's "Skin" section.
    ZColor GetColor(const wchar_t* key) const;
    // The number of key, kSkinDefaultNumber when missing.
    int32_t GetNumber(const wchar_t* key) const;
    // The text of key (empty when missing), at most capacity - 1 characters.
    std::wstring GetText(const wchar_t* key, size_t capacity = kSkinTextChars) const;

    // Reads the skin's PNG or JPEG image imageName into image. False, image empty, when the file
    // is missing or cannot be read.
    bool LoadPng(ZImage& image, const wchar_t* imageName) const;
    bool LoadJpg(ZImage& image, const wchar_t* imageName) const;

    std::wstring GetFolder() const;
    std::wstring GetIniPath() const;
    // Path of the skin's image imageName with extension (".png", ".jpg").
    std::wstring GetImagePath(const wchar_t* imageName, const wchar_t* extension) const;
    const std::wstring& GetName() const { return m_name; }

    uint16_t GetPlayerButtonWidth() const { return m_cxPlayerButton; }
    uint16_t GetPlayerButtonHeight() const { return m_cyPlayerButton; }
    uint16_t GetPlayerImageWidth() const { return m_cxPlayerImage; }
    uint16_t GetPlayerImageHeight() const { return m_cyPlayerImage; }

    // "Button" (five 24 x 24 frames as rows) and "ButtonIcons" (19 icons side by side).
    const ZImage& GetButtonImage() const { return m_button; }
    const ZImage& GetButtonIcons() const { return m_buttonIcons; }
    uint16_t GetIconWidth() const { return m_iconWidth; }
    uint16_t GetIconHeight() const { return m_iconHeight; }

    // The solid brush of "WindowBackColor" (null before loading and in the native build) and its
    // colour.
    HBRUSH__* GetBackgroundBrush() const { return m_backgroundBrush; }
    ZColor GetBackgroundColor() const { return m_backgroundColor; }

    // Windows build only. Draws icon index (0..18) of the "ButtonIcons" strip into dc at (x, y):
    // a 32-bit strip with its per-pixel alpha (premultiplied at load) at constant alpha 255, or 100
    // when state has kIconStateDisabled; any other depth with the colour of the strip's top-left
    // pixel transparent, turned grey first when disabled. False, nothing drawn, without icons or
    // for an index outside the strip.
    bool DrawIcon(int index, uint32_t state, HDC__* dc, int x, int y) const;

  private:
    std::wstring ProgramSkinFolder() const;

    HostSystemInfo m_host;
    const SystemInfo& m_system;

    uint16_t m_cxPlayerButton = 0;
    uint16_t m_cyPlayerButton = 0;
    uint16_t m_cxPlayerImage = 0;
    uint16_t m_cyPlayerImage = 0;
    ZImage m_button;
    ZImage m_buttonIcons;
    uint16_t m_iconWidth = 0;
    uint16_t m_iconHeight = 0;
    HBRUSH__* m_backgroundBrush = nullptr;
    ZColor m_backgroundColor = 0;
    std::wstring m_name;
    std::wstring m_folder;
    std::wstring m_iniPath;
    bool m_loaded = false;
};

}  // namespace zentrova
