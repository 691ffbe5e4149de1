// PNG reader and writer.
//
// libpng reports errors by jumping back to the setjmp of png_jmpbuf. Everything with a
// destructor lives in a job object owned by the caller's frame; the functions that call the
// library (DecodePng, EncodePng) hold only plain data. After a jump the job's library
// structures are destroyed there and the file is closed by the caller.
#include "codecs/ZImageCodecPng.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <png.h>

#include "codecs/JpgPngStream.h"
#include "codecs/PngCallbacks.h"
#include "codecs/PngWindowColour.h"
#include "core/WideText.h"
#include "core/ZError.h"

namespace zentrova {

namespace {

using png_detail::PngIoState;

constexpr const char* kUnknownLoadError = "Unknown PNG Load Error";
constexpr size_t kSignatureBytes = 4;

enum class Outcome { Done, NoReadStruct, NoInfoStruct, LibraryError, CreateFailed };

struct ReadJob {
    ZImage* image = nullptr;
    ZColor background = 0;
    PngIoState io{};
    png_structp png = nullptr;
    png_infop info = nullptr;
    codec_io::BufferedFileReader file;
    bool created = false;   // the image exists: a file that ends early keeps it
    bool filled = false;    // the image was filled at creation (interlaced files)
    uint32_t rowsRead = 0;  // complete rows from the top (files that are not interlaced)
};

// Depth of the image for a colour type: 16-bit channels are reduced to 8 bits.
uint32_t ImageDepthFor(int colourType, int bitDepth) {
    switch (colourType) {
        case PNG_COLOR_TYPE_GRAY:
        case PNG_COLOR_TYPE_PALETTE:  // 2 bits are widened to 4
            return ZImage::RoundBitsPerPixel(static_cast<uint32_t>(std::min(bitDepth, 8)));
        case PNG_COLOR_TYPE_RGB:
            return 24;
        case PNG_COLOR_TYPE_GRAY_ALPHA:
        case PNG_COLOR_TYPE_RGB_ALPHA:
            return 32;
        default:
            return 0;
    }
}

// Grey ramp of a grey picture of the given depth (8 for 16-bit files after reduction).
void GreyRamp(int depth, uint8_t* rgb) {
    const int levels = 1 << depth;
    const int step = 255 / (levels - 1);  // 2 bits: 0, 85, 170, 255
    for (int i = 0; i < levels; ++i) {
        rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = static_cast<uint8_t>(i * step);
    }
}

// 2-bit pixels to 4-bit pixels in place, from the end of the row so nothing is overwritten
// before it is read.
void Widen2To4(uint8_t* row, uint32_t width) {
    auto pixel = [row](uint32_t x) { return (row[x / 4] >> (6 - 2 * (x % 4))) & 3; };
    for (uint32_t x = (width + 1) & ~1u; x >= 2; x -= 2) {
        const uint32_t left = x - 2;
        const unsigned high = pixel(left);
        const unsigned low = left + 1 < width ? pixel(left + 1) : 0;
        row[left / 2] = static_cast<uint8_t>((high << 4) | low);
    }
}

// Clears the bytes after the last pixel of every row.
void ClearPadding(ZImage& image) {
    const size_t used = (size_t{image.GetWidth()} * image.GetBitsPerPixel() + 7) / 8;
    for (uint32_t r = 0; r < image.GetHeight(); ++r) {
        std::memset(image.GetRow(r) + used, 0, image.GetStride() - used);
    }
}

double DpiFromPixelsPerMetre(png_uint_32 ppm) {
    return std::trunc(ppm / 100.0 * 2.54 + 0.5);
}

Outcome DecodePng(ReadJob& job) {
    job.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &job.io, png_detail::OnError,
                                     png_detail::OnWarning);
    if (job.png == nullptr) {
        return Outcome::NoReadStruct;
    }
    job.info = png_create_info_struct(job.png);
    if (job.info == nullptr) {
        png_destroy_read_struct(&job.png, nullptr, nullptr);
        return Outcome::NoInfoStruct;
    }
    if (setjmp(png_jmpbuf(job.png))) {
        png_destroy_read_struct(&job.png, &job.info, nullptr);
        return Outcome::LibraryError;
    }
    png_structp png = job.png;
    png_infop info = job.info;
    png_set_read_fn(png, &job.io, png_detail::ReadData);
    // Every chunk carries its own CRC; the zlib checksum over the same data adds nothing.
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
    png_read_info(png, info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colourType = 0;
    int interlace = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, &interlace, nullptr, nullptr);
    const uint32_t depth = ImageDepthFor(colourType, bitDepth);
    if (depth == 0 || !ZImage::IsSizeAcceptable(width, height, depth)) {
        png_destroy_read_struct(&job.png, &job.info, nullptr);
        return Outcome::CreateFailed;
    }
    if (colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
        png_set_gray_to_rgb(png);
        png_set_expand(png);
    }

