// The control colours of a skinned dialog, on real controls in a real dialog: each message and
// control case sent through the dialog procedure, with the brush it returns and the text colour,
// background mode and background colour read back from the device context.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/ui/skin/SkinTestFolder.h"
#include "ui/skin/Skin.h"
#include "ui/skin/SkinCtlColor.h"

namespace zentrova {
namespace {

constexpr COLORREF kBack = 0x00604020;        // WindowBackColor 204060
constexpr COLORREF kEditText = 0x000C0B0A;    // MainEditTextColor 0A0B0C
constexpr COLORREF kStaticText = 0x00A0B0C0;  // MainStaticTextColor C0B0A0
// What the device context holds before each message.
constexpr COLORREF kPresetText = 0x00111111;
constexpr COLORREF kPresetBack = 0x00222222;

class FakeCtlColorSystem : public CtlColorSystem {
  public:
    bool windows2000 = false;
    bool altDown = false;
    bool IsWindows2000() const override { return windows2000; }
    bool IsAltKeyDown() const override { return altDown; }
};

// What the dialog procedure answers with.
struct DialogState {
    const Skin* skin = nullptr;
    const ZImage* background = nullptr;
    const FakeCtlColorSystem* system = nullptr;
};

INT_PTR CALLBACK SkinnedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    const auto* state = reinterpret_cast<const DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_CTLCOLORDLG:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<INT_PTR>(
                SkinCtlColor(*state->skin, dialog, message, reinterpret_cast<HDC>(wParam),
                             reinterpret_cast<HWND>(lParam), state->background, *state->system));
        default:
            return FALSE;
    }
}

// The answer to one message, read back from the device context.
struct Answer {
    HBRUSH brush;
    COLORREF text;
    int mode;
    COLORREF back;
};

class SkinCtlColorDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init = {sizeof(init), ICC_BAR_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&init));
        ASSERT_TRUE(m_folder.WriteIni(L"Ctl",
                                      "[Skin]\nWindowBackColor=204060\nMainEditTextColor=0A0B0C\n"
                                      "MainStaticTextColor=C0B0A0\n"));
        ASSERT_TRUE(m_skin.Load(L"Ctl"));
        ASSERT_NE(m_skin.GetBackgroundBrush(), nullptr);
        m_state.skin = &m_skin;
        m_state.system = &m_system;

        // An empty dialog template; the controls are created into it below.
        alignas(4) WORD dialogTemplate[32] = {};  // no menu, class, title or font
        auto* header = reinterpret_cast<DLGTEMPLATE*>(dialogTemplate);
        header->style = WS_POPUP;
        header->cx = 200;
        header->cy = 120;
        m_dialog =
            CreateDialogIndirectParamW(GetModuleHandleW(nullptr), header, nullptr,
                                       SkinnedDialogProc, reinterpret_cast<LPARAM>(&m_state));
        ASSERT_NE(m_dialog, nullptr);
        SetWindowPos(m_dialog, nullptr, 0, 0, 320, 240, SWP_NOZORDER | SWP_NOACTIVATE);

        m_edit = Child(L"Edit", ES_AUTOHSCROLL, 10, 10, 100, 20);
        m_readOnly = Child(L"Edit", ES_READONLY, 120, 10, 100, 20);
        m_list = Child(L"ListBox", LBS_NOTIFY, 10, 40, 100, 40);
        m_combo = Child(L"ComboBox", CBS_DROPDOWNLIST, 120, 40, 100, 80);
        m_trackbar = Child(TRACKBAR_CLASSW, TBS_HORZ, 10, 150, 100, 30);
        m_static = Child(L"Static", SS_LEFT, 30, 90, 60, 20);
        m_frame = Child(L"Static", SS_BLACKFRAME, 100, 90, 20, 20);
        m_group = Child(L"Button", BS_GROUPBOX, 130, 90, 80, 50);
        m_check = Child(L"Button", BS_AUTOCHECKBOX, 30, 120, 80, 20);
        m_scroll = Child(L"ScrollBar", SBS_HORZ, 120, 150, 100, 16);
        ASSERT_TRUE(m_target.Create(120, 60, 24, 0x010203, nullptr));

        // The dialog's background picture: the pixel (x, y) has red x, green y, blue 77.
        ASSERT_TRUE(m_picture.Create(320, 240, 24, 0, nullptr));
        for (uint32_t y = 0; y < 240; ++y) {
            for (uint32_t x = 0; x < 320; ++x) {
                test::SetPixel(m_picture, x, y, 77, static_cast<uint8_t>(y),
                               static_cast<uint8_t>(x));
            }
        }
    }
    void TearDown() override {
        if (m_dialog != nullptr) {
            DestroyWindow(m_dialog);
        }
    }

    HWND Child(const wchar_t* className, DWORD style, int x, int y, int w, int h) {
        HWND child = CreateWindowExW(0, className, L"Text", WS_CHILD | WS_VISIBLE | style, x, y, w,
                                     h, m_dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(child, nullptr) << "cannot create a control of the class";
        return child;
    }

    // Sends message to the dialog for control with the target's device context, preset to
    // kPresetText, kPresetBack and presetMode.
    Answer Send(UINT message, HWND control, int presetMode = OPAQUE) {
        HDC dc = m_target.GetDC();
        SetTextColor(dc, kPresetText);
        SetBkColor(dc, kPresetBack);
        SetBkMode(dc, presetMode);
        const LRESULT result = SendMessageW(m_dialog, message, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(control));
        return {reinterpret_cast<HBRUSH>(result), GetTextColor(dc), GetBkMode(dc), GetBkColor(dc)};
    }

    HBRUSH SkinBrush() const { return m_skin.GetBackgroundBrush(); }
    static HBRUSH Hollow() { return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)); }
    static HBRUSH Window() { return GetSysColorBrush(COLOR_WINDOW); }

    // True when the target's w x h top-left pixels are the background picture's at (x, y).
    bool HoldsPictureFrom(int x, int y, int w, int h) {
        m_target.FlushDrawing();
        for (int j = 0; j < h; ++j) {
            for (int i = 0; i < w; ++i) {
                const uint8_t* p = test::PixelAt(m_target, i, j);
                if (p[0] != 77 || p[1] != y + j || p[2] != x + i) {
                    ADD_FAILURE() << "pixel " << i << "," << j << " is " << int(p[2]) << ","
                                  << int(p[1]) << "," << int(p[0]);
                    return false;
                }
            }
        }
        return true;
    }
    bool TargetUntouched() {
        m_target.FlushDrawing();
        const uint8_t* p = test::PixelAt(m_target, 0, 0);
        return p[0] == 0x01 && p[1] == 0x02 && p[2] == 0x03;  // 0x010203: red 03, blue 01
    }

    test::SkinTestFolder m_folder;
    Skin m_skin{m_folder.System()};
    FakeCtlColorSystem m_system;
    DialogState m_state;
    ZImage m_target;
    ZImage m_picture;
    HWND m_dialog = nullptr;
    HWND m_edit = nullptr, m_readOnly = nullptr, m_list = nullptr, m_combo = nullptr;
    HWND m_trackbar = nullptr, m_static = nullptr, m_frame = nullptr, m_group = nullptr;
    HWND m_check = nullptr, m_scroll = nullptr;
};

void ExpectAnswer(const Answer& got, HBRUSH brush, COLORREF text, int mode, const char* what,
                  COLORREF back = kPresetBack) {
    EXPECT_EQ(got.brush, brush) << what;
    EXPECT_EQ(got.text, text) << what;
    EXPECT_EQ(got.mode, mode) << what;
    EXPECT_EQ(got.back, back) << what;
}

TEST_F(SkinCtlColorDialog, DialogAndDropDownList) {
    ExpectAnswer(Send(WM_CTLCOLORDLG, m_dialog), SkinBrush(), kEditText, TRANSPARENT, "dialog");
    ExpectAnswer(Send(WM_CTLCOLORLISTBOX, m_list), Window(), kEditText, TRANSPARENT,
                 "drop-down list");
    EXPECT_TRUE(TargetUntouched());
}

