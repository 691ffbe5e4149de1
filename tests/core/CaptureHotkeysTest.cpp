// The main window's hot-key registrations and matching, and the capture commands.
#include "core/win/CaptureHotkeys.h"

#include <gtest/gtest.h>

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

bool operator==(const HotkeyRegistration& a, const HotkeyRegistration& b) {
    return a.id == b.id && a.systemModifiers == b.systemModifiers && a.virtualKey == b.virtualKey;
}

TEST(HotkeyRegistrations, FactoryHotkeysRegisterKeyedPairsThenPrintScreen) {
    const std::vector<HotkeyRegistration> got = GetHotkeyRegistrations(FactoryHotkeys());
    const std::vector<HotkeyRegistration> want = {{7, kOnce | kCtrl, kF9},
                                                  {8, kOnce | kShift, kF9},
                                                  {9, kOnce, kF9},
                                                  {2, kOnce, kPrint},
                                                  {3, kOnce | kAlt, kPrint}};
    ASSERT_EQ(want.size(), got.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_TRUE(want[i] == got[i]) << "entry " << i << ": id " << got[i].id << " mods "
                                       << got[i].systemModifiers << " key " << got[i].virtualKey;
    }
}

TEST(HotkeyRegistrations, StoredModifiersAreConvertedBitByBit) {
    SettingsRecord r{};
    r.GeneralHotkeyScrollingWindowText = 'A';
    r.GeneralHotkeyScrollingWindowTextMod = 1;  // Shift
    r.GeneralHotkeyScrollingWindowWebsite = 'B';
    r.GeneralHotkeyScrollingWindowWebsiteMod = 2;  // Control
    r.GeneralHotkeySingleWindow = 'C';
    r.GeneralHotkeySingleWindowMod = 4;  // Alt
    r.GeneralHotkeyFreeRectRegion = 'D';
    r.GeneralHotkeyFreeRectRegionMod = 8;  // extended: no modifier
    r.GeneralHotkeyFixedRegion = 'E';
    r.GeneralHotkeyFixedRegionMod = 1 | 2 | 4 | 8 | 0x30;  // unknown bits are dropped
    r.GeneralHotkeyFreeStyleRegion = 'F';
    r.GeneralHotkeyFreeStyleRegionMod = 4 | 1;
    const std::vector<HotkeyRegistration> got = GetHotkeyRegistrations(r);
    const std::vector<HotkeyRegistration> want = {{6, kOnce | kShift, 'A'},
                                                  {7, kOnce | kCtrl, 'B'},
                                                  {8, kOnce | kAlt, 'C'},
                                                  {9, kOnce, 'D'},
                                                  {10, kOnce | kAlt | kCtrl | kShift, 'E'},
                                                  {11, kOnce | kAlt | kShift, 'F'}};
    ASSERT_EQ(want.size(), got.size());  // PrintScreen not watched
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_TRUE(want[i] == got[i]) << "entry " << i << ": id " << got[i].id << " mods "
                                       << got[i].systemModifiers << " key " << got[i].virtualKey;
    }
}

TEST(HotkeyRegistrations, NoKeyNoRegistration) {
    SettingsRecord r{};
    r.GeneralHotkeyFixedRegionMod = 2;  // a modifier without a key is still nothing to watch
    EXPECT_TRUE(GetHotkeyRegistrations(r).empty());
}

HotkeyDecision Decide(const SettingsRecord& r, int id, uint32_t mods, uint32_t key,
                      bool active = false, bool fullScreen = false, int* asked = nullptr) {
    return DecideHotkey(r, {id, mods, key}, active, [&] {
        if (asked != nullptr) {
            ++*asked;
        }
        return fullScreen;
    });
}

