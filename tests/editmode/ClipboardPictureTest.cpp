// The clipboard's forms of a picture: the CF_DIBV5 header and rows as kept, the DIB and PNG forms
// read back, a top-down 32-bit CF_DIB with bit fields; short or unknown forms refused.
#include "editmode/actions/ClipboardPicture.h"

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "tests/editmode/EditTestPictures.h"

namespace zentrova {
namespace {

using test::PatternColour;
using test::PixelsAre;

uint32_t At(const std::vector<uint8_t>& b, size_t offset, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | b[offset + static_cast<size_t>(i)];
    }
    return v;
}

void Put(std::vector<uint8_t>& b, size_t offset, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        b[offset + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
    }
}

const auto kPattern = [](int32_t x, int32_t y) { return PatternColour(x, y, 1); };

TEST(ClipboardPictureTest, DibV5HeaderAndRowsAsKeptAndBothFormsReadBack) {
    ZImage picture, read;
    ASSERT_TRUE(test::MakePattern(picture, 5, 3, 1));  // stride 16: padding kept
    picture.dpiX = 96;
    picture.dpiY = 300;
    std::vector<uint8_t> dib, png;
    ASSERT_TRUE(MakeDibV5(picture, dib));
    ASSERT_EQ(dib.size(), 124u + 48u);
    const std::pair<size_t, uint32_t> fields[] = {
        {0, 124}, {4, 5},     {8, 3},      {12, 1},          {14, 24}, {16, 0},
        {20, 48}, {24, 3780}, {28, 11811}, {56, 0x73524742}, {108, 4}, {120, 0},
    };
    for (const auto& [offset, value] : fields) {
        EXPECT_EQ(At(dib, offset, offset == 12 || offset == 14 ? 2 : 4), value) << offset;
    }
    EXPECT_EQ(std::memcmp(dib.data() + 124, picture.GetBits(), 48), 0);
    ASSERT_TRUE(ReadPackedDib(dib.data(), dib.size(), read));
    EXPECT_TRUE(PixelsAre(read, 5, 3, kPattern));
    ASSERT_TRUE(MakePngBytes(picture, png));
    ASSERT_TRUE(ReadPngBytes(png.data(), png.size(), read));
    EXPECT_TRUE(PixelsAre(read, 5, 3, kPattern));

    EXPECT_FALSE(ReadPackedDib(dib.data(), dib.size() - 1, read));
    EXPECT_FALSE(ReadPngBytes(dib.data(), dib.size(), read));
    ZImage grey;
    const uint8_t palette[ZImage::kPaletteBytes] = {};
    ASSERT_TRUE(grey.Create(2, 2, 8, 0, palette));
    EXPECT_FALSE(MakeDibV5(grey, dib));
}

TEST(ClipboardPictureTest, TopDownBitFieldDibIsReadAndRleRefused) {
    // A 40-byte header (5 x -3, one plane, 32 bits, BI_BITFIELDS), the red, green and blue
    // masks, then three rows of blue, green, red, unused from the top.
    std::vector<uint8_t> dib(40 + 12 + 5 * 4 * 3);
    const std::tuple<size_t, uint32_t, int> fields[] = {
        {0, 40, 4}, {4, 5, 4},           {8, 0xFFFFFFFD, 4},  {12, 1, 2},         {14, 32, 2},
        {16, 3, 4}, {40, 0x00FF0000, 4}, {44, 0x0000FF00, 4}, {48, 0x000000FF, 4}};
    for (const auto& [offset, value, bytes] : fields) {
        Put(dib, offset, value, bytes);
    }
    for (int32_t y = 0; y < 3; ++y) {
        for (int32_t x = 0; x < 5; ++x) {
            const ZColor c = kPattern(x, y);
            Put(dib, 52 + 20 * y + 4 * x, (c & 0xFF) << 16 | (c & 0xFF00) | c >> 16, 4);
        }
    }
    ZImage read;
    ASSERT_TRUE(ReadPackedDib(dib.data(), dib.size(), read));
    EXPECT_TRUE(PixelsAre(read, 5, 3, kPattern));
    EXPECT_FALSE(ReadPackedDib(dib.data(), dib.size() - 1, read));
    dib[16] = 1;  // RLE8
    EXPECT_FALSE(ReadPackedDib(dib.data(), dib.size(), read));
}

}  // namespace
}  // namespace zentrova
