// The flag pictures of the language page (a language's identifier names a file only when it is
// a plain tag) and BuildWebLink (the query's order; values cannot add or change a parameter).
#include "lang/FlagPicture.h"
#include "lang/WebLink.h"

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

TEST(WebLinkTest, QueryInOrderWithEveryValueEncoded) {
    EXPECT_EQ(BuildWebLink({L"", L"de", L"de-de", L"homepage"}),
              L"https://www.zentrova.com/linktarget/?product=4712&version=2.10&edition=&syslang=de"
              L"&lang=de-de&target=homepage");
    EXPECT_EQ(BuildWebLink({L"A&B", L"en-us", L"en-us", L"support"}),
              L"https://www.zentrova.com/linktarget/?product=4712&version=2.10&edition=A%26B"
              L"&syslang=en-us&lang=en-us&target=support");
}

TEST(WebLinkTest, ValuesAreUtf8PercentEncodedAndCut) {
    const struct {
        std::wstring value;
        std::wstring encoded;
    } cases[] = {
        {L"a-z_0.9~", L"a-z_0.9~"},
        {L"x=1&target=evil#f", L"x%3D1%26target%3Devil%23f"},
        {L"Pro Edition/ü", L"Pro%20Edition%2F%C3%BC"},
        {L"\u20AC", L"%E2%82%AC"},
        {std::wstring(70, L'a'), std::wstring(64, L'a')},
        {std::wstring(63, L'a') + L"%%", std::wstring(63, L'a') + L"%25"},
        {std::wstring(1, static_cast<wchar_t>(0xD800)), L"%EF%BF%BD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeLinkValue(c.value), c.encoded);
    }
}

}  // namespace
}  // namespace zentrova
