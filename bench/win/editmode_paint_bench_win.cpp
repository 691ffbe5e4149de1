// editmode_paint_bench.exe PICTURE.bmp [ROUNDS]: times the Edit Mode's paint on Windows, on a
// 1920 x 1080 screen with PICTURE (the 3840 x 2160 24-bit test desktop) as the capture.
//
// It shows a 1920 x 1080 popup window and times, ROUNDS (default 30) rounds each, printing the
// median, the fastest and the slowest round in milliseconds (QueryPerformanceCounter):
//   baseline   one BitBlt of the 1920 x 1080 24-bit back buffer (a DIB section, ZImage::Draw)
//              to the window's DC; also to an off-screen bitmap of the window DC, which is
//              never clipped by a desktop smaller than the window;
//   parts      PaintEditScene at zoom 500 with the zoom cache current (panned +-20 pixels each
//              round), the capture text drawn with DrawTextW into the back buffer's DC;
//   full       the window's paint: PaintEditScene + DrawTextW + BitBlt, at zoom 500 (cache)
//              and 1000 (1:1 copy), panning each round;
//   cache      ZoomCache::Rebuild at zoom 500 and 900.
// The window's clip box is printed: in a desktop smaller than the window only its visible part
// reaches the screen.
//
// Budgets: a repaint after a pan 16 ms, a zoom cache rebuild 150 ms. Not a test: run it by hand.
#include <windows.h>

#include "bench/win/BenchTiming_win.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "codecs/ZImageCodecBmp.h"
#include "editmode/paint/EditPainter.h"
#include "editmode/paint/ZoomCache.h"
#include "editmode/view/CaptureCaption.h"
#include "editmode/view/EditView.h"
#include "editmode/view/KeyedButtons.h"
#include "image/ZImage.h"

namespace {

using namespace zentrova;
using namespace zentrova::bench;

constexpr int32_t kScreenWidth = 1920;
constexpr int32_t kScreenHeight = 1080;
constexpr int32_t kPanStep = 20;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A keyed picture of frames side by side, frame 0 a filled disc on magenta, every other frame
// one quarter of it as the hot area (the default skin's button sizes).
bool MakeButtons(KeyedButtons& buttons, int32_t frameWidth, int32_t frameHeight, int32_t frames) {
    ZImage picture;
    if (!picture.Create(static_cast<uint32_t>(frameWidth * frames),
                        static_cast<uint32_t>(frameHeight), 24, kKeyMagenta, nullptr)) {
        return false;
    }
    const int32_t radius = std::min(frameWidth, frameHeight) / 2;
    for (int32_t f = 0; f < frames; ++f) {
        for (int32_t y = 0; y < frameHeight; ++y) {
            uint8_t* row = picture.GetRow(static_cast<uint32_t>(frameHeight - 1 - y));
            for (int32_t x = 0; x < frameWidth; ++x) {
                const int32_t dx = x - frameWidth / 2;
                const int32_t dy = y - frameHeight / 2;
                const bool inQuarter =
                    f == 0 || ((dx < 0) == ((f & 1) != 0) && (dy < 0) == (f > 2));
                if (dx * dx + dy * dy <= radius * radius && inQuarter) {
                    uint8_t* p = row + 3 * (f * frameWidth + x);
                    p[0] = 0x60;
                    p[1] = 0x40;
                    p[2] = 0x20;
                }
            }
        }
    }
    return buttons.Load(picture, frames);
}

HFONT MakeCaptionFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    LOGFONTW font{};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font = metrics.lfSmCaptionFont;
    } else {
        std::wcscpy(font.lfFaceName, L"Tahoma");
    }
    font.lfHeight = 32;
    font.lfWidth = 0;
    font.lfWeight = FW_BOLD;
    font.lfItalic = TRUE;
    font.lfQuality = ANTIALIASED_QUALITY;
    return CreateFontIndirectW(&font);
}

struct Bench {
    ZImage picture;
    ZImage backBuffer;
    ZImage background;
    KeyedButtons scrollButtons;
    KeyedButtons prevNextButtons;
    EditView view;
    ZoomCache cache;
    HFONT font = nullptr;
    std::wstring caption;

    void Paint() {
        EditPaintScene scene;
        scene.background = &background;
        scene.image = &picture;
        scene.view = &view;
        scene.cache = &cache;
        scene.frame = view.GetImageRect();
        scene.drawFrame = true;
        scene.frameColour = 0x000000;
        scene.scrollButtons = &scrollButtons;
        scene.prevNextButtons = &prevNextButtons;
        backBuffer.FlushDrawing();
        PaintEditScene(backBuffer, scene);
    }

