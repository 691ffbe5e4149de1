// The BMP Suite: good files against their reference pictures, bad files without a fault, and
// what each questionable file gives.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecBmp.h"
#include "core/WideText.h"
#include "tests/codecs/BmpTestSupport.h"
#include "tests/codecs/PngReference.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {
namespace {

std::wstring SuitePath(const std::string& relative) {
    return TestDataPath("bmpsuite/" + relative);
}

// The colour a 16-bit file holds at (x, y from the top), widened through the documented table:
// 5-6-5 when the file's green mask is 0x7E0 (its lowest green bit dropped), 5-5-5 otherwise.
// Worked out from the raw file words; bottom-up files of 40-byte headers only.
struct RawWords16 {
    explicit RawWords16(const std::string& file) : bytes(file) {
        offset = FieldAt(bytes, 10);
        width = FieldAt(bytes, 18);
        height = FieldAt(bytes, 22);
        compression = FieldAt(bytes, 30);
        is565 = compression == 3 && FieldAt(bytes, 58) == 0x07E0;
        stride = (width * 16 + 31) / 32 * 4;
    }
    uint16_t Word(uint32_t x, uint32_t y) const {
        const size_t at = offset + size_t{height - 1 - y} * stride + 2 * x;
        return static_cast<uint16_t>(static_cast<uint8_t>(bytes.at(at)) |
                                     (static_cast<uint8_t>(bytes.at(at + 1)) << 8));
    }
    Rgb Widened(uint32_t x, uint32_t y) const {
        const uint32_t v = Word(x, y);
        const uint32_t b = v & 31;
        const uint32_t g = is565 ? (v >> 6) & 31 : (v >> 5) & 31;
        const uint32_t r = is565 ? (v >> 11) & 31 : (v >> 10) & 31;
        return Rgb{kDocumentedWiden5[r], kDocumentedWiden5[g], kDocumentedWiden5[b]};
    }

