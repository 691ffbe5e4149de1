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

#include "codecs/ZFile.h"
#include "codecs/ZImageCodecPng.h"
#include "core/FileSystem.h"
#include "image/ZImage.h"

namespace {

using zentrova::ZFile;
using zentrova::ZImage;

constexpr uint64_t kRoundTripMaxPixels = uint64_t{1} << 20;

// A temporary file that is deleted again when it goes out of scope.
class ScratchFile {
  public:
    ScratchFile() { m_ok = zentrova::CreateTempFile(L"zfp", m_path); }
    ~ScratchFile() {
        if (m_ok) {
            zentrova::DeleteFileAt(m_path.c_str());
        }
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    bool ok() const { return m_ok; }
    const wchar_t* path() const { return m_path.c_str(); }

  private:
    std::wstring m_path;
    bool m_ok = false;
};

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckDecodedImage(const ZImage& image) {
    Check(image.IsValid());
    Check(image.GetWidth() >= 1 && image.GetHeight() >= 1);
    Check(uint64_t{image.GetWidth()} * image.GetHeight() <= ZImage::kMaxPixels);
    const uint8_t bits = image.GetBitsPerPixel();
    Check(bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32);
    unsigned sum = 0;
    const uint8_t* memory = image.GetBits();
    for (size_t i = 0; i < image.GetPixelMemorySize(); ++i) {
        sum += memory[i];
    }
    Check(sum <= 255u * image.GetPixelMemorySize());
}

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
        ScratchFile copy;
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
    ScratchFile input;
    if (!input.ok()) {
        return 0;
    }
    {
        ZFile file;
        if (!file.Open(input.path(), ZFile::Mode::CreateForWrite) || !file.Write(data, size)) {
            return 0;
        }
    }
    ZImage image;
    uint32_t code = 0;
    if (!zentrova::ReadPng(image, input.path(), &code)) {
        Check(!image.IsValid());
        Check(code == zentrova::png::kErrorSignature || code == zentrova::png::kErrorLibrary ||
              code == zentrova::png::kErrorCreate);
        return 0;
    }
    CheckDecodedImage(image);
    if (uint64_t{image.GetWidth()} * image.GetHeight() <= kRoundTripMaxPixels) {
        CheckRoundTrip(image);
    }
    return 0;
}
