// The settings table built from SettingsTable.def, and field access through its entries.
#include "config/SettingsRecord.h"

#include <cstring>
#include <cwchar>
#include <type_traits>

namespace zentrova {

static_assert(std::is_standard_layout_v<SettingsRecord>,
              "the table addresses the record's fields by offset");

namespace {

// The names SettingsTable.def uses in its columns.
constexpr ComputedDefault SkinForScreen = ComputedDefault::SkinForScreen;
constexpr ComputedDefault DefaultPrinter = ComputedDefault::DefaultPrinter;
constexpr ComputedDefault PictureFolder = ComputedDefault::PictureFolder;
constexpr ComputedDefault CaptureBackground = ComputedDefault::CaptureBackground;
constexpr ResetRule Keep = ResetRule::Keep;
constexpr ResetRule Reset = ResetRule::Reset;

#define CLARIVUE_WIDE2(text) L##text
#define CLARIVUE_WIDE(text) CLARIVUE_WIDE2(text)

const std::array<SettingDef, kSettingCount> kTable = {{
#define CLARIVUE_SETTING(name, kind, def, reset)                          \
    {CLARIVUE_WIDE(#name), SettingKind::kind, SettingDefault(def), reset, \
     offsetof(SettingsRecord, name)},
#include "config/SettingsTable.def"
#undef CLARIVUE_SETTING
}};

#define CLARIVUE_SETTING(name, kind, def, reset)                            \
    static_assert(DefaultSuitsKind(SettingKind::kind, SettingDefault(def)), \
                  "the default of " #name " does not suit its kind");
#include "config/SettingsTable.def"
#undef CLARIVUE_SETTING

const std::array<const wchar_t*, 8> kLegacyNames = {{
    L"GeneralGlobalHotkey",
    L"GeneralGlobalHotkeyModifier",
    L"GeneralHotkeyFreeRegion",
    L"GeneralHotkeyFreeRegionMod",
    L"EditModeStartEditMode",
    L"CaptureMode",
    L"CaptureZoomFactor",
    L"CaptureZoomFilter",
}};

template <typename T>
T* FieldAt(SettingsRecord& record, const SettingDef& def) {
    return reinterpret_cast<T*>(reinterpret_cast<unsigned char*>(&record) + def.offset);
}

template <typename T>
const T* FieldAt(const SettingsRecord& record, const SettingDef& def) {
    return reinterpret_cast<const T*>(reinterpret_cast<const unsigned char*>(&record) + def.offset);
}

}  // namespace

const std::array<SettingDef, kSettingCount>& GetSettingsTable() {
    return kTable;
}

const std::array<const wchar_t*, 8>& GetLegacySettingNames() {
    return kLegacyNames;
}

const SettingDef* FindSetting(const wchar_t* name) {
    if (name == nullptr) {
        return nullptr;
    }
    for (const SettingDef& def : kTable) {
        if (std::wcscmp(def.name, name) == 0) {
            return &def;
        }
    }
    return nullptr;
}

uint32_t GetSettingNumber(const SettingsRecord& record, const SettingDef& def) {
    switch (def.kind) {
        case SettingKind::Signed:
            return static_cast<uint32_t>(*FieldAt<int32_t>(record, def));
        case SettingKind::Byte:
            return *FieldAt<uint8_t>(record, def);
        case SettingKind::Text32:
        case SettingKind::Text260:
            return 0;
        default:
            return *FieldAt<uint32_t>(record, def);
    }
}

void SetSettingNumber(SettingsRecord& record, const SettingDef& def, uint32_t stored) {
    switch (def.kind) {
        case SettingKind::Signed:
            *FieldAt<int32_t>(record, def) = static_cast<int32_t>(stored);
            break;
        case SettingKind::Byte:
            *FieldAt<uint8_t>(record, def) = static_cast<uint8_t>(stored & 0xFFu);
            break;
        case SettingKind::Text32:
        case SettingKind::Text260:
            break;
        default:
            *FieldAt<uint32_t>(record, def) = stored;
            break;
    }
}

const wchar_t* GetSettingText(const SettingsRecord& record, const SettingDef& def) {
    return IsTextKind(def.kind) ? FieldAt<wchar_t>(record, def) : L"";
}

wchar_t* GetSettingTextBuffer(SettingsRecord& record, const SettingDef& def) {
    return IsTextKind(def.kind) ? FieldAt<wchar_t>(record, def) : nullptr;
}

bool SameSettings(const SettingsRecord& a, const SettingsRecord& b) {
    for (const SettingDef& def : kTable) {
        if (IsTextKind(def.kind)) {
            const size_t capacity = TextCapacity(def.kind);
            if (std::wcsncmp(GetSettingText(a, def), GetSettingText(b, def), capacity) != 0) {
                return false;
            }
        } else if (GetSettingNumber(a, def) != GetSettingNumber(b, def)) {
            return false;
        }
    }
    return true;
}

}  // namespace zentrova
