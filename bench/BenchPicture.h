// The benchmarks' picture: the 3840 x 2160 24-bit desktop made by make_test_picture.py, read once
// from the BMP named by the environment variable CLARIVUE_BENCH_PICTURE (bench/report.py sets it).
#pragma once

#include "image/ZImage.h"

namespace zentrova {

// Ends the process with a hint when the picture cannot be read.
const ZImage& BenchPicture();

}  // namespace zentrova
