// The small flag picture of a language on the settings' language page.
#pragma once

#include <string>

namespace zentrova {

constexpr const wchar_t* kFlagsFolderName = L"Flags";
constexpr const wchar_t* kUnknownFlagName = L"unknown";

// True when tag can name a file of the flag folder: 1 to 31 characters, each an ASCII letter, a
// digit or "-". A language file's identifier is data: "..\\x" or "a:b" must not reach a path.
bool IsFlagTag(const wchar_t* tag);

// The flag picture of tag in the program folder's "Flags" folder ("<folder>\Flags\de-de.bmp"), or
// that folder's "unknown.bmp" when tag cannot name a file.
std::wstring FlagPicturePath(const std::wstring& programFolder, const wchar_t* tag);

// The same folder's "unknown.bmp", for a language whose own flag is missing.
std::wstring UnknownFlagPicturePath(const std::wstring& programFolder);

}  // namespace zentrova
