// Windows bitmap reader and writer.
//
// The reader takes nothing in the file on trust: the picture size is checked against the image
// limits before anything is allocated, the colour table goes into a fixed buffer, and every
// decoder clips its writes to the image. Declared file sizes and offsets that are wrong are no
// error: data that is missing leaves the image as filled at creation.
#include "codecs/ZImageCodecBmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "codecs/BmpByteReader.h"
#include "codecs/BmpDecode.h"
#include "codecs/BmpHeader.h"
#include "codecs/ZFile.h"
#include "core/FileSystem.h"
#include "core/WideText.h"
#include "core/ZError.h"

namespace zentrova {

namespace {

using bmp::BmpHeader;

constexpr uint32_t kMaxPaletteEntries = 256;

// Depth of the image a file is read into: 16-bit bit fields widen to 24 bits, 2 bits become 4;
// 0 for bit counts that cannot be read.
uint32_t ImageDepthFor(const BmpHeader& header) {
    switch (header.bitCount) {
        case 1:
        case 4:
        case 8:
        case 24:
        case 32:
            return header.bitCount;
        case 2:
            return 4;
        case 16:
            return header.compression == bmp::kCompressionBitFields ? 24 : 16;
        default:
            return 0;
    }
}

// The compressions each depth can be stored with.
bool IsCompressionValidForDepth(uint32_t compression, uint32_t bitCount) {
    switch (compression) {
        case bmp::kCompressionNone:
            return true;
        case bmp::kCompressionRle8:
            return bitCount == 8;
        case bmp::kCompressionRle4:
            return bitCount == 4;
        case bmp::kCompressionBitFields:
            return bitCount == 16 || bitCount == 32;
        default:
            return false;
    }
}

// Reads the colour table at its place into 256 red, green, blue triplets (the rest 0). Entries
// that the file does not hold stay 0.
void ReadPalette(ZFile& file, const BmpHeader& header, uint8_t* rgb) {
    std::memset(rgb, 0, ZImage::kPaletteBytes);
    if (header.bitCount > 8) {
        return;
    }
    const uint32_t entries = 1u << header.bitCount;
    const uint32_t entryBytes = header.paletteEntryBytes;
    uint8_t table[kMaxPaletteEntries * 4] = {};
    if (file.Seek(static_cast<int64_t>(header.paletteOffset), ZFile::Origin::Start) < 0) {
        return;
    }
    file.Read(table, size_t{entries} * entryBytes);
    for (uint32_t i = 0; i < entries; ++i) {
        const uint8_t* entry = table + i * entryBytes;
        rgb[i * 3 + 0] = entry[2];
        rgb[i * 3 + 1] = entry[1];
        rgb[i * 3 + 2] = entry[0];
    }
}

// Pixels per metre to dots per inch, rounded half up; values below 2 keep the default.
void ApplyResolution(const BmpHeader& header, ZImage& image) {
    if (header.pixelsPerMetreX >= 2 && header.pixelsPerMetreY >= 2) {
        image.dpiX = static_cast<int32_t>(std::trunc(header.pixelsPerMetreX / 100.0 * 2.54 + 0.5));
        image.dpiY = static_cast<int32_t>(std::trunc(header.pixelsPerMetreY / 100.0 * 2.54 + 0.5));
    }
}

// True for the layouts whose file rows are the image's memory rows byte for byte.
bool IsStraightCopy(const BmpHeader& header) {
    switch (header.compression) {
        case bmp::kCompressionNone:
            return header.bitCount != 2;
        case bmp::kCompressionBitFields:
            return header.bitCount == 32;
        default:
            return false;
    }
}

// After a short read of `got` bytes into the pixel memory (created without a fill): the rest of
// the memory becomes what a creation with fill colour 0 gives, the bytes that were read stay.
void FillUnread(ZImage& image, size_t got) {
    const size_t size = image.GetPixelMemorySize();
    if (got >= size) {
        return;
    }
    std::memset(image.GetBits() + got, 0, size - got);
    if (image.GetBitsPerPixel() > 8) {
        return;  // zero bytes are black
    }
    // Palette images: black is the nearest palette colour, which the fill works out.
    const uint32_t stride = image.GetStride();
    const uint32_t fullRows = static_cast<uint32_t>(got / stride);
    const size_t partial = got % stride;
    std::unique_ptr<uint8_t[]> kept;
    if (partial > 0) {
        kept.reset(new (std::nothrow) uint8_t[partial]);
        if (kept) {
            std::memcpy(kept.get(), image.GetRow(fullRows), partial);
        }
    }
    // Memory rows fullRows..height-1 are the picture rows 0..height-1-fullRows from the top.
    image.FillRect(0, 0, static_cast<int32_t>(image.GetWidth()),
                   static_cast<int32_t>(image.GetHeight() - fullRows), 0);
    if (kept) {
        std::memcpy(image.GetRow(fullRows), kept.get(), partial);
    }
}

// Reads pixel data laid out like the image's memory: one block straight into the pixel memory.
void ReadStraight(ZFile& file, const BmpHeader& header, ZImage& image) {
    size_t got = 0;
    if (file.Seek(header.pixelDataOffset, ZFile::Origin::Start) >= 0) {
        got = file.Read(image.GetBits(), image.GetPixelMemorySize());
    }
    FillUnread(image, got);
    if (header.compression == bmp::kCompressionBitFields && !bmp::HasDefaultMasks32(header)) {
        bmp::ApplyMasks32(image.GetBits(), got / 4, header);
    }
}

// Reads pixel data that needs decoding. Pixels the data leaves out stay black.
void ReadDecoded(ZFile& file, const BmpHeader& header, ZImage& image) {
    FillUnread(image, 0);
    if (file.Seek(header.pixelDataOffset, ZFile::Origin::Start) < 0) {
        return;
    }
    bmp::BmpByteReader reader(file);
    switch (header.compression) {
        case bmp::kCompressionRle8:
            bmp::DecodeRle8(reader, image);
            break;
        case bmp::kCompressionRle4:
            bmp::DecodeRle4(reader, image);
            break;
        case bmp::kCompressionBitFields:
            bmp::ReadBitFields16Rows(reader, image, header.greenMask);
            break;
        default:
            bmp::Read2BitRows(reader, image);
            break;
    }
}

// Little-endian writes into a header buffer.
void PutU16(uint8_t* at, uint32_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}
void PutU32(uint8_t* at, uint32_t value) {
    PutU16(at, value);
    PutU16(at + 2, value >> 16);
}

// Dots per inch to pixels per metre, truncated (and kept within the field's range).
int32_t PixelsPerMetre(int32_t dpi) {
    const double ppm = std::trunc(dpi * 0.393700787402 * 100.0);
    return static_cast<int32_t>(std::clamp(ppm, double{INT32_MIN}, double{INT32_MAX}));
}

// A file as the writer's output: its writes, and closing it as the finish.
class BmpFileOutput final : public BmpOutput {
  public:
    bool Write(const void* bytes, size_t count) override { return file.Write(bytes, count); }
    bool Finish() override { return file.Close(); }
    ZFile file;
};

void CopyError(wchar_t* errorText, size_t capacity, const wchar_t* message) {
    if (errorText != nullptr && capacity > 0) {
        CopyText(errorText, capacity, message);
    }
}

}  // namespace

bool ReadBmp(ZImage& image, const wchar_t* path, uint32_t* errorCode) {
    image.Destroy();
    ZFile file;
    if (!file.Open(path, ZFile::Mode::Read)) {
        return ZError(errorCode, bmp::kErrorOpen, bmp::kModule, bmp::kLineOpen);
    }

    uint8_t probe[bmp::kHeaderProbeBytes];
    const size_t probed = file.Read(probe, sizeof(probe));
    if (!bmp::HasBmpSignature(probe, probed)) {
        return ZError(errorCode, bmp::kErrorSignature, bmp::kModule, bmp::kLineSignature);
    }
    BmpHeader header;
    bmp::ParseBmpHeader(probe, probed, header);

    if (!header.isCore && header.compression > bmp::kCompressionBitFields) {
        return ZError(errorCode, bmp::kErrorCompression, bmp::kModule, bmp::kLineCompression);
    }
    const uint32_t depth = ImageDepthFor(header);
    if (depth != 0 && !IsCompressionValidForDepth(header.compression, header.bitCount)) {
        return ZError(errorCode, bmp::kErrorCompression, bmp::kModule, bmp::kLineCompression);
    }

    // Sizes: negative height means top-down rows (64-bit, so that INT_MIN has an absolute
    // value); everything is checked against the image limits before any allocation.
    const bool topDown = header.height < 0;
    const int64_t height = topDown ? -header.height : header.height;
    if (depth == 0 || header.width < 1 || height < 1 || header.width > UINT32_MAX ||
        height > UINT32_MAX ||
        !ZImage::IsSizeAcceptable(static_cast<uint32_t>(header.width),
                                  static_cast<uint32_t>(height), depth)) {
        return ZError(errorCode, bmp::kErrorCreate, bmp::kModule, bmp::kLineCreate);
    }

    uint8_t palette[ZImage::kPaletteBytes];
    ReadPalette(file, header, palette);
    const auto width = static_cast<uint32_t>(header.width);
    const auto rows = static_cast<uint32_t>(height);
    if (!image.CreateForOverwrite(width, rows, depth, palette)) {
        return ZError(errorCode, bmp::kErrorCreate, bmp::kModule, bmp::kLineCreate);
    }
    ApplyResolution(header, image);
    if (IsStraightCopy(header)) {
        ReadStraight(file, header, image);
    } else {
        ReadDecoded(file, header, image);
    }
    file.Close();
    if (topDown) {
        image.FlipVertical();
    }
    return true;
}

bool WriteBmp(BmpOutput& output, const ZImage& image, wchar_t* errorText,
              size_t errorTextCapacity) {
    if (!image.IsValid()) {
        CopyError(errorText, errorTextCapacity, L"");
        return false;
    }
    const uint32_t bits = image.GetBitsPerPixel();
    const uint32_t paletteEntries = bits <= 8 ? (1u << bits) : 0;
    const uint32_t headersBytes = bmp::kFileHeaderSize + bmp::kInfoHeaderSize + 4 * paletteEntries;
    const uint64_t pixelBytes = image.GetPixelMemorySize();
    const uint64_t fileSize = headersBytes + pixelBytes;

    uint8_t headers[bmp::kFileHeaderSize + bmp::kInfoHeaderSize + 4 * kMaxPaletteEntries] = {};
    PutU16(headers + 0, bmp::kSignature);
    PutU32(headers + 2, fileSize > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(fileSize));
    PutU32(headers + 10, headersBytes);
    uint8_t* info = headers + bmp::kFileHeaderSize;
    PutU32(info + 0, bmp::kInfoHeaderSize);
    PutU32(info + 4, image.GetWidth());
    PutU32(info + 8, image.GetHeight());
    PutU16(info + 12, 1);
    PutU16(info + 14, bits);
    // Compression, image size, colours used and important stay 0.
    if (image.dpiX != 0 && image.dpiY != 0) {
        PutU32(info + 24, static_cast<uint32_t>(PixelsPerMetre(image.dpiX)));
        PutU32(info + 28, static_cast<uint32_t>(PixelsPerMetre(image.dpiY)));
    }
    uint8_t* table = info + bmp::kInfoHeaderSize;
    for (uint32_t i = 0; i < paletteEntries; ++i) {
        std::memcpy(table + i * 4, image.GetPaletteEntryBgr(static_cast<int>(i)), 3);
    }

    image.FlushDrawing();
    // Finish runs also after a failed write: the output is complete (a file closed) either way.
    const bool written = output.Write(headers, headersBytes) &&
                         output.Write(image.GetBits(), static_cast<size_t>(pixelBytes));
    const bool finished = output.Finish();
    if (!written || !finished) {
        CopyError(errorText, errorTextCapacity, bmp::kWriteFailed);
        return false;
    }
    return true;
}

bool WriteBmp(const wchar_t* path, const ZImage& image, wchar_t* errorText,
              size_t errorTextCapacity) {
    if (!image.IsValid()) {
        CopyError(errorText, errorTextCapacity, L"");
        return false;
    }
    BmpFileOutput output;
    if (!output.file.Open(path, ZFile::Mode::CreateForWrite)) {
        CopyError(errorText, errorTextCapacity, bmp::kWriteOpenFailed);
        return false;
    }
    const std::wstring fullPath = output.file.GetPath();  // closing forgets it
    if (WriteBmp(output, image, errorText, errorTextCapacity)) {
        return true;
    }
    // An incomplete picture must not pass for a capture or a converted file.
    DeleteFileAt(fullPath.c_str());
    return false;
}

}  // namespace zentrova
