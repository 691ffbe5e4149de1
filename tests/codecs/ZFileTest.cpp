// ZFile: open modes, little-endian values, positions, and the closed state.
#include "codecs/ZFile.h"

#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

namespace zentrova::test {
namespace {

TEST(ZFileTest, ClosedFileDoesNothing) {
    ZFile file;
    uint8_t byte = 7;
    uint32_t word = 7;
    char buffer[4];
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.Read(buffer, 4), 0u);
    EXPECT_FALSE(file.ReadByte(byte));
    EXPECT_EQ(byte, 0);
    EXPECT_FALSE(file.ReadU32(word));
    EXPECT_EQ(word, 0u);
    EXPECT_FALSE(file.Write("x", 1));
    EXPECT_FALSE(file.WriteU32(1));
    EXPECT_EQ(file.Seek(0, ZFile::Origin::Start), -1);
    EXPECT_EQ(file.GetSize(), -1);
    file.Close();
    file.Close();
    EXPECT_TRUE(file.GetPath().empty());
}

TEST(ZFileTest, WritesReplacingAndReadsLittleEndianValues) {
    TempFolder folder;
    const std::wstring path = folder.File(L"values.bin");
    ASSERT_TRUE(WriteWholeFile(path, std::string(100, 'x')));  // truncated by the writer
    {
        ZFile file;
        ASSERT_TRUE(file.Open(path.c_str(), ZFile::Mode::CreateForWrite));
        EXPECT_TRUE(file.WriteByte(0xAB));
        EXPECT_TRUE(file.WriteU16(0x1234));
        EXPECT_TRUE(file.WriteU32(0xDEADBEEF));
        EXPECT_TRUE(file.Write("tail", 4));
    }  // the destructor closes
    EXPECT_EQ(ReadWholeFile(path), std::string("\xAB\x34\x12\xEF\xBE\xAD\xDE"
                                               "tail",
                                               11));

    ZFile file;
    ASSERT_TRUE(file.Open(path.c_str(), ZFile::Mode::Read));
    EXPECT_EQ(file.GetSize(), 11);
    uint8_t byte = 0;
    uint16_t half = 0;
    uint32_t word = 0;
    EXPECT_TRUE(file.ReadByte(byte) && file.ReadU16(half) && file.ReadU32(word));
    EXPECT_EQ(std::make_tuple(byte, half, word), std::make_tuple(0xAB, 0x1234, 0xDEADBEEFu));
    EXPECT_EQ(file.Seek(-3, ZFile::Origin::Current), 4);
    EXPECT_TRUE(file.ReadU32(word));
    EXPECT_EQ(word, 0x74DEADBEu);  // "t" after the word's last three bytes
    EXPECT_EQ(file.Seek(9, ZFile::Origin::Start), 9);
    char rest[8] = {};
    EXPECT_EQ(file.Read(rest, sizeof rest), 2u);  // short read at the end
    EXPECT_FALSE(file.ReadU16(half));
    EXPECT_EQ(half, 0);
}

TEST(ZFileTest, OpenResolvesFullPathAndRefusesMissingFiles) {
    TempFolder folder;
    ZFile file;
    EXPECT_FALSE(file.Open(folder.File(L"absent.bin").c_str(), ZFile::Mode::Read));
    EXPECT_FALSE(file.Open(nullptr, ZFile::Mode::Read));
    EXPECT_FALSE(file.Open(L"", ZFile::Mode::Read));
    EXPECT_FALSE(file.Open(folder.Path().c_str(), ZFile::Mode::Read));  // a folder
    const std::wstring path = folder.File(L"a.bin");
    ASSERT_TRUE(file.Open(path.c_str(), ZFile::Mode::CreateForWrite));
    EXPECT_EQ(file.GetPath(), path);
    const std::wstring tooLong = folder.File(std::wstring(300, L'n'));
    EXPECT_FALSE(file.Open(tooLong.c_str(), ZFile::Mode::CreateForWrite));
    EXPECT_FALSE(file.IsOpen());  // a new open closes the old file first
}

}  // namespace
}  // namespace zentrova::test
