// PNG reader and writer (libpng).
//
// The reader gives grey and palette pictures at their own depth (2 bits widened to 4, 16 bits
// reduced to 8), colour as 24 bits and pictures with an alpha channel as 32 bits. Palette
// transparency is composited over the system window colour, and a fully transparent entry
// becomes the image's transparent index. The writer stores palette images as palette PNG (with
// their transparent index), 16- and 24-bit images as RGB and 32-bit images as RGBA.
#pragma once

#include <cstddef>
#include <cstdint>

#include "image/ZImage.h"

namespace zentrova {

namespace png {

constexpr const wchar_t* kModule = L"Codecs\\ZImageCodecPng";

// Error codes of the reader and the lines they are reported at.
constexpr uint32_t kErrorLibrary = 1;  // the library reported an error while decoding
constexpr int kLineLibrary = 129;
constexpr uint32_t kErrorOpen = 5;
constexpr int kLineOpen = 97;
constexpr uint32_t kErrorSignature = 7;
constexpr int kLineSignature = 91;
constexpr uint32_t kErrorNoDecoder = 12;  // a library structure cannot be created
constexpr int kLineNoReadStruct = 105;
constexpr int kLineNoInfoStruct = 114;
constexpr uint32_t kErrorCreate = 16;  // bad or too large dimensions, or no memory
constexpr int kLineCreate = 244;

// The message of a file that ends early: the rows read so far are kept.
constexpr const char* kReadErrorMessage = "Read Error";

constexpr const wchar_t* kWriteOpenFailed = L"Couldn't open file for saving!";
constexpr const wchar_t* kWriteNoStruct = L"Failed: png_create_write_struct!";
constexpr const wchar_t* kWriteNoInfo = L"Failed: png_create_info_struct!";

constexpr bool kDefaultInterlace = false;
constexpr int kCompressionLevel = 6;

}  // namespace png

// Reads path into image. On failure the image is empty, the failure is reported to the error log
// and its code stored into errorCode when given. A file that ends inside the picture data is
// read as far as it goes and counts as success.
bool ReadPng(ZImage& image, const wchar_t* path, uint32_t* errorCode = nullptr);

// Writes image to path (Adam7 interlaced when interlace is set). On failure copies a message
// into errorText (capacity characters including the terminator) when given, and returns false.
bool WritePng(const wchar_t* path, const ZImage& image, wchar_t* errorText,
              size_t errorTextCapacity, bool interlace = png::kDefaultInterlace);

}  // namespace zentrova