TEST(HotkeyMatching, FirstMatchInOrderWinsByKeyAndIncludedModifiers) {
    // Scrolling text on F9 alone, scrolling website on Ctrl+F9: Ctrl+F9 starts the scrolling
    // text capture, which is tested first and whose (no) modifiers are among the event's.
    SettingsRecord r{};
    r.GeneralHotkeyScrollingWindowText = kF9;
    r.GeneralHotkeyScrollingWindowWebsite = kF9;
    r.GeneralHotkeyScrollingWindowWebsiteMod = 2;
    EXPECT_EQ(CaptureMode::ScrollingText, Decide(r, 7, kCtrl, kF9).mode);
    EXPECT_TRUE(Decide(r, 7, kCtrl, kF9).start);

    // Factory keys: extra modifiers still match the first hot key whose modifiers they include;
    // the identifier of the event plays no part.
    const SettingsRecord f = FactoryHotkeys();
    EXPECT_EQ(CaptureMode::ScrollingWebsite, Decide(f, 9, kCtrl | kShift, kF9).mode);
    EXPECT_EQ(CaptureMode::SingleWindow, Decide(f, 7, kShift | kAlt, kF9).mode);
    EXPECT_EQ(CaptureMode::FreeRectangle, Decide(f, 8, kAlt | kWin, kF9).mode);
}

TEST(HotkeyMatching, OtherKeysAndKeylessHotkeysStartNothing) {
    const SettingsRecord f = FactoryHotkeys();
    EXPECT_FALSE(Decide(f, 9, 0, kF11).start);
    // Unset hot keys have key 0; an event can never bring key 0 to life.
    EXPECT_FALSE(Decide(f, 6, 0, 0).start);
    EXPECT_FALSE(Decide(f, 10, kCtrl, 0).start);
    // A configured modifier missing from the event: Shift+F11 does not match plain F11.
    SettingsRecord r{};
    r.GeneralHotkeyFixedRegion = kF11;
    r.GeneralHotkeyFixedRegionMod = 1;
    EXPECT_FALSE(Decide(r, 10, 0, kF11).start);
    EXPECT_FALSE(Decide(r, 10, kCtrl, kF11).start);
    EXPECT_EQ(CaptureMode::FixedRegion, Decide(r, 10, kShift, kF11).mode);
    EXPECT_TRUE(Decide(r, 10, kShift, kF11).start);
}

TEST(HotkeyMatching, IgnoredWhileACaptureRuns) {
    const SettingsRecord f = FactoryHotkeys();
    const HotkeyDecision d = Decide(f, 8, kShift, kF9, /*active=*/true);
    EXPECT_FALSE(d.start);
    // The first match still decides: a later hot key does not step in.
    EXPECT_EQ(CaptureMode::SingleWindow, d.mode);
}

TEST(HotkeyMatching, PrintScreenKeys) {
    const SettingsRecord f = FactoryHotkeys();
    int asked = 0;
    HotkeyDecision d = Decide(f, 2, 0, kPrint, false, false, &asked);
    EXPECT_TRUE(d.start);
    EXPECT_EQ(CaptureMode::FullDesktop, d.mode);
    EXPECT_EQ(1, asked);
    // A full-screen window in front: only the active window.
    d = Decide(f, 2, 0, kPrint, false, true, &asked);
    EXPECT_EQ(CaptureMode::ActiveWindow, d.mode);
    EXPECT_EQ(2, asked);
    // Alt+PrintScreen: the active window, without asking (asking hides the capture bar).
    d = Decide(f, 3, kAlt, kPrint, false, false, &asked);
    EXPECT_TRUE(d.start);
    EXPECT_EQ(CaptureMode::ActiveWindow, d.mode);
    EXPECT_EQ(2, asked);
}

TEST(HotkeyMatching, PrintScreenIdentifiersWithoutTheSettingAreMatchedLikeAnyKey) {
    SettingsRecord r = FactoryHotkeys();
    r.GeneralMonitorWindowsCaptureKey = 0;
    int asked = 0;
    EXPECT_FALSE(Decide(r, 2, 0, kPrint, false, true, &asked).start);
    EXPECT_EQ(0, asked);
    r.GeneralHotkeyFixedRegion = kPrint;
    const HotkeyDecision d = Decide(r, 2, 0, kPrint, false, true, &asked);
    EXPECT_TRUE(d.start);
    EXPECT_EQ(CaptureMode::FixedRegion, d.mode);
    EXPECT_EQ(0, asked);
}

