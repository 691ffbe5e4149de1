// Language tags of locales ("de-de") and the first-start choice of the user-interface language.
#pragma once

#include <cstddef>
#include <cstdint>

#include "config/SettingsRecord.h"
#include "config/SystemInfo.h"

namespace zentrova {

// Room for a language tag, in characters including the terminator (as LanguageFile).
constexpr size_t kLanguageTagChars = 32;

// The language tag of a locale into out (capacity characters including the terminator, at most
// kLanguageTagChars are used), lower case:
//  - language: the ISO 639 name, else the first two characters of the abbreviated language
//    name, else empty;
//  - "-" and the country in the room left: the ISO 3166 name, else the abbreviated country name
//    when it is exactly two characters long, else empty (and then no "-").
// A German (Germany) locale gives "de-de". False only for a null or zero-sized buffer.
bool MakeLanguageTag(const SystemInfo& system, uint32_t locale, wchar_t* out, size_t capacity);

// The first-start language step: when LanguageDetected is 0, LanguageFile becomes the tag of the
// system's default locale and LanguageDetected 1. True when it changed the record.
bool ApplyFirstStartLanguage(SettingsRecord& record, const SystemInfo& system);

}  // namespace zentrova
