// tools_bench.exe PICTURE.bmp [ROUNDS]: times the annotation tools on Windows, with PICTURE (the
// 3840 x 2160 24-bit test desktop) as the capture and a 1920 x 1080 screen.
//
// It prints the median, the fastest and the slowest of ROUNDS (default 20) rounds, in ms:
//   frame      one mouse move of a pencil drag: the new piece drawn into the stroke layer (GDI),
//              the screen painted (PaintEditScene at 1:1), the layer laid over it, and the copy
//              to a 1920 x 1080 window (BitBlt); for a 1920 x 1080 and a 3840 x 2160 capture,
//              after 100 and after 10,000 points of a zigzag stroke;
//   commit     a pencil stroke of 2,000 points over 1,200 x 600 pixels laid into the 3840 x 2160
//              picture with the factory look (smoothed shadow, dither 4, high quality) and pushed
//              onto an undo history;
//   spotlight  a spotlight on a 300 x 200 selection in the picture's top left corner (the
//              largest enlarged picture), with 512 x 512 masks, and the history push.
// Budgets: a frame 16 ms (1920 x 1080) and 33 ms (3840 x 2160), a commit 150 ms, a spotlight
// 1200 ms. Not a test: run it by hand under Wine or on Windows.
#include <windows.h>

#include "bench/win/BenchTiming_win.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "codecs/ZImageCodecBmp.h"
#include "editmode/EditHistory.h"
#include "editmode/paint/EditPainter.h"
#include "editmode/tools/ToolCompositing.h"
#include "editmode/tools/ToolShape.h"
#include "editmode/view/EditView.h"
#include "image/ZImage.h"

namespace {

using namespace zentrova;
using namespace zentrova::bench;

constexpr int32_t kScreenWidth = 1920;
constexpr int32_t kScreenHeight = 1080;

// The i-th point of a zigzag stroke over the screen's middle part.
ZPoint StrokePoint(int i, int32_t left, int32_t top) {
    return ZPoint{left + (i * 7) % 1200, top + (i / 171) * 3 % 600 + ((i & 1) ? 40 : 0)};
}

void TimeFrames(HDC windowDc, const ZImage& capture, int rounds) {
    ZImage backBuffer;
    ZImage layer;
    backBuffer.Create(kScreenWidth, kScreenHeight, 24, 0xFFFFFF, nullptr);
    EditView view;
    view.SetScreen(kScreenWidth, kScreenHeight);
    view.ShowNewImage(static_cast<int32_t>(capture.GetWidth()),
                      static_cast<int32_t>(capture.GetHeight()));
    for (const int points : {100, 10000}) {
        layer.Create(kScreenWidth, kScreenHeight, 24, 0xFFFFFF, nullptr);
        ZRect dirty{};
        int i = 0;
        auto addPoint = [&] {
            const ZPoint from = StrokePoint(i, 300, 200);
            const ZPoint to = StrokePoint(i + 1, 300, 200);
            const ToolShape piece = MakePolylineShape({from, to}, 5);
            PaintToolShape(layer, piece, 0, 0, ShapeInk{0, false});
            const ZRect b = piece.Bounds();
            dirty = dirty.IsEmpty()
                        ? b
                        : ZRect{std::min(dirty.left, b.left), std::min(dirty.top, b.top),
                                std::max(dirty.right, b.right), std::max(dirty.bottom, b.bottom)};
            ++i;
        };
        while (i < points) {
            addPoint();
        }
        char label[96];
        std::snprintf(label, sizeof label, "frame %ux%u after %d points", capture.GetWidth(),
                      capture.GetHeight(), points);
        Time(label, rounds, [&](int) {
            addPoint();
            EditPaintScene scene;
            scene.image = &capture;
            scene.view = &view;
            scene.frame = view.GetImageRect();
            PaintEditScene(backBuffer, scene);
            LayStrokeLayer(backBuffer, layer, dirty, 0x0000FF, false);
            backBuffer.Draw(windowDc, 0, 0, SRCCOPY);
            GdiFlush();
        });
    }
}

bool MakeMask(ZImage& mask, bool dark) {
    if (!mask.Create(512, 512, 24, 0, nullptr)) {
        return false;
    }
    for (int y = 0; y < 512; ++y) {
        for (int x = 0; x < 512; ++x) {
            const int d = std::max(std::abs(x - 256), std::abs(y - 256)) / 2;
            const ZColor v = static_cast<ZColor>(dark ? d : 255 - d);
            mask.FillRect(x, y, 1, 1, v | (v << 8) | (v << 16));
        }
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tools_bench PICTURE.bmp [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 20;
    ZImage big;
    if (!ReadBmp(big, argv[1]) || !big.SetBitDepth(24)) {
        std::fprintf(stderr, "cannot read %ls\n", argv[1]);
        return 1;
    }
    ZImage small;
    small.Create(1920, 1080, 24, 0, nullptr);
    CopyPixels(small, 0, 0, big, 0, 0, 1920, 1080);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ToolsBench";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(0, L"ToolsBench", L"tools bench", WS_POPUP | WS_VISIBLE, 0, 0, kScreenWidth,
                        kScreenHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
    HDC windowDc = GetDC(window);
    TimeFrames(windowDc, small, rounds);
    TimeFrames(windowDc, big, rounds);

    EditHistory history;
    history.Reset();
    ZImage picture;
    std::vector<ZPoint> points;
    for (int i = 0; i < 2000; ++i) {
        points.push_back(StrokePoint(i, 1000, 800));
    }
    const ToolShape stroke = MakePolylineShape(points, 5);
    StrokeLook look;
    look.shadow.enabled = true;
    look.highQuality = true;
    look.colour = 0x0000FF;
    Time("commit pencil 2000 points + push", rounds, [&](int) {
        picture.CopyFrom(big);  // a fresh picture each round (a 25 MB copy, timed with it)
        RenderStroke(picture, stroke.Bounds(), look,
                     [&](ZImage& target, int32_t dx, int32_t dy, ZColor colour) {
                         return PaintToolShape(target, stroke, dx, dy, ShapeInk{colour, false});
                     });
        history.Push(picture);
    });
    ZImage dark;
    ZImage shape;
    MakeMask(dark, true);
    MakeMask(shape, false);
    Time("spotlight corner 300x200 + push", std::max(3, rounds / 4), [&](int) {
        ApplySpotlight(picture, ZRect{0, 0, 300, 200}, 0xFFAD46, &dark, &shape);
        history.Push(picture);
    });
    history.Clear();
    ReleaseDC(window, windowDc);
    DestroyWindow(window);
    return 0;
}
