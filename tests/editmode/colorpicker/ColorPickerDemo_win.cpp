// colorpicker_demo.exe: shows the colour picker for the window test (colorpicker_window_test.sh),
// one dialog after the other in one process.
//
//   colorpicker_demo PROGRAM_DIR LANG_DIR_PARENT REQUEST...
//
// PROGRAM_DIR holds the "Skins" folder, LANG_DIR_PARENT the "Lang" folder. Each REQUEST is
// "SKIN,LANGUAGE,MODE,RRGGBB[,OPACITY]": the picker in that skin and language, created with the
// colour (written as on the web) and the opacity, shown in the opacity mode MODE. For each dialog
// the program prints, once it is painted,
//   "dialog LEFT TOP RIGHT BOTTOM TITLE", one "control ID LEFT TOP RIGHT BOTTOM TEXT" per control
//   and "ready";
// and when it is closed, with N its number from 1,
//   "result N OK RED GREEN BLUE HUE SATURATION VALUE OPACITY" (OK 1 or 0).
// The exit code is the number of dialogs closed with OK.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>

#include "editmode/colorpicker/ColorPicker.h"
#include "lang/LanguageStartup.h"
#include "tests/config/FakeSystemInfo.h"

namespace zentrova {
namespace {

std::string Utf8Text(HWND window) {
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    char utf8[1536] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
    return utf8;
}

BOOL CALLBACK PrintControl(HWND child, LPARAM) {
    RECT r = {};
    GetWindowRect(child, &r);
    std::printf("control %d %ld %ld %ld %ld %s\n", GetDlgCtrlID(child), r.left, r.top, r.right,
                r.bottom, Utf8Text(child).c_str());
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
    RECT r = {};
    GetWindowRect(dialog, &r);
    std::printf("dialog %ld %ld %ld %ld %s\n", r.left, r.top, r.right, r.bottom,
                Utf8Text(dialog).c_str());
    EnumChildWindows(dialog, PrintControl, 0);
    std::printf("ready\n");
    std::fflush(stdout);
}

struct Request {
    std::wstring skin;
    std::wstring language;
    int mode = 0;
    ZColor colour = 0;
    int opacity = 100;
};

bool ParseRequest(const wchar_t* text, Request& request) {
    wchar_t skin[64] = L"";
    wchar_t language[16] = L"";
    unsigned rgb = 0;
    int fields = std::swscanf(text, L"%63l[^,],%15l[^,],%d,%x,%d", skin, language, &request.mode,
                              &rgb, &request.opacity);
    if (fields < 4) {
        return false;
    }
    request.skin = skin;
    request.language = language;
    request.colour = (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
    return true;
}

int Run(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: colorpicker_demo PROGRAM_DIR LANG_PARENT REQUEST...\n");
        return 100;
    }
    test::FakeSystemInfo system;
    system.programFolder = argv[1];
    int okCount = 0;
    for (int i = 3; i < argc; ++i) {
        Request request;
        if (!ParseRequest(argv[i], request)) {
            return 101;
        }
        Skin skin(system);
        if (!skin.Load(request.skin.c_str())) {
            return 102;
        }
        LanguageSession language;
        language.Start(argv[2], request.language.c_str());
        SkinnedUi ui(skin, language);
        CColorPicker picker(ui);
        picker.Create(nullptr, request.colour);
        picker.SetOpacity(request.opacity);
        SetTimer(nullptr, 0, 50, FindPicker);
        const bool ok = picker.Show(request.mode);
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
