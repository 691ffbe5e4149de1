#include "codecs/ZPdfExport.h"

#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "codecs/ZFile.h"
#include "core/FileSystem.h"
#include "core/WideText.h"
#include "core/ZError.h"
#include "image/ZResampleRows.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfLayout.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kModule = L"Codecs\\ZPdfExport";
constexpr size_t kSinkBlock = 256 * 1024;
constexpr const wchar_t* kTempSuffix = L"~tmp";

// The document's bytes into a file, in large blocks.
class FileSink final : public pdf::ByteSink {
  public:
    bool Open(const wchar_t* path) {
        m_buffer.reset(new (std::nothrow) uint8_t[kSinkBlock]);
        return m_buffer && m_file.Open(path, ZFile::Mode::CreateForWrite);
    }
    bool Write(const uint8_t* data, size_t size) override {
        while (size > 0) {
            if (m_used == kSinkBlock && !Flush()) {
                return false;
            }
            const size_t n = size < kSinkBlock - m_used ? size : kSinkBlock - m_used;
            std::memcpy(m_buffer.get() + m_used, data, n);
            m_used += n;
            data += n;
            size -= n;
        }
        return true;
    }
    bool Close() {
        const bool flushed = Flush();
        return m_file.Close() && flushed;
    }

  private:
    bool Flush() {
        const bool ok = m_used == 0 || m_file.Write(m_buffer.get(), m_used);
        m_used = 0;
        return ok;
    }

    ZFile m_file;
    std::unique_ptr<uint8_t[]> m_buffer;
    size_t m_used = 0;
};

// The rows of one page: the scaled picture's rows from the top, white right of and below it.
class PageRows final : public pdf::RowSource {
  public:
    PageRows(ZBilinearRows& picture, const pdf::PageLayout& layout, uint8_t* scratch)
        : m_picture(picture), m_layout(layout), m_scratch(scratch) {}
    void SetPage(uint64_t page) { m_firstRow = page * m_layout.pageHeight; }
    bool GetRow(uint32_t y, uint8_t* rgb) override {
        const uint64_t row = m_firstRow + y;
        const size_t pageBytes = size_t{m_layout.pageWidth} * 3;
        if (row >= m_layout.scaledHeight) {
            std::memset(rgb, 0xFF, pageBytes);
            return true;
        }
        const auto memoryRow = static_cast<uint32_t>(m_layout.scaledHeight - 1 - row);
        if (!m_picture.GetRow(memoryRow, m_scratch)) {
            return false;
        }
        const size_t width = static_cast<size_t>(m_layout.scaledWidth);
        const uint8_t* bgr = m_scratch;
        for (size_t x = 0; x < width; ++x, bgr += 3, rgb += 3) {
            rgb[0] = bgr[2];
            rgb[1] = bgr[1];
            rgb[2] = bgr[0];
        }
        std::memset(rgb, 0xFF, pageBytes - width * 3);
        return true;
    }

  private:
    ZBilinearRows& m_picture;
    const pdf::PageLayout& m_layout;
    uint8_t* m_scratch;
    uint64_t m_firstRow = 0;
};

bool Fail(wchar_t* errorText, size_t capacity, const wchar_t* message, int line) {
    CopyText(errorText, capacity, message);
    ZTrace(kModule, line, L"%ls\n", message);
    return false;
}

}  // namespace

bool WritePdf(const wchar_t* path, const ZImage& image, const wchar_t* title, wchar_t* errorText,
              size_t capacity) {
    pdf::PageLayout layout;
    if (!image.IsValid() || !pdf::ComputePageLayout(image.GetWidth(), image.GetHeight(), layout)) {
        return Fail(errorText, capacity, kPdfWriteFailed, __LINE__);
    }
    if (layout.scaledWidth > UINT32_MAX || layout.scaledHeight > UINT32_MAX ||
        !ZImage::IsSizeAcceptable(static_cast<uint32_t>(layout.scaledWidth),
                                  static_cast<uint32_t>(layout.scaledHeight), 24) ||
        layout.pageCount > pdf::kMaxPages) {
        return Fail(errorText, capacity, kPdfTooLarge, __LINE__);
    }
    // The rows are read at 24 bits; other depths through a 24-bit copy.
    ZImage converted;
    const ZImage* source = &image;
    if (image.GetBitsPerPixel() != 24) {
        if (!converted.CopyFrom(image) || !converted.SetBitDepth(24)) {
            return Fail(errorText, capacity, kPdfNoMemory, __LINE__);
        }
        source = &converted;
    }
    ZBilinearRows picture;
    std::unique_ptr<uint8_t[]> scratch(new (std::nothrow)
                                           uint8_t[static_cast<size_t>(layout.scaledWidth) * 3]);
    if (!scratch || !picture.Init(*source, static_cast<uint32_t>(layout.scaledWidth),
                                  static_cast<uint32_t>(layout.scaledHeight))) {
        return Fail(errorText, capacity, kPdfNoMemory, __LINE__);
    }
    FileSink sink;
    if (!sink.Open(path)) {
        return Fail(errorText, capacity, kPdfOpenFailed, __LINE__);
    }
    pdf::DocumentWriter writer(sink);
    PageRows rows(picture, layout, scratch.get());
    bool ok = writer.Begin(static_cast<uint32_t>(layout.pageCount), ToUtf8(kPdfCreator),
                           ToUtf8(title != nullptr ? title : path));
    for (uint64_t page = 0; ok && page < layout.pageCount; ++page) {
        rows.SetPage(page);
        ok = writer.AddImagePage(layout.pageWidth, layout.pageHeight, rows);
    }
    ok = ok && writer.End();
    if (!sink.Close() || !ok) {
        return Fail(errorText, capacity, kPdfWriteFailed, __LINE__);
    }
    return true;
}

bool ExportPdf(const wchar_t* path, const ZImage& image, wchar_t* errorText, size_t capacity) {
    const std::wstring temporary = std::wstring(path) + kTempSuffix;
    if (temporary.size() >= kMaxPathChars) {
        return Fail(errorText, capacity, kPdfOpenFailed, __LINE__);
    }
    if (!WritePdf(temporary.c_str(), image, GetFullPath(path).c_str(), errorText, capacity)) {
        DeleteFileAt(temporary.c_str());
        return false;
    }
    if (!MoveFileReplacing(temporary.c_str(), path)) {
        DeleteFileAt(temporary.c_str());
        return Fail(errorText, capacity, kPdfNotReplaced, __LINE__);
    }
    return true;
}

}  // namespace zentrova
