// Resource pictures of this test program (ResPictures.rc) decoded through the platform's picture
// decoder: size, upright rows, exact colours, and the failure codes.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecRes.h"
#include "tests/codecs/CodecTestSupport.h"

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

TEST_F(ResPictureTest, ABitmapResourceReadsUprightWithItsExactColours) {
    ZImage image;
    uint32_t code = 0;
    ASSERT_TRUE(ReadResourcePicture(image, GetModuleHandleW(nullptr), L"DRAWING", L"BMP", &code))
        << code;
    ASSERT_EQ(image.GetBitsPerPixel(), 24);
    ASSERT_EQ(image.GetWidth() * 10 + image.GetHeight(), 42u);
    const Rgb black{}, red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, white{255, 255, 255};
    const Rgb expected[2][4] = {{black, red, green, green}, {blue, blue, white, white}};
    for (uint32_t y = 0; y < 2; ++y) {
        for (uint32_t x = 0; x < 4; ++x) {
            EXPECT_EQ(ColorAt(image, x, y), expected[y][x]) << x << "," << y;
        }
    }
}

TEST_F(ResPictureTest, FailuresGiveTheirCodesAndLogLines) {
    struct Case {
        const wchar_t* name;
        const wchar_t* type;
        uint32_t code;
        int line;
    };
    const Case cases[] = {
        {L"ABSENT", L"BMP", res::kErrorMissing, res::kLineNotFound},
        {L"DRAWING", L"JPG", res::kErrorMissing, res::kLineNotFound},  // another type
        {L"EMPTY", L"BMP", res::kErrorMissing, res::kLineEmpty},
        {L"JUNK", L"JPG", res::kErrorDecode, res::kLineDecode},
    };
    ZImage image;
    for (const Case& c : cases) {
        ASSERT_TRUE(ReadResourcePicture(image, nullptr, L"DRAWING", L"BMP"));
        uint32_t code = 0;
        EXPECT_FALSE(ReadResourcePicture(image, nullptr, c.name, c.type, &code));
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(LastLogLine(), "Codecs\\ZImageCodecRes - Line: " + std::to_string(c.line) +
                                     " - ZErr: " + std::to_string(c.code) + "\r\n");
        EXPECT_FALSE(image.IsValid());  // a failure after a success leaves the image empty
    }
}

}  // namespace
}  // namespace zentrova::test
