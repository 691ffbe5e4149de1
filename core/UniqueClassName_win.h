// Window class names of the program's own controls: a format with one "%s" filled with a new
// GUID text, so that every object registers a class of its own ("_ZSplash-%s").
#pragma once

#include <string>

namespace zentrova {

// A new GUID as text ("xxxxxxxx-xxxx-...", lower case); the object's address when no GUID can be
// made.
std::wstring NewGuidText(const void* object);

// The format with its "%s" replaced by a new GUID ("xxxxxxxx-xxxx-..."); with the format's prefix
// and the object's address when no GUID can be made.
std::wstring UniqueClassName(const wchar_t* format, const void* object);

}  // namespace zentrova