TEST(CaptureCommands, ModesRegionFlagsAndIntroGroups) {
    struct Case {
        uint32_t command;
        CaptureMode mode;
        bool region;
        IntroGroup intro;
    } cases[] = {
        {40107, CaptureMode::SingleWindow, false, IntroGroup::Capture},
        {40108, CaptureMode::FreeRectangle, true, IntroGroup::Capture},
        {40109, CaptureMode::FixedRegion, false, IntroGroup::Capture},
        {40155, CaptureMode::FreeStyle, true, IntroGroup::Capture},
        {40127, CaptureMode::ScrollingWebsite, false, IntroGroup::CaptureScroll},
        {40128, CaptureMode::ScrollingText, false, IntroGroup::CaptureScroll},
    };
    for (const Case& c : cases) {
        CaptureCommand got;
        ASSERT_TRUE(GetCaptureCommand(c.command, got)) << c.command;
        EXPECT_EQ(c.mode, got.mode) << c.command;
        EXPECT_EQ(c.region, got.regionMode) << c.command;
        EXPECT_EQ(c.intro, got.intro) << c.command;
    }
    CaptureCommand untouched;
    untouched.mode = CaptureMode::ActiveWindow;
    for (uint32_t other : {40106u, 40026u, 40106u, 40110u, 40154u, 40156u, 0u}) {
        EXPECT_FALSE(GetCaptureCommand(other, untouched)) << other;
    }
    EXPECT_EQ(CaptureMode::ActiveWindow, untouched.mode);
}

TEST(CaptureCommands, IntroDueAndWhichModesStartAfterIt) {
    SettingsRecord r{};
    r.IntroWindowCaptureShow = 1;
    EXPECT_TRUE(IsIntroDue(r, IntroGroup::Capture));
    EXPECT_FALSE(IsIntroDue(r, IntroGroup::CaptureScroll));
    r.IntroWindowCaptureShow = 0;
    r.IntroWindowCaptureScrollShow = 1;
    EXPECT_FALSE(IsIntroDue(r, IntroGroup::Capture));
    EXPECT_TRUE(IsIntroDue(r, IntroGroup::CaptureScroll));

    const bool captureStarts[8] = {true, false, false, true, true, true, false, false};
    for (uint32_t m = 0; m < 8; ++m) {
        const CaptureMode mode = static_cast<CaptureMode>(m);
        EXPECT_EQ(captureStarts[m], IntroStartsMode(IntroGroup::Capture, mode)) << m;
        EXPECT_EQ(m == 1 || m == 2, IntroStartsMode(IntroGroup::CaptureScroll, mode)) << m;
    }
}

TEST(CaptureHotkeys, ClashesNameTheHolderAndTheRefused) {
    struct Case {
        const char* what;
        void (*change)(SettingsRecord&);
        std::vector<std::pair<int, int>> clashes;
    };
    const Case cases[] = {
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
        {"fixed region on Alt+PrintScreen",
         [](SettingsRecord& r) {
             r.GeneralHotkeyFixedRegion = kPrint;
             r.GeneralHotkeyFixedRegionMod = 4;
         },
         {{10, 3}}},
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
        {"same key, other modifiers: no clash",
         [](SettingsRecord& r) { r.GeneralHotkeyFreeStyleRegion = kF11; },
         {}},
    };
    for (const Case& c : cases) {
        SettingsRecord record = FactoryHotkeys();
        c.change(record);
        std::vector<std::pair<int, int>> found;
        for (const HotkeyClash& clash : FindHotkeyClashes(record)) {
            found.emplace_back(clash.holder, clash.refused);
        }
        EXPECT_EQ(found, c.clashes) << c.what;
    }
}

TEST(CaptureHotkeys, ExtendedFlagIsNoWindowsKey) {
    SettingsRecord record = FactoryHotkeys();
    record.GeneralMonitorWindowsCaptureKey = 0;
    record.GeneralHotkeySingleWindow = kF11;
    record.GeneralHotkeySingleWindowMod = 2 | 8;  // the control's flags of Ctrl+F11
    const std::vector<HotkeyRegistration> registrations = GetHotkeyRegistrations(record);
    ASSERT_EQ(registrations.size(), 3u);
    EXPECT_EQ(registrations[1].id, 8);
    EXPECT_EQ(registrations[1].systemModifiers, kCtrl | kOnce);
    // Ctrl+F11 pressed starts it: the Windows key is not asked for.
    const HotkeyDecision decision = DecideHotkey(record, {8, kCtrl, kF11}, false, nullptr);
    EXPECT_TRUE(decision.start);
    EXPECT_EQ(decision.mode, CaptureMode::SingleWindow);
}

TEST(CaptureHotkeys, HolderOfARefusedRegistration) {
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
