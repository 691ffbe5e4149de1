// Windows: comments are stored in the ANSI code page.
#include "codecs/JpgAnsiText.h"

#include <cwchar>

#include <windows.h>

namespace zentrova {

std::string ToJpegCommentText(const wchar_t* text, size_t maxChars) {
    if (text == nullptr) {
        return std::string();
    }
    const int chars = static_cast<int>(wcsnlen(text, maxChars));
    if (chars == 0) {
        return std::string();
    }
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, chars, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) {
        return std::string();
    }
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, chars, &out[0], bytes, nullptr, nullptr);
    return out;
}

}  // namespace zentrova
