// Looking up the texts the user sees: a key "Section.Name" is asked of the current language,
// then of the default language; when neither has it, the caller's built-in English text serves.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "lang/ztv_lang/ztv_lang.h"

namespace zentrova {

// Sizes in characters, terminator included.
constexpr size_t kLanguageKeyChars = 260;       // a key holds at most 259 characters
constexpr size_t kLanguageControlChars = 4096;  // control, title and menu texts
constexpr size_t kLanguageTextChars = 2048;     // texts returned to the caller
constexpr size_t kLanguageListChars = 1024;     // list texts, before splitting
constexpr size_t kLanguageListItemChars = 260;  // one list item

constexpr const wchar_t* kMessagesSection = L"Messages";

// The language's text for section.name (current language first, then the default one), or null.
// A key longer than 259 characters has no text.
const wchar_t* LookUpLanguageText(ZtvLangManHandle lang, const wchar_t* section,
                                  const wchar_t* name);

// Copies the text, or builtIn when there is none, into out (capacity characters, at most
// kLanguageTextChars are used; longer texts are cut) and returns out.
const wchar_t* GetLanguageText(ZtvLangManHandle lang, wchar_t* out, size_t capacity,
                               const wchar_t* section, const wchar_t* name, const wchar_t* builtIn);
// The same in the section "Messages".
const wchar_t* GetLanguageMessage(ZtvLangManHandle lang, wchar_t* out, size_t capacity,
                                  const wchar_t* name, const wchar_t* builtIn);

// The text (or builtIn) split at every "|": one item more than there are "|", none for an empty
// text. The text is cut to kLanguageListChars - 1 characters first, each item to
// kLanguageListItemChars - 1.
std::vector<std::wstring> GetLanguageList(ZtvLangManHandle lang, const wchar_t* section,
                                          const wchar_t* name, const wchar_t* builtIn);

// A language text with its "%s" filled: the first "%s" is replaced by value, "%%" becomes "%",
// any other "%" stays as it is. Language files are data, so their texts are never used as
// printf formats.
std::wstring FillLanguageText(const wchar_t* text, const wchar_t* value);

}  // namespace zentrova
