// Conversion of a skin's colour texts.
#include "ui/skin/SkinColor.h"

namespace zentrova {

namespace {

// Value of one hexadecimal digit, or -1.
int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') {
        return c - L'0';
    }
    if (c >= L'A' && c <= L'F') {
        return c - L'A' + 10;
    }
    if (c >= L'a' && c <= L'f') {
        return c - L'a' + 10;
    }
    return -1;
}

}  // namespace

bool ParseSkinColor(const std::wstring& text, ZColor& out) {
    constexpr size_t kDigits = 6;
    if (text.size() != kDigits) {
        return false;
    }
    ZColor colour = 0;
    for (size_t pair = 0; pair < 3; ++pair) {
        const int high = HexDigit(text[2 * pair]);
        const int low = HexDigit(text[2 * pair + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        colour |= static_cast<ZColor>(high * 16 + low) << (8 * pair);  // red, green, blue
    }
    out = colour;
    return true;
}

ZColor SkinColorFromText(const std::wstring& text) {
    ZColor colour = kSkinFallbackColor;
    ParseSkinColor(text, colour);
    return colour;
}

}  // namespace zentrova
