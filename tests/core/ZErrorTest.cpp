// The error log, the image loader's choice of codec, and the wide-text helpers.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "core/LoadImage.h"
#include "core/WideText.h"
#include "core/ZError.h"
#include "tests/support/TempFolder.h"

namespace zentrova {
namespace {

using test::ReadWholeFile;
using test::TempFolder;
using test::WriteWholeFile;

std::string Log() {
    return ReadWholeFile(kErrorLogFileName);
}

class ErrorLogTest : public ::testing::Test {
  protected:
    void SetUp() override { DeleteLog(); }
    void TearDown() override { DeleteLog(); }
    static void DeleteLog() { WriteWholeFile(kErrorLogFileName, std::string()); }
};

TEST_F(ErrorLogTest, ReportAppendsExactlyOneLine) {
    uint32_t code = 0;
    EXPECT_FALSE(ZError(&code, 7, L"Codecs\\ZImageCodecBmp", 71));
    EXPECT_EQ(code, 7u);
    EXPECT_EQ(Log(), "Codecs\\ZImageCodecBmp - Line: 71 - ZErr: 7\r\n");
    EXPECT_FALSE(ZError(nullptr, 16, L"Codecs\\ZImageCodecBmp", 172));
    EXPECT_EQ(Log(),
              "Codecs\\ZImageCodecBmp - Line: 71 - ZErr: 7\r\n"
              "Codecs\\ZImageCodecBmp - Line: 172 - ZErr: 16\r\n");
}

TEST_F(ErrorLogTest, TraceSurvivesOverlongText) {
    // A format far longer than a trace step is cut, never overrun.
    std::wstring huge(3 * kTraceMaxChars, L'x');
    huge += L" %d %ls";
    ZTrace(L"Codecs\\ZImageCodecBmp", 1, huge.c_str(), 5, L"tail");
    ZTrace(L"", 0, L"%ls", std::wstring(10000, L'y').c_str());
    ZTrace(nullptr, 0, nullptr);
    EXPECT_EQ(Log(), "");  // traces never touch the log file
}

// Missing files and unknown extensions are refused; the codec is chosen by the extension
// without regard to case, and the log names the reader that refused a file that is no picture.
TEST_F(ErrorLogTest, LoaderPicksTheCodecByExtensionAndRefusesTheRest) {
    TempFolder folder;
    for (const wchar_t* name : {L"picture.jpeg", L"shot.PNG", L"shot.bMp"}) {
        ASSERT_TRUE(WriteWholeFile(folder.File(name), "plain text, no picture"));
    }
    const struct {
        std::wstring path;
        uint32_t code;    // 0: any
        std::string log;  // the start of the log's line
    } cases[] = {
        {L"", 2, "_zedconfig - Line: 102 - ZErr: 2\r\n"},
        {folder.File(L"absent.bmp"), 2, "_zedconfig - Line: 102 - ZErr: 2\r\n"},
        {folder.File(L"picture.jpeg"), 8, "_zedconfig - Line: 102 - ZErr: 8\r\n"},
        {folder.File(L"shot.PNG"), 0, "Codecs\\ZImageCodecPng - Line: "},
        {folder.File(L"shot.bMp"), 7, "Codecs\\ZImageCodecBmp - Line: 71 - ZErr: 7\r\n"},
    };
    for (const auto& c : cases) {
        DeleteLog();
        ZImage image;
        uint32_t code = 0;
        EXPECT_FALSE(LoadImageFromFile(image, c.path.empty() ? nullptr : c.path.c_str(), &code));
        EXPECT_TRUE(c.code == 0 || code == c.code) << code;
        EXPECT_EQ(Log().substr(0, c.log.size()), c.log);
        EXPECT_FALSE(image.IsValid());
    }
}

TEST(WideText, CopyTextCutsAndTerminates) {
    wchar_t buffer[5];
    EXPECT_TRUE(CopyText(buffer, 5, L"abcd"));
    EXPECT_EQ(std::wstring(buffer), L"abcd");
    EXPECT_FALSE(CopyText(buffer, 5, L"abcdef"));
    EXPECT_EQ(std::wstring(buffer), L"abcd");
    EXPECT_FALSE(CopyText(buffer, 5, nullptr));
    EXPECT_EQ(buffer[0], L'\0');
    EXPECT_FALSE(CopyText(nullptr, 5, L"x"));
}

TEST(WideText, Utf8RoundTripAndDamagedInput) {
    const std::wstring text = L"Gr\u00fc\u00dfe \u65e5\u672c \U0001F4F7";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(L"\u00e9"), "\xC3\xA9");
    EXPECT_EQ(FromUtf8("a\xFF"
                       "b"),
              L"a\uFFFDb");
    EXPECT_EQ(FromUtf8("\xE6\x97"), L"\uFFFD");  // cut sequence
    EXPECT_EQ(FromUtf8("\xC0\xAF"), L"\uFFFD");  // overlong
    EXPECT_EQ(FromUtf8("\xED\xA0\x80"
                       "z"),
              L"\uFFFDz");  // encoded surrogate
}

}  // namespace
}  // namespace zentrova
