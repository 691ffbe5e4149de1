// Skin colours: the INI text of a colour and the colour reference it gives.
#pragma once

#include <string>

#include "image/ZImage.h"

namespace zentrova {

// The colour of a missing, short, long or malformed colour text: black.
constexpr ZColor kSkinFallbackColor = 0x000000;

// A colour text is exactly six hexadecimal digits (upper or lower case), two each for red, green
// and blue in that order: "FF8000" gives 0x000080FF. False, with out unchanged, for any other
// text (empty, fewer or more than six characters, a character that is not a hexadecimal digit).
bool ParseSkinColor(const std::wstring& text, ZColor& out);

// The colour of text, or kSkinFallbackColor when ParseSkinColor refuses it.
ZColor SkinColorFromText(const std::wstring& text);

}  // namespace zentrova
