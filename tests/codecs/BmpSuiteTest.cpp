// The BMP Suite: good files against their reference pictures, bad files without a fault, and
// what each questionable file gives.
#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <png.h>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecBmp.h"
#include "tests/codecs/CodecTestSupport.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {
namespace {

std::wstring SuitePath(const std::string& relative) {
    return TestDataPath("bmpsuite/" + relative);
}

// The widening of a 5-bit channel of 16-bit files to 8 bits: round(v * 255 / 31).
const uint8_t kWiden5[32] = {0,   8,   16,  25,  33,  41,  49,  58,  66,  74,  82,
                             90,  99,  107, 115, 123, 132, 140, 148, 156, 165, 173,
                             181, 189, 197, 206, 214, 222, 230, 239, 247, 255};

// A 16-bit word widened as 5-6-5 (its lowest green bit dropped) or 5-5-5.
Rgb Widened(uint32_t v, bool is565) {
    const uint32_t g = is565 ? (v >> 6) & 31 : (v >> 5) & 31;
    return Rgb{kWiden5[is565 ? (v >> 11) & 31 : (v >> 10) & 31], kWiden5[g], kWiden5[v & 31]};
}

uint16_t WordAt(const ZImage& image, uint32_t x, uint32_t y) {
    return static_cast<uint16_t>(PixelAt(image, x, y)[0] | (PixelAt(image, x, y)[1] << 8));
}

// Largest channel difference between the image and the reference decoded to 8-bit RGB(A)
// (alpha too when asked, for 32-bit images); -1 when the sizes differ. Colours of fully
// transparent reference pixels are not compared: a PNG may store anything there.
int MaxDifference(const ZImage& image, const DecodedPng& reference, bool withAlpha) {
    if (image.GetWidth() != reference.width || image.GetHeight() != reference.height) {
        return -1;
    }
    int worst = 0;
    for (uint32_t y = 0; y < reference.height; ++y) {
        for (uint32_t x = 0; x < reference.width; ++x) {
            const Rgb c = image.GetBitsPerPixel() == 16 ? Widened(WordAt(image, x, y), false)
                                                        : ColorAt(image, x, y);
            const int a = reference.channels == 4 ? reference.Sample(x, y, 3) : 255;
            int d = a == 0 ? 0
                           : std::max({std::abs(c.r - reference.Sample(x, y, 0)),
                                       std::abs(c.g - reference.Sample(x, y, 1)),
                                       std::abs(c.b - reference.Sample(x, y, 2))});
            if (withAlpha && image.GetBitsPerPixel() == 32) {
                d = std::max(d, std::abs(PixelAt(image, x, y)[3] - a));
            }
            worst = std::max(worst, d);
        }
    }
    return worst;
}

bool ReadReference(const std::string& name, DecodedPng& out) {
    return DecodePng(SuitePath("reference/" + name),
                     PNG_TRANSFORM_EXPAND | PNG_TRANSFORM_SCALE_16 | PNG_TRANSFORM_GRAY_TO_RGB,
                     out);
}

TEST(BmpSuiteTest, GoodFilesMatchTheirReferences) {
    std::istringstream map(ReadWholeFile(SuitePath("reference/map.txt")));
    size_t files = 0;
    for (std::string bmp, png; map >> bmp >> png; ++files) {
        SCOPED_TRACE(bmp);
        const std::string file = ReadWholeFile(SuitePath(bmp));
        ZImage image;
        uint32_t code = 0;
        ASSERT_TRUE(ReadBmp(image, SuitePath(bmp).c_str(), &code)) << code;
        // The map pairs the non-square picture with a rendering stretched to twice its height
        // (and smoothed); its "-e" rendering has the stored pixels.
        if (png == "pal8nonsquare-v.png") {
            png = "pal8nonsquare-e.png";
            EXPECT_EQ(std::make_pair(image.dpiX, image.dpiY), std::make_pair(72, 36));
        }
        DecodedPng reference;
        ASSERT_TRUE(ReadReference(png, reference));
        if (FieldAt(file, 28, 2) != 16) {
            EXPECT_EQ(MaxDifference(image, reference, false), 0);
            continue;
        }
        // 16 bits (bottom-up, 40-byte headers): exact against the widening of the raw words
        // above; the reference widens differently (and keeps the sixth green bit), so it is only
        // a sanity check. 5-6-5 when the green mask is 0x7E0, 5-5-5 otherwise.
        const uint32_t width = FieldAt(file, 18), height = FieldAt(file, 22);
        const bool bitFields = FieldAt(file, 30) == 3,
                   is565 = bitFields && FieldAt(file, 58) == 0x07E0;
        ASSERT_EQ(std::make_tuple(image.GetWidth(), image.GetHeight(), image.GetBitsPerPixel()),
                  std::make_tuple(width, height, uint8_t(bitFields ? 24 : 16)));
        for (uint32_t y = 0; y < height; ++y) {
            for (uint32_t x = 0; x < width; ++x) {
                const uint32_t word = FieldAt(
                    file, FieldAt(file, 10) + (height - 1 - y) * ((width * 2 + 3) / 4 * 4) + 2 * x,
                    2);
                if (bitFields) {
                    ASSERT_EQ(ColorAt(image, x, y), Widened(word, is565)) << x << "," << y;
                } else {
                    ASSERT_EQ(WordAt(image, x, y), word) << x << "," << y;
                }
            }
        }
        const int difference = MaxDifference(image, reference, false);
        EXPECT_GE(difference, 0);
        EXPECT_LE(difference, is565 ? 5 : 1);
    }
    EXPECT_EQ(files, 27u);  // every file of g/
}

TEST(BmpSuiteTest, BadFilesFailCleanlyOrDecode) {
    const std::vector<std::string> names = FilesOf("bmpsuite/b", ".bmp");
    ASSERT_EQ(names.size(), 20u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string file = ReadWholeFile(SuitePath("b/" + name));
        // Bit count 30000, width -127 and 3000000 x 2000000 cannot be images; every other
        // damage is tolerated.
        const bool mustFail =
            name == "badbitcount.bmp" || name == "badwidth.bmp" || name == "reallybig.bmp";
        ZImage image;
        uint32_t code = 0;
        if (!ReadBmp(image, SuitePath("b/" + name).c_str(), &code)) {
            EXPECT_TRUE(mustFail);
            EXPECT_EQ(code, bmp::kErrorCreate);
            EXPECT_FALSE(image.IsValid());
            continue;
        }
        // Decoded: the size the file states.
        EXPECT_FALSE(mustFail);
        const auto height = static_cast<int32_t>(FieldAt(file, 22));
        EXPECT_EQ(std::make_pair(image.GetWidth(), image.GetHeight()),
                  std::make_pair(FieldAt(file, 18),
                                 static_cast<uint32_t>(height < 0 ? -height : height)));
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
            if (ok && c.reference != nullptr) {
                const bool own = *c.reference == '\0' || *c.reference == '-';
                DecodedPng reference;
                ASSERT_TRUE(
                    ReadReference(own ? base + c.reference + ".png" : c.reference, reference));
                const int difference = MaxDifference(image, reference, true);
                EXPECT_GE(difference, 0);
                EXPECT_LE(difference, c.tolerance);
            }
        }
    }
    EXPECT_EQ(files, 43u);  // every file of q/
}

}  // namespace
}  // namespace zentrova::test
