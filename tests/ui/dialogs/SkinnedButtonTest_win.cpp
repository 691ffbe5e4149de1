// The skinned button painter, the draw-item answer, tagging, the hover refresh and centring, in
// real windows of the Windows build.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "tests/ui/skin/SkinTestFolder.h"
#include "ui/dialogs/ButtonGeometry.h"
#include "ui/dialogs/SkinnedDialog.h"

namespace zentrova {
namespace {

using test::PixelAt;
using test::SetPixel;

// Frame piece k (0..8, row-major) of frame row r is filled with red 40 r + 20, green 25 k + 15,
// blue 99: every piece of every row has its own colour.
uint8_t PieceRed(int row) {
    return static_cast<uint8_t>(40 * row + 20);
}
uint8_t PieceGreen(int piece) {
    return static_cast<uint8_t>(25 * piece + 15);
}
constexpr uint8_t kPieceBlue = 99;

// Icons are 16 x 16; icon i is opaque with blue 10 i + 5, green 240, red 7 (its outermost ring of
// pixels transparent, so that the icon's box is seen exactly by its opaque part).
constexpr int kIcon = 16;
uint8_t IconBlue(int i) {
    return static_cast<uint8_t>(10 * i + 5);
}

constexpr COLORREF kTextDefault = RGB(0x10, 0x20, 0x30);
constexpr COLORREF kTextHilight = RGB(0x00, 0x00, 0xF0);
constexpr COLORREF kTextDisabled = RGB(0xA0, 0xA1, 0xA2);
constexpr COLORREF kTargetFill = RGB(1, 2, 3);

constexpr int kItemX = 5, kItemY = 7, kWidth = 100, kHeight = 30;

struct Box {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // inclusive, empty when right < 0
    void Add(int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
    bool Empty() const { return right < 0; }
};

bool Is(const uint8_t* p, COLORREF c) {
    return p[2] == GetRValue(c) && p[1] == GetGValue(c) && p[0] == GetBValue(c);
}

// Moves the cursor and waits until the system keeps reporting it there: Wine learns the pointer
// position from the X server, whose motion events of earlier moves may still arrive.
void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

bool CursorIs(int x, int y) {
    POINT p = {};
    return GetCursorPos(&p) && p.x == x && p.y == y;
}

bool PlaceCursor(int x, int y) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (!SetCursorPos(x, y)) {
            return false;
        }
        PumpFor(40);
        if (CursorIs(x, y)) {
            PumpFor(60);
            if (CursorIs(x, y)) {
                return true;
            }
        }
    }
    return false;
}

class SkinnedButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.WriteIni(L"Paint",
                                      "[Skin]\nWindowBackColor=F0F0F0\n"
                                      "ButtonTextColorDefault=102030\n"
                                      "ButtonTextColorHilight=0000F0\n"
                                      "ButtonTextColorDisabled=A0A1A2\n"));
        ZImage frames;
        ASSERT_TRUE(frames.Create(24, 120, 24, 0, nullptr));
        for (int row = 0; row < 5; ++row) {
            for (int y = 0; y < 24; ++y) {
                for (int x = 0; x < 24; ++x) {
                    SetPixel(frames, x, row * 24 + y, kPieceBlue, PieceGreen(y / 8 * 3 + x / 8),
                             PieceRed(row));
                }
            }
        }
        ASSERT_TRUE(m_folder.WritePng(L"Paint", L"Button", frames));
        ZImage icons;
        ASSERT_TRUE(icons.Create(19 * kIcon, kIcon, 32, 0, nullptr));
        for (int i = 0; i < 19; ++i) {
            for (int y = 1; y < kIcon - 1; ++y) {
                for (int x = 1; x < kIcon - 1; ++x) {
                    SetPixel(icons, i * kIcon + x, y, IconBlue(i), 240, 7, 255);
                }
            }
        }
        ASSERT_TRUE(m_folder.WritePng(L"Paint", L"ButtonIcons", icons));
        ASSERT_TRUE(m_skin.Load(L"Paint"));
        ASSERT_EQ(m_skin.GetIconWidth(), kIcon);

        m_parent = CreateWindowExW(0, L"STATIC", L"parent", WS_POPUP, 100, 100, 400, 300, nullptr,
                                   nullptr, nullptr, nullptr);
        ASSERT_NE(m_parent, nullptr);
        // A font without smoothing: every text pixel has the text colour exactly.
        m_font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                             DEFAULT_PITCH, L"Tahoma");
        ASSERT_NE(m_font, nullptr);
    }
    void TearDown() override {
        if (m_parent != nullptr) {
            DestroyWindow(m_parent);
        }
        if (m_font != nullptr) {
            DeleteObject(m_font);
        }
    }
    HWND MakeButton(const wchar_t* caption, DWORD extraStyle, int x = 10, int y = 10,
                    int w = kWidth, int h = kHeight) {
        HWND button = CreateWindowExW(0, L"BUTTON", caption,
                                      WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | extraStyle, x, y, w, h,
                                      m_parent, reinterpret_cast<HMENU>(10), nullptr, nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        return button;
    }
    // Paints button in state onto a fresh 120 x 50 target with the item at (kItemX, kItemY).
    void Paint(HWND button, uint32_t state, int w = kWidth, int h = kHeight) {
        ASSERT_TRUE(m_target.Create(120, 50, 24, kTargetFill, nullptr));
        const RECT item = {kItemX, kItemY, kItemX + w, kItemY + h};
        PaintSkinnedButton(m_skin, button, m_target.GetDC(), state, item);
        m_target.FlushDrawing();
    }
    const uint8_t* At(int x, int y) const { return PixelAt(m_target, kItemX + x, kItemY + y); }
    // Pixels of colour c inside the item.
    Box Find(COLORREF c, int w = kWidth, int h = kHeight) const {
        Box box;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (Is(At(x, y), c)) {
                    box.Add(x, y);
                }
            }
        }
        return box;
    }
    // Checks that piece k of row lies at its place; only pixels outside the icon and text areas
    // of a 100 x 30 button are looked at.
    void ExpectFrame(int row) {
        struct Probe {
            int x, y, k;
        };
        const Probe probes[] = {{0, 0, 0},   {7, 7, 0},   {8, 0, 1},  {50, 5, 1},  {91, 7, 1},
                                {92, 0, 2},  {99, 7, 2},  {0, 8, 3},  {2, 21, 3},  {92, 8, 5},
                                {99, 21, 5}, {0, 22, 6},  {7, 29, 6}, {30, 27, 7}, {91, 29, 7},
                                {92, 22, 8}, {99, 29, 8}, {80, 8, 4}, {91, 21, 4}};
        for (const Probe& p : probes) {
            const uint8_t* px = At(p.x, p.y);
            EXPECT_EQ(px[2], PieceRed(row)) << "row " << row << " at " << p.x << "," << p.y;
            EXPECT_EQ(px[1], PieceGreen(p.k)) << "piece " << p.k << " at " << p.x << "," << p.y;
            EXPECT_EQ(px[0], kPieceBlue) << p.x << "," << p.y;
        }
    }
    void ExpectOutsideUntouched() {
        for (int y = 0; y < 50; ++y) {
            for (int x = 0; x < 120; ++x) {
                if (x >= kItemX && x < kItemX + kWidth && y >= kItemY && y < kItemY + kHeight) {
                    continue;
                }
                ASSERT_TRUE(Is(PixelAt(m_target, x, y), kTargetFill)) << x << "," << y;
            }
        }
    }
    // The opaque 14 x 14 part of icon index must start at (x + 1, y + 1).
    void ExpectIcon(int index, int x, int y) {
        const Box box = Find(RGB(7, 240, IconBlue(index)));
        ASSERT_FALSE(box.Empty()) << "icon " << index << " not drawn";
        EXPECT_EQ(box.left, x + 1);
        EXPECT_EQ(box.top, y + 1);
        EXPECT_EQ(box.right, x + kIcon - 2);
        EXPECT_EQ(box.bottom, y + kIcon - 2);
    }

    test::SkinTestFolder m_folder;
    Skin m_skin{m_folder.System()};
    HWND m_parent = nullptr;
    HFONT m_font = nullptr;
    ZImage m_target;
};

