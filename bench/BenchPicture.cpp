#include "bench/BenchPicture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "codecs/ZImageCodecBmp.h"
#include "core/WideText.h"

namespace zentrova {

const ZImage& BenchPicture() {
    static ZImage picture;
    if (!picture.IsValid()) {
        const char* path = std::getenv("CLARIVUE_BENCH_PICTURE");
        if (path == nullptr || !ReadBmp(picture, FromUtf8(path).c_str(), nullptr)) {
            std::fprintf(stderr, "set CLARIVUE_BENCH_PICTURE to the 3840x2160 test BMP\n");
            std::exit(2);
        }
    }
    return picture;
}

void SetPictureBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(BenchPicture().GetPixelMemorySize()));
}

void RunMemcpyBaseline(benchmark::State& state) {
    const ZImage& picture = BenchPicture();
    std::vector<uint8_t> target(picture.GetPixelMemorySize());
    for (auto _ : state) {
        std::memcpy(target.data(), picture.GetBits(), target.size());
        benchmark::ClobberMemory();
    }
    SetPictureBytes(state);
}

}  // namespace zentrova
