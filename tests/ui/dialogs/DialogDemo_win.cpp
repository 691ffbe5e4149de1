// ui_probe.exe dialog: shows the skinned dialogs for the window test (dialogs_window_test.sh).
//
//   ui_probe dialog PROGRAM_DIR LANG_DIR_PARENT SKIN LANGUAGE MODE
//
// PROGRAM_DIR holds the "Skins" folder, LANG_DIR_PARENT the "Lang" folder. MODE:
//   buttons  the demo dialog "DEMODLG" with tagged, disabled and plain buttons; a
//            click on a button ends it with the button's identifier as exit code;
//   okbox    ShowOkBox; exit code 1 for OK, 0 otherwise;
//   yesno    ShowYesNoBox; exit code 1 for Yes, 0 otherwise.
// Once the dialog is up the program prints the screen rectangle of every button as
//   "button ID LEFT TOP RIGHT BOTTOM CAPTION" (other controls as "control ..."), its own
// rectangle and caption as "dialog ...", "topmost=0|1", and then "ready".
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "core/WideText.h"
#include "lang/LanguageStartup.h"
#include "lang/TextLookupWin.h"
#include "tests/config/FakeSystemInfo.h"
#include "tests/ui/dialogs/DemoIds.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/dialogs/SkinnedDialog.h"
#include "tests/ui/UiProbe.h"

namespace zentrova {
namespace {

std::string Utf8Text(HWND window) {
    wchar_t text[2048] = L"";
    GetWindowTextW(window, text, 2048);
    return ToUtf8(text);
}

BOOL CALLBACK PrintControl(HWND child, LPARAM) {
    wchar_t className[16] = L"";
    GetClassNameW(child, className, 16);
    RECT r = {};
    GetWindowRect(child, &r);
    const bool button = _wcsicmp(className, L"BUTTON") == 0;
    std::printf("%s %d %ld %ld %ld %ld %s\n", button ? "button" : "control", GetDlgCtrlID(child),
                r.left, r.top, r.right, r.bottom, Utf8Text(child).c_str());
    return TRUE;
}

void ReportDialog(HWND dialog) {
    RECT r = {};
    GetWindowRect(dialog, &r);
    std::printf("dialog %ld %ld %ld %ld %s\n", r.left, r.top, r.right, r.bottom,
                Utf8Text(dialog).c_str());
    std::printf("topmost=%d\n", (GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
    EnumChildWindows(dialog, PrintControl, 0);
    std::printf("ready\n");
}

// The dialogs are modal: a thread timer finds the dialog once it is up.
void CALLBACK FindBox(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowW(L"#32770", nullptr);
    DWORD process = 0;
    if (box != nullptr && IsWindowVisible(box) &&
        (GetWindowThreadProcessId(box, &process), process == GetCurrentProcessId())) {
        KillTimer(nullptr, id);
        ReportDialog(box);
    }
}

INT_PTR CALLBACK DemoProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        StartSkinnedDialog(dialog, nullptr);
        SetButtonTag(GetDlgItem(dialog, IDC_DEMO_NORMAL), kTagOk);
        SetButtonTag(GetDlgItem(dialog, IDC_DEMO_DISABLED), kTagCancel);
        SetButtonTag(GetDlgItem(dialog, IDC_DEMO_HOVER), kTagHelp);
        EnableWindow(GetDlgItem(dialog, IDC_DEMO_DISABLED), FALSE);
        SetFocus(GetDlgItem(dialog, IDC_DEMO_NORMAL));
        return FALSE;  // the focus is set
    }
    const auto* ui = reinterpret_cast<const SkinnedUi*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (ui == nullptr) {
        return FALSE;
    }
    INT_PTR result = 0;
    if (HandleSkinnedDialogMessage(*ui, dialog, message, wParam, lParam, &result)) {
        return result;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

int Run(int argc, wchar_t** argv) {
    if (argc < 6) {
        return 100;
    }
    test::FakeSystemInfo system;
    system.programFolder = argv[1];
    Skin skin(system);
    if (!skin.Load(argv[3])) {
        return 101;
    }
    LanguageSession language;
    language.Start(argv[2], argv[4]);
    SkinnedUi ui(skin, language);
    const std::wstring mode = argv[5];
    SetTimer(nullptr, 0, 100, FindBox);
    if (mode == L"buttons") {
        return static_cast<int>(DialogBoxParamW(GetModuleHandleW(nullptr), L"DEMODLG", nullptr,
                                                DemoProcedure, reinterpret_cast<LPARAM>(&ui)));
    }
    if (mode == L"okbox") {
        return ShowOkBox(ui, nullptr, L"The capture \"%ls\" (number %d) could not be saved.",
                         L"Capture 3", 3)
                   ? 1
                   : 0;
    }
    if (mode == L"yesno") {
        return ShowYesNoBox(ui, nullptr, L"Configure", L"Start the Edit Mode?") ? 1 : 0;
    }
    return 102;
}

}  // namespace
}  // namespace zentrova

int DialogDemoMain(int argc, wchar_t** argv) {
    return zentrova::Run(argc, argv);
}
