// CButtonBar's windows in the Wine desktop: class names, styles, placement, fades, painted cells,
// the tooltip and the commands posted to the owner. The cursor is placed with SetCursorPos; the
// window test buttonbar_test.sh drives the bar with real input.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "ui/buttonbar/ButtonBar.h"

namespace zentrova {
namespace {

constexpr int kCellW = 20, kCellH = 16, kCount = 3;
constexpr uint32_t kCommands[kCount] = {40128, 0x12345, 40084};

// The colour of image cell (button, state): one colour per cell.
COLORREF CellColour(int button, int state) {
    return RGB(30 + 60 * button, 40 + 70 * state, 200 - 50 * button);
}

// A 24-bit picture of kCount x 3 cells, states in rows (or columns), each cell one colour.
void MakeImage(ZImage& image, bool statesInColumns) {
    const int w = statesInColumns ? 3 * kCellW : kCount * kCellW;
    const int h = statesInColumns ? kCount * kCellH : 3 * kCellH;
    ASSERT_TRUE(image.Create(w, h, 24, 0, nullptr));
    for (int b = 0; b < kCount; ++b) {
        for (int s = 0; s < 3; ++s) {
            const int x = statesInColumns ? s * kCellW : b * kCellW;
            const int y = statesInColumns ? b * kCellH : s * kCellH;
            image.FillRect(x, y, kCellW, kCellH, CellColour(b, s));
        }
    }
}

struct Owner {
    HWND hwnd = nullptr;
    std::vector<std::pair<WPARAM, LPARAM>> commands;
};

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_COMMAND && owner != nullptr) {
        owner->commands.emplace_back(wParam, lParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Dispatches messages until done() or ms have passed; the result of done().
bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
    const DWORD start = GetTickCount();
    MSG message{};
    while (!done()) {
        if (GetTickCount() - start > ms) {
            return false;
        }
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
    return true;
}

void Pump(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

// Moves the cursor and lets the desktop settle. Wine reports moves through the X server, where
// a motion event of an earlier move can still arrive: the move is repeated until the position
// holds over two looks 50 ms apart.
bool MoveCursor(int x, int y) {
    const auto there = [x, y] {
        POINT p{};
        GetCursorPos(&p);
        return p.x == x && p.y == y;
    };
    for (int attempt = 0; attempt < 20; ++attempt) {
        SetCursorPos(x, y);
        Pump(50);
        if (there()) {
            Pump(50);
            if (there()) {
                return true;
            }
        }
    }
    return false;
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

class ButtonBarWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
        ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
        WNDCLASSW cls{};
        cls.lpfnWndProc = OwnerProc;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"ButtonBarTestOwner";
        RegisterClassW(&cls);
        m_owner.hwnd = CreateWindowExW(0, L"ButtonBarTestOwner", L"owner", WS_POPUP, 0, 0, 0, 0,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_owner.hwnd, nullptr);
        SetWindowLongPtrW(m_owner.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&m_owner));
        ASSERT_TRUE(MoveCursor(600, 500));
    }
    void TearDown() override {
        m_bar.Destroy();
        DestroyWindow(m_owner.hwnd);
        UnregisterClassW(L"ButtonBarTestOwner", GetModuleHandleW(nullptr));
    }
    bool CreateBar(uint32_t alignment, bool autoHide, bool startShown, bool columns = false) {
        ZImage image;
        MakeImage(image, columns);
        return m_bar.Create(m_owner.hwnd, GetModuleHandleW(nullptr), RGB(0x1E, 0x88, 0xE5),
                            RGB(0x0D, 0x2B, 0x45), RGB(255, 255, 255), alignment, true, startShown,
                            autoHide, kCount, kCommands, L"First|Second|Third", image, columns);
    }
    bool WaitFadeInDone() {
        return PumpUntil(
            [this] { return m_bar.GetFade() == FadeDirection::None && m_bar.GetAlpha() == 255; },
            3000);
    }

    Owner m_owner;
    CButtonBar m_bar;
};

TEST_F(ButtonBarWindow, EveryObjectHasItsOwnClasses) {
    CButtonBar other;
    const std::wstring& a = m_bar.GetBarClassName();
    ASSERT_EQ(a.size(), std::wcslen(L"_zedCButtonBar-") + 36);
    EXPECT_EQ(a.compare(0, 15, L"_zedCButtonBar-"), 0);
    EXPECT_EQ(m_bar.GetTooltipClassName(),
              L"_zedCButtonBarTooltip-" + a.substr(std::wcslen(L"_zedCButtonBar-")));
    EXPECT_NE(other.GetBarClassName(), a);

    ASSERT_TRUE(CreateBar(0, false, false));
    // Both bars of different objects exist side by side.
    ZImage image;
    MakeImage(image, false);
    ASSERT_TRUE(other.Create(m_owner.hwnd, GetModuleHandleW(nullptr), 0, 0, 0, 2, false, false,
                             false, kCount, kCommands, L"x", image, false));
    HWND bar = m_bar.GetWindow();
    wchar_t text[300] = {};
    GetClassNameW(bar, text, 300);
    EXPECT_EQ(a, text);
    GetWindowTextW(bar, text, 300);
    EXPECT_EQ(a, text);
    GetClassNameW(m_bar.GetTooltipWindow(), text, 300);
    EXPECT_EQ(m_bar.GetTooltipClassName(), text);

    EXPECT_EQ(GetWindowLongW(bar, GWL_STYLE) & (WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN),
              static_cast<LONG>(WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
    EXPECT_EQ(GetWindowLongW(bar, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
    const LONG ex = GetWindowLongW(bar, GWL_EXSTYLE);
    EXPECT_NE(ex & WS_EX_TOPMOST, 0);
    EXPECT_NE(ex & WS_EX_LAYERED, 0);
    EXPECT_EQ(GetWindow(bar, GW_OWNER), m_owner.hwnd);
    EXPECT_EQ(GetClassLongW(bar, GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW),
              static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_FALSE(IsWindowVisible(m_bar.GetTooltipWindow()));

    // Destroy unregisters both classes; a new Create registers them again.
    const std::wstring barClass = a;
    const std::wstring tipClass = m_bar.GetTooltipClassName();
    EXPECT_TRUE(m_bar.Destroy());
    WNDCLASSEXW info{};
    info.cbSize = sizeof(info);
    EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), barClass.c_str(), &info));
    EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), tipClass.c_str(), &info));
    EXPECT_FALSE(m_bar.IsCreated());
    EXPECT_EQ(m_bar.GetWindow(), nullptr);
    ASSERT_TRUE(CreateBar(1, false, false));
    EXPECT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), barClass.c_str(), &info));
}

