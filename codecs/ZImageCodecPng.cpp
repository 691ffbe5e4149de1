#include "codecs/ZImageCodecPng.h"

#include "core/ZError.h"

namespace zentrova {

// The PNG decoder is not part of this build yet: every read fails with the code for a
// decoder structure that cannot be created, and the image is left empty.
bool ReadPng(ZImage& image, const wchar_t* /*path*/, uint32_t* errorCode) {
    image.Destroy();
    return ZError(errorCode, png::kErrorNoDecoder, png::kModule, __LINE__);
}

}  // namespace zentrova
