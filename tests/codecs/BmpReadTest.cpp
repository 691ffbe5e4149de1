// Reading BMP files of every variant, built byte by byte, with exact pixels.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecBmp.h"
#include "tests/codecs/BmpTestSupport.h"

namespace zentrova::test {
namespace {

class BmpReadTest : public CodecTest {
  protected:
    bool Read(const BmpLayout& layout, ZImage& image) {
        return ReadBmp(image, Store(BuildBmp(layout)).c_str());
    }
};

// A palette of n distinct colours, none of them black, but for an optional black entry.
std::vector<Rgb> DistinctPalette(int n, int blackIndex = -1) {
    std::vector<Rgb> palette;
    for (int i = 0; i < n; ++i) {
        palette.push_back(Rgb{static_cast<uint8_t>(i), static_cast<uint8_t>(255 - i),
                              static_cast<uint8_t>(i * 7 + 1)});
    }
    if (blackIndex >= 0) {
        palette[blackIndex] = Rgb{0, 0, 0};
    }
    return palette;
}

TEST_F(BmpReadTest, PaletteAndRleFilesGiveTheirIndices) {
    struct Case {
        const char* what;
        BmpLayout layout;
        int bits;
        std::vector<std::vector<int>> rowsFromTop;  // pixels the data leaves out are black
    };
    const Case cases[] = {
        {"1 bit, bottom row 1010000011, top row 0101111100",
         Layout(10, 2, 1, PadRows({Bytes({0xA0, 0xC0}), Bytes({0x5F, 0x00})}), 0,
                {Rgb{255, 0, 0}, Rgb{0, 0, 255}}),
         1,
         {{0, 1, 0, 1, 1, 1, 1, 1, 0, 0}, {1, 0, 1, 0, 0, 0, 0, 0, 1, 1}}},
        {"2 bits become 4, most significant pair first",
         Layout(5, 2, 2, PadRows({Bytes({0x1B, 0x80}), Bytes({0xF1, 0x40})}), 0,
                DistinctPalette(4)),
         4,
         {{3, 3, 0, 1, 1}, {0, 1, 2, 3, 2}}},
        {"RLE8 run, padded absolute run, end of line, delta, unpadded absolute run, end",
         Layout(6, 3, 8, Bytes({3, 5, 0, 3, 20, 21, 22, 0, 0, 0, 0, 2, 2,
                                0, 2, 7, 0, 0,  0,  4,  1, 2, 3, 4, 0, 1}),
                1, DistinctPalette(256, 9)),
         8,
         {{1, 2, 3, 4, 9, 9}, {9, 9, 7, 7, 9, 9}, {5, 5, 5, 20, 21, 22}}},
        {"RLE8 end of bitmap early: the rest black, data after it ignored",
         Layout(3, 4, 8, Bytes({3, 1, 0, 0, 1, 2, 0, 1, 3, 3, 3, 3}), 1, DistinctPalette(256, 200)),
         8,
         {{200, 200, 200}, {200, 200, 200}, {2, 200, 200}, {1, 1, 1}}},
        // 1 2 1 from pixel 0, 3 4 3 from pixel 3 (odd), delta one right, 5 at pixel 7, end of
        // line, five pixels in three bytes plus pad, three pixels from pixel 5 (odd), end.
        {"RLE4 runs alternate half-bytes from their first pixel",
         Layout(8, 2, 4, Bytes({3, 0x12, 3,    0x34, 0,    2,    1, 0, 1,    0x56, 0, 0,
                                0, 5,    0xAB, 0xCD, 0xE0, 0x00, 0, 3, 0x12, 0x30, 0, 1}),
                2, DistinctPalette(16, 15)),
         4,
         {{10, 11, 12, 13, 14, 1, 2, 3}, {1, 2, 1, 3, 4, 3, 15, 5}}},
        {"RLE4 runs from even pixels",
         Layout(6, 1, 4, Bytes({4, 0x9A, 2, 0x0B, 0, 1}), 2, DistinctPalette(16)),
         4,
         {{9, 10, 9, 10, 0, 11}}},
        {"top-down RLE is flipped after decoding",
         Layout(2, -2, 8, Bytes({2, 4, 0, 0, 2, 6, 0, 1}), 1, DistinctPalette(256)),
         8,
         {{4, 4}, {6, 6}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ZImage image;
        ASSERT_TRUE(Read(c.layout, image));
        EXPECT_EQ(image.GetBitsPerPixel(), c.bits);
        ASSERT_EQ(image.GetHeight(), c.rowsFromTop.size());
        ASSERT_EQ(image.GetWidth(), c.rowsFromTop[0].size());
        for (uint32_t y = 0; y < c.rowsFromTop.size(); ++y) {
            for (uint32_t x = 0; x < c.rowsFromTop[y].size(); ++x) {
                EXPECT_EQ(IndexAt(image, x, y), c.rowsFromTop[y][x]) << "x " << x << " y " << y;
            }
        }
        // The file's entries, then black.
        for (int i = 0; i < 256; ++i) {
            const size_t n = c.layout.palette.size();
            ASSERT_EQ(PaletteAt(image, i), i < int(n) ? c.layout.palette[i] : Rgb{}) << i;
        }
        if (std::string(c.what) == "RLE4 runs from even pixels") {
            // Memory bytes: pixel pairs, the left one in the high half-byte.
            EXPECT_EQ(Bytes({0x9A, 0x9A, 0x0B}), std::string(image.GetBits(), image.GetBits() + 3));
        }
    }
}

TEST_F(BmpReadTest, SixteenBitWithoutCompressionStaysSixteenBit) {
    ZImage image;
    ASSERT_TRUE(Read(Layout(3, 1, 16, PadRows({U16(0x7FFF) + U16(0x001F) + U16(0x7C00)})), image));
    EXPECT_EQ(image.GetBitsPerPixel(), 16);
    EXPECT_EQ(std::string(image.GetBits(), image.GetBits() + 6),
              U16(0x7FFF) + U16(0x001F) + U16(0x7C00));
}

TEST_F(BmpReadTest, SixteenBitFields565And555GiveTheSamePicture) {
    struct Colour {
        uint32_t r, g, b;  // 5 bits each
    };
    const std::vector<Colour> colours = {{31, 31, 31}, {31, 0, 0}, {0, 31, 0},  {0, 0, 31},
                                         {10, 20, 5},  {1, 2, 3},  {16, 17, 30}};
    std::string words565, words555;
    for (const Colour& c : colours) {
        words565 += U16((c.r << 11) | ((c.g * 2) << 5) | c.b);  // lowest green bit 0
        words555 += U16((c.r << 10) | (c.g << 5) | c.b);
    }
    BmpLayout layout = Layout(static_cast<int32_t>(colours.size()), 1, 16, PadRows({words565}), 3);
    layout.masks = {0xF800, 0x07E0, 0x001F};
    ZImage from565, from555;
    ASSERT_TRUE(Read(layout, from565));
    layout.masks = {0x7C00, 0x03E0, 0x001F};
    layout.pixels = PadRows({words555});
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

}  // namespace
}  // namespace zentrova::test
