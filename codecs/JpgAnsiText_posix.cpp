// Native build: comments are stored as UTF-8.
#include "codecs/JpgAnsiText.h"

#include <cwchar>

#include "core/WideText.h"

namespace zentrova {

std::string ToJpegCommentText(const wchar_t* text, size_t maxChars) {
    if (text == nullptr) {
        return std::string();
    }
    return ToUtf8(std::wstring(text, wcsnlen(text, maxChars)));
}

}  // namespace zentrova
