#include "bench/BenchPicture.h"

#include <cstdio>
#include <cstdlib>

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

}  // namespace zentrova
