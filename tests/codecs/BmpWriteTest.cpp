// Writing BMP files: header fields, colour table, pixel bytes, round trips, failures.
#include <filesystem>
#include <string>
#include <system_error>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecBmp.h"
#include "core/FileSystem.h"
#include "tests/codecs/CodecTestSupport.h"

namespace zentrova::test {
namespace {

class BmpWriteTest : public CodecTest {
  protected:
    std::wstring Path() const { return m_folder.File(L"out.bmp"); }
};

TEST_F(BmpWriteTest, EveryDepthIsWrittenAsItsBytesAndRoundTrips) {
    std::vector<uint8_t> rgb(768);  // distinct colours
    for (int i = 0; i < 256; ++i) {
        rgb[3 * i] = static_cast<uint8_t>(i), rgb[3 * i + 1] = static_cast<uint8_t>(255 - i);
        rgb[3 * i + 2] = static_cast<uint8_t>(i * 3);
    }
    for (uint32_t bits : {1u, 4u, 8u, 16u, 24u, 32u}) {
        for (uint32_t width : {1u, 7u, 13u}) {
            SCOPED_TRACE(std::to_string(bits) + " bits, width " + std::to_string(width));
            ZImage image;
            ASSERT_TRUE(image.Create(width, 3, bits, 0, rgb.data()));
            for (size_t i = 0; i < image.GetPixelMemorySize(); ++i) {  // padding and alpha too
                image.GetBits()[i] = static_cast<uint8_t>(i * 7 + 3);
            }
            image.dpiX = 150;
            image.dpiY = 72;
            ASSERT_TRUE(WriteBmp(Path().c_str(), image));
            const std::string out = ReadWholeFile(Path());
            const uint32_t entries = bits <= 8 ? 1u << bits : 0, offset = 54 + 4 * entries;
            ASSERT_EQ(out.size(), offset + 3 * ((width * bits + 31) / 32 * 4));  // 4-byte rows
            EXPECT_EQ(FieldAt(out, 2), out.size());
            EXPECT_EQ(FieldAt(out, 10), offset);
            EXPECT_EQ(FieldAt(out, 28, 2), bits);
            EXPECT_EQ(FieldAt(out, 30), 0u);
            for (uint32_t i = 0; i < entries; ++i) {  // blue, green, red, 0
                EXPECT_EQ(out.substr(54 + 4 * i, 4),
                          Bytes({rgb[3 * i + 2], rgb[3 * i + 1], rgb[3 * i], 0}))
                    << i;
            }
            const std::string pixels(image.GetBits(), image.GetBits() + image.GetPixelMemorySize());
            EXPECT_EQ(out.substr(offset), pixels);
            ZImage back;
            ASSERT_TRUE(ReadBmp(back, Path().c_str()));
            EXPECT_EQ(std::make_tuple(back.GetWidth(), back.GetHeight(), back.GetBitsPerPixel(),
                                      back.dpiX, back.dpiY),
                      std::make_tuple(width, 3u, static_cast<uint8_t>(bits), 150, 72));
            EXPECT_EQ(std::string(back.GetBits(), back.GetBits() + back.GetPixelMemorySize()),
                      pixels);
            for (int i = 0; i < (bits <= 8 ? 1 << bits : 0); ++i) {
                EXPECT_EQ(PaletteAt(back, i), PaletteAt(image, i)) << i;
            }
        }
    }
}

TEST_F(BmpWriteTest, DotsPerInchBecomePixelsPerMetre) {
    struct Case {
        int32_t dpiX, dpiY;
        uint32_t ppmX, ppmY;
    };
    const Case cases[] = {
        {96, 96, 3779, 3779}, {72, 300, 2834, 11811}, {0, 96, 0, 0}, {96, 0, 0, 0}};
    for (const Case& c : cases) {
        ZImage image;
        ASSERT_TRUE(image.Create(1, 1, 24, 0, nullptr));
        image.dpiX = c.dpiX;
        image.dpiY = c.dpiY;
        ASSERT_TRUE(WriteBmp(Path().c_str(), image));
        const std::string out = ReadWholeFile(Path());
        EXPECT_EQ(std::make_pair(FieldAt(out, 38), FieldAt(out, 42)),
                  std::make_pair(c.ppmX, c.ppmY))
            << c.dpiX << " " << c.dpiY;
    }
}

TEST_F(BmpWriteTest, UnwritablePathGivesFalseAndTheMessage) {
    ZImage image;
    ASSERT_TRUE(image.Create(2, 2, 24, 0, nullptr));
    const std::wstring path = m_folder.File(L"no-such-folder") + kNativeSeparator + L"out.bmp";
    wchar_t text[260] = L"untouched";
    EXPECT_FALSE(WriteBmp(path.c_str(), image, text, 260));
    EXPECT_STREQ(text, L"Couldn't open BMP File for writing!");
    EXPECT_FALSE(PathExists(path.c_str()));
    wchar_t small[9];  // a small buffer gets the beginning of the message
    EXPECT_FALSE(WriteBmp(path.c_str(), image, small, 9));
    EXPECT_STREQ(small, L"Couldn't");
    EXPECT_FALSE(WriteBmp(path.c_str(), image));                        // no buffer at all
    EXPECT_FALSE(WriteBmp(m_folder.Path().c_str(), image, text, 260));  // a folder
    EXPECT_STREQ(text, L"Couldn't open BMP File for writing!");
}

TEST_F(BmpWriteTest, AnEmptyImageIsNotWrittenAnImageReplacesALongerFile) {
    ZImage image;
    EXPECT_FALSE(WriteBmp(Path().c_str(), image));
    EXPECT_FALSE(PathExists(Path().c_str()));
    ASSERT_TRUE(WriteWholeFile(Path(), std::string(5000, 'x')));
    ASSERT_TRUE(image.Create(2, 2, 24, 0xFFFFFF, nullptr));
    ASSERT_TRUE(WriteBmp(Path().c_str(), image));
    const std::string out = ReadWholeFile(Path());
    ASSERT_EQ(out.size(), 54u + 16u);
    EXPECT_EQ(static_cast<uint8_t>(out[54]), 0xFF);
}

// An output that takes the writer's bytes until a chosen step fails: step 1 the headers, step 2
// the pixel rows, step 3 the finish; 0 never fails.
class FailingOutput final : public BmpOutput {
  public:
    explicit FailingOutput(int failingStep) : m_failingStep(failingStep) {}
    bool Write(const void* bytes, size_t count) override {
        ++steps;
        bytesTaken.append(static_cast<const char*>(bytes), count);
        return steps != m_failingStep;
    }
    bool Finish() override {
        ++steps;
        finished = true;
        return steps != m_failingStep;
    }
    int steps = 0;
    bool finished = false;
    std::string bytesTaken;

