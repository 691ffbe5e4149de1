// Joining a folder and a name into one path.
#pragma once

#include <cstddef>
#include <string>

namespace zentrova {

// Appends a separator to folder unless it is empty or already ends in "\" or "/", then appends
// name. The separator is the platform's own (a backslash on Windows).
std::wstring JoinPath(const std::wstring& folder, const wchar_t* name);

// The same in place: folder is a buffer of capacity characters including the terminator. False,
// with folder left as it was, when the joined path does not fit (a cut path would name another
// file or folder).
bool JoinPath(wchar_t* folder, size_t capacity, const wchar_t* name);

}  // namespace zentrova
