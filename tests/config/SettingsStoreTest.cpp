// Loading, saving and resetting the settings record in the registry (the in-memory one natively,
// the real one of the Wine prefix in the Windows build).
#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/LanguageTag.h"
#include "config/ListChoice.h"
#include "config/SessionValues.h"
#include "config/Settings.h"
#include "core/FileSystem.h"
#include "core/WideText.h"
#include "tests/config/FakeSystemInfo.h"
#include "tests/config/RegistryProbe.h"

#ifdef _WIN32
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>
#endif

namespace zentrova {
namespace {

using test::DwordBytes;
using test::LoadRaw;
using test::StoreRaw;
using test::Utf16Bytes;

class SettingsStoreTest : public testing::Test {
  protected:
    void SetUp() override { test::RemoveKey(kSettingsKeyPath); }
    void TearDown() override { test::RemoveKey(kSettingsKeyPath); }

    SettingsRecord Load() {
        SettingsRecord record;
        EXPECT_TRUE(SettingsStore(RegistryKey(), system).LoadSettings(record));
        return record;
    }
    SettingsStore Store() const { return SettingsStore(RegistryKey(), system); }

    bool Store(const wchar_t* name, uint32_t type, const std::vector<uint8_t>& bytes) {
        return StoreRaw(kSettingsKeyPath, name, type, bytes);
    }
    bool IsStored(const wchar_t* name) {
        RegistryValue value;
        return LoadRaw(kSettingsKeyPath, name, value);
    }

