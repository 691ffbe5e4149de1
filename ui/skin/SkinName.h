// The names of the shipped skins as the user sees them.
//
// The skins "Default", "Small" and "Tiny" are shown under their texts in the language section
// "Dlg_Skin" (name = the skin's name, built-in text = the name itself); every other skin is shown
// under its own name. Names compare exactly (with case), as the skin files are named. A skin of
// its own whose name equals a shipped skin's shown name is taken for that shipped skin on the way
// back.
#pragma once

#include <string>
#include <vector>

#include "lang/ztv_lang/ztv_lang.h"

namespace zentrova {

constexpr const wchar_t* kSkinNameSection = L"Dlg_Skin";

enum class SkinNameDirection {
    ToShown,     // the skin's name -> the name shown in the list
    ToInternal,  // a name shown in the list -> the skin's name
};

// The skin a file of the skin folder stands for: an INI file ("*.ini", any case) gives its name
// cut at its last "." ("My.Skin.ini" is the skin "My.Skin"); any other file, or an INI file
// without a name (".ini"), gives an empty text.
std::wstring SkinNameFromFile(const std::wstring& fileName);

// The skins of folder: the names of its INI files, in the order the folder lists them.
std::vector<std::wstring> ListSkinNames(const std::wstring& folder);

std::wstring TranslateSkinName(ZtvLangManHandle lang, const wchar_t* name,
                               SkinNameDirection direction);

}  // namespace zentrova