    uint8_t alpha[256];
    std::memset(alpha, 255, sizeof(alpha));
    if (colourType == PNG_COLOR_TYPE_PALETTE && png_get_valid(png, info, PNG_INFO_tRNS)) {
        png_bytep transAlpha = nullptr;
        int transCount = 0;
        png_get_tRNS(png, info, &transAlpha, &transCount, nullptr);
        if (transAlpha != nullptr && transCount > 0) {
            std::memcpy(alpha, transAlpha, static_cast<size_t>(std::min(transCount, 256)));
        }
        png_color_16 window{};
        window.red = static_cast<png_uint_16>(job.background & 0xFF);
        window.green = static_cast<png_uint_16>((job.background >> 8) & 0xFF);
        window.blue = static_cast<png_uint_16>((job.background >> 16) & 0xFF);
        png_set_background(png, &window, PNG_BACKGROUND_GAMMA_SCREEN, 0, 1.0);
    }
    png_set_bgr(png);
    if (bitDepth == 16) {
        png_set_strip_16(png);
    }
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);

    uint8_t palette[ZImage::kPaletteBytes] = {};
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        png_colorp entries = nullptr;
        int count = 0;
        if (png_get_PLTE(png, info, &entries, &count) && entries != nullptr) {
            for (int i = 0; i < std::min(count, 256); ++i) {
                palette[3 * i] = entries[i].red;
                palette[3 * i + 1] = entries[i].green;
                palette[3 * i + 2] = entries[i].blue;
            }
        }
    } else if (colourType == PNG_COLOR_TYPE_GRAY) {
        GreyRamp(static_cast<int>(std::min(bitDepth, 8)), palette);
    }
    // Every byte a row holds must fit the image's row (2-bit rows are widened in place). The
    // passes of an interlaced file add pixels to what is there, so that image starts filled
    // with the window colour; otherwise every row is overwritten, and rows a short file leaves
    // out are filled afterwards.
    job.filled = interlace != PNG_INTERLACE_NONE;
    if (png_get_rowbytes(png, info) > ZImage::StrideFor(width, depth) ||
        !(job.filled ? job.image->Create(width, height, depth, job.background, palette)
                     : job.image->CreateForOverwrite(width, height, depth, palette))) {
        png_destroy_read_struct(&job.png, &job.info, nullptr);
        return Outcome::CreateFailed;
    }
    job.created = true;
    ZImage& image = *job.image;
    png_uint_32 ppmX = 0;
    png_uint_32 ppmY = 0;
    int unit = 0;
    if (png_get_pHYs(png, info, &ppmX, &ppmY, &unit) && unit == PNG_RESOLUTION_METER) {
        image.dpiX = static_cast<int32_t>(DpiFromPixelsPerMetre(ppmX));
        image.dpiY = static_cast<int32_t>(DpiFromPixelsPerMetre(ppmY));
    }
    for (int i = 0; i < 256; ++i) {
        if (alpha[i] == 0) {
            image.hasTransparentIndex = true;
            image.transparentIndex = static_cast<uint8_t>(i);
        }
    }

    // Rows go straight into the image memory; for interlaced files each pass adds its pixels
    // to what the earlier passes left there.
    // The bytes after the last pixel of a row are cleared, so that no stale memory is ever
    // written out with the image.
    const bool widen = bitDepth == 2;
    const size_t used = (size_t{width} * image.GetBitsPerPixel() + 7) / 8;
    const size_t padding = image.GetStride() - used;
    for (int pass = 0; pass < passes; ++pass) {
        const bool last = pass == passes - 1;
        for (png_uint_32 y = 0; y < height; ++y) {
            uint8_t* row = image.GetRow(height - 1 - y);
            png_read_row(png, row, nullptr);
            if (last) {
                if (widen) {
                    Widen2To4(row, width);
                }
                std::memset(row + used, 0, padding);
            }
            job.rowsRead = y + 1;
        }
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&job.png, &job.info, nullptr);
    return Outcome::Done;
}

bool HasPngSignature(codec_io::BufferedFileReader& file) {
    png_byte signature[kSignatureBytes] = {};
    return file.Read(signature, kSignatureBytes) == kSignatureBytes &&
           png_sig_cmp(signature, 0, kSignatureBytes) == 0;
}

// Writing --------------------------------------------------------------------------------------

struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
};

struct WriteJob {
    const ZImage* image = nullptr;
    bool interlace = false;
    PngIoState io{};
    png_structp png = nullptr;
    png_infop info = nullptr;
    codec_io::BufferedFileWriter file;
    std::unique_ptr<uint8_t, FreeDeleter> convertedRow;
};

enum class WriteOutcome { Done, NoWriteStruct, NoInfoStruct, LibraryError };

png_uint_32 PixelsPerMetre(int32_t dpi) {
    return static_cast<png_uint_32>(std::trunc(dpi * 0.393700787402 * 100.0));
}

void SetPalette(WriteJob& job, uint32_t bits) {
    const ZImage& image = *job.image;
    const int count = 1 << bits;
    png_color entries[256];
    for (int i = 0; i < count; ++i) {
        const uint8_t* bgr = image.GetPaletteEntryBgr(i);
        entries[i].red = bgr[2];
        entries[i].green = bgr[1];
        entries[i].blue = bgr[0];
    }
    png_set_PLTE(job.png, job.info, entries, count);
    if (image.hasTransparentIndex && image.transparentIndex < count) {
        png_byte alpha[256];
        std::memset(alpha, 255, sizeof(alpha));
        alpha[image.transparentIndex] = 0;
        png_set_tRNS(job.png, job.info, alpha, image.transparentIndex + 1, nullptr);
    }
}

WriteOutcome EncodePng(WriteJob& job) {
    job.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &job.io, png_detail::OnError,
                                      png_detail::OnWarning);
    if (job.png == nullptr) {
        return WriteOutcome::NoWriteStruct;
    }
    job.info = png_create_info_struct(job.png);
    if (job.info == nullptr) {
        png_destroy_write_struct(&job.png, nullptr);
        return WriteOutcome::NoInfoStruct;
    }
    if (setjmp(png_jmpbuf(job.png))) {
        png_destroy_write_struct(&job.png, &job.info);
        return WriteOutcome::LibraryError;
    }
    png_structp png = job.png;
    png_infop info = job.info;
    const ZImage& image = *job.image;
    png_set_write_fn(png, &job.io, png_detail::WriteData, png_detail::FlushData);

    const uint32_t bits = image.GetBitsPerPixel();
    int colourType = PNG_COLOR_TYPE_PALETTE;
    int bitDepth = static_cast<int>(bits);
    if (bits == 16 || bits == 24) {
        colourType = PNG_COLOR_TYPE_RGB;
        bitDepth = 8;
    } else if (bits == 32) {
        colourType = PNG_COLOR_TYPE_RGB_ALPHA;
        bitDepth = 8;
    }
    const uint32_t width = image.GetWidth();
    const uint32_t height = image.GetHeight();
    png_set_IHDR(png, info, width, height, bitDepth, colourType,
                 job.interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, png::kCompressionLevel);
    if (image.dpiX > 0 && image.dpiY > 0) {
        png_set_pHYs(png, info, PixelsPerMetre(image.dpiX), PixelsPerMetre(image.dpiY),
                     PNG_RESOLUTION_METER);
    }
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        SetPalette(job, bits);
    }
    png_write_info(png, info);
    png_set_bgr(png);
    const int passes = job.interlace ? png_set_interlace_handling(png) : 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (uint32_t y = 0; y < height; ++y) {
            const uint32_t memoryRow = height - 1 - y;
            const uint8_t* row = image.GetRow(memoryRow);
            if (bits == 16) {
                job.convertedRow.reset(image.GetRowAs(24, memoryRow));
                if (!job.convertedRow) {
                    png_error(png, "Insufficient memory");
                }
                row = job.convertedRow.get();
            }
            png_write_row(png, row);
        }
    }
    png_write_end(png, info);
    png_destroy_write_struct(&job.png, &job.info);
    return WriteOutcome::Done;
}

