// BuildWebLink: the query's order, and values that cannot add or change a parameter.
#include "lang/WebLink.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

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
