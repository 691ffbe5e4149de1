// colorpicker_demo.exe: the colour picker for colorpicker_window_test.sh, in the skin Default and
// English, one dialog after the other.
//   colorpicker_demo PROGRAM_DIR LANG_DIR_PARENT MODE,RRGGBB[,OPACITY]...
// Each request: the picker created with the colour (as on the web) and the opacity, shown in the
// opacity mode MODE. Once a dialog is painted the program prints "control ID LEFT TOP RIGHT
// BOTTOM TEXT" per control and "ready"; when it is closed "result N OK RED GREEN BLUE HUE
// SATURATION VALUE OPACITY" (N from 1, OK 1 or 0). The exit code counts the dialogs closed with OK.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "editmode/colorpicker/ColorPicker.h"
#include "lang/LanguageStartup.h"
#include "tests/config/FakeSystemInfo.h"

namespace zentrova {
namespace {

BOOL CALLBACK PrintControl(HWND child, LPARAM) {
    RECT r = {};
    char text[512] = "";
    GetWindowRect(child, &r);
    GetWindowTextA(child, text, sizeof(text));
    std::printf("control %d %ld %ld %ld %ld %s\n", GetDlgCtrlID(child), r.left, r.top, r.right,
                r.bottom, text);
    return TRUE;
}

// Finds the picker once it is up, paints it completely and reports it.
void CALLBACK FindPicker(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowW(L"#32770", nullptr);
    DWORD process = 0;
    if (dialog == nullptr || !IsWindowVisible(dialog) ||
        (GetWindowThreadProcessId(dialog, &process), process != GetCurrentProcessId())) {
        return;
    }
    KillTimer(nullptr, id);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
    EnumChildWindows(dialog, PrintControl, 0);
    std::printf("ready\n");
    std::fflush(stdout);
}

int Run(int argc, wchar_t** argv) {
    test::FakeSystemInfo system;
    system.programFolder = argc > 2 ? argv[1] : L"";
    Skin skin(system);
    if (argc < 3 || !skin.Load(L"Default")) {
        return 100;
    }
    LanguageSession language;
    language.Start(argv[2], L"en-us");
    SkinnedUi ui(skin, language);
    int okCount = 0;
    for (int i = 3; i < argc; ++i) {
        int mode = 0, opacity = 100;
        unsigned rgb = 0;
        if (std::swscanf(argv[i], L"%d,%x,%d", &mode, &rgb, &opacity) < 2) {
            return 101;
        }
        CColorPicker picker(ui);
        picker.Create(nullptr, (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16);
        picker.SetOpacity(opacity);
        SetTimer(nullptr, 0, 50, FindPicker);
        const bool ok = picker.Show(mode);
        okCount += ok ? 1 : 0;
        std::printf("result %d %d %u %u %u %u %u %u %u\n", i - 2, ok ? 1 : 0, picker.GetRed(),
                    picker.GetGreen(), picker.GetBlue(), picker.GetHue(), picker.GetSaturation(),
                    picker.GetValue(), picker.GetOpacity());
        std::fflush(stdout);
    }
    return okCount;
}

}  // namespace
}  // namespace zentrova

int wmain(int argc, wchar_t** argv) {
    return zentrova::Run(argc, argv);
}
