#include "config/SettingsPageRules.h"

namespace zentrova {

namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

}  // namespace

bool ParseFixedCaptureSize(const std::wstring& text, uint32_t* size) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    if (begin == end) {
        return false;
    }
    uint32_t value = 0;
    for (size_t i = begin; i < end; ++i) {
        const wchar_t c = text[i];
        if (c < L'0' || c > L'9') {
            return false;
        }
        value = value * 10 + static_cast<uint32_t>(c - L'0');
        if (value > kFixedCaptureSizeMax) {
            return false;  // stops before the number can overflow
        }
    }
    if (value == 0) {
        return false;
    }
    *size = value;
    return true;
}

bool IsUsableOutputFolder(const std::wstring& text) {
    for (const wchar_t c : text) {
        if (!IsBlank(c)) {
            return true;
        }
    }
    return false;
}

}  // namespace zentrova
