// ztv_lang: the language manager library.
//
// Language files live in one folder, one file per language and product, named
// "<product>-<tag>.ztvlang" (for example "CVX-de-de.ztvlang"). They are UTF-8 text that a
// translator can edit in any editor; see LanguageFile.h for the format. The manager reads every
// file of its product when it is created and answers lookups from hash maps. Every string it
// returns stays valid until the manager is destroyed. Tags compare without regard to case.
//
// The default language is "en-us": its texts answer ztvLangMan_getDefaultString.
#pragma once

#include <cstddef>

struct ZtvLangMan;
using ZtvLangManHandle = ZtvLangMan*;

// Reads the language files of product in folder. Never null (a folder without files gives a
// manager without languages, whose lookups all answer null).
ZtvLangManHandle ztvLangMan_create(const wchar_t* folder, const wchar_t* product, int flags);
void ztvLangMan_destroy(ZtvLangManHandle handle);

// Index of the language whose tag equals tag (without regard to case), or -1.
int ztvLangMan_findLangWithMatchingID(ZtvLangManHandle handle, const wchar_t* tag);
// Makes language index current; -1 (or any index out of range) leaves no current language.
void ztvLangMan_setCurrentLang(ZtvLangManHandle handle, int index);
int ztvLangMan_getCurrentLang(ZtvLangManHandle handle);

// Text of key ("Section.Name") in the current language, or null.
const wchar_t* ztvLangMan_getLocalString(ZtvLangManHandle handle, const wchar_t* key, int flags);
// Text of key in the default language, or null.
const wchar_t* ztvLangMan_getDefaultString(ZtvLangManHandle handle, const wchar_t* key);

int ztvLangMan_getLangCount(ZtvLangManHandle handle);
// Tag, name in the language itself, English name and comment of language index; null outside.
const wchar_t* ztvLangMan_getLangID(ZtvLangManHandle handle, int index);
const wchar_t* ztvLangMan_getNativeLangName(ZtvLangManHandle handle, int index);
const wchar_t* ztvLangMan_getEnglishLangName(ZtvLangManHandle handle, int index);
const wchar_t* ztvLangMan_getLangComment(ZtvLangManHandle handle, int index);

// Full path of "<folder>\<prefix><tag><extension>" for the current language's tag when that file
// exists, else for fallbackTag when that one exists; null when neither does.
const wchar_t* ztvLangMan_findLocalFile(ZtvLangManHandle handle, const wchar_t* folder,
                                        const wchar_t* prefix, const wchar_t* extension,
                                        const wchar_t* fallbackTag);
