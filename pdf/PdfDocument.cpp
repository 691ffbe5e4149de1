#include "pdf/PdfDocument.h"

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace zentrova::pdf {

namespace {

constexpr uint32_t kCatalog = 1;
constexpr uint32_t kPageTree = 2;
constexpr uint32_t kInfo = 3;
constexpr uint32_t kFirstPageObject = 4;
constexpr uint32_t kObjectsPerPage = 4;  // page, contents, image, image length
constexpr int kCompressionLevel = 6;
constexpr size_t kOutputBlock = 64 * 1024;
constexpr uint8_t kRowPlain = 0;  // PNG filter types in front of every row
constexpr uint8_t kRowUp = 2;

uint32_t PageObject(uint32_t page) {
    return kFirstPageObject + page * kObjectsPerPage;
}

std::string Format(const char* format, uint64_t a, uint64_t b = 0) {
    char text[96];
    std::snprintf(text, sizeof(text), format, static_cast<unsigned long long>(a),
                  static_cast<unsigned long long>(b));
    return text;
}

// Decodes one code point of UTF-8 at text[i], advancing i; U+FFFD for a malformed sequence.
uint32_t NextCodePoint(const std::string& text, size_t& i) {
    const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
    const uint8_t lead = byte(i++);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    uint32_t code = 0;
    uint32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, code = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, code = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, code = lead & 0x07, least = 0x10000;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (byte(i) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        code = (code << 6) | (byte(i++) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0xFFFD;
    }
    return code;
}

// The picture's rows as a Flate stream with PNG row predictors, straight into the sink.
class RowCompressor {
  public:
    explicit RowCompressor(ByteSink& sink) : m_sink(sink) {}
    ~RowCompressor() {
        if (m_open) {
            deflateEnd(&m_zip);
        }
    }
    RowCompressor(const RowCompressor&) = delete;
    RowCompressor& operator=(const RowCompressor&) = delete;

    bool Open(size_t rowBytes) {
        m_rowBytes = rowBytes;
        m_rows.reset(new (std::nothrow) uint8_t[3 * (rowBytes + 1)]);
        m_out.reset(new (std::nothrow) uint8_t[kOutputBlock]);
        if (!m_rows || !m_out) {
            return false;
        }
        m_zip = z_stream{};
        m_open = deflateInit(&m_zip, kCompressionLevel) == Z_OK;
        return m_open;
    }
    // The buffer for the next row's bytes (after its filter byte).
    uint8_t* NextRow() { return m_rows.get() + (m_current * (m_rowBytes + 1)) + 1; }
    bool PutRow(bool first) {
        uint8_t* row = NextRow();
        const uint8_t* above = m_rows.get() + (m_previous * (m_rowBytes + 1)) + 1;
        uint8_t* up = m_rows.get() + (2 * (m_rowBytes + 1)) + 1;
        // The usual guess of what compresses better: the smaller sum of the bytes read as
        // signed values.
        uint64_t plainSum = 0;
        uint64_t upSum = 0;
        for (size_t i = 0; i < m_rowBytes; ++i) {
            const uint8_t difference = static_cast<uint8_t>(row[i] - (first ? 0 : above[i]));
            up[i] = difference;
            plainSum += row[i] < 128 ? row[i] : 256 - row[i];
            upSum += difference < 128 ? difference : 256 - difference;
        }
        const bool useUp = !first && upSum < plainSum;
        uint8_t* stored = useUp ? up - 1 : row - 1;
        *stored = useUp ? kRowUp : kRowPlain;
        if (!Deflate(stored, m_rowBytes + 1, Z_NO_FLUSH)) {
            return false;
        }
        m_previous = m_current;
        m_current = 1 - m_current;
        return true;
    }
    bool Finish() { return Deflate(nullptr, 0, Z_FINISH); }
    uint64_t Written() const { return m_written; }

  private:
    bool Deflate(const uint8_t* data, size_t size, int flush) {
        m_zip.next_in = const_cast<Bytef*>(data);
        m_zip.avail_in = static_cast<uInt>(size);
        for (;;) {
            m_zip.next_out = m_out.get();
            m_zip.avail_out = static_cast<uInt>(kOutputBlock);
            const int result = deflate(&m_zip, flush);
            if (result == Z_STREAM_ERROR) {
                return false;
            }
            const size_t produced = kOutputBlock - m_zip.avail_out;
            if (produced > 0 && !m_sink.Write(m_out.get(), produced)) {
                return false;
            }
            m_written += produced;
            if (flush == Z_FINISH ? result == Z_STREAM_END
                                  : (m_zip.avail_in == 0 && m_zip.avail_out != 0)) {
                return true;
            }
            if (result != Z_OK && result != Z_BUF_ERROR) {
                return false;
            }
        }
    }

    ByteSink& m_sink;
    z_stream m_zip{};
    bool m_open = false;
    size_t m_rowBytes = 0;
    std::unique_ptr<uint8_t[]> m_rows;  // two rows and the difference row, each behind a tag
    std::unique_ptr<uint8_t[]> m_out;
    int m_current = 0;
    int m_previous = 1;
    uint64_t m_written = 0;
};

}  // namespace

std::string TextString(const std::string& utf8) {
    bool plain = true;
    for (char c : utf8) {
        const auto u = static_cast<uint8_t>(c);
        plain = plain && u >= 0x20 && u < 0x7F;
    }
    std::string out;
    if (plain) {
        out += '(';
        for (char c : utf8) {
            if (c == '(' || c == ')' || c == '\\') {
                out += '\\';
            }
            out += c;
        }
        return out + ')';
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto unit = [&](uint32_t u) {
        for (int shift = 12; shift >= 0; shift -= 4) {
            out += kHex[(u >> shift) & 0xF];
        }
    };
    out += '<';
    unit(0xFEFF);
    for (size_t i = 0; i < utf8.size();) {
        const uint32_t code = NextCodePoint(utf8, i);
        if (code >= 0x10000) {
            unit(0xD800 + ((code - 0x10000) >> 10));
            unit(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            unit(code);
        }
    }
    return out + '>';
}

bool DocumentWriter::Put(const uint8_t* data, size_t size) {
    if (m_failed || !m_sink.Write(data, size)) {
        m_failed = true;
        return false;
    }
    m_offset += size;
    return true;
}

bool DocumentWriter::Put(const std::string& text) {
    return Put(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

bool DocumentWriter::BeginObject(uint32_t number) {
    if (number == 0 || number > m_objectOffsets.size()) {
        m_failed = true;
        return false;
    }
    m_objectOffsets[number - 1] = m_offset;
    return Put(Format("%llu 0 obj\n", number));
}

bool DocumentWriter::Begin(uint32_t pageCount, const std::string& creator,
                           const std::string& title) {
    if (m_begun || pageCount == 0 || pageCount > kMaxPages) {
        m_failed = true;
        return false;
    }
    m_begun = true;
    m_pageCount = pageCount;
    m_objectOffsets.assign(kFirstPageObject - 1 + size_t{pageCount} * kObjectsPerPage, 0);
    // The second line's bytes above 127 mark the file as binary for transfer programs.
    static const uint8_t kHeader[] = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    Put(kHeader, sizeof(kHeader) - 1);
    BeginObject(kCatalog);
    Put(Format("<< /Type /Catalog /Pages %llu 0 R >>\nendobj\n", kPageTree));
    BeginObject(kPageTree);
    Put("<< /Type /Pages /Kids [");
    for (uint32_t page = 0; page < pageCount; ++page) {
        Put(Format(page == 0 ? "%llu 0 R" : " %llu 0 R", PageObject(page)));
    }
    Put(Format("] /Count %llu >>\nendobj\n", pageCount));
    BeginObject(kInfo);
    Put("<< /Creator " + TextString(creator) + " /Title " + TextString(title) + " >>\nendobj\n");
    return !m_failed;
}

bool DocumentWriter::WriteImageStream(uint32_t width, uint32_t height, RowSource& rows,
                                      uint64_t& length) {
    RowCompressor compressor(m_sink);
    if (!compressor.Open(size_t{width} * 3)) {
        return false;
    }
    for (uint32_t y = 0; y < height; ++y) {
        if (!rows.GetRow(y, compressor.NextRow()) || !compressor.PutRow(y == 0)) {
            return false;
        }
    }
    if (!compressor.Finish()) {
        return false;
    }
    length = compressor.Written();
    m_offset += length;
    return true;
}

bool DocumentWriter::AddImagePage(uint32_t width, uint32_t height, RowSource& rows) {
    if (m_failed || !m_begun || m_pagesAdded >= m_pageCount || width == 0 || height == 0 ||
        width > kMaxPageSide || height > kMaxPageSide) {
        m_failed = true;
        return false;
    }
    const uint32_t page = PageObject(m_pagesAdded);
    const uint32_t contents = page + 1;
    const uint32_t image = page + 2;
    const uint32_t imageLength = page + 3;
    BeginObject(page);
    Put(Format("<< /Type /Page /Parent %llu 0 R", kPageTree) +
        Format(" /MediaBox [0 0 %llu %llu]", width, height) +
        Format(" /Resources << /ProcSet [/PDF /ImageC] /XObject << /Im0 %llu 0 R >> >>", image) +
        Format(" /Contents %llu 0 R >>\nendobj\n", contents));
    const std::string drawing = Format("q\n%llu 0 0 %llu 0 0 cm\n/Im0 Do\nQ\n", width, height);
    BeginObject(contents);
    Put(Format("<< /Length %llu >>\nstream\n", drawing.size()) + drawing + "endstream\nendobj\n");
    BeginObject(image);
    Put(Format("<< /Type /XObject /Subtype /Image /Width %llu /Height %llu", width, height) +
        " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode" +
        Format(" /DecodeParms << /Predictor 15 /Colors 3 /BitsPerComponent 8 /Columns %llu >>",
               width) +
        Format(" /Length %llu 0 R >>\nstream\n", imageLength));
    uint64_t length = 0;
    if (m_failed || !WriteImageStream(width, height, rows, length)) {
        m_failed = true;
        return false;
    }
    Put("\nendstream\nendobj\n");
    BeginObject(imageLength);
    Put(Format("%llu\nendobj\n", length));
    ++m_pagesAdded;
    return !m_failed;
}

bool DocumentWriter::End() {
    if (m_failed || !m_begun || m_pagesAdded != m_pageCount) {
        m_failed = true;
        return false;
    }
    const uint64_t xref = m_offset;
    const size_t count = m_objectOffsets.size() + 1;
    Put(Format("xref\n0 %llu\n", count));
    Put("0000000000 65535 f\r\n");
    for (uint64_t offset : m_objectOffsets) {
        Put(Format("%010llu 00000 n\r\n", offset));
    }
    Put(Format("trailer\n<< /Size %llu /Root %llu 0 R", count, kCatalog) +
        Format(" /Info %llu 0 R >>\nstartxref\n", kInfo) + Format("%llu\n%%%%EOF\n", xref));
    return !m_failed;
}

}  // namespace zentrova::pdf
