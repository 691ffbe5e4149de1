// Wide text helpers shared by every subsystem.
//
// The program keeps all text as wchar_t (UTF-16 on Windows, UTF-32 in the native build).
// Fixed text buffers hold at most kMaxPathChars characters including the terminating zero.
#pragma once

#include <cstddef>
#include <string>

namespace zentrova {

constexpr size_t kMaxPathChars = 260;

// Copies src into dst (capacity characters including the terminator), cutting the text
// when it does not fit. dst is always terminated when capacity > 0. Returns false when
// the text was cut or an argument was null.
bool CopyText(wchar_t* dst, size_t capacity, const wchar_t* src);

// UTF-8 <-> wide conversions. Invalid sequences become U+FFFD; never throws.
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);

// ASCII-only case-insensitive comparison of two wide texts.
bool EqualsNoCase(const std::wstring& a, const std::wstring& b);

}  // namespace zentrova
