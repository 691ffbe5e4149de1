// The benchmarks' picture: the 3840 x 2160 24-bit desktop made by make_test_picture.py, read once
// from the BMP named by the environment variable CLARIVUE_BENCH_PICTURE (bench/report.py sets it).
#pragma once

#include <benchmark/benchmark.h>

#include "image/ZImage.h"

namespace zentrova {

// Ends the process with a hint when the picture cannot be read.
const ZImage& BenchPicture();

// Counts the picture's pixel memory as processed in every round (for bytes per second).
void SetPictureBytes(benchmark::State& state);

// The common baseline: memcpy of the picture's pixel memory into a buffer of the same size.
void RunMemcpyBaseline(benchmark::State& state);

}  // namespace zentrova
