#include "fuzz/FuzzSupport.h"

#include <cstdlib>

#include "codecs/ZFile.h"
#include "core/FileSystem.h"

namespace zentrova::fuzz {

ScratchFile::ScratchFile(const wchar_t* prefix) {
    m_ok = CreateTempFile(prefix, m_path);
}

ScratchFile::~ScratchFile() {
    if (m_ok) {
        DeleteFileAt(m_path.c_str());
    }
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool StoreInput(const ScratchFile& file, const uint8_t* data, size_t size) {
    ZFile out;
    return file.ok() && out.Open(file.path(), ZFile::Mode::CreateForWrite) && out.Write(data, size);
}

void CheckDecodedImage(const ZImage& image, uint64_t allowedDepths) {
    Check(image.IsValid());
    Check(image.GetWidth() >= 1 && image.GetHeight() >= 1);
    Check(uint64_t{image.GetWidth()} * image.GetHeight() <= ZImage::kMaxPixels);
    Check((allowedDepths & Depth(image.GetBitsPerPixel())) != 0);
    unsigned sum = 0;
    const uint8_t* memory = image.GetBits();
    for (size_t i = 0; i < image.GetPixelMemorySize(); ++i) {
        sum += memory[i];
    }
    Check(sum <= 255u * image.GetPixelMemorySize());
}

}  // namespace zentrova::fuzz
