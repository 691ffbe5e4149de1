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
//             "bar=X,Y,W,H hidden=H collapsed=C fade=F alpha=A pressed=P cursor=X,Y tip=V
//             tiprect=X,Y,W,H text=LABEL" (fade 0 none, 1 in, 2 out; tiprect 0,0,0,0 while the
//             tooltip is hidden; LABEL in UTF-8);
// * commands.log one line per WM_COMMAND the owner receives: "id=ID lparam=L".
// The probe destroys the bar and ends with exit code 0 when the file OUTDIR\quit appears; 2 when
// the bar cannot be created.
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
constexpr const wchar_t* kEdgePictures[4] = {L"ButtonBarCaptureLeft", L"ButtonBarCaptureTop",
                                             L"ButtonBarCaptureRight", L"ButtonBarCaptureBottom"};

struct Probe {
    CButtonBar bar;
    std::wstring outDir;
    std::string lastState;
};

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
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right - r.left) + "," + std::to_string(r.bottom - r.top);
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
    if (state != probe.lastState) {
        probe.lastState = state;
        AppendText(probe.outDir + L"\\state.log", state);
    }
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* probe = reinterpret_cast<Probe*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (probe == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_COMMAND:
            AppendText(probe->outDir + L"\\commands.log", "id=" + std::to_string(LOWORD(wParam)) +
                                                              " lparam=" + std::to_string(lParam) +
                                                              "\n");
            return 0;
        case WM_TIMER:
            LogState(*probe);
            if (GetFileAttributesW((probe->outDir + L"\\quit").c_str()) !=
                INVALID_FILE_ATTRIBUTES) {
                probe->bar.Destroy();
                PostQuitMessage(0);
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
    GetLanguageText(lang.Handle(), labels, kLanguageTextChars, L"ButtonLabels", L"Capture", L"");

    HWND owner = CreateProbeWindow(L"ButtonBarProbeOwner", L"Button Bar Probe", OwnerProc,
                                   WS_POPUP | WS_BORDER, {362, 334, 662, 434});
    if (owner == nullptr) {
        return 2;
    }
    SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&probe));

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
