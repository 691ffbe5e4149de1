// The one table of every text key the program looks up in the language files.
//
// A key is a section and a name ("Dlg_General" / "Title"); the language manager stores it as
// "Section.Name". Each entry carries the built-in English text that is used when no language
// file has the key. List texts hold their items separated by "|"; their item order is the
// index order of the control or setting that uses them. Texts shown through a printf-style
// format keep their "%s" / "%d" conversions in every language.
//
// The intro windows' lines are not listed one by one: each intro has up to kIntroLineCount
// lines in the section "IntroWindow", named after the intro and the line number ("Welcome01").
#pragma once

#include <string>
#include <vector>

namespace zentrova::lang {

struct LanguageKey {
    const wchar_t* section;
    const wchar_t* name;
    const wchar_t* english;  // built-in English text
    bool isList = false;     // items separated by "|"
    // The English language file's text when it deliberately differs from the built-in text
    // (null: the same). See the comment at the entry for the reason.
    const wchar_t* fileEnglish = nullptr;
};

// Every key, grouped by subsystem. Never empty; no section/name pair appears twice.
const std::vector<LanguageKey>& AllLanguageKeys();

// The entry of section and name (compared exactly), or null.
const LanguageKey* FindLanguageKey(const wchar_t* section, const wchar_t* name);

// The built-in English text of section and name, or an empty text for an unknown key.
const wchar_t* BuiltInText(const wchar_t* section, const wchar_t* name);

// "Section.Name", the key as the language manager knows it.
std::wstring LanguageKeyPath(const LanguageKey& key);

// The intro windows.
constexpr int kIntroLineCount = 19;
constexpr const wchar_t* kIntroSection = L"IntroWindow";
// Built-in text of every intro line, formatted with the product name.
constexpr const wchar_t* kIntroMissingLine = L"%s Missing Language Translation...";

// "Welcome", "Capture", "CaptureScroll", "EditModeWelcome", "EditModeActionBar",
// "EditModeImageBar", "EditModeMToolsBar".
const std::vector<std::wstring>& IntroWindowNames();

// Name of line (1 .. kIntroLineCount) of an intro: the intro's name and two digits.
std::wstring IntroLineName(const std::wstring& intro, int line);

}  // namespace zentrova::lang