    test::FakeSystemInfo system;
};

// A text's bytes as stored, with its terminator or without.
std::vector<uint8_t> Text(const std::wstring& text, bool terminated = true) {
    std::vector<uint8_t> bytes = Utf16Bytes(text);
    bytes.insert(bytes.end(), terminated ? 2 : 0, 0);
    return bytes;
}

std::wstring DefaultCaptureFolder(const std::wstring& pictures) {
    return pictures + kNativeSeparator + L"Zentrova Clarivue 2";
}

// One field of got holds what it holds in want.
void ExpectField(const SettingsRecord& got, const SettingsRecord& want, const SettingDef& def) {
    if (IsTextKind(def.kind)) {
        EXPECT_EQ(std::wstring(GetSettingText(got, def)), GetSettingText(want, def))
            << ToUtf8(def.name);
    } else {
        EXPECT_EQ(GetSettingNumber(got, def), GetSettingNumber(want, def)) << ToUtf8(def.name);
    }
}

// The values "Factory Defaults" leaves alone (each name between spaces), and values of earlier
// versions it deletes.
const std::wstring kSurvivingReset =
    L" LanguageDetected LanguageFile SkinName GeneralHotkeyFreeRectRegion"
    L" GeneralHotkeyFreeRectRegionMod GeneralHotkeyFreeStyleRegion GeneralHotkeyFreeStyleRegionMod"
    L" IntroWindowWelcomeShow IntroWindowCaptureShow IntroWindowCaptureScrollShow"
    L" IntroWindowEditModeWelcomeShow ";
const wchar_t* const kLegacyValues[] = {L"GeneralGlobalHotkey",     L"GeneralGlobalHotkeyModifier",
                                        L"GeneralHotkeyFreeRegion", L"GeneralHotkeyFreeRegionMod",
                                        L"EditModeStartEditMode",   L"CaptureMode",
                                        L"CaptureZoomFactor",       L"CaptureZoomFilter"};

TEST_F(SettingsStoreTest, FirstStartWithoutKeyGivesEveryDefault) {
    ASSERT_FALSE(test::KeyExists(kSettingsKeyPath));
    const SettingsRecord record = Load();
    // The defaults computed from the system.
    EXPECT_STREQ(record.SkinName, L"Default");
    EXPECT_STREQ(record.EditModePrintPrinter, L"Office Laser 5");
    EXPECT_EQ(std::wstring(record.CaptureOutputDirectory),
              DefaultCaptureFolder(L"C:\\Users\\Ada\\Pictures"));
    // Loading writes nothing.
    EXPECT_FALSE(test::KeyExists(kSettingsKeyPath));
}

TEST_F(SettingsStoreTest, PictureFolderTooLongForTheFieldGivesNoDefaultFolder) {
    system.pictures = L"C:\\" + std::wstring(236, L'p');  // joined: 239 + 1 + 19 = 259 fits
    EXPECT_EQ(std::wstring(Load().CaptureOutputDirectory), DefaultCaptureFolder(system.pictures));
    system.pictures += L'q';  // 260 characters: no room for the terminator
    EXPECT_STREQ(Load().CaptureOutputDirectory, L"");
}

TEST_F(SettingsStoreTest, SkinDefaultDependsOnAnExactly800PixelScreen) {
    system.screenWidth = 800;
    EXPECT_STREQ(Load().SkinName, L"Small");
    for (int32_t width : {0, 799, 801}) {
        system.screenWidth = width;
        EXPECT_STREQ(Load().SkinName, L"Default") << width;
    }
    ASSERT_TRUE(Store(L"SkinName", kRegSz, Text(L"Blue Steel")));
    system.screenWidth = 800;
    EXPECT_STREQ(Load().SkinName, L"Blue Steel");
}

TEST_F(SettingsStoreTest, EraserAndCanvasColoursDefaultToTheStoredBackground) {
    ASSERT_TRUE(Store(L"CaptureBackgroundColor", kRegDword, DwordBytes(0x123456)));
    SettingsRecord r = Load();
    EXPECT_EQ(std::pair(r.MToolsErasorColor, r.ResizeCanvasColor), std::pair(0x123456u, 0x123456u));
    ASSERT_TRUE(Store(L"MToolsErasorColor", kRegDword, DwordBytes(0x0000FF)));
    r = Load();
    EXPECT_EQ(std::pair(r.MToolsErasorColor, r.ResizeCanvasColor), std::pair(0x0000FFu, 0x123456u));
}

// Which value types count is the registry decoding's (RegistryKeyTest); here: one stored value
// (alone in the key) gives its field, or the field's default for a value of another type; texts
// are cut to their fields and read safely without a terminator; every other field keeps its
// default.
TEST_F(SettingsStoreTest, StoredValuesAreTakenCutClampedOrRefused) {
    const std::wstring pictures = DefaultCaptureFolder(L"C:\\Users\\Ada\\Pictures");
    std::vector<uint8_t> odd = Utf16Bytes(L"Blue");
    odd.push_back(0x41);  // half a character
    const std::wstring tag37 = L"abcdefghijklmnopqrstuvwxyz-0123456789";
    const struct {
        const wchar_t* name;
        uint32_t type;
        std::vector<uint8_t> bytes;
        std::wstring text;  // for text fields
        uint32_t number;    // for number fields
    } cases[] = {
        {L"CaptureFixedWidth", kRegDwordBigEndian, {1, 2, 3, 4}, L"", 0x04030201u},
        {L"CaptureFixedHeight", kRegQword, {0, 5, 0, 0, 0, 0, 0, 0}, L"", 480},
        {L"CaptureOutputDirectory", kRegExpandSz, Text(L"%USERPROFILE%\\Shots"),
         L"%USERPROFILE%\\Shots", 0},
        {L"CaptureOutputDirectory", kRegDword, DwordBytes(0x00440044), pictures, 0},
        {L"SkinName", kRegBinary, {'D', 0, 0, 0}, L"Default", 0},
        // Fixed region sizes are clamped to the picture limit.
        {L"CaptureFixedWidth", kRegDword, DwordBytes(0xFFFFFFFFu), L"", 1u << 28},
        {L"CaptureFixedHeight", kRegDword, DwordBytes((1u << 28) + 1), L"", 1u << 28},
        {L"CaptureFixedWidth", kRegDword, DwordBytes(1u << 28), L"", 1u << 28},
        {L"CaptureFixedHeight", kRegDword, DwordBytes(1920), L"", 1920},
        {L"LanguageFile", kRegSz, Text(tag37), tag37.substr(0, 31), 0},
        {L"SkinName", kRegSz, Text(std::wstring(300, L's')), std::wstring(259, L's'), 0},
        {L"LanguageFile", kRegSz, Text(std::wstring(32, L'x'), false), std::wstring(31, L'x'), 0},
        {L"EditModeEmailUseSpecifiedText", kRegSz, Text(L"ada@example.org", false),
         L"ada@example.org", 0},
        {L"SkinName", kRegSz, odd, L"Blue", 0},
        {L"EditModePrintPrinter", kRegMultiSz, Text(L"Plotter", false), L"Plotter", 0},
    };
    const SettingsRecord defaults = Load();
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.name) + " case " + std::to_string(&c - cases));
        test::RemoveKey(kSettingsKeyPath);
        ASSERT_TRUE(Store(c.name, c.type, c.bytes));
        const SettingsRecord got = Load();
        for (const SettingDef& def : GetSettingsTable()) {
            if (std::wcscmp(def.name, c.name) != 0) {
                ExpectField(got, defaults, def);
            } else if (IsTextKind(def.kind)) {
                EXPECT_EQ(std::wstring(GetSettingText(got, def)), c.text);
            } else {
                EXPECT_EQ(GetSettingNumber(got, def), c.number);
            }
        }
    }
}

