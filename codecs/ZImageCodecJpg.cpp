// JPEG reader and writer.
//
// libjpeg reports errors by jumping back to a setjmp. Each codec keeps everything with a
// destructor in a job object owned by the caller's frame; the functions that call the library
// (DecodeJpeg, EncodeJpeg) hold only plain data, so a jump out of the library skips nothing that
// needs releasing. After a jump the job releases the library structure and the file.
#include "codecs/ZImageCodecJpg.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <memory>
#include <new>
#include <string>

#include <jerror.h>

#include "codecs/JpgAnsiText.h"
#include "codecs/JpgManagers.h"
#include "codecs/JpgPngStream.h"
#include "core/WideText.h"
#include "core/ZError.h"

namespace zentrova {

namespace {

using jpg_detail::ErrorManager;

// Rows handed to the library per call: one iMCU row of the common samplings.
constexpr uint32_t kRowsPerCall = 16;
// A progressive file may hold any number of scans; more than this is taken as an attack.
constexpr int kMaxScans = 1000;

enum class Outcome { Done, LibraryError, CreateFailed };

struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
};

// Reading --------------------------------------------------------------------------------------

struct ReadJob {
    ZImage* image = nullptr;
    jpeg_decompress_struct cinfo{};
    ErrorManager error{};
    jpg_detail::SourceManager source{};
    jpeg_progress_mgr progress{};
    codec_io::BufferedFileReader file;
    std::unique_ptr<uint8_t[]> cmykRows;
};

void LimitScans(j_common_ptr cinfo) {
    auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (decompress->input_scan_number > kMaxScans) {
        auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
        std::snprintf(manager->message, sizeof(manager->message), "Too many scans");
        std::longjmp(manager->jump, 1);
    }
}

// Grey palette: entry i = (i, i, i).
void GreyPalette(uint8_t* rgb) {
    for (int i = 0; i < ZImage::kPaletteEntries; ++i) {
        rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = static_cast<uint8_t>(i);
    }
}

// Adobe CMYK is stored inverted (255 = no ink): each channel is scaled by k.
void CmykToBgr(const uint8_t* cmyk, uint8_t* bgr, uint32_t width) {
    for (uint32_t x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
        const unsigned k = cmyk[3];
        bgr[0] = static_cast<uint8_t>(cmyk[2] * k / 255);
        bgr[1] = static_cast<uint8_t>(cmyk[1] * k / 255);
        bgr[2] = static_cast<uint8_t>(cmyk[0] * k / 255);
    }
}

// Reads the rows from the top picture row (memory row height-1) down, straight into the image,
// or through the CMYK buffer.
void ReadRows(ReadJob& job, bool cmyk) {
    jpeg_decompress_struct& cinfo = job.cinfo;
    ZImage& image = *job.image;
    const uint32_t height = image.GetHeight();
    const size_t cmykStride = size_t{cinfo.output_width} * 4;
    const size_t used = size_t{cinfo.output_width} * (image.GetBitsPerPixel() / 8);
    const size_t padding = image.GetStride() - used;
    JSAMPROW rows[kRowsPerCall];
    while (cinfo.output_scanline < cinfo.output_height) {
        const uint32_t first = cinfo.output_scanline;
        const uint32_t count = std::min(kRowsPerCall, height - first);
        for (uint32_t i = 0; i < count; ++i) {
            rows[i] =
                cmyk ? job.cmykRows.get() + i * cmykStride : image.GetRow(height - 1 - first - i);
        }
        const JDIMENSION got = jpeg_read_scanlines(&cinfo, rows, count);
        if (got == 0) {
            ERREXIT(&cinfo, JERR_INPUT_EOF);
        }
        for (uint32_t i = 0; i < got; ++i) {
            uint8_t* row = image.GetRow(height - 1 - first - i);
            if (cmyk) {
                CmykToBgr(rows[i], row, cinfo.output_width);
            }
            // The bytes after the last pixel are cleared: no stale memory goes out with the image.
            std::memset(row + used, 0, padding);
        }
    }
}

Outcome DecodeJpeg(ReadJob& job) {
    jpeg_decompress_struct& cinfo = job.cinfo;
    cinfo.err = jpg_detail::InitErrorManager(job.error);
    if (setjmp(job.error.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return Outcome::LibraryError;
    }
    jpeg_create_decompress(&cinfo);
    jpg_detail::AttachSource(&cinfo, job.source, job.file);
    job.progress.progress_monitor = LimitScans;
    cinfo.progress = &job.progress;
    jpeg_read_header(&cinfo, TRUE);

    // The size is checked before the library allocates anything for the picture.
    if (!ZImage::IsSizeAcceptable(cinfo.image_width, cinfo.image_height, 32)) {
        jpeg_destroy_decompress(&cinfo);
        return Outcome::CreateFailed;
    }
    if (cinfo.out_color_space == JCS_RGB) {
        cinfo.out_color_space = JCS_EXT_BGR;  // the image's own byte order
    }
    cinfo.scale_num = 1;
    cinfo.scale_denom = 1;
    jpeg_start_decompress(&cinfo);

    uint8_t palette[ZImage::kPaletteBytes] = {};
    uint32_t depth = 0;
    switch (cinfo.output_components) {
        case 1:
            depth = 8;
            GreyPalette(palette);
            break;
        case 3:
        case 4:
            depth = 24;
            break;
        default:
            break;
    }
    const bool cmyk = cinfo.output_components == 4;
    if (cmyk) {
        const size_t rows = std::min(kRowsPerCall, cinfo.output_height);
        job.cmykRows.reset(new (std::nothrow) uint8_t[size_t{cinfo.output_width} * 4 * rows]);
    }
    if (depth == 0 || (cmyk && !job.cmykRows) ||
        !job.image->CreateForOverwrite(cinfo.output_width, cinfo.output_height, depth, palette)) {
        jpeg_destroy_decompress(&cinfo);
        return Outcome::CreateFailed;
    }
    if (cinfo.X_density > 1) {
        job.image->dpiX = cinfo.X_density;
    }
    if (cinfo.Y_density > 1) {
        job.image->dpiY = cinfo.Y_density;
    }
    ReadRows(job, cmyk);
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return Outcome::Done;
}

bool StartsWithNoCase(const char* text, const char* prefix) {
    for (; *prefix != '\0'; ++text, ++prefix) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (*text == '\0' || lower(*text) != lower(*prefix)) {
            return false;
        }
    }
    return true;
}

// Writing --------------------------------------------------------------------------------------

struct WriteSettings {
    int quality;
    bool optimize;
    int smoothing;  // 0-100
    bool progressive;
    bool hasComment;
    std::string comment;
};

struct WriteJob {
    const ZImage* image = nullptr;
    const WriteSettings* settings = nullptr;
    const wchar_t* path = nullptr;
    jpeg_compress_struct cinfo{};
    ErrorManager error{};
    jpg_detail::DestinationManager destination{};
    codec_io::BufferedFileWriter file;
    std::unique_ptr<uint8_t, FreeDeleter> convertedRow;
};

enum class WriteOutcome { Done, OpenFailed, LibraryError };

uint16_t DensityOf(int32_t dpi) {
    return static_cast<uint16_t>(std::min<int32_t>(dpi, UINT16_MAX));
}

// Rows from the top picture row down; 24-bit rows go to the library as they are in memory,
// other depths are converted one row at a time.
void WriteRows(WriteJob& job) {
    jpeg_compress_struct& cinfo = job.cinfo;
    const ZImage& image = *job.image;
    const uint32_t height = image.GetHeight();
    JSAMPROW rows[kRowsPerCall];
    if (image.GetBitsPerPixel() == 24) {
        while (cinfo.next_scanline < height) {
            const uint32_t first = cinfo.next_scanline;
            const uint32_t count = std::min(kRowsPerCall, height - first);
            for (uint32_t i = 0; i < count; ++i) {
                rows[i] = const_cast<uint8_t*>(image.GetRow(height - 1 - first - i));
            }
            jpeg_write_scanlines(&cinfo, rows, count);
        }
        return;
    }
    while (cinfo.next_scanline < height) {
        job.convertedRow.reset(image.GetRowAs(24, height - 1 - cinfo.next_scanline));
        if (!job.convertedRow) {
            ERREXIT1(&cinfo, JERR_OUT_OF_MEMORY, 0);
        }
        rows[0] = job.convertedRow.get();
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
}

WriteOutcome EncodeJpeg(WriteJob& job) {
    jpeg_compress_struct& cinfo = job.cinfo;
    const WriteSettings& settings = *job.settings;
    const ZImage& image = *job.image;
    cinfo.err = jpg_detail::InitErrorManager(job.error);
    if (setjmp(job.error.jump)) {
        job.file.Close();
        jpeg_destroy_compress(&cinfo);
        return WriteOutcome::LibraryError;
    }
    jpeg_create_compress(&cinfo);
    if (!job.file.Open(job.path)) {
        jpeg_destroy_compress(&cinfo);
        return WriteOutcome::OpenFailed;
    }
    jpg_detail::AttachDestination(&cinfo, job.destination, job.file);
    cinfo.image_width = image.GetWidth();
    cinfo.image_height = image.GetHeight();
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_EXT_BGR;  // the image's own byte order
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, settings.quality, TRUE);
    cinfo.optimize_coding = settings.optimize ? TRUE : FALSE;
    cinfo.smoothing_factor = settings.smoothing;
    if (settings.progressive) {
        jpeg_simple_progression(&cinfo);
    }
    // Density unit stays 0 (aspect ratio only); the reader takes densities as dpi regardless.
    if (image.dpiX > 0 && image.dpiY > 0) {
        cinfo.X_density = DensityOf(image.dpiX);
        cinfo.Y_density = DensityOf(image.dpiY);
    }
    jpeg_start_compress(&cinfo, TRUE);
    if (settings.hasComment) {
        jpeg_write_marker(&cinfo, JPEG_COM,
                          reinterpret_cast<const JOCTET*>(settings.comment.data()),
                          static_cast<unsigned>(settings.comment.size()));
    }
    WriteRows(job);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return WriteOutcome::Done;
}

void CopyError(wchar_t* errorText, size_t capacity, const wchar_t* message) {
    if (errorText != nullptr && capacity > 0) {
        CopyText(errorText, capacity, message);
    }
}

int SmoothingPercent(double smoothing) {
    if (!(smoothing > 0.0)) {
        return 0;  // also NaN
    }
    return static_cast<int>(std::trunc(std::min(smoothing, 1.0) * 100.0));
}

}  // namespace

