// The main window's hot-key registrations and matching, and the capture commands.
#include "core/win/CaptureHotkeys.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace zentrova {
namespace {

constexpr uint32_t kF9 = 120;
constexpr uint32_t kF11 = 122;
constexpr uint32_t kPrint = 44;
// System modifiers of WM_HOTKEY.
constexpr uint32_t kAlt = 1, kCtrl = 2, kShift = 4, kWin = 8;
// Every registration asks for no repeats (MOD_NOREPEAT).
constexpr uint32_t kOnce = 0x4000;

// The hot keys as a fresh installation has them: website Ctrl+F9, single window Shift+F9,
// free rectangle F9, the others without a key; PrintScreen watched.
SettingsRecord FactoryHotkeys() {
    SettingsRecord r{};
    r.GeneralMonitorWindowsCaptureKey = 1;
    r.GeneralHotkeyScrollingWindowWebsite = kF9;
    r.GeneralHotkeyScrollingWindowWebsiteMod = 2;
    r.GeneralHotkeySingleWindow = kF9;
    r.GeneralHotkeySingleWindowMod = 1;
    r.GeneralHotkeyFreeRectRegion = kF9;
    return r;
}

TEST(HotkeyRegistrations, FactoryHotkeysRegisterKeyedPairsThenPrintScreen) {
    using Entry = std::tuple<int, uint32_t, uint32_t>;  // id, system modifiers, key
    std::vector<Entry> got;
    for (const HotkeyRegistration& r : GetHotkeyRegistrations(FactoryHotkeys())) {
        got.emplace_back(r.id, r.systemModifiers, r.virtualKey);
    }
    EXPECT_EQ(got, (std::vector<Entry>{{7, kOnce | kCtrl, kF9},
                                       {8, kOnce | kShift, kF9},
                                       {9, kOnce, kF9},
                                       {2, kOnce, kPrint},
                                       {3, kOnce | kAlt, kPrint}}));
    SettingsRecord r{};
    r.GeneralHotkeyFixedRegionMod = 2;  // a modifier without a key is still nothing to watch
    EXPECT_TRUE(GetHotkeyRegistrations(r).empty());
}

// Whether the event starts a capture, and of which mode.
std::pair<bool, CaptureMode> Decide(const SettingsRecord& r, int id, uint32_t mods, uint32_t key,
                                    bool fullScreen = false, int* asked = nullptr) {
    int none = 0;
    int& count = asked != nullptr ? *asked : none;
    const HotkeyDecision d =
        DecideHotkey(r, {id, mods, key}, false, [&] { return ++count, fullScreen; });
    return {d.start, d.mode};
}
constexpr bool kStarts = true;

TEST(HotkeyMatching, FirstMatchInOrderWinsByKeyAndIncludedModifiers) {
    // Scrolling text on F9 alone, scrolling website on Ctrl+F9: Ctrl+F9 starts the scrolling
    // text capture, which is tested first and whose (no) modifiers are among the event's.
    SettingsRecord r{};
    r.GeneralHotkeyScrollingWindowText = kF9;
    r.GeneralHotkeyScrollingWindowWebsite = kF9;
    r.GeneralHotkeyScrollingWindowWebsiteMod = 2;
    EXPECT_EQ(Decide(r, 7, kCtrl, kF9), std::pair(kStarts, CaptureMode::ScrollingText));

    // Factory keys: extra modifiers still match the first hot key whose modifiers they include;
    // the identifier of the event plays no part.
    const SettingsRecord f = FactoryHotkeys();
    EXPECT_EQ(Decide(f, 9, kCtrl | kShift, kF9), std::pair(kStarts, CaptureMode::ScrollingWebsite));
    EXPECT_EQ(Decide(f, 8, kAlt | kWin, kF9), std::pair(kStarts, CaptureMode::FreeRectangle));
}

TEST(HotkeyMatching, OtherKeysAndKeylessHotkeysStartNothing) {
    const SettingsRecord f = FactoryHotkeys();
    EXPECT_FALSE(Decide(f, 9, 0, kF11).first);
    // Unset hot keys have key 0; an event can never bring key 0 to life.
    EXPECT_FALSE(Decide(f, 10, kCtrl, 0).first);
    // A configured modifier missing from the event: Shift+F11 does not match plain F11.
    SettingsRecord r{};
    r.GeneralHotkeyFixedRegion = kF11;
    r.GeneralHotkeyFixedRegionMod = 1;
    EXPECT_FALSE(Decide(r, 10, 0, kF11).first);
    EXPECT_EQ(Decide(r, 10, kShift, kF11), std::pair(kStarts, CaptureMode::FixedRegion));
}

TEST(HotkeyMatching, PrintScreenKeys) {
    const SettingsRecord f = FactoryHotkeys();
    int asked = 0;
    EXPECT_EQ(Decide(f, 2, 0, kPrint, false, &asked), std::pair(kStarts, CaptureMode::FullDesktop));
    EXPECT_EQ(1, asked);
    // A full-screen window in front: only the active window.
    EXPECT_EQ(Decide(f, 2, 0, kPrint, true, &asked), std::pair(kStarts, CaptureMode::ActiveWindow));
    EXPECT_EQ(2, asked);
    // Alt+PrintScreen: the active window, without asking (asking hides the capture bar).
    EXPECT_EQ(Decide(f, 3, kAlt, kPrint, false, &asked),
              std::pair(kStarts, CaptureMode::ActiveWindow));
    // Without the setting PrintScreen's identifiers are matched like any key.
    SettingsRecord r = FactoryHotkeys();
    r.GeneralMonitorWindowsCaptureKey = 0;
    EXPECT_FALSE(Decide(r, 2, 0, kPrint, true, &asked).first);
    r.GeneralHotkeyFixedRegion = kPrint;
    EXPECT_EQ(Decide(r, 2, 0, kPrint, true, &asked), std::pair(kStarts, CaptureMode::FixedRegion));
    EXPECT_EQ(2, asked);
}

TEST(CaptureHotkeys, ClashesAndHoldersNameTheHolderAndTheRefused) {
    const struct {
        const char* what;
        void (*change)(SettingsRecord&);
        std::vector<std::pair<int, int>> clashes;
    } cases[] = {
        {"factory keys: none", [](SettingsRecord&) {}, {}},
        {"scrolling text on Shift+F9, as the single window",
         [](SettingsRecord& r) {
             r.GeneralHotkeyScrollingWindowText = kF9;
             r.GeneralHotkeyScrollingWindowTextMod = 1;
         },
         {{6, 8}}},
        {"fixed region on PrintScreen",
         [](SettingsRecord& r) { r.GeneralHotkeyFixedRegion = kPrint; },
         {{10, 2}}},
        {"PrintScreen not watched: no clash with it",
         [](SettingsRecord& r) {
             r.GeneralHotkeyFixedRegion = kPrint;
             r.GeneralMonitorWindowsCaptureKey = 0;
         },
         {}},
        {"three on F9: both later ones refused by the first",
         [](SettingsRecord& r) {
             r.GeneralHotkeySingleWindowMod = 0;
             r.GeneralHotkeyFreeStyleRegion = kF9;
         },
         {{8, 9}, {8, 11}}},
        {"the extended flag makes no other combination",
         [](SettingsRecord& r) { r.GeneralHotkeyFreeRectRegionMod = 1 | 8; },
         {{8, 9}}},
    };
    for (const auto& c : cases) {
        SettingsRecord record = FactoryHotkeys();
        c.change(record);
        std::vector<std::pair<int, int>> found;
        for (const HotkeyClash& clash : FindHotkeyClashes(record)) {
            found.emplace_back(clash.holder, clash.refused);
        }
        EXPECT_EQ(found, c.clashes) << c.what;
    }
    // The holder of a refused registration.
    SettingsRecord record = FactoryHotkeys();
    record.GeneralHotkeyFixedRegion = kPrint;  // PrintScreen, as the watched key 2
    record.GeneralHotkeyScrollingWindowText = kF9;
    record.GeneralHotkeyScrollingWindowTextMod = 2;  // Ctrl+F9, as the website (7)
    EXPECT_EQ(FindHotkeyHolder(record, 7), 6);       // 6 is registered first
    EXPECT_EQ(FindHotkeyHolder(record, 2), 10);      // the fixed region took PrintScreen
    EXPECT_EQ(FindHotkeyHolder(record, 8), 0);       // Shift+F9 refused: another program
    EXPECT_EQ(FindHotkeyHolder(record, 3), 0);
}

}  // namespace
}  // namespace zentrova
