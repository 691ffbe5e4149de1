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
constexpr const wchar_t* kWriteFailed = L"Couldn't write BMP File!";

}  // namespace bmp

// Reads path into image. On failure reports to the error log, stores the code into errorCode
// when given and returns false.
bool ReadBmp(ZImage& image, const wchar_t* path, uint32_t* errorCode = nullptr);

// Writes image to path (created, or emptied when it exists). Every write and the closing are
// checked. On failure copies a message into errorText (capacity characters including the
// terminator) when given and returns false: bmp::kWriteOpenFailed when the file cannot be
// opened, bmp::kWriteFailed when it cannot be written completely (a full disk, a share that went
// away); a file that was opened is then deleted again, so that no partial picture is left.
bool WriteBmp(const wchar_t* path, const ZImage& image, wchar_t* errorText = nullptr,
              size_t errorTextCapacity = 0);

// Where the writer's bytes go, in file order: WriteBmp above gives a file; the tests give an
// output that fails on purpose.
class BmpOutput {
  public:
    virtual ~BmpOutput() = default;
    // True when all count bytes were taken.
    virtual bool Write(const void* bytes, size_t count) = 0;
    // After the last byte: true when everything written is complete (a file closed cleanly).
    virtual bool Finish() = 0;
};

// Writes image into output: the headers, the colour table, the pixel rows, then Finish. The
// first failure stops the writing and gives bmp::kWriteFailed in errorText and false (an image
// that is not valid: an empty text, and nothing written). Removing what was written is the
// caller's part.
bool WriteBmp(BmpOutput& output, const ZImage& image, wchar_t* errorText = nullptr,
              size_t errorTextCapacity = 0);

}  // namespace zentrova
