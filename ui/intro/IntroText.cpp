#include "ui/intro/IntroText.h"

#include <algorithm>

#include "lang/TextLookup.h"

namespace zentrova {

IntroLines BuildIntroLines(ZtvLangManHandle lang, const wchar_t* name, const wchar_t* product) {
    IntroLines lines;
    wchar_t text[kIntroLineChars + 1];
    for (int i = 1; i <= lang::kIntroLineCount; ++i) {
        const std::wstring key = lang::IntroLineName(name != nullptr ? name : L"", i);
        GetLanguageText(lang, text, kIntroLineChars + 1, lang::kIntroSection, key.c_str(),
                        lang::kIntroMissingLine);
        std::wstring line = FillLanguageText(text, product);
        if (line.size() > kIntroLineChars) {
            line.resize(kIntroLineChars);
        }
        lines[static_cast<size_t>(i - 1)] = std::move(line);
    }
    return lines;
}

IntroLineStyle ParseIntroLine(const std::wstring& line) {
    IntroLineStyle style;
    if (line.size() >= 4 && line[0] == L':' && line[1] == L'H' && line[3] == L':' &&
        line[2] >= L'1' && line[2] <= L'3') {
        style.level = line[2] - L'0';
        style.text = line.substr(4);
    } else {
        style.text = line;
    }
    return style;
}

int32_t IntroLineRoom(const IntroTextArea& area, int line) {
    const int64_t top = int64_t{area.textY} + int64_t{line} * area.lineHeight;
    const bool besideLogo = top < area.logoHeight && top + area.lineHeight > 0;
    const int64_t right = besideLogo ? int64_t{area.width} - area.logoWidth - kIntroLogoGap
                                     : int64_t{area.width} - area.textX;
    return static_cast<int32_t>(std::max<int64_t>(0, right - area.textX));
}

}  // namespace zentrova
