// overlay_probe.exe MODE OUTDIR [FIXEDWIDTH FIXEDHEIGHT]: runs one capture of the CaptureEngine
// in the Wine desktop for the window test overlay_modes_test.sh.
//
// It shows a target window "Overlay Probe Target" with a colour pattern at (200, 150), 320 x 240
// client pixels (made active before the capture, for the active-window mode), writes
// OUTDIR\target, waits for the file OUTDIR\go, starts the engine in MODE with its hidden main
// window as owner and writes OUTDIR\ready. When the engine posts its done message
// it writes the finished capture to OUTDIR\result.bmp and "width height bitsPerPixel" to
// OUTDIR\result.txt, tears the engine down and ends with exit code 0. A capture that ends without
// the done message (cancelled) gives exit code 3, no capture within 90 s exit code 4, a start
// that fails exit code 2.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "capture/overlay/CaptureEngine.h"
#include "codecs/ZImageCodecBmp.h"
#include "config/SettingsRecord.h"

namespace {

using namespace zentrova;

constexpr UINT kDoneMessage = 33170;
constexpr UINT_PTR kWatchTimer = 1;
constexpr int kTargetX = 200, kTargetY = 150, kTargetW = 320, kTargetH = 240;

struct Probe {
    CaptureEngine engine;
    std::wstring outDir;
    bool started = false;
    int exitCode = 4;
    DWORD startTick = 0;
    ZImage pattern;
};

// Both windows carry the probe in their user data.
Probe* ProbeOf(HWND window) {
    return reinterpret_cast<Probe*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void WriteText(const std::wstring& path, const char* text) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file != nullptr) {
        std::fputs(text, file);
        std::fclose(file);
    }
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Probe* probePointer = ProbeOf(window);
    if (probePointer == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    Probe& probe = *probePointer;
    if (message == kDoneMessage) {
        const ZImage* capture = probe.engine.GetFinishedCapture();
        if (capture != nullptr && wParam == kCaptureDoneWParam) {
            WriteBmp((probe.outDir + L"\\result.bmp").c_str(), *capture);
            char text[64];
            std::snprintf(text, sizeof(text), "%u %u %u\n", capture->GetWidth(),
                          capture->GetHeight(), static_cast<unsigned>(capture->GetBitsPerPixel()));
            WriteText(probe.outDir + L"\\result.txt", text);
            probe.exitCode = 0;
        } else {
            probe.exitCode = 5;
        }
        probe.engine.TearDown();
        PostQuitMessage(probe.exitCode);
        return 0;
    }
    if (message == WM_TIMER && wParam == kWatchTimer) {
        if (probe.started && !probe.engine.IsActive()) {
            probe.exitCode = 3;
            PostQuitMessage(3);
        } else if (GetTickCount() - probe.startTick > 90000) {
            probe.engine.TearDown();
            PostQuitMessage(4);
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && ProbeOf(window) != nullptr) {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        ProbeOf(window)->pattern.Draw(dc, 0, 0, SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A picture whose every 4 x 4 cell has its own colour.
void MakePattern(ZImage& image, int width, int height) {
    image.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24, 0, nullptr);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = image.GetRow(static_cast<uint32_t>(height - 1 - y));
        for (int x = 0; x < width; ++x) {
            row[3 * x + 0] = static_cast<uint8_t>(40 + (x / 4) * 13);
            row[3 * x + 1] = static_cast<uint8_t>(30 + (y / 4) * 17);
            row[3 * x + 2] = static_cast<uint8_t>(((x / 4) * 7 + (y / 4) * 11) & 0xFF);
        }
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        return 1;
    }
    CaptureMode mode{};
    if (!CaptureModeFromValue(static_cast<uint32_t>(std::wcstoul(argv[1], nullptr, 10)), mode)) {
        return 1;
    }
    static Probe probe;
    probe.outDir = argv[2];
    static SettingsRecord settings{};
    settings.CaptureFixedWidth = argc > 3 ? std::wcstoul(argv[3], nullptr, 10) : 200;
    settings.CaptureFixedHeight = argc > 4 ? std::wcstoul(argv[4], nullptr, 10) : 150;
    // A background colour that neither the pattern nor the desktop shows; every finishing
    // option is off, so the finished capture is the taken pixels with this colour where the
    // mode cut the picture out.
    settings.CaptureBackgroundColor = 0x0000FF01;

    HINSTANCE instance = GetModuleHandleW(nullptr);
    CoInitialize(nullptr);
    WNDCLASSW mainClass{};
    mainClass.lpfnWndProc = MainProc;
    mainClass.hInstance = instance;
    mainClass.lpszClassName = L"OverlayProbeMain";
    RegisterClassW(&mainClass);
    WNDCLASSW targetClass{};
    targetClass.lpfnWndProc = TargetProc;
    targetClass.hInstance = instance;
    targetClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    targetClass.lpszClassName = L"OverlayProbeTarget";
    RegisterClassW(&targetClass);

    HWND main = CreateWindowExW(0, L"OverlayProbeMain", L"Overlay Probe", WS_POPUP, 0, 0, 0, 0,
                                nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrW(main, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&probe));
    RECT frame{0, 0, kTargetW, kTargetH};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    MakePattern(probe.pattern, 640, 480);
    HWND target = CreateWindowExW(0, L"OverlayProbeTarget", L"Overlay Probe Target",
                                  WS_OVERLAPPEDWINDOW, kTargetX, kTargetY, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrW(target, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&probe));
    ShowWindow(target, SW_SHOW);
    UpdateWindow(target);
    SetForegroundWindow(target);
    // Let the target's first paint reach the screen, say so with OUTDIR\target and wait for
    // OUTDIR\go (the test takes its screenshot in between; at most 30 s).
    MSG message{};
    const std::wstring goFile = probe.outDir + L"\\go";
    bool targetShown = false;
    const DWORD settle = GetTickCount();
    while (GetTickCount() - settle < 30000) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        if (!targetShown && GetTickCount() - settle >= 700) {
            WriteText(probe.outDir + L"\\target", "target\n");
            targetShown = true;
        }
        if (targetShown && GetFileAttributesW(goFile.c_str()) != INVALID_FILE_ATTRIBUTES) {
            break;
        }
        Sleep(10);
    }
    // The target belongs to this thread: let it finish painting before the engine takes over.
    SetForegroundWindow(target);
    const DWORD activated = GetTickCount();
    while (GetTickCount() - activated < 300) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(10);
    }

    CaptureEngineContext context;
    context.settings = &settings;
    probe.startTick = GetTickCount();
    SetTimer(main, kWatchTimer, 100, nullptr);
    if (!probe.engine.Start(main, instance, mode, kDoneMessage, context)) {
        return 2;
    }
    probe.started = true;
    WriteText(probe.outDir + L"\\ready", "ready\n");
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    probe.engine.TearDown();
    DestroyWindow(target);
    DestroyWindow(main);
    return probe.exitCode;
}
