// The settings pages' input rules, the hot-key words and modifiers, and JoinPath.
#include "config/SettingsPageRules.h"

#include <string>

#include <gtest/gtest.h>

#include "config/Hotkeys.h"
#include "config/JoinPath.h"
#include "core/FileSystem.h"

namespace zentrova {
namespace {

TEST(SettingsPageRules, FixedCaptureSizeAcceptsOnlyOneTo16384) {
    const struct {
        const wchar_t* text;
        bool accepted;
        uint32_t size;
    } cases[] = {{L"1", true, 1},           {L"16384", true, 16384},
                 {L" 640 ", true, 640},     {L"0", false, 0},
                 {L"16385", false, 0},      {L"  ", false, 0},
                 {L"-5", false, 0},         {L"6 4", false, 0},
                 {L"4294967297", false, 0}, {L"00000000000000000000000000000042", true, 42}};
    for (const auto& c : cases) {
        uint32_t size = 777;
        EXPECT_EQ(c.accepted, ParseFixedCaptureSize(c.text, &size)) << c.text;
        EXPECT_EQ(c.accepted ? c.size : 777u, size) << c.text;
    }
}

TEST(SettingsPageRules, OutputFolderMustNotBeBlank) {
    EXPECT_TRUE(IsUsableOutputFolder(L"C:\\Pictures"));
    EXPECT_TRUE(IsUsableOutputFolder(L" x"));
    EXPECT_FALSE(IsUsableOutputFolder(L""));
    EXPECT_FALSE(IsUsableOutputFolder(L" \t "));
}

TEST(SettingsPageRules, SliderValuesOutsideTheirRangeShowAtTheNearestEnd) {
    EXPECT_EQ(4u, ClampToRange(0, kErasorSizeRange));
    EXPECT_EQ(100u, ClampToRange(4000, kErasorSizeRange));
    EXPECT_EQ(30u, ClampToRange(0xFFFFFFFFu, kPencilWidthRange));
}

TEST(SettingsPageRules, OnlyTheEffectShapesTakeADirection) {
    EXPECT_FALSE(ShapeHasDirection(2));  // Ellipse
    EXPECT_TRUE(ShapeHasDirection(3));   // Effect Cloudy
    EXPECT_TRUE(ShapeHasDirection(8));
}

TEST(Hotkeys, ModifiersTranslateForRegistration) {
    // Shift 1 -> 4, Control 2 -> 2, Alt 4 -> 1; the extended-key bit 8 is no Windows key;
    // unknown bits are dropped.
    for (const auto& [control, system] : {std::pair{0u, 0u},
                                          {1u, 4u},
                                          {2u, 2u},
                                          {4u, 1u},
                                          {8u, 0u},
                                          {6u, 3u},
                                          {15u, 7u},
                                          {0x31u, 4u}}) {
        EXPECT_EQ(ToSystemHotkeyModifiers(control), system) << control;
    }
}

TEST(Hotkeys, ControlWordPacksKeyAndModifiers) {
    // Ctrl+F5 and Shift+F9.
    EXPECT_EQ(MakeHotkeyWord(116, 2), 0x0274u);
    EXPECT_EQ(MakeHotkeyWord(120, 1), 0x0178u);
    EXPECT_EQ(HotkeyWordKeyCode(0x0274), 116u);
    EXPECT_EQ(HotkeyWordModifiers(0x0274), 2u);
    EXPECT_EQ(HotkeyWordKeyCode(MakeHotkeyWord(0x1FF, 0x1FF)), 0xFFu);
    EXPECT_EQ(HotkeyWordModifiers(MakeHotkeyWord(0x1FF, 0x1FF)), 0xFFu);
}

TEST(JoinPath, AddsTheSeparatorOnlyWhenTheFolderLacksOne) {
    const std::wstring sep(1, kNativeSeparator);
    EXPECT_EQ(JoinPath(L"C:\\Tools", L"corvix.exe"), L"C:\\Tools" + sep + L"corvix.exe");
    EXPECT_EQ(JoinPath(L"C:\\Tools\\", L"corvix.exe"), L"C:\\Tools\\corvix.exe");
    EXPECT_EQ(JoinPath(L"C:/Tools/", L"corvix.exe"), L"C:/Tools/corvix.exe");
    EXPECT_EQ(JoinPath(L"", L"Lang"), L"Lang");
    EXPECT_EQ(JoinPath(L"C:", L""), L"C:" + sep);
}

TEST(JoinPath, InPlaceJoinFailsWithoutChangeWhenTheResultDoesNotFit) {
    wchar_t folder[12] = L"C:\\Tools";
    EXPECT_FALSE(JoinPath(folder, 12, L"abc"));  // 8 + 1 + 3 = 12 characters: no room
    EXPECT_EQ(std::wstring(folder), L"C:\\Tools");
    EXPECT_TRUE(JoinPath(folder, 12, L"ab"));  // 11 characters and the terminator
    EXPECT_EQ(std::wstring(folder), std::wstring(L"C:\\Tools") + kNativeSeparator + L"ab");
    wchar_t full[4] = {L'a', L'b', L'c', L'd'};  // not terminated
    EXPECT_FALSE(JoinPath(full, 4, L"x"));
    EXPECT_EQ(full[3], L'd');
    EXPECT_FALSE(JoinPath(nullptr, 4, L"x"));
}

}  // namespace
}  // namespace zentrova
