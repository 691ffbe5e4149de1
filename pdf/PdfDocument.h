// PdfDocument: a small PDF 1.4 writer for documents of picture pages. Each page shows one
// 8-bit DeviceRGB image XObject that covers it exactly (one pixel per point), compressed with
// zlib (FlateDecode with PNG row predictors: every row is stored plain or as the difference to the
// row above, whichever looks smaller). The rows come from a caller's source one at a time, so a
// page never has to exist as a whole picture in memory. The bytes go to a caller's sink; the
// document carries an information dictionary (Creator, Title) and a classic cross-reference
// table.
//
// Use: Begin (with the number of pages), AddImagePage once per page, End. Every call returns
// false once anything failed (the sink refused bytes, zlib failed, a size is out of range, the
// source failed); the document is then incomplete and must be thrown away.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zentrova::pdf {

// Where the document's bytes go.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual bool Write(const uint8_t* data, size_t size) = 0;
};

// The rows of one page's picture, top row first.
class RowSource {
  public:
    virtual ~RowSource() = default;
    // Writes row y (0 = top) of the page as width red, green, blue byte triplets into rgb.
    virtual bool GetRow(uint32_t y, uint8_t* rgb) = 0;
};

// Largest page (in points and pixels) accepted: the PDF 1.4 limit of 14400 units.
constexpr uint32_t kMaxPageSide = 14400;
// Largest number of pages of one document.
constexpr uint32_t kMaxPages = 100000;

class DocumentWriter {
  public:
    explicit DocumentWriter(ByteSink& sink) : m_sink(sink) {}
    DocumentWriter(const DocumentWriter&) = delete;
    DocumentWriter& operator=(const DocumentWriter&) = delete;

    // Writes the header, the catalogue, the page tree for pageCount pages and the information
    // dictionary. creator and title are UTF-8; a text with characters outside printable ASCII is
    // stored as UTF-16 with a byte-order mark.
    bool Begin(uint32_t pageCount, const std::string& creator, const std::string& title);
    // The next page: width x height points, covered by the width x height picture of rows.
    bool AddImagePage(uint32_t width, uint32_t height, RowSource& rows);
    // The cross-reference table and the trailer. False unless exactly pageCount pages were added.
    bool End();

  private:
    bool Put(const std::string& text);
    bool Put(const uint8_t* data, size_t size);
    bool BeginObject(uint32_t number);
    bool WriteImageStream(uint32_t width, uint32_t height, RowSource& rows, uint64_t& length);

    ByteSink& m_sink;
    uint64_t m_offset = 0;
    std::vector<uint64_t> m_objectOffsets;  // index = object number - 1
    uint32_t m_pageCount = 0;
    uint32_t m_pagesAdded = 0;
    bool m_failed = false;
    bool m_begun = false;
};

// A PDF text string for the literal text (UTF-8): "(...)" with escapes for printable ASCII,
// otherwise "<FEFF...>", the UTF-16BE code units in hexadecimal. Invalid UTF-8 bytes become
// U+FFFD.
std::string TextString(const std::string& utf8);

}  // namespace zentrova::pdf
