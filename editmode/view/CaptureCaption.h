// The capture text under the picture: the capture file's name without its extension, its size
// and its place in the list, as
//   "<name>"
//   (<width>x<height>) : (<position>/<count>)
// Portable.
#pragma once

#include <cstdint>
#include <string>

namespace zentrova {

// The file name of path (after the last "\" or "/") without everything from its last ".".
std::wstring CaptureDisplayName(const std::wstring& path);

std::wstring FormatCaptureCaption(const std::wstring& path, int32_t width, int32_t height,
                                  int32_t position, int32_t count);

}  // namespace zentrova
