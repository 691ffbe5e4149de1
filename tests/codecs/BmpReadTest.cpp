// Reading BMP files built byte by byte: failures with their code and log line, and damaged or
// hostile data decoded exactly without touching memory outside the picture.
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecBmp.h"
#include "tests/codecs/CodecTestSupport.h"

namespace zentrova::test {
namespace {

std::string U16(uint32_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}

std::string U32(uint32_t v) {
    return U16(v & 0xFFFF) + U16(v >> 16);
}

// A BMP file with a header of headerSize bytes (fields that do not fit are not written) and a
// colour table of the entries given.
struct BmpLayout {
    uint32_t headerSize = 40;
    int32_t width = 1, height = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    int32_t ppmX = 2835, ppmY = 2835;
    std::vector<Rgb> palette;
    std::string pixels;                // the pixel data as stored
    int64_t pixelOffsetOverride = -1;  // >= 0: the pixel data offset field says this
    uint16_t signature = 0x4D42;
    int64_t headerSizeOverride = -1;  // >= 0: the header size field says this
};

std::string BuildBmp(const BmpLayout& l) {
    const auto size = l.headerSizeOverride >= 0 ? l.headerSizeOverride : int64_t{l.headerSize};
    std::string info = U32(static_cast<uint32_t>(size)) + U32(l.width) + U32(l.height) + U16(1) +
                       U16(l.bitCount) + U32(l.compression) +
                       U32(static_cast<uint32_t>(l.pixels.size())) + U32(l.ppmX) + U32(l.ppmY) +
                       U32(static_cast<uint32_t>(l.palette.size()));
    info.resize(l.headerSize, '\0');
    for (const Rgb& c : l.palette) {
        info +=
            std::string{static_cast<char>(c.b), static_cast<char>(c.g), static_cast<char>(c.r), 0};
    }
    const int64_t offset = l.pixelOffsetOverride >= 0 ? l.pixelOffsetOverride : 14 + info.size();
    return U16(l.signature) + U32(static_cast<uint32_t>(14 + info.size() + l.pixels.size())) +
           U32(0) + U32(static_cast<uint32_t>(offset)) + info + l.pixels;
}

BmpLayout Layout(int32_t width, int32_t height, uint16_t bitCount, const std::string& pixels,
                 uint32_t compression = 0, const std::vector<Rgb>& palette = {}) {
    BmpLayout layout;
    layout.width = width, layout.height = height, layout.bitCount = bitCount;
    layout.pixels = pixels, layout.compression = compression, layout.palette = palette;
    return layout;
}

class BmpReadTest : public CodecTest {
  protected:
    bool Read(const BmpLayout& layout, ZImage& image) {
        return ReadBmp(image, Store(BuildBmp(layout)).c_str());
    }
    // Reads a file that must fail: checks the code, that the image (valid before) is empty and
    // that exactly the one expected line was appended to the error log.
    void ExpectFailure(const std::wstring& path, uint32_t expectedCode, int expectedLine) {
        SCOPED_TRACE(expectedCode);
        const std::string before = ReadErrorLog();
        ZImage image;
        ASSERT_TRUE(image.Create(2, 2, 24, 0, nullptr));
        uint32_t code = 0;
        EXPECT_FALSE(ReadBmp(image, path.c_str(), &code));
        EXPECT_EQ(code, expectedCode);
        EXPECT_FALSE(image.IsValid());
        EXPECT_EQ(image.GetBits(), nullptr);
        EXPECT_EQ(ReadErrorLog(),
                  before + "Codecs\\ZImageCodecBmp - Line: " + std::to_string(expectedLine) +
                      " - ZErr: " + std::to_string(expectedCode) + "\r\n");
    }
};

std::vector<Rgb> PaletteWithBlackAt(int blackIndex, int entries = 256) {
    std::vector<Rgb> palette;
    for (int i = 0; i < entries; ++i) {
        palette.push_back(Rgb{static_cast<uint8_t>(i), 200, static_cast<uint8_t>(255 - i)});
    }
    if (blackIndex < entries) {
        palette[blackIndex] = Rgb{0, 0, 0};
    }
    return palette;
}

// 16 bytes of pixel data and, up to 8 bits, a full palette; 0 bits (an embedded JPEG or PNG)
// come with a 124-byte header.
BmpLayout Header(int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0) {
    BmpLayout layout = Layout(width, height, bits, std::string(16, '\x11'), compression,
                              PaletteWithBlackAt(0, bits >= 1 && bits <= 8 ? 1 << bits : 0));
    layout.headerSize = bits == 0 && compression != 0 ? 124 : 40;
    return layout;
}

void ExpectRows(const ZImage& image, const std::vector<std::vector<int>>& rowsFromTop) {
    ASSERT_EQ(image.GetHeight(), rowsFromTop.size());
    ASSERT_EQ(image.GetWidth(), rowsFromTop[0].size());
    for (uint32_t y = 0; y < rowsFromTop.size(); ++y) {
        for (uint32_t x = 0; x < rowsFromTop[y].size(); ++x) {
            EXPECT_EQ(IndexAt(image, x, y), rowsFromTop[y][x]) << "x " << x << " y " << y;
        }
    }
}

TEST_F(BmpReadTest, BadFilesFailWithTheirCodeAndLogLine) {
    ExpectFailure(m_folder.File(L"absent.bmp"), bmp::kErrorOpen, bmp::kLineOpen);
    ExpectFailure(m_folder.Path(), bmp::kErrorOpen, bmp::kLineOpen);  // a folder
    ZImage image;
    EXPECT_FALSE(ReadBmp(image, nullptr));
    BmpLayout mb = Header(2, 2, 24);
    mb.signature = 0x424D;
    for (const std::string& bytes :
         {std::string(), std::string("B"), std::string("\x89PNG\r\n\x1a\n", 8), BuildBmp(mb)}) {
        ExpectFailure(Store(bytes), bmp::kErrorSignature, bmp::kLineSignature);
    }
    struct Case {
        int32_t width, height;
        uint16_t bits;
        uint32_t compression, code;  // code 10: compression; code 16: no image of that size
    };
    // clang-format off
    const Case cases[] = {
        // Compression above bit fields, or not fitting the depth.
        {2, 2, 24, 4, 10}, {2, 2, 24, 0xFFFFFFFF, 10}, {2, 2, 0, 4, 10}, {2, 2, 4, 1, 10},
        {2, 2, 8, 2, 10}, {2, 2, 8, 3, 10}, {2, 2, 24, 3, 10},
        // Bit counts that are no image depth.
        {2, 2, 0, 0, 16}, {2, 2, 3, 0, 16}, {2, 2, 33, 0, 16}, {2, 2, 30000, 0, 16},
        // Sizes: none, negative, INT_MIN (no absolute value), width x height x depth past 64 bits,
        // 2^32 pixels, and one row or one pixel past 2^28 pixels.
        {0, 2, 24, 0, 16}, {2, 0, 24, 0, 16}, {-2, 2, 24, 0, 16}, {2, INT_MIN, 24, 0, 16},
        {INT_MAX, INT_MAX, 32, 0, 16}, {65536, 65536, 1, 0, 16}, {16385, -16384, 8, 0, 16},
        {(1 << 28) + 1, 1, 1, 0, 16}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + " at " +
                     std::to_string(c.bits) + " bits, compression " +
                     std::to_string(c.compression));
        ExpectFailure(Store(BuildBmp(Header(c.width, c.height, c.bits, c.compression))), c.code,
                      c.code == 10 ? bmp::kLineCompression : bmp::kLineCreate);
    }
}

TEST_F(BmpReadTest, LargestAcceptedPictureIsTwoToThe28Pixels) {
    // 2^28 pixels of 1 bit and no pixel data: filled with the palette's black, index 1.
    ZImage image;
    ASSERT_TRUE(
        Read(Layout(1 << 14, -(1 << 14), 1, std::string(), 0, {Rgb{255, 255, 255}, Rgb{0, 0, 0}}),
             image));
    EXPECT_EQ(std::make_pair(image.GetWidth(), image.GetHeight()),
              std::make_pair(1u << 14, 1u << 14));
    EXPECT_EQ(IndexAt(image, 0, 0), 1);
    EXPECT_EQ(IndexAt(image, (1 << 14) - 1, (1 << 14) - 1), 1);
}

TEST_F(BmpReadTest, ShortPixelDataKeepsTheRestAsFilled) {
    // Stride 8: the first row and 4 bytes of the second.
    BmpLayout layout = Layout(2, 3, 24, Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    ZImage image;
    ASSERT_TRUE(Read(layout, image));
    ASSERT_EQ(image.GetPixelMemorySize(), 24u);
    EXPECT_EQ(std::string(image.GetBits(), image.GetBits() + 24),
              layout.pixels + std::string(12, 0));
    // Palette picture: what is missing becomes the black entry, the bytes read stay.
    ASSERT_TRUE(Read(
        Layout(5, 3, 8, Bytes({10, 11, 12, 13, 14, 0, 0, 0, 20, 21}), 0, PaletteWithBlackAt(3)),
        image));
    ExpectRows(image, {{3, 3, 3, 3, 3}, {20, 21, 3, 3, 3}, {10, 11, 12, 13, 14}});
    // Top-down with half the rows: the rows that came are the top ones.
    layout.height = -3;
    layout.pixels = Bytes({1, 2, 3, 4, 5, 6, 0, 0});
    ASSERT_TRUE(Read(layout, image));
    EXPECT_EQ(ColorAt(image, 0, 0), (Rgb{3, 2, 1}));
    EXPECT_EQ(ColorAt(image, 1, 0), (Rgb{6, 5, 4}));
    EXPECT_EQ(ColorAt(image, 0, 2), (Rgb{0, 0, 0}));
}

TEST_F(BmpReadTest, PixelDataOffsetPastTheEndGivesABlackPicture) {
    for (int64_t offset : {int64_t{5000}, int64_t{0xFFFFFFFF}}) {
        BmpLayout layout = Header(2, 2, 24);
        layout.pixelOffsetOverride = offset;
        ZImage image;
        ASSERT_TRUE(Read(layout, image));
        EXPECT_EQ(std::string(image.GetBits(), image.GetBits() + image.GetPixelMemorySize()),
                  std::string(16, '\0'));
    }
}

TEST_F(BmpReadTest, PaletteCutByTheEndOfTheFile) {
    // Ten entries of 256, then the file ends: the rest of the table reads as black.
    BmpLayout layout = Layout(3, 1, 8, std::string(), 0, PaletteWithBlackAt(0, 10));
    layout.palette[0] = Rgb{1, 2, 3};
    layout.pixelOffsetOverride = 5000;
    ZImage image;
    ASSERT_TRUE(Read(layout, image));
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(PaletteAt(image, i), i < 10 ? layout.palette[i] : Rgb{}) << i;
    }
    EXPECT_EQ(ColorAt(image, 0, 0), (Rgb{0, 0, 0}));
    // A header size that puts the table far beyond the end of the file.
    layout.headerSizeOverride = 0xFFFFFFF0;
    layout.palette.clear();
    layout.pixels = Bytes({7, 8, 9, 0});
    layout.pixelOffsetOverride = -1;
    ASSERT_TRUE(Read(layout, image));
    EXPECT_EQ(PaletteAt(image, 5), (Rgb{0, 0, 0}));
}

std::string Times(int n, const std::string& bytes) {
    std::string out;
    while (n-- > 0) {
        out += bytes;
    }
    return out;
}

TEST_F(BmpReadTest, RleRunsAndDeltasStayInsideThePicture) {
    struct Case {
        const char* what;
        int bits;  // 8: RLE8, 4: RLE4; palette index 9 is black
        int32_t width, height;
        std::string data;
        std::vector<std::vector<int>> rowsFromTop;
    };
    // clang-format off
    const Case cases[] = {
        {"RLE8 run of 10 on a row of 4: nothing spills into the next row", 8, 4, 2,
         Bytes({10, 6, 0, 0, 2, 7, 0, 1}), {{7, 7, 9, 9}, {6, 6, 6, 6}}},
        {"RLE8 absolute run of 6 on a row of 4: its last bytes consumed, not drawn", 8, 4, 2,
         Bytes({0, 6, 1, 2, 3, 4, 5, 6, 0, 0, 1, 8, 0, 1}), {{8, 9, 9, 9}, {1, 2, 3, 4}}},
        {"RLE8 runs after a clipped one stay clipped", 8, 3, 1,
         Bytes({255, 1, 255, 2, 0, 3, 1, 2, 3, 0, 0, 1}), {{1, 1, 1}}},
        {"RLE8 delta far to the right: nothing more on that row", 8, 4, 2,
         Bytes({0, 2, 200, 0, 2, 5, 0, 0, 1, 8, 0, 1}), {{8, 9, 9, 9}, {9, 9, 9, 9}}},
        {"RLE8 delta just past each row's end: the run after it draws nothing", 8, 4, 2,
         Bytes({0, 2, 5, 0, 1, 5, 0, 0, 0, 2, 5, 0, 1, 5, 0, 1}), {{9, 9, 9, 9}, {9, 9, 9, 9}}},
        {"RLE8 delta beyond the last row ends decoding", 8, 3, 2,
         Bytes({1, 4, 0, 2, 0, 250, 3, 5, 0, 0, 3, 5}), {{9, 9, 9}, {4, 9, 9}}},
        {"RLE8 600 ends of line past the top", 8, 2, 3,
         Times(600, Bytes({0, 0, 1, 6})), {{6, 9}, {6, 9}, {9, 9}}},
        {"RLE8 end of bitmap early: the rest black, data after it ignored", 8, 3, 4,
         Bytes({3, 1, 0, 0, 1, 2, 0, 1, 3, 3, 3, 3}), {{9, 9, 9}, {9, 9, 9}, {2, 9, 9}, {1, 1, 1}}},
        {"RLE8 top-down is flipped after decoding", 8, 2, -2,
         Bytes({2, 4, 0, 0, 2, 6, 0, 1}), {{4, 4}, {6, 6}}},
        {"RLE8 absolute run of 5 with two bytes left", 8, 6, 1,
         Bytes({0, 5, 1, 2}), {{1, 2, 9, 9, 9, 9}}},
        {"RLE8 count without its value", 8, 2, 1, Bytes({2}), {{9, 9}}},
        {"RLE8 delta without its offsets", 8, 2, 1, Bytes({1, 3, 0, 2, 1}), {{3, 9}}},
        {"RLE4 absolute run of 7 pixels with one byte left", 4, 8, 1,
         Bytes({0, 7, 0x12}), {{1, 2, 9, 9, 9, 9, 9, 9}}},
        {"RLE4 without pixel data", 4, 3, 2, std::string(), {{9, 9, 9}, {9, 9, 9}}},
        // Width 5: a run of 9 from pixel 2, an absolute run of 7 on the next row, a delta and
        // runs from odd pixels on the last.
        {"RLE4 runs and deltas past the end of the row", 4, 5, 3,
         Bytes({2, 0x11, 9, 0x23, 0, 0, 0, 7, 0x45, 0x67, 0x81, 0x20, 0, 0,
                0, 2, 3, 0, 2, 0x44, 0, 2, 9, 9, 1, 0x55}),
         {{9, 9, 9, 4, 4}, {4, 5, 6, 7, 8}, {1, 1, 2, 3, 2}}}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ZImage image;
        ASSERT_TRUE(Read(Layout(c.width, c.height, c.bits, c.data, c.bits == 8 ? 1 : 2,
                                PaletteWithBlackAt(9, 1 << c.bits)),
                         image));
        ExpectRows(image, c.rowsFromTop);
    }
}

TEST_F(BmpReadTest, PixelsPerMetreBecomeDotsPerInch) {
    struct Case {
        int32_t ppmX, ppmY, dpiX, dpiY;
    };
    const Case cases[] = {{3780, 3780, 96, 96}, {2835, 5906, 72, 150}, {0, 0, 96, 96},
                          {1, 1, 96, 96},       {3780, 1, 96, 96},     {2, 2, 0, 0},
                          {-3780, 3780, 96, 96}};
    for (const Case& c : cases) {
        BmpLayout layout = Header(1, 1, 24);
        layout.ppmX = c.ppmX;
        layout.ppmY = c.ppmY;
        ZImage image;
        ASSERT_TRUE(Read(layout, image));
        EXPECT_EQ(std::make_pair(image.dpiX, image.dpiY), std::make_pair(c.dpiX, c.dpiY)) << c.ppmX;
    }
}

}  // namespace
}  // namespace zentrova::test
