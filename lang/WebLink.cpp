#include "lang/WebLink.h"

#include <cstdint>

namespace zentrova {

namespace {

bool IsUnreserved(uint32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

void AppendByte(std::wstring& out, uint32_t byte) {
    constexpr const wchar_t* kHex = L"0123456789ABCDEF";
    out += L'%';
    out += kHex[(byte >> 4) & 0xF];
    out += kHex[byte & 0xF];
}

void AppendUtf8(std::wstring& out, uint32_t c) {
    if (c < 0x80) {
        AppendByte(out, c);
    } else if (c < 0x800) {
        AppendByte(out, 0xC0 | (c >> 6));
        AppendByte(out, 0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        AppendByte(out, 0xE0 | (c >> 12));
        AppendByte(out, 0x80 | ((c >> 6) & 0x3F));
        AppendByte(out, 0x80 | (c & 0x3F));
    } else {
        AppendByte(out, 0xF0 | (c >> 18));
        AppendByte(out, 0x80 | ((c >> 12) & 0x3F));
        AppendByte(out, 0x80 | ((c >> 6) & 0x3F));
        AppendByte(out, 0x80 | (c & 0x3F));
    }
}

// The code point at value[i] (wchar_t of 16 or 32 bits); i moves past it.
uint32_t NextCodePoint(const std::wstring& value, size_t& i) {
    const uint32_t c = static_cast<uint32_t>(value[i++]);
    if (c >= 0xD800 && c <= 0xDBFF && i < value.size()) {
        const uint32_t low = static_cast<uint32_t>(value[i]);
        if (low >= 0xDC00 && low <= 0xDFFF) {
            ++i;
            return 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        }
    }
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        return 0xFFFD;
    }
    return c;
}

}  // namespace

std::wstring EncodeLinkValue(const std::wstring& value) {
    std::wstring out;
    size_t i = 0;
    for (size_t count = 0; i < value.size() && count < kMaxLinkValueChars; ++count) {
        const uint32_t c = NextCodePoint(value, i);
        if (IsUnreserved(c)) {
            out += static_cast<wchar_t>(c);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

const wchar_t* WebLinkTargetOf(uint32_t command) {
    static constexpr struct {
        uint32_t command;
        const wchar_t* target;
    } kTargets[] = {
        {40008, L"friend"},      {40009, L"advertising"}, {40010, L"newsletter"},
        {40011, L"homepage"},    {40012, L"products"},    {40013, L"support"},
        {40017, L"translation"}, {40081, L"myarea"},
    };
    for (const auto& entry : kTargets) {
        if (entry.command == command) {
            return entry.target;
        }
    }
    return nullptr;
}

std::wstring BuildWebLink(const WebLinkQuery& query) {
    std::wstring link = kWebLinkEndpoint;
    link += L"product=";
    link += kWebLinkProduct;
    link += L"&version=";
    link += kWebLinkVersion;
    link += L"&edition=" + EncodeLinkValue(query.edition);
    link += L"&syslang=" + EncodeLinkValue(query.syslang);
    link += L"&lang=" + EncodeLinkValue(query.lang);
    link += L"&target=" + EncodeLinkValue(query.target);
    return link;
}

}  // namespace zentrova