    const std::string& bytes;
    uint32_t offset, width, height, compression, stride;
    bool is565;
};

int ChannelDistance(const Rgb& a, const uint8_t* rgba) {
    return std::max({std::abs(a.r - rgba[0]), std::abs(a.g - rgba[1]), std::abs(a.b - rgba[2])});
}

// Largest channel difference between the image and the reference (alpha too when asked, for
// 32-bit images); -1 when the sizes differ. Colours of fully transparent reference pixels are
// not compared: a PNG may store anything there.
int MaxDifference(const ZImage& image, const PngPicture& reference, bool withAlpha) {
    if (image.GetWidth() != reference.width || image.GetHeight() != reference.height) {
        return -1;
    }
    int worst = 0;
    for (uint32_t y = 0; y < reference.height; ++y) {
        for (uint32_t x = 0; x < reference.width; ++x) {
            Rgb c;
            if (image.GetBitsPerPixel() == 16) {
                const uint16_t v = WordAt(image, x, y);
                c = Rgb{kDocumentedWiden5[(v >> 10) & 31], kDocumentedWiden5[(v >> 5) & 31],
                        kDocumentedWiden5[v & 31]};
            } else {
                c = ColorAt(image, x, y);
            }
            int d = reference.At(x, y)[3] == 0 ? 0 : ChannelDistance(c, reference.At(x, y));
            if (withAlpha && image.GetBitsPerPixel() == 32) {
                d = std::max(d, std::abs(AlphaAt(image, x, y) - reference.At(x, y)[3]));
            }
            worst = std::max(worst, d);
        }
    }
    return worst;
}

struct MapEntry {
    std::string bmp;
    std::string png;
};

std::vector<MapEntry> ReadMap() {
    std::istringstream lines(ReadWholeFile(SuitePath("reference/map.txt")));
    std::vector<MapEntry> entries;
    MapEntry e;
    while (lines >> e.bmp >> e.png) {
        entries.push_back(e);
    }
    return entries;
}

TEST(BmpSuiteTest, GoodFilesMatchTheirReferences) {
    const std::vector<MapEntry> entries = ReadMap();
    ASSERT_EQ(entries.size(), 27u);  // every file of g/
    for (const MapEntry& entry : entries) {
        SCOPED_TRACE(entry.bmp);
        const std::string file = ReadWholeFile(SuitePath(entry.bmp));
        ASSERT_FALSE(file.empty());
        ZImage image;
        uint32_t code = 0;
        ASSERT_TRUE(ReadBmp(image, SuitePath(entry.bmp).c_str(), &code)) << code;
        // The map pairs the non-square picture with a rendering stretched to twice its height
        // (and smoothed); its "-e" rendering has the stored pixels.
        std::string png = entry.png;
        if (png == "pal8nonsquare-v.png") {
            png = "pal8nonsquare-e.png";
            EXPECT_EQ(image.dpiX, 72);
            EXPECT_EQ(image.dpiY, 36);
        }
        PngPicture reference;
        ASSERT_TRUE(ReadPngReference(SuitePath("reference/" + png), reference));

        const uint32_t bitCount = FieldAt(file, 28) & 0xFFFF;
        if (bitCount != 16) {
            EXPECT_EQ(MaxDifference(image, reference, false), 0);
            continue;
        }
        // 16 bits: exact against the documented conversion of the raw words; the reference
        // widens differently (and keeps the sixth green bit), so it is only a sanity check.
        const RawWords16 raw(file);
        ASSERT_EQ(image.GetWidth(), raw.width);
        ASSERT_EQ(image.GetHeight(), raw.height);
        for (uint32_t y = 0; y < raw.height; ++y) {
            for (uint32_t x = 0; x < raw.width; ++x) {
                if (raw.compression == 0) {
                    ASSERT_EQ(image.GetBitsPerPixel(), 16);
                    ASSERT_EQ(WordAt(image, x, y), raw.Word(x, y)) << x << "," << y;
                } else {
                    ASSERT_EQ(image.GetBitsPerPixel(), 24);
                    ASSERT_EQ(ColorAt(image, x, y), raw.Widened(x, y)) << x << "," << y;
                }
            }
        }
        const int difference = MaxDifference(image, reference, false);
        EXPECT_GE(difference, 0);
        EXPECT_LE(difference, raw.is565 ? 5 : 1);
    }
}

TEST(BmpSuiteTest, BadFilesFailCleanlyOrDecode) {
    const char* const names[] = {
        "badbitcount.bmp", "badbitssize.bmp",   "baddens1.bmp",       "baddens2.bmp",
        "badfilesize.bmp", "badheadersize.bmp", "badpalettesize.bmp", "badplanes.bmp",
        "badrle.bmp",      "badrle4.bmp",       "badrle4bis.bmp",     "badrle4ter.bmp",
        "badrlebis.bmp",   "badrleter.bmp",     "badwidth.bmp",       "pal8badindex.bmp",
        "reallybig.bmp",   "rgb16-880.bmp",     "rletopdown.bmp",     "shortfile.bmp"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const std::string file = ReadWholeFile(SuitePath(std::string("b/") + name));
        ASSERT_FALSE(file.empty());
        // Bit count 30000, width -127 and 3000000 x 2000000 cannot be images; every other
        // damage is tolerated.
        const std::string base(name);
        const bool mustFail =
            base == "badbitcount.bmp" || base == "badwidth.bmp" || base == "reallybig.bmp";
        ZImage image;
        uint32_t code = 0;
        if (!ReadBmp(image, SuitePath(std::string("b/") + name).c_str(), &code)) {
            EXPECT_TRUE(mustFail);
            EXPECT_EQ(code, bmp::kErrorCreate);
            EXPECT_FALSE(image.IsValid());
            continue;
        }
        EXPECT_FALSE(mustFail);
        // Decoded: the size the file states, and every byte of the picture readable.
        ASSERT_TRUE(image.IsValid());
        const auto height = static_cast<int32_t>(FieldAt(file, 22));
        EXPECT_EQ(image.GetWidth(), FieldAt(file, 18));
        EXPECT_EQ(image.GetHeight(), static_cast<uint32_t>(height < 0 ? -height : height));
    }
}

// What each questionable file gives. "code" is the expected failure (0: it reads); "reference"
// names the picture it must match (none: it only has to read without a fault), with the largest
// channel difference allowed; alpha is compared where the file has an alpha channel.
//
//   file                 result  why
//   pal1huffmsb.bmp      10      OS/2 Huffman coding (compression 3 at 1 bit) is not read
//   pal1p1.bmp           reads   1-entry palette; the second entry comes from the pixel bytes
//   pal2.bmp, pal2color  reads   2 bits widened to a 4-bit image
//   pal4rlecut/-rletrns  reads   RLE4 ends early / skips: skipped pixels black (the "-b" picture)
//   pal8rlecut/-rletrns  reads   the same for RLE8
//   pal8offs.bmp         reads   gap before the pixel data: the data offset is followed
//   pal8os2*.bmp         reads   OS/2 headers (12, 16, 40 and 64 bytes) with odd sizes fields
//   pal8oversizepal.bmp  reads   300 colours declared: 256 read
//   rgb16-231, -3103     reads   16-bit masks other than 5-6-5 are read as 5-5-5: wrong colours
//   rgba16-1924, -4444   reads   the same (rgba16-5551 is 5-5-5 and right; its alpha is lost)
//   rgb16faketrns.bmp    reads   16 bits stay 16 bits
//   rgb24jpeg, rgb24png  10      embedded JPEG / PNG
//   rgb24rle24.bmp       10      OS/2 RLE24
//   rgb24largepal.bmp    reads   a colour table in a 24-bit file is skipped
//   rgb24*prof*.bmp      reads   colour profiles are ignored (prof2's pixels are meant to be
//                                corrected by its profile, so they differ from rgb24.png)
//   rgb32-*, rgb32h52    reads   32-bit masks decoded through the masks
//   rgb32fakealpha.bmp   reads   no masks: the fourth byte is kept as alpha
//   rgba32-*, rgba32h56  reads   32-bit masks with an alpha mask
//   rgba32abf.bmp        10      compression 6 (alpha bit fields)
//   rgba64.bmp           16      64 bits per pixel cannot be an image
struct QuestionableCase {
    uint32_t code;
    const char* reference;  // null: no pixel comparison; "" or "-b": the file's own name (+ -b)
    int tolerance;
    const char* files;  // names without ".bmp"
};

const QuestionableCase kQuestionable[] = {
    {bmp::kErrorCompression, nullptr, 0, "pal1huffmsb rgb24jpeg rgb24png rgb24rle24 rgba32abf"},
    {bmp::kErrorCreate, nullptr, 0, "rgba64"},
    {0, nullptr, 0, "rgb16-231 rgb16-3103 rgb24prof2 rgba16-1924 rgba16-4444"},
    {0, "pal8.png", 0,
     "pal8offs pal8os2-hs pal8os2-sz pal8os2sp pal8os2v2-16 pal8os2v2-40sz pal8os2v2-sz "
     "pal8os2v2 pal8oversizepal"},
    {0, "rgb24.png", 0, "rgb24largepal rgb24lprof rgb24prof rgb32-xbgr rgb32h52"},
    {0, "rgb24.png", 1, "rgb32-111110"},
    {0, "rgba32.png", 0, "rgba32-1 rgba32-2 rgba32h56"},
    {0, "fakealpha.png", 0, "rgb32fakealpha"},
    {0, "-b", 0, "pal4rlecut pal4rletrns pal8rlecut pal8rletrns"},
    {0, "", 0, "pal1p1 pal2 pal2color"},
    {0, "", 1, "rgb16faketrns rgb32-7187 rgba16-5551 rgba32-1010102 rgba32-61754 rgba32-81284"},
};

TEST(BmpSuiteTest, QuestionableFilesGiveWhatTheRulesSay) {
    size_t files = 0;
    for (const QuestionableCase& c : kQuestionable) {
        std::istringstream names(c.files);
        for (std::string base; names >> base;) {
            const std::string file = base + ".bmp";
            SCOPED_TRACE(file);
            ++files;
            ZImage image;
            uint32_t code = 0;
            const bool ok = ReadBmp(image, SuitePath("q/" + file).c_str(), &code);
            EXPECT_EQ(code, c.code);
            EXPECT_EQ(ok, c.code == 0);
            std::string result = ok ? std::to_string(image.GetWidth()) + "x" +
                                          std::to_string(image.GetHeight()) + " at " +
                                          std::to_string(image.GetBitsPerPixel()) + " bits"
                                    : "error " + std::to_string(code);
            if (ok && c.reference != nullptr) {
                const bool own = *c.reference == '\0' || *c.reference == '-';
                const std::string name = own ? base + c.reference + ".png" : c.reference;
                PngPicture reference;
                ASSERT_TRUE(ReadPngReference(SuitePath("reference/" + name), reference));
                const int difference = MaxDifference(image, reference, true);
                EXPECT_GE(difference, 0);
                EXPECT_LE(difference, c.tolerance);
                result += ", largest difference from " + name + ": " + std::to_string(difference);
            }
            std::printf("  q/%-20s %s\n", file.c_str(), result.c_str());
        }
    }
    EXPECT_EQ(files, 43u);  // every file of q/
}

}  // namespace
}  // namespace zentrova::test