void CopyError(wchar_t* errorText, size_t capacity, const wchar_t* message) {
    if (errorText != nullptr && capacity > 0) {
        CopyText(errorText, capacity, message);
    }
}

}  // namespace

bool ReadPng(ZImage& image, const wchar_t* path, uint32_t* errorCode) {
    image.Destroy();
    ReadJob job;
    job.image = &image;
    job.background = GetPngBackgroundColour();
    png_detail::SetMessage(job.io, kUnknownLoadError);
    job.io.reader = &job.file;
    if (!job.file.Open(path)) {
        return ZError(errorCode, png::kErrorOpen, png::kModule, png::kLineOpen);
    }
    if (!HasPngSignature(job.file)) {
        return ZError(errorCode, png::kErrorSignature, png::kModule, png::kLineSignature);
    }
    // libpng checks the whole signature itself, from the start of the file.
    job.file.Close();
    if (!job.file.Open(path)) {
        return ZError(errorCode, png::kErrorOpen, png::kModule, png::kLineOpen);
    }
    const Outcome outcome = DecodePng(job);
    job.file.Close();
    switch (outcome) {
        case Outcome::Done:
            return true;
        case Outcome::NoReadStruct:
            return ZError(errorCode, png::kErrorNoDecoder, png::kModule, png::kLineNoReadStruct);
        case Outcome::NoInfoStruct:
            return ZError(errorCode, png::kErrorNoDecoder, png::kModule, png::kLineNoInfoStruct);
        case Outcome::CreateFailed:
            image.Destroy();
            return ZError(errorCode, png::kErrorCreate, png::kModule, png::kLineCreate);
        case Outcome::LibraryError:
            break;
    }
    // A file that ends inside the picture keeps what was read; before the picture exists there
    // is nothing to keep.
    if (job.created && std::strcmp(job.io.message, png::kReadErrorMessage) == 0) {
        if (!job.filled && job.rowsRead < image.GetHeight()) {
            image.FillRect(0, static_cast<int32_t>(job.rowsRead),
                           static_cast<int32_t>(image.GetWidth()),
                           static_cast<int32_t>(image.GetHeight() - job.rowsRead), job.background);
        }
        ClearPadding(image);
        return true;
    }
    image.Destroy();
    ZTrace(png::kModule, png::kLineLibrary, L"%ls\r\n", FromUtf8(job.io.message).c_str());
    return ZError(errorCode, png::kErrorLibrary, png::kModule, png::kLineLibrary);
}

bool WritePng(const wchar_t* path, const ZImage& image, wchar_t* errorText,
              size_t errorTextCapacity, bool interlace) {
    if (!image.IsValid()) {
        CopyError(errorText, errorTextCapacity, L"");
        return false;
    }
    WriteJob job;
    job.image = &image;
    job.interlace = interlace;
    job.io.writer = &job.file;
    if (!job.file.Open(path)) {
        CopyError(errorText, errorTextCapacity, png::kWriteOpenFailed);
        return false;
    }
    image.FlushDrawing();
    const WriteOutcome outcome = EncodePng(job);
    const bool closed = job.file.Close();
    switch (outcome) {
        case WriteOutcome::Done:
            if (closed) {
                return true;
            }
            png_detail::SetMessage(job.io, "Write Error");
            break;
        case WriteOutcome::NoWriteStruct:
            CopyError(errorText, errorTextCapacity, png::kWriteNoStruct);
            return false;
        case WriteOutcome::NoInfoStruct:
            CopyError(errorText, errorTextCapacity, png::kWriteNoInfo);
            return false;
        case WriteOutcome::LibraryError:
            break;
    }
    CopyError(errorText, errorTextCapacity, FromUtf8(job.io.message).c_str());
    return false;
}

}  // namespace zentrova