TEST_F(SkinnedButtonTest, NormalStateFrameIconAndText) {
    HWND button = MakeButton(L"<Help>Help", 0);
    Paint(button, 0);
    ExpectOutsideUntouched();
    ExpectFrame(0);
    // y = (30 - 16) / 2 + 0 + 1 = 8, x = 3.
    ExpectIcon(7, 3, 8);
    // The text "Help" (not the tag) left-aligned from x = 24, in the default colour.
    const Box text = Find(kTextDefault);
    ASSERT_FALSE(text.Empty());
    EXPECT_GE(text.left, 24);
    EXPECT_LE(text.left, 26);
    EXPECT_LT(text.right, 24 + 40);  // four letters, not ten
    EXPECT_TRUE(Find(kTextHilight).Empty());
    EXPECT_TRUE(Find(kTextDisabled).Empty());
}

TEST_F(SkinnedButtonTest, RowsAndTextColoursPerState) {
    HWND button = MakeButton(L"<Ok>Go", 0);
    Paint(button, kButtonHover);
    ExpectFrame(1);
    EXPECT_FALSE(Find(kTextHilight).Empty());
    EXPECT_TRUE(Find(kTextDefault).Empty());
    Paint(button, kButtonFocused);
    ExpectFrame(3);
    EXPECT_FALSE(Find(kTextDefault).Empty());
    Paint(button, kButtonDefault);
    ExpectFrame(3);
    Paint(button, kButtonGrayed);
    ExpectFrame(2);
    EXPECT_FALSE(Find(kTextDefault).Empty());
}

