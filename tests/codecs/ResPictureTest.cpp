// Resource pictures of this test program (ResPictures.rc, made by ResPictures.py) decoded through
// the platform's picture decoder: sizes, upright rows, colours, and the failure codes.
#include <algorithm>
#include <cstdlib>
#include <string>

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecRes.h"
#include "tests/codecs/BmpTestSupport.h"

namespace zentrova::test {
namespace {

class ResPictureTest : public ::testing::Test {
  protected:
    void SetUp() override { m_com = SUCCEEDED(CoInitialize(nullptr)); }
    void TearDown() override {
        if (m_com) {
            CoUninitialize();
        }
    }
    bool m_com = false;
};

// Red, green and blue at column x of picture row y (from the top) within `slack` of the given.
void ExpectColour(const ZImage& image, uint32_t x, uint32_t y, int r, int g, int b, int slack) {
    const uint8_t* p = image.GetRow(image.GetHeight() - 1 - y) + 3 * x;
    EXPECT_LE(std::max({std::abs(p[2] - r), std::abs(p[1] - g), std::abs(p[0] - b)}), slack)
        << x << "," << y << ": " << int(p[2]) << " " << int(p[1]) << " " << int(p[0]);
}

TEST_F(ResPictureTest, ABitmapResourceReadsUprightWithItsExactColours) {
    ZImage image;
    uint32_t code = 0;
    ASSERT_TRUE(ReadResourcePicture(image, nullptr, L"DRAWING", L"BMP", &code)) << code;
    ASSERT_EQ(image.GetBitsPerPixel(), 24);
    ASSERT_EQ(image.GetWidth(), 12u);
    ASSERT_EQ(image.GetHeight(), 8u);
    ExpectColour(image, 0, 0, 0, 0, 0, 0);  // the black corner is at the top left
    ExpectColour(image, 1, 0, 255, 0, 0, 0);
    ExpectColour(image, 11, 0, 0, 255, 0, 0);
    ExpectColour(image, 0, 7, 0, 0, 255, 0);
    ExpectColour(image, 11, 7, 255, 255, 255, 0);
    ExpectColour(image, 5, 3, 255, 0, 0, 0);
    ExpectColour(image, 6, 4, 255, 255, 255, 0);
}

TEST_F(ResPictureTest, AJpegResourceReadsUprightWithItsColours) {
    ZImage image;
    uint32_t code = 0;
    ASSERT_TRUE(ReadResourcePicture(image, GetModuleHandleW(nullptr), L"PHOTO", L"JPG", &code))
        << code;
    ASSERT_EQ(image.GetBitsPerPixel(), 24);
    ASSERT_EQ(image.GetWidth(), 16u);
    ASSERT_EQ(image.GetHeight(), 16u);
    // Flat blocks: exact up to the decoder's colour conversion.
    for (uint32_t y : {0u, 7u}) {
        for (uint32_t x : {0u, 7u}) {
            ExpectColour(image, x, y, 255, 0, 0, 4);
            ExpectColour(image, x + 8, y, 0, 255, 0, 4);
            ExpectColour(image, x, y + 8, 0, 0, 255, 4);
            ExpectColour(image, x + 8, y + 8, 255, 255, 255, 4);
        }
    }
}

TEST_F(ResPictureTest, FailuresGiveTheirCodesAndLogLines) {
    ZImage image;
    uint32_t code = 0;
    EXPECT_FALSE(ReadResourcePicture(image, nullptr, L"ABSENT", L"JPG", &code));
    EXPECT_EQ(code, 17u);
    EXPECT_EQ(LastLogLine(), "Codecs\\ZImageCodecRes - Line: 21 - ZErr: 17\r\n");
    code = 0;
    EXPECT_FALSE(ReadResourcePicture(image, nullptr, L"PHOTO", L"BMP", &code));  // wrong type
    EXPECT_EQ(code, 17u);
    code = 0;
    EXPECT_FALSE(ReadResourcePicture(image, nullptr, L"EMPTY", L"BMP", &code));
    EXPECT_EQ(code, 17u);
    EXPECT_EQ(LastLogLine(), "Codecs\\ZImageCodecRes - Line: 26 - ZErr: 17\r\n");
    code = 0;
    EXPECT_FALSE(ReadResourcePicture(image, nullptr, L"JUNK", L"JPG", &code));
    EXPECT_EQ(code, 9u);
    EXPECT_EQ(LastLogLine(), "Codecs\\ZImageCodecRes - Line: 53 - ZErr: 9\r\n");
    EXPECT_FALSE(image.IsValid());

    // A failure after a success leaves the image empty.
    ASSERT_TRUE(ReadResourcePicture(image, nullptr, L"DRAWING", L"BMP"));
    EXPECT_FALSE(ReadResourcePicture(image, nullptr, L"ABSENT", L"BMP"));
    EXPECT_FALSE(image.IsValid());
}

}  // namespace
}  // namespace zentrova::test