bool ReadJpg(ZImage& image, const wchar_t* path, uint32_t* errorCode) {
    image.Destroy();
    ReadJob job;
    job.image = &image;
    if (!job.file.Open(path)) {
        return ZError(errorCode, jpg::kErrorOpen, jpg::kModule, jpg::kLineOpen);
    }
    const Outcome outcome = DecodeJpeg(job);
    job.file.Close();
    switch (outcome) {
        case Outcome::Done:
            return true;
        case Outcome::CreateFailed:
            image.Destroy();
            return ZError(errorCode, jpg::kErrorCreate, jpg::kModule, jpg::kLineCreate);
        case Outcome::LibraryError:
            break;
    }
    image.Destroy();
    const std::wstring message = FromUtf8(job.error.message);
    ZTrace(jpg::kModule, jpg::kLineLibrary, L"%ls\r\n", message.c_str());
    if (StartsWithNoCase(job.error.message, "Not a JPEG file")) {
        return ZError(errorCode, jpg::kErrorNotJpeg, jpg::kModule, jpg::kLineNotJpeg);
    }
    return ZError(errorCode, jpg::kErrorLibrary, jpg::kModule, jpg::kLineLibrary);
}

bool WriteJpg(const wchar_t* path, const ZImage& image, wchar_t* errorText,
              size_t errorTextCapacity, int quality, bool optimize, double smoothing,
              bool progressive, const wchar_t* comment) {
    if (!image.IsValid()) {
        CopyError(errorText, errorTextCapacity, L"");
        return false;
    }
    WriteSettings settings{
        quality,     optimize,           SmoothingPercent(smoothing),
        progressive, comment != nullptr, ToJpegCommentText(comment, jpg::kMaxCommentChars)};
    image.FlushDrawing();
    WriteJob job;
    job.image = &image;
    job.settings = &settings;
    job.path = path;
    switch (EncodeJpeg(job)) {
        case WriteOutcome::Done:
            return true;
        case WriteOutcome::OpenFailed:
            CopyError(errorText, errorTextCapacity, jpg::kWriteOpenFailed);
            return false;
        case WriteOutcome::LibraryError:
            break;
    }
    CopyError(errorText, errorTextCapacity, FromUtf8(job.error.message).c_str());
    return false;
}

}  // namespace zentrova
