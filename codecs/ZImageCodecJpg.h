// JPEG reader and writer (libjpeg 6b interface of libjpeg-turbo).
//
// The reader gives 8-bit grey pictures (with the grey palette) and 24-bit colour; CMYK files
// (Adobe's inverted convention) become 24 bits. JFIF densities above 1 become the resolution.
// The writer stores any image as a colour JPEG.
#pragma once

#include <cstddef>
#include <cstdint>

#include "image/ZImage.h"

namespace zentrova {

namespace jpg {

constexpr const wchar_t* kModule = L"Codecs\\ZImageCodecJpg";

// Error codes of the reader and the lines they are reported at.
constexpr uint32_t kErrorLibrary = 1;  // the library reported an error while decoding
constexpr int kLineLibrary = 85;
constexpr uint32_t kErrorOpen = 5;
constexpr int kLineOpen = 64;
constexpr uint32_t kErrorNotJpeg = 7;
constexpr int kLineNotJpeg = 81;
constexpr uint32_t kErrorCreate = 16;  // bad or too large dimensions, or no memory
constexpr int kLineCreate = 128;

constexpr const wchar_t* kWriteOpenFailed = L"Failed to open file!";

// The settings the program writes with.
constexpr int kDefaultQuality = 90;
constexpr bool kDefaultOptimize = true;
constexpr double kDefaultSmoothing = 0.0;
constexpr bool kDefaultProgressive = false;
constexpr const wchar_t* kDefaultComment = L"Zentrova Clarivue 2.1";
// Longest comment written, in characters.
constexpr size_t kMaxCommentChars = 260;

}  // namespace jpg

// Reads path into image. On failure the image is empty, the failure is reported to the error log
// and its code stored into errorCode when given.
bool ReadJpg(ZImage& image, const wchar_t* path, uint32_t* errorCode = nullptr);

// Writes image (any depth) to path as a colour JPEG. quality 1-100; smoothing 0-1; comment may be
// null (no comment marker). On failure copies the library's message (or the open failure text)
// into errorText (capacity characters including the terminator) when given, and returns false.
bool WriteJpg(const wchar_t* path, const ZImage& image, wchar_t* errorText,
              size_t errorTextCapacity, int quality = jpg::kDefaultQuality,
              bool optimize = jpg::kDefaultOptimize, double smoothing = jpg::kDefaultSmoothing,
              bool progressive = jpg::kDefaultProgressive,
              const wchar_t* comment = jpg::kDefaultComment);

}  // namespace zentrova