TEST_F(SkinnedButtonTest, PressedUnderMouseMovesIconAndTextByOnePixel) {
    HWND button = MakeButton(L"<Crop>Crop", 0);
    Paint(button, kButtonHover);
    ExpectIcon(18, 3, 8);
    const Box up = Find(kTextHilight);
    Paint(button, kButtonHover | kButtonPressed);
    ExpectFrame(4);
    ExpectIcon(18, 4, 9);
    const Box down = Find(kTextHilight);
    ASSERT_FALSE(up.Empty());
    EXPECT_EQ(down.left, up.left + 1);
    EXPECT_EQ(down.top, up.top + 1);
    EXPECT_EQ(down.right, up.right + 1);
    EXPECT_EQ(down.bottom, up.bottom + 1);
}

TEST_F(SkinnedButtonTest, DisabledIconAtConstantAlpha100AndDisabledText) {
    HWND button = MakeButton(L"<Cancel>No", 0);
    Paint(button, kButtonDisabled);
    ExpectFrame(2);
    EXPECT_FALSE(Find(kTextDisabled).Empty());
    EXPECT_TRUE(Find(kTextDefault).Empty());
    // Icon 1 over the centre piece of row 2 at constant alpha 100 (opaque pixel: a' = 100).
    const uint8_t* p = At(3 + 8, 8 + 8);
    const double keep = 1.0 - 100.0 / 255.0;
    EXPECT_NEAR(p[0], IconBlue(1) * 100.0 / 255.0 + kPieceBlue * keep, 1.5);
    EXPECT_NEAR(p[1], 240 * 100.0 / 255.0 + PieceGreen(4) * keep, 1.5);
    EXPECT_NEAR(p[2], 7 * 100.0 / 255.0 + PieceRed(2) * keep, 1.5);
    // The transparent ring of the icon leaves the frame as it was.
    EXPECT_EQ(At(3, 8)[1], PieceGreen(3));
}

