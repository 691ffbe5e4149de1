// Reading BMP files of every variant, built byte by byte, with exact pixels.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecBmp.h"
#include "tests/codecs/BmpTestSupport.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {
namespace {

class BmpReadTest : public ::testing::Test {
  protected:
    // Writes the bytes to a file and reads it back.
    bool Read(const std::string& bytes, ZImage& image, uint32_t* code = nullptr) {
        const std::wstring path = m_folder.File(L"picture.bmp");
        EXPECT_TRUE(WriteWholeFile(path, bytes));
        return ReadBmp(image, path.c_str(), code);
    }
    bool Read(const BmpLayout& layout, ZImage& image) { return Read(BuildBmp(layout), image); }

    TempFolder m_folder;
};

// A palette of n distinct colours, none of them black.
std::vector<Rgb> DistinctPalette(int n) {
    std::vector<Rgb> palette;
    for (int i = 0; i < n; ++i) {
        palette.push_back(Rgb{static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i),
                              static_cast<uint8_t>((i * 7) & 0xFF)});
    }
    return palette;
}

void ExpectIndices(const ZImage& image, const std::vector<std::vector<int>>& rowsFromTop) {
    ASSERT_EQ(image.GetHeight(), rowsFromTop.size());
    for (uint32_t y = 0; y < rowsFromTop.size(); ++y) {
        ASSERT_EQ(image.GetWidth(), rowsFromTop[y].size());
        for (uint32_t x = 0; x < rowsFromTop[y].size(); ++x) {
            EXPECT_EQ(IndexAt(image, x, y), rowsFromTop[y][x]) << "x " << x << " y " << y;
        }
    }
}

TEST_F(BmpReadTest, OneBitRowsAndPalette) {
    BmpLayout layout;
    layout.width = 10;
    layout.height = 2;
    layout.bitCount = 1;
    layout.palette = {Rgb{255, 0, 0}, Rgb{0, 0, 255}};
    // Bottom row 1010000011, top row 0101111100.
    layout.pixels = PadRows({Bytes({0xA0, 0xC0}), Bytes({0x5F, 0x00})});
    ZImage image;
    ASSERT_TRUE(Read(layout, image));
    EXPECT_EQ(image.GetBitsPerPixel(), 1);
    ExpectIndices(image, {{0, 1, 0, 1, 1, 1, 1, 1, 0, 0}, {1, 0, 1, 0, 0, 0, 0, 0, 1, 1}});
    EXPECT_EQ(ColorAt(image, 0, 1), (Rgb{0, 0, 255}));
    EXPECT_EQ(ColorAt(image, 1, 1), (Rgb{255, 0, 0}));
}

TEST_F(BmpReadTest, TwoBitFileBecomesFourBitImageWithTheSameColours) {
    BmpLayout layout;
    layout.width = 5;
    layout.height = 2;
    layout.bitCount = 2;
    layout.palette = {Rgb{10, 20, 30}, Rgb{200, 0, 0}, Rgb{0, 200, 0}, Rgb{0, 0, 200}};
    // Bottom 0,1,2,3,2 and top 3,3,0,1,1; most significant pair first.
    layout.pixels = PadRows({Bytes({0x1B, 0x80}), Bytes({0xF1, 0x40})});
    ZImage image;
    ASSERT_TRUE(Read(layout, image));
    EXPECT_EQ(image.GetBitsPerPixel(), 4);
    ExpectIndices(image, {{3, 3, 0, 1, 1}, {0, 1, 2, 3, 2}});
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(PaletteAt(image, i), layout.palette[i]);
    }
    for (int i = 4; i < 256; ++i) {
        EXPECT_EQ(PaletteAt(image, i), (Rgb{0, 0, 0})) << i;
    }
}

TEST_F(BmpReadTest, SixteenBitWithoutCompressionStaysSixteenBit) {
    BmpLayout layout;
    layout.width = 3;
    layout.height = 1;
    layout.bitCount = 16;
    layout.pixels = PadRows({U16(0x7FFF) + U16(0x001F) + U16(0x7C00)});
    ZImage image;
    ASSERT_TRUE(Read(layout, image));
    EXPECT_EQ(image.GetBitsPerPixel(), 16);
    EXPECT_EQ(WordAt(image, 0, 0), 0x7FFF);
    EXPECT_EQ(WordAt(image, 1, 0), 0x001F);
    EXPECT_EQ(WordAt(image, 2, 0), 0x7C00);
}