TEST_F(ButtonBarWindow, RefusesWhatCannotBeABar) {
    ZImage image;
    MakeImage(image, false);
    ZImage empty;
    HINSTANCE inst = GetModuleHandleW(nullptr);
    EXPECT_FALSE(m_bar.Create(m_owner.hwnd, inst, 0, 0, 0, 0, true, false, true, 0, kCommands, L"",
                              image, false));
    EXPECT_FALSE(m_bar.Create(m_owner.hwnd, inst, 0, 0, 0, 4, true, false, true, kCount, kCommands,
                              L"", image, false));
    EXPECT_FALSE(m_bar.Create(m_owner.hwnd, inst, 0, 0, 0, 0, true, false, true, kCount, kCommands,
                              L"", empty, false));
    // 60 pixels cannot hold 61 buttons.
    static const uint32_t many[61] = {};
    EXPECT_FALSE(m_bar.Create(m_owner.hwnd, inst, 0, 0, 0, 0, true, false, true, 61, many, L"",
                              image, false));
    EXPECT_FALSE(m_bar.IsCreated());
    EXPECT_EQ(m_bar.GetWindow(), nullptr);
}

// Shown (no auto-hide) at each edge: full size, fading in to 255, buttons painted in state 0.
TEST_F(ButtonBarWindow, ShownAtEachEdgeWithItsCells) {
    struct Edge {
        uint32_t alignment;
        RECT rect;
    };
    // 3 cells of 20 x 16: 48 high stacked (384 - 24 = 360), 60 wide side by side (512 - 30).
    const Edge edges[] = {{0, {0, 360, 20, 408}},
                          {1, {482, 0, 542, 16}},
                          {2, {1004, 360, 1024, 408}},
                          {3, {482, 752, 542, 768}}};
    for (const Edge& e : edges) {
        SCOPED_TRACE(e.alignment);
        ASSERT_TRUE(CreateBar(e.alignment, false, false));
        EXPECT_EQ(m_bar.GetFade(), FadeDirection::In);
        EXPECT_LT(m_bar.GetAlpha(), 255);
        EXPECT_FALSE(m_bar.IsHidden());
        const RECT r = WindowRect(m_bar.GetWindow());
        EXPECT_EQ(r.left, e.rect.left);
        EXPECT_EQ(r.top, e.rect.top);
        EXPECT_EQ(r.right, e.rect.right);
        EXPECT_EQ(r.bottom, e.rect.bottom);
        EXPECT_TRUE(IsWindowVisible(m_bar.GetWindow()));
        ASSERT_TRUE(WaitFadeInDone());
        Pump(100);
        const bool vertical = e.alignment == 0 || e.alignment == 2;
        for (int b = 0; b < kCount; ++b) {
            const int x = e.rect.left + (vertical ? 0 : b * kCellW) + kCellW / 2;
            const int y = e.rect.top + (vertical ? b * kCellH : 0) + kCellH / 2;
            EXPECT_EQ(ScreenPixel(x, y), CellColour(b, 0)) << "button " << b;
        }
    }
}

