// The links of the Internet menu: the maker's link-redirect address and a query that tells it
// which product, version, edition and languages ask and which page is wanted.
//
// Every value is cut to kMaxLinkValueChars characters and then percent-encoded as UTF-8 (only
// letters, digits and "-._~" stay as they are), so that no value can add a parameter or change
// another one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zentrova {

constexpr const wchar_t* kWebLinkEndpoint = L"https://www.zentrova.com/linktarget/?";
constexpr const wchar_t* kWebLinkProduct = L"4712";
constexpr const wchar_t* kWebLinkVersion = L"2.10";
constexpr size_t kMaxLinkValueChars = 64;

struct WebLinkQuery {
    std::wstring edition;  // the "Edition" registry value, empty without one
    std::wstring syslang;  // the user's locale as a language tag
    std::wstring lang;     // the current language file's tag
    std::wstring target;   // the page wanted ("homepage", "support", ...)
};

// value percent-encoded as UTF-8 after being cut to kMaxLinkValueChars characters (a surrogate
// pair counts as one and is never cut in half; a lone surrogate becomes U+FFFD).
std::wstring EncodeLinkValue(const std::wstring& value);

// The page a command of the Internet menu opens ("homepage" for 40011, ...); null for any other
// command.
const wchar_t* WebLinkTargetOf(uint32_t command);

// The whole link: endpoint, product, version, edition, syslang, lang and target, in that order.
std::wstring BuildWebLink(const WebLinkQuery& query);

}  // namespace zentrova
