// Fuzz entry point of the BMP reader.
//
// Every input is stored as a temporary file and read. A picture that reads must be a valid
// image within the size limits whose every pixel byte can be touched, and writing it and reading
// it back must give the same depth, palette and pixel bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "codecs/ZImageCodecBmp.h"
#include "fuzz/FuzzSupport.h"
#include "image/ZImage.h"

namespace {

using zentrova::ZImage;
using zentrova::fuzz::Check;
using zentrova::fuzz::ScratchFile;

constexpr uint64_t kRoundTripMaxPixels = uint64_t{1} << 22;

void CheckRoundTrip(const ZImage& image) {
    ScratchFile copy(L"zfb");
    if (!copy.ok()) {
        return;
    }
    Check(zentrova::WriteBmp(copy.path(), image));
    ZImage back;
    Check(zentrova::ReadBmp(back, copy.path()));
    Check(back.GetWidth() == image.GetWidth() && back.GetHeight() == image.GetHeight());
    Check(back.GetBitsPerPixel() == image.GetBitsPerPixel());
    Check(back.GetPixelMemorySize() == image.GetPixelMemorySize());
    Check(std::memcmp(back.GetBits(), image.GetBits(), image.GetPixelMemorySize()) == 0);
    if (image.GetBitsPerPixel() <= 8) {
        for (int i = 0; i < (1 << image.GetBitsPerPixel()); ++i) {
            Check(std::memcmp(back.GetPaletteEntryBgr(i), image.GetPaletteEntryBgr(i), 3) == 0);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ScratchFile input(L"zfb");
    if (!zentrova::fuzz::StoreInput(input, data, size)) {
        return 0;
    }
    ZImage image;
    uint32_t code = 0;
    if (!zentrova::ReadBmp(image, input.path(), &code)) {
        Check(!image.IsValid());
        Check(code == zentrova::bmp::kErrorSignature || code == zentrova::bmp::kErrorCompression ||
              code == zentrova::bmp::kErrorCreate);
        return 0;
    }
    zentrova::fuzz::CheckDecodedImage(
        image, zentrova::fuzz::Depth(1) | zentrova::fuzz::Depth(4) | zentrova::fuzz::Depth(8) |
                   zentrova::fuzz::Depth(16) | zentrova::fuzz::Depth(24) |
                   zentrova::fuzz::Depth(32));
    // Large pictures (a small file may declare up to 2^28 pixels) are only checked for size.
    if (uint64_t{image.GetWidth()} * image.GetHeight() <= kRoundTripMaxPixels) {
        CheckRoundTrip(image);
    }
    return 0;
}
