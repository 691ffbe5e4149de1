// Edit Mode benchmarks: the paint of the screen-sized back buffer, the zoom cache, stepping to
// the next capture and the undo history, on a 1920 x 1080 screen with the 3840 x 2160 24-bit
// desktop of make_test_picture.py as the capture (its BMP path in the environment variable
// CLARIVUE_BENCH_PICTURE; bench/report.py sets it and compares the medians with their budgets).
//
// Budgets (milliseconds): a repaint after a pan or a frame drag with the zoom cache current 16,
// a zoom cache rebuild 150, stepping to the next capture until it is painted 200, one history
// push, undo or redo 150. The baseline is one copy of the back buffer (natively a memcpy; the
// Windows program bench/win/editmode_paint_bench_win.cpp times the BitBlt to a window).
//
// The paint is the window's paint without the capture text: the screen-sized background, the
// picture, the canvas frame, the scroll arrows and the previous / next buttons (synthetic keyed
// pictures of the default skin's sizes).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "bench/BenchPicture.h"
#include "capture/CaptureList.h"
#include "codecs/ZImageCodecBmp.h"
#include "config/SettingsRecord.h"
#include "core/FileSystem.h"
#include "core/WideText.h"
#include "editmode/EditHistory.h"
#include "editmode/EditHost.h"
#include "editmode/EditSession.h"
#include "editmode/actions/OutputFiles.h"
#include "editmode/paint/EditPainter.h"
#include "editmode/paint/ZoomCache.h"
#include "editmode/tools/EditTool.h"
#include "editmode/view/EditView.h"
#include "editmode/view/KeyedButtons.h"
#include "image/ZImage.h"

