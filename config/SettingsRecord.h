// The settings record: every user-adjustable value of the program in one process-wide struct.
//
// Its fields, their kinds and defaults are declared once, in SettingsTable.def; the same list
// builds the record below and the table (GetSettingsTable) that drives loading, saving and the
// factory reset in Settings.cpp. Field names are the names of the stored values.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zentrova {

// What a value means and how it is stored. Every kind but the texts is stored as a 32-bit
// number; Byte keeps only the low 8 bits of it, Signed reads it as two's complement.
enum class SettingKind : uint8_t {
    Flag,             // 1 = on, 0 = off
    Number,           // unsigned 32-bit quantity (sizes, percentages, degrees)
    Signed,           // signed 32-bit quantity (font description)
    Byte,             // 8-bit field, stored as a 32-bit number 0..255
    Colour,           // 0x00BBGGRR
    ListIndex,        // index into the item list the settings dialog shows for the value
    KeyCode,          // virtual-key code of a hot key, 0 = none
    HotkeyModifiers,  // 1 Shift, 2 Control, 4 Alt, 8 extended key
    Text32,           // text of at most 32 characters including the terminator
    Text260,          // text of at most 260 characters including the terminator
};

// The field type of each kind.
template <SettingKind K>
struct SettingStorage {
    using type = uint32_t;
};
template <>
struct SettingStorage<SettingKind::Signed> {
    using type = int32_t;
};
template <>
struct SettingStorage<SettingKind::Byte> {
    using type = uint8_t;
};
template <>
struct SettingStorage<SettingKind::Text32> {
    using type = wchar_t[32];
};
template <>
struct SettingStorage<SettingKind::Text260> {
    using type = wchar_t[260];
};

constexpr bool IsTextKind(SettingKind kind) {
    return kind == SettingKind::Text32 || kind == SettingKind::Text260;
}
// Capacity of a text kind in characters including the terminator; 0 for numbers.
constexpr size_t TextCapacity(SettingKind kind) {
    return kind == SettingKind::Text32 ? 32 : kind == SettingKind::Text260 ? 260 : 0;
}

struct SettingsRecord {
#define CLARIVUE_SETTING(name, kind, def, reset) SettingStorage<SettingKind::kind>::type name{};
#include "config/SettingsTable.def"
#undef CLARIVUE_SETTING
};

// Number of values in the record.
constexpr size_t kSettingCount = 0
#define CLARIVUE_SETTING(name, kind, def, reset) +1
#include "config/SettingsTable.def"
#undef CLARIVUE_SETTING
    ;

// Defaults that are not constants.
enum class ComputedDefault : uint8_t {
    None,               // the constant number or text of the entry
    SkinForScreen,      // "Small" at a primary screen width of exactly 800 pixels, else "Default"
    DefaultPrinter,     // the system's default printer
    PictureFolder,      // the user's picture folder joined with "Zentrova Clarivue 2"
    CaptureBackground,  // the CaptureBackgroundColor loaded before
};

// Whether "Factory Defaults" deletes the stored value.
enum class ResetRule : uint8_t { Keep, Reset };

struct SettingDefault {
    enum class Source : uint8_t { Number, Text, Computed };

    constexpr SettingDefault(int value) : number(static_cast<uint32_t>(value)) {}
    constexpr SettingDefault(unsigned value) : number(value) {}
    constexpr SettingDefault(const wchar_t* value) : text(value), source(Source::Text) {}
    constexpr SettingDefault(ComputedDefault value) : computed(value), source(Source::Computed) {}

    uint32_t number = 0;        // numbers: the 32-bit value as stored
    const wchar_t* text = L"";  // texts
    ComputedDefault computed = ComputedDefault::None;
    Source source = Source::Number;
};

// True when a default suits its kind: a number for numbers (0..255 for Byte), a text that fits
// for texts, a computed default of the matching sort. Checked for every line at compile time.
constexpr bool DefaultSuitsKind(SettingKind kind, const SettingDefault& fallback) {
    switch (fallback.source) {
        case SettingDefault::Source::Number:
            return !IsTextKind(kind) && (kind != SettingKind::Byte || fallback.number <= 0xFF);
        case SettingDefault::Source::Text: {
            if (!IsTextKind(kind) || fallback.text == nullptr) {
                return false;
            }
            size_t length = 0;
            while (fallback.text[length] != L'\0') {
                ++length;
            }
            return length < TextCapacity(kind);
        }
        case SettingDefault::Source::Computed:
            return fallback.computed == ComputedDefault::CaptureBackground
                       ? kind == SettingKind::Colour
                       : IsTextKind(kind) && fallback.computed != ComputedDefault::None;
    }
    return false;
}

// One line of the table.
struct SettingDef {
    const wchar_t* name;  // stored value name, also the field name
    SettingKind kind;
    SettingDefault fallback;
    ResetRule reset;
    size_t offset;  // of the field in SettingsRecord
};

// The table, in load and save order.
const std::array<SettingDef, kSettingCount>& GetSettingsTable();

// Values that are neither loaded nor saved any more but are deleted by "Factory Defaults".
const std::array<const wchar_t*, 8>& GetLegacySettingNames();

// The entry of a value name (exact, case-sensitive match), or null.
const SettingDef* FindSetting(const wchar_t* name);

// Field access through a table entry.
// A number field as its stored 32-bit value (Byte zero-extended, Signed as two's complement).
uint32_t GetSettingNumber(const SettingsRecord& record, const SettingDef& def);
// Sets a number field from its stored 32-bit value (Byte keeps the low 8 bits).
void SetSettingNumber(SettingsRecord& record, const SettingDef& def, uint32_t stored);
// A text field; TextCapacity(def.kind) characters of room.
const wchar_t* GetSettingText(const SettingsRecord& record, const SettingDef& def);
wchar_t* GetSettingTextBuffer(SettingsRecord& record, const SettingDef& def);

// True when every value of the table is equal (texts compared up to their terminator).
bool SameSettings(const SettingsRecord& a, const SettingsRecord& b);

}  // namespace zentrova
