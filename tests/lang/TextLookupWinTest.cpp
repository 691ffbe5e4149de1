// Language texts put into real controls, titles, menus and combo boxes.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "lang/LanguageStartup.h"
#include "lang/TextLookupWin.h"
#include "tests/lang/LanguageTestFolder.h"

namespace zentrova::test {
namespace {

constexpr int kLabelId = 101;
constexpr int kComboId = 102;
constexpr UINT kExitCommand = 40106;
constexpr UINT kHelpCommand = 40118;

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring MenuText(HMENU menu, UINT item, BOOL byPosition) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, item, text, 256, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    return text;
}

class TextLookupWinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        session.Start(folder.ProgramFolder(), L"de-de");
        const auto make = [](const wchar_t* cls, const wchar_t* text, DWORD style, HWND parent,
                             INT_PTR id) {
            return CreateWindowExW(0, cls, text, style, 0, 0, 100, 100, parent,
                                   reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
        };
        dialog = make(L"STATIC", L"Template title", WS_OVERLAPPEDWINDOW, nullptr, 0);
        label = make(L"STATIC", L"Template label", WS_CHILD, dialog, kLabelId);
        combo = make(L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWNLIST, dialog, kComboId);
        ASSERT_TRUE(dialog != nullptr && label != nullptr && combo != nullptr);
    }
    void TearDown() override { DestroyWindow(dialog); }

    LanguageTestFolder folder;
    LanguageSession session;
    HWND dialog = nullptr;
    HWND label = nullptr;
    HWND combo = nullptr;
};

TEST_F(TextLookupWinTest, DialogItemsAndTitles) {
    EXPECT_TRUE(SetDlgItemTextFromLanguage(session.Handle(), dialog, L"Dlg_General",
                                           L"StartWithWindows", kLabelId));
    EXPECT_EQ(WindowText(label), L"Mit Windows starten");
    // No text for the key: the control keeps its template text.
    SetWindowTextW(label, L"Template label");
    EXPECT_FALSE(SetDlgItemTextFromLanguage(session.Handle(), dialog, L"Dlg_General",
                                            L"NoSuchControl", kLabelId));
    EXPECT_EQ(WindowText(label), L"Template label");

    EXPECT_TRUE(SetWindowTitleFromLanguage(session.Handle(), dialog, L"Dlg_General"));
    EXPECT_EQ(WindowText(dialog), L"Allgemein");
    EXPECT_FALSE(SetWindowTitleFromLanguage(session.Handle(), dialog, L"Dlg_Nothing"));
    EXPECT_EQ(WindowText(dialog), L"Allgemein");
}

TEST_F(TextLookupWinTest, MenuItemsByCommandAndByPosition) {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, kExitCommand, L"E&xit");
    AppendMenuW(file, MF_STRING, kHelpCommand, L"&Help");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");

    EXPECT_TRUE(SetMenuItemFromLanguage(session.Handle(), file, L"Tray_Exit", kExitCommand));
    EXPECT_EQ(MenuText(file, kExitCommand, FALSE), L"Beenden");
    // Help is only in the default language.
    EXPECT_TRUE(SetMenuItemFromLanguage(session.Handle(), file, L"Tray_Help", kHelpCommand));
    EXPECT_EQ(MenuText(file, kHelpCommand, FALSE), L"Help");
    EXPECT_TRUE(SetMenuItemFromLanguageByPosition(session.Handle(), bar, L"File", 0));
    EXPECT_EQ(MenuText(bar, 0, TRUE), L"Datei");
    // Unknown key or item: nothing changes.
    EXPECT_FALSE(SetMenuItemFromLanguage(session.Handle(), file, L"Missing", kExitCommand));
    EXPECT_EQ(MenuText(file, kExitCommand, FALSE), L"Beenden");
    EXPECT_FALSE(SetMenuItemFromLanguage(session.Handle(), file, L"Tray_Exit", 12345));
    DestroyMenu(bar);
}

TEST_F(TextLookupWinTest, ComboFilledAndSelected) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"old item"));
    FillComboFromLanguage(session.Handle(), combo, L"Dlg_General", L"CaptureBarAlignmentCBX", 2,
                          L"Left|Top|Right|Bottom");
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
    wchar_t item[64] = {};
    SendMessageW(combo, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(std::wstring(item), L"Rechts");
    // A selected index beyond the items shows no selection.
    FillComboFromLanguage(session.Handle(), combo, L"Dlg_X", L"None", 9, L"a|b");
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
}

}  // namespace
}  // namespace zentrova::test
