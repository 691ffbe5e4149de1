// JPG reader of the image library.
#pragma once

#include <cstdint>

#include "image/ZImage.h"

namespace zentrova {

namespace jpg {
constexpr const wchar_t* kModule = L"Codecs\\ZImageCodecJpg";
// A library structure or stream cannot be created.
constexpr uint32_t kErrorNoDecoder = 12;
}  // namespace jpg

// Reads path into image; on failure reports to the error log and stores the code.
bool ReadJpg(ZImage& image, const wchar_t* path, uint32_t* errorCode = nullptr);

}  // namespace zentrova