TEST_F(SkinnedButtonTest, TwentyPixelButtonIconAtY3AndPressed4) {
    HWND button = MakeButton(L"<Zoom>", 0, 10, 10, 60, 20);
    Paint(button, 0, 60, 20);
    const Box up = Find(RGB(7, 240, IconBlue(17)), 60, 20);
    EXPECT_EQ(up.left, 3 + 1);
    EXPECT_EQ(up.top, 3 + 1);
    Paint(button, kButtonPressed, 60, 20);
    const Box down = Find(RGB(7, 240, IconBlue(17)), 60, 20);
    EXPECT_EQ(down.left, 4 + 1);
    EXPECT_EQ(down.top, 4 + 1);
}

TEST_F(SkinnedButtonTest, TextWithoutIconIsCentred) {
    HWND button = MakeButton(L"Plain", 0);
    Paint(button, 0);
    const Box text = Find(kTextDefault);
    ASSERT_FALSE(text.Empty());
    // Centred between 2 and 98: the free space left and right differs by at most two pixels
    // (the glyph cells' side bearings).
    EXPECT_NEAR(text.left - 2, 97 - text.right, 3);
    EXPECT_NEAR(text.top, 29 - text.bottom, 3);
    EXPECT_TRUE(Find(RGB(7, 240, IconBlue(0))).Empty());
}

TEST_F(SkinnedButtonTest, MultiLineTextWrapsAndIsCentredVertically) {
    HWND button = MakeButton(L"Several words that wrap", BS_MULTILINE, 10, 10, 70, 40);
    ASSERT_TRUE(m_target.Create(120, 50, 24, kTargetFill, nullptr));
    const RECT item = {kItemX, kItemY, kItemX + 70, kItemY + 40};
    PaintSkinnedButton(m_skin, button, m_target.GetDC(), 0, item);
    m_target.FlushDrawing();
    const Box text = Find(kTextDefault, 70, 40);
    ASSERT_FALSE(text.Empty());
    // At least two lines of a 13-pixel font, centred both ways inside 2..68 and 0..40.
    EXPECT_GE(text.bottom - text.top + 1, 20);
    EXPECT_NEAR(text.top, 39 - text.bottom, 4);
    EXPECT_NEAR(text.left - 2, 67 - text.right, 6);
    // Without BS_MULTILINE the same caption stays on one line.
    SetWindowLongW(button, GWL_STYLE, GetWindowLongW(button, GWL_STYLE) & ~BS_MULTILINE);
    PaintSkinnedButton(m_skin, button, m_target.GetDC(), 0, item);
    m_target.FlushDrawing();
    const Box single = Find(kTextDefault, 70, 40);
    EXPECT_LT(single.bottom - single.top + 1, 16);
}

TEST_F(SkinnedButtonTest, DrawItemAddsDisabledAndHoverBits) {
    HWND button = MakeButton(L"<Ok>Ok", 0);
    ShowWindow(m_parent, SW_SHOWNOACTIVATE);
    ASSERT_TRUE(m_target.Create(120, 50, 24, kTargetFill, nullptr));
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = button;
    item.hDC = m_target.GetDC();
    item.rcItem = {kItemX, kItemY, kItemX + kWidth, kItemY + kHeight};
    RECT window = {};
    GetWindowRect(button, &window);

    // Cursor far away, enabled: row 0. Menus are not buttons.
    ASSERT_TRUE(PlaceCursor(window.right + 100, window.bottom + 100));
    EXPECT_EQ(OnSkinnedDrawItem(m_skin, m_parent, &item), TRUE);
    m_target.FlushDrawing();
    ExpectFrame(0);
    DRAWITEMSTRUCT menu = item;
    menu.CtlType = ODT_MENU;
    EXPECT_EQ(OnSkinnedDrawItem(m_skin, m_parent, &menu), FALSE);

    // Cursor inside: under the mouse; with ODS_SELECTED pressed.
    ASSERT_TRUE(PlaceCursor(window.left + 5, window.top + 5));
    OnSkinnedDrawItem(m_skin, m_parent, &item);
    m_target.FlushDrawing();
    ExpectFrame(1);
    item.itemState = ODS_SELECTED;
    OnSkinnedDrawItem(m_skin, m_parent, &item);
    m_target.FlushDrawing();
    ExpectFrame(4);
    ExpectIcon(0, 4, 9);

    // Disabled: row 2 even under the mouse.
    item.itemState = 0;
    EnableWindow(button, FALSE);
    OnSkinnedDrawItem(m_skin, m_parent, &item);
    m_target.FlushDrawing();
    ExpectFrame(2);
    EXPECT_FALSE(Find(kTextDisabled).Empty());
}

