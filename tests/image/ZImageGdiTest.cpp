// The Windows attachment of ZImage: GDI draws into the same pixels the library reads, and the
// drawing operations copy exactly.
#include <windows.h>

#include <array>
#include <cstring>

#include <gtest/gtest.h>

#include "image/ZImage.h"

namespace zentrova {
namespace {

// Pixel (x, y from the top) of a 24-bit image as 0x00BBGGRR.
uint32_t ColourAt(const ZImage& image, uint32_t x, uint32_t y) {
    const uint8_t* p = image.GetRow(image.GetHeight() - 1 - y) + 3 * x;
    return p[2] | (p[1] << 8) | (uint32_t{p[0]} << 16);
}

TEST(ZImageGdi, GdiDrawingLandsInPixelMemory) {
    ZImage image;
    ASSERT_TRUE(image.Create(8, 6, 24, 0x000000, nullptr));
    ASSERT_NE(image.GetDC(), nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(10, 200, 30));
    RECT rect = {2, 1, 5, 3};  // columns 2-4, picture rows 1-2
    FillRect(image.GetDC(), &rect, brush);
    DeleteObject(brush);
    ASSERT_TRUE(image.FillRect(0, 5, 1, 1, 0x00FF0000));  // pixel memory after GDI: flushed
    for (uint32_t y = 0; y < 6; ++y) {
        for (uint32_t x = 0; x < 8; ++x) {
            uint32_t expected = 0;
            if (x >= 2 && x < 5 && y >= 1 && y < 3) {
                expected = RGB(10, 200, 30);
            } else if (x == 0 && y == 5) {
                expected = 0x00FF0000;
            }
            EXPECT_EQ(ColourAt(image, x, y), expected) << x << "," << y;
        }
    }
}

TEST(ZImageGdi, SwappedImagesKeepDrawingIntoTheirOwnPixels) {
    ZImage a;
    ZImage b;
    ASSERT_TRUE(a.Create(4, 4, 24, 0x000000, nullptr));
    ASSERT_TRUE(b.Create(6, 2, 24, 0x000000, nullptr));
    HDC aDc = a.GetDC();
    a.Swap(b);
    EXPECT_EQ(b.GetDC(), aDc);  // the device context travels with its bitmap
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    RECT rect = {0, 0, 6, 2};
    FillRect(a.GetDC(), &rect, brush);  // a is now 6 x 2
    DeleteObject(brush);
    a.FlushDrawing();
    EXPECT_EQ(ColourAt(a, 5, 1), static_cast<uint32_t>(RGB(1, 2, 3)));
    EXPECT_EQ(ColourAt(b, 3, 3), 0u);
    b.Destroy();
    a.Destroy();  // each releases its own handles once
}

TEST(ZImageGdi, DrawAndDrawPartCopyExactly) {
    ZImage source;
    ASSERT_TRUE(source.Create(6, 4, 24, 0x00112233, nullptr));
    ASSERT_TRUE(source.FillRect(3, 2, 3, 2, 0x00445566));
    ZImage target;
    ASSERT_TRUE(target.Create(10, 10, 24, 0x00FFFFFF, nullptr));
    ASSERT_TRUE(source.Draw(target.GetDC(), 1, 2, SRCCOPY));
    EXPECT_EQ(ColourAt(target, 0, 0), 0x00FFFFFFu);
    EXPECT_EQ(ColourAt(target, 1, 2), 0x00112233u);
    EXPECT_EQ(ColourAt(target, 4, 4), 0x00445566u);
    EXPECT_EQ(ColourAt(target, 6, 5), 0x00445566u);
    EXPECT_EQ(ColourAt(target, 7, 5), 0x00FFFFFFu);
    EXPECT_EQ(ColourAt(target, 1, 6), 0x00FFFFFFu);

    // Cropping: a new image of the part's size, drawn into from the source.
    ZImage crop;
    ASSERT_TRUE(crop.Create(2, 2, 24, 0, nullptr));
    ASSERT_TRUE(source.DrawPart(crop.GetDC(), 0, 0, 2, 2, 2, 1, 2, 2, SRCCOPY));
    EXPECT_EQ(ColourAt(crop, 0, 0), 0x00112233u);
    EXPECT_EQ(ColourAt(crop, 1, 1), 0x00445566u);
    EXPECT_EQ(ColourAt(crop, 0, 1), 0x00112233u);

    ZImage stretched;
    ASSERT_TRUE(stretched.Create(12, 8, 24, 0, nullptr));
    ASSERT_TRUE(source.DrawStretched(stretched.GetDC(), 0, 0, 12, 8, SRCCOPY));
    EXPECT_EQ(ColourAt(stretched, 0, 0), 0x00112233u);
    EXPECT_EQ(ColourAt(stretched, 11, 7), 0x00445566u);
    EXPECT_EQ(ColourAt(stretched, 5, 3), 0x00112233u);
    EXPECT_EQ(ColourAt(stretched, 6, 4), 0x00445566u);
}

TEST(ZImageGdi, PaletteImageDrawsThroughItsColourTable) {
    std::array<uint8_t, ZImage::kPaletteBytes> palette{};
    palette[3] = 0xC0, palette[4] = 0x40, palette[5] = 0x20;  // entry 1
    ZImage indexed;
    ASSERT_TRUE(indexed.Create(4, 2, 8, 0, palette.data()));
    indexed.GetRow(1)[2] = 1;  // top row, third pixel
    ZImage target;
    ASSERT_TRUE(target.Create(4, 2, 24, 0x00FFFFFF, nullptr));
    ASSERT_TRUE(indexed.Draw(target.GetDC(), 0, 0, SRCCOPY));
    EXPECT_EQ(ColourAt(target, 2, 0), RGB(0xC0, 0x40, 0x20));
    EXPECT_EQ(ColourAt(target, 1, 0), 0u);

    // A new colour table reaches the DIB section too.
    const uint8_t entries[8] = {0, 0, 0, 0, 0x01, 0x02, 0x03, 0};  // entry 1: blue 1 green 2 red 3
    ASSERT_TRUE(indexed.SetColorTable(entries, 2));
    ASSERT_TRUE(indexed.Draw(target.GetDC(), 0, 0, SRCCOPY));
    EXPECT_EQ(ColourAt(target, 2, 0), RGB(3, 2, 1));
}

TEST(ZImageGdi, CreateFromBitmapReadsADibSection) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    const uint8_t pixels[24] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0, 0, 0,
                                10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0};
    std::memcpy(bits, pixels, sizeof pixels);
    ZImage image;
    ASSERT_TRUE(image.CreateFromBitmap(bitmap));
    DeleteObject(bitmap);
    EXPECT_EQ(image.GetWidth(), 3u);
    EXPECT_EQ(image.GetHeight(), 2u);
    EXPECT_EQ(image.GetBitsPerPixel(), 24);
    EXPECT_EQ(image.dpiX, 96);
    EXPECT_EQ(0, std::memcmp(image.GetRow(0), pixels, 9));
    EXPECT_EQ(0, std::memcmp(image.GetRow(1), pixels + 12, 9));
}

TEST(ZImageGdi, DestroyReleasesTheDeviceContext) {
    ZImage image;
    ASSERT_TRUE(image.Create(2, 2, 32, 0, nullptr));
    HDC dc = image.GetDC();
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    image.Destroy();
    EXPECT_EQ(image.GetDC(), nullptr);
    EXPECT_FALSE(image.Draw(dc, 0, 0, SRCCOPY));
}

}  // namespace
}  // namespace zentrova
