// One language file of the language manager.
//
// Format (UTF-8, an optional byte-order mark, lines ending in LF or CR LF):
//
//   # comment (also "; comment"); blank lines are ignored
//   [Language]
//   ID = de-de
//   NativeName = Deutsch
//   EnglishName = German
//   Comment = Translated by ...
//   [Dlg_General]
//   Title = Allgemein
//   CaptureBarAlignmentCBX = Links|Oben|Rechts|Unten
//
// A text is everything after the first "=", with the blanks around it removed; "\n", "\t" and
// "\\" stand for a line break, a tab and a backslash, and a text that must keep leading or
// trailing blanks can be written in double quotes. The key of a text is its section, ".", its
// name. A line that is none of these (a damaged or cut file) is skipped: the rest still loads.
#pragma once

#include <string>
#include <unordered_map>

namespace zentrova::lang {

struct LanguageFile {
    std::wstring id;
    std::wstring nativeName;
    std::wstring englishName;
    std::wstring comment;
    std::unordered_map<std::wstring, std::wstring> texts;  // "Section.Name" -> text
};

// Parses the contents of a language file. Returns false when it names no language (no ID).
bool ParseLanguageFile(const std::string& utf8, LanguageFile& out);

// Reads and parses a file; false when it cannot be read or names no language.
bool LoadLanguageFile(const std::wstring& path, LanguageFile& out);

}  // namespace zentrova::lang