TEST_F(SkinnedButtonTest, SetButtonTagPutsTagInFront) {
    HWND button = MakeButton(L"Browse...", 0);
    SetButtonTag(button, 4);
    wchar_t text[400] = L"";
    GetWindowTextW(button, text, 400);
    EXPECT_EQ(std::wstring(text), L"<Browse>Browse...");
    const std::wstring longCaption(300, L'a');
    SetWindowTextW(button, longCaption.c_str());
    SetButtonTag(button, 10);
    GetWindowTextW(button, text, 400);
    EXPECT_EQ(std::wstring(text), L"<Color>" + std::wstring(239, L'a'));
}

bool HasUpdate(HWND window) {
    RECT r = {};
    return GetUpdateRect(window, &r, FALSE) != FALSE;
}

TEST_F(SkinnedButtonTest, HoverRefreshInvalidatesOwnerDrawnButtonsOnlyAfterAMove) {
    HWND drawn1 = MakeButton(L"One", 0, 0, 0, 60, 20);
    HWND drawn2 = MakeButton(L"Two", BS_MULTILINE, 0, 30, 60, 20);
    HWND plain = CreateWindowExW(0, L"BUTTON", L"Plain", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0,
                                 60, 60, 20, m_parent, nullptr, nullptr, nullptr);
    HWND check = CreateWindowExW(0, L"BUTTON", L"Check", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 0, 90,
                                 60, 20, m_parent, nullptr, nullptr, nullptr);
    ShowWindow(m_parent, SW_SHOWNOACTIVATE);
    auto validateAll = [&] {
        for (HWND w : {drawn1, drawn2, plain, check}) {
            ValidateRect(w, nullptr);
        }
    };
    HoverTracker hover;
    ASSERT_TRUE(PlaceCursor(300, 300));
    validateAll();
    OnSkinnedTimer(hover, m_parent);
    EXPECT_TRUE(HasUpdate(drawn1));
    EXPECT_TRUE(HasUpdate(drawn2));
    EXPECT_FALSE(HasUpdate(plain));
    EXPECT_FALSE(HasUpdate(check));
    validateAll();
    OnSkinnedTimer(hover, m_parent);  // the cursor stood still
    EXPECT_FALSE(HasUpdate(drawn1));
    EXPECT_FALSE(HasUpdate(drawn2));
    ASSERT_TRUE(PlaceCursor(301, 300));
    validateAll();
    OnSkinnedTimer(hover, m_parent);
    EXPECT_TRUE(HasUpdate(drawn1));
    EXPECT_FALSE(HasUpdate(plain));
}

TEST_F(SkinnedButtonTest, CenterWindowOnDesktopAndOnWindow) {
    HWND window = CreateWindowExW(0, L"STATIC", L"w", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    RECT work = {};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    ASSERT_TRUE(PlaceCursor(work.left + 10, work.top + 10));
    ASSERT_TRUE(CenterWindowOn(window, GetDesktopWindow()));
    RECT r = {};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, work.left + (work.right - work.left - 300) / 2);
    EXPECT_EQ(r.top, work.top + (work.bottom - work.top - 200) / 2);
    EXPECT_EQ(r.right - r.left, 300);

    // On a window: its middle, pushed back inside the work area near the bottom-right corner.
    SetWindowPos(m_parent, nullptr, 200, 150, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(CenterWindowOn(window, m_parent));
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 250);
    EXPECT_EQ(r.top, 200);
    SetWindowPos(m_parent, nullptr, work.right - 100, work.bottom - 50, 400, 300,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(CenterWindowOn(window, m_parent));
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right, work.right);
    EXPECT_EQ(r.bottom, work.bottom);
    DestroyWindow(window);
}

}  // namespace
}  // namespace zentrova
