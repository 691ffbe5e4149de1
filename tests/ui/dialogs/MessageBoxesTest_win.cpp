// The skinned message boxes inside the test program: formatting, texts, the owner disabled while
// a box is open, the result of each command, and the dialog duties shared by skinned dialogs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/ui/skin/SkinTestFolder.h"
#include "ui/dialogs/DialogIds.h"
#include "ui/dialogs/MessageBoxes.h"

namespace zentrova {
namespace {

// What the thread timer saw of the open box, and the command it closes the box with.
struct Seen {
    WPARAM command = IDOK;
    bool found = false;
    std::wstring title;
    std::wstring message;
    std::wstring buttons[3];
    bool ownerEnabled = true;
    bool topmost = false;
    bool timerRunning = false;
    HWND owner = nullptr;
};
Seen* g_seen = nullptr;  // the timer procedure has no context argument

std::wstring TextOf(HWND window) {
    wchar_t text[4096] = L"";
    GetWindowTextW(window, text, 4096);
    return text;
}

void CALLBACK CloseBox(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowW(L"#32770", nullptr);
    DWORD process = 0;
    if (box == nullptr || !IsWindowVisible(box) ||
        (GetWindowThreadProcessId(box, &process), process != GetCurrentProcessId())) {
        return;
    }
    KillTimer(nullptr, id);
    Seen& seen = *g_seen;
    seen.found = true;
    seen.title = TextOf(box);
    seen.message = TextOf(GetDlgItem(box, IDC_BOX_MESSAGE));
    const int ids[3] = {IDOK, IDYES, IDNO};
    for (int i = 0; i < 3; ++i) {
        HWND button = GetDlgItem(box, ids[i]);
        seen.buttons[i] = button != nullptr ? TextOf(button) : L"-";
    }
    seen.ownerEnabled = seen.owner != nullptr && IsWindowEnabled(seen.owner);
    seen.topmost = (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    // The hover timer runs: killing it succeeds (and is started again for the rest of the box).
    seen.timerRunning = KillTimer(box, kSkinnedTimerId) != FALSE;
    SetTimer(box, kSkinnedTimerId, kSkinnedTimerMs, nullptr);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(seen.command, BN_CLICKED), 0);
}

class MessageBoxesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.WriteIni(L"Box", "[Skin]\nWindowBackColor=F0F0F0\n"));
        ASSERT_TRUE(m_skin.Load(L"Box"));
        m_owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 10, 10, 100, 100,
                                  nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_owner, nullptr);
        m_seen.owner = m_owner;
        g_seen = &m_seen;
    }
    void TearDown() override {
        g_seen = nullptr;
        DestroyWindow(m_owner);
    }
    void CloseWith(WPARAM command) {
        m_seen = Seen{};
        m_seen.owner = m_owner;
        m_seen.command = command;
        SetTimer(nullptr, 0, 30, CloseBox);
    }

    test::SkinTestFolder m_folder;
    Skin m_skin{m_folder.System()};
    LanguageSession m_language;  // not started: every text is the built-in one
    SkinnedUi m_ui{m_skin, m_language};
    HWND m_owner = nullptr;
    Seen m_seen;
};

TEST_F(MessageBoxesTest, OkBoxFormatsTextAndReturnsTrueOnlyForOk) {
    CloseWith(IDOK);
    EXPECT_TRUE(ShowOkBox(m_ui, m_owner, L"File \"%ls\" number %d", L"a.bmp", 42));
    ASSERT_TRUE(m_seen.found);
    EXPECT_EQ(m_seen.title, L"Zentrova Clarivue 2.1");
    EXPECT_EQ(m_seen.message, L"File \"a.bmp\" number 42");
    EXPECT_EQ(m_seen.buttons[0], L"<Ok>Ok");
    EXPECT_EQ(m_seen.buttons[1], L"-");
    EXPECT_FALSE(m_seen.ownerEnabled);
    EXPECT_TRUE(m_seen.topmost);
    EXPECT_TRUE(m_seen.timerRunning);
    EXPECT_TRUE(IsWindowEnabled(m_owner));

    CloseWith(IDCANCEL);
    EXPECT_FALSE(ShowOkBox(m_ui, m_owner, L"Escape"));
    EXPECT_TRUE(m_seen.found);
}