// Hover and pressed cells under the cursor, the tooltip beside the bar, and the commands: the
// low 16 bits of the identifier, lParam 1 for the right button.
TEST_F(ButtonBarWindow, HoverPressTooltipAndCommands) {
    ASSERT_TRUE(CreateBar(0, false, false, true));  // left edge, states in columns
    ASSERT_TRUE(WaitFadeInDone());
    // Button 1 spans y 376..391 at x 0..19.
    ASSERT_TRUE(MoveCursor(10, 380));
    SendMessageW(m_bar.GetWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 20));
    ASSERT_TRUE(
        PumpUntil([this] { return IsWindowVisible(m_bar.GetTooltipWindow()) != FALSE; }, 1000));
    Pump(100);
    EXPECT_EQ(ScreenPixel(10, 383), CellColour(1, 1));
    EXPECT_EQ(ScreenPixel(10, 365), CellColour(0, 0));
    EXPECT_TRUE(m_bar.IsTooltipShown());
    EXPECT_EQ(m_bar.GetTooltipText(), L"Second");
    wchar_t text[64] = {};
    GetWindowTextW(m_bar.GetTooltipWindow(), text, 64);
    EXPECT_STREQ(text, L"Second");
    const RECT tip = WindowRect(m_bar.GetTooltipWindow());
    EXPECT_EQ(tip.left, 20);  // the bar's right edge
    EXPECT_EQ(tip.top, 380);  // the cursor's y
    EXPECT_GT(tip.right - tip.left, 20);
    EXPECT_GT(tip.bottom - tip.top, 6);

    // An up without a down over the bar posts nothing.
    SendMessageW(m_bar.GetWindow(), WM_LBUTTONUP, 0, MAKELPARAM(10, 20));
    Pump(50);
    EXPECT_TRUE(m_owner.commands.empty());

    SendMessageW(m_bar.GetWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
    EXPECT_TRUE(m_bar.IsPressed());
    Pump(80);
    EXPECT_EQ(ScreenPixel(10, 383), CellColour(1, 2));
    SendMessageW(m_bar.GetWindow(), WM_LBUTTONUP, 0, MAKELPARAM(10, 20));
    EXPECT_FALSE(m_bar.IsPressed());
    ASSERT_TRUE(PumpUntil([this] { return m_owner.commands.size() == 1; }, 1000));
    EXPECT_EQ(m_owner.commands[0].first, static_cast<WPARAM>(0x2345));
    EXPECT_EQ(m_owner.commands[0].second, 0);

    // Right button on button 2 (y 392..407); the tooltip follows.
    ASSERT_TRUE(MoveCursor(5, 400));
    SendMessageW(m_bar.GetWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 40));
    EXPECT_EQ(m_bar.GetTooltipText(), L"Third");
    EXPECT_EQ(WindowRect(m_bar.GetTooltipWindow()).top, 400);
    SendMessageW(m_bar.GetWindow(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 40));
    SendMessageW(m_bar.GetWindow(), WM_RBUTTONUP, 0, MAKELPARAM(5, 40));
    ASSERT_TRUE(PumpUntil([this] { return m_owner.commands.size() == 2; }, 1000));
    EXPECT_EQ(m_owner.commands[1].first, static_cast<WPARAM>(40084));
    EXPECT_EQ(m_owner.commands[1].second, 1);

    // Cursor away from a bar without auto-hide: tooltip hidden at the next tick, bar stays.
    ASSERT_TRUE(MoveCursor(600, 500));
    ASSERT_TRUE(PumpUntil([this] { return !IsWindowVisible(m_bar.GetTooltipWindow()); }, 1000));
    EXPECT_FALSE(m_bar.IsTooltipShown());
    EXPECT_FALSE(m_bar.IsHidden());
    Pump(100);
    EXPECT_EQ(ScreenPixel(10, 383), CellColour(1, 0));
}

