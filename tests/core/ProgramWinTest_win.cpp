// The resident program on Windows: the busy-cursor watchdog on a real thread and hook, and the
// menu and keyboard resources of corvix.exe as the system reads them.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "core/win/BusyCursorWatchdog.h"

namespace zentrova {
namespace {

// Runs the message-less part of a loop step: what the loop does around one slow message.
TEST(BusyCursorWatchdog, SlowMessageShowsTheWaitCursorUntilItReturns) {
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    SetCursor(arrow);
    BusyCursorWatchdog watchdog;
    ASSERT_TRUE(watchdog.Start());

    // A quick message: no wait cursor.
    watchdog.BeforeDispatch();
    Sleep(40);
    EXPECT_EQ(arrow, GetCursor());
    watchdog.AfterDispatch();
    EXPECT_EQ(arrow, GetCursor());

    // A message that takes about 300 ms: after about 5 x 25 ms the wait cursor shows; the arrow
    // comes back when the message returns.
    watchdog.BeforeDispatch();
    Sleep(300);
    EXPECT_EQ(wait, GetCursor());
    watchdog.AfterDispatch();
    EXPECT_EQ(arrow, GetCursor());
    watchdog.Stop();
}

TEST(BusyCursorWatchdog, WindowCreatedDuringTheMessageKeepsTheArrow) {
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(arrow);
    BusyCursorWatchdog watchdog;
    ASSERT_TRUE(watchdog.Start());
    watchdog.BeforeDispatch();
    Sleep(60);
    // A dialog opening: the hook sees the window being created and stops the countdown.
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    Sleep(300);
    EXPECT_EQ(arrow, GetCursor());
    watchdog.AfterDispatch();
    DestroyWindow(window);
    watchdog.Stop();
}

class CorvixResources : public ::testing::Test {
  protected:
    void SetUp() override {
        m_module = LoadLibraryExW(CLARIVUE_CORVIX_EXE, nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(nullptr, m_module) << "cannot open corvix.exe";
    }
    void TearDown() override {
        if (m_module != nullptr) {
            FreeLibrary(m_module);
        }
    }
    HMODULE m_module = nullptr;
};

TEST_F(CorvixResources, TrayMenu103) {
    HMENU menu = LoadMenuW(m_module, MAKEINTRESOURCEW(103));
    ASSERT_NE(nullptr, menu);
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_NE(nullptr, popup);
    // Command numbers in order, 0 for a separator.
    const std::vector<UINT> want = {40128, 40127, 40107, 40108, 40155, 40109, 0,    40006,
                                    0,     40152, 40151, 0,     40118, 0,     40106};
    ASSERT_EQ(static_cast<int>(want.size()), GetMenuItemCount(popup));
    for (size_t i = 0; i < want.size(); ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID;
        ASSERT_TRUE(GetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &info));
        if (want[i] == 0) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR) << "item " << i;
        } else {
            EXPECT_EQ(want[i], info.wID) << "item " << i;
        }
    }
    wchar_t text[64] = L"";
    GetMenuStringW(popup, 40107, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(L"Capture a Window\tF11", text);
    GetMenuStringW(popup, 40106, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(L"Exit", text);
    DestroyMenu(menu);
}

TEST_F(CorvixResources, AcceleratorTable101) {
    HACCEL table = LoadAcceleratorsW(m_module, MAKEINTRESOURCEW(101));
    ASSERT_NE(nullptr, table);
    ACCEL entries[64];
    const int count = CopyAcceleratorTableW(table, entries, 64);
    struct Want {
        BYTE modifiers;  // FCONTROL, FSHIFT (FVIRTKEY always set)
        WORD key;
        WORD command;
    } want[] = {
        {FCONTROL, 'C', 40032},  {0, VK_ESCAPE, 40030},        {FCONTROL, 'E', 40033},
        {0, VK_RETURN, 40031},   {FCONTROL, VK_RETURN, 40078}, {FCONTROL, 'P', 40080},
        {FCONTROL, 'D', 40038},  {FCONTROL, 'X', 40037},       {FCONTROL, 'Y', 40040},
        {0, VK_F2, 40085},       {FCONTROL, 'R', 40077},       {FCONTROL | FSHIFT, 'R', 40046},
        {FCONTROL, 'Z', 40039},  {0, VK_MULTIPLY, 40042},      {0, VK_ADD, 40041},
        {0, VK_OEM_PLUS, 40041}, {0, VK_SUBTRACT, 40043},      {0, VK_OEM_MINUS, 40043},
        {FCONTROL, '1', 40086},  {FCONTROL, '2', 40087},       {FCONTROL, 'S', 40153},
    };
    ASSERT_EQ(static_cast<int>(sizeof(want) / sizeof(want[0])), count);
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(want[i].modifiers | FVIRTKEY, entries[i].fVirt & ~0x80) << "entry " << i;
        EXPECT_EQ(want[i].key, entries[i].key) << "entry " << i;
        EXPECT_EQ(want[i].command, entries[i].cmd) << "entry " << i;
    }
    DestroyAcceleratorTable(table);
}

}  // namespace
}  // namespace zentrova
