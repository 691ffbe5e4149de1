// Reading damaged and hostile BMP files: the reader fails with the right code and log line, or
// decodes without touching memory outside the picture.
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecBmp.h"
#include "tests/codecs/BmpTestSupport.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {
namespace {

class BmpHostileTest : public CodecTest {
  protected:
    bool Read(const BmpLayout& layout, ZImage& image) {
        return ReadBmp(image, Store(BuildBmp(layout)).c_str());
    }
    // Reads a file that must fail: returns the code, checks that the image is empty and that
    // exactly the one expected line was appended to the error log.
    uint32_t ExpectFailure(const std::wstring& path, uint32_t expectedCode, int expectedLine) {
        const std::string before = ReadErrorLog();
        ZImage image;
        // A valid image beforehand, to see that a failed read leaves it empty.
        uint8_t rgb[768] = {};
        EXPECT_TRUE(image.Create(2, 2, 24, 0, rgb));
        uint32_t code = 0;
        EXPECT_FALSE(ReadBmp(image, path.c_str(), &code));
        EXPECT_EQ(code, expectedCode);
        EXPECT_FALSE(image.IsValid());
        EXPECT_EQ(image.GetBits(), nullptr);
        const std::string after = ReadErrorLog();
        const std::string line = "Codecs\\ZImageCodecBmp - Line: " + std::to_string(expectedLine) +
                                 " - ZErr: " + std::to_string(expectedCode) + "\r\n";
        EXPECT_EQ(after, before + line);
        return code;
    }
    void ExpectFailure(const BmpLayout& layout, uint32_t expectedCode, int expectedLine) {
        ExpectFailure(Store(BuildBmp(layout)), expectedCode, expectedLine);
    }
};

BmpLayout Small24() {
    return Layout(2, 2, 24, std::string(16, '\x11'));
}

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

void ExpectRows(const ZImage& image, const std::vector<std::vector<int>>& rowsFromTop) {
    ASSERT_EQ(image.GetHeight(), rowsFromTop.size());
    for (uint32_t y = 0; y < rowsFromTop.size(); ++y) {
        for (uint32_t x = 0; x < rowsFromTop[y].size(); ++x) {
            EXPECT_EQ(IndexAt(image, x, y), rowsFromTop[y][x]) << "x " << x << " y " << y;
        }
    }
}

TEST_F(BmpHostileTest, MissingFileIsCode5) {
    ExpectFailure(m_folder.File(L"does-not-exist.bmp"), bmp::kErrorOpen, bmp::kLineOpen);
    ExpectFailure(m_folder.Path(), bmp::kErrorOpen, bmp::kLineOpen);  // a folder
    ZImage image;
    EXPECT_FALSE(ReadBmp(image, nullptr));
}

TEST_F(BmpHostileTest, WrongSignatureIsCode7) {
    BmpLayout layout = Small24();
    layout.signature = 0x424D;  // "MB"
    ExpectFailure(layout, bmp::kErrorSignature, bmp::kLineSignature);
    ExpectFailure(Store(std::string()), bmp::kErrorSignature, bmp::kLineSignature);
    ExpectFailure(Store("B"), bmp::kErrorSignature, bmp::kLineSignature);
    ExpectFailure(Store(std::string("\x89PNG\r\n\x1a\n", 8)), bmp::kErrorSignature,
                  bmp::kLineSignature);
}

TEST_F(BmpHostileTest, CompressionAboveBitFieldsOrNotFittingTheDepthIsCode10) {
    struct Case {
        uint16_t bits;
        uint32_t compression;
    };
    for (const Case& c :
         {Case{24, 4}, Case{24, 5}, Case{24, 6}, Case{24, 11}, Case{24, 0xFFFFFFFF}, Case{4, 1},
          Case{24, 1}, Case{8, 2}, Case{32, 2}, Case{1, 3}, Case{8, 3}, Case{24, 3}, Case{0, 4}}) {
        SCOPED_TRACE(std::to_string(c.bits) + " bits, compression " +
                     std::to_string(c.compression));
        BmpLayout layout = Small24();
        layout.bitCount = c.bits;
        layout.compression = c.compression;
        layout.palette = PaletteWithBlackAt(0, c.bits <= 8 && c.bits > 0 ? 1 << c.bits : 0);
        layout.headerSize = c.bits == 0 ? 124 : 40;  // an embedded JPEG or PNG states 0 bits
        ExpectFailure(layout, bmp::kErrorCompression, bmp::kLineCompression);
    }
}

TEST_F(BmpHostileTest, UnsupportedBitCountsAreCode16) {
    for (uint16_t bits : {0, 3, 5, 12, 33, 48, 64, 30000}) {
        SCOPED_TRACE(bits);
        BmpLayout layout = Small24();
        layout.bitCount = bits;
        ExpectFailure(layout, bmp::kErrorCreate, bmp::kLineCreate);
    }
}

TEST_F(BmpHostileTest, BadDimensionsAreCode16BeforeAnyAllocation) {
    struct Case {
        int32_t width;
        int32_t height;
        uint16_t bits;
    };
    const Case cases[] = {
        {0, 2, 24},              // width 0
        {2, 0, 24},              // height 0
        {-2, 2, 24},             // negative width
        {2, INT_MIN, 24},        // top-down INT_MIN: no absolute value in 32 bits
        {INT_MIN, 2, 24},        //
        {INT_MAX, INT_MAX, 32},  // width x height x depth overflows 64-bit bytes of 32 bits
        {65536, 65536, 1},       // 2^32 pixels
        {16385, -16384, 8},      // one row past 2^28 pixels, top-down
        {(1 << 28) + 1, 1, 1},   // 2^28 + 1 pixels in one row
        {1, (1 << 28) + 1, 24},  //
        {3000000, 2000000, 24},  // the size of a "really big" picture
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        BmpLayout layout = Small24();
        layout.width = c.width;
        layout.height = c.height;
        layout.bitCount = c.bits;
        layout.palette = PaletteWithBlackAt(0, c.bits <= 8 ? 1 << c.bits : 0);
        ExpectFailure(layout, bmp::kErrorCreate, bmp::kLineCreate);
    }
}

TEST_F(BmpHostileTest, LargestAcceptedPictureIsTwoToThe28Pixels) {
    // 2^28 pixels of 1 bit: 32 MiB of pixel memory, and no pixel data in the file.
    const BmpLayout layout =
        Layout(1 << 14, -(1 << 14), 1, std::string(), 0, {Rgb{255, 255, 255}, Rgb{0, 0, 0}});
    ZImage image;
    ASSERT_TRUE(Read(layout, image));
    EXPECT_EQ(image.GetWidth(), 1u << 14);
    EXPECT_EQ(image.GetHeight(), 1u << 14);
    // Filled black: the palette's index 1.
    EXPECT_EQ(IndexAt(image, 0, 0), 1);
    EXPECT_EQ(IndexAt(image, (1 << 14) - 1, (1 << 14) - 1), 1);
}

TEST_F(BmpHostileTest, ShortPixelDataKeepsTheRestAsFilled) {
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

TEST_F(BmpHostileTest, PixelDataOffsetPastTheEndGivesABlackPicture) {
    for (int64_t offset : {int64_t{5000}, int64_t{0xFFFFFFFF}}) {
        BmpLayout layout = Small24();
        layout.pixelOffsetOverride = offset;
        ZImage image;
        ASSERT_TRUE(Read(layout, image));
        for (size_t i = 0; i < image.GetPixelMemorySize(); ++i) {
            ASSERT_EQ(image.GetBits()[i], 0) << i;
        }
    }
}

TEST_F(BmpHostileTest, PaletteCutByTheEndOfTheFile) {
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

BmpLayout Rle8(int32_t width, int32_t height, const std::string& data) {
    return Layout(width, height, 8, data, 1, PaletteWithBlackAt(9));
}

BmpLayout Rle4(int32_t width, int32_t height, const std::string& data) {
    return Layout(width, height, 4, data, 2, PaletteWithBlackAt(9, 16));
}

TEST_F(BmpHostileTest, Rle8RunsPastTheEndOfARowAreClipped) {
    ZImage image;
    // A run of 10 on a row of 4, then the next row: nothing spills into it.
    ASSERT_TRUE(Read(Rle8(4, 2, Bytes({10, 6, 0, 0, 2, 7, 0, 1})), image));
    ExpectRows(image, {{7, 7, 9, 9}, {6, 6, 6, 6}});
    // An absolute run of 6 on a row of 4: its last bytes are consumed, not drawn.
    ASSERT_TRUE(Read(Rle8(4, 2, Bytes({0, 6, 1, 2, 3, 4, 5, 6, 0, 0, 1, 8, 0, 1})), image));
    ExpectRows(image, {{8, 9, 9, 9}, {1, 2, 3, 4}});
    // Runs after a clipped one on the same row stay clipped.
    ASSERT_TRUE(Read(Rle8(3, 1, Bytes({255, 1, 255, 2, 0, 3, 1, 2, 3, 0, 0, 1})), image));
    ExpectRows(image, {{1, 1, 1}});
}

TEST_F(BmpHostileTest, Rle8DeltasPastTheRowOrThePicture) {
    ZImage image;
    // A delta far to the right: nothing more on that row.
    ASSERT_TRUE(Read(Rle8(4, 2, Bytes({0, 2, 200, 0, 2, 5, 0, 0, 1, 8, 0, 1})), image));
    ExpectRows(image, {{8, 9, 9, 9}, {9, 9, 9, 9}});
    // A delta just past the end of each row: the run after it draws nothing, not into a
    // neighbouring row.
    ASSERT_TRUE(Read(Rle8(4, 2, Bytes({0, 2, 5, 0, 1, 5, 0, 0, 0, 2, 5, 0, 1, 5, 0, 1})), image));
    ExpectRows(image, {{9, 9, 9, 9}, {9, 9, 9, 9}});
    // A delta beyond the last row ends decoding; the rest of the data is never drawn.
    ASSERT_TRUE(Read(Rle8(3, 2, Bytes({1, 4, 0, 2, 0, 250, 3, 5, 0, 0, 3, 5})), image));
    ExpectRows(image, {{9, 9, 9}, {4, 9, 9}});
    // Many ends of line past the top.
    std::string lines;
    for (int i = 0; i < 600; ++i) {
        lines += Bytes({0, 0, 1, 6});
    }
    ASSERT_TRUE(Read(Rle8(2, 3, lines), image));
    ExpectRows(image, {{6, 9}, {6, 9}, {9, 9}});
}

TEST_F(BmpHostileTest, RleDataCutByTheEndOfTheFile) {
    ZImage image;
    // Absolute run of 5 with only two of its bytes.
    ASSERT_TRUE(Read(Rle8(6, 1, Bytes({0, 5, 1, 2})), image));
    ExpectRows(image, {{1, 2, 9, 9, 9, 9}});
    // A count without its value, a delta without its offsets.
    ASSERT_TRUE(Read(Rle8(2, 1, Bytes({2})), image));
    ExpectRows(image, {{9, 9}});
    ASSERT_TRUE(Read(Rle8(2, 1, Bytes({1, 3, 0, 2, 1})), image));
    ExpectRows(image, {{3, 9}});
    // RLE4 absolute run of 7 pixels with one byte.
    ASSERT_TRUE(Read(Rle4(8, 1, Bytes({0, 7, 0x12})), image));
    ExpectRows(image, {{1, 2, 9, 9, 9, 9, 9, 9}});
    // No pixel data at all.
    ASSERT_TRUE(Read(Rle4(3, 2, std::string()), image));
    ExpectRows(image, {{9, 9, 9}, {9, 9, 9}});
}

TEST_F(BmpHostileTest, Rle4RunsAndDeltasPastTheEndAreClipped) {
    ZImage image;
    // Odd width 5: a run of 9 from pixel 2, an absolute run of 7 on the next row.
    ASSERT_TRUE(Read(Rle4(5, 3, Bytes({2, 0x11, 9,    0x23, 0,    0,           //
                                       0, 7,    0x45, 0x67, 0x81, 0x20, 0, 0,  //
                                       0, 2,    3,    0,    2,    0x44, 0, 2, 9, 9, 1, 0x55})),
                     image));
    ExpectRows(image, {{9, 9, 9, 4, 4}, {4, 5, 6, 7, 8}, {1, 1, 2, 3, 2}});
}

}  // namespace
}  // namespace zentrova::test
