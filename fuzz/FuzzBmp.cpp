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

#include "codecs/ZFile.h"
#include "codecs/ZImageCodecBmp.h"
#include "core/FileSystem.h"
#include "image/ZImage.h"

namespace {

using zentrova::ZFile;
using zentrova::ZImage;

constexpr uint64_t kRoundTripMaxPixels = uint64_t{1} << 22;

// A temporary file that is deleted again when it goes out of scope.
class ScratchFile {
  public:
    ScratchFile() { m_ok = zentrova::CreateTempFile(L"zfb", m_path); }
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
    // Touch every byte of the pixel memory: the sanitizers see any size mismatch.
    unsigned sum = 0;
    const uint8_t* bits = image.GetBits();
    for (size_t i = 0; i < image.GetPixelMemorySize(); ++i) {
        sum += bits[i];
    }
    Check(sum <= 255u * image.GetPixelMemorySize());
}

void CheckRoundTrip(const ZImage& image) {
    ScratchFile copy;
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
    if (!zentrova::ReadBmp(image, input.path(), &code)) {
        Check(!image.IsValid());
        Check(code == zentrova::bmp::kErrorSignature || code == zentrova::bmp::kErrorCompression ||
              code == zentrova::bmp::kErrorCreate);
        return 0;
    }
    CheckDecodedImage(image);
    // Large pictures (a small file may declare up to 2^28 pixels) are only checked for size.
    if (uint64_t{image.GetWidth()} * image.GetHeight() <= kRoundTripMaxPixels) {
        CheckRoundTrip(image);
    }
    return 0;
}
