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

#include "codecs/ZFile.h"
#include "codecs/ZImageCodecJpg.h"
#include "core/FileSystem.h"
#include "image/ZImage.h"

namespace {

using zentrova::ZFile;
using zentrova::ZImage;

constexpr uint64_t kRoundTripMaxPixels = uint64_t{1} << 20;

// A temporary file that is deleted again when it goes out of scope.
class ScratchFile {
  public:
    ScratchFile() { m_ok = zentrova::CreateTempFile(L"zfj", m_path); }
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
    Check(image.GetBitsPerPixel() == 8 || image.GetBitsPerPixel() == 24);
    unsigned sum = 0;
    const uint8_t* memory = image.GetBits();
    for (size_t i = 0; i < image.GetPixelMemorySize(); ++i) {
        sum += memory[i];
    }
    Check(sum <= 255u * image.GetPixelMemorySize());
}

void CheckRoundTrip(const ZImage& image) {
    ScratchFile copy;
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
    if (!zentrova::ReadJpg(image, input.path(), &code)) {
        Check(!image.IsValid());
        Check(code == zentrova::jpg::kErrorNotJpeg || code == zentrova::jpg::kErrorLibrary ||
              code == zentrova::jpg::kErrorCreate);
        return 0;
    }
    CheckDecodedImage(image);
    if (uint64_t{image.GetWidth()} * image.GetHeight() <= kRoundTripMaxPixels) {
        CheckRoundTrip(image);
    }
    return 0;
}
