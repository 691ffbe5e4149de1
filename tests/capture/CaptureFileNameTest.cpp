// Capture file names and paths.
#include "capture/CaptureFileName.h"

#include <string>

#include <gtest/gtest.h>

#include "core/FileSystem.h"
#include "tests/support/TempFolder.h"

namespace zentrova {
namespace {

using test::ReadWholeFile;
using test::TempFolder;
using test::WriteWholeFile;

TEST(CaptureFileNameTest, NamesCarryDateTimeNumberAndCopyNumber) {
    const struct {
        CaptureTime time;
        uint32_t number, copy;
        const wchar_t* name;
    } cases[] = {
        {{2007, 12, 31, 23, 59}, 1, 0, L"Clarivue - 2007.12.31 23.59 - 001.bmp"},
        {{2007, 5, 3, 14, 5}, 7, 1, L"Clarivue - 2007.05.03 14.05 - 007.bmp"},
        {{2010, 10, 9, 9, 10}, 1000, 1, L"Clarivue - 2010.10.09 09.10 - 1000.bmp"},
        {{2007, 5, 3, 14, 5}, 7, 2, L"Clarivue - 2007.05.03 14.05 - 007 (2).bmp"},
        {{2007, 5, 3, 14, 5}, 7, 13, L"Clarivue - 2007.05.03 14.05 - 007 (13).bmp"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatCaptureFileName(c.time, c.number, c.copy), c.name);
    }
}

TEST(CaptureFileNameTest, SeparatorOnlyWhenTheFolderHasNone) {
    std::wstring out;
    ASSERT_TRUE(JoinCapturePath(L"C:\\Shots\\", L"a.bmp", out));
    EXPECT_EQ(out, L"C:\\Shots\\a.bmp");
    ASSERT_TRUE(JoinCapturePath(L"C:\\Shots", L"a.bmp", out));
    EXPECT_EQ(out, std::wstring(L"C:\\Shots") + kNativeSeparator + L"a.bmp");
}

TEST(CaptureFileNameTest, PathsLongerThan259CharactersAreRefused) {
    const std::wstring name = L"n.bmp";  // 5 characters
    std::wstring out;
    // 253 + separator + 5 = 259 characters: the longest path that fits.
    ASSERT_TRUE(JoinCapturePath(std::wstring(253, L'x'), name, out));
    EXPECT_EQ(out.size(), 259u);
    EXPECT_FALSE(JoinCapturePath(std::wstring(254, L'x'), name, out));
    EXPECT_TRUE(out.empty());
    // A folder ending in a separator needs none added.
    EXPECT_TRUE(JoinCapturePath(std::wstring(253, L'x') + L"/", name, out));
    EXPECT_EQ(out.size(), 259u);

    // The same limit applies to the complete capture path.
    const CaptureTime t = CaptureTime{2007, 5, 3, 14, 5};
    const size_t nameLength = FormatCaptureFileName(t, 1).size();
    EXPECT_TRUE(MakeCapturePath(std::wstring(258 - nameLength, L'y'), t, 1, out));
    EXPECT_EQ(out.size(), 259u);
    EXPECT_FALSE(MakeCapturePath(std::wstring(259 - nameLength, L'y'), t, 1, out));
    EXPECT_TRUE(out.empty());
}

TEST(CaptureFileNameTest, ExistingFilesAreNeverChosen) {
    TempFolder folder;
    const CaptureTime t = CaptureTime{2007, 5, 3, 14, 5};
    std::wstring out;
    ASSERT_TRUE(MakeCapturePath(folder.Path(), t, 7, out));
    EXPECT_EQ(out, folder.File(L"Clarivue - 2007.05.03 14.05 - 007.bmp"));

    ASSERT_TRUE(WriteWholeFile(out, "first"));
    ASSERT_TRUE(MakeCapturePath(folder.Path(), t, 7, out));
    EXPECT_EQ(out, folder.File(L"Clarivue - 2007.05.03 14.05 - 007 (2).bmp"));

    ASSERT_TRUE(WriteWholeFile(out, "second"));
    ASSERT_TRUE(MakeCapturePath(folder.Path(), t, 7, out));
    EXPECT_EQ(out, folder.File(L"Clarivue - 2007.05.03 14.05 - 007 (3).bmp"));

    // Choosing a name touches nothing.
    EXPECT_EQ(ReadWholeFile(folder.File(L"Clarivue - 2007.05.03 14.05 - 007.bmp")), "first");
    EXPECT_FALSE(PathExists(folder.File(L"Clarivue - 2007.05.03 14.05 - 007 (3).bmp").c_str()));
}

}  // namespace
}  // namespace zentrova
