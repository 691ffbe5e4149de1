#include "codecs/ZImageCodecJpg.h"

#include "core/ZError.h"

namespace zentrova {

// The JPG decoder is not part of this build yet: every read fails with the code for a
// decoder structure that cannot be created, and the image is left empty.
bool ReadJpg(ZImage& image, const wchar_t* /*path*/, uint32_t* errorCode) {
    image.Destroy();
    return ZError(errorCode, jpg::kErrorNoDecoder, jpg::kModule, __LINE__);
}

}  // namespace zentrova
