// Reading one value of an INI file with the system's profile-function semantics.
//
// Windows: GetPrivateProfileStringW and GetPrivateProfileIntW (Profile_win.cpp). The native build
// answers from ProfileFile, the portable reader that follows the same rules (Profile_posix.cpp).
// Every call reads the file anew, so a skin edited while the program runs is seen at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zentrova {

// The value of key in section of the file at path, or defaultValue, at most capacity - 1
// characters.
std::wstring ReadProfileString(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                               const wchar_t* defaultValue, size_t capacity);

// The value of key in section as a number, or defaultValue when it is missing or empty.
uint32_t ReadProfileInt(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                        int32_t defaultValue);

}  // namespace zentrova
