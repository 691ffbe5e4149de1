// Fuzz entry point of the PNG reader.
//
// Every input is stored as a temporary file and read. A failed read must leave the image empty
// with one of the reader's codes; a picture that reads must be a valid image within the size
// limits whose every pixel byte can be touched, and writing it (plain and interlaced) and reading
// it back must give the same depth and pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "codecs/ZImageCodecPng.h"
#include "fuzz/FuzzSupport.h"
#include "image/ZImage.h"

namespace {

using zentrova::ZImage;
using zentrova::fuzz::Check;
using zentrova::fuzz::ScratchFile;

constexpr uint64_t kRoundTripMaxPixels = uint64_t{1} << 20;

// Pixel bits of two images of the same size and depth agree (bits past the width do not count).
bool SamePixels(const ZImage& a, const ZImage& b) {
    const uint64_t rowBits = uint64_t{a.GetWidth()} * a.GetBitsPerPixel();
    const size_t whole = static_cast<size_t>(rowBits / 8);
    const unsigned rest = static_cast<unsigned>(rowBits % 8);
    for (uint32_t r = 0; r < a.GetHeight(); ++r) {
        if (std::memcmp(a.GetRow(r), b.GetRow(r), whole) != 0) {
            return false;
        }
        if (rest != 0) {
            const auto mask = static_cast<uint8_t>(0xFF << (8 - rest));
            if ((a.GetRow(r)[whole] & mask) != (b.GetRow(r)[whole] & mask)) {
                return false;
            }
        }
    }
    return true;
}

void CheckRoundTrip(const ZImage& image) {
    for (bool interlace : {false, true}) {
        ScratchFile copy(L"zfp");
        if (!copy.ok()) {
            return;
        }
        Check(zentrova::WritePng(copy.path(), image, nullptr, 0, interlace));
        ZImage back;
        Check(zentrova::ReadPng(back, copy.path()));
        Check(back.GetWidth() == image.GetWidth() && back.GetHeight() == image.GetHeight());
        Check(back.GetBitsPerPixel() == image.GetBitsPerPixel());
        Check(back.hasTransparentIndex == image.hasTransparentIndex);
        Check(SamePixels(image, back));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ScratchFile input(L"zfp");
    if (!zentrova::fuzz::StoreInput(input, data, size)) {
        return 0;
    }
    ZImage image;
    uint32_t code = 0;
    if (!zentrova::ReadPng(image, input.path(), &code)) {
        Check(!image.IsValid());
        Check(code == zentrova::png::kErrorSignature || code == zentrova::png::kErrorLibrary ||
              code == zentrova::png::kErrorCreate);
        return 0;
    }
    zentrova::fuzz::CheckDecodedImage(
        image, zentrova::fuzz::Depth(1) | zentrova::fuzz::Depth(4) | zentrova::fuzz::Depth(8) |
                   zentrova::fuzz::Depth(24) | zentrova::fuzz::Depth(32));
    if (uint64_t{image.GetWidth()} * image.GetHeight() <= kRoundTripMaxPixels) {
        CheckRoundTrip(image);
    }
    return 0;
}
