// Loading a picture file with the codec its extension names.
#pragma once

#include <cstdint>

#include "image/ZImage.h"

namespace zentrova {

namespace load_image {
constexpr const wchar_t* kModule = L"_zedconfig";
constexpr int kLine = 102;
constexpr uint32_t kErrorNotFound = 2;
constexpr uint32_t kErrorExtension = 8;
constexpr size_t kMaxExtensionChars = 32;
}  // namespace load_image

// "bmp", "jpg" and "png" (any case) pick the reader; the reader reports its own failures.
// No path or a missing file gives code 2, any other extension code 8.
bool LoadImageFromFile(ZImage& image, const wchar_t* path, uint32_t* errorCode = nullptr);

}  // namespace zentrova