TEST_F(MessageBoxesTest, OkBoxTextIsCutTo2047Characters) {
    const std::wstring part(1500, L'x');
    CloseWith(IDOK);
    EXPECT_TRUE(ShowOkBox(m_ui, m_owner, L"%ls%ls", part.c_str(), part.c_str()));
    ASSERT_TRUE(m_seen.found);
    EXPECT_EQ(m_seen.message.size(), 2047u);
    EXPECT_EQ(m_seen.message.substr(0, 1500), part);
    // Exactly 2047 characters fit.
    const std::wstring full(2047, L'y');
    CloseWith(IDOK);
    EXPECT_TRUE(ShowOkBox(m_ui, m_owner, L"%ls", full.c_str()));
    EXPECT_EQ(m_seen.message, full);
}

TEST_F(MessageBoxesTest, YesNoBoxTextsAndResults) {
    CloseWith(IDYES);
    EXPECT_TRUE(ShowYesNoBox(m_ui, m_owner, L"Question", L"Keep the capture?"));
    ASSERT_TRUE(m_seen.found);
    EXPECT_EQ(m_seen.title, L"Question");
    EXPECT_EQ(m_seen.message, L"Keep the capture?");
    EXPECT_EQ(m_seen.buttons[1], L"<Ok>Yes");
    EXPECT_EQ(m_seen.buttons[2], L"<Cancel>No");
    EXPECT_EQ(m_seen.buttons[0], L"-");
    EXPECT_FALSE(m_seen.ownerEnabled);
    EXPECT_TRUE(m_seen.topmost);

    CloseWith(IDNO);
    EXPECT_FALSE(ShowYesNoBox(m_ui, m_owner, L"Question", L"Keep the capture?"));
    EXPECT_TRUE(m_seen.found);
    CloseWith(IDCANCEL);
    EXPECT_FALSE(ShowYesNoBox(m_ui, nullptr, L"Question", L"No owner"));
    EXPECT_TRUE(m_seen.found);
    // Enter's default command is Yes.
    CloseWith(IDOK);
    EXPECT_TRUE(ShowYesNoBox(m_ui, m_owner, L"Question", L"Default"));
}

TEST_F(MessageBoxesTest, SharedDialogDuties) {
    HDC dc = GetDC(m_owner);
    INT_PTR result = 0;
    ASSERT_TRUE(HandleSkinnedDialogMessage(m_ui, m_owner, WM_CTLCOLORDLG,
                                           reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(m_owner), &result));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(result), m_skin.GetBackgroundBrush());
    // Push buttons colour themselves: WM_CTLCOLORBTN is left to the default handling.
    EXPECT_FALSE(HandleSkinnedDialogMessage(m_ui, m_owner, WM_CTLCOLORBTN,
                                            reinterpret_cast<WPARAM>(dc), 0, &result));
    ReleaseDC(m_owner, dc);
    DRAWITEMSTRUCT menu = {};
    menu.CtlType = ODT_MENU;
    EXPECT_FALSE(HandleSkinnedDialogMessage(m_ui, m_owner, WM_DRAWITEM, 0,
                                            reinterpret_cast<LPARAM>(&menu), &result));
    EXPECT_TRUE(HandleSkinnedDialogMessage(m_ui, m_owner, WM_TIMER, kSkinnedTimerId, 0, &result));
    EXPECT_FALSE(HandleSkinnedDialogMessage(m_ui, m_owner, WM_TIMER, 2, 0, &result));
    // Started with the dialog, killed with WM_DESTROY (which the dialog still handles itself).
    StartSkinnedDialog(m_owner, nullptr);
    EXPECT_FALSE(HandleSkinnedDialogMessage(m_ui, m_owner, WM_DESTROY, 0, 0, &result));
    EXPECT_FALSE(KillTimer(m_owner, kSkinnedTimerId));
    StartSkinnedDialog(m_owner, nullptr);
    EXPECT_TRUE(KillTimer(m_owner, kSkinnedTimerId));
}

}  // namespace
}  // namespace zentrova