// A record whose every value differs from its default and from every other value.
SettingsRecord DistinctRecord() {
    SettingsRecord record;
    const auto& table = GetSettingsTable();
    for (size_t i = 0; i < table.size(); ++i) {
        const SettingDef& def = table[i];
        const uint32_t n = static_cast<uint32_t>(i);
        switch (def.kind) {
            case SettingKind::Text32:
            case SettingKind::Text260: {
                // The longest text that fits for the first of each capacity, short ones else.
                const size_t capacity = TextCapacity(def.kind);
                std::wstring text = L"value " + std::to_wstring(i) + L" \u00e9\u4e2d";
                if (i == 1 || i == 2) {
                    text.resize(capacity - 1, L'z');
                }
                CopyText(GetSettingTextBuffer(record, def), capacity, text.c_str());
                break;
            }
            case SettingKind::Signed:
                SetSettingNumber(record, def,
                                 static_cast<uint32_t>(-1000 - static_cast<int32_t>(n)));
                break;
            case SettingKind::Byte:
                SetSettingNumber(record, def, 0x80 + n);
                break;
            default:
                SetSettingNumber(record, def, 0x10000 + n * 0x1111);
                break;
        }
    }
    return record;
}

TEST_F(SettingsStoreTest, SaveThenLoadGivesTheSameRecord) {
    SettingsRecord saved = DistinctRecord();
    ASSERT_TRUE(Store().SaveSettings(saved));
    // Other computed defaults at load time: none of them may show through.
    system.printer = L"Another Printer";
    system.pictures = L"D:\\Elsewhere";
    system.screenWidth = 800;
    const SettingsRecord loaded = Load();
    EXPECT_TRUE(SameSettings(saved, loaded));
    EXPECT_EQ(std::wstring(loaded.SkinName).size(), 259u);
    for (const SettingDef& def : GetSettingsTable()) {
        ExpectField(loaded, saved, def);
    }
}

TEST_F(SettingsStoreTest, SaveNeverReadsPastAFullTextField) {
    SettingsRecord record = DistinctRecord();
    std::wmemset(record.LanguageFile, L'x', 32);  // no terminator
    ASSERT_TRUE(Store().SaveSettings(record));
    EXPECT_EQ(std::wstring(Load().LanguageFile), std::wstring(31, L'x'));
}

TEST_F(SettingsStoreTest, FactoryDefaultsDeleteExactlyTheResetValues) {
    SettingsRecord record = DistinctRecord();
    record.GeneralHotkeyFreeRectRegion = 116;  // F5
    record.GeneralHotkeySingleWindow = 113;    // F2
    record.IntroWindowWelcomeShow = 0;
    CopyText(record.SkinName, 260, L"Blue Steel");
    ASSERT_TRUE(Store().SaveSettings(record));
    for (const wchar_t* legacy : kLegacyValues) {
        ASSERT_TRUE(Store(legacy, kRegDword, DwordBytes(7)));
    }
    ASSERT_TRUE(Store(L"Edition", kRegSz, Text(L"Home")));
    ASSERT_TRUE(StoreRaw((std::wstring(kSettingsKeyPath) + L"\\ztv_inet").c_str(), L"LastCheck",
                         kRegDword, DwordBytes(20261206)));

    SettingsRecord reset = record;
    ASSERT_TRUE(Store().ResetSettingsToDefaults(reset));

    for (const SettingDef& def : GetSettingsTable()) {
        const bool survives =
            kSurvivingReset.find(L" " + std::wstring(def.name) + L" ") != std::wstring::npos;
        EXPECT_EQ(IsStored(def.name), survives) << ToUtf8(def.name);
    }
    for (const wchar_t* legacy : kLegacyValues) {
        EXPECT_FALSE(IsStored(legacy)) << ToUtf8(legacy);
    }
    EXPECT_TRUE(IsStored(L"Edition"));
    EXPECT_TRUE(test::KeyExists((std::wstring(kSettingsKeyPath) + L"\\ztv_inet").c_str()));

    // The record holds the defaults, apart from the values that were kept.
    EXPECT_EQ(reset.GeneralHotkeyFreeRectRegion, 116u);
    EXPECT_EQ(reset.GeneralHotkeySingleWindow, 120u);
    EXPECT_STREQ(reset.SkinName, L"Blue Steel");
}

