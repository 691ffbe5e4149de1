// The text of an intro window: its 19 lines from the language (section "IntroWindow", names of
// the intro's name and the two-digit line number), with the product name put in for "%s", and
// the heading markup that begins a line (":H1:", ":H2:", ":H3:").
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "lang/LanguageKeys.h"
#include "lang/ztv_lang/ztv_lang.h"

namespace zentrova {

// A line holds at most this many characters (longer translations are cut).
constexpr size_t kIntroLineChars = 511;

using IntroLines = std::array<std::wstring, lang::kIntroLineCount>;

// The lines of the intro `name`. A line without translation reads its built-in text, "%s Missing
// Language Translation...", with the product name; an empty translation stays empty. The
// translation is data, never a printf format: only "%s" (the first) becomes the product name and
// "%%" a single "%", everything else stays as written.
IntroLines BuildIntroLines(ZtvLangManHandle lang, const wchar_t* name, const wchar_t* product);

// How a line is drawn: 0 in the normal font and colour, 1 to 3 as heading of that level.
struct IntroLineStyle {
    int level = 0;
    std::wstring text;  // without its markup
};
IntroLineStyle ParseIntroLine(const std::wstring& line);

// Where the lines go: the background's width, the logo in its top-right corner, the text origin
// and line height (line k at y + k x lineHeight).
struct IntroTextArea {
    int32_t width = 0;
    int32_t logoWidth = 0;
    int32_t logoHeight = 0;
    int32_t textX = 0;
    int32_t textY = 0;
    int32_t lineHeight = 0;
};
// Gap kept between a line and the logo.
constexpr int32_t kIntroLogoGap = 8;

// The width line k (0-based) may take without running under the logo or past the right margin
// (as wide as the left one); 0 when there is no room.
int32_t IntroLineRoom(const IntroTextArea& area, int line);

}  // namespace zentrova
