// The texts of the About box that do not come from the language files: the version line and the
// build date it shows.
#pragma once

#include <string>

namespace zentrova {

constexpr const wchar_t* kAboutProductName = L"Zentrova Clarivue 2";

// The compiler's build date ("Mmm dd yyyy", the day space-padded, as __DATE__ gives it) as
// "yyyy-mm-dd"; empty when the text has not that form.
std::wstring IsoBuildDate(const char* compilerDate);

// "<product>  (<version>, <build date>)": the product name, two spaces, then version and build
// date in brackets. The parts are inserted as they are, never read as formats.
std::wstring AboutVersionLine(const wchar_t* product, const wchar_t* version,
                              const std::wstring& buildDate);

}  // namespace zentrova
