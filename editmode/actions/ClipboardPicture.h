// The clipboard's forms of a picture, made without a window system so that they can be checked
// byte for byte: a packed device-independent bitmap with a version 5 header (CF_DIBV5) and a PNG
// file (the registered format "PNG"). Both keep every pixel of a 24- or 32-bit picture.
#pragma once

#include <cstdint>
#include <vector>

#include "image/ZImage.h"

namespace zentrova {

constexpr uint32_t kDibV5HeaderBytes = 124;

// A BITMAPV5HEADER (sRGB, bottom-up, no compression, resolution from the picture's dpi) followed
// by the pixel rows exactly as the picture keeps them. False for an empty picture or one that is
// neither 24 nor 32 bits.
bool MakeDibV5(const ZImage& picture, std::vector<uint8_t>& out);

// The picture as a PNG file in memory (RGB, or RGBA for 32 bits): compressed fast for pictures up
// to 8 MB, stored beyond (the clipboard must not keep the user waiting). False when it cannot be
// made.
bool MakePngBytes(const ZImage& picture, std::vector<uint8_t>& out);

// The reverse, for pasting. A packed bitmap (BITMAPINFOHEADER or a later header) of 24 or 32
// bits, uncompressed or with the standard bit fields, bottom-up or top-down, becomes a 24-bit
// picture (alpha dropped). False for any other form or bytes that are too short.
bool ReadPackedDib(const uint8_t* bytes, size_t size, ZImage& picture);
// A PNG file in memory becomes a 24-bit picture. False when it cannot be read.
bool ReadPngBytes(const uint8_t* bytes, size_t size, ZImage& picture);

}  // namespace zentrova