  private:
    int m_failingStep;
};

TEST_F(BmpWriteTest, EveryFailingWriteAndTheFinishAreReported) {
    ZImage image;
    ASSERT_TRUE(image.Create(3, 2, 24, 0x204060, nullptr));
    ASSERT_TRUE(WriteBmp(Path().c_str(), image));
    const std::string whole = ReadWholeFile(Path());
    struct Case {
        const char* what;
        int failingStep;
        int stepsTaken;  // writing stops at the failure; the output is finished in any case
    };
    const Case cases[] = {{"headers", 1, 2}, {"pixel rows", 2, 3}, {"finish", 3, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FailingOutput output(c.failingStep);
        wchar_t text[260] = L"untouched";
        EXPECT_FALSE(WriteBmp(output, image, text, 260));
        EXPECT_STREQ(text, L"Couldn't write BMP File!");
        EXPECT_EQ(output.steps, c.stepsTaken);
        EXPECT_TRUE(output.finished);
    }
    // Without a failure the output gets exactly the file's bytes.
    FailingOutput output(0);
    EXPECT_TRUE(WriteBmp(output, image));
    EXPECT_EQ(output.bytesTaken, whole);
}

#ifndef _WIN32
// A capture folder on a full disk: the file opens, its writes fail. The partial file goes, the
// device the link pointed to stays.
TEST_F(BmpWriteTest, FullDeviceGivesTheWriteErrorAndLeavesNoFile) {
    std::error_code error;
    std::filesystem::create_symlink("/dev/full", std::filesystem::path(Path()), error);
    if (error || !PathExists(L"/dev/full")) {
        GTEST_SKIP() << "no /dev/full to link to";
    }
    ZImage image;
    ASSERT_TRUE(image.Create(64, 64, 24, 0x123456, nullptr));
    wchar_t text[260] = L"";
    EXPECT_FALSE(WriteBmp(Path().c_str(), image, text, 260));
    EXPECT_STREQ(text, L"Couldn't write BMP File!");
    EXPECT_FALSE(std::filesystem::is_symlink(std::filesystem::path(Path()), error));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full", error));
}
#endif

}  // namespace
}  // namespace zentrova::test
