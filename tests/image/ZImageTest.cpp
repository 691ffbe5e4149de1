// ZImage: layout, creation, fills, conversions, depth changes and flips, with exact bytes.
#include "image/ZImage.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/image/CompositingTestSupport.h"

namespace zentrova {
namespace {

using Bytes = std::vector<int>;
using testing::RampPalette;

// The first n bytes at p, as numbers.
Bytes Span(const uint8_t* p, size_t n) {
    return Bytes(p, p + n);
}

// The first n bytes of memory row r.
Bytes Row(const ZImage& image, uint32_t r, size_t n) {
    return Span(image.GetRow(r), n);
}

// Palette indices of memory row r.
Bytes Indices(const ZImage& image, uint32_t r) {
    Bytes v;
    for (uint32_t x = 0; x < image.GetWidth(); ++x)
        v.push_back(image.GetPixelIndex(x, r));
    return v;
}

// Conversions hand back memory to free.
Bytes Converted(uint8_t* p, size_t n) {
    if (p == nullptr) {
        return {};
    }
    Bytes v = Span(p, n);
    std::free(p);
    return v;
}

// Width, height, depth, horizontal resolution and the transparent index.
std::tuple<uint32_t, uint32_t, int, int, bool, int> Summary(const ZImage& image) {
    return {image.GetWidth(), image.GetHeight(),         image.GetBitsPerPixel(),
            image.dpiX,       image.hasTransparentIndex, image.transparentIndex};
}

TEST(ZImageLayout, StridePaddedToFourBytesAndDepthRoundedUp) {
    const auto palette = RampPalette();
    struct Case {
        uint32_t width, requested, bits, stride;
    };
    const Case cases[] = {{1, 24, 24, 4}, {3, 24, 24, 12}, {5, 1, 1, 4},   {9, 4, 4, 8},
                          {33, 1, 1, 8},  {7, 16, 16, 16}, {2, 0, 1, 4},   {2, 2, 4, 4},
                          {2, 3, 4, 4},   {2, 5, 8, 4},    {2, 8, 8, 4},   {2, 9, 16, 4},
                          {2, 12, 16, 4}, {2, 17, 24, 8},  {2, 25, 32, 8}, {2, 32, 32, 8},
                          {2, 64, 32, 8}, {2, 255, 32, 8}};
    for (const Case& c : cases) {
        ZImage image;
        ASSERT_TRUE(image.Create(c.width, 2, c.requested, 0, palette.data())) << c.requested;
        EXPECT_EQ(image.GetBitsPerPixel(), c.bits) << c.requested;
        EXPECT_EQ(image.GetStride(), c.stride) << c.width << " at " << c.requested;
        EXPECT_EQ(image.GetPixelMemorySize(), 2 * c.stride);
    }
}

TEST(ZImageCreate, NewImageHasDefaultsFillAndClearedPadding) {
    ZImage image;
    ASSERT_TRUE(image.Create(2, 2, 32, 0x00332211, nullptr));
    EXPECT_EQ(Row(image, 1, 8), (Bytes{0x33, 0x22, 0x11, 0, 0x33, 0x22, 0x11, 0}));  // alpha 0
    EXPECT_EQ(std::make_pair(image.dpiX, image.dpiY), std::make_pair(96, 96));
    const auto palette = RampPalette();
    for (const uint32_t bits : {8u, 16u, 24u}) {
        // Width 5: 5, 10 and 15 bytes of pixels in rows of 8, 12 and 16 bytes.
        ASSERT_TRUE(image.Create(5, 3, bits, 0x00FF00FF, palette.data()));
        const uint32_t used = 5 * bits / 8;
        const Bytes pixel = bits == 8    ? Bytes{image.GetRow(0)[0]}
                            : bits == 16 ? Bytes{0x1F, 0x7C}
                                         : Bytes{0xFF, 0, 0xFF};
        for (uint32_t r = 0; r < 3; ++r) {
            for (uint32_t b = 0; b < image.GetStride(); ++b) {
                EXPECT_EQ(image.GetRow(r)[b], b < used ? pixel[b % pixel.size()] : 0)
                    << bits << " bits, row " << r << " byte " << b;
            }
        }
    }
}

TEST(ZImageCreate, SwapExchangesPixelsPaletteAndResolution) {
    ZImage grey, colour, empty;
    uint8_t palette[ZImage::kPaletteBytes] = {};
    palette[3 * 7] = 70;  // entry 7: red 70, green 0, blue 0
    ASSERT_TRUE(grey.Create(3, 2, 8, 0, palette));
    grey.GetRow(1)[2] = 7;
    grey.dpiX = 300;
    grey.hasTransparentIndex = true;
    grey.transparentIndex = 7;
    ASSERT_TRUE(colour.Create(5, 4, 24, 0x00ABCDEF, nullptr));
    const uint8_t* greyBits = grey.GetBits();
    grey.Swap(colour);
    EXPECT_EQ(Summary(grey), std::make_tuple(5u, 4u, 24, 96, false, 0));
    EXPECT_EQ(Summary(colour), std::make_tuple(3u, 2u, 8, 300, true, 7));
    EXPECT_EQ(colour.GetBits(), greyBits);  // the memory moved, it was not copied
    EXPECT_EQ(colour.GetPaletteEntryBgr(7)[2], 70);
    colour.Swap(empty);
    EXPECT_EQ(colour.GetBits(), nullptr);
    EXPECT_EQ(empty.GetPixelIndex(2, 1), 7);
}

TEST(ZImageCreate, RejectsBadSizesAndMissingPalette) {
    ZImage image;
    ASSERT_TRUE(image.Create(3, 3, 24, 0, nullptr));
    EXPECT_FALSE(image.Create(0, 5, 24, 0, nullptr));
    EXPECT_FALSE(image.Create(5, 0, 24, 0, nullptr));
    EXPECT_FALSE(image.Create(5, 5, 8, 0, nullptr));  // palette required at 8 bits
    EXPECT_FALSE(image.IsValid());                    // a failed re-creation leaves the image empty
    EXPECT_EQ(image.GetBits(), nullptr);
    // Beyond 2^28 pixels, and widths whose row size cannot be represented.
    EXPECT_FALSE(image.Create(1u << 15, (1u << 13) + 1, 24, 0, nullptr));
    EXPECT_FALSE(image.Create(0xFFFFFFFFu, 1, 32, 0, nullptr));
    EXPECT_FALSE(ZImage::IsSizeAcceptable(0x80000000u, 2, 32));
    EXPECT_TRUE(ZImage::IsSizeAcceptable(1u << 14, 1u << 14, 32));
}

TEST(ZImageCreate, CreateFromBitsAndCopyFromCopyMemoryPaletteAndMetadata) {
    const auto palette = RampPalette();
    std::vector<uint8_t> bits = {0x7A, 2, 3, 4, 5, 6, 7, 8};  // 5 x 2 at 4 bits: stride 4
    ZImage source;
    EXPECT_FALSE(source.CreateFromBits(5, 2, 4, nullptr, palette.data()));
    ASSERT_TRUE(source.CreateFromBits(5, 2, 4, bits.data(), palette.data()));
    EXPECT_EQ(Row(source, 0, 8), Bytes(bits.begin(), bits.end()));
    std::array<uint8_t, ZImage::kPaletteBytes> back{};
    ASSERT_TRUE(source.GetPalette(back.data()));
    EXPECT_EQ(back, palette);
    EXPECT_EQ(Span(source.GetPaletteEntryBgr(10), 3), (Bytes{5, 245, 10}));
    source.dpiX = 120;
    source.dpiY = 144;
    source.hasTransparentIndex = true;
    source.transparentIndex = 7;
    ZImage copy;
    ASSERT_TRUE(copy.CopyFrom(source));
    EXPECT_EQ(Summary(copy), std::make_tuple(5u, 2u, 4, 120, true, 7));
    EXPECT_EQ(copy.dpiY, 144);
    EXPECT_EQ(Indices(copy, 0), (Bytes{7, 10, 0, 2, 0}));
    source.GetRow(0)[0] = 0;
    EXPECT_EQ(copy.GetRow(0)[0], 0x7A);
    EXPECT_EQ(Span(copy.GetPaletteEntryBgr(10), 3), (Bytes{5, 245, 10}));
}

TEST(ZImageEmpty, EveryOperationRefuses) {
    ZImage image;
    EXPECT_FALSE(image.IsValid());
    EXPECT_EQ(Summary(image), std::make_tuple(0u, 0u, 0, 0, false, 0));
    EXPECT_EQ(image.GetRow(0), nullptr);
    EXPECT_EQ(image.GetPixelIndex(0, 0), 0);
    EXPECT_FALSE(image.Fill(0));
    EXPECT_FALSE(image.FillRect(0, 0, 1, 1, 0));
    EXPECT_EQ(image.GetBitsAs(24), nullptr);
    EXPECT_EQ(image.GetRowAs(24, 0), nullptr);
    uint8_t buffer[16] = {};
    EXPECT_FALSE(image.SetBitsFrom(24, buffer));
    EXPECT_FALSE(image.SetRowFrom(24, 0, buffer));
    EXPECT_FALSE(image.SetBitDepth(24));
    EXPECT_FALSE(image.FlipVertical());
    EXPECT_FALSE(image.SetColorTable(buffer, 1));
    EXPECT_FALSE(image.GetPalette(buffer));
    EXPECT_FALSE(image.Destroy());
}

TEST(ZImageFill, RectangleIsClippedAndExact) {
    ZImage image;
    ASSERT_TRUE(image.Create(6, 4, 24, 0, nullptr));
    ASSERT_TRUE(image.FillRect(4, 2, 100, 100, 0x00FF00));
    ASSERT_TRUE(image.FillRect(-5, -5, 6, 6, 0x0000FF));  // only (0, 0) remains
    ASSERT_TRUE(image.FillRect(2, 1, 0, 3, 0xFFFFFF));    // empty
    ASSERT_TRUE(image.FillRect(2, 1, 1, -3, 0xFFFFFF));   // empty
    const uint32_t r = 0x0000FF, g = 0x00FF00;            // rows from the top
    EXPECT_EQ(testing::AllColours(image),
              (std::vector<uint32_t>{r, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                     0, 0, 0, 0, g, g, 0, 0, 0, 0, g, g}));
}

TEST(ZImageFill, PaletteImagesTakeTheNearestColour) {
    std::array<uint8_t, ZImage::kPaletteBytes> palette{};
    // Entry 0 black, 1 white, 2 pure red, 3 dark red.
    const uint8_t entries[4][3] = {{0, 0, 0}, {255, 255, 255}, {255, 0, 0}, {128, 0, 0}};
    std::memcpy(palette.data(), entries, sizeof entries);
    ZImage image;
    ASSERT_TRUE(image.Create(11, 3, 4, 0x0000F0, palette.data()));  // near pure red
    ASSERT_TRUE(image.FillRect(3, 1, 5, 1, 0x00000090));            // dark red, middle row only
    EXPECT_EQ(Indices(image, 0), Bytes(11, 2));
    EXPECT_EQ(Indices(image, 1), (Bytes{2, 2, 2, 3, 3, 3, 3, 3, 2, 2, 2}));
    EXPECT_EQ(Indices(image, 2), Bytes(11, 2));
    ZImage mono;
    ASSERT_TRUE(mono.Create(13, 2, 1, 0xFFFFFF, palette.data()));
    ASSERT_TRUE(mono.FillRect(2, 0, 9, 2, 0x000000));
    for (uint32_t r = 0; r < 2; ++r)
        EXPECT_EQ(Indices(mono, r), (Bytes{1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}));
}

TEST(ZImagePixelIndex, ReadsPackedLayouts) {
    const auto palette = RampPalette();
    ZImage one;
    ASSERT_TRUE(one.Create(10, 1, 1, 0, palette.data()));
    one.GetRow(0)[0] = 0xA5;  // 1010 0101
    one.GetRow(0)[1] = 0x80;
    EXPECT_EQ(Indices(one, 0), (Bytes{1, 0, 1, 0, 0, 1, 0, 1, 1, 0}));
    ZImage four;
    ASSERT_TRUE(four.Create(3, 1, 4, 0, palette.data()));
    four.GetRow(0)[0] = 0x3C;
    four.GetRow(0)[1] = 0xE0;
    EXPECT_EQ(Indices(four, 0), (Bytes{3, 12, 14}));
    EXPECT_EQ(four.GetPixelIndex(3, 0), 0);  // outside
    EXPECT_EQ(four.GetPixelIndex(0, 1), 0);  // outside
    ZImage direct;
    ASSERT_TRUE(direct.Create(2, 2, 24, 0xFFFFFF, nullptr));
    EXPECT_EQ(direct.GetPixelIndex(0, 0), 0);
}

TEST(ZImageConvert, PaletteExpandsToEveryDirectDepth) {
    ZImage image;
    const auto palette = RampPalette();
    ASSERT_TRUE(image.Create(3, 1, 8, 0, palette.data()));
    std::memcpy(image.GetRow(0), "\x00\x64\xFF", 3);  // indices 0, 100, 255
    // Blue i / 2, green 255 - i, red i; 32 bits with alpha 0; 5-5-5 words of the top 5 bits.
    EXPECT_EQ(Converted(image.GetBitsAs(24), 9), (Bytes{0, 255, 0, 50, 155, 100, 127, 0, 255}));
    EXPECT_EQ(Converted(image.GetBitsAs(32), 12),
              (Bytes{0, 255, 0, 0, 50, 155, 100, 0, 127, 0, 255, 0}));
    EXPECT_EQ(Converted(image.GetBitsAs(16), 6), (Bytes{0xE0, 0x03, 0x66, 0x32, 0x0F, 0x7C}));
    EXPECT_EQ(image.GetBitsAs(8), nullptr);
    EXPECT_EQ(image.GetBitsAs(15), nullptr);
}

TEST(ZImageConvert, SixteenBitsWidensFullScale) {
    ZImage image;
    ASSERT_TRUE(image.Create(3, 1, 16, 0, nullptr));
    const uint16_t words[3] = {0x7FFF, 0x0000, (16 << 10) | (1 << 5) | 30};
    std::memcpy(image.GetRow(0), words, sizeof words);
    EXPECT_EQ(Converted(image.GetRowAs(24, 0), 9), (Bytes{255, 255, 255, 0, 0, 0, 247, 8, 132}));
}

TEST(ZImageConvert, RowsAndBitsAreSetFromOtherDepths) {
    ZImage image;
    ASSERT_TRUE(image.Create(4, 3, 24, 0, nullptr));
    const uint8_t row32[16] = {1, 2, 3, 200, 4, 5, 6, 201, 7, 8, 9, 202, 10, 11, 12, 203};
    ASSERT_TRUE(image.SetRowFrom(32, 1, row32));
    EXPECT_EQ(Row(image, 1, 12), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(image.GetRow(0)[0], 0);
    EXPECT_FALSE(image.SetRowFrom(32, 3, row32));
    EXPECT_FALSE(image.SetRowFrom(8, 1, row32));
    std::vector<uint16_t> white(3 * 4, 0x7FFF);  // 4 x 3 at 16 bits: stride 8
    ASSERT_TRUE(image.SetBitsFrom(16, reinterpret_cast<const uint8_t*>(white.data())));
    for (uint32_t r = 0; r < 3; ++r)
        EXPECT_EQ(Row(image, r, 12), Bytes(12, 255));
    // Into a palette image: the nearest entry.
    std::array<uint8_t, ZImage::kPaletteBytes> palette{};
    palette[3] = 255, palette[4] = 255, palette[5] = 255;  // entry 1 white, others black
    ASSERT_TRUE(image.Create(9, 1, 1, 0, palette.data()));
    uint8_t row[36] = {};
    for (int x = 0; x < 9; x += 2)
        std::memset(row + 3 * x, 250, 3);
    ASSERT_TRUE(image.SetRowFrom(24, 0, row));
    EXPECT_EQ(Indices(image, 0), (Bytes{1, 0, 1, 0, 1, 0, 1, 0, 1}));
}

TEST(ZImageDepth, EightBitTo32UsesTransparentIndex) {
    const auto palette = RampPalette();
    ZImage image;
    ASSERT_TRUE(image.Create(3, 1, 8, 0, palette.data()));
    std::memcpy(image.GetRow(0), "\x05\x06\x00", 3);
    image.hasTransparentIndex = true;
    image.transparentIndex = 5;
    image.dpiX = 72;
    ASSERT_TRUE(image.SetBitDepth(32));
    EXPECT_EQ(image.GetBitsPerPixel(), 32);
    EXPECT_EQ(image.dpiX, 72);
    EXPECT_EQ(Row(image, 0, 12), (Bytes{2, 250, 5, 0, 3, 249, 6, 255, 0, 255, 0, 255}));
}

TEST(ZImageDepth, ChangesBetweenDirectDepths) {
    ZImage image;
    ASSERT_TRUE(image.Create(3, 2, 24, 0x00405060, nullptr));
    ASSERT_TRUE(image.SetBitDepth(32));  // opaque
    EXPECT_EQ(Row(image, 1, 12),
              (Bytes{0x40, 0x50, 0x60, 255, 0x40, 0x50, 0x60, 255, 0x40, 0x50, 0x60, 255}));
    image.GetRow(0)[3] = 17;
    ASSERT_TRUE(image.SetBitDepth(24));  // alpha dropped
    EXPECT_EQ(image.GetStride(), 12u);
    EXPECT_EQ(Row(image, 0, 9), (Bytes{0x40, 0x50, 0x60, 0x40, 0x50, 0x60, 0x40, 0x50, 0x60}));
    EXPECT_TRUE(image.SetBitDepth(24));  // same depth: nothing changes
    EXPECT_FALSE(image.SetBitDepth(8));
    ASSERT_TRUE(image.Create(2, 2, 24, 0x00FFFFFF, nullptr));
    ASSERT_TRUE(image.SetBitDepth(16));
    EXPECT_EQ(Row(image, 0, 4), (Bytes{0xFF, 0x7F, 0xFF, 0x7F}));
    ASSERT_TRUE(image.SetBitDepth(32));
    EXPECT_EQ(Row(image, 1, 4), (Bytes{255, 255, 255, 255}));
}

TEST(ZImageFlip, SwapsRowsAroundTheMiddle) {
    for (uint32_t h : {3u, 4u}) {
        ZImage image;
        ASSERT_TRUE(image.Create(2, h, 24, 0, nullptr));
        for (uint32_t r = 0; r < h; ++r)
            std::memset(image.GetRow(r), static_cast<int>(10 + r), image.GetStride());
        ASSERT_TRUE(image.FlipVertical());
        for (uint32_t r = 0; r < h; ++r)  // padding travels with the row
            EXPECT_EQ(Row(image, r, 8), Bytes(8, 10 + h - 1 - r));
    }
}

TEST(ZImagePalette, SetColorTableReplacesLeadingEntries) {
    const auto palette = RampPalette();
    ZImage image;
    ASSERT_TRUE(image.Create(2, 2, 4, 0, palette.data()));
    const uint8_t entries[8] = {10, 20, 30, 0, 40, 50, 60, 0};  // blue, green, red, reserved
    ASSERT_TRUE(image.SetColorTable(entries, 2));
    std::array<uint8_t, ZImage::kPaletteBytes> back{};
    ASSERT_TRUE(image.GetPalette(back.data()));
    EXPECT_EQ(Span(back.data(), 9), (Bytes{30, 20, 10, 60, 50, 40, 2, 253, 1}));  // entry 2 kept
    ZImage direct;
    ASSERT_TRUE(direct.Create(2, 2, 24, 0, nullptr));
    EXPECT_FALSE(direct.SetColorTable(entries, 2));
}

TEST(ZImageCreate, DestroyAndRecreationStartFresh) {
    auto palette = RampPalette();
    ZImage image;
    ASSERT_TRUE(image.Create(6, 2, 8, 0, palette.data()));
    image.dpiX = 300;
    image.hasTransparentIndex = true;
    image.transparentIndex = 9;
    image.GetRow(0)[0] = 42;
    palette[0] = 77;  // entry 0 red
    ASSERT_TRUE(image.Create(6, 2, 8, 0x000000, palette.data()));
    EXPECT_EQ(Summary(image), std::make_tuple(6u, 2u, 8, 96, false, 0));
    EXPECT_EQ(image.GetPaletteEntryBgr(0)[2], 77);
    // Fill 0 picks the palette entry nearest to black, everywhere (the 42 is gone).
    EXPECT_EQ(Indices(image, 0), Bytes(6, image.GetPixelIndex(5, 1)));
    image.hasTransparentIndex = true;
    image.transparentIndex = 3;
    EXPECT_TRUE(image.Destroy());
    EXPECT_EQ(std::make_tuple(image.IsValid(), image.GetStride()), std::make_tuple(false, 0u));
    EXPECT_EQ(Summary(image), std::make_tuple(0u, 0u, 0, 0, false, 0));
    EXPECT_FALSE(image.Destroy());
}

}  // namespace
}  // namespace zentrova
