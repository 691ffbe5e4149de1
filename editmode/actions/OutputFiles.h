// OutputFiles: the file operations of the Edit Mode's actions, behind one seam so that the
// action sequence can be tested with a file system that fails on purpose.
//
// WriteOutput never replaces a file before its successor is complete: the picture is written
// under a temporary name in the target's folder and then moved over the target in one step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "image/ZImage.h"

namespace zentrova {

// Output formats of "CaptureOutputFormat" (and of Save As).
enum class OutputFormat : int32_t { Bmp = 0, Jpg = 1, Png = 2, Pdf = 3 };

// ".bmp", ".jpg", ".png", ".pdf"; null outside 0..3.
const wchar_t* OutputExtension(int32_t format);

// path with everything from its last "." (after the last separator) replaced by extension;
// without a "." the extension is appended.
std::wstring ReplaceExtension(const std::wstring& path, const wchar_t* extension);

class OutputFiles {
  public:
    virtual ~OutputFiles() = default;
    // Writes image to path in format; on failure a message into errorText (capacity characters
    // with the terminator) and false. The file may be left incomplete. target is the name the
    // file will have once complete (a PDF document's title).
    virtual bool Write(const wchar_t* path, const wchar_t* target, const ZImage& image,
                       OutputFormat format, wchar_t* errorText, size_t capacity) = 0;
    // Moves from over to (replacing it) in one step.
    virtual bool Replace(const wchar_t* from, const wchar_t* to) = 0;
    virtual bool Remove(const wchar_t* path) = 0;
    virtual bool Exists(const wchar_t* path) = 0;
    // The folder of temporary files (the e-mail attachments), with a separator at its end.
    virtual std::wstring TempFolder();
};

// The real files: the BMP, JPEG (quality 90, optimised, comment "Zentrova Clarivue 2.1"), PNG
// and PDF (codecs/ZPdfExport.h) writers and the platform's file system.
class DiskOutputFiles final : public OutputFiles {
  public:
    bool Write(const wchar_t* path, const wchar_t* target, const ZImage& image, OutputFormat format,
               wchar_t* errorText, size_t capacity) override;
    bool Replace(const wchar_t* from, const wchar_t* to) override;
    bool Remove(const wchar_t* path) override;
    bool Exists(const wchar_t* path) override;
};

// Writes image beside capturePath in format (0-3): the capture's path with the format's extension.
// The picture goes to "<target>~tmp" first, which then replaces the target. On success the
// target's path is in written. On failure nothing existing was touched, the temporary file is
// gone and errorText holds the writer's message.
bool WriteOutput(OutputFiles& files, const std::wstring& capturePath, int32_t format,
                 const ZImage& image, std::wstring& written, wchar_t* errorText, size_t capacity);

}  // namespace zentrova
