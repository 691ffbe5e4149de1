// Translation of the shipped skins' names.
#include "ui/skin/SkinName.h"

#include "lang/TextLookup.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kShippedSkins[] = {L"Default", L"Small", L"Tiny"};

std::wstring ShownName(ZtvLangManHandle lang, const wchar_t* shipped) {
    wchar_t text[kLanguageTextChars];
    return GetLanguageText(lang, text, kLanguageTextChars, kSkinNameSection, shipped, shipped);
}

}  // namespace

std::wstring TranslateSkinName(ZtvLangManHandle lang, const wchar_t* name,
                               SkinNameDirection direction) {
    const std::wstring given = name != nullptr ? name : L"";
    for (const wchar_t* shipped : kShippedSkins) {
        if (direction == SkinNameDirection::ToShown) {
            if (given == shipped) {
                return ShownName(lang, shipped);
            }
        } else if (given == ShownName(lang, shipped)) {
            return shipped;
        }
    }
    return given;
}

}  // namespace zentrova
