// Windows bitmap (BMP) reader and writer.
//
// The reader accepts core (12-byte) and 40/52/56/64/108/124-byte headers; 1, 2, 4, 8, 16, 24
// and 32 bits; RLE8, RLE4 and bit fields; bottom-up and top-down rows. The writer stores any
// image uncompressed at its own depth with a 40-byte header.
#pragma once

#include <cstddef>
#include <cstdint>

#include "image/ZImage.h"

namespace zentrova {

namespace bmp {

constexpr const wchar_t* kModule = L"Codecs\\ZImageCodecBmp";

// Error codes and the lines they are reported at.
constexpr uint32_t kErrorOpen = 5;
constexpr int kLineOpen = 52;
constexpr uint32_t kErrorSignature = 7;
constexpr int kLineSignature = 71;
constexpr uint32_t kErrorCompression = 10;
constexpr int kLineCompression = 132;
constexpr uint32_t kErrorCreate = 16;
constexpr int kLineCreate = 172;

constexpr const wchar_t* kWriteOpenFailed = L"Couldn't open BMP File for writing!";

}  // namespace bmp

// Reads path into image. On failure reports to the error log, stores the code into errorCode
// when given and returns false.
bool ReadBmp(ZImage& image, const wchar_t* path, uint32_t* errorCode = nullptr);

// Writes image to path. On failure copies a message into errorText (capacity characters
// including the terminator) when given and returns false.
bool WriteBmp(const wchar_t* path, const ZImage& image, wchar_t* errorText = nullptr,
              size_t errorTextCapacity = 0);

}  // namespace zentrova
