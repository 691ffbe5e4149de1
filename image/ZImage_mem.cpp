// Native attachment of ZImage: plain heap memory, no device context.
#include <cstdlib>

#include "image/ZImage.h"

namespace zentrova {

bool ZImage::AttachPixelMemory() {
    // 64-byte alignment keeps rows friendly to vector loads; the size is rounded up to it.
    const size_t bytes = (GetPixelMemorySize() + 63) & ~size_t{63};
    void* memory = nullptr;
    if (posix_memalign(&memory, 64, bytes) != 0) {
        return false;
    }
    m_bits = static_cast<uint8_t*>(memory);
    return true;
}

void ZImage::ReleasePixelMemory() {
    std::free(m_bits);
    m_bits = nullptr;
}

void ZImage::UploadColorTable() {}

void ZImage::FlushDrawing() const {}

}  // namespace zentrova
