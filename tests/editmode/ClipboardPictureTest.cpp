// The clipboard's forms of a picture: the CF_DIBV5 bytes and the PNG file keep every pixel.
#include "editmode/actions/ClipboardPicture.h"

#include <png.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "tests/editmode/EditTestPictures.h"

namespace zentrova {
namespace {

uint32_t At(const std::vector<uint8_t>& b, size_t offset, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | b[offset + static_cast<size_t>(i)];
    }
    return v;
}

TEST(ClipboardPictureTest, DibV5HeaderAndRowsAsKept) {
    ZImage picture;
    ASSERT_TRUE(test::MakePattern(picture, 5, 3, 1));  // stride 16: padding kept
    picture.dpiX = 96;
    picture.dpiY = 300;
    std::vector<uint8_t> dib;
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

    ZImage grey;
    const uint8_t palette[ZImage::kPaletteBytes] = {};
    ASSERT_TRUE(grey.Create(2, 2, 8, 0, palette));
    EXPECT_FALSE(MakeDibV5(grey, dib));
}

TEST(ClipboardPictureTest, PngHoldsEveryPixel) {
    ZImage picture;
    ASSERT_TRUE(test::MakePattern(picture, 7, 5, 2));
    std::vector<uint8_t> png;
    ASSERT_TRUE(MakePngBytes(picture, png));
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&image, png.data(), png.size()));
    image.format = PNG_FORMAT_BGR;
    ASSERT_EQ(image.width, 7u);
    ASSERT_EQ(image.height, 5u);
    std::vector<uint8_t> rows(picture.GetPixelMemorySize());
    const auto stride = -static_cast<png_int_32>(picture.GetStride());
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rows.data(), stride, nullptr));
    for (uint32_t r = 0; r < 5; ++r) {
        EXPECT_EQ(std::memcmp(rows.data() + r * picture.GetStride(), picture.GetRow(r), 21), 0);
    }
}

}  // namespace
}  // namespace zentrova