TEST_F(SkinCtlColorDialog, EditListAndComboBoxes) {
    ExpectAnswer(Send(WM_CTLCOLOREDIT, m_edit, TRANSPARENT), Window(), kEditText, OPAQUE, "edit");
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_readOnly), SkinBrush(), kEditText, TRANSPARENT,
                 "read-only edit");
    // List and combo boxes keep the device context's background mode.
    ExpectAnswer(Send(WM_CTLCOLOREDIT, m_list, TRANSPARENT), Window(), kStaticText, TRANSPARENT,
                 "list box");
    ExpectAnswer(Send(WM_CTLCOLOREDIT, m_list, OPAQUE), Window(), kStaticText, OPAQUE, "list box");
    ExpectAnswer(Send(WM_CTLCOLOREDIT, m_combo, OPAQUE), Window(), kEditText, OPAQUE, "combo box");
    // The same answers with a background picture and on Windows 2000.
    m_state.background = &m_picture;
    m_system.windows2000 = true;
    ExpectAnswer(Send(WM_CTLCOLOREDIT, m_edit), Window(), kEditText, OPAQUE, "edit (picture)");
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_readOnly), SkinBrush(), kEditText, TRANSPARENT,
                 "read-only edit (picture)");
    EXPECT_TRUE(TargetUntouched());
}

TEST_F(SkinCtlColorDialog, StaticControls) {
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_static), SkinBrush(), kStaticText, TRANSPARENT,
                 "static without picture");
    m_system.altDown = true;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_static), Hollow(), kStaticText, TRANSPARENT,
                 "static, Alt down");
    m_system.altDown = false;
    // An empty picture counts as given but not valid: on to the last step, without one.
    ZImage empty;
    m_state.background = &empty;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_static), SkinBrush(), kStaticText, TRANSPARENT,
                 "static, empty picture");
    EXPECT_TRUE(TargetUntouched());
    m_state.background = &m_picture;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_static), Hollow(), kStaticText, TRANSPARENT,
                 "static, picture");
    EXPECT_TRUE(HoldsPictureFrom(30, 90, 60, 20));
}

TEST_F(SkinCtlColorDialog, StaticOnWindows2000CopiesThePictureOnce) {
    m_system.windows2000 = true;
    m_state.background = &m_picture;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_static), Hollow(), kStaticText, TRANSPARENT,
                 "static, picture, Windows 2000");
    EXPECT_TRUE(HoldsPictureFrom(30, 90, 60, 20));
    m_state.background = nullptr;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_static), SkinBrush(), kStaticText, TRANSPARENT,
                 "static, Windows 2000");
}

TEST_F(SkinCtlColorDialog, GroupBoxesAndFramesArePaintedOpaque) {
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_group, TRANSPARENT), Hollow(), kStaticText, OPAQUE,
                 "group box", kBack);
    // A black-frame static has the same low style bits.
    m_state.background = &m_picture;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_frame, TRANSPARENT), Hollow(), kStaticText, OPAQUE,
                 "black frame", kBack);
    EXPECT_TRUE(TargetUntouched());
    m_system.windows2000 = true;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_group, TRANSPARENT), SkinBrush(), kStaticText, OPAQUE,
                 "group box, Windows 2000", kBack);
}

TEST_F(SkinCtlColorDialog, Trackbars) {
    // The text colour is set before the trackbar's own steps; the background mode is transparent.
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_trackbar), SkinBrush(), kStaticText, TRANSPARENT,
                 "trackbar");
    m_system.altDown = true;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_trackbar), SkinBrush(), kStaticText, TRANSPARENT,
                 "trackbar, Alt down, no picture");
    m_state.background = &m_picture;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_trackbar), Hollow(), kStaticText, TRANSPARENT,
                 "trackbar, Alt down, picture");
    EXPECT_TRUE(TargetUntouched());
    m_system.altDown = false;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_trackbar), Hollow(), kStaticText, TRANSPARENT,
                 "trackbar, picture");
    RECT client = {};
    GetClientRect(m_trackbar, &client);
    EXPECT_TRUE(HoldsPictureFrom(10, 150, client.right, client.bottom));
    m_system.windows2000 = true;
    m_state.background = nullptr;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_trackbar), SkinBrush(), kStaticText, TRANSPARENT,
                 "trackbar, Windows 2000");
}

