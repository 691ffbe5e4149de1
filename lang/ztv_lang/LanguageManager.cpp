// The language manager: every language file of one product, loaded at creation.
#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/WideText.h"
#include "lang/ztv_lang/LanguageFile.h"
#include "lang/ztv_lang/ztv_lang.h"

using zentrova::EqualsNoCase;
using zentrova::lang::LanguageFile;

struct ZtvLangMan {
    std::vector<LanguageFile> languages;  // sorted by tag
    int current = -1;
    int defaultLanguage = -1;
    // Paths handed out by ztvLangMan_findLocalFile; a deque never moves its elements, so every
    // path handed out stays valid.
    std::deque<std::wstring> foundFiles;
};

namespace {

constexpr const wchar_t* kDefaultTag = L"en-us";
constexpr const wchar_t* kFileExtension = L".ztvlang";

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z') {
            c = static_cast<wchar_t>(c - L'A' + L'a');
        }
    }
    return text;
}

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(const std::wstring& text, const std::wstring& suffix) {
    return text.size() >= suffix.size() &&
           EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

std::wstring Join(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty() || folder.back() == L'\\' || folder.back() == L'/') {
        return folder + name;
    }
    return folder + zentrova::kNativeSeparator + name;
}

const LanguageFile* At(const ZtvLangMan* handle, int index) {
    if (handle == nullptr || index < 0 || index >= static_cast<int>(handle->languages.size())) {
        return nullptr;
    }
    return &handle->languages[static_cast<size_t>(index)];
}

const wchar_t* Lookup(const LanguageFile* language, const wchar_t* key) {
    if (language == nullptr || key == nullptr) {
        return nullptr;
    }
    const auto found = language->texts.find(key);
    return found == language->texts.end() ? nullptr : found->second.c_str();
}

const wchar_t* Text(const std::wstring* text) {
    return text ? text->c_str() : nullptr;
}

}  // namespace

ZtvLangManHandle ztvLangMan_create(const wchar_t* folder, const wchar_t* product, int /*flags*/) {
    auto* handle = new ZtvLangMan;
    if (folder == nullptr || product == nullptr) {
        return handle;
    }
    const std::wstring prefix = std::wstring(product) + L"-";
    // Folder order differs between systems: go by name, so that the result is always the same.
    std::vector<std::wstring> names = zentrova::ListFolderFiles(folder);
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return Lower(a) < Lower(b); });
    std::vector<bool> namedByTag;  // per language: its file is "<product>-<tag>.ztvlang"
    for (const std::wstring& name : names) {
        if (!StartsWithNoCase(name, prefix) || !EndsWithNoCase(name, kFileExtension)) {
            continue;
        }
        LanguageFile language;
        if (!zentrova::lang::LoadLanguageFile(Join(folder, name), language)) {
            continue;
        }
        const bool byTag = EqualsNoCase(name, prefix + language.id + kFileExtension);
        // One language per tag. When two files claim the same tag, the one named after it wins
        // (a copy saved under another name does not replace the real file), else the first.
        const auto same = std::find_if(
            handle->languages.begin(), handle->languages.end(),
            [&](const LanguageFile& other) { return EqualsNoCase(other.id, language.id); });
        if (same == handle->languages.end()) {
            handle->languages.push_back(std::move(language));
            namedByTag.push_back(byTag);
            continue;
        }
        const size_t index = static_cast<size_t>(same - handle->languages.begin());
        if (byTag && !namedByTag[index]) {
            *same = std::move(language);
            namedByTag[index] = true;
        }
    }
    std::sort(
        handle->languages.begin(), handle->languages.end(),
        [](const LanguageFile& a, const LanguageFile& b) { return Lower(a.id) < Lower(b.id); });
    handle->defaultLanguage = ztvLangMan_findLangWithMatchingID(handle, kDefaultTag);
    return handle;
}

void ztvLangMan_destroy(ZtvLangManHandle handle) {
    delete handle;
}

int ztvLangMan_findLangWithMatchingID(ZtvLangManHandle handle, const wchar_t* tag) {
    if (handle == nullptr || tag == nullptr) {
        return -1;
    }
    for (size_t i = 0; i < handle->languages.size(); ++i) {
        if (EqualsNoCase(handle->languages[i].id, tag)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void ztvLangMan_setCurrentLang(ZtvLangManHandle handle, int index) {
    if (handle != nullptr) {
        handle->current = At(handle, index) != nullptr ? index : -1;
    }
}

int ztvLangMan_getCurrentLang(ZtvLangManHandle handle) {
    return handle ? handle->current : -1;
}

const wchar_t* ztvLangMan_getLocalString(ZtvLangManHandle handle, const wchar_t* key,
                                         int /*flags*/) {
    return handle ? Lookup(At(handle, handle->current), key) : nullptr;
}

const wchar_t* ztvLangMan_getDefaultString(ZtvLangManHandle handle, const wchar_t* key) {
    return handle ? Lookup(At(handle, handle->defaultLanguage), key) : nullptr;
}

int ztvLangMan_getLangCount(ZtvLangManHandle handle) {
    return handle ? static_cast<int>(handle->languages.size()) : 0;
}

const wchar_t* ztvLangMan_getLangID(ZtvLangManHandle handle, int index) {
    const LanguageFile* language = At(handle, index);
    return Text(language ? &language->id : nullptr);
}

const wchar_t* ztvLangMan_getNativeLangName(ZtvLangManHandle handle, int index) {
    const LanguageFile* language = At(handle, index);
    return Text(language ? &language->nativeName : nullptr);
}

const wchar_t* ztvLangMan_getEnglishLangName(ZtvLangManHandle handle, int index) {
    const LanguageFile* language = At(handle, index);
    return Text(language ? &language->englishName : nullptr);
}

const wchar_t* ztvLangMan_getLangComment(ZtvLangManHandle handle, int index) {
    const LanguageFile* language = At(handle, index);
    return Text(language ? &language->comment : nullptr);
}

const wchar_t* ztvLangMan_findLocalFile(ZtvLangManHandle handle, const wchar_t* folder,
                                        const wchar_t* prefix, const wchar_t* extension,
                                        const wchar_t* fallbackTag) {
    if (handle == nullptr || folder == nullptr) {
        return nullptr;
    }
    // File names are matched without regard to case on every platform, as tags are.
    const std::wstring front = prefix ? prefix : L"";
    const std::wstring back = extension ? extension : L"";
    std::vector<std::wstring> wanted;
    if (const LanguageFile* current = At(handle, handle->current)) {
        wanted.push_back(front + current->id + back);
    }
    if (fallbackTag != nullptr) {
        wanted.push_back(front + fallbackTag + back);
    }
    const std::vector<std::wstring> names = zentrova::ListFolderFiles(folder);
    for (const std::wstring& name : wanted) {
        const auto match = std::find_if(names.begin(), names.end(), [&](const std::wstring& n) {
            return EqualsNoCase(n, name);
        });
        if (match == names.end()) {
            continue;
        }
        std::wstring path = Join(folder, *match);
        const auto known = std::find(handle->foundFiles.begin(), handle->foundFiles.end(), path);
        if (known != handle->foundFiles.end()) {
            return known->c_str();
        }
        handle->foundFiles.push_back(std::move(path));
        return handle->foundFiles.back().c_str();
    }
    return nullptr;
}
