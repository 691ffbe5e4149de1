// The flag pictures of the language page: a language's identifier names a file only when it is
// a plain tag.
#include "lang/FlagPicture.h"

#include <gtest/gtest.h>

#include <string>

#include "core/FileSystem.h"
#include "core/WideText.h"

namespace zentrova {
namespace {

TEST(FlagPicture, OnlyPlainTagsNameAFile) {
    const std::wstring sep(1, kNativeSeparator);
    const std::wstring folder = L"C:" + sep + L"Tools";
    const std::wstring flags = folder + sep + L"Flags" + sep;
    const struct {
        const wchar_t* tag;
        const wchar_t* file;
    } cases[] = {
        {L"de-de", L"de-de.bmp"},
        {L"zh-CN", L"zh-CN.bmp"},
        {L"x1", L"x1.bmp"},
        {L"1234567890123456789012345678901", L"1234567890123456789012345678901.bmp"},
        {L"12345678901234567890123456789012", L"unknown.bmp"},  // 32 characters
        {L"", L"unknown.bmp"},
        {nullptr, L"unknown.bmp"},
        {L"..\\..\\Windows\\evil", L"unknown.bmp"},
        {L"../evil", L"unknown.bmp"},
        {L"c:evil", L"unknown.bmp"},
        {L"de de", L"unknown.bmp"},
        {L"de_de", L"unknown.bmp"},
        {L"d\u00e9-de", L"unknown.bmp"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FlagPicturePath(folder, c.tag), flags + c.file)
            << (c.tag != nullptr ? ToUtf8(c.tag) : "null");
    }
    EXPECT_EQ(UnknownFlagPicturePath(folder + sep), flags + L"unknown.bmp");
}

}  // namespace
}  // namespace zentrova
