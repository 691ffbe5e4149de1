// ui_probe.exe buttonbar SKIN ALIGNMENT OUTDIR [LANGUAGE]: the capture bar of a shipped skin on a
// plain owner window, for the window test buttonbar_test.sh.
//
// The bar is made as the main window makes the capture bar: the skin picture
// "ButtonBarCapture<Edge>", the skin's three bar colours, nine buttons with the commands 40128,
// 40127, 40107, 40108, 40155, 40109, 40026, 40006, 40084 and the labels "ButtonLabels.Capture" of
// LANGUAGE (default "en-us"), keep-on-top and auto-hide on, not shown at the start.
//
// Files in OUTDIR:
// * state.log one line whenever the bar's state changes, checked every 10 ms:
//             "tick=T bar=X,Y,W,H hidden=H collapsed=C fade=F alpha=A pressed=P cursor=X,Y tip=V
//             tiprect=X,Y,W,H text=LABEL" (fade 0 none, 1 in, 2 out; tick is GetTickCount;
//             tiprect 0,0,0,0 while the tooltip is hidden; LABEL in UTF-8);
// * commands.log one line per WM_COMMAND the owner receives: "tick=T id=ID lparam=L".
// The probe destroys the bar and ends with exit code 0 when the file OUTDIR\quit appears (exit
// code 4 after 120 s); 2 when the bar cannot be created.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "core/WideText.h"
#include "lang/LanguageStartup.h"
#include "lang/TextLookup.h"
#include "tests/config/FakeSystemInfo.h"
#include "ui/buttonbar/ButtonBar.h"
#include "ui/skin/Skin.h"
#include "tests/ui/UiProbe.h"

namespace {

using namespace zentrova;

constexpr UINT_PTR kPollTimer = 7;
constexpr uint32_t kCaptureCommands[9] = {40128, 40127, 40107, 40108, 40155,
                                          40109, 40026, 40006, 40084};
constexpr const wchar_t* kCaptureLabels =
    L"Capture Scrolling Window (Text)|Capture Scrolling Window (Website)|Capture Single "
    L"Window|Capture Free Rect Region|Capture Free Style Region|Capture Fixed Region|Stop "
    L"Capture/Enter Edit Mode|Configure...|Open Help";
constexpr const wchar_t* kEdgePictures[4] = {L"ButtonBarCaptureLeft", L"ButtonBarCaptureTop",
                                             L"ButtonBarCaptureRight", L"ButtonBarCaptureBottom"};

struct Probe {
    CButtonBar bar;
    std::wstring outDir;
    std::string lastState;
    DWORD started = 0;
};

Probe* ProbeOf(HWND window) {
    return reinterpret_cast<Probe*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void AppendText(const std::wstring& path, const std::string& text) {
    FILE* file = _wfopen(path.c_str(), L"ab");
    if (file != nullptr) {
        std::fputs(text.c_str(), file);
        std::fclose(file);
    }
}

std::string Rect(HWND window, bool visible) {
    RECT r{};
    if (visible) {
        GetWindowRect(window, &r);
    }
    char text[64];
    std::snprintf(text, sizeof(text), "%ld,%ld,%ld,%ld", static_cast<long>(r.left),
                  static_cast<long>(r.top), static_cast<long>(r.right - r.left),
                  static_cast<long>(r.bottom - r.top));
    return text;
}

void LogState(Probe& probe) {
    const CButtonBar& bar = probe.bar;
    const bool tipVisible = IsWindowVisible(bar.GetTooltipWindow()) != FALSE;
    POINT cursor{};
    GetCursorPos(&cursor);
    char head[200];
    std::snprintf(head, sizeof(head),
                  " hidden=%d collapsed=%d fade=%d alpha=%d pressed=%d cursor=%ld,%ld tip=%d",
                  bar.IsHidden() ? 1 : 0, bar.IsCollapsed() ? 1 : 0,
                  static_cast<int>(bar.GetFade()), static_cast<int>(bar.GetAlpha()),
                  bar.IsPressed() ? 1 : 0, static_cast<long>(cursor.x), static_cast<long>(cursor.y),
                  tipVisible ? 1 : 0);
    const std::string state = "bar=" + Rect(bar.GetWindow(), true) + head +
                              " tiprect=" + Rect(bar.GetTooltipWindow(), tipVisible) +
                              " text=" + ToUtf8(bar.GetTooltipText()) + "\n";
    if (state == probe.lastState) {
        return;
    }
    probe.lastState = state;
    AppendText(probe.outDir + L"\\state.log",
               "tick=" + std::to_string(GetTickCount()) + " " + state);
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Probe* probe = ProbeOf(window);
    if (probe == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_COMMAND: {
            char line[96];
            std::snprintf(line, sizeof(line), "tick=%lu id=%u lparam=%ld\n",
                          static_cast<unsigned long>(GetTickCount()),
                          static_cast<unsigned>(LOWORD(wParam)), static_cast<long>(lParam));
            AppendText(probe->outDir + L"\\commands.log", line);
            return 0;
        }
        case WM_TIMER:
            if (wParam == kPollTimer) {
                LogState(*probe);
                const std::wstring quit = probe->outDir + L"\\quit";
                if (GetFileAttributesW(quit.c_str()) != INVALID_FILE_ATTRIBUTES) {
                    probe->bar.Destroy();
                    PostQuitMessage(0);
                } else if (GetTickCount() - probe->started > 120000) {
                    probe->bar.Destroy();
                    PostQuitMessage(4);
                }
            }
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int ButtonBarProbeMain(int argc, wchar_t** argv) {
    if (argc < 4) {
        return 1;
    }
    const wchar_t* skinName = argv[1];
    const uint32_t alignment = static_cast<uint32_t>(std::wcstoul(argv[2], nullptr, 10));
    if (alignment > 3) {
        return 1;
    }
    static Probe probe;
    probe.outDir = argv[3];
    const wchar_t* language = argc > 4 ? argv[4] : L"en-us";
    CoInitialize(nullptr);

    test::FakeSystemInfo system;
    system.programFolder = L"" CLARIVUE_TEST_PROGRAM_DIR;
    Skin skin(system);
    ZImage picture;
    if (!skin.Load(skinName) || !skin.LoadPng(picture, kEdgePictures[alignment])) {
        return 2;
    }
    LanguageSession lang;
    lang.Start(L"" CLARIVUE_TEST_LANG_PARENT, language);
    wchar_t labels[kLanguageTextChars] = {};
    GetLanguageText(lang.Handle(), labels, kLanguageTextChars, L"ButtonLabels", L"Capture",
                    kCaptureLabels);

    HWND owner = CreateProbeWindow(L"ButtonBarProbeOwner", L"Button Bar Probe", OwnerProc,
                                   WS_POPUP | WS_BORDER, {362, 334, 662, 434}, nullptr);
    if (owner == nullptr) {
        return 2;
    }
    SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&probe));

    probe.started = GetTickCount();
    if (!probe.bar.Create(owner, GetModuleHandleW(nullptr), skin.GetColor(L"ButtonBarHiddenColor"),
                          skin.GetColor(L"ButtonBarToolTipBackColor"),
                          skin.GetColor(L"ButtonBarToolTipTextColor"), alignment, true, false, true,
                          9, kCaptureCommands, labels, picture, false)) {
        return 2;
    }
    LogState(probe);
    SetTimer(owner, kPollTimer, 10, nullptr);

    const int code = RunProbeMessages();
    DestroyWindow(owner);
    CoUninitialize();
    return code;
}