TEST_F(SkinCtlColorDialog, ButtonsScrollBarsAndTheRest) {
    // Text colour untouched: only the background mode and the brush.
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_check), SkinBrush(), kPresetText, TRANSPARENT,
                 "check box");
    ExpectAnswer(Send(WM_CTLCOLORSCROLLBAR, m_scroll), SkinBrush(), kPresetText, TRANSPARENT,
                 "scroll bar");
    m_state.background = &m_picture;
    ExpectAnswer(Send(WM_CTLCOLORSCROLLBAR, m_scroll), Hollow(), kPresetText, TRANSPARENT,
                 "scroll bar, picture");
    EXPECT_TRUE(TargetUntouched()) << "nothing is copied under a scroll bar";
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_check), Hollow(), kPresetText, TRANSPARENT,
                 "check box, picture");
    EXPECT_TRUE(HoldsPictureFrom(30, 120, 80, 20));
}

TEST_F(SkinCtlColorDialog, ButtonsOnWindows2000) {
    m_system.windows2000 = true;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_check), SkinBrush(), kPresetText, TRANSPARENT,
                 "check box, no picture");
    ExpectAnswer(Send(WM_CTLCOLORSCROLLBAR, m_scroll), Hollow(), kPresetText, TRANSPARENT,
                 "scroll bar, no picture");
    ZImage empty;
    m_state.background = &empty;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_check), Hollow(), kPresetText, TRANSPARENT,
                 "check box, empty picture");
    m_state.background = &m_picture;
    ExpectAnswer(Send(WM_CTLCOLORSTATIC, m_check), Hollow(), kPresetText, TRANSPARENT,
                 "check box, picture");
    EXPECT_TRUE(TargetUntouched()) << "Windows 2000 copies nothing under buttons";
}

TEST_F(SkinCtlColorDialog, OtherMessagesAreLeftAlone) {
    HDC dc = m_target.GetDC();
    SetTextColor(dc, kPresetText);
    SetBkMode(dc, OPAQUE);
    for (const UINT message : {static_cast<UINT>(WM_CTLCOLORBTN), static_cast<UINT>(WM_PAINT)}) {
        EXPECT_EQ(SkinCtlColor(m_skin, m_dialog, message, dc, m_check, &m_picture, m_system),
                  nullptr);
    }
    EXPECT_EQ(GetTextColor(dc), kPresetText);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_TRUE(TargetUntouched());
}

TEST(SkinCtlColorHost, RunningSystemIsNotWindows2000) {
    const HostCtlColorSystem host;
    EXPECT_FALSE(host.IsWindows2000());
    EXPECT_FALSE(host.IsAltKeyDown());
}

TEST(SkinBrush, BackgroundBrushHasTheSkinColour) {
    test::SkinTestFolder folder;
    ASSERT_TRUE(folder.WriteIni(L"Brush", "[Skin]\nWindowBackColor=FF8000\n"));
    Skin skin(folder.System());
    ASSERT_TRUE(skin.Load(L"Brush"));
    LOGBRUSH logBrush = {};
    ASSERT_EQ(GetObjectW(skin.GetBackgroundBrush(), sizeof(logBrush), &logBrush),
              static_cast<int>(sizeof(logBrush)));
    EXPECT_EQ(logBrush.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(logBrush.lbColor, 0x000080FFu);
    skin.Release();
    EXPECT_EQ(skin.GetBackgroundBrush(), nullptr);
}

}  // namespace
}  // namespace zentrova