    // The window's capture text, as it draws it.
    void DrawCaption() {
        HDC dc = backBuffer.GetDC();
        HGDIOBJ oldFont =
            SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        RECT rect{prevNextButtons.GetFrameWidth(), kScreenHeight - (2 * metrics.tmHeight + 40),
                  kScreenWidth - scrollButtons.GetFrameWidth(), kScreenHeight};
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
                  DT_CENTER | DT_NOPREFIX);
        SelectObject(dc, oldFont);
        GdiFlush();
    }

    void SetZoom(int32_t zoom) {
        view.ShowNewImage(static_cast<int32_t>(picture.GetWidth()),
                          static_cast<int32_t>(picture.GetHeight()));
        view.SetZoom(zoom);
        view.SetScroll(0, 0);  // centred: at 500 and 1000 the picture covers the whole screen
        cache.Invalidate();
        Paint();  // makes the cache
    }

    void PanRound(int round) {
        const int32_t step = (round & 1) == 0 ? kPanStep : -kPanStep;
        view.Pan(step, step);
    }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: editmode_paint_bench PICTURE.bmp [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 30;
    static Bench bench;
    if (!ReadBmp(bench.picture, argv[1], nullptr) ||
        (bench.picture.GetBitsPerPixel() != 24 && !bench.picture.SetBitDepth(24))) {
        std::fprintf(stderr, "cannot read %ls\n", argv[1]);
        return 2;
    }
    if (!bench.backBuffer.Create(kScreenWidth, kScreenHeight, 24, 0xFFFFFF, nullptr) ||
        !bench.background.Create(kScreenWidth, kScreenHeight, 24, 0x705030, nullptr) ||
        !MakeButtons(bench.scrollButtons, 84, 84, 5) ||
        !MakeButtons(bench.prevNextButtons, 116, 50, 3)) {
        std::fprintf(stderr, "cannot make the screen pictures\n");
        return 2;
    }
    bench.font = MakeCaptionFont();
    bench.caption = FormatCaptureCaption(L"C:\\Captures\\Desktop 2026-12-07 064200.bmp",
                                         static_cast<int32_t>(bench.picture.GetWidth()),
                                         static_cast<int32_t>(bench.picture.GetHeight()), 1, 2);
    bench.view.SetScreen(kScreenWidth, kScreenHeight);

    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"EditModePaintBench";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(0, L"EditModePaintBench", L"Edit Mode paint bench", WS_POPUP, 0, 0,
                        kScreenWidth, kScreenHeight, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "cannot create the window\n");
        return 3;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    for (int i = 0; i < 20; ++i) {
        PumpMessages();
        Sleep(10);
    }
    HDC windowDc = GetDC(window);
    RECT clip{};
    GetClipBox(windowDc, &clip);
    std::printf("screen %d x %d, window clip box %ld x %ld, %d rounds each\n",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                clip.right - clip.left, clip.bottom - clip.top, rounds);

    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP offscreen = CreateCompatibleBitmap(windowDc, kScreenWidth, kScreenHeight);
    HGDIOBJ oldBitmap = SelectObject(memoryDc, offscreen);

    bench.SetZoom(500);
    Time("baseline: BitBlt back buffer -> window DC", rounds, [&](int) {
        bench.backBuffer.Draw(windowDc, 0, 0, SRCCOPY);
        GdiFlush();
    });
    Time("baseline: BitBlt back buffer -> off-screen", rounds, [&](int) {
        bench.backBuffer.Draw(memoryDc, 0, 0, SRCCOPY);
        GdiFlush();
    });
    Time("part: PaintEditScene, zoom 500 (cache)", rounds, [&](int round) {
        bench.PanRound(round);
        bench.Paint();
    });
    Time("part: DrawTextW caption into back buffer", rounds, [&](int) { bench.DrawCaption(); });
    Time("full: pan, zoom 500 (cache) -> window", rounds, [&](int round) {
        bench.PanRound(round);
        bench.Paint();
        bench.DrawCaption();
        bench.backBuffer.Draw(windowDc, 0, 0, SRCCOPY);
        GdiFlush();
    });
    Time("full: pan, zoom 500 (cache) -> off-screen", rounds, [&](int round) {
        bench.PanRound(round);
        bench.Paint();
        bench.DrawCaption();
        bench.backBuffer.Draw(memoryDc, 0, 0, SRCCOPY);
        GdiFlush();
    });
    if (!bench.cache.IsCurrent(500)) {
        std::printf("note: the zoom cache was rebuilt while panning\n");
    }
    bench.SetZoom(1000);
    Time("full: pan, zoom 1000 (1:1) -> window", rounds, [&](int round) {
        bench.PanRound(round);
        bench.Paint();
        bench.DrawCaption();
        bench.backBuffer.Draw(windowDc, 0, 0, SRCCOPY);
        GdiFlush();
    });
    for (int32_t zoom : {500, 900}) {
        const int32_t w = static_cast<int32_t>(ScaleByZoom(bench.picture.GetWidth(), zoom));
        const int32_t h = static_cast<int32_t>(ScaleByZoom(bench.picture.GetHeight(), zoom));
        const std::string label = "cache: ZoomCache::Rebuild, zoom " + std::to_string(zoom);
        Time(label.c_str(), rounds, [&](int) { bench.cache.Rebuild(bench.picture, zoom, w, h); });
    }

    SelectObject(memoryDc, oldBitmap);
    DeleteObject(offscreen);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    DestroyWindow(window);
    if (bench.font != nullptr) {
        DeleteObject(bench.font);
    }
    return 0;
}