// Auto-hide: collapsed at start as an opaque strip in the hidden colour; the cursor on the strip
// expands it and fades it in; off the bar it fades out and collapses again.
TEST_F(ButtonBarWindow, AutoHideCollapsesAndExpands) {
    ASSERT_TRUE(CreateBar(3, true, false));  // bottom edge
    EXPECT_TRUE(m_bar.IsHidden());
    EXPECT_TRUE(m_bar.IsCollapsed());
    EXPECT_EQ(m_bar.GetAlpha(), 255);
    RECT r = WindowRect(m_bar.GetWindow());
    EXPECT_EQ(r.left, 482);
    EXPECT_EQ(r.top, 764);
    EXPECT_EQ(r.right, 542);
    EXPECT_EQ(r.bottom, 768);
    Pump(150);
    // The strip: a black frame (the default pen) around the hidden colour.
    EXPECT_EQ(ScreenPixel(500, 765), RGB(0x1E, 0x88, 0xE5));
    EXPECT_EQ(ScreenPixel(500, 764), RGB(0, 0, 0));
    EXPECT_EQ(ScreenPixel(482, 766), RGB(0, 0, 0));

    // The move is repeated should a late motion event of the X server undo it.
    ASSERT_TRUE(PumpUntil(
        [this] {
            POINT p{};
            GetCursorPos(&p);
            if (p.x != 500 || p.y != 766) {
                SetCursorPos(500, 766);
            }
            return !m_bar.IsCollapsed();
        },
        2000));
    EXPECT_FALSE(m_bar.IsHidden());
    EXPECT_EQ(m_bar.GetFade(), FadeDirection::In);
    r = WindowRect(m_bar.GetWindow());
    EXPECT_EQ(r.top, 752);
    const DWORD expanded = GetTickCount();
    ASSERT_TRUE(WaitFadeInDone());
    EXPECT_GE(GetTickCount() - expanded, 280u);  // alpha reaches 255 only after 300 ms
    EXPECT_TRUE(m_bar.IsTooltipShown());
    EXPECT_EQ(m_bar.GetTooltipText(), L"First");

    SetCursorPos(600, 400);
    ASSERT_TRUE(PumpUntil([this] { return m_bar.GetFade() == FadeDirection::Out; }, 1000));
    EXPECT_TRUE(m_bar.IsHidden());
    EXPECT_FALSE(m_bar.IsCollapsed());  // full size until the fade ends
    EXPECT_FALSE(m_bar.IsTooltipShown());
    ASSERT_TRUE(PumpUntil([this] { return m_bar.IsCollapsed(); }, 2000));
    EXPECT_EQ(m_bar.GetFade(), FadeDirection::None);
    EXPECT_EQ(m_bar.GetAlpha(), 255);
    EXPECT_EQ(WindowRect(m_bar.GetWindow()).top, 764);
}

// True when window a lies above window b in the z-order.
bool IsAbove(HWND a, HWND b) {
    for (HWND w = GetWindow(b, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
        if (w == a) {
            return true;
        }
    }
    return false;
}

// Keep-on-top: a visible window of this program that is active may cover the bar; once the bar
// itself (or another program) is active, the next tick puts the bar back on top.
TEST_F(ButtonBarWindow, KeepOnTopYieldsOnlyToOwnVisibleWindows) {
    ASSERT_TRUE(CreateBar(1, false, false));
    ASSERT_TRUE(WaitFadeInDone());
    HWND cover = CreateWindowExW(WS_EX_TOPMOST, L"ButtonBarTestOwner", L"cover", WS_POPUP, 400, 0,
                                 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(cover, nullptr);
    ShowWindow(cover, SW_SHOW);
    SetForegroundWindow(cover);
    SetActiveWindow(cover);
    Pump(50);
    ASSERT_EQ(GetForegroundWindow(), cover);
    ASSERT_TRUE(IsAbove(cover, m_bar.GetWindow()));
    // Several ticks later the active, visible window of this program still covers the bar.
    Pump(350);
    EXPECT_TRUE(IsAbove(cover, m_bar.GetWindow()));

    // The bar itself active (as after a click on it): back on top at the next tick.
    SetWindowPos(cover, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetForegroundWindow(m_bar.GetWindow());
    EXPECT_TRUE(PumpUntil([&] { return IsAbove(m_bar.GetWindow(), cover); }, 1000));
    DestroyWindow(cover);
}

// Owned windows die with their owner: the bar then forgets its handles, and Destroy still
// unregisters the classes.
TEST_F(ButtonBarWindow, OwnerDestroyedFirst) {
    ASSERT_TRUE(CreateBar(2, true, false));
    const std::wstring barClass = m_bar.GetBarClassName();
    DestroyWindow(m_owner.hwnd);
    EXPECT_EQ(m_bar.GetWindow(), nullptr);
    EXPECT_EQ(m_bar.GetTooltipWindow(), nullptr);
    EXPECT_TRUE(m_bar.Destroy());
    WNDCLASSEXW info{};
    info.cbSize = sizeof(info);
    EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), barClass.c_str(), &info));
    m_owner.hwnd = nullptr;
}

}  // namespace
}  // namespace zentrova
