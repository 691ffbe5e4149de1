// Hot-key pairs of the record: the control's word and the registration modifiers.
#include <gtest/gtest.h>

#include "config/Hotkeys.h"

namespace zentrova {
namespace {

TEST(Hotkeys, ModifiersTranslateForRegistration) {
    EXPECT_EQ(ToSystemHotkeyModifiers(0), 0u);
    EXPECT_EQ(ToSystemHotkeyModifiers(1), 4u);  // Shift
    EXPECT_EQ(ToSystemHotkeyModifiers(2), 2u);  // Control
    EXPECT_EQ(ToSystemHotkeyModifiers(4), 1u);  // Alt
    EXPECT_EQ(ToSystemHotkeyModifiers(8), 0u);  // extended key: no Windows key
    EXPECT_EQ(ToSystemHotkeyModifiers(6), 3u);  // Control+Alt
    EXPECT_EQ(ToSystemHotkeyModifiers(15), 7u);
    EXPECT_EQ(ToSystemHotkeyModifiers(0x31), 4u);  // unknown bits dropped
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

}  // namespace
}  // namespace zentrova
