// The image commands and the Select tool's commands on a 3840 x 2160 capture, each run through
// the session's command table with its history push (the history lives in temporary files);
// the clipboard's forms of a 4K picture. Between rounds (untimed) the change is undone, so that
// the history stays two states long and every round starts from the same picture.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bench/BenchPicture.h"
#include "capture/CaptureList.h"
#include "codecs/ZImageCodecBmp.h"
#include "config/SettingsRecord.h"
#include "core/FileSystem.h"
#include "editmode/EditCommands.h"
#include "editmode/EditHost.h"
#include "editmode/EditSession.h"
#include "editmode/actions/ClipboardPicture.h"
#include "editmode/actions/OutputFiles.h"
#include "image/ZImage.h"

namespace zentrova {
namespace {

// Keeps what is copied and hands back a small picture to paste.
class ClipboardHost final : public EditHost {
  public:
    ClipboardHost() { pasted.Create(640, 480, 24, 0x3366CC, nullptr); }
    void Beep() override { ++beeps; }
    void ShowError(const wchar_t*) override {}
    void RequestLeave() override {}
    void Repaint() override {}
    void OpenHelp(const wchar_t*) override {}
    bool CopyToClipboard(const ZImage& picture) override {
        return MakeDibV5(picture, dib) && MakePngBytes(picture, png);
    }
    ClipboardRead PasteFromClipboard(ZImage& picture) override {
        return picture.CopyFrom(pasted) ? ClipboardRead::Picture : ClipboardRead::NoPicture;
    }
    int beeps = 0;
    ZImage pasted;
    std::vector<uint8_t> dib;
    std::vector<uint8_t> png;
};

// state.range(0): the command. The selection, where one is needed: 1920 x 1080 in the middle.
void BM_ImageCommand(benchmark::State& state) {
    const auto command = static_cast<uint32_t>(state.range(0));
    const std::wstring path = GetTempFolder() + L"zbench-imagecmd.bmp";
    if (!WriteBmp(path.c_str(), BenchPicture())) {
        state.SkipWithError("cannot write the capture");
        return;
    }
    {
        CaptureList captures;
        SettingsRecord settings{};
        settings.CaptureShadowOffset = 3;
        settings.CaptureShadowDither = 8;
        settings.CaptureShadowDirection = 315;
        settings.CaptureShadowIntensity = 100;
        settings.CaptureBackgroundColor = 0xFFFFFF;
        DiskOutputFiles files;
        ClipboardHost host;
        captures.Add(path.c_str(), BenchPicture());
        EditSession session(captures, settings, files);
        session.Begin(host, 1920, 1080);
        session.SelectTool(ToolNumber::Select);
        const ZRect selection{960, 540, 2880, 1620};
        for (auto _ : state) {
            state.PauseTiming();
            session.Selection().Set(selection, 3840, 2160);
            state.ResumeTiming();
            if (!session.RunCommand(command)) {
                state.SkipWithError("the command failed");
                break;
            }
            state.PauseTiming();
            session.Undo();
            state.ResumeTiming();
        }
        session.End();
        captures.Clear();
    }
    DeleteFileAt(path.c_str());
    SetPictureBytes(state);
}
BENCHMARK(BM_ImageCommand)
    ->ArgName("command")
    ->Arg(edit_cmd::kRotateLeft)
    ->Arg(edit_cmd::kRotateRight)
    ->Arg(edit_cmd::kMirror)
    ->Arg(edit_cmd::kFlip)
    ->Arg(edit_cmd::kDropShadow)
    ->Arg(edit_cmd::kPencilDrawing)
    ->Arg(edit_cmd::kGrayscale)
    ->Arg(edit_cmd::kCrop)
    ->Arg(edit_cmd::kPixelize)
    ->Arg(edit_cmd::kMenuBlur)
    ->Arg(edit_cmd::kMenuSharpen)
    ->Arg(edit_cmd::kMenuButtonize)
    ->Arg(edit_cmd::kCut)
    ->Arg(edit_cmd::kMenuPaste)
    ->Arg(edit_cmd::kMenuCopy)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The clipboard's forms of a 4K picture as the copy makes them: CF_DIBV5 and "PNG".
void BM_ClipboardForms(benchmark::State& state) {
    std::vector<uint8_t> dib;
    std::vector<uint8_t> png;
    for (auto _ : state) {
        if (!MakeDibV5(BenchPicture(), dib) || !MakePngBytes(BenchPicture(), png)) {
            state.SkipWithError("no clipboard forms");
            break;
        }
        benchmark::DoNotOptimize(png.data());
    }
    SetPictureBytes(state);
}
BENCHMARK(BM_ClipboardForms)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrova

BENCHMARK_MAIN();