namespace zentrova {
namespace {

constexpr int32_t kScreenWidth = 1920;
constexpr int32_t kScreenHeight = 1080;
constexpr int32_t kPanStep = 20;

const ZImage& Picture() {
    return BenchPicture();
}

class QuietHost final : public EditHost {
  public:
    void Beep() override {}
    void ShowError(const wchar_t*) override {}
    void RequestLeave() override {}
    void Repaint() override {}
    void OpenHelp(const wchar_t*) override {}
};

// A keyed picture of frames side by side, frame 0 a filled disc on magenta, every other frame
// one quarter of it as the hot area.
bool MakeButtons(KeyedButtons& buttons, int32_t frameWidth, int32_t frameHeight, int32_t frames) {
    ZImage picture;
    if (!picture.Create(static_cast<uint32_t>(frameWidth * frames),
                        static_cast<uint32_t>(frameHeight), 24, kKeyMagenta, nullptr)) {
        return false;
    }
    const int32_t cx = frameWidth / 2;
    const int32_t cy = frameHeight / 2;
    const int64_t r2 = int64_t{cx < cy ? cx : cy} * (cx < cy ? cx : cy);
    for (int32_t f = 0; f < frames; ++f) {
        for (int32_t y = 0; y < frameHeight; ++y) {
            uint8_t* row = picture.GetRow(static_cast<uint32_t>(frameHeight - 1 - y));
            for (int32_t x = 0; x < frameWidth; ++x) {
                const int64_t dx = x - cx;
                const int64_t dy = y - cy;
                const bool inDisc = dx * dx + dy * dy <= r2;
                const bool inQuarter =
                    f == 0 || ((x < cx) == ((f & 1) != 0) && (y < cy) == (f > 2));
                if (inDisc && inQuarter) {
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

// What the window keeps beside the session: the back buffer, the skin's background stretched to
// the screen, the button pictures.
struct ScreenPictures {
    ZImage backBuffer;
    ZImage background;
    KeyedButtons scrollButtons;
    KeyedButtons prevNextButtons;

    bool Make() {
        return backBuffer.Create(kScreenWidth, kScreenHeight, 24, 0xFFFFFF, nullptr) &&
               background.Create(kScreenWidth, kScreenHeight, 24, 0x705030, nullptr) &&
               MakeButtons(scrollButtons, 84, 84, 5) && MakeButtons(prevNextButtons, 116, 50, 3);
    }

    EditPaintScene Scene(const ZImage* image, const EditView& view, ZoomCache& cache) const {
        EditPaintScene scene;
        scene.background = &background;
        scene.image = image;
        scene.view = &view;
        scene.cache = &cache;
        scene.frame = view.GetImageRect();
        scene.drawFrame = image != nullptr;
        scene.frameColour = 0x000000;
        scene.scrollButtons = &scrollButtons;
        scene.prevNextButtons = &prevNextButtons;
        return scene;
    }

    // The window's paint of a session, without the capture text.
    bool Paint(EditSession& session) {
        EditPaintScene scene = Scene(session.HasPicture() ? &session.GetPicture() : nullptr,
                                     session.View(), session.Cache());
        if (!PaintEditScene(backBuffer, scene)) {
            return false;
        }
        if (session.GetTool() != nullptr) {
            session.GetTool()->DrawLive(session, backBuffer);
        }
        return true;
    }
};

// Baseline ----------------------------------------------------------------------------------------

// One copy of the screen-sized back buffer (what the window's BitBlt moves to the screen).
void BM_EditBackBufferCopy(benchmark::State& state) {
    ZImage buffer;
    buffer.Create(kScreenWidth, kScreenHeight, 24, 0x705030, nullptr);
    std::vector<uint8_t> screen(buffer.GetPixelMemorySize());
    for (auto _ : state) {
        std::memcpy(screen.data(), buffer.GetBits(), screen.size());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EditBackBufferCopy)->Unit(benchmark::kMillisecond);

// (a) Repaint after a pan -------------------------------------------------------------------------

// The picture at zoom state.range(0), centred on the screen (at 500 and 1000 it covers all of
// it), the cache made before timing; each round pans by +-20 pixels both ways and paints.
void BM_EditRepaintPan(benchmark::State& state) {
    const int32_t zoom = static_cast<int32_t>(state.range(0));
    ScreenPictures screen;
    if (!screen.Make()) {
        state.SkipWithError("no back buffer");
        return;
    }
    EditView view;
    view.SetScreen(kScreenWidth, kScreenHeight);
    view.ShowNewImage(static_cast<int32_t>(Picture().GetWidth()),
                      static_cast<int32_t>(Picture().GetHeight()));
    view.SetZoom(zoom);
    view.SetScroll(0, 0);  // centred: the picture covers the whole screen
    ZoomCache cache;
    PaintEditScene(screen.backBuffer, screen.Scene(&Picture(), view, cache));  // makes the cache
    if (zoom != kZoomOne && !cache.IsCurrent(zoom)) {
        state.SkipWithError("no zoom cache");
        return;
    }
    int32_t step = kPanStep;
    for (auto _ : state) {
        view.Pan(step, step);
        step = -step;
        PaintEditScene(screen.backBuffer, screen.Scene(&Picture(), view, cache));
        benchmark::ClobberMemory();
    }
    if (zoom != kZoomOne && !cache.IsCurrent(zoom)) {
        state.SkipWithError("the zoom cache was rebuilt while panning");
    }
}
BENCHMARK(BM_EditRepaintPan)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);

// (a) Repaint during a selection drag -------------------------------------------------------------

// A session at zoom 500, the picture centred (covering the screen), with the Select tool and a
// 1000 x 600 frame; each round moves the frame by +-20 picture pixels and paints as the window
// does (scene, then the tool's live frame).
void BM_EditRepaintSelectionDrag(benchmark::State& state) {
    const std::wstring path = GetTempFolder() + L"zbench-edit-select.bmp";
    if (!WriteBmp(path.c_str(), Picture())) {
        state.SkipWithError("cannot write the capture");
        return;
    }
    {
        CaptureList captures;
        SettingsRecord settings{};
        DiskOutputFiles files;
        QuietHost host;
        ScreenPictures screen;
        captures.Add(path.c_str(), Picture());
        EditSession session(captures, settings, files);
        session.Begin(host, kScreenWidth, kScreenHeight);
        session.SetZoom(500);
        session.View().SetScroll(0, 0);
        session.SelectTool(ToolNumber::Select);
        session.Selection().Set(ZRect{1000, 600, 2000, 1200},
                                static_cast<int32_t>(session.GetPicture().GetWidth()),
                                static_cast<int32_t>(session.GetPicture().GetHeight()));
        if (!screen.Make() || !screen.Paint(session) || !session.Cache().IsCurrent(500)) {
            state.SkipWithError("no paint");
        } else {
            int32_t step = kPanStep;
            for (auto _ : state) {
                session.Selection().Move(step, step);
                step = -step;
                screen.Paint(session);
                benchmark::ClobberMemory();
            }
        }
        session.End();
    }
    DeleteFileAt(path.c_str());
}
BENCHMARK(BM_EditRepaintSelectionDrag)->Unit(benchmark::kMillisecond);

// (b) Zoom cache rebuild --------------------------------------------------------------------------

void BM_ZoomCacheRebuild(benchmark::State& state) {
    const int32_t zoom = static_cast<int32_t>(state.range(0));
    const ZImage& picture = Picture();
    const int32_t w = static_cast<int32_t>(ScaleByZoom(picture.GetWidth(), zoom));
    const int32_t h = static_cast<int32_t>(ScaleByZoom(picture.GetHeight(), zoom));
    ZoomCache cache;
    for (auto _ : state) {
        if (!cache.Rebuild(picture, zoom, w, h)) {
            state.SkipWithError("rebuild failed");
        }
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_ZoomCacheRebuild)->Arg(500)->Arg(900)->Unit(benchmark::kMillisecond);

// (c) Stepping to the next capture ----------------------------------------------------------------

// Two 4K captures written as BMP files; each round steps to the other one (which reads it: its
// file, or with edited = 1 its latest history state) and paints it.
void BM_EditStepAndPaint(benchmark::State& state) {
    const bool edited = state.range(0) != 0;
    const std::wstring folder = GetTempFolder();
    const std::wstring paths[2] = {folder + L"zbench-edit-step1.bmp",
                                   folder + L"zbench-edit-step2.bmp"};
    bool written = true;
    for (const std::wstring& path : paths) {
        written = written && WriteBmp(path.c_str(), Picture());
    }
    if (written) {
        CaptureList captures;
        SettingsRecord settings{};
        DiskOutputFiles files;
        QuietHost host;
        ScreenPictures screen;
        for (const std::wstring& path : paths) {
            captures.Add(path.c_str(), Picture());
        }
        EditSession session(captures, settings, files);
        session.Begin(host, kScreenWidth, kScreenHeight);
        if (edited) {
            for (int i = 0; i < 2; ++i) {
                session.GetPictureForChange().Fill(i == 0 ? 0x204060 : 0x604020);
                session.CommitChange();
                session.Step(+1);
            }
        }
        if (!screen.Make() || !session.HasPicture()) {
            state.SkipWithError("no session");
        } else {
            for (auto _ : state) {
                if (!session.Step(+1) || !session.HasPicture()) {
                    state.SkipWithError("step failed");
                    break;
                }
                screen.Paint(session);
                benchmark::ClobberMemory();
            }
        }
        session.End();
        captures.Clear();
    } else {
        state.SkipWithError("cannot write the captures");
    }
    for (const std::wstring& path : paths) {
        DeleteFileAt(path.c_str());
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_EditStepAndPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// (d) History -------------------------------------------------------------------------------------

// One state written per round. The history is emptied (untimed) every few states, so that the
// run keeps a handful of state files instead of gigabytes.
constexpr int kPushesBeforeReset = 4;

void BM_EditHistoryPush(benchmark::State& state) {
    const ZImage& picture = Picture();
    EditHistory history;
    history.Reset();
    for (auto _ : state) {
        if (history.GetNext() >= kPushesBeforeReset) {
            state.PauseTiming();
            history.Reset();
            state.ResumeTiming();
        }
        if (!history.Push(picture)) {
            state.SkipWithError("push failed");
            break;
        }
    }
    history.Reset();
    SetPictureBytes(state);
}
BENCHMARK(BM_EditHistoryPush)->Unit(benchmark::kMillisecond);

// Two states; each round undoes to the first (timed) and redoes to the second (untimed), or the
// other way round for the redo.
void RunUndoRedo(benchmark::State& state, bool timeUndo) {
    const ZImage& picture = Picture();
    ZImage second;
    second.CopyFrom(picture);
    second.Fill(0x204060);
    EditHistory history;
    history.Reset();
    if (!history.Push(picture) || !history.Push(second)) {
        state.SkipWithError("push failed");
        return;
    }
    ZImage working;
    for (auto _ : state) {
        if (!timeUndo) {
            state.PauseTiming();
        }
        const bool undone = history.Undo(working);
        if (!timeUndo) {
            state.ResumeTiming();
        } else {
            state.PauseTiming();
        }
        const bool redone = history.Redo(working);
        if (timeUndo) {
            state.ResumeTiming();
        }
        if (!undone || !redone) {
            state.SkipWithError("undo or redo failed");
            break;
        }
    }
    SetPictureBytes(state);
}

void BM_EditHistoryUndo(benchmark::State& state) {
    RunUndoRedo(state, true);
}
BENCHMARK(BM_EditHistoryUndo)->Unit(benchmark::kMillisecond);

void BM_EditHistoryRedo(benchmark::State& state) {
    RunUndoRedo(state, false);
}
BENCHMARK(BM_EditHistoryRedo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrova

BENCHMARK_MAIN();
