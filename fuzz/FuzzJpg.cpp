// Fuzz entry point of the JPEG reader.
//
// Every input is stored as a temporary file and read. A failed read must leave the image empty
// with one of the reader's codes; a picture that reads must be an 8-bit grey or a 24-bit image
// within the size limits whose every pixel byte can be touched, and writing it and reading it
// back must give a 24-bit picture of the same size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "codecs/ZImageCodecJpg.h"
#include "fuzz/FuzzSupport.h"
#include "image/ZImage.h"

namespace {

using zentrova::ZImage;
using zentrova::fuzz::Check;
using zentrova::fuzz::ScratchFile;

constexpr uint64_t kRoundTripMaxPixels = uint64_t{1} << 20;

void CheckRoundTrip(const ZImage& image) {
    ScratchFile copy(L"zfj");
    if (!copy.ok()) {
        return;
    }
    Check(zentrova::WriteJpg(copy.path(), image, nullptr, 0));
    ZImage back;
    Check(zentrova::ReadJpg(back, copy.path()));
    Check(back.GetWidth() == image.GetWidth() && back.GetHeight() == image.GetHeight());
    Check(back.GetBitsPerPixel() == 24);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ScratchFile input(L"zfj");
    if (!zentrova::fuzz::StoreInput(input, data, size)) {
        return 0;
    }
    ZImage image;
    uint32_t code = 0;
    if (!zentrova::ReadJpg(image, input.path(), &code)) {
        Check(!image.IsValid());
        Check(code == zentrova::jpg::kErrorNotJpeg || code == zentrova::jpg::kErrorLibrary ||
              code == zentrova::jpg::kErrorCreate);
        return 0;
    }
    zentrova::fuzz::CheckDecodedImage(image, zentrova::fuzz::Depth(8) | zentrova::fuzz::Depth(24));
    if (uint64_t{image.GetWidth()} * image.GetHeight() <= kRoundTripMaxPixels) {
        CheckRoundTrip(image);
    }
    return 0;
}
