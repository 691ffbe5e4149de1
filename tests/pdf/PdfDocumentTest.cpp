// The PDF writer's own bytes: text strings, the cross-reference table, the refusals. The pages'
// pictures are checked with Debian's PDF tools by pdf_export_test.sh.
#include "pdf/PdfDocument.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace zentrova::pdf {
namespace {

class MemorySink final : public ByteSink {
  public:
    bool Write(const uint8_t* data, size_t size) override {
        return bytes.size() + size <= limit &&
               (bytes.append(reinterpret_cast<const char*>(data), size), true);
    }
    std::string bytes;
    size_t limit = SIZE_MAX;
};

// Rows of one grey value per page.
struct GreyRows final : RowSource {
    explicit GreyRows(uint32_t w) : width(w) {}
    bool GetRow(uint32_t, uint8_t* rgb) override {
        return std::memset(rgb, grey, size_t{width} * 3), !fail;
    }
    uint32_t width;
    uint8_t grey = 0x80;
    bool fail = false;
};

TEST(PdfDocumentTest, TextStrings) {
    const std::pair<std::string, std::string> cases[] = {
        {"Zentrova Clarivue 2", "(Zentrova Clarivue 2)"},
        {"C:\\a (1).pdf", "(C:\\\\a \\(1\\).pdf)"},
        {"", "()"},
        {"\xC3\xA4", "<FEFF00E4>"},              // a-umlaut
        {"a\xE2\x82\xAC", "<FEFF006120AC>"},     // "a", euro sign
        {"\xF0\x9F\x98\x80", "<FEFFD83DDE00>"},  // outside the BMP: a surrogate pair
        {"\xFF", "<FEFFFFFD>"},                  // not UTF-8
        {"tab\there", "<FEFF00740061006200090068006500720065>"},  // a control character
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(TextString(text), expected);
    }
}

TEST(PdfDocumentTest, CrossReferenceTableGivesEveryObjectsOffset) {
    MemorySink sink;
    DocumentWriter writer(sink);
    GreyRows rows(3);
    ASSERT_TRUE(writer.Begin(2, "Zentrova Clarivue 2", "/tmp/x.pdf"));
    ASSERT_TRUE(writer.AddImagePage(3, 2, rows));
    rows.grey = 0xFF;
    ASSERT_TRUE(writer.AddImagePage(3, 2, rows));
    ASSERT_TRUE(writer.End());
    const std::string& pdf = sink.bytes;
    ASSERT_EQ(pdf.compare(0, 9, "%PDF-1.4\n"), 0);
    ASSERT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");

    const size_t startxref = pdf.rfind("startxref\n");
    ASSERT_NE(startxref, std::string::npos);
    const size_t xref = std::strtoull(pdf.c_str() + startxref + 10, nullptr, 10);
    ASSERT_EQ(pdf.compare(xref, 13, "xref\n0 12\n000"), 0);  // 3 + 2 x 4 objects and entry 0
    size_t entry = pdf.find('\n', xref + 5) + 1;
    EXPECT_EQ(pdf.substr(entry, 20), "0000000000 65535 f\r\n");
    for (int object = 1; object <= 11; ++object) {
        entry += 20;
        ASSERT_EQ(pdf.substr(entry + 10, 10), " 00000 n\r\n") << object;
        const size_t offset = std::strtoull(pdf.substr(entry, 10).c_str(), nullptr, 10);
        const std::string header = std::to_string(object) + " 0 obj\n";
        EXPECT_EQ(pdf.compare(offset, header.size(), header), 0) << object;
    }
    EXPECT_NE(pdf.find("/Info 3 0 R"), std::string::npos);
    EXPECT_NE(pdf.find("<< /Creator (Zentrova Clarivue 2) /Title (/tmp/x.pdf) >>"),
              std::string::npos);
    EXPECT_NE(pdf.find("/Kids [4 0 R 8 0 R] /Count 2"), std::string::npos);
}

TEST(PdfDocumentTest, EveryFailureEndsTheDocument) {
    struct Case {
        const char* what;
        size_t sinkLimit;
        uint32_t pages;       // announced
        uint32_t pagesAdded;  // attempted
        uint32_t width;
        bool sourceFails;
    };
    const Case cases[] = {
        {"sink full in the header", 10, 1, 1, 4, false},
        {"sink full in the picture", 700, 1, 1, 400, false},
        {"source fails", SIZE_MAX, 1, 1, 4, true},
        {"a page too few", SIZE_MAX, 2, 1, 4, false},
        {"a page too many", SIZE_MAX, 1, 2, 4, false},
        {"page wider than 14400", SIZE_MAX, 1, 1, 14401, false},
        {"no pages", SIZE_MAX, 0, 0, 4, false},
    };
    for (const Case& c : cases) {
        MemorySink sink;
        sink.limit = c.sinkLimit;
        DocumentWriter writer(sink);
        GreyRows rows(c.width);
        rows.fail = c.sourceFails;
        bool ok = writer.Begin(c.pages, "c", "t");
        for (uint32_t i = 0; i < c.pagesAdded; ++i) {
            ok = writer.AddImagePage(c.width, 300, rows) && ok;
        }
        ok = writer.End() && ok;
        EXPECT_FALSE(ok) << c.what;
    }
}

}  // namespace
}  // namespace zentrova::pdf
