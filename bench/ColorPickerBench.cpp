// Colour picker benchmark: what one mouse move over the colour field costs, the pick and the
// repaint of the 255 x 255 field and the slider, in each of the six modes (the argument, in the
// order of PickerComponent: red, green, blue, hue, saturation, value). Budget 5 ms
// (bench/report.py). Part of editmode_bench.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "editmode/colorpicker/ColorModel.h"
#include "editmode/colorpicker/PickerPixels.h"
#include "image/ZImage.h"

namespace zentrova {
namespace {

void BM_ColorPickerMouseMove(benchmark::State& state) {
    const auto chosen = static_cast<PickerComponent>(state.range(0));
    ColorModel model;
    model.Create(0x003C8CC8);
    ZImage field;
    ZImage slider;
    int32_t x = 0;
    for (auto _ : state) {
        x = (x + 7) % kFieldSize;
        PickField(model, chosen, x, 254 - x);
        PaintField(field, model, chosen);
        PaintSlider(slider, model, chosen, 0x00F9F6F3);
        benchmark::DoNotOptimize(field.GetBits());
        benchmark::DoNotOptimize(slider.GetBits());
    }
}
BENCHMARK(BM_ColorPickerMouseMove)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentrova
