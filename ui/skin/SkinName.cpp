// Translation of the shipped skins' names.
#include "ui/skin/SkinName.h"

#include <cwctype>

#include "core/FileSystem.h"
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

std::wstring SkinNameFromFile(const std::wstring& fileName) {
    const size_t dot = fileName.rfind(L'.');
    if (dot == std::wstring::npos || dot == 0 || fileName.size() - dot != 4) {
        return {};
    }
    static constexpr wchar_t kIni[] = L".ini";
    for (size_t i = 0; i < 4; ++i) {
        if (std::towlower(fileName[dot + i]) != kIni[i]) {
            return {};
        }
    }
    return fileName.substr(0, dot);
}

std::vector<std::wstring> ListSkinNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (const std::wstring& file : ListFolderFiles(folder.c_str())) {
        std::wstring name = SkinNameFromFile(file);
        if (!name.empty()) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

}  // namespace zentrova
