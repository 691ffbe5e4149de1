// libpng glue of the PNG codec: error and warning functions and file input and output over the
// buffered file classes.
//
// The error function keeps the library's message and jumps back to the codec's setjmp
// (png_jmpbuf); warnings are dropped. A file that ends early gives the message "Read Error", a
// failed write "Write Error".
#pragma once

#include <cstddef>

#include <png.h>

#include "codecs/JpgPngStream.h"

namespace zentrova::png_detail {

constexpr size_t kMessageChars = 256;

// The error pointer and the input/output pointer handed to libpng.
struct PngIoState {
    char message[kMessageChars];
    codec_io::BufferedFileReader* reader = nullptr;
    codec_io::BufferedFileWriter* writer = nullptr;
};

// Replaces the state's message.
void SetMessage(PngIoState& state, const char* message);

void OnError(png_structp png, png_const_charp message);
void OnWarning(png_structp png, png_const_charp message);
void ReadData(png_structp png, png_bytep data, size_t length);
void WriteData(png_structp png, png_bytep data, size_t length);
void FlushData(png_structp png);

}  // namespace zentrova::png_detail
