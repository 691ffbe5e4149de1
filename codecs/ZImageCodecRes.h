// Pictures stored as resources of a module (Windows only), decoded by the platform's OLE
// picture decoder (BMP, JPEG, GIF and the other formats it knows) into a 24-bit image.
#pragma once

#include <cstdint>

#include "image/ZImage.h"

struct HINSTANCE__;

namespace zentrova {

namespace res {

constexpr const wchar_t* kModule = L"Codecs\\ZImageCodecRes";

// Error codes of the reader and the lines they are reported at.
constexpr uint32_t kErrorMissing = 17;  // not found, or empty
constexpr int kLineNotFound = 21;
constexpr int kLineEmpty = 26;
constexpr uint32_t kErrorUnreadable = 18;
constexpr int kLineUnreadable = 34;
constexpr uint32_t kErrorNoStream = 12;
constexpr int kLineNoStream = 47;
constexpr uint32_t kErrorDecode = 9;
constexpr int kLineDecode = 53;
constexpr uint32_t kErrorCreate = 16;
constexpr int kLineCreate = 70;
constexpr uint32_t kErrorRender = 13;
constexpr int kLineRender = 80;

// Colour of the image before the picture is drawn into it.
constexpr ZColor kFillColour = 0x00FFFFFF;

}  // namespace res

// Reads the resource name of type from module (a module handle; null for the program itself)
// into image: its size in pixels follows from the picture's own size and the screen's
// resolution. COM must be initialised on the calling thread. On failure the image is empty,
// the failure reported to the error log and its code stored into errorCode when given.
bool ReadResourcePicture(ZImage& image, HINSTANCE__* module, const wchar_t* name,
                         const wchar_t* type, uint32_t* errorCode = nullptr);

}  // namespace zentrova
