// Loading, saving and resetting the settings record in the per-user registry.
#pragma once

#include <string>

#include "config/RegistryKey.h"
#include "config/SettingsRecord.h"
#include "config/SystemInfo.h"

namespace zentrova {

// Every value of the record is a named value directly under this key of HKEY_CURRENT_USER.
constexpr const wchar_t* kSettingsKeyPath = L"Software\\Zentrova\\Zentrova Clarivue 2";
// The folder below the user's picture folder that holds the captures by default.
constexpr const wchar_t* kDefaultCaptureFolderName = L"Zentrova Clarivue 2";
// SkinName's default: "Small" for a primary screen exactly this wide, else "Default".
constexpr int32_t kSmallSkinScreenWidth = 800;
constexpr const wchar_t* kSmallSkinName = L"Small";
constexpr const wchar_t* kDefaultSkinName = L"Default";

// Largest side of the fixed capture region: the image library's limit of pixels in a picture
// (ZImage::kMaxPixels), far enough below 2^31 for the frame round the region.
constexpr uint32_t kMaxFixedRegionSide = uint32_t{1} << 28;

class SettingsStore {
  public:
    // registry: the root the record lives under (HKEY_CURRENT_USER); system: the source of the
    // computed defaults. system must outlive the store.
    SettingsStore(RegistryKey registry, const SystemInfo& system,
                  const wchar_t* keyPath = kSettingsKeyPath);

    // Fills every field of the record, in table order, from the stored value or, when that is
    // missing or not of a usable type or size, from its default. The fixed region's size
    // ("CaptureFixedWidth", "CaptureFixedHeight") is clamped to kMaxFixedRegionSide, so that no
    // stored value can overflow the capture's frame arithmetic. Never fails: returns true.
    bool LoadSettings(SettingsRecord& record) const;

    // Writes every value of the table in table order (numbers as REG_DWORD, texts as REG_SZ
    // with their terminator). Every value is attempted; true when all were written.
    bool SaveSettings(const SettingsRecord& record) const;

    // Deletes the stored values that "Factory Defaults" resets (the table's Reset entries and
    // the legacy values), then loads the record again so that it holds the defaults. Returns
    // true.
    bool ResetSettingsToDefaults(SettingsRecord& record) const;

  private:
    RegistryKey m_registry;
    const SystemInfo& m_system;
    std::wstring m_keyPath;
};

}  // namespace zentrova
