// Narrow text for JPEG comment markers.
#pragma once

#include <cstddef>
#include <string>

namespace zentrova {

// The first maxChars characters of text in the system's ANSI code page (CP_ACP on Windows;
// UTF-8, the narrow encoding of the native build, elsewhere). Characters the code page lacks
// become its default character. Empty for a null text.
std::string ToJpegCommentText(const wchar_t* text, size_t maxChars);

}  // namespace zentrova