TEST_F(BmpReadTest, SixteenBitFields565And555GiveTheSamePicture) {
    struct Colour {
        uint32_t r, g, b;  // 5 bits each
    };
    const std::vector<Colour> colours = {{31, 31, 31}, {31, 0, 0}, {0, 31, 0},  {0, 0, 31},
                                         {10, 20, 5},  {1, 2, 3},  {16, 17, 30}};
    std::string words565;
    std::string words555;
    for (const Colour& c : colours) {
        words565 += U16((c.r << 11) | ((c.g * 2) << 5) | c.b);  // lowest green bit 0
        words555 += U16((c.r << 10) | (c.g << 5) | c.b);
    }
    BmpLayout layout;
    layout.width = static_cast<int32_t>(colours.size());
    layout.height = 1;
    layout.bitCount = 16;
    layout.compression = 3;
    layout.masks = {0xF800, 0x07E0, 0x001F};
    layout.pixels = PadRows({words565});
    ZImage from565;
    ASSERT_TRUE(Read(layout, from565));
    layout.masks = {0x7C00, 0x03E0, 0x001F};
    layout.pixels = PadRows({words555});
    ZImage from555;
    ASSERT_TRUE(Read(layout, from555));
    ASSERT_EQ(from565.GetBitsPerPixel(), 24);
    ASSERT_EQ(from555.GetBitsPerPixel(), 24);
    for (uint32_t x = 0; x < colours.size(); ++x) {
        const Rgb expected{kDocumentedWiden5[colours[x].r], kDocumentedWiden5[colours[x].g],
                           kDocumentedWiden5[colours[x].b]};
        EXPECT_EQ(ColorAt(from565, x, 0), expected) << x;
        EXPECT_EQ(ColorAt(from555, x, 0), expected) << x;
    }
    EXPECT_EQ(ColorAt(from565, 0, 0), (Rgb{255, 255, 255}));

    // 0xFFFF is white in 5-6-5; its lowest green bit alone is dropped.
    layout.masks = {0xF800, 0x07E0, 0x001F};
    layout.width = 2;
    layout.pixels = PadRows({U16(0xFFFF) + U16(0x0020)});
    ASSERT_TRUE(Read(layout, from565));
    EXPECT_EQ(ColorAt(from565, 0, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(ColorAt(from565, 1, 0), (Rgb{0, 0, 0}));
}

TEST_F(BmpReadTest, PixelsPerMetreBecomeDotsPerInch) {
    struct Case {
        int32_t ppmX, ppmY, dpiX, dpiY;
    };
    const Case cases[] = {{3780, 3780, 96, 96}, {2835, 5906, 72, 150}, {0, 0, 96, 96},
                          {1, 1, 96, 96},       {3780, 1, 96, 96},     {2, 2, 0, 0},
                          {-3780, 3780, 96, 96}};
    for (const Case& c : cases) {
        BmpLayout layout;
        layout.ppmX = c.ppmX;
        layout.ppmY = c.ppmY;
        layout.pixels = PadRows({Bytes({1, 2, 3})});
        ZImage image;
        ASSERT_TRUE(Read(layout, image));
        EXPECT_EQ(image.dpiX, c.dpiX) << c.ppmX << " " << c.ppmY;
        EXPECT_EQ(image.dpiY, c.dpiY) << c.ppmX << " " << c.ppmY;
    }
}

// A 256-colour palette whose only black entry is `blackIndex`.
std::vector<Rgb> PaletteWithBlackAt(int blackIndex) {
    std::vector<Rgb> palette;
    for (int i = 0; i < 256; ++i) {
        palette.push_back(Rgb{static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i), 128});
    }
    palette[blackIndex] = Rgb{0, 0, 0};
    return palette;
}

TEST_F(BmpReadTest, Rle8RunsAbsoluteRunsDeltasAndEscapes) {
    BmpLayout layout;
    layout.width = 6;
    layout.height = 3;
    layout.bitCount = 8;
    layout.compression = 1;
    layout.palette = PaletteWithBlackAt(9);
    layout.pixels = Bytes({3, 5,                 // run of three 5
                           0, 3, 20, 21, 22, 0,  // absolute run of three, padded
                           0, 0,                 // end of line
                           0, 2, 2,  0,          // delta: two to the right
                           2, 7,                 // run of two 7
                           0, 0,                 // end of line
                           0, 4, 1,  2,  3,  4,  // absolute run of four, no padding
                           0, 1});               // end of bitmap
    ZImage image;
    ASSERT_TRUE(Read(layout, image));
    EXPECT_EQ(image.GetBitsPerPixel(), 8);
    // Pixels the data leaves out stay black (index 9).
    ExpectIndices(image, {{1, 2, 3, 4, 9, 9}, {9, 9, 7, 7, 9, 9}, {5, 5, 5, 20, 21, 22}});
}

TEST_F(BmpReadTest, Rle8EndOfBitmapEarlyLeavesTheRestBlack) {
    BmpLayout layout;
    layout.width = 3;
    layout.height = 4;
    layout.bitCount = 8;
    layout.compression = 1;
    layout.palette = PaletteWithBlackAt(200);
    layout.pixels = Bytes({3, 1, 0, 0, 1, 2, 0, 1, 3, 3, 3, 3});  // data after the end is ignored
    ZImage image;
    ASSERT_TRUE(Read(layout, image));
    ExpectIndices(image, {{200, 200, 200}, {200, 200, 200}, {2, 200, 200}, {1, 1, 1}});
    EXPECT_EQ(ColorAt(image, 0, 0), (Rgb{0, 0, 0}));
}

TEST_F(BmpReadTest, Rle4RunsAlternateHalfBytesFromTheirFirstPixel) {
    BmpLayout layout;
    layout.width = 8;
    layout.height = 2;
    layout.bitCount = 4;
    layout.compression = 2;
    layout.palette = DistinctPalette(16);
    layout.palette[15] = Rgb{0, 0, 0};
    layout.pixels = Bytes({3, 0x12,                          // 1 2 1 from pixel 0
                           3, 0x34,                          // 3 4 3 from pixel 3 (odd)
                           0, 2,    1,    0,                 // delta one pixel to the right
                           1, 0x56,                          // 5 at pixel 7
                           0, 0,                             // end of line
                           0, 5,    0xAB, 0xCD, 0xE0, 0x00,  // five pixels in three bytes + pad
                           0, 3,    0x12, 0x30,              // three pixels from pixel 5 (odd)
                           0, 1});                           // end of bitmap
    ZImage image;
    ASSERT_TRUE(Read(layout, image));
    EXPECT_EQ(image.GetBitsPerPixel(), 4);
    ExpectIndices(image, {{10, 11, 12, 13, 14, 1, 2, 3}, {1, 2, 1, 3, 4, 3, 15, 5}});
}

TEST_F(BmpReadTest, Rle4RunsStartingOnEvenPixelsPairUpAsBytes) {
    BmpLayout layout;
    layout.width = 6;
    layout.height = 1;
    layout.bitCount = 4;
    layout.compression = 2;
    layout.palette = DistinctPalette(16);
    layout.pixels = Bytes({4, 0x9A, 2, 0x0B, 0, 1});
    ZImage image;
    ASSERT_TRUE(Read(layout, image));
    ExpectIndices(image, {{9, 10, 9, 10, 0, 11}});
    // Memory bytes: pixel pairs, the left one in the high half-byte.
    EXPECT_EQ(image.GetBits()[0], 0x9A);
    EXPECT_EQ(image.GetBits()[1], 0x9A);
    EXPECT_EQ(image.GetBits()[2], 0x0B);
}

TEST_F(BmpReadTest, TopDownRleIsFlippedAfterDecoding) {
    BmpLayout layout;
    layout.width = 2;
    layout.height = -2;
    layout.bitCount = 8;
    layout.compression = 1;
    layout.palette = DistinctPalette(256);
    layout.pixels = Bytes({2, 4, 0, 0, 2, 6, 0, 1});
    ZImage image;
    ASSERT_TRUE(Read(layout, image));
    ExpectIndices(image, {{4, 4}, {6, 6}});
}

}  // namespace
}  // namespace zentrova::test
