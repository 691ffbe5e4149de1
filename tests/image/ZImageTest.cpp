// ZImage: layout, creation, fills, conversions, depth changes and flips, with exact bytes.
#include "image/ZImage.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace zentrova {
namespace {

struct Freer {
    void operator()(uint8_t* p) const { std::free(p); }
};
using Buffer = std::unique_ptr<uint8_t, Freer>;

// A palette of RGB triplets where entry i is (i, 255 - i, i / 2), distinct in every channel.
std::array<uint8_t, ZImage::kPaletteBytes> RampPalette() {
    std::array<uint8_t, ZImage::kPaletteBytes> p{};
    for (int i = 0; i < 256; ++i) {
        p[3 * i + 0] = static_cast<uint8_t>(i);
        p[3 * i + 1] = static_cast<uint8_t>(255 - i);
        p[3 * i + 2] = static_cast<uint8_t>(i / 2);
    }
    return p;
}

TEST(ZImageLayout, StrideIsPaddedToFourBytes) {
    ZImage image;
    ASSERT_TRUE(image.Create(1, 1, 24, 0, nullptr));
    EXPECT_EQ(image.GetStride(), 4u);
    ASSERT_TRUE(image.Create(3, 2, 24, 0, nullptr));
    EXPECT_EQ(image.GetStride(), 12u);
    const auto palette = RampPalette();
    ASSERT_TRUE(image.Create(5, 1, 1, 0, palette.data()));
    EXPECT_EQ(image.GetStride(), 4u);
    ASSERT_TRUE(image.Create(9, 1, 4, 0, palette.data()));
    EXPECT_EQ(image.GetStride(), 8u);
    ASSERT_TRUE(image.Create(33, 1, 1, 0, palette.data()));
    EXPECT_EQ(image.GetStride(), 8u);
    ASSERT_TRUE(image.Create(7, 1, 16, 0, nullptr));
    EXPECT_EQ(image.GetStride(), 16u);
    EXPECT_EQ(image.GetPixelMemorySize(), 16u);
}

TEST(ZImageLayout, RequestedDepthRoundsUp) {
    const std::vector<std::pair<uint32_t, uint8_t>> cases = {
        {0, 1},   {1, 1},   {2, 4},   {3, 4},   {4, 4},   {5, 8},   {8, 8},   {9, 16},
        {12, 16}, {16, 16}, {17, 24}, {24, 24}, {25, 32}, {32, 32}, {64, 32}, {255, 32}};
    const auto palette = RampPalette();
    for (const auto& [requested, expected] : cases) {
        ZImage image;
        ASSERT_TRUE(image.Create(2, 2, requested, 0, palette.data())) << requested;
        EXPECT_EQ(image.GetBitsPerPixel(), expected) << requested;
    }
}

TEST(ZImageCreate, NewImageHasDefaultsAndFill) {
    ZImage image;
    ASSERT_TRUE(image.Create(4, 3, 24, 0xFF00FF, nullptr));
    EXPECT_TRUE(image.IsValid());
    EXPECT_EQ(image.dpiX, 96);
    EXPECT_EQ(image.dpiY, 96);
    for (uint32_t r = 0; r < 3; ++r) {
        const uint8_t* row = image.GetRow(r);
        for (uint32_t x = 0; x < 4; ++x) {
            EXPECT_EQ(row[3 * x + 0], 0xFF);
            EXPECT_EQ(row[3 * x + 1], 0x00);
            EXPECT_EQ(row[3 * x + 2], 0xFF);
        }
    }
}

TEST(ZImageCreate, ThirtyTwoBitFillLeavesAlphaZero) {
    ZImage image;
    ASSERT_TRUE(image.Create(2, 2, 32, 0x00332211, nullptr));
    const uint8_t* row = image.GetRow(1);
    EXPECT_EQ(row[0], 0x33);  // blue from bits 16-23
    EXPECT_EQ(row[1], 0x22);
    EXPECT_EQ(row[2], 0x11);  // red from the low byte
    EXPECT_EQ(row[3], 0x00);
}

TEST(ZImageCreate, SwapExchangesPixelsPaletteAndResolution) {
    ZImage grey;
    uint8_t palette[ZImage::kPaletteBytes] = {};
    palette[3 * 7] = 70;  // entry 7: red 70, green 0, blue 0
    ASSERT_TRUE(grey.Create(3, 2, 8, 0, palette));
    grey.GetRow(1)[2] = 7;
    grey.GetRow(0)[0] = 7;
    grey.dpiX = 300;
    grey.hasTransparentIndex = true;
    grey.transparentIndex = 7;
    ZImage colour;
    ASSERT_TRUE(colour.Create(5, 4, 24, 0x00ABCDEF, nullptr));
    const uint8_t* greyBits = grey.GetBits();

    grey.Swap(colour);

    EXPECT_EQ(grey.GetWidth(), 5u);
    EXPECT_EQ(grey.GetBitsPerPixel(), 24);
    EXPECT_EQ(grey.GetRow(3)[0], 0xAB);
    EXPECT_EQ(grey.dpiX, 96);
    EXPECT_FALSE(grey.hasTransparentIndex);
    EXPECT_EQ(colour.GetWidth(), 3u);
    EXPECT_EQ(colour.GetBitsPerPixel(), 8);
    EXPECT_EQ(colour.GetBits(), greyBits);  // the memory moved, it was not copied
    EXPECT_EQ(colour.GetPixelIndex(2, 1), 7);
    EXPECT_EQ(colour.GetPaletteEntryBgr(7)[2], 70);
    EXPECT_EQ(colour.dpiX, 300);
    EXPECT_TRUE(colour.hasTransparentIndex);
    EXPECT_EQ(colour.transparentIndex, 7);

    ZImage empty;
    colour.Swap(empty);
    EXPECT_FALSE(colour.IsValid());
    EXPECT_EQ(colour.GetBits(), nullptr);
    EXPECT_TRUE(empty.IsValid());
    EXPECT_EQ(empty.GetPixelIndex(0, 0), 7);
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

TEST(ZImageCreate, CreateFromBitsCopiesMemoryAndPalette) {
    const auto palette = RampPalette();
    std::vector<uint8_t> bits = {1, 2, 3, 4, 5, 6, 7, 8};  // 3 x 2 at 8 bits: stride 4
    ZImage image;
    EXPECT_FALSE(image.CreateFromBits(3, 2, 8, nullptr, palette.data()));
    ASSERT_TRUE(image.CreateFromBits(3, 2, 8, bits.data(), palette.data()));
    EXPECT_EQ(0, std::memcmp(image.GetBits(), bits.data(), bits.size()));
    std::array<uint8_t, ZImage::kPaletteBytes> back{};
    ASSERT_TRUE(image.GetPalette(back.data()));
    EXPECT_EQ(back, palette);
    EXPECT_EQ(image.GetPaletteEntryBgr(10)[0], 5);   // blue of entry 10
    EXPECT_EQ(image.GetPaletteEntryBgr(10)[2], 10);  // red of entry 10
}

TEST(ZImageCopy, CopyIsIndependentAndCarriesMetadata) {
    const auto palette = RampPalette();
    ZImage source;
    ASSERT_TRUE(source.Create(5, 3, 4, 0, palette.data()));
    source.dpiX = 120;
    source.dpiY = 144;
    source.hasTransparentIndex = true;
    source.transparentIndex = 7;
    source.GetRow(0)[0] = 0x7A;
    ZImage copy;
    ASSERT_TRUE(copy.CopyFrom(source));
    EXPECT_EQ(copy.GetWidth(), 5u);
    EXPECT_EQ(copy.GetBitsPerPixel(), 4);
    EXPECT_EQ(copy.dpiX, 120);
    EXPECT_EQ(copy.dpiY, 144);
    EXPECT_TRUE(copy.hasTransparentIndex);
    EXPECT_EQ(copy.transparentIndex, 7);
    EXPECT_EQ(copy.GetPixelIndex(0, 0), 7);
    EXPECT_EQ(copy.GetPixelIndex(1, 0), 10);
    source.GetRow(0)[0] = 0;
    EXPECT_EQ(copy.GetRow(0)[0], 0x7A);
    EXPECT_NE(copy.GetBits(), source.GetBits());
}

TEST(ZImageEmpty, EveryOperationRefuses) {
    ZImage image;
    EXPECT_FALSE(image.IsValid());
    EXPECT_EQ(image.GetWidth(), 0u);
    EXPECT_EQ(image.GetHeight(), 0u);
    EXPECT_EQ(image.GetBitsPerPixel(), 0);
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
    for (uint32_t y = 0; y < 4; ++y) {
        const uint8_t* row = image.GetRow(3 - y);
        for (uint32_t x = 0; x < 6; ++x) {
            const bool green = x >= 4 && y >= 2;
            const bool red = x == 0 && y == 0;
            EXPECT_EQ(row[3 * x + 1], green ? 0xFF : 0) << x << "," << y;
            EXPECT_EQ(row[3 * x + 2], red ? 0xFF : 0) << x << "," << y;
            EXPECT_EQ(row[3 * x + 0], 0) << x << "," << y;
        }
    }
}

TEST(ZImageFill, PaletteImagesTakeTheNearestColour) {
    std::array<uint8_t, ZImage::kPaletteBytes> palette{};
    // Entry 0 black, 1 white, 2 pure red, 3 dark red.
    const uint8_t entries[4][3] = {{0, 0, 0}, {255, 255, 255}, {255, 0, 0}, {128, 0, 0}};
    std::memcpy(palette.data(), entries, sizeof entries);
    ZImage image;
    ASSERT_TRUE(image.Create(11, 3, 4, 0x0000F0, palette.data()));  // near pure red
    for (uint32_t x = 0; x < 11; ++x) {
        EXPECT_EQ(image.GetPixelIndex(x, 1), 2) << x;
    }
    ASSERT_TRUE(image.FillRect(3, 1, 5, 1, 0x00000090));  // dark red, middle row only
    for (uint32_t x = 0; x < 11; ++x) {
        EXPECT_EQ(image.GetPixelIndex(x, 1), (x >= 3 && x < 8) ? 3 : 2) << x;
        EXPECT_EQ(image.GetPixelIndex(x, 0), 2) << x;
        EXPECT_EQ(image.GetPixelIndex(x, 2), 2) << x;
    }
    ZImage mono;
    ASSERT_TRUE(mono.Create(13, 2, 1, 0xFFFFFF, palette.data()));
    ASSERT_TRUE(mono.FillRect(2, 0, 9, 2, 0x000000));
    for (uint32_t x = 0; x < 13; ++x) {
        EXPECT_EQ(mono.GetPixelIndex(x, 0), (x >= 2 && x < 11) ? 0 : 1) << x;
        EXPECT_EQ(mono.GetPixelIndex(x, 1), (x >= 2 && x < 11) ? 0 : 1) << x;
    }
}

TEST(ZImagePixelIndex, ReadsPackedLayouts) {
    const auto palette = RampPalette();
    ZImage one;
    ASSERT_TRUE(one.Create(10, 1, 1, 0, palette.data()));
    one.GetRow(0)[0] = 0xA5;  // 1010 0101
    one.GetRow(0)[1] = 0x80;
    const int expected[10] = {1, 0, 1, 0, 0, 1, 0, 1, 1, 0};
    for (uint32_t x = 0; x < 10; ++x) {
        EXPECT_EQ(one.GetPixelIndex(x, 0), expected[x]) << x;
    }
    ZImage four;
    ASSERT_TRUE(four.Create(3, 1, 4, 0, palette.data()));
    four.GetRow(0)[0] = 0x3C;
    four.GetRow(0)[1] = 0xE0;
    EXPECT_EQ(four.GetPixelIndex(0, 0), 3);
    EXPECT_EQ(four.GetPixelIndex(1, 0), 12);
    EXPECT_EQ(four.GetPixelIndex(2, 0), 14);
    EXPECT_EQ(four.GetPixelIndex(3, 0), 0);  // outside
    EXPECT_EQ(four.GetPixelIndex(0, 1), 0);  // outside
    ZImage direct;
    ASSERT_TRUE(direct.Create(2, 2, 24, 0xFFFFFF, nullptr));
    EXPECT_EQ(direct.GetPixelIndex(0, 0), 0);
}

TEST(ZImageConvert, PaletteExpandsToEveryDirectDepth) {
    const auto palette = RampPalette();
    ZImage image;
    ASSERT_TRUE(image.Create(3, 2, 8, 0, palette.data()));
    const uint8_t indices[2][3] = {{0, 100, 255}, {7, 8, 9}};
    for (uint32_t r = 0; r < 2; ++r) {
        std::memcpy(image.GetRow(r), indices[r], 3);
    }
    Buffer as24(image.GetBitsAs(24));
    ASSERT_TRUE(as24);
    Buffer as32(image.GetBitsAs(32));
    ASSERT_TRUE(as32);
    Buffer as16(image.GetBitsAs(16));
    ASSERT_TRUE(as16);
    for (uint32_t r = 0; r < 2; ++r) {
        for (uint32_t x = 0; x < 3; ++x) {
            const int i = indices[r][x];
            const uint8_t* p24 = as24.get() + r * 12 + 3 * x;
            EXPECT_EQ(p24[0], i / 2);
            EXPECT_EQ(p24[1], 255 - i);
            EXPECT_EQ(p24[2], i);
            const uint8_t* p32 = as32.get() + r * 12 + 4 * x;
            EXPECT_EQ(p32[0], i / 2);
            EXPECT_EQ(p32[2], i);
            EXPECT_EQ(p32[3], 0);  // conversions to 32 bits write alpha 0
            const uint8_t* p16 = as16.get() + r * 8 + 2 * x;
            const int v = p16[0] | (p16[1] << 8);
            EXPECT_EQ(v & 31, (i / 2) >> 3);
            EXPECT_EQ((v >> 5) & 31, (255 - i) >> 3);
            EXPECT_EQ((v >> 10) & 31, i >> 3);
        }
    }
    EXPECT_EQ(image.GetBitsAs(8), nullptr);
    EXPECT_EQ(image.GetBitsAs(15), nullptr);
}

TEST(ZImageConvert, SixteenBitsWidensFullScale) {
    ZImage image;
    ASSERT_TRUE(image.Create(3, 1, 16, 0, nullptr));
    const uint16_t words[3] = {0x7FFF, 0x0000, (16 << 10) | (1 << 5) | 30};
    std::memcpy(image.GetRow(0), words, sizeof words);
    Buffer row(image.GetRowAs(24, 0));
    ASSERT_TRUE(row);
    const uint8_t expected[9] = {255, 255, 255, 0, 0, 0, (30 << 3) | (30 >> 2), 8, 132};
    EXPECT_EQ(0, std::memcmp(row.get(), expected, 9));
}

TEST(ZImageConvert, RowsRoundTripThroughSetRowFrom) {
    ZImage image;
    ASSERT_TRUE(image.Create(4, 3, 24, 0, nullptr));
    const uint8_t row32[16] = {1, 2, 3, 200, 4, 5, 6, 201, 7, 8, 9, 202, 10, 11, 12, 203};
    ASSERT_TRUE(image.SetRowFrom(32, 1, row32));
    const uint8_t expected[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(0, std::memcmp(image.GetRow(1), expected, 12));
    EXPECT_EQ(image.GetRow(0)[0], 0);
    EXPECT_FALSE(image.SetRowFrom(32, 3, row32));
    EXPECT_FALSE(image.SetRowFrom(8, 1, row32));

    std::vector<uint8_t> all(3 * 8, 0);  // 4 x 3 at 16 bits: stride 8
    for (size_t i = 0; i < all.size(); i += 2) {
        all[i] = 0xFF, all[i + 1] = 0x7F;  // white
    }
    ASSERT_TRUE(image.SetBitsFrom(16, all.data()));
    for (uint32_t r = 0; r < 3; ++r) {
        for (uint32_t b = 0; b < 12; ++b) {
            EXPECT_EQ(image.GetRow(r)[b], 255);
        }
    }
}

TEST(ZImageConvert, SetBitsFromIntoPaletteImagePicksNearest) {
    std::array<uint8_t, ZImage::kPaletteBytes> palette{};
    palette[3] = 255, palette[4] = 255, palette[5] = 255;  // entry 1 white, others black
    ZImage image;
    ASSERT_TRUE(image.Create(9, 1, 1, 0, palette.data()));
    uint8_t row[36] = {};
    for (int x = 0; x < 9; x += 2) {
        row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = 250;
    }
    ASSERT_TRUE(image.SetRowFrom(24, 0, row));
    for (uint32_t x = 0; x < 9; ++x) {
        EXPECT_EQ(image.GetPixelIndex(x, 0), x % 2 == 0 ? 1 : 0) << x;
    }
}

TEST(ZImageDepth, EightBitTo32UsesTransparentIndex) {
    const auto palette = RampPalette();
    ZImage image;
    ASSERT_TRUE(image.Create(4, 2, 8, 0, palette.data()));
    const uint8_t rows[2][4] = {{5, 6, 5, 0}, {1, 5, 2, 3}};
    std::memcpy(image.GetRow(0), rows[0], 4);
    std::memcpy(image.GetRow(1), rows[1], 4);
    image.hasTransparentIndex = true;
    image.transparentIndex = 5;
    image.dpiX = 72;
    ASSERT_TRUE(image.SetBitDepth(32));
    EXPECT_EQ(image.GetBitsPerPixel(), 32);
    EXPECT_EQ(image.dpiX, 72);
    for (uint32_t r = 0; r < 2; ++r) {
        for (uint32_t x = 0; x < 4; ++x) {
            const uint8_t* p = image.GetRow(r) + 4 * x;
            const int i = rows[r][x];
            EXPECT_EQ(p[2], i);
            EXPECT_EQ(p[1], 255 - i);
            EXPECT_EQ(p[3], i == 5 ? 0 : 255) << r << "," << x;
        }
    }
}

TEST(ZImageDepth, TwentyFourTo32IsOpaqueAndBackDropsAlpha) {
    ZImage image;
    ASSERT_TRUE(image.Create(3, 2, 24, 0x00405060, nullptr));
    ASSERT_TRUE(image.SetBitDepth(32));
    for (uint32_t x = 0; x < 3; ++x) {
        const uint8_t* p = image.GetRow(1) + 4 * x;
        EXPECT_EQ(p[0], 0x40);
        EXPECT_EQ(p[1], 0x50);
        EXPECT_EQ(p[2], 0x60);
        EXPECT_EQ(p[3], 255);
    }
    image.GetRow(0)[3] = 17;
    ASSERT_TRUE(image.SetBitDepth(24));
    EXPECT_EQ(image.GetBitsPerPixel(), 24);
    EXPECT_EQ(image.GetStride(), 12u);
    const uint8_t expected[9] = {0x40, 0x50, 0x60, 0x40, 0x50, 0x60, 0x40, 0x50, 0x60};
    EXPECT_EQ(0, std::memcmp(image.GetRow(0), expected, 9));
    EXPECT_TRUE(image.SetBitDepth(24));  // same depth: nothing changes
    EXPECT_FALSE(image.SetBitDepth(8));
}

TEST(ZImageDepth, SixteenBitTarget) {
    ZImage image;
    ASSERT_TRUE(image.Create(2, 2, 24, 0x00FFFFFF, nullptr));
    ASSERT_TRUE(image.SetBitDepth(16));
    EXPECT_EQ(image.GetBitsPerPixel(), 16);
    EXPECT_EQ(image.GetRow(0)[0], 0xFF);
    EXPECT_EQ(image.GetRow(0)[1], 0x7F);
    ASSERT_TRUE(image.SetBitDepth(32));
    EXPECT_EQ(image.GetRow(1)[0], 255);
    EXPECT_EQ(image.GetRow(1)[3], 255);
}

TEST(ZImageFlip, SwapsRowsAroundTheMiddle) {
    ZImage image;
    ASSERT_TRUE(image.Create(2, 3, 24, 0, nullptr));
    for (uint32_t r = 0; r < 3; ++r) {
        std::memset(image.GetRow(r), static_cast<int>(10 + r), image.GetStride());
    }
    ASSERT_TRUE(image.FlipVertical());
    EXPECT_EQ(image.GetRow(0)[0], 12);
    EXPECT_EQ(image.GetRow(1)[5], 11);
    EXPECT_EQ(image.GetRow(2)[7], 10);  // padding travels with the row

    ZImage even;
    ASSERT_TRUE(even.Create(1, 4, 32, 0, nullptr));
    for (uint32_t r = 0; r < 4; ++r) {
        even.GetRow(r)[0] = static_cast<uint8_t>(r);
    }
    ASSERT_TRUE(even.FlipVertical());
    for (uint32_t r = 0; r < 4; ++r) {
        EXPECT_EQ(even.GetRow(r)[0], 3 - r);
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
    EXPECT_EQ(back[0], 30);
    EXPECT_EQ(back[1], 20);
    EXPECT_EQ(back[2], 10);
    EXPECT_EQ(back[3], 60);
    EXPECT_EQ(back[5], 40);
    EXPECT_EQ(back[6], palette[6]);  // entry 2 untouched
    ZImage direct;
    ASSERT_TRUE(direct.Create(2, 2, 24, 0, nullptr));
    EXPECT_FALSE(direct.SetColorTable(entries, 2));
}

TEST(ZImageDestroy, ClearsEverything) {
    const auto palette = RampPalette();
    ZImage image;
    ASSERT_TRUE(image.Create(4, 4, 8, 0, palette.data()));
    image.hasTransparentIndex = true;
    image.transparentIndex = 3;
    EXPECT_TRUE(image.Destroy());
    EXPECT_FALSE(image.IsValid());
    EXPECT_EQ(image.GetStride(), 0u);
    EXPECT_EQ(image.dpiX, 0);
    EXPECT_FALSE(image.hasTransparentIndex);
    EXPECT_EQ(image.transparentIndex, 0);
    EXPECT_FALSE(image.Destroy());
}

TEST(ZImageCreate, RecreationAtSameSizeStartsFresh) {
    auto palette = RampPalette();
    ZImage image;
    ASSERT_TRUE(image.Create(6, 2, 8, 0, palette.data()));
    image.dpiX = 300;
    image.hasTransparentIndex = true;
    image.transparentIndex = 9;
    image.GetRow(0)[0] = 42;
    palette[0] = 77;  // entry 0 red
    ASSERT_TRUE(image.Create(6, 2, 8, 0x000000, palette.data()));
    EXPECT_EQ(image.dpiX, 96);
    EXPECT_FALSE(image.hasTransparentIndex);
    EXPECT_EQ(image.transparentIndex, 0);
    EXPECT_EQ(image.GetPaletteEntryBgr(0)[2], 77);
    // Fill 0 picks the palette entry nearest to black.
    const uint8_t nearestToBlack = image.GetPixelIndex(0, 0);
    EXPECT_NE(nearestToBlack, 42);
    EXPECT_EQ(image.GetPixelIndex(5, 1), nearestToBlack);
}

TEST(ZImageCreate, RowPaddingIsClearedByWholeImageFills) {
    const auto palette = RampPalette();
    for (const uint32_t bits : {8u, 16u, 24u}) {
        ZImage image;
        // Width 5: 5, 10 and 15 bytes of pixels in rows of 8, 12 and 16 bytes.
        ASSERT_TRUE(image.Create(5, 3, bits, 0x00FFFFFF, palette.data()));
        const uint32_t used = 5 * bits / 8;
        for (uint32_t r = 0; r < 3; ++r) {
            for (uint32_t b = used; b < image.GetStride(); ++b) {
                EXPECT_EQ(image.GetRow(r)[b], 0) << bits << " bits, row " << r << " byte " << b;
            }
        }
    }
}

}  // namespace
}  // namespace zentrova