TEST_F(SettingsStoreTest, FactoryDefaultsKeepWhatTheSessionChanged) {
    // Stored at the last exit: German, "Small", Ctrl+F5 on the free rectangle.
    SettingsRecord stored = DistinctRecord();
    CopyText(stored.LanguageFile, 32, L"de-de");
    CopyText(stored.SkinName, 260, L"Small");
    stored.GeneralHotkeyFreeRectRegion = 116;
    stored.GeneralHotkeyFreeRectRegionMod = 2;
    stored.IntroWindowCaptureShow = 1;
    ASSERT_TRUE(Store().SaveSettings(stored));
    // Changed during this run, only in memory.
    SettingsRecord running = stored;
    CopyText(running.LanguageFile, 32, L"en-us");
    CopyText(running.SkinName, 260, L"Tiny");
    running.GeneralHotkeyFreeRectRegion = 117;  // Alt+F6
    running.GeneralHotkeyFreeRectRegionMod = 4;
    running.IntroWindowCaptureShow = 0;
    running.GeneralHotkeySingleWindow = 113;
    running.CaptureFixedWidth = 800;

    SettingsRecord reset = running;
    ASSERT_TRUE(Store().ResetSettingsToDefaults(reset));
    KeepSessionValues(running, reset);

    // Every kept value is the running one (skin "Tiny"), every other the freshly loaded default
    // (fixed width 640).
    SettingsRecord defaults = running;
    ASSERT_TRUE(Store().ResetSettingsToDefaults(defaults));
    for (const SettingDef& def : GetSettingsTable()) {
        const bool kept =
            kSurvivingReset.find(L" " + std::wstring(def.name) + L" ") != std::wstring::npos;
        ExpectField(reset, kept ? running : defaults, def);
    }
}

TEST(ListChoice, KeepsThePreviousValueWithoutAValidSelection) {
    const struct {
        long long selection;
        size_t count;
        uint32_t expected;
    } cases[] = {{0, 4, 0}, {3, 4, 3}, {4, 4, 2}, {-1, 4, 2}, {0, 0, 2}, {1LL << 40, 4, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(ChosenListIndex(c.selection, c.count, 2), c.expected) << c.selection;
    }
}

#ifdef _WIN32

// The user's picture folder, asked the newer way.
std::wstring KnownPicturesFolder() {
    PWSTR path = nullptr;
    const bool found = SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &path) == S_OK;
    const std::wstring folder = found ? path : L"";
    CoTaskMemFree(path);
    return folder;
}

// The default printer as the system keeps it: "name,spooler,port" in the user's "Device" value.
std::wstring StoredDefaultPrinter() {
    RegistryValue device;
    wchar_t text[kMaxPathChars];
    if (!LoadRaw(L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", L"Device", device) ||
        !DecodeRegistryText(device, text, kMaxPathChars)) {
        return std::wstring();
    }
    const std::wstring value = text;
    return value.substr(0, value.find(L','));
}

TEST_F(SettingsStoreTest, FirstStartOnThisSystemTakesItsDefaultsAndLocale) {
    HostSystemInfo host;
    SettingsRecord record;
    ASSERT_TRUE(SettingsStore(RegistryKey(), host).LoadSettings(record));
    const std::wstring pictures = KnownPicturesFolder();
    ASSERT_FALSE(pictures.empty());
    EXPECT_EQ(std::wstring(record.CaptureOutputDirectory), pictures + L"\\Zentrova Clarivue 2");
    EXPECT_EQ(std::wstring(record.EditModePrintPrinter), StoredDefaultPrinter());
    EXPECT_STREQ(record.SkinName, GetSystemMetrics(SM_CXSCREEN) == 800 ? L"Small" : L"Default");
    wchar_t localeName[LOCALE_NAME_MAX_LENGTH] = {};
    ASSERT_NE(LCIDToLocaleName(GetSystemDefaultLCID(), localeName, LOCALE_NAME_MAX_LENGTH, 0), 0);
    std::wstring expectedTag = localeName;
    std::transform(expectedTag.begin(), expectedTag.end(), expectedTag.begin(), towlower);
    ASSERT_TRUE(ApplyFirstStartLanguage(record, host));
    EXPECT_EQ(std::wstring(record.LanguageFile), expectedTag);
    EXPECT_EQ(record.LanguageDetected, 1u);
    // Saved and loaded again, the detected language stays.
    ASSERT_TRUE(SettingsStore(RegistryKey(), host).SaveSettings(record));
    SettingsRecord again;
    ASSERT_TRUE(SettingsStore(RegistryKey(), host).LoadSettings(again));
    EXPECT_FALSE(ApplyFirstStartLanguage(again, host));
    EXPECT_TRUE(SameSettings(record, again));
}

#endif

}  // namespace
}  // namespace zentrova
