// The settings table against the documented list of values: order, kinds, defaults, the values
// that survive "Factory Defaults", and the record's field types.
#include <cwchar>
#include <string>
#include <type_traits>

#include <gtest/gtest.h>

#include "config/SettingsRecord.h"
#include "core/WideText.h"
#include "tests/config/ExpectedSettings.h"

namespace zentrova {
namespace {

using test::Computed;
using test::kExpectedSettings;

ComputedDefault ToComputed(Computed computed) {
    switch (computed) {
        case Computed::Skin:
            return ComputedDefault::SkinForScreen;
        case Computed::Printer:
            return ComputedDefault::DefaultPrinter;
        case Computed::Pictures:
            return ComputedDefault::PictureFolder;
        case Computed::Background:
            return ComputedDefault::CaptureBackground;
        default:
            return ComputedDefault::None;
    }
}

bool IsSurvivor(const wchar_t* name) {
    for (const wchar_t* survivor : test::kSurvivingReset) {
        if (std::wcscmp(survivor, name) == 0) {
            return true;
        }
    }
    return false;
}

size_t IndexOf(const wchar_t* name) {
    const auto& table = GetSettingsTable();
    for (size_t i = 0; i < table.size(); ++i) {
        if (std::wcscmp(table[i].name, name) == 0) {
            return i;
        }
    }
    return table.size();
}

TEST(SettingsTable, ListsEveryValueInLoadOrderWithKindAndDefault) {
    const auto& table = GetSettingsTable();
    ASSERT_EQ(table.size(), kExpectedSettings.size());
    for (size_t i = 0; i < table.size(); ++i) {
        const SettingDef& def = table[i];
        const test::ExpectedSetting& expected = kExpectedSettings[i];
        SCOPED_TRACE(testing::Message() << "entry " << i);
        EXPECT_STREQ(def.name, expected.name);
        EXPECT_EQ(def.kind, expected.kind);
        EXPECT_EQ(def.fallback.computed, ToComputed(expected.computed));
        if (expected.computed != Computed::No) {
            continue;
        }
        if (IsTextKind(def.kind)) {
            EXPECT_STREQ(def.fallback.text, expected.text);
            EXPECT_LT(std::wcslen(def.fallback.text), TextCapacity(def.kind));
        } else {
            EXPECT_EQ(def.fallback.number, expected.number);
        }
        if (def.kind == SettingKind::Byte) {
            EXPECT_LE(def.fallback.number, 0xFFu);
        }
    }
}

TEST(SettingsTable, FactoryResetKeepsExactlyTheLanguageSkinFreeRegionKeysAndIntroFlags) {
    size_t kept = 0;
    for (const SettingDef& def : GetSettingsTable()) {
        SCOPED_TRACE(testing::Message() << "value " << ToUtf8(def.name));
        const bool survives = IsSurvivor(def.name);
        EXPECT_EQ(def.reset, survives ? ResetRule::Keep : ResetRule::Reset);
        kept += survives ? 1 : 0;
        if (!survives) {
            const std::wstring name = def.name;
            const bool resetPrefix = name.rfind(L"General", 0) == 0 ||
                                     name.rfind(L"EditMode", 0) == 0 ||
                                     name.rfind(L"Capture", 0) == 0 ||
                                     name.rfind(L"MTools", 0) == 0 || name.rfind(L"Resize", 0) == 0;
            EXPECT_TRUE(resetPrefix);
        }
    }
    EXPECT_EQ(kept, test::kSurvivingReset.size());
}

TEST(SettingsTable, LegacyValuesAreTheEightOldNamesAndNotInTheTable) {
    const auto& legacy = GetLegacySettingNames();
    ASSERT_EQ(legacy.size(), test::kLegacyValues.size());
    for (size_t i = 0; i < legacy.size(); ++i) {
        EXPECT_STREQ(legacy[i], test::kLegacyValues[i]);
        EXPECT_EQ(FindSetting(legacy[i]), nullptr);
    }
}

TEST(SettingsTable, BackgroundColourIsReadBeforeTheValuesThatDefaultToIt) {
    const size_t background = IndexOf(L"CaptureBackgroundColor");
    EXPECT_LT(background, IndexOf(L"MToolsErasorColor"));
    EXPECT_LT(background, IndexOf(L"ResizeCanvasColor"));
    EXPECT_LT(IndexOf(L"ResizeCanvasColor"), GetSettingsTable().size());
}

TEST(SettingsTable, NamesAreUnique) {
    const auto& table = GetSettingsTable();
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(IndexOf(table[i].name), i) << ToUtf8(table[i].name);
    }
}

TEST(SettingsRecord, FieldTypesFollowTheKinds) {
    SettingsRecord record;
    static_assert(std::is_same_v<decltype(record.LanguageDetected), uint32_t>);
    static_assert(std::is_same_v<decltype(record.LanguageFile), wchar_t[32]>);
    static_assert(std::is_same_v<decltype(record.SkinName), wchar_t[260]>);
    static_assert(std::is_same_v<decltype(record.EditModePrintPrinter), wchar_t[260]>);
    static_assert(std::is_same_v<decltype(record.CaptureOutputDirectory), wchar_t[260]>);
    static_assert(std::is_same_v<decltype(record.MToolsDrawTextFontFaceName), wchar_t[32]>);
    static_assert(std::is_same_v<decltype(record.MToolsDrawTextFontHeight), int32_t>);
    static_assert(std::is_same_v<decltype(record.MToolsDrawTextFontWeight), int32_t>);
    static_assert(std::is_same_v<decltype(record.MToolsDrawTextFontItalic), uint8_t>);
    static_assert(std::is_same_v<decltype(record.MToolsDrawTextFontPitchAndFamily), uint8_t>);
    static_assert(std::is_same_v<decltype(record.CaptureBackgroundColor), uint32_t>);
    // A new record is all zero: no field starts with stray contents.
    for (const SettingDef& def : GetSettingsTable()) {
        if (IsTextKind(def.kind)) {
            EXPECT_EQ(GetSettingText(record, def)[0], L'\0');
        } else {
            EXPECT_EQ(GetSettingNumber(record, def), 0u);
        }
    }
}

TEST(SettingsRecord, TableAccessReachesTheNamedFields) {
    SettingsRecord record;
    SetSettingNumber(record, *FindSetting(L"CaptureFixedWidth"), 1920);
    SetSettingNumber(record, *FindSetting(L"MToolsDrawTextFontItalic"), 0x101);
    SetSettingNumber(record, *FindSetting(L"MToolsDrawTextFontCharSet"), 0xFFFFFFCCu);
    SetSettingNumber(record, *FindSetting(L"MToolsDrawTextFontHeight"), 0xFFFFFFF0u);
    SetSettingNumber(record, *FindSetting(L"GeneralHotkeyFixedRegionMod"), 6);
    std::wcscpy(GetSettingTextBuffer(record, *FindSetting(L"SkinName")), L"Blue");
    EXPECT_EQ(record.CaptureFixedWidth, 1920u);
    EXPECT_EQ(record.MToolsDrawTextFontItalic, 1);
    EXPECT_EQ(record.MToolsDrawTextFontCharSet, 0xCC);
    EXPECT_EQ(record.MToolsDrawTextFontHeight, -16);
    EXPECT_EQ(record.GeneralHotkeyFixedRegionMod, 6u);
    EXPECT_STREQ(record.SkinName, L"Blue");
    EXPECT_EQ(GetSettingNumber(record, *FindSetting(L"MToolsDrawTextFontHeight")), 0xFFFFFFF0u);
    EXPECT_EQ(GetSettingNumber(record, *FindSetting(L"MToolsDrawTextFontCharSet")), 0xCCu);
    // The neighbours are untouched.
    EXPECT_EQ(record.CaptureFixedHeight, 0u);
    EXPECT_EQ(record.MToolsDrawTextFontUnderline, 0);
    EXPECT_EQ(record.MToolsDrawTextFontWeight, 0);
}

TEST(SettingsRecord, SameSettingsComparesEveryValueAndTextsUpToTheirEnd) {
    SettingsRecord a;
    SettingsRecord b;
    EXPECT_TRUE(SameSettings(a, b));
    b.IntroWindowEditModeWelcomeShow = 1;  // the last value
    EXPECT_FALSE(SameSettings(a, b));
    b.IntroWindowEditModeWelcomeShow = 0;
    std::wcscpy(a.SkinName, L"Blue");
    std::wcscpy(b.SkinName, L"Blue");
    b.SkinName[10] = L'x';  // behind the terminator
    EXPECT_TRUE(SameSettings(a, b));
    b.SkinName[3] = L'd';
    EXPECT_FALSE(SameSettings(a, b));
}

}  // namespace
}  // namespace zentrova
