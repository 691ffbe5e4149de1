// text_bench.exe PICTURE.bmp [ROUNDS]: times the Text and Callout tools' screen work on Windows
// with the 1920 x 1080 part of PICTURE (the 3840 x 2160 24-bit test desktop) as the capture on a
// 1920 x 1080 screen.
//
// It prints the median, the fastest and the slowest of ROUNDS (default 50) rounds, in ms:
//   keystroke  one character typed into the text tools' editor (the layered window over the
//              capture) and its repaint, with 10 and with 2,000 characters in it;
//   frame      the Edit Mode's screen with a waiting callout: the capture painted at 1:1, the
//              bubble, tail and handles drawn, the copy to the 1920 x 1080 window (a move of the
//              frame or a handle).
// Budget: 16 ms each. Not a test: run it by hand under Wine or on Windows.
#include <windows.h>

#include "bench/win/BenchTiming_win.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "codecs/ZImageCodecBmp.h"
#include "core/win/Application.h"
#include "editmode/paint/EditPainter.h"
#include "editmode/tools/TextGeometry.h"
#include "editmode/view/EditView.h"
#include "editmode/win/TextControls_win.h"
#include "image/ZImage.h"

namespace {

using namespace zentrova;
using namespace zentrova::bench;

constexpr int32_t kScreenWidth = 1920;
constexpr int32_t kScreenHeight = 1080;

// The main window paints the capture 1:1, as the Edit Mode does under the editor.
const ZImage* g_screen = nullptr;

LRESULT CALLBACK ScreenProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (g_screen != nullptr) {
            g_screen->Draw(dc, 0, 0, SRCCOPY);
        }
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: text_bench PICTURE.bmp [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 50;
    ZImage big;
    if (!ReadBmp(big, argv[1]) || !big.SetBitDepth(24)) {
        std::fprintf(stderr, "cannot read %ls\n", argv[1]);
        return 1;
    }
    ZImage capture;
    capture.Create(kScreenWidth, kScreenHeight, 24, 0, nullptr);
    CopyPixels(capture, 0, 0, big, 0, 0, kScreenWidth, kScreenHeight);
    ZImage backBuffer;
    backBuffer.Create(kScreenWidth, kScreenHeight, 24, 0xFFFFFF, nullptr);
    g_screen = &backBuffer;

    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ScreenProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"TextBench";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"TextBench", L"text bench", WS_POPUP | WS_VISIBLE, 0, 0,
                                  kScreenWidth, kScreenHeight, nullptr, nullptr, instance, nullptr);
    HDC windowDc = GetDC(window);

    EditView view;
    view.SetScreen(kScreenWidth, kScreenHeight);
    view.ShowNewImage(kScreenWidth, kScreenHeight);
    EditPaintScene scene;
    scene.image = &capture;
    scene.view = &view;
    scene.frame = view.GetImageRect();
    PaintEditScene(backBuffer, scene);
    backBuffer.Draw(windowDc, 0, 0, SRCCOPY);

    // The editor as the Text tool opens it, over a frame of 600 x 300.
    auto app = std::make_unique<Application>(instance);
    app->editShortcuts = true;
    CTextControls controls(*app);
    const ZRect frame{600, 300, 1200, 600};
    if (!controls.Open(window, false,
                       [](const wchar_t* text) { std::fprintf(stderr, "%ls\n", text); })) {
        return 1;
    }
    controls.Place(frame);
    PumpMessages();
    HWND edit = GetFocus();
    for (const int filled : {10, 2000}) {
        SetWindowTextW(edit, L"");
        for (int i = 0; i < filled; ++i) {
            SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(i % 17 == 16 ? L' ' : L'a' + i % 26),
                         1);
        }
        UpdateWindow(edit);
        PumpMessages();
        char label[96];
        std::snprintf(label, sizeof label, "keystroke with %d characters", filled);
        Time(label, rounds, [&](int i) {
            SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(L'a' + i % 26), 1);
            UpdateWindow(edit);
            GdiFlush();
        });
    }
    controls.Close();

    Time("frame with a waiting callout", rounds, [&](int i) {
        const ZRect moved{frame.left + i % 7, frame.top, frame.right + i % 7, frame.bottom};
        PaintEditScene(backBuffer, scene);
        const ToolShape tail = MakeCalloutTail(moved, ZPoint{900, 100}, kCalloutStartBase, 0);
        PaintToolShape(backBuffer, MakeCalloutBubble(moved, 0, true), 0, 0,
                       ShapeInk{0x91F0FF, false});
        PaintToolShape(backBuffer, MakeCalloutBubble(moved, 0, false), 0, 0,
                       ShapeInk{0x005814, false});
        PaintToolShape(backBuffer, tail, 0, 0, ShapeInk{0x005814, false});
        PaintToolShape(backBuffer, MakeHandleSquares(ZPoint{900, 100}, ZPoint{700, 288}), 0, 0,
                       ShapeInk{0, false});
        backBuffer.Draw(windowDc, 0, 0, SRCCOPY);
        GdiFlush();
    });
    ReleaseDC(window, windowDc);
    DestroyWindow(window);
    return 0;
}
